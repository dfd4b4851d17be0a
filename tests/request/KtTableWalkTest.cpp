// Lining the columns of a table walk up by index, and sizing GetBulk requests.
#include "KtTableWalk.h"
#include "KtBulkRepetitions.h"

#include <gtest/gtest.h>

namespace {

KtVb Integer(const char *oid, int value = 1)
{
    KtVb vb(KtOid::FromText(QString::fromLatin1(oid)));
    vb.SetInteger(value);
    return vb;
}

KtVb EndOfView(const char *oid)
{
    KtVb vb(KtOid::FromText(QString::fromLatin1(oid)));
    vb.SetNoValue(KtVbType::EndOfMibView);
    return vb;
}

// A row as text: "index: cell cell ...", "-" for no cell, "end" for an
// ended column.
QString RowText(const KtTableWalk::Row &row)
{
    QStringList cells;
    for (size_t k = 0; k < row.Cells.size(); ++k)
        cells << (row.Cells[k]   ? QString::number(row.Cells[k]->Int32())
                  : row.Ended[k] ? QStringLiteral("end")
                                 : QStringLiteral("-"));
    return row.Index.ToText() + QStringLiteral(": ") + cells.join(QLatin1Char(' '));
}

// Walks two columns 1.1 and 1.2 whose get-next answers are given per column,
// feeding each column its answers one by one as a get-next walk would.
QStringList WalkRows(const std::vector<std::vector<KtVb>> &answers)
{
    KtTableWalk walk;
    walk.Start({KtOid{1, 1}, KtOid{1, 2}});
    std::vector<size_t> next(answers.size(), 0);
    QStringList rows;
    while (!walk.Finished()) {
        for (int column : walk.ColumnsToAsk())
            EXPECT_NE(walk.Take(column, answers[size_t(column)][next[size_t(column)]++]),
                      KtTableWalk::Taken::NotIncreasing);
        if (walk.RowReady())
            rows << RowText(walk.TakeRow());
    }
    return rows;
}

TEST(TableWalkTest, RowsAreTheLowestIndexAndMissingCellsStayEmpty)
{
    struct Case
    {
        const char *name;
        std::vector<std::vector<KtVb>> answers;
        QStringList rows;
    };
    const Case cases[] = {
        {"full",
         {{Integer("1.1.1", 11), Integer("1.1.2", 12), Integer("1.2.1")},
          {Integer("1.2.1", 21), Integer("1.2.2", 22), Integer("1.3.1")}},
         {"1: 11 21", "2: 12 22"}},
        {"second column lacks row 2",
         {{Integer("1.1.1", 11), Integer("1.1.2", 12), Integer("1.1.3", 13), Integer("1.2.1")},
          {Integer("1.2.1", 21), Integer("1.2.3", 23), Integer("1.3.1")}},
         {"1: 11 21", "2: 12 -", "3: 13 23"}},
        {"first column lacks row 1",
         {{Integer("1.1.2", 12), Integer("1.2.1")},
          {Integer("1.2.1", 21), Integer("1.2.2", 22), Integer("1.3")}},
         {"1: - 21", "2: 12 22"}},
        {"a column ends early; endOfMibView named with the request OID",
         {{Integer("1.1.1", 11), Integer("1.1.2", 12), Integer("1.2.1")},
          {Integer("1.2.1", 21), EndOfView("1.2")}},
         {"1: 11 21", "2: 12 end"}},
        {"the agent lacks a column entirely",
         {{Integer("1.1.1", 11), Integer("1.2.1")}, {Integer("1.3.1")}},
         {"1: 11 end"}},
        {"an empty table", {{Integer("1.2.1")}, {Integer("1.3.1")}}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WalkRows(c.answers), c.rows) << c.name;
}

TEST(TableWalkTest, AnOidThatDoesNotIncreaseIsRefused)
{
    for (const char *answer : {"1.1.5", "1.1.4"}) {
        KtTableWalk walk;
        walk.Start({KtOid{1, 1}});
        ASSERT_EQ(walk.Take(0, Integer("1.1.5")), KtTableWalk::Taken::Queued);
        EXPECT_EQ(walk.Take(0, Integer(answer)), KtTableWalk::Taken::NotIncreasing) << answer;
    }
}

TEST(TableWalkTest, AChainTakesSeveralRowsAndOnlyEmptyColumnsAreAskedAgain)
{
    KtTableWalk walk;
    walk.Start({KtOid{1, 1}, KtOid{1, 2}});
    // A GetBulk answer of three repetitions that held two for column 2.
    for (const char *oid : {"1.1.1", "1.1.2", "1.1.3"})
        walk.Take(0, Integer(oid));
    walk.Take(1, Integer("1.2.2"));
    walk.Take(1, Integer("1.2.3"));
    EXPECT_EQ(RowText(walk.TakeRow()), "1: 1 -");
    EXPECT_EQ(RowText(walk.TakeRow()), "2: 1 1");
    EXPECT_EQ(RowText(walk.TakeRow()), "3: 1 1");
    EXPECT_FALSE(walk.RowReady());
    EXPECT_EQ(walk.ColumnsToAsk(), (std::vector<int>{0, 1}));
    EXPECT_EQ(walk.NextName(1).ToText(), "1.2.3");
    walk.End(0);
    EXPECT_EQ(walk.ColumnsToAsk(), std::vector<int>{1});
}

TEST(BulkRepetitionsTest, RepetitionsFitADatagramAndHalveOnTooBig)
{
    KtBulkRepetitions sizing;
    const QStringList names{"1.3.6.1.2.1.17.7.1.2.2.1.2", "1.3.6.1.2.1.17.7.1.2.2.1.3"};
    const int guessed = sizing.MaxRepetitions(names);
    EXPECT_GT(guessed, 1);
    EXPECT_LE(guessed * 2 * 30, KtBulkRepetitions::kBindingBudget)
        << "two bindings of 30 bytes or more a row";

    // Rows of two long octet strings: fewer fit.
    KtVb wide(KtOid::FromText(QStringLiteral("1.3.6.1.2.1.17.7.1.2.2.1.2.1")));
    wide.SetOctets(QByteArray(200, 'x'));
    sizing.Learn({wide, wide}, 2);
    // A binding: 4 bytes of framing, the OID in 15, the value in 202.
    EXPECT_EQ(sizing.MaxRepetitions(names), KtBulkRepetitions::kBindingBudget / (2 * (4 + 15 + 202)));

    EXPECT_TRUE(sizing.Shrink(2));
    EXPECT_EQ(sizing.MaxRepetitions(names), 1);
    EXPECT_FALSE(sizing.Shrink(1));
}

} // namespace
