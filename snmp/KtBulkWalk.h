#pragma once

#include "KtVb.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// What one GetBulk response tells about the agent's MIB, kept so that a table
// walk can take the get-next steps it needs from it without asking the agent
// again. A response to the names q1..qN with R repetitions holds, for every
// name, the chain q -> a1 -> a2 -> ... -> aR in which each OID is the get-next
// answer to the one before it. A get-next step is answered from that chain
// when its name is a link of the chain, or, for an agent whose chain climbs
// strictly, when the name lies between the chain's start and its last OID
// (the answer is then the first OID of the chain after the name: nothing else
// lies in between).
class KtBulkWalk
{
public:
    // Forgets everything learnt so far.
    void Clear();

    // Keeps the response to a GetBulk with these names (non-repeaters 0):
    // bindings in repetition order, the names' answers side by side.
    void Store(const QStringList &names, const std::vector<KtVb> &bindings);

    // The get-next answers to the names, one per name, if all are known.
    bool Answer(const QStringList &names, std::vector<KtVb> &answers) const;
    // The answers right after Store for the same names: as many as the
    // response held in a row from the first name on.
    std::vector<KtVb> FirstAnswers(const QStringList &names) const;

    // max-repetitions for the next request: as many rows of the size seen
    // so far (or estimated from the names) as fit a typical UDP datagram,
    // never more than a tooBig answer left.
    int MaxRepetitions(const QStringList &names) const;
    // The agent answered tooBig to `sent` repetitions: ask for half as many
    // from now on; false when one repetition is already too big.
    bool Shrink(int sent);

    // Bytes of a datagram left for the variable bindings of a response: an
    // Ethernet frame's UDP payload less the message and PDU headers.
    static constexpr int kBindingBudget = 1472 - 160;
    static constexpr int kMostRepetitions = 100;

private:
    struct Chain
    {
        KtOid Start;
        std::vector<KtVb> Links; // a1..aR
        bool Climbs = true;      // every link after the one before
        bool EndOfView = false;  // the chain ran into the end of the MIB view
    };
    bool AnswerOne(const QString &name, KtVb &answer) const;
    static bool AnswerFromChain(const Chain &chain, const KtOid &name, KtVb &answer);
    static int EncodedSize(const KtVb &vb);

    std::vector<Chain> chains_;
    QHash<QString, KtVb> links_; // exact get-next answers, by name
    int bytesPerRow_ = 0;
    int ceiling_ = kMostRepetitions;
};
