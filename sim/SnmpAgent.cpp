#include "SnmpAgent.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/library/fd_event_manager.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

// Initialisers of the SNMPv3 framework modules in libnetsnmpmibs and of the
// VACM configuration tokens in libnetsnmpagent.
extern "C" {
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_usmUser(void);
void init_vacm_vars(void);
void init_vacm_conf(void);
void init_vacm_context(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_snmpNotifyFilterTable(void);
void init_sysORTable(void);
void init_snmp_mib(void);
// The agent's first request session, set by netsnmp_register_agent_nsap.
extern netsnmp_session *main_session;
}

namespace {

constexpr const char *AppName = "qgsim";

int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t stopRequested = 0;

// What a signal asks of the event loop, as the byte it writes to the pipe.
constexpr char StopByte = 0;
constexpr char ReleaseByte = 1;

void onSignal(int signal)
{
    const char byte = signal == SIGUSR1 ? ReleaseByte : StopByte;
    [[maybe_unused]] ssize_t written = write(signalPipe[1], &byte, 1);
}

// Notification targets with their parameters, notifications, filter
// profiles and filters, so that the target and notification tables have
// rows: one per entry, volatile, all active. Nothing sends notifications;
// the address is the loopback trap port all the same.
struct NotificationTarget
{
    const char *target;
    const char *params;
    const char *notify;
    const char *profile;
    const char *filterSubtree;
};
constexpr NotificationTarget NotificationTargets[] = {
    {"target1", "params1", "notify1", "profile1", "1.3.6.1.2.1"},
    {"target2", "params2", "notify2", "profile2", "1.3.6.1.4.1"},
};

// The configuration lines (persistent-data tokens of the target and
// notification modules) of one notification target.
std::string notificationConfig(const NotificationTarget &entry)
{
    constexpr int Volatile = 2, Active = 1;
    const std::string status = " " + std::to_string(Volatile) + " " + std::to_string(Active);
    // snmpNotifyFilterTable rows are restored by index: the profile name
    // with its length, then the subtree (IMPLIED).
    std::string filterIndex = "." + std::to_string(std::string_view(entry.profile).size());
    for (unsigned char c : std::string_view(entry.profile))
        filterIndex += "." + std::to_string(c);
    filterIndex += std::string(".") + entry.filterSubtree;
    std::string text;
    // snmpUDPDomain, 127.0.0.1 port 162
    text += std::string("targetAddr ") + entry.target + " .1.3.6.1.6.1.1 0x7f00000100a2 1500 3 \"" +
            entry.notify + "\" " + entry.params + status + "\n";
    // SNMPv2c, community "public", noAuthNoPriv
    text += std::string("targetParams ") + entry.params + " 1 2 public 1" + status + "\n";
    text += std::string("snmpNotifyTable ") + entry.notify + " " + entry.notify + " 1" + status + "\n";
    text += std::string("snmpNotifyFilterProfileTable ") + entry.params + " " + entry.profile + status + "\n";
    text += "snmpNotifyFilterTable " + filterIndex + " 2:0x 3:1 4:" + std::to_string(Volatile) +
            " 5:" + std::to_string(Active) + " $\n";
    return text;
}

std::string socketAddress(int socket)
{
    sockaddr_in address{};
    socklen_t length = sizeof(address);
    if (getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) != 0 ||
        address.sin_family != AF_INET)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, text, sizeof(text));
    return std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
}

} // namespace

SnmpAgent::SnmpAgent(AgentMibHandler &handler, AgentSettings settings)
    : handler_(handler), settings_(std::move(settings)),
      faults_(settings_.dropEvery, settings_.delayMs, settings_.firstReadDelayMs)
{
}

SnmpAgent::~SnmpAgent()
{
    if (started_)
        snmp_shutdown(AppName);
}

std::vector<std::string> SnmpAgent::targetNames()
{
    std::vector<std::string> names;
    for (const NotificationTarget &entry : NotificationTargets)
        names.emplace_back(entry.target);
    return names;
}

std::uint32_t SnmpAgent::uptime()
{
    return static_cast<std::uint32_t>(netsnmp_get_agent_uptime());
}

// The agent's whole configuration: who may do what. Every community and
// user reads and writes the whole MIB, except the read community.
std::string SnmpAgent::writeConfig() const
{
    std::string path = settings_.stateDir + "/agent.conf";
    std::ofstream file(path);
    file << "# Written by qgsim at start-up; not read on later starts.\n";
    file << "rocommunity " << settings_.readCommunity << "\n";
    file << "rwcommunity " << settings_.writeCommunity << "\n";
    for (const UsmUser &user : settings_.users) {
        file << user.createUserLine() << "\n";
        file << "rwuser " << user.name << " noauth\n";
    }
    for (const NotificationTarget &entry : NotificationTargets)
        file << notificationConfig(entry);
    if (!file)
        throw std::runtime_error("cannot write " + path);
    return path;
}

void SnmpAgent::start()
{
    if (pipe(signalPipe) != 0)
        throw std::runtime_error("cannot create the signal pipe");
    fcntl(signalPipe[0], F_SETFD, FD_CLOEXEC);
    fcntl(signalPipe[1], F_SETFD, FD_CLOEXEC);
    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGUSR1, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    // No MIB files: names are not needed, and Debian ships none anyway.
    setenv("MIBS", "", 1);
    // Warnings and errors only: the library's notices are of no interest here.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, settings_.stateDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR,
                          settings_.stateDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OPTIONALCONFIG, writeConfig().c_str());
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, "none");
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_SMUX_SOCKET, "none");

    if (init_agent(AppName) != 0)
        throw std::runtime_error("the agent library did not start");
    init_vacm_conf();
    init_vacm_vars();
    init_vacm_context();
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    init_usmUser();
    init_snmpTargetAddrEntry();
    init_snmpTargetParamsEntry();
    init_target_counters();
    init_snmpNotifyTable();
    init_snmpNotifyFilterProfileTable();
    init_snmpNotifyFilterTable();
    init_sysORTable();
    init_snmp_mib();
    handler_.registerWithAgent();
    init_snmp(AppName);
    started_ = true;
    if (init_master_agent() != 0)
        throw std::runtime_error("the master agent did not start");
    openTransport();
    register_readfd(signalPipe[0], &SnmpAgent::onSignalPipe, this);
}

void SnmpAgent::openTransport()
{
    std::string spec = "udp:" + settings_.listen;
    netsnmp_transport *transport = netsnmp_transport_open_server("snmp", spec.c_str());
    if (!transport)
        throw std::runtime_error("cannot listen on " + settings_.listen);
    listening_ = socketAddress(transport->sock);
    if (listening_.empty())
        throw std::runtime_error("cannot listen on " + settings_.listen + ": not an IPv4 address");
    if (netsnmp_register_agent_nsap(transport) <= 0)
        throw std::runtime_error("cannot serve on " + settings_.listen);
    if (handler_.quirks().answersWalksItself()) {
        // Next to the agent, so that dropped and late requests stay so.
        walkResponder_ =
            std::make_unique<WalkResponder>(handler_, settings_.readCommunity, settings_.writeCommunity);
        walkResponder_->install(main_session);
    }
    if (faults_.active())
        faults_.install(main_session);
    if (!settings_.setLog.empty()) {
        setLog_ = std::make_unique<SetLog>(settings_.setLog);
        // In front of the faults, so that a dropped SET is logged as well.
        setLog_->install(main_session);
        faults_.onDrop = [this](snmp_pdu *pdu) { setLog_->dropped(pdu); };
    }
}

void SnmpAgent::every(std::chrono::milliseconds period, std::function<void()> action)
{
    schedule(*timers_.emplace_back(std::make_unique<Timer>(Timer{period, std::move(action)})));
}

// A one-shot alarm, set again after each call: a repeating one that is
// always due (a slow machine, a short period) keeps the agent in its alarm
// handling, where it answers neither requests nor SIGTERM.
void SnmpAgent::schedule(Timer &timer)
{
    const auto count = timer.period.count();
    struct timeval interval
    {
        static_cast<time_t>(count / 1000), static_cast<suseconds_t>((count % 1000) * 1000)
    };
    snmp_alarm_register_hr(interval, 0, &SnmpAgent::onTimer, &timer);
}

void SnmpAgent::onTimer(unsigned int, void *data)
{
    auto &timer = *static_cast<Timer *>(data);
    timer.action();
    schedule(timer);
}

void SnmpAgent::onSignalPipe(int fd, void *data)
{
    char byte = StopByte;
    if (read(fd, &byte, 1) == 1 && byte == ReleaseByte)
        static_cast<SnmpAgent *>(data)->faults_.releaseHeldReads();
    else
        stopRequested = 1;
}

void SnmpAgent::run()
{
    while (!stopRequested)
        agent_check_and_process(1);
}
