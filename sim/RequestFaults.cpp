#include "RequestFaults.h"

#include <algorithm>

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

// A request held back by the delay, processed when its alarm fires.
struct RequestFaults::DelayedRequest
{
    RequestFaults *faults;
    int operation;
    netsnmp_session *session;
    int requestId;
    netsnmp_pdu *pdu;
    bool heldRead; // held back as the first read or while that one was
    unsigned int alarm = 0;
};

namespace {

RequestFaults *installed = nullptr;

bool isRequest(const netsnmp_pdu *pdu)
{
    switch (pdu->command) {
    case SNMP_MSG_GET:
    case SNMP_MSG_GETNEXT:
    case SNMP_MSG_GETBULK:
    case SNMP_MSG_SET:
        return true;
    default:
        return false;
    }
}

} // namespace

void RequestFaults::install(netsnmp_session *session)
{
    agentCallback_ = session->callback;
    agentMagic_ = session->callback_magic;
    session->callback = &RequestFaults::onPacket;
    installed = this;
}

int RequestFaults::onPacket(int operation, netsnmp_session *session, int requestId, netsnmp_pdu *pdu,
                            void *magic)
{
    RequestFaults *self = installed;
    if (operation != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !isRequest(pdu))
        return self->agentCallback_(operation, session, requestId, pdu, magic);
    ++self->requests_;
    if (self->dropEvery_ > 0 && self->requests_ % self->dropEvery_ == 0) {
        if (self->onDrop)
            self->onDrop(pdu);
        return 1;
    }
    const bool heldRead = self->holdsRead(pdu);
    const int delayMs = heldRead ? std::max(self->delayMs_, self->firstReadDelayMs_) : self->delayMs_;
    if (delayMs <= 0)
        return self->agentCallback_(operation, session, requestId, pdu, magic);
    // The library frees `pdu` after this call; the delayed copy is ours.
    auto *delayed = new DelayedRequest{self, operation, session, requestId, snmp_clone_pdu(pdu), heldRead};
    if (heldRead)
        self->heldReads_.push_back(delayed);
    struct timeval delay
    {
        delayMs / 1000, (delayMs % 1000) * 1000
    };
    delayed->alarm = snmp_alarm_register_hr(delay, 0, &RequestFaults::onDelayExpired, delayed);
    return 1;
}

bool RequestFaults::holdsRead(const netsnmp_pdu *pdu)
{
    if (firstReadDelayMs_ <= 0)
        return false;
    if (pdu->command == SNMP_MSG_SET) {
        nextReadLate_ = true;
        return false;
    }
    // The reads that come while the first is held back are held as long:
    // to the client they are all on their way at once.
    const bool held = nextReadLate_ || !heldReads_.empty();
    nextReadLate_ = false;
    return held;
}

void RequestFaults::onDelayExpired(unsigned int, void *data)
{
    auto *delayed = static_cast<DelayedRequest *>(data);
    delayed->faults->answer(delayed);
}

void RequestFaults::answer(DelayedRequest *delayed)
{
    heldReads_.remove(delayed);
    agentCallback_(delayed->operation, delayed->session, delayed->requestId, delayed->pdu, agentMagic_);
    snmp_free_pdu(delayed->pdu);
    delete delayed;
}

void RequestFaults::releaseHeldReads()
{
    nextReadLate_ = false;
    while (!heldReads_.empty()) {
        DelayedRequest *delayed = heldReads_.front();
        snmp_alarm_unregister(delayed->alarm);
        answer(delayed);
    }
}
