#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTimer;

// Where the agent is, whether table walks may use its GetBulk (SNMPv2c and
// SNMPv3; off for agents whose GetBulk is broken), and how many rows a
// table walk takes at most: well above any real table, so that a faulty
// agent that offers rows without end cannot fill the memory.
struct KtSNMPDevice
{
    QString Address = QStringLiteral("127.0.0.1");
    quint16 Port = 161;
    bool UseGetBulk = true;
    qint32 MaxTableRows = 1000000;
};

// The SNMPv3 context copied into every PDU.
struct KtSNMPScope
{
    QString ContextEngineID;
    QString ContextName;
};

// Version and credentials. Version uses the SNMP library codes:
// 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (only 3 selects the user-based path).
struct KtSNMPSecurity
{
    quint8 Version = 0;
    QString ReadCommunity = QStringLiteral("gentle");
    QString WriteCommunity = QStringLiteral("curtain");
    qint32 SecurityModel = 1;
    qint32 SecurityLevel = 1; // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    qint32 AuthProtocol = 1; // 1 none, 2 HMAC-MD5, 3 HMAC-SHA, 4 to 7 HMAC-SHA-224/256/384/512
    qint32 PrivProtocol = 1; // 1 none, 2 DES, 9 IDEA, 19 to 21 AES-128/192/256
};

// The device settings every request copies when it is created.
struct KtSNMPSettings
{
    KtSNMPDevice Device;
    KtSNMPScope Scope;
    KtSNMPSecurity Security;
    qint32 TimeOut = 100; // hundredths of a second
};

// The process-wide defaults, filled at start-up.
extern KtSNMPSettings KtSNMPDefaults;

// The local SNMPv3 engine ID and the file its boot counter lives in.
inline const QByteArray KtLocalEngineID = QByteArrayLiteral("KtSNMP_PP_Application");
inline const QString KtBootCounterFileName = QStringLiteral("KtSNMP_PP_BootCounter");

// Joins a directory and a file name; an empty directory gives the name alone.
QString JoinPath(const QString &directory, const QString &name);

// Boot-counter store: one line per engine ID, "HEXID counter"; lines starting
// with '#' are comments. GetBootCounter sets boot to 0 first and returns
// 0 (found), -1 (no line for this engine), -2 (no file, or a symbolic link,
// which is never read through), -3 (something other than a regular file:
// a FIFO, device or directory) or -4 (a file too long to be read whole, or
// with an overlong line). SaveBootCounter writes a temporary file created
// exclusively beside the counter and renames it over the counter, keeping
// the lines of other engines; it refuses a symbolic link, anything but a
// regular file, a read-only file and one too long to be read whole. It
// returns 0 or -1, with the reason in *reason.
enum KtBootCounterResult
{
    BootCounterFound = 0,
    BootCounterNoLine = -1,
    BootCounterNoFile = -2,
    BootCounterNotRegular = -3,
    BootCounterTooLong = -4
};
int GetBootCounter(const QString &path, const QByteArray &engineID, qint32 &boot);
int SaveBootCounter(const QString &path, const QByteArray &engineID, qint32 boot, QString *reason = nullptr);

// Reads, raises by one and saves the counter of engineID under an advisory
// lock, so that concurrent starts never lose a count; returns the new count.
// Raises -507 (not a regular file, or too long to be read whole: such a file
// is left as it was) or -508 (cannot be saved, or locked for too long), the
// catalogue text followed by a line that names the file and the reason.
qint32 KtAdvanceBootCounter(const QString &path, const QByteArray &engineID);

// Creates the process-wide session, sets up the SNMPv3 engine (engine ID and
// boot counter in baseDirectory), resets the defaults and starts the event
// pump. Raises KtException -506, -507 or -508.
void KtSNMPInitialize(const QString &baseDirectory);

// The boot counter this process announced (0 before initialisation).
qint32 KtSNMPEngineBoots();

// Processes pending window messages, waiting for one if there is none, but
// never longer than about 20 ms: the loops that wait for SNMP work use it,
// so they neither spin nor depend on some other timer to wake them.
// Clicks and keys wait when withUserInput is false.
void KtProcessEventsBriefly(bool withUserInput = true);

// Drives the SNMP library's retries, time-outs and received responses from
// a 20 ms timer on the user-interface thread. The timer is stopped while the
// library runs callbacks, so a callback that pumps window messages cannot
// re-enter it.
class _SnmpEventProcessor : public QObject
{
    Q_OBJECT
public:
    static _SnmpEventProcessor &Instance();

    void Start();
    void Stop();
    bool IsRunning() const;
    int Interval() const;

    // Starts the timer of an enabled pump that has sends to drive; the
    // session calls it when it becomes busy.
    void Wake();
    // One tick of the pump; public so that tests can drive it.
    void Tick();

private:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor() override;

    QTimer *timer_;
    bool enabled_ = false;
};
