#include "KtBulkWalk.h"

#include <algorithm>

namespace {

bool IsEndOfView(const KtVb &vb)
{
    return vb.Type() == KtVbType::EndOfMibView;
}

// BER length of one sub-identifier.
int SubIdSize(quint32 id)
{
    int size = 1;
    while (id >>= 7)
        ++size;
    return size;
}

int OidSize(const KtOid &oid)
{
    int size = 2; // tag and length
    for (int i = 0; i < oid.Size(); ++i)
        size += i == 1 ? 0 : SubIdSize(oid[i]); // the first two share one
    return size;
}

// A row of a table not seen yet: its index, a value of moderate size and the
// binding's framing, per name.
constexpr int kGuessedIndexBytes = 8;
constexpr int kGuessedValueBytes = 12;
constexpr int kBindingFraming = 4;

} // namespace

void KtBulkWalk::Clear()
{
    chains_.clear();
    links_.clear();
}

void KtBulkWalk::Store(const QStringList &names, const std::vector<KtVb> &bindings)
{
    Clear();
    const size_t width = size_t(names.size());
    if (width == 0)
        return;
    chains_.resize(width);
    for (size_t column = 0; column < width; ++column)
        chains_[column].Start = KtOid::FromText(names[qsizetype(column)]);
    int bytes = 0;
    for (size_t at = 0; at < bindings.size(); ++at) {
        Chain &chain = chains_[at % width];
        const KtVb &vb = bindings[at];
        const KtOid &previous = chain.Links.empty() ? chain.Start : chain.Links.back().Oid;
        links_.insert(previous.ToText(), vb);
        if (IsEndOfView(vb))
            chain.EndOfView = true;
        else if (chain.EndOfView || !(previous < vb.Oid))
            chain.Climbs = false;
        chain.Links.push_back(vb);
        bytes += EncodedSize(vb);
    }
    const int repetitions = int((bindings.size() + width - 1) / width);
    if (repetitions > 0)
        bytesPerRow_ = std::max(1, bytes / repetitions);
}

bool KtBulkWalk::AnswerFromChain(const Chain &chain, const KtOid &name, KtVb &answer)
{
    if (!chain.Climbs || name < chain.Start)
        return false;
    for (const KtVb &link : chain.Links) {
        if (IsEndOfView(link))
            break;
        if (name < link.Oid) {
            answer = link;
            return true;
        }
    }
    if (!chain.EndOfView)
        return false;
    // Past the last object of the view: the name comes back without a value.
    answer = KtVb(name);
    answer.SetNoValue(KtVbType::EndOfMibView);
    return true;
}

bool KtBulkWalk::AnswerOne(const QString &name, KtVb &answer) const
{
    const auto link = links_.constFind(name);
    if (link != links_.cend()) {
        answer = link.value();
        return true;
    }
    const KtOid oid = KtOid::FromText(name);
    return std::any_of(chains_.begin(), chains_.end(),
                       [&](const Chain &chain) { return AnswerFromChain(chain, oid, answer); });
}

bool KtBulkWalk::Answer(const QStringList &names, std::vector<KtVb> &answers) const
{
    answers.assign(size_t(names.size()), KtVb());
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!AnswerOne(names[i], answers[size_t(i)]))
            return false;
    return true;
}

std::vector<KtVb> KtBulkWalk::FirstAnswers(const QStringList &names) const
{
    std::vector<KtVb> answers;
    KtVb answer;
    for (const QString &name : names) {
        if (!AnswerOne(name, answer))
            break;
        answers.push_back(answer);
    }
    return answers;
}

int KtBulkWalk::EncodedSize(const KtVb &vb)
{
    int value = 2;
    if (vb.IsOctets())
        value += int(vb.Octets().size());
    else if (vb.IsObjectId())
        value += OidSize(vb.ObjectIdValue());
    else if (vb.IsNumber())
        value += vb.Type() == KtVbType::Counter64 ? 9 : 5;
    return kBindingFraming + OidSize(vb.Oid) + value;
}

int KtBulkWalk::MaxRepetitions(const QStringList &names) const
{
    int rowBytes = bytesPerRow_;
    if (rowBytes == 0)
        for (const QString &name : names)
            rowBytes +=
                kBindingFraming + OidSize(KtOid::FromText(name)) + kGuessedIndexBytes + kGuessedValueBytes;
    return std::clamp(kBindingBudget / std::max(rowBytes, 1), 1, ceiling_);
}

bool KtBulkWalk::Shrink(int sent)
{
    if (sent <= 1)
        return false;
    ceiling_ = std::max(1, sent / 2);
    return true;
}
