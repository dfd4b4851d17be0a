#include "KtSNMPEngine.h"

#include "KtCatalogue.h"
#include "KtException.h"
#include "KtRegularFile.h"
#include "KtSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

KtSNMPSettings KtSNMPDefaults;

namespace {

qint32 engineBoots = 0;

// The file holds one short line per engine; past these limits the rest of
// a line or of the file is ignored.
constexpr qint64 kMaxBootCounterBytes = 1 << 20;
constexpr qsizetype kMaxBootCounterLine = 4096;

bool ParseCounterLine(const QByteArray &line, QByteArray &hexID, qint32 &counter)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() != 2 || fields[0].isEmpty())
        return false;
    for (char c : fields[0])
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    bool ok = false;
    const qlonglong value = fields[1].toLongLong(&ok);
    if (!ok || value < 0 || value > std::numeric_limits<qint32>::max())
        return false;
    hexID = fields[0].toUpper();
    counter = qint32(value);
    return true;
}

// Whether a line of content is longer than a counter line may be.
bool HasOverlongLine(const QByteArray &content)
{
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        if (end - start > kMaxBootCounterLine)
            return true;
        start = end + 1;
    }
    return false;
}

// A file that cannot be read whole is never rewritten: what lies past the
// limits may be this engine's counter, which would start again from 1.
bool ReadWhole(const KtFileContent &file)
{
    return !file.Truncated && !HasOverlongLine(file.Bytes);
}

const QString kTooLongReason = QStringLiteral("it is longer than %1 bytes or has a line longer than %2 "
                                              "characters; it is left as it was")
                                   .arg(kMaxBootCounterBytes)
                                   .arg(kMaxBootCounterLine);

// Why the counter file cannot be replaced, or an empty text when it can: a
// link is never written through, and a file nobody may write stays as it is.
QString ReasonNotToReplace(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("it is not a regular file");
    if ((info.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0)
        return QStringLiteral("it is read-only");
    return {};
}

bool WriteAll(int fd, const QByteArray &content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t wrote = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return ::fsync(fd) == 0;
}

// Writes content to a new file created exclusively beside path, then
// renames it over path (a rename replaces a directory entry and never
// follows a link). Returns an empty text or the reason of the failure.
QString ReplaceFile(const QString &path, const QByteArray &content)
{
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC); // O_CREAT | O_EXCL
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const bool written = ::fchmod(fd, 0644) == 0 && WriteAll(fd, content);
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0)
        return {};
    const QString reason = QString::fromLocal8Bit(std::strerror(written ? errno : error));
    ::unlink(temporary.constData());
    return reason;
}

// An advisory lock on the directory of the counter file, held while the
// counter is read, raised and written back, so that modules started at
// the same time each count their own start. The wait is bounded: a lock
// someone holds for ever must not hang start-up.
class CounterDirectoryLock
{
public:
    explicit CounterDirectoryLock(const QString &counterPath)
    {
        const QByteArray directory = QFile::encodeName(QFileInfo(counterPath).path());
        fd_ = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            reason_ = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        QElapsedTimer waited;
        waited.start();
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                reason_ = QString::fromLocal8Bit(std::strerror(errno));
                return;
            }
            if (waited.elapsed() > 5000) {
                reason_ = QStringLiteral("its directory stays locked by another program");
                return;
            }
            QThread::msleep(5);
        }
        locked_ = true;
    }
    ~CounterDirectoryLock()
    {
        if (fd_ >= 0)
            ::close(fd_); // releases the lock
    }
    CounterDirectoryLock(const CounterDirectoryLock &) = delete;
    CounterDirectoryLock &operator=(const CounterDirectoryLock &) = delete;

    bool Locked() const { return locked_; }
    const QString &Reason() const { return reason_; }

private:
    int fd_ = -1;
    bool locked_ = false;
    QString reason_;
};

[[noreturn]] void RaiseCounterError(int entry, const QString &path, const QString &reason)
{
    throw KtException(KtSnmpErr.Text(entry) + QStringLiteral("\n%1: %2").arg(path, reason), -500 - entry);
}

} // namespace

QString JoinPath(const QString &directory, const QString &name)
{
    if (directory.isEmpty())
        return name;
    if (directory.endsWith('/'))
        return directory + name;
    return directory + '/' + name;
}

int GetBootCounter(const QString &path, const QByteArray &engineID, qint32 &boot)
{
    boot = 0;
    const KtFileContent file = KtReadRegularFile(path, kMaxBootCounterBytes, KtLinkPolicy::Refuse);
    if (file.State == KtFileState::NotRegular)
        return BootCounterNotRegular;
    if (file.State != KtFileState::Read)
        return BootCounterNoFile;
    if (!ReadWhole(file))
        return BootCounterTooLong;
    const QByteArray wanted = engineID.toHex().toUpper();
    for (const QByteArray &line : KtSplitLines(file.Bytes, kMaxBootCounterLine, path)) {
        if (line.startsWith('#'))
            continue;
        QByteArray hexID;
        qint32 counter = 0;
        if (ParseCounterLine(line, hexID, counter) && hexID == wanted) {
            boot = counter;
            return BootCounterFound;
        }
    }
    return BootCounterNoLine;
}

int SaveBootCounter(const QString &path, const QByteArray &engineID, qint32 boot, QString *reason)
{
    QString why = ReasonNotToReplace(path);
    const KtFileContent file = KtReadRegularFile(path, kMaxBootCounterBytes, KtLinkPolicy::Refuse);
    if (why.isEmpty() && file.State == KtFileState::Read && !ReadWhole(file))
        why = kTooLongReason;
    if (why.isEmpty()) {
        const QByteArray wanted = engineID.toHex().toUpper();
        const QByteArray ownLine = wanted + ' ' + QByteArray::number(boot) + '\n';

        // Keep comments and the well-formed lines of other engines; anything
        // unreadable (a cut-short or garbled file) is dropped.
        QByteArray content;
        bool written = false;
        const QList<QByteArray> lines = file.State == KtFileState::Read
                                            ? KtSplitLines(file.Bytes, kMaxBootCounterLine, path)
                                            : QList<QByteArray>{};
        for (QByteArray line : lines) {
            if (!line.endsWith('\n'))
                line += '\n';
            QByteArray hexID;
            qint32 counter = 0;
            if (line.startsWith('#') && !line.contains('\0')) {
                content += line;
            } else if (ParseCounterLine(line, hexID, counter)) {
                if (hexID != wanted) {
                    content += line;
                } else if (!written) {
                    content += ownLine;
                    written = true;
                }
            }
        }
        if (!written)
            content += ownLine;
        why = ReplaceFile(path, content);
    }
    if (reason)
        *reason = why;
    return why.isEmpty() ? 0 : -1;
}

qint32 KtAdvanceBootCounter(const QString &path, const QByteArray &engineID)
{
    const CounterDirectoryLock lock(path);
    if (!lock.Locked())
        RaiseCounterError(8, path, lock.Reason());
    qint32 boot = 0;
    const int found = GetBootCounter(path, engineID, boot);
    if (found == BootCounterTooLong)
        RaiseCounterError(7, path, kTooLongReason);
    if (found < BootCounterNoFile)
        RaiseCounterError(7, path, QStringLiteral("it is not a regular file"));
    if (boot < std::numeric_limits<qint32>::max()) // the counter latches at its maximum
        ++boot;
    QString reason;
    if (SaveBootCounter(path, engineID, boot, &reason) != 0)
        RaiseCounterError(8, path, reason);
    return boot;
}

void KtSNMPInitialize(const QString &baseDirectory)
{
    const int status = KtSession::Create();
    if (status != 0)
        throw KtException(KtSnmpErr.Text(6), -506);

    const qint32 boot = KtAdvanceBootCounter(JoinPath(baseDirectory, KtBootCounterFileName), KtLocalEngineID);
    engineBoots = boot;
    KtSNMPSession->SetLocalEngine(KtLocalEngineID, boot);

    KtSNMPDefaults = KtSNMPSettings{};
    _SnmpEventProcessor::Instance().Start();
}

void KtProcessEventsBriefly(bool withUserInput)
{
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(20);
    const QEventLoop::ProcessEventsFlags input =
        withUserInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    QCoreApplication::processEvents(input | QEventLoop::WaitForMoreEvents);
}

qint32 KtSNMPEngineBoots()
{
    return engineBoots;
}

_SnmpEventProcessor &_SnmpEventProcessor::Instance()
{
    static _SnmpEventProcessor *processor = new _SnmpEventProcessor;
    return *processor;
}

_SnmpEventProcessor::_SnmpEventProcessor() : timer_(new QTimer(this))
{
    timer_->setInterval(20);
    connect(timer_, &QTimer::timeout, this, &_SnmpEventProcessor::Tick);
}

_SnmpEventProcessor::~_SnmpEventProcessor()
{
    Stop();
}

void _SnmpEventProcessor::Start()
{
    enabled_ = true;
    Wake();
}

void _SnmpEventProcessor::Stop()
{
    enabled_ = false;
    timer_->stop();
}

bool _SnmpEventProcessor::IsRunning() const
{
    return enabled_;
}

int _SnmpEventProcessor::Interval() const
{
    return timer_->interval();
}

void _SnmpEventProcessor::Wake()
{
    if (enabled_ && !timer_->isActive() && KtSNMPSession && KtSNMPSession->HasOutstandingSends())
        timer_->start();
}

void _SnmpEventProcessor::Tick()
{
    // Responses are read as their sockets become readable; the tick drives
    // retries and time-outs. Without an outstanding send it has nothing to
    // do, so the timer sleeps until the session queues the next send and an
    // idle module does not wake the event loop 50 times a second.
    timer_->stop();
    if (!KtSNMPSession || !KtSNMPSession->HasOutstandingSends())
        return;
    KtSNMPSession->ProcessPendingEvents();
    if (enabled_)
        timer_->start();
}
