// qgsim-bench: how fast the simulator answers a four-column get-next, the
// request of one table-window row, compared with Debian's snmpd answering
// the same request on the same machine. Both serve ifTable; the request
// walks its ifDescr, ifType, ifSpeed and ifOperStatus columns row by row.
//
//   qgsim-bench [REQUESTS]      (default 20000)

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

const oid IfEntry[] = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const oid Columns[] = {2, 3, 5, 8};

// Starts a process and waits until its output contains `ready`.
bool startAndWait(QProcess &process, const QString &program, const QStringList &arguments,
                  const QByteArray &ready, QByteArray *output)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && !output->contains(ready)) {
        process.waitForReadyRead(100);
        *output += process.readAll();
        if (process.state() != QProcess::Running)
            return false;
    }
    return output->contains(ready);
}

quint16 freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

// Mean microseconds per four-column get-next against 127.0.0.1:port.
std::optional<double> measure(quint16 port, int requests)
{
    netsnmp_session settings;
    snmp_sess_init(&settings);
    std::string peer = "udp:127.0.0.1:" + std::to_string(port);
    settings.peername = peer.data();
    settings.version = SNMP_VERSION_2c;
    settings.community = reinterpret_cast<u_char *>(const_cast<char *>("public"));
    settings.community_len = 6;
    settings.timeout = 2000000;
    settings.retries = 1;
    void *session = snmp_sess_open(&settings);
    if (!session)
        return std::nullopt;

    std::vector<std::vector<oid>> cursor;
    for (oid column : Columns) {
        std::vector<oid> name(std::begin(IfEntry), std::end(IfEntry));
        name.push_back(column);
        cursor.push_back(name);
    }
    const auto start = cursor;
    auto step = [&]() -> bool {
        netsnmp_pdu *request = snmp_pdu_create(SNMP_MSG_GETNEXT);
        for (const auto &name : cursor)
            snmp_add_null_var(request, name.data(), name.size());
        netsnmp_pdu *response = nullptr;
        int status = snmp_sess_synch_response(session, request, &response);
        bool ok = status == STAT_SUCCESS && response && response->errstat == SNMP_ERR_NOERROR;
        if (!ok)
            std::fprintf(stderr, "qgsim-bench: no answer from port %u (status %d)\n", port, status);
        if (ok) {
            std::size_t i = 0;
            for (netsnmp_variable_list *vb = response->variables; vb && i < cursor.size();
                 vb = vb->next_variable, ++i)
                cursor[i].assign(vb->name, vb->name + vb->name_length);
            // Past the table: start again at the first row.
            if (cursor[0].size() < start[0].size() ||
                !std::equal(start[0].begin(), start[0].end(), cursor[0].begin()))
                cursor = start;
        }
        if (response)
            snmp_free_pdu(response);
        return ok;
    };
    for (int i = 0; i < 200; ++i)
        if (!step())
            return snmp_sess_close(session), std::nullopt;
    auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < requests; ++i)
        if (!step())
            return snmp_sess_close(session), std::nullopt;
    std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - begin;
    snmp_sess_close(session);
    return elapsed.count() / requests;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int requests = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (requests <= 0)
        requests = 20000;
    setenv("MIBS", "", 1);
    init_snmp("qgsim-bench");

    QProcess qgsim;
    QByteArray qgsimOutput;
    if (!startAndWait(qgsim, QG_BIN_DIR "/qgsim",
                      {"--listen", "127.0.0.1:0", "--scenario", "big", "--static-leds"}, "listening on ",
                      &qgsimOutput)) {
        std::fprintf(stderr, "qgsim-bench: qgsim did not start: %s\n", qgsimOutput.constData());
        return 1;
    }
    QByteArray line = qgsimOutput.left(qgsimOutput.indexOf('\n'));
    quint16 qgsimPort = line.mid(line.lastIndexOf(':') + 1).toUShort();

    QTemporaryDir dir;
    quint16 snmpdPort = freeUdpPort();
    QFile config(dir.filePath("snmpd.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(
        QString("agentaddress udp:127.0.0.1:%1\nrocommunity public 127.0.0.1\n").arg(snmpdPort).toUtf8());
    config.close();
    // snmpd logs every request; into a file, so that no full pipe stalls it.
    QProcess snmpd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", dir.path());
    snmpd.setProcessEnvironment(env);
    snmpd.setStandardOutputFile(QProcess::nullDevice());
    snmpd.setStandardErrorFile(QProcess::nullDevice());
    const QString log = dir.filePath("snmpd.log");
    snmpd.start("/usr/sbin/snmpd",
                {"-f", "-Lf", log, "-C", "-c", config.fileName(), "-p", dir.filePath("pid")});
    bool haveSnmpd = false;
    for (QDeadlineTimer deadline(20000);
         !deadline.hasExpired() && !haveSnmpd && snmpd.state() != QProcess::NotRunning;
         snmpd.waitForFinished(100)) {
        QFile file(log);
        haveSnmpd = file.open(QIODevice::ReadOnly) && file.readAll().contains("NET-SNMP version");
    }

    std::optional<double> simTime = measure(qgsimPort, requests);
    // Negative when snmpd could not be measured.
    double snmpdTime = haveSnmpd ? measure(snmpdPort, requests).value_or(-1.0) : -1.0;
    qgsim.terminate();
    snmpd.terminate();
    qgsim.waitForFinished(5000);
    snmpd.waitForFinished(5000);

    if (!simTime) {
        std::fprintf(stderr, "qgsim-bench: qgsim did not answer\n");
        return 1;
    }
    std::printf("four-column get-next, %d requests, SNMPv2c over loopback:\n", requests);
    std::printf("  qgsim (big scenario)  %8.1f us/request\n", *simTime);
    if (snmpdTime > 0) {
        std::printf("  snmpd (Debian)        %8.1f us/request\n", snmpdTime);
        std::printf("  qgsim / snmpd         %8.2f\n", *simTime / snmpdTime);
    } else {
        std::printf("  snmpd                 not available\n");
    }
    return 0;
}
