#include "KtTableWalk.h"

#include <algorithm>

void KtTableWalk::Start(std::vector<KtOid> columns)
{
    columns_.clear();
    columns_.reserve(columns.size());
    for (KtOid &base : columns)
        columns_.push_back(Column{base, base, {}, false});
}

std::vector<int> KtTableWalk::ColumnsToAsk() const
{
    std::vector<int> ask;
    for (int column = 0; column < ColumnCount(); ++column)
        if (!columns_[size_t(column)].Ended && columns_[size_t(column)].Queue.empty())
            ask.push_back(column);
    return ask;
}

const KtOid &KtTableWalk::NextName(int column) const
{
    return columns_.at(size_t(column)).Last;
}

KtTableWalk::Taken KtTableWalk::Take(int column, const KtVb &answer)
{
    Column &state = columns_.at(size_t(column));
    if (state.Ended)
        return Taken::Ended;
    const bool inside =
        answer.HasValue() && answer.Oid.Size() > state.Base.Size() && answer.Oid.StartsWith(state.Base);
    if (!inside) {
        state.Ended = true;
        return Taken::Ended;
    }
    if (answer.Oid <= state.Last)
        return Taken::NotIncreasing;
    state.Last = answer.Oid;
    state.Queue.push_back(answer);
    return Taken::Queued;
}

void KtTableWalk::End(int column)
{
    columns_.at(size_t(column)).Ended = true;
}

bool KtTableWalk::RowReady() const
{
    bool anyWaiting = false;
    for (const Column &column : columns_) {
        if (column.Queue.empty() && !column.Ended)
            return false;
        anyWaiting = anyWaiting || !column.Queue.empty();
    }
    return anyWaiting;
}

bool KtTableWalk::Finished() const
{
    return std::all_of(columns_.begin(), columns_.end(),
                       [](const Column &column) { return column.Ended && column.Queue.empty(); });
}

KtOid KtTableWalk::IndexOf(const Column &column, const KtVb &answer)
{
    const auto &ids = answer.Oid.Ids();
    return KtOid(std::vector<quint32>(ids.begin() + column.Base.Size(), ids.end()));
}

KtTableWalk::Row KtTableWalk::TakeRow()
{
    Row row;
    bool first = true;
    for (const Column &column : columns_) {
        if (column.Queue.empty())
            continue;
        KtOid index = IndexOf(column, column.Queue.front());
        if (first || index < row.Index)
            row.Index = std::move(index);
        first = false;
    }
    row.Cells.resize(columns_.size());
    row.Ended.resize(columns_.size());
    for (size_t at = 0; at < columns_.size(); ++at) {
        Column &column = columns_[at];
        if (!column.Queue.empty() && IndexOf(column, column.Queue.front()) == row.Index) {
            row.Cells[at] = std::move(column.Queue.front());
            column.Queue.pop_front();
        }
        row.Ended[at] = column.Ended && column.Queue.empty() && !row.Cells[at];
    }
    return row;
}
