#include "KtSNMPEngine.h"

#include "KtCatalogue.h"
#include "KtException.h"
#include "KtSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>
#include <limits>

KtSNMPSettings KtSNMPDefaults;

namespace {

qint32 engineBoots = 0;

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return BootCounterNoFile;
    const QByteArray wanted = engineID.toHex().toUpper();
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096);
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

int SaveBootCounter(const QString &path, const QByteArray &engineID, qint32 boot)
{
    const QByteArray wanted = engineID.toHex().toUpper();
    const QByteArray ownLine = wanted + ' ' + QByteArray::number(boot) + '\n';

    // Keep comments and the well-formed lines of other engines; anything
    // unreadable (a cut-short or garbled file) is dropped.
    QByteArray content;
    bool written = false;
    QFile old(path);
    if (old.open(QIODevice::ReadOnly)) {
        while (!old.atEnd()) {
            QByteArray line = old.readLine(4096);
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
    }
    if (!written)
        content += ownLine;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    if (file.write(content) != content.size())
        return -1;
    return file.commit() ? 0 : -1;
}

void KtSNMPInitialize(const QString &baseDirectory)
{
    const int status = KtSession::Create();
    if (status != 0)
        throw KtException(KtSnmpErr.Text(6), -506);

    const QString counterFile = JoinPath(baseDirectory, KtBootCounterFileName);
    qint32 boot = 0;
    if (GetBootCounter(counterFile, KtLocalEngineID, boot) < BootCounterNoFile)
        throw KtException(KtSnmpErr.Text(7), -507);
    if (boot < std::numeric_limits<qint32>::max()) // the counter latches at its maximum
        ++boot;
    if (SaveBootCounter(counterFile, KtLocalEngineID, boot) != 0)
        throw KtException(KtSnmpErr.Text(8), -508);
    engineBoots = boot;
    KtSNMPSession->SetLocalEngine(KtLocalEngineID, boot);

    KtSNMPDefaults = KtSNMPSettings{};
    _SnmpEventProcessor::Instance().Start();
}

void KtProcessEventsBriefly()
{
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(20);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
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
    timer_->start();
}

void _SnmpEventProcessor::Stop()
{
    timer_->stop();
}

bool _SnmpEventProcessor::IsRunning() const
{
    return timer_->isActive();
}

int _SnmpEventProcessor::Interval() const
{
    return timer_->interval();
}

void _SnmpEventProcessor::Tick()
{
    // Responses are read as their sockets become readable; the tick drives
    // retries and time-outs, so without an outstanding send it has nothing
    // to do (and stopping and restarting the timer would cost a wake-up).
    if (!KtSNMPSession || !KtSNMPSession->HasOutstandingSends())
        return;
    const bool wasRunning = timer_->isActive();
    timer_->stop();
    if (KtSNMPSession)
        KtSNMPSession->ProcessPendingEvents();
    if (wasRunning)
        timer_->start();
}
