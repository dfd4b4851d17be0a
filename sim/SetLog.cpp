#include "SetLog.h"

#include "MibValue.h"
#include "Oid.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <dlfcn.h>
#include <iterator>
#include <stdexcept>

namespace {

SetLog *activeLog = nullptr;

const char *const ErrorNames[] = {
    "noError",
    "tooBig",
    "noSuchName",
    "badValue",
    "readOnly",
    "genErr",
    "noAccess",
    "wrongType",
    "wrongLength",
    "wrongEncoding",
    "wrongValue",
    "noCreation",
    "inconsistentValue",
    "resourceUnavailable",
    "commitFailed",
    "undoFailed",
    "authorizationError",
    "notWritable",
    "inconsistentName",
};

std::string errorName(long status)
{
    if (status >= 0 && status < long(std::size(ErrorNames)))
        return ErrorNames[status];
    return std::to_string(status);
}

std::string jsonText(const std::string &text)
{
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += char(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += char(c);
        }
    }
    return quoted + "\"";
}

std::string hexText(const u_char *bytes, size_t length)
{
    std::string hex;
    char pair[3];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof(pair), "%02X", bytes[i]);
        hex += pair;
    }
    return hex;
}

std::string nowText()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[40];
    std::strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%S", &utc);
    char withMillis[48];
    std::snprintf(withMillis, sizeof(withMillis), "%s.%03dZ", text, int(millis));
    return withMillis;
}

std::string versionText(long version)
{
    switch (version) {
    case SNMP_VERSION_1:
        return "1";
    case SNMP_VERSION_2c:
        return "2c";
    case SNMP_VERSION_3:
        return "3";
    default:
        return std::to_string(version);
    }
}

// One binding: its OID, type and value as decoded from the PDU.
std::string bindingJson(const netsnmp_variable_list *vb)
{
    std::string type;
    std::string value;
    switch (vb->type) {
    case ASN_INTEGER:
        type = mibTypeName(MibType::Integer);
        value = std::to_string(*vb->val.integer);
        break;
    case ASN_OCTET_STR:
        type = mibTypeName(MibType::OctetString);
        value = jsonText(hexText(vb->val.string, vb->val_len));
        break;
    case ASN_IPADDRESS: {
        type = mibTypeName(MibType::IpAddress);
        std::string dotted;
        for (size_t i = 0; i < vb->val_len; ++i)
            dotted += (i ? "." : "") + std::to_string(vb->val.string[i]);
        value = jsonText(dotted);
        break;
    }
    case ASN_OBJECT_ID:
        type = mibTypeName(MibType::ObjectId);
        value = jsonText(Oid(vb->val.objid, vb->val_len / sizeof(oid)).toString());
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        type = mibTypeName(static_cast<MibType>(vb->type));
        value = std::to_string(static_cast<unsigned long>(*vb->val.integer) & 0xffffffffUL);
        break;
    case ASN_COUNTER64:
        type = mibTypeName(MibType::Counter64);
        value = std::to_string((std::uint64_t{vb->val.counter64->high} << 32) | vb->val.counter64->low);
        break;
    case ASN_NULL:
        type = "null";
        value = "null";
        break;
    default:
        type = "asn" + std::to_string(vb->type);
        value = jsonText(hexText(vb->val.string, vb->val.string ? vb->val_len : 0));
        break;
    }
    return "{\"oid\":" + jsonText(Oid(vb->name, vb->name_length).toString()) + ",\"type\":" + jsonText(type) +
           ",\"value\":" + value + "}";
}

// Everything of a received SET but its outcome.
std::string requestJson(const netsnmp_pdu *pdu)
{
    std::string line =
        "{\"time\":" + jsonText(nowText()) + ",\"version\":" + jsonText(versionText(pdu->version));
    if (pdu->version == SNMP_VERSION_3)
        line += ",\"user\":" + jsonText(std::string(pdu->securityName ? pdu->securityName : "",
                                                    pdu->securityName ? pdu->securityNameLen : 0));
    else
        line += ",\"community\":" +
                jsonText(std::string(reinterpret_cast<const char *>(pdu->community), pdu->community_len));
    line += ",\"bindings\":[";
    for (const netsnmp_variable_list *vb = pdu->variables; vb; vb = vb->next_variable)
        line += (vb == pdu->variables ? "" : ",") + bindingJson(vb);
    return line + "]";
}

} // namespace

// The agent library answers through snmp_send (or snmp_async_send); these
// definitions come first in the symbol lookup and let the log see every
// answer with its error status before the real function sends it.
extern "C" int snmp_send(netsnmp_session *session, netsnmp_pdu *pdu)
{
    using Send = int (*)(netsnmp_session *, netsnmp_pdu *);
    static const auto real = reinterpret_cast<Send>(dlsym(RTLD_NEXT, "snmp_send"));
    if (activeLog && pdu)
        activeLog->onSend(pdu);
    return real(session, pdu);
}

extern "C" int snmp_async_send(netsnmp_session *session, netsnmp_pdu *pdu, snmp_callback callback,
                               void *magic)
{
    using Send = int (*)(netsnmp_session *, netsnmp_pdu *, snmp_callback, void *);
    static const auto real = reinterpret_cast<Send>(dlsym(RTLD_NEXT, "snmp_async_send"));
    if (activeLog && pdu)
        activeLog->onSend(pdu);
    return real(session, pdu, callback, magic);
}

SetLog::SetLog(const std::string &path) : file_(std::fopen(path.c_str(), "a"))
{
    if (!file_)
        throw std::runtime_error("cannot open the set log " + path);
}

SetLog::~SetLog()
{
    if (activeLog == this)
        activeLog = nullptr;
    for (const auto &entry : pending_)
        write(entry.second + ",\"error\":\"noAnswer\"}");
    std::fclose(file_);
}

void SetLog::install(netsnmp_session *session)
{
    agentCallback_ = session->callback;
    agentMagic_ = session->callback_magic;
    session->callback = &SetLog::onPacket;
    session->callback_magic = this;
    activeLog = this;
}

int SetLog::onPacket(int operation, netsnmp_session *session, int requestId, netsnmp_pdu *pdu, void *magic)
{
    auto *self = static_cast<SetLog *>(magic);
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_SET)
        self->pending_[pdu->reqid] = requestJson(pdu);
    return self->agentCallback_(operation, session, requestId, pdu, self->agentMagic_);
}

void SetLog::dropped(netsnmp_pdu *pdu)
{
    auto it = pending_.find(pdu->reqid);
    if (it == pending_.end())
        return;
    write(it->second + ",\"error\":\"dropped\"}");
    pending_.erase(it);
}

void SetLog::onSend(const netsnmp_pdu *pdu)
{
    if (pdu->command != SNMP_MSG_RESPONSE)
        return;
    auto it = pending_.find(pdu->reqid);
    if (it == pending_.end())
        return;
    write(it->second + ",\"error\":" + jsonText(errorName(pdu->errstat)) +
          ",\"errorIndex\":" + std::to_string(pdu->errindex) + "}");
    pending_.erase(it);
}

void SetLog::write(const std::string &line)
{
    std::fputs(line.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}
