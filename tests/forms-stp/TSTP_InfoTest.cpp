// The spanning-tree control window: the timer rules, the two write paths
// (with and without the hello time), the device state's version, and
// failures, all against the simulator.
#include "TSTP_Info.h"
#include "KtSNMPRequest2Edits.h"
#include "StpFixture.h"
#include "TMainWindowAnchor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

using namespace stp_test;

namespace {

struct StpValues
{
    int version;
    int maxAge;
    int helloTime;
    int forwardDelay;
    int maxHops;
    int txHoldCount;
    int forwardBpdu;
};

constexpr StpValues kStart = {1, 2000, 200, 1500, 20, 3, 3};

StpValues AgentValues(const QgSimProcess &sim)
{
    return {GetInt(sim, StpOid(2)), GetInt(sim, StpOid(3)), GetInt(sim, StpOid(4)), GetInt(sim, StpOid(5)),
            GetInt(sim, StpOid(6)), GetInt(sim, StpOid(7)), GetInt(sim, StpOid(8))};
}

void ExpectValues(const StpValues &actual, const StpValues &expected)
{
    EXPECT_EQ(actual.version, expected.version);
    EXPECT_EQ(actual.maxAge, expected.maxAge);
    EXPECT_EQ(actual.helloTime, expected.helloTime);
    EXPECT_EQ(actual.forwardDelay, expected.forwardDelay);
    EXPECT_EQ(actual.maxHops, expected.maxHops);
    EXPECT_EQ(actual.txHoldCount, expected.txHoldCount);
    EXPECT_EQ(actual.forwardBpdu, expected.forwardBpdu);
}

void ChooseVersion(TSTP_Info &form, const QString &version)
{
    const int index = form.Combo_STPVersion->findText(version);
    ASSERT_GE(index, 0);
    form.Combo_STPVersion->setCurrentIndex(index);
    emit form.Combo_STPVersion->activated(index);
}

void FillTimers(TSTP_Info &form, const QString &maxAge, const QString &helloTime, const QString &forwardDelay,
                const QString &maxHops)
{
    form.ET_AgingTime->setText(maxAge);
    form.ET_HelloTime->setText(helloTime);
    form.ET_ForwardDelay->setText(forwardDelay);
    form.ET_Priority->setText(maxHops);
}

class StpInfoTest : public StpTest
{
protected:
    void SetUp() override
    {
        StpTest::SetUp();
        const StpValues &v = kStart;
        int subId = 2;
        for (int value :
             {v.version, v.maxAge, v.helloTime, v.forwardDelay, v.maxHops, v.txHoldCount, v.forwardBpdu})
            ASSERT_TRUE(SetInt(*sim_, StpOid(subId++), value));
    }
};

} // namespace

TEST(StpTimerRules, FirstBrokenRuleOrNothing)
{
    const QString empty = TSTP_Info::EmptyFieldText;
    const QString data = TSTP_Info::DataErrorText;
    const QString hops = TSTP_Info::MaxHopsErrorText;
    struct Case
    {
        const char *maxHops, *maxAge, *forwardDelay, *helloTime; // helloTime nullptr: MSTP mode
        QString expected;
    };
    const Case cases[] = {
        {"20", "2000", "1000", "200", data},    // 2 x 1000 - 200 = 1800 < 2000
        {"20", "2000", "1500", "1000", data},   // 2000 < 2 x 1000 + 200
        {"20", "2000", "1500", "200", {}},      // both relations hold
        {"20", "2000", "1100", "900", {}},      // both at their limit: 2000 = 2000
        {"20", "2001", "1100", "200", data},    // one past the forward-delay limit
        {"20", "2000", "1500", "901", data},    // one past the hello-time limit
        {"20", "2000", "1000", nullptr, data},  // MSTP still checks the forward delay
        {"20", "2000", "1500", nullptr, {}},    // MSTP: no hello time needed
        {"", "2000", "1500", "200", empty},     // each of the three may not be empty
        {"20", "", "1500", "200", empty},       //
        {"20", "2000", " ", "200", empty},      //
        {"", "", "", nullptr, empty},           //
        {"20", "2000", "1500", "", empty},      // hello time empty outside MSTP
        {"20", "2000", "1000", "", data},       // the forward delay is checked first
        {"65536", "2000", "1500", "200", hops}, // max hops beyond 16 bits
        {"65535", "2000", "1500", "200", {}},   //
        {"2x", "2000", "1500", "200", data},    // text that is no number
        {"20", "2000", "1500", "abc", data},    //
        {"20", "99999999999", "1500", "200", data},
    };
    for (const Case &c : cases) {
        const QString hello = c.helloTime ? QString::fromLatin1(c.helloTime) : QString();
        EXPECT_EQ(TSTP_Info::CheckTimers(QString::fromLatin1(c.maxHops), QString::fromLatin1(c.maxAge),
                                         QString::fromLatin1(c.forwardDelay), c.helloTime ? &hello : nullptr),
                  c.expected)
            << c.maxHops << " " << c.maxAge << " " << c.forwardDelay << " "
            << (c.helloTime ? c.helloTime : "-");
    }
}

TEST_F(StpInfoTest, OpensWithTheSwitchsSettingsInBothLists)
{
    TSTP_Info form(nullptr, &state_);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Spanning Tree Control : 127.0.0.1"));
    EXPECT_EQ(form.Combo_STPVersion->currentText(), QStringLiteral("rstp"));
    EXPECT_EQ(form.ET_AgingTime->text(), QStringLiteral("2000"));
    EXPECT_EQ(form.ET_HelloTime->text(), QStringLiteral("200"));
    EXPECT_EQ(form.ET_ForwardDelay->text(), QStringLiteral("1500"));
    EXPECT_EQ(form.ET_Priority->text(), QStringLiteral("20"));
    EXPECT_EQ(form.ED_TxHoldCount->text(), QStringLiteral("3"));
    EXPECT_EQ(form.Combo_BPDU->currentText(), QStringLiteral("enabled"));
    EXPECT_TRUE(form.ET_HelloTime->isEnabled());
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 1);
    const QTreeWidgetItem *row = form.ListView1->topLevelItem(0);
    QStringList cells;
    for (int column = 0; column < 6; ++column)
        cells << row->text(column);
    EXPECT_EQ(cells, QStringList({"rstp", "2000", "1500", "20", "3", "enabled"}));
    EXPECT_TRUE(form.StatusPanel->text().startsWith(QStringLiteral("Get: (KtSNMP++) Ok!")))
        << form.StatusPanel->text().toStdString();
    EXPECT_TRUE(form.EditBinding->Request.TimeOut == 300 && form.MstpBinding->Request.TimeOut == 300);
    EXPECT_FALSE(form.EditBinding->Asynchronous || form.MstpBinding->Asynchronous);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(" | ").toStdString();
}

TEST_F(StpInfoTest, BrokenRulesShowTheirMessageAndWriteNothing)
{
    struct Case
    {
        const char *version, *maxAge, *helloTime, *forwardDelay, *maxHops;
        QString expected;
    };
    const Case cases[] = {
        {"rstp", "2000", "200", "1000", "20", TSTP_Info::DataErrorText},
        {"stp", "2000", "1000", "1500", "20", TSTP_Info::DataErrorText},
        {"mstp", "2000", "", "1000", "20", TSTP_Info::DataErrorText},
        {"rstp", "2000", "", "1500", "20", TSTP_Info::EmptyFieldText},
        {"mstp", "", "", "1500", "20", TSTP_Info::EmptyFieldText},
        {"stp", "2000", "200", "1500", "", TSTP_Info::EmptyFieldText},
    };
    TSTP_Info form(nullptr, &state_);
    for (const Case &c : cases) {
        ChooseVersion(form, QString::fromLatin1(c.version));
        FillTimers(form, c.maxAge, c.helloTime, c.forwardDelay, c.maxHops);
        form.BT_Set->click();
        EXPECT_EQ(form.StatusPanel->text(), c.expected)
            << c.version << " " << c.maxAge << " " << c.forwardDelay;
        EXPECT_EQ(state_.StpVersion(), QString()) << "the version text changes only with a write";
    }
    ExpectValues(AgentValues(*sim_), kStart);
}

TEST_F(StpInfoTest, WritesTheTimersWithTheHelloTimeOutsideMstp)
{
    TSTP_Info form(nullptr, &state_);
    ChooseVersion(form, QStringLiteral("stp"));
    FillTimers(form, QStringLiteral("2400"), QStringLiteral("300"), QStringLiteral("1800"),
               QStringLiteral("15"));
    form.ED_TxHoldCount->setText(QStringLiteral("5"));
    form.Combo_BPDU->setCurrentText(QStringLiteral("disabled"));
    form.BT_Set->click();
    EXPECT_TRUE(form.StatusPanel->text().startsWith(QStringLiteral("Set: (KtSNMP++) Ok!")))
        << form.StatusPanel->text().toStdString();
    ExpectValues(AgentValues(*sim_), {0, 2400, 300, 1800, 15, 5, 2});
    EXPECT_EQ(state_.StpVersion(), QStringLiteral("stp"));
}

TEST_F(StpInfoTest, MstpWritesSixObjectsAndNeverTheHelloTime)
{
    ASSERT_TRUE(SetInt(*sim_, StpOid(4), 700));
    state_.SetStpVersion(QStringLiteral("mstp"));
    TSTP_Info form(nullptr, &state_);
    EXPECT_FALSE(form.ET_HelloTime->isEnabled());
    EXPECT_TRUE(form.ET_HelloTime->text().isEmpty());

    ChooseVersion(form, QStringLiteral("mstp"));
    FillTimers(form, QStringLiteral("3000"), QString(), QStringLiteral("2000"), QStringLiteral("12"));
    form.ED_TxHoldCount->setText(QStringLiteral("7"));
    form.Combo_BPDU->setCurrentText(QStringLiteral("disabled"));
    form.BT_Set->click();
    EXPECT_TRUE(form.StatusPanel->text().startsWith(QStringLiteral("Set: (KtSNMP++) Ok!")))
        << form.StatusPanel->text().toStdString();
    // The hello time keeps the value the agent had.
    ExpectValues(AgentValues(*sim_), {2, 3000, 700, 2000, 12, 7, 2});
    EXPECT_EQ(state_.StpVersion(), QStringLiteral("mstp"));
}

TEST_F(StpInfoTest, MstpWriteWorksWhenTheHiddenRowWasNeverRead)
{
    TSTP_Info form(nullptr, &state_);
    form.ListView1->clear();
    ChooseVersion(form, QStringLiteral("mstp"));
    FillTimers(form, QStringLiteral("2200"), QString(), QStringLiteral("1600"), QStringLiteral("10"));
    form.BT_Set->click();
    ExpectValues(AgentValues(*sim_), {2, 2200, 200, 1600, 10, 3, 3});
}

TEST_F(StpInfoTest, VersionChoiceAndRefreshSwitchTheHelloTime)
{
    TSTP_Info form(nullptr, &state_);
    ChooseVersion(form, QStringLiteral("mstp"));
    EXPECT_FALSE(form.ET_HelloTime->isEnabled());
    EXPECT_TRUE(form.ET_HelloTime->text().isEmpty());
    EXPECT_NE(form.ET_HelloTime->palette().color(QPalette::Base), form.palette().color(QPalette::Base));
    ChooseVersion(form, QStringLiteral("rstp"));
    EXPECT_TRUE(form.ET_HelloTime->isEnabled());
    EXPECT_EQ(form.ET_HelloTime->palette().color(QPalette::Base), form.palette().color(QPalette::Base));

    // Refresh takes the mode from the device state's version.
    ASSERT_TRUE(SetInt(*sim_, StpOid(5), 1700));
    state_.SetStpVersion(QStringLiteral("mstp"));
    form.BT_Get->click();
    EXPECT_FALSE(form.ET_HelloTime->isEnabled());
    EXPECT_EQ(form.ET_ForwardDelay->text(), QStringLiteral("1700"));
    EXPECT_EQ(form.ListView1->topLevelItem(0)->text(2), QStringLiteral("1700"));
    state_.SetStpVersion(QStringLiteral("rstp"));
    form.BT_Get->click();
    EXPECT_TRUE(form.ET_HelloTime->isEnabled());
    EXPECT_EQ(form.ET_HelloTime->text(), QStringLiteral("200"));
}

TEST_F(StpInfoTest, RejectedWriteIsAStatusLineAndLeavesTheVersionText)
{
    state_.SetStpVersion(QStringLiteral("rstp"));
    TSTP_Info form(nullptr, &state_);
    for (const QString &version : {QStringLiteral("stp"), QStringLiteral("mstp")}) {
        ChooseVersion(form, version);
        // The agent takes max hops 1 to 20 only.
        FillTimers(form, QStringLiteral("2000"), QStringLiteral("200"), QStringLiteral("1500"),
                   QStringLiteral("21"));
        form.BT_Set->click();
        EXPECT_TRUE(form.StatusPanel->text().startsWith(QStringLiteral("Set: ")));
        EXPECT_FALSE(form.StatusPanel->text().contains(QStringLiteral("Ok!")))
            << form.StatusPanel->text().toStdString();
        EXPECT_EQ(state_.StpVersion(), QStringLiteral("rstp"));
    }
    ExpectValues(AgentValues(*sim_), kStart);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(" | ").toStdString();
}

TEST_F(StpInfoTest, KeepsItsDesignedSizeWithLargeFonts)
{
    TMainWindowAnchor::SetScaleFactor(1.25);
    const QSize large = TSTP_Info().size();
    TMainWindowAnchor::SetScaleFactor(1.0);
    EXPECT_EQ(large, TSTP_Info().size());
}
