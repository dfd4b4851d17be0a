#include "KtSNMPEngine.h"
#include "KtException.h"
#include "KtSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QByteArray kOwnHex = KtLocalEngineID.toHex().toUpper();

class BootCounterTest : public ::testing::Test
{
protected:
    QString Path() const { return dir_.filePath(KtBootCounterFileName); }

    void Write(const QByteArray &content)
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QByteArray Read() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(BootCounterTest, InitialisationCountsStartsAndKeepsOtherEngines)
{
    Write("# engine boots\n0102AB 7\n");
    KtSNMPInitialize(dir_.path());
    EXPECT_EQ(KtSNMPEngineBoots(), 1);
    KtSNMPInitialize(dir_.path());
    EXPECT_EQ(KtSNMPEngineBoots(), 2);
    EXPECT_EQ(Read(), "# engine boots\n0102AB 7\n" + kOwnHex + " 2\n");
    EXPECT_TRUE(_SnmpEventProcessor::Instance().IsRunning());
    EXPECT_EQ(_SnmpEventProcessor::Instance().Interval(), 20);
    EXPECT_EQ(KtSNMPDefaults.Security.ReadCommunity, "gentle");
    EXPECT_EQ(KtSNMPDefaults.TimeOut, 100);
}

TEST_F(BootCounterTest, ReadResults)
{
    qint32 boot = 99;
    EXPECT_EQ(GetBootCounter(Path(), KtLocalEngineID, boot), BootCounterNoFile);
    EXPECT_EQ(boot, 0);
    Write("0102AB 7\n");
    EXPECT_EQ(GetBootCounter(Path(), KtLocalEngineID, boot), BootCounterNoLine);
    Write("0102AB 7\n" + kOwnHex.toLower() + " 41\n");
    EXPECT_EQ(GetBootCounter(Path(), KtLocalEngineID, boot), BootCounterFound);
    EXPECT_EQ(boot, 41);
}

TEST_F(BootCounterTest, DamagedFilesAreRewrittenValid)
{
    const QByteArray damaged[] = {
        QByteArray("\x01\xff\0garbage\n\n", 12),
        kOwnHex.left(10),                    // cut short inside the engine ID
        kOwnHex + " ",                       // cut short before the counter
        kOwnHex + " 12x\nnot a line at all", // garbled counter
    };
    for (const QByteArray &content : damaged) {
        Write(content);
        KtSNMPInitialize(dir_.path());
        EXPECT_EQ(KtSNMPEngineBoots(), 1);
        EXPECT_EQ(Read(), kOwnHex + " 1\n");
    }
}

// Standard error of this process, captured while it lives.
class StandardErrorCapture
{
public:
    StandardErrorCapture()
    {
        std::fflush(stderr);
        saved_ = ::dup(2);
        file_.open();
        ::dup2(file_.handle(), 2);
    }
    ~StandardErrorCapture() { Restore(); }
    QByteArray Text()
    {
        Restore();
        file_.seek(0);
        return file_.readAll();
    }

private:
    void Restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};

// A counter that lies past what can be read (beyond the size limit, or in
// an overlong line) must not start again from 1: start-up stops with the
// reason and the file stays as it was; the note about it comes once.
TEST_F(BootCounterTest, AFileTooLongToReadWholeIsNeverRewritten)
{
    QByteArray pastTheSizeLimit;
    while (pastTheSizeLimit.size() < (1 << 20) + 100)
        pastTheSizeLimit += "0102AB 7\n";
    pastTheSizeLimit += kOwnHex + " 500\n";
    const QByteArray overlongLine = kOwnHex + QByteArray(5000, ' ') + " 500\n";
    for (const QByteArray &content : {pastTheSizeLimit, overlongLine}) {
        Write(content);
        StandardErrorCapture standardError;
        try {
            KtSNMPInitialize(dir_.path());
            ADD_FAILURE() << "start-up went on";
        } catch (const KtException &error) {
            EXPECT_EQ(error.Code, -507);
            EXPECT_TRUE(
                error.Message.startsWith("(KtSNMP++) Error when loading SNMP engine boots counter!\n" +
                                         Path() + ": it is longer than"))
                << error.Message.toStdString();
        }
        EXPECT_TRUE(Read() == content) << "the file was changed";
        EXPECT_LE(standardError.Text().count("qg2312: " + Path().toUtf8()), 1);
    }
}

// The states of the file itself (links, FIFOs, directories, read-only,
// oversize, concurrent starts) are the file-state table of the start-up
// tests; here the directory the counter should go to does not exist.
TEST_F(BootCounterTest, UnwritableFileRaises508)
{
    const QString missing = dir_.filePath("no such directory");
    try {
        KtSNMPInitialize(missing);
        FAIL();
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -508);
        EXPECT_TRUE(error.Message.startsWith("(KtSNMP++) Error when saving SNMP engine boots counter!\n" +
                                             JoinPath(missing, KtBootCounterFileName) + ": "))
            << error.Message.toStdString();
    }
}

TEST(JoinPathTest, Cases)
{
    EXPECT_EQ(JoinPath("", "f"), "f");
    EXPECT_EQ(JoinPath("/a", "f"), "/a/f");
    EXPECT_EQ(JoinPath("/a/", "f"), "/a/f");
}

TEST(BuildTargetTest, CommunityAndUserTargets)
{
    KtSession::Create();
    KtSNMPDevice device{"10.90.90.90", 161};
    KtSNMPSecurity security;
    security.Version = 1;
    security.ReadCommunity = "public";
    const KtSNMPTarget community = BuildTarget(device, security, 250, 1);
    EXPECT_FALSE(community.UserBased);
    EXPECT_EQ(community.Version, 1);
    EXPECT_EQ(community.Peer, "udp:10.90.90.90:161");
    EXPECT_EQ(community.TimeOut, 250);
    EXPECT_EQ(community.ReadCommunity, "public");

    security.Version = 3;
    security.SecurityName = "noauth";
    const KtSNMPTarget user = BuildTarget(device, security, 100, 1);
    EXPECT_TRUE(user.UserBased);
    const KtUsmUser *registered = KtSNMPSession->FindUser("noauth");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered->AuthProtocol, 1);
    EXPECT_EQ(registered->PrivProtocol, 1);
}

TEST(BuildTargetTest, ErrorsAtSendTime)
{
    KtSession::Create();
    struct Case
    {
        QString address;
        qint32 privProtocol;
        int code;
    };
    const Case cases[] = {
        {"", 1, -509}, {"   ", 1, -509}, {"no-such-host.invalid", 1, -509}, {"127.0.0.1", 9, -313}, // IDEA
    };
    for (const Case &c : cases) {
        KtSNMPSecurity security;
        security.Version = 3;
        security.PrivProtocol = c.privProtocol;
        try {
            BuildTarget(KtSNMPDevice{c.address, 161}, security, 100, 1);
            ADD_FAILURE() << c.address.toStdString();
        } catch (const KtException &error) {
            EXPECT_EQ(error.Code, c.code);
        }
    }
}

} // namespace
