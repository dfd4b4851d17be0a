#pragma once

#include <cstdio>
#include <map>
#include <string>

// A record of every SET PDU the agent receives, for tests that must know
// exactly what a manager wrote: one JSON line per PDU, appended to a file,
//   {"time":"2026-12-10T14:50:01.123Z","version":"2c","community":"private",
//    "bindings":[{"oid":"1.3.6...","type":"octets","value":"0A0B"}],
//    "error":"noError","errorIndex":0}
// SNMPv3 PDUs carry "user" instead of "community". Values are given as the
// agent decoded them: numbers as JSON numbers, octet strings as upper-case
// hexadecimal, addresses and OIDs dotted. A request that the agent drops
// (--drop-every) is logged with "error":"dropped". The line is written when
// the answer leaves the agent, so that it carries the error status returned.
class SetLog
{
public:
    // Opens (appends to) the file; throws std::runtime_error when it cannot.
    explicit SetLog(const std::string &path);
    ~SetLog();
    SetLog(const SetLog &) = delete;
    SetLog &operator=(const SetLog &) = delete;

    // Puts itself in front of the session's request callback.
    void install(struct snmp_session *session);
    // A received request was dropped without an answer.
    void dropped(struct snmp_pdu *pdu);

    // Called for every PDU the agent sends (see SetLog.cpp).
    void onSend(const struct snmp_pdu *pdu);

private:
    static int onPacket(int operation, struct snmp_session *session, int requestId, struct snmp_pdu *pdu,
                        void *magic);
    void write(const std::string &line);

    std::FILE *file_ = nullptr;
    // The start of the line of each SET still unanswered, by request id.
    std::map<long, std::string> pending_;
    int (*agentCallback_)(int, struct snmp_session *, int, struct snmp_pdu *, void *) = nullptr;
    void *agentMagic_ = nullptr;
};
