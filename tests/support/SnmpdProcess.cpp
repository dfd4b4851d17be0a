#include "SnmpdProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QUdpSocket>

quint16 UnusedUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort(); // closed again when the socket goes
}

SilentAgent::SilentAgent() : socket_(new QUdpSocket)
{
    socket_->bind(QHostAddress::LocalHost, 0);
}

SilentAgent::~SilentAgent()
{
    delete socket_;
}

quint16 SilentAgent::Port() const
{
    return socket_->localPort();
}

SnmpdProcess::SnmpdProcess(QStringList extraConfig) : extraConfig_(std::move(extraConfig)) {}

SnmpdProcess::~SnmpdProcess()
{
    Stop();
}

bool SnmpdProcess::Start()
{
    port_ = UnusedUdpPort();
    QFile config(dir_.filePath("snmpd.conf"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QStringLiteral("agentaddress udp:127.0.0.1:%1\n"
                                "rocommunity public 127.0.0.1\n"
                                "rwcommunity private 127.0.0.1\n"
                                "createUser md5user MD5 \"md5password\"\n"
                                "createUser desuser MD5 \"md5password\" DES \"despassword\"\n"
                                "createUser shauser SHA \"shapassword\"\n"
                                "rwuser md5user auth\n"
                                "rwuser desuser priv\n"
                                "rwuser shauser auth\n")
                     .arg(port_)
                     .toUtf8());
    for (const QString &line : std::as_const(extraConfig_))
        config.write(line.toUtf8() + '\n');
    config.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", dir_.path());
    env.insert("MIBS", "");
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    const QString snmpd = QFile::exists("/usr/sbin/snmpd") ? "/usr/sbin/snmpd" : "snmpd";
    process_.start(snmpd, {"-f", "-Lo", "-C", "-c", config.fileName(), "-p", dir_.filePath("pid")});
    if (!process_.waitForStarted(5000))
        return false;
    // Ready once it has bound its socket and printed its banner.
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        process_.waitForReadyRead(100);
        if (process_.readAll().contains("NET-SNMP version"))
            return true;
        if (process_.state() != QProcess::Running)
            return false;
    }
    return false;
}

void SnmpdProcess::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(2000);
}
