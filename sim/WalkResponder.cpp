#include "WalkResponder.h"

#include "AgentMibHandler.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <algorithm>
#include <vector>

namespace {

WalkResponder *installed = nullptr;

// The most bindings one answer holds whatever the request asks for.
constexpr long kMostBindings = 1000;

Oid nameOf(const netsnmp_variable_list *vb)
{
    return Oid(vb->name, vb->name_length);
}

void addValue(netsnmp_pdu *pdu, const Oid &name, const MibValue &value)
{
    switch (value.type()) {
    case MibType::Integer: {
        long number = static_cast<long>(value.signedNumber());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &number, sizeof number);
        break;
    }
    case MibType::Counter32:
    case MibType::Gauge32:
    case MibType::TimeTicks: {
        u_long number = static_cast<u_long>(value.number() & 0xffffffffu);
        snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(value.type()), &number,
                              sizeof number);
        break;
    }
    case MibType::Counter64: {
        counter64 number{static_cast<u_long>(value.number() >> 32),
                         static_cast<u_long>(value.number() & 0xffffffffu)};
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &number, sizeof number);
        break;
    }
    case MibType::OctetString:
    case MibType::IpAddress:
        snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(value.type()),
                              value.bytes().data(), value.bytes().size());
        break;
    case MibType::ObjectId:
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.oid().data(),
                              value.oid().size() * sizeof(oid));
        break;
    }
}

// The first OID after every OID of the subtree.
Oid pastSubtree(const Oid &subtree)
{
    std::vector<SubId> ids = subtree.ids();
    ++ids.back();
    return Oid(std::move(ids));
}

void addEndOfView(netsnmp_pdu *pdu, const Oid &name)
{
    snmp_pdu_add_variable(pdu, name.data(), name.size(), SNMP_ENDOFMIBVIEW, nullptr, 0);
}

} // namespace

void WalkResponder::install(netsnmp_session *session)
{
    agentCallback_ = session->callback;
    session->callback = &WalkResponder::onPacket;
    installed = this;
}

int WalkResponder::onPacket(int operation, netsnmp_session *session, int requestId, netsnmp_pdu *pdu,
                            void *magic)
{
    const WalkResponder *self = installed;
    const bool walkRequest = pdu->command == SNMP_MSG_GETNEXT || pdu->command == SNMP_MSG_GETBULK;
    if (operation != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !walkRequest || !self->knowsCommunity(pdu))
        return self->agentCallback_(operation, session, requestId, pdu, magic);
    self->answer(session, pdu);
    return 1;
}

bool WalkResponder::knowsCommunity(const netsnmp_pdu *pdu) const
{
    if (pdu->version == SNMP_VERSION_3)
        return true; // the security layer has checked the user already
    const std::string community(reinterpret_cast<const char *>(pdu->community), pdu->community_len);
    return community == readCommunity_ || community == writeCommunity_;
}

// Each name's chain of get-next answers, side by side per repetition, as
// long as the view lasts; the answer stops at the binding cap.
void WalkResponder::answer(netsnmp_session *session, netsnmp_pdu *request) const
{
    const WalkQuirks &quirks = handler_.quirks();
    const bool version1 = request->version == SNMP_VERSION_1;
    const bool bulk = request->command == SNMP_MSG_GETBULK;
    std::vector<Oid> asked;
    for (const netsnmp_variable_list *vb = request->variables; vb; vb = vb->next_variable)
        asked.push_back(nameOf(vb));
    const long nonRepeaters =
        bulk ? std::clamp<long>(request->errstat, 0, long(asked.size())) : long(asked.size());
    const long repetitions = bulk ? std::max<long>(request->errindex, 0) : 0;
    long cap = kMostBindings;
    if (bulk && quirks.bulkMaxBindings > 0)
        cap = quirks.bulkMaxBindings;

    netsnmp_pdu *response = snmp_clone_pdu(request);
    snmp_free_varbind(response->variables);
    response->variables = nullptr;
    response->command = SNMP_MSG_RESPONSE;
    response->errstat = SNMP_ERR_NOERROR;
    response->errindex = 0;

    const Oid viewEnd = quirks.endOfViewAt ? pastSubtree(*quirks.endOfViewAt) : Oid();
    auto next = [&](const Oid &name) { return handler_.nextInstance(name, false, version1, viewEnd); };
    long bindings = 0;
    for (long at = 0; at < nonRepeaters && bindings < cap; ++at, ++bindings) {
        const auto found = next(asked[size_t(at)]);
        if (found) {
            addValue(response, found->first, found->second);
        } else if (version1) {
            snmp_free_varbind(response->variables);
            response->variables = snmp_clone_varbind(request->variables);
            response->errstat = SNMP_ERR_NOSUCHNAME;
            response->errindex = at + 1;
            break;
        } else {
            addEndOfView(response, asked[size_t(at)]);
        }
    }
    std::vector<Oid> last(asked.begin() + nonRepeaters, asked.end());
    for (long round = 0; round < repetitions && !last.empty() && response->errstat == 0; ++round)
        for (size_t column = 0; column < last.size() && bindings < cap; ++column, ++bindings) {
            const auto found = next(last[column]);
            if (!found) {
                addEndOfView(response, asked[size_t(nonRepeaters) + column]);
                continue;
            }
            addValue(response, found->first, found->second);
            last[column] = found->first;
        }
    if (!snmp_send(session, response))
        snmp_free_pdu(response);
}
