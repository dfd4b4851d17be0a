#pragma once

#include "KtVb.h"

#include <QStringList>
#include <vector>

// How many repetitions a GetBulk of a table walk asks for: as many rows of
// the size seen so far (or estimated from the names) as fit a typical UDP
// datagram, never more than a tooBig answer left.
class KtBulkRepetitions
{
public:
    // Notes the size of the rows of a response to a GetBulk of `width` names.
    void Learn(const std::vector<KtVb> &bindings, int width);

    // max-repetitions for the next request for these names.
    int MaxRepetitions(const QStringList &names) const;
    // The agent answered tooBig to `sent` repetitions: ask for half as many
    // from now on; false when one repetition is already too big.
    bool Shrink(int sent);

    // Bytes of a datagram left for the variable bindings of a response: an
    // Ethernet frame's UDP payload less the message and PDU headers.
    static constexpr int kBindingBudget = 1472 - 160;
    static constexpr int kMostRepetitions = 100;

private:
    static int EncodedSize(const KtVb &vb);

    int bytesPerBinding_ = 0;
    int ceiling_ = kMostRepetitions;
};
