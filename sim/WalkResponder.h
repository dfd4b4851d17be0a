#pragma once

#include <string>

class AgentMibHandler;

// Answers get-next and GetBulk requests itself, in front of the agent, the
// way some real agents do: GetBulk answers capped at a number of bindings
// in all, and a MIB view that ends after a subtree with endOfMibView
// bindings named with the OID the request asked for. Other requests go on
// to the agent.
class WalkResponder
{
public:
    WalkResponder(const AgentMibHandler &handler, std::string readCommunity, std::string writeCommunity)
        : handler_(handler), readCommunity_(std::move(readCommunity)),
          writeCommunity_(std::move(writeCommunity))
    {
    }

    // Puts itself in front of the session's request callback.
    void install(struct snmp_session *session);

private:
    static int onPacket(int operation, struct snmp_session *session, int requestId, struct snmp_pdu *pdu,
                        void *magic);
    bool knowsCommunity(const struct snmp_pdu *pdu) const;
    void answer(struct snmp_session *session, struct snmp_pdu *request) const;

    const AgentMibHandler &handler_;
    std::string readCommunity_;
    std::string writeCommunity_;
    int (*agentCallback_)(int, struct snmp_session *, int, struct snmp_pdu *, void *) = nullptr;
};
