#pragma once

#include "KtVb.h"

#include <deque>
#include <optional>
#include <vector>

// Lines the columns of a table walk up by index. Every column is walked by
// itself, from get-next answers or from the chains of a GetBulk answer; a
// row is the lowest index any open column has an answer for. A column whose
// answer lies beyond that index has no cell in the row and keeps its answer
// for the row it belongs to, so that missing cells never shift values into
// other rows and every row comes once, in index order.
class KtTableWalk
{
public:
    enum class Taken
    {
        Queued,       // an answer for a later row of the column
        Ended,        // the column has left the table (or had already)
        NotIncreasing // the agent went back or stood still: the walk cannot go on
    };

    struct Row
    {
        KtOid Index;                            // the instance part of the row's OIDs
        std::vector<std::optional<KtVb>> Cells; // per column; none: no cell in this row
        std::vector<bool> Ended;                // per column: the column has left the table
    };

    // Starts a walk of the columns (their OIDs, without instance).
    void Start(std::vector<KtOid> columns);

    int ColumnCount() const { return int(columns_.size()); }
    const KtOid &Base(int column) const { return columns_.at(size_t(column)).Base; }
    bool IsOpen(int column) const { return !columns_.at(size_t(column)).Ended; }

    // The open columns without an answer waiting: those to ask next.
    std::vector<int> ColumnsToAsk() const;
    // The OID whose get-next answer the column takes next: its last answer,
    // or the column itself at the start.
    const KtOid &NextName(int column) const;

    // Takes the get-next answer to NextName(column). An exception value
    // (endOfMibView, whatever OID it carries) or an OID outside the column
    // ends the column.
    Taken Take(int column, const KtVb &answer);
    // Ends the column (an SNMPv1 agent answered noSuchName for it).
    void End(int column);

    // Every open column has an answer waiting, so the lowest index is known.
    bool RowReady() const;
    // Every column has left the table.
    bool Finished() const;
    // The next row; only when RowReady.
    Row TakeRow();

private:
    struct Column
    {
        KtOid Base;
        KtOid Last; // the last answer taken into a row or queued
        std::deque<KtVb> Queue;
        bool Ended = false;
    };
    static KtOid IndexOf(const Column &column, const KtVb &answer);

    std::vector<Column> columns_;
};
