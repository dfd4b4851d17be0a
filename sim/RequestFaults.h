#pragma once

#include <functional>
#include <list>

// Faults of an unreliable agent, for the module's reliability tests: every
// N-th request is dropped without an answer, and every answer can be late,
// or only the first read after the start and after each SET, with the reads
// that come while it is held back (the reads a window sends as it opens,
// when a test synchronises with a SET between two windows).
// Installed between the agent's session and its request processing, so a
// dropped request changes nothing and a late one is processed late. A test
// that has done what it wanted to do while the first read was on its way
// ends the hold at once (releaseHeldReads) instead of waiting for the delay.
class RequestFaults
{
public:
    RequestFaults(int dropEvery, int delayMs, int firstReadDelayMs = 0)
        : dropEvery_(dropEvery), delayMs_(delayMs), firstReadDelayMs_(firstReadDelayMs)
    {
    }

    bool active() const { return dropEvery_ > 0 || delayMs_ > 0 || firstReadDelayMs_ > 0; }
    // Puts itself in front of the session's request callback.
    void install(struct snmp_session *session);

    // Answers the reads held back as the first one now, and holds no read
    // until the next SET.
    void releaseHeldReads();

    // Told about every request that is dropped.
    std::function<void(struct snmp_pdu *)> onDrop;

private:
    static int onPacket(int operation, struct snmp_session *session, int requestId, struct snmp_pdu *pdu,
                        void *magic);
    static void onDelayExpired(unsigned int alarm, void *delayed);
    struct DelayedRequest;
    void answer(DelayedRequest *delayed);
    // Whether this request is a read held back as the first one.
    bool holdsRead(const struct snmp_pdu *pdu);

    int dropEvery_;
    int delayMs_;
    int firstReadDelayMs_;
    bool nextReadLate_ = true;              // the next read is the first one, or the first after a SET
    std::list<DelayedRequest *> heldReads_; // held back as the first read, not answered yet
    long requests_ = 0;
    int (*agentCallback_)(int, struct snmp_session *, int, struct snmp_pdu *, void *) = nullptr;
    void *agentMagic_ = nullptr;
};
