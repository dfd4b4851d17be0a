#include "AgentMibHandler.h"

#include "MibSetTransaction.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <stdexcept>
#include <type_traits>

static_assert(std::is_same_v<SubId, oid>, "SubId must have the width of net-snmp's oid");
static_assert(static_cast<int>(MibType::Counter64) == ASN_COUNTER64 &&
              static_cast<int>(MibType::IpAddress) == ASN_IPADDRESS);

namespace {

constexpr const char *TransactionKey = "qgsim-set";

Oid nameOf(const netsnmp_variable_list *vb)
{
    return Oid(vb->name, vb->name_length);
}

std::optional<MibValue> valueOf(const netsnmp_variable_list *vb)
{
    switch (vb->type) {
    case ASN_INTEGER:
        return MibValue::integer(*vb->val.integer);
    case ASN_OCTET_STR:
        return MibValue::octets(std::string(reinterpret_cast<const char *>(vb->val.string), vb->val_len));
    case ASN_IPADDRESS:
        return MibValue::ipAddress(std::string(reinterpret_cast<const char *>(vb->val.string), vb->val_len));
    case ASN_OBJECT_ID:
        return MibValue::objectId(Oid(vb->val.objid, vb->val_len / sizeof(oid)));
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        return MibValue::unsignedNumber(static_cast<MibType>(vb->type),
                                        static_cast<unsigned long>(*vb->val.integer) & 0xffffffffUL);
    case ASN_COUNTER64:
        return MibValue::unsignedNumber(MibType::Counter64, (std::uint64_t{vb->val.counter64->high} << 32) |
                                                                vb->val.counter64->low);
    default:
        return std::nullopt;
    }
}

void setValue(netsnmp_variable_list *vb, const MibValue &value)
{
    auto type = static_cast<u_char>(value.type());
    switch (value.type()) {
    case MibType::Integer: {
        long number = static_cast<long>(value.signedNumber());
        snmp_set_var_typed_value(vb, type, &number, sizeof(number));
        break;
    }
    case MibType::Counter32:
    case MibType::Gauge32:
    case MibType::TimeTicks: {
        u_long number = static_cast<u_long>(value.number() & 0xffffffffu);
        snmp_set_var_typed_value(vb, type, &number, sizeof(number));
        break;
    }
    case MibType::Counter64: {
        counter64 number{static_cast<u_long>(value.number() >> 32),
                         static_cast<u_long>(value.number() & 0xffffffffu)};
        snmp_set_var_typed_value(vb, type, &number, sizeof(number));
        break;
    }
    case MibType::OctetString:
    case MibType::IpAddress:
        snmp_set_var_typed_value(vb, type, value.bytes().data(), value.bytes().size());
        break;
    case MibType::ObjectId:
        snmp_set_var_typed_value(vb, type, value.oid().data(), value.oid().size() * sizeof(oid));
        break;
    }
}

bool isVersion1(const netsnmp_agent_request_info *info)
{
    return info->asp && info->asp->pdu && info->asp->pdu->version == SNMP_VERSION_1;
}

void freeTransaction(void *transaction)
{
    delete static_cast<MibSetTransaction *>(transaction);
}

} // namespace

void AgentMibHandler::registerWithAgent()
{
    for (const Oid &root : store_.schema().registrationRoots()) {
        netsnmp_handler_registration *registration = netsnmp_create_handler_registration(
            "qgsim", &AgentMibHandler::handle, root.data(), root.size(), HANDLER_CAN_RWRITE);
        registration->handler->myvoid = this;
        if (netsnmp_register_handler(registration) != MIB_REGISTERED_OK)
            throw std::runtime_error("cannot register the subtree " + root.toString());
    }
}

int AgentMibHandler::handle(netsnmp_mib_handler *handler, netsnmp_handler_registration *,
                            netsnmp_agent_request_info *info, netsnmp_request_info *requests)
{
    auto *self = static_cast<AgentMibHandler *>(handler->myvoid);
    switch (info->mode) {
    case MODE_GET:
        self->get(info, requests);
        break;
    case MODE_GETNEXT:
        self->getNext(info, requests);
        break;
    default:
        self->set(info, requests);
        break;
    }
    return SNMP_ERR_NOERROR;
}

void AgentMibHandler::get(netsnmp_agent_request_info *info, netsnmp_request_info *requests)
{
    for (netsnmp_request_info *request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        const MibInstance *instance = nullptr;
        MibStore::Miss miss = store_.lookup(nameOf(request->requestvb), &instance);
        // SNMPv1 has no Counter64: such an instance does not exist for it.
        if (instance && instance->def->type == MibType::Counter64 && isVersion1(info))
            miss = MibStore::Miss::NoSuchInstance;
        if (instance && quirks_.hides(nameOf(request->requestvb)))
            miss = MibStore::Miss::NoSuchInstance;
        if (miss == MibStore::Miss::None)
            setValue(request->requestvb, instance->current());
        else
            netsnmp_set_request_error(info, request,
                                      miss == MibStore::Miss::NoSuchObject ? SNMP_NOSUCHOBJECT
                                                                           : SNMP_NOSUCHINSTANCE);
    }
}

void AgentMibHandler::getNext(netsnmp_agent_request_info *info, netsnmp_request_info *requests)
{
    bool version1 = isVersion1(info);
    for (netsnmp_request_info *request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        Oid limit = request->range_end ? Oid(request->range_end, request->range_end_len) : Oid();
        auto next = nextInstance(nameOf(request->requestvb), request->inclusive != 0, version1, limit);
        if (!next)
            continue;
        snmp_set_var_objid(request->requestvb, next->first.data(), next->first.size());
        setValue(request->requestvb, next->second);
    }
}

std::optional<std::pair<Oid, MibValue>> AgentMibHandler::nextInstance(const Oid &name, bool inclusive,
                                                                      bool version1, const Oid &limit) const
{
    if (stuckWalk_ && name.startsWith(*stuckWalk_)) {
        auto it = store_.next(name, true);
        return std::pair(name, it != store_.end() ? it->second.current() : MibValue::integer(0));
    }
    for (auto it = store_.next(name, inclusive); it != store_.end(); ++it) {
        if (!limit.empty() && it->first >= limit)
            break;
        if ((version1 && it->second.def->type == MibType::Counter64) || quirks_.hides(it->first))
            continue;
        if (auto back = backwardsNext(name, it))
            return back;
        if (auto endless = endlessNext(name, it->first))
            return endless;
        return std::pair(it->first, it->second.current());
    }
    return endlessNext(name, Oid());
}

// In the endless table, a column's last instance is followed by ever higher
// indexes, each with the value of the column's first instance (`real` is
// what comes next in the store, empty past its end).
std::optional<std::pair<Oid, MibValue>> AgentMibHandler::endlessNext(const Oid &name, const Oid &real) const
{
    if (!quirks_.endlessEntry)
        return std::nullopt;
    const Oid &entry = *quirks_.endlessEntry;
    if (name.size() <= entry.size() + 1 || !name.startsWith(entry))
        return std::nullopt;
    const Oid column(name.data(), entry.size() + 1);
    if (real.startsWith(column))
        return std::nullopt;
    auto first = store_.next(column, false);
    if (first == store_.end() || !first->first.startsWith(column))
        return std::nullopt;
    return std::pair(column.child(name[column.size()] + 1), first->second.current());
}

// Inside the non-increasing subtree the fourth instance of a column is
// answered with the first one again.
std::optional<std::pair<Oid, MibValue>>
AgentMibHandler::backwardsNext(const Oid &name, MibStore::Instances::const_iterator next) const
{
    if (!quirks_.nonIncreasing || !next->first.startsWith(*quirks_.nonIncreasing))
        return std::nullopt;
    const Oid &column = next->second.def->oid;
    if (name.size() <= column.size() || !name.startsWith(column))
        return std::nullopt;
    auto first = store_.next(column, false);
    int before = 0;
    for (auto it = first; it != next && before < 3; ++it)
        ++before;
    if (before < 3)
        return std::nullopt;
    return std::pair(first->first, first->second.current());
}

void AgentMibHandler::set(netsnmp_agent_request_info *info, netsnmp_request_info *requests)
{
    auto *transaction = static_cast<MibSetTransaction *>(netsnmp_agent_get_list_data(info, TransactionKey));
    if (!transaction) {
        if (info->mode != MODE_SET_RESERVE1)
            return;
        transaction = new MibSetTransaction(store_);
        netsnmp_agent_add_list_data(info,
                                    netsnmp_create_data_list(TransactionKey, transaction, freeTransaction));
    }
    switch (info->mode) {
    case MODE_SET_RESERVE1:
        for (netsnmp_request_info *request = requests; request; request = request->next) {
            std::optional<MibValue> value = valueOf(request->requestvb);
            auto status = value ? transaction->check(request->index, nameOf(request->requestvb), *value)
                                : SnmpErrorStatus::WrongType;
            if (status != SnmpErrorStatus::NoError)
                netsnmp_set_request_error(info, request, static_cast<int>(status));
        }
        break;
    case MODE_SET_RESERVE2:
        transaction->validate();
        for (netsnmp_request_info *request = requests; request; request = request->next)
            if (auto status = transaction->validationError(request->index);
                status != SnmpErrorStatus::NoError)
                netsnmp_set_request_error(info, request, static_cast<int>(status));
        break;
    case MODE_SET_ACTION:
        transaction->apply();
        break;
    case MODE_SET_COMMIT:
        transaction->commit();
        break;
    case MODE_SET_UNDO:
        transaction->undo();
        break;
    default:
        break;
    }
}
