#pragma once

#include "AgentMibHandler.h"
#include "RequestFaults.h"
#include "SetLog.h"
#include "UsmUser.h"
#include "WalkResponder.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct AgentSettings
{
    std::string listen = "127.0.0.1:16100";
    std::string stateDir;
    std::string readCommunity = "public";
    std::string writeCommunity = "private";
    std::vector<UsmUser> users;
    int dropEvery = 0;
    int delayMs = 0;
    int firstReadDelayMs = 0; // the first read, and the first after each SET
    // File that receives one JSON line per SET PDU; empty for none.
    std::string setLog;
};

// The SNMP agent process around the MibStore: net-snmp's agent library with
// its SNMPv3 framework modules (engine, MPD and USM statistics, USM users,
// VACM, target and notification tables), communities and users with full
// access, one UDP transport, and the event loop.
class SnmpAgent
{
public:
    SnmpAgent(AgentMibHandler &handler, AgentSettings settings);
    ~SnmpAgent();

    // Starts the agent; throws std::runtime_error when it cannot.
    void start();
    // The address and port the agent listens on, as ADDRESS:PORT.
    std::string listeningAddress() const { return listening_; }
    // Calls `action` from the event loop, `period` after the last call
    // ended: a call that takes longer than the period delays the next one
    // instead of leaving no time for requests.
    void every(std::chrono::milliseconds period, std::function<void()> action);
    // Serves requests until SIGINT or SIGTERM. SIGUSR1 answers the reads
    // held back by the first-read delay at once.
    void run();

    // Hundredths of a second since the agent started.
    static std::uint32_t uptime();
    // The names of the notification targets (snmpTargetAddrName) that the
    // agent is configured with; tables that extend the target table use
    // them as their index.
    static std::vector<std::string> targetNames();

private:
    std::string writeConfig() const;
    void openTransport();
    struct Timer
    {
        std::chrono::milliseconds period;
        std::function<void()> action;
    };
    static void schedule(Timer &timer);
    static void onTimer(unsigned int alarm, void *timer);
    static void onSignalPipe(int fd, void *data);

    AgentMibHandler &handler_;
    AgentSettings settings_;
    RequestFaults faults_;
    std::unique_ptr<WalkResponder> walkResponder_;
    std::unique_ptr<SetLog> setLog_;
    std::string listening_;
    std::vector<std::unique_ptr<Timer>> timers_;
    bool started_ = false;
};
