#pragma once

#include "MibStore.h"
#include "WalkQuirks.h"

#include <optional>

// Serves the MibStore through net-snmp's agent: one handler registered on
// every root subtree of the store answers get, get-next and the set phases.
// net-snmp's own modules (the SNMPv3 framework MIBs) keep their subtrees.
class AgentMibHandler
{
public:
    explicit AgentMibHandler(MibStore &store) : store_(store) {}

    // Inside `subtree`, answer every get-next with the requested OID itself,
    // as a broken agent does.
    void setStuckWalk(std::optional<Oid> subtree) { stuckWalk_ = std::move(subtree); }

    void setQuirks(WalkQuirks quirks) { quirks_ = std::move(quirks); }
    const WalkQuirks &quirks() const { return quirks_; }

    // The instance and value a get-next of `name` answers (at or after it
    // when `inclusive`), quirks included, before `limit` when it is not
    // empty; nullopt past the last one.
    std::optional<std::pair<Oid, MibValue>> nextInstance(const Oid &name, bool inclusive, bool version1,
                                                         const Oid &limit = {}) const;

    // Registers the handler; call after init_agent and before init_snmp.
    void registerWithAgent();

    // The net-snmp handler entry (Netsnmp_Node_Handler).
    static int handle(struct netsnmp_mib_handler_s *handler,
                      struct netsnmp_handler_registration_s *registration,
                      struct netsnmp_agent_request_info_s *info, struct netsnmp_request_info_s *requests);

private:
    void get(struct netsnmp_agent_request_info_s *info, struct netsnmp_request_info_s *requests);
    void getNext(struct netsnmp_agent_request_info_s *info, struct netsnmp_request_info_s *requests);
    void set(struct netsnmp_agent_request_info_s *info, struct netsnmp_request_info_s *requests);

    std::optional<std::pair<Oid, MibValue>> endlessNext(const Oid &name, const Oid &real) const;
    std::optional<std::pair<Oid, MibValue>> backwardsNext(const Oid &name,
                                                          MibStore::Instances::const_iterator next) const;

    MibStore &store_;
    std::optional<Oid> stuckWalk_;
    WalkQuirks quirks_;
};
