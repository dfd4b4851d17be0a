// Which LED of which panel follows which octet of the unit's LED status.
#include "PanelTestSupport.h"

#include <gtest/gtest.h>

namespace {

const QColor White(255, 255, 255);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

class PanelLedsTest : public ::testing::Test
{
protected:
    // The panel of unit 1 of a one-unit scenario.
    std::unique_ptr<TPanelForm> PanelOf(ScenarioSimulator &sim)
    {
        if (!sim.Start())
            return nullptr;
        PointEngineAt(sim.Port());
        const QList<UnitPanelInput> units = ReadUnits(sim.Port());
        if (units.size() != 1)
            return nullptr;
        std::unique_ptr<TPanelForm> panel(CreateUnitPanel(units[0], host_, nullptr));
        if (!WaitForLeds(*panel))
            return nullptr;
        return panel;
    }

    TestPanelHost host_;
};

TEST_F(PanelLedsTest, FortyEightPortPanels)
{
    for (const char *model : {"QF1848", "QL2448"}) {
        SCOPED_TRACE(model);
        ScenarioSimulator sim(QByteArray("unit 1 ") + model + "\n" +
                              LedOctetsLine(1, 103, {{67, 5}, {97, 4}, {99, 2}, {101, 0x83}, {100, 5}}));
        auto panel = PanelOf(sim);
        ASSERT_NE(panel, nullptr);
        const auto block3 = LedsIn(*panel, "Panel3");
        ASSERT_EQ(block3.size(), 16u);
        EXPECT_EQ(BytesOf(block3).first(), 67) << "port 33";
        EXPECT_EQ(BytesOf(block3).last(), 97) << "port 48";
        EXPECT_EQ(block3.front()->Shape->geometry(), QRect(0, 1, 6, 6));
        EXPECT_EQ(block3.back()->Shape->geometry(), QRect(195, 1, 6, 6));
        EXPECT_EQ(ColoursOf(block3).first(), Red);
        EXPECT_EQ(ColoursOf(block3).last(), Blue);
        EXPECT_EQ(ColoursOf(block3).at(1), White);

        const auto gigabit = LedsIn(*panel, "Panel4");
        EXPECT_EQ(BytesOf(gigabit), (QList<int>{99, 101}));
        EXPECT_EQ(ColoursOf(gigabit), (QList<QColor>{Green, Green}));
        EXPECT_TRUE(gigabit[1]->Blinking);
        EXPECT_EQ(gigabit[1]->Shape->geometry(), QRect(37, 1, 6, 6));
        EXPECT_EQ(BytesOf(LedsIn(*panel, "PowerLedPanel")), QList<int>{0});
        EXPECT_EQ(BytesOf(LedsIn(*panel, "ConsoleLedPanel")), QList<int>{1});
        EXPECT_EQ(panel->LedBinding->Leds.size(), 2u + 48 + 2);
    }
}

TEST_F(PanelLedsTest, QL2424ByteFourIsOnlyTheSecondLedOfPortOne)
{
    // Two agents whose LED values differ in byte 4 only.
    const QList<std::pair<int, int>> lit = {{3, 2}, {5, 3}, {6, 5}, {50, 4}};
    ScenarioSimulator before("unit 1 QL2424\n" +
                             LedOctetsLine(1, 51, lit + QList<std::pair<int, int>>{{4, 0}}));
    ScenarioSimulator after("unit 1 QL2424\n" +
                            LedOctetsLine(1, 51, lit + QList<std::pair<int, int>>{{4, 5}}));
    ASSERT_TRUE(after.Start());
    auto panel = PanelOf(before);
    ASSERT_NE(panel, nullptr);
    KtSNMPRequest2Leds &leds = *panel->LedBinding;
    QList<qint32> first;
    for (const auto &led : leds.Leds)
        first << led.Color;

    leds.Request.Device.Port = after.Port();
    leds.Get();
    ASSERT_TRUE(WaitForLeds(*panel));
    QList<int> changed;
    for (std::size_t i = 0; i < leds.Leds.size(); ++i)
        if (leds.Leds[i].Color != first[qsizetype(i)])
            changed << int(i);
    ASSERT_EQ(changed.size(), 1);
    const auto &led = leds.Leds[std::size_t(changed[0])];
    EXPECT_EQ(led.ByteIndex, 4);
    EXPECT_EQ(led.Shape->parentWidget()->objectName(), "LedPanel1");
    EXPECT_EQ(led.Shape->geometry().left(), 18);
    EXPECT_EQ(KtSNMPLedColorMapList::ToQColor(led.Color), Red);
    EXPECT_EQ(BytesOf(LedsIn(*panel, "RPSPanel")), QList<int>{2});
}

TEST_F(PanelLedsTest, GigabitBayModuleSpeedLedsTurnGreenOnlyAtThree)
{
    ScenarioSimulator sim("unit 1 QF1824 2P-TX\n" +
                          LedOctetsLine(1, 55, {{51, 2}, {52, 2}, {53, 3}, {54, 3}}));
    auto panel = PanelOf(sim);
    ASSERT_NE(panel, nullptr);
    const TPanelForm *module = panel->BayModule();
    ASSERT_NE(module, nullptr);
    ASSERT_EQ(module->objectName(), "TPanelModule2p1000TForm");
    const struct
    {
        const char *holder;
        int byte;
        QColor colour;
    } cases[] = {
        {"Port1000Panel1", 52, White}, // speed LED at 2
        {"Port1000Panel2", 54, Green}, // speed LED at 3
        {"StPort1Link", 51, Green},    {"StPort1Act", 51, Green},
        {"StPort2Link", 53, Green},    {"StPort2Act", 53, Green},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.holder);
        const auto leds = LedsIn(*panel, c.holder, module);
        ASSERT_EQ(leds.size(), 1u);
        EXPECT_EQ(leds[0]->ByteIndex, c.byte);
        EXPECT_EQ(KtSNMPLedColorMapList::ToQColor(leds[0]->Color), c.colour);
    }
    // The bay's own LEDs, under the module, follow bytes 51 to 54 as well.
    EXPECT_EQ(BytesOf(LedsIn(*panel, "StPort1Link", panel->BayContent())), QList<int>{51});
}

TEST_F(PanelLedsTest, QF1824StripsCarryTwoLedsPerPort)
{
    ScenarioSimulator sim("unit 1 QF1824 2P-100TX\n" + LedOctetsLine(1, 55, {{3, 2}, {4, 3}, {52, 5}}));
    auto panel = PanelOf(sim);
    ASSERT_NE(panel, nullptr);
    const auto strip = LedsIn(*panel, "LedPanel1");
    EXPECT_EQ(BytesOf(strip), (QList<int>{3, 7, 11, 15, 4, 8, 12, 16}));
    QList<int> lefts;
    for (const auto *led : strip)
        lefts << led->Shape->geometry().left();
    EXPECT_EQ(lefts, (QList<int>{0, 25, 50, 75, 18, 43, 68, 93}));
    EXPECT_EQ(ColoursOf(strip).mid(0, 1) + ColoursOf(strip).mid(4, 1), (QList<QColor>{Green, Green}));
    const auto activity = LedsIn(*panel, "StPort1Act", panel->BayModule());
    ASSERT_EQ(activity.size(), 1u);
    EXPECT_EQ(KtSNMPLedColorMapList::ToQColor(activity[0]->Color), Red);
}

} // namespace
