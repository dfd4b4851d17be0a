#pragma once

#include "KtSNMPRequest.h"

#include <map>

// A request that keeps what the agent answered exactly as it came, beside
// the value texts the request writes into its list, and that writes values
// given in their raw form (KtRawValue) exactly as given: a snapshot reads
// through it and a restore writes through it, so that nothing is converted
// on the way from the agent to the file and back.
class KtSnapshotRequest : public KtSNMPRequest
{
public:
    // The code of a request that got no answer (the session's time-out).
    static constexpr int TimeOutCode = -405;

    void VbToText(int i, const KtVb &vb) override;
    // The variable's Value holds a raw form; a text that is none raises
    // KtValueError naming the variable, and nothing is sent.
    void TextToVb(int i, KtVb &vb) override;

    // The binding received for variable i since the last ClearReceived, or
    // nullptr when none came (a cell the row lacks).
    const KtVb *Received(int i) const;
    void ClearReceived() { received_.clear(); }

private:
    std::map<int, KtVb> received_;
};
