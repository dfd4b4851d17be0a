#include "KtBulkRepetitions.h"

#include <algorithm>

namespace {

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

void KtBulkRepetitions::Learn(const std::vector<KtVb> &bindings, int width)
{
    if (bindings.empty() || width <= 0)
        return;
    int bytes = 0;
    for (const KtVb &vb : bindings)
        bytes += EncodedSize(vb);
    bytesPerBinding_ = std::max(1, bytes / int(bindings.size()));
}

int KtBulkRepetitions::EncodedSize(const KtVb &vb)
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

int KtBulkRepetitions::MaxRepetitions(const QStringList &names) const
{
    int rowBytes = 0;
    if (bytesPerBinding_ > 0)
        rowBytes = bytesPerBinding_ * int(names.size());
    else
        for (const QString &name : names)
            rowBytes +=
                kBindingFraming + OidSize(KtOid::FromText(name)) + kGuessedIndexBytes + kGuessedValueBytes;
    return std::clamp(kBindingBudget / std::max(rowBytes, 1), 1, ceiling_);
}

bool KtBulkRepetitions::Shrink(int sent)
{
    if (sent <= 1)
        return false;
    ceiling_ = std::max(1, sent / 2);
    return true;
}
