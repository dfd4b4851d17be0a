// What start-up meets on disk in place of its files: links planted by
// someone else, FIFOs and directories, read-only and oversized files, and
// modules started at the same time in one directory.
#include "KtCatalogue.h"
#include "KtException.h"
#include "KtRegistry.h"
#include "KtSNMPEngine.h"
#include "QgFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Reader
{
    BootCounter,
    Catalogue,
    Registry
};

enum class State
{
    Symlink,
    Fifo,
    Directory,
    ReadOnly,
    Oversize,
    ConcurrentStarts
};

const QByteArray kOwnHex = KtLocalEngineID.toHex().toUpper();
const QByteArray kVictim = "someone else's data\n";
constexpr int kConcurrentModules = 2;
constexpr int kConcurrentRounds = 20;

// What one reader made of the file.
struct Outcome
{
    int Code = 0;        // boot counter: 0 or the code raised
    QString Message;     // boot counter: the message raised
    qint32 Boots = 0;    // boot counter: the count announced
    bool Loaded = false; // catalogue loaded, registry key found
    QString Text;        // first catalogue entry, registry value
};

struct Row
{
    Reader Of;
    State In;
    int Code;           // boot counter's expected code
    const char *Reason; // words the message must hold (boot counter)
    bool Loaded;        // catalogue / registry: whether anything was taken
    const char *Text;   // catalogue / registry: the text expected
};

// clang-format off
const Row kRows[] = {
    {Reader::BootCounter, State::Symlink,          -508, "symbolic link",      false, nullptr},
    {Reader::BootCounter, State::Fifo,             -507, "not a regular file", false, nullptr},
    {Reader::BootCounter, State::Directory,        -507, "not a regular file", false, nullptr},
    {Reader::BootCounter, State::ReadOnly,         -508, "read-only",          false, nullptr},
    {Reader::BootCounter, State::Oversize,         -507, "longer than",        false, nullptr},
    {Reader::BootCounter, State::ConcurrentStarts,    0, nullptr,              false, nullptr},
    {Reader::Catalogue,   State::Fifo,                0, nullptr,              false, "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    {Reader::Catalogue,   State::Directory,           0, nullptr,              false, "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    {Reader::Catalogue,   State::Oversize,            0, nullptr,              true,  "first"},
    {Reader::Registry,    State::Fifo,                0, nullptr,              false, ""},
    {Reader::Registry,    State::Directory,           0, nullptr,              false, ""},
    {Reader::Registry,    State::Oversize,            0, nullptr,              false, ""},
};
// clang-format on

const char *const kRegistryKey = "SOFTWARE\\Keltra\\Ovix5.1\\MibFile";

QByteArray RowName(const Row &row)
{
    static const char *const readers[] = {"boot counter", "catalogue", "registry"};
    static const char *const states[] = {"symlink",   "FIFO",     "directory",
                                         "read-only", "oversize", "concurrent"};
    return QByteArray(readers[int(row.Of)]) + " / " + states[int(row.In)];
}

// A file far beyond any sane size: the part a reader must use, then
// megabytes of lines it must ignore.
QByteArray OversizeContent(Reader reader)
{
    switch (reader) {
    case Reader::BootCounter: {
        QByteArray content = kOwnHex + " 7\n";
        const QByteArray other = "0102AB 7\n";
        while (content.size() < 3 << 20)
            content += other;
        return content;
    }
    case Reader::Catalogue: {
        QByteArray content = "first\n";
        while (content.size() < 3 << 20)
            content += "x\n";
        return content;
    }
    case Reader::Registry: {
        // One overlong line, then comments up to far past the limit, then
        // a key that lies in the part to be ignored.
        QByteArray content = QByteArray(200000, 'k') + "\n";
        while (content.size() < 6 << 20)
            content += ";;;;;;;;;;;;;;;\n";
        return content + "[" + kRegistryKey + "]\nPath=/opt/late/\n";
    }
    }
    return {};
}

QString FileName(Reader reader)
{
    switch (reader) {
    case Reader::BootCounter:
        return KtBootCounterFileName;
    case Reader::Catalogue:
        return QStringLiteral("snmp.msg");
    case Reader::Registry:
        return QStringLiteral("registry.ini");
    }
    return {};
}

void Prepare(const Row &row, const QDir &dir)
{
    const QString path = dir.filePath(FileName(row.Of));
    switch (row.In) {
    case State::Symlink:
        ASSERT_TRUE(WriteFile(dir.filePath("victim"), kVictim));
        ASSERT_EQ(::symlink("victim", QFile::encodeName(path).constData()), 0);
        break;
    case State::Fifo:
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case State::Directory:
        ASSERT_TRUE(dir.mkdir(FileName(row.Of)));
        break;
    case State::ReadOnly:
        ASSERT_TRUE(WriteFile(path, kOwnHex + " 7\n"));
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
        break;
    case State::Oversize:
        ASSERT_TRUE(WriteFile(path, OversizeContent(row.Of)));
        break;
    case State::ConcurrentStarts:
        break;
    }
}

Outcome StartModule(const QDir &dir)
{
    Outcome outcome;
    try {
        KtSNMPInitialize(dir.path());
        outcome.Boots = KtSNMPEngineBoots();
    } catch (const KtException &error) {
        outcome.Code = error.Code;
        outcome.Message = error.Message;
    }
    return outcome;
}

Outcome Run(Reader reader, const QDir &dir)
{
    const QString path = dir.filePath(FileName(reader));
    Outcome outcome;
    switch (reader) {
    case Reader::BootCounter:
        return StartModule(dir);
    case Reader::Catalogue:
        outcome.Loaded = LoadCatalogue(SnmpMsg, path);
        outcome.Text = SnmpMsg[0];
        break;
    case Reader::Registry: {
        KtRegistry registry(path);
        outcome.Loaded = registry.OpenKey(QLatin1String(kRegistryKey));
        outcome.Text = registry.ReadString(QStringLiteral("Path"));
        break;
    }
    }
    return outcome;
}

// Runs a reader on a FIFO with a time limit; a reader stuck on it is freed
// by opening the FIFO's other end (again for every open that blocks), so a
// hang fails the row instead of the run.
Outcome RunBounded(Reader reader, State state, const QDir &dir)
{
    if (state != State::Fifo)
        return Run(reader, dir);
    auto running = std::async(std::launch::async, [&] { return Run(reader, dir); });
    if (running.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
        ADD_FAILURE() << "the reader blocked";
        const QByteArray fifo = QFile::encodeName(dir.filePath(FileName(reader)));
        do {
            const int fd = ::open(fifo.constData(), O_RDWR | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        } while (running.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout);
    }
    return running.get();
}

// Modules started together in one directory, as separate processes: every
// start must be counted.
void CheckConcurrentStarts(const QDir &dir)
{
    const QString path = dir.filePath(KtBootCounterFileName);
    ASSERT_TRUE(WriteFile(path, kOwnHex + " 100\n"));
    for (int round = 0; round < kConcurrentRounds; ++round) {
        pid_t children[kConcurrentModules];
        for (pid_t &child : children) {
            child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0)
                ::_exit(StartModule(dir).Code == 0 ? 0 : 1);
        }
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }
    qint32 boot = 0;
    EXPECT_EQ(GetBootCounter(path, KtLocalEngineID, boot), BootCounterFound);
    EXPECT_EQ(boot, 100 + kConcurrentModules * kConcurrentRounds);
}

void CheckBootCounter(const Row &row, const QDir &dir, const Outcome &outcome)
{
    const QString path = dir.filePath(KtBootCounterFileName);
    EXPECT_EQ(outcome.Code, row.Code);
    if (row.Code != 0) {
        const QString catalogueText = KtSnmpErr.Text(-row.Code - 500);
        EXPECT_TRUE(outcome.Message.startsWith(catalogueText)) << outcome.Message.toStdString();
        EXPECT_TRUE(outcome.Message.contains(QLatin1String(row.Reason))) << outcome.Message.toStdString();
        EXPECT_TRUE(outcome.Message.contains(path)) << outcome.Message.toStdString();
    }
    switch (row.In) {
    case State::Symlink:
        EXPECT_EQ(ReadFile(dir.filePath("victim")), kVictim);
        EXPECT_TRUE(QFileInfo(path).isSymLink());
        break;
    case State::ReadOnly:
        EXPECT_EQ(ReadFile(path), kOwnHex + " 7\n");
        break;
    case State::Oversize:
        EXPECT_EQ(ReadFile(path), OversizeContent(Reader::BootCounter)) << "left as it was";
        break;
    default:
        break;
    }
    // No temporary file is left behind.
    EXPECT_EQ(dir.entryList({KtBootCounterFileName + ".*"}, QDir::AllEntries | QDir::System).size(), 0);
}

TEST(FileStatesTest, StartUpFilesInEveryState)
{
    for (const Row &row : kRows) {
        SCOPED_TRACE(RowName(row).toStdString());
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        Prepare(row, dir);
        if (row.In == State::ConcurrentStarts) {
            CheckConcurrentStarts(dir);
            continue;
        }
        const Outcome outcome = RunBounded(row.Of, row.In, dir);
        if (row.Of == Reader::BootCounter) {
            CheckBootCounter(row, dir, outcome);
        } else {
            EXPECT_EQ(outcome.Loaded, row.Loaded);
            EXPECT_EQ(outcome.Text, QString::fromLatin1(row.Text));
        }
        if (row.Of == Reader::Catalogue) {
            EXPECT_LE(SnmpMsg.LoadedCount(), 4096);
            SnmpMsg.Reset();
        }
        ::chmod(QFile::encodeName(dir.filePath(FileName(row.Of))).constData(), 0644);
    }
}

} // namespace
