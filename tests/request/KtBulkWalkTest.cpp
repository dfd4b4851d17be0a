// The get-next answers a table walk takes from a GetBulk response.
#include "KtBulkWalk.h"

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

QStringList Names(const std::vector<KtVb> &answers)
{
    QStringList names;
    for (const KtVb &vb : answers)
        names << vb.Oid.ToText() + (vb.Type() == KtVbType::EndOfMibView ? " end" : "");
    return names;
}

// Answers to the get-next of `names`, or "unknown".
QStringList Ask(const KtBulkWalk &walk, const QStringList &names)
{
    std::vector<KtVb> answers;
    return walk.Answer(names, answers) ? Names(answers) : QStringList{"unknown"};
}

TEST(BulkWalkTest, AnswersFollowEachNamesChain)
{
    // Two columns, three repetitions: column 1 runs into column 2, column 2
    // into column 3.
    KtBulkWalk walk;
    walk.Store({"1.1", "1.2"}, {Integer("1.1.1"), Integer("1.2.1"), Integer("1.1.2"), Integer("1.2.2"),
                                Integer("1.2.1"), Integer("1.3.1")});
    const std::pair<QStringList, QStringList> cases[] = {
        {{"1.1", "1.2"}, {"1.1.1", "1.2.1"}},
        {{"1.1.1", "1.2.1"}, {"1.1.2", "1.2.2"}},
        {{"1.1.2", "1.2.2"}, {"1.2.1", "1.3.1"}},
        // Between two OIDs of a climbing chain: the next one of the chain.
        {{"1.1.1.5", "1.1.3"}, {"1.1.2", "1.2.1"}},
        // The last OID of a chain: its successor is not known.
        {{"1.2.1", "1.3.1"}, {"unknown"}},
        {{"1.0"}, {"unknown"}},
    };
    for (const auto &[names, expected] : cases)
        EXPECT_EQ(Ask(walk, names), expected) << names.join(' ').toStdString();
    EXPECT_EQ(Names(walk.FirstAnswers({"1.1", "1.3.1", "1.2"})), QStringList{"1.1.1"});
}

TEST(BulkWalkTest, AnAgentThatDoesNotAdvanceIsAnsweredOnlyByItsOwnLinks)
{
    KtBulkWalk walk;
    walk.Store({"2.1"}, {Integer("2.1.1"), Integer("2.1.1"), Integer("2.1.1")});
    EXPECT_EQ(Ask(walk, {"2.1"}), QStringList{"2.1.1"});
    EXPECT_EQ(Ask(walk, {"2.1.1"}), QStringList{"2.1.1"});
    EXPECT_EQ(Ask(walk, {"2.1.0.9"}), QStringList{"unknown"});
}

TEST(BulkWalkTest, PastTheEndOfTheViewEveryNameComesBackWithoutValue)
{
    KtBulkWalk walk;
    walk.Store({"9.1"}, {Integer("9.1.1"), EndOfView("9.1.1"), EndOfView("9.1.1")});
    EXPECT_EQ(Ask(walk, {"9.1.1"}), QStringList{"9.1.1 end"});
    EXPECT_EQ(Ask(walk, {"9.1.7"}), QStringList{"9.1.7 end"});
    EXPECT_EQ(Ask(walk, {"9.1.0.1"}), QStringList{"9.1.1"});
}

TEST(BulkWalkTest, RepetitionsFitADatagramAndHalveOnTooBig)
{
    KtBulkWalk walk;
    const QStringList names{"1.3.6.1.2.1.17.7.1.2.2.1.2", "1.3.6.1.2.1.17.7.1.2.2.1.3"};
    const int guessed = walk.MaxRepetitions(names);
    EXPECT_GT(guessed, 1);
    EXPECT_LE(guessed * 2 * 30, KtBulkWalk::kBindingBudget) << "two bindings of 30 bytes or more a row";

    // Rows of two long octet strings: fewer fit.
    KtVb wide(KtOid::FromText(QStringLiteral("1.3.6.1.2.1.17.7.1.2.2.1.2.1")));
    wide.SetOctets(QByteArray(200, 'x'));
    walk.Store(names, {wide, wide});
    // A binding: 4 bytes of framing, the OID in 15, the value in 202.
    EXPECT_EQ(walk.MaxRepetitions(names), KtBulkWalk::kBindingBudget / (2 * (4 + 15 + 202)));

    EXPECT_TRUE(walk.Shrink(2));
    EXPECT_EQ(walk.MaxRepetitions(names), 1);
    EXPECT_FALSE(walk.Shrink(1));
}

} // namespace
