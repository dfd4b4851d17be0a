// Building the panel window of a unit: the model's panel, port tags, the
// generic panel, module slots and bay, and the port selection shared by all
// panels.
#include "PanelTestSupport.h"

#include "KtErrorCode.h"
#include "KtException.h"

#include <QApplication>
#include <QMenu>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class UnitPanelBuildTest : public ::testing::Test
{
protected:
    // An agent for the panels whose LEDs a test does not look at, so that
    // their reads end at once.
    static void SetUpTestSuite()
    {
        stack_ = new ScenarioSimulator("include stack\n");
        ASSERT_TRUE(stack_->Start());
    }
    static void TearDownTestSuite()
    {
        delete stack_;
        stack_ = nullptr;
    }
    static void UseStack() { PointEngineAt(stack_->Port()); }

    // Panels of every unit row, in row order; freed before the host.
    void BuildAll(const QList<UnitPanelInput> &units)
    {
        for (const UnitPanelInput &unit : units)
            panels_.emplace_back(CreateUnitPanel(unit, host_, nullptr));
    }

    void TearDown() override { panels_.clear(); }

    TestPanelHost host_;
    std::vector<std::unique_ptr<TPanelForm>> panels_;
    static ScenarioSimulator *stack_;
};

ScenarioSimulator *UnitPanelBuildTest::stack_ = nullptr;

TEST_F(UnitPanelBuildTest, EveryModelGetsItsPanelAndModules)
{
    ScenarioSimulator sim("include all-models\n");
    ASSERT_TRUE(sim.Start());
    PointEngineAt(sim.Port());
    BuildAll(ReadUnits(sim.Port()));
    ASSERT_EQ(panels_.size(), 8u);

    const struct
    {
        const char *form;
        const char *slot1;
        const char *slot2;
        const char *bay;
    } cases[] = {
        {"TPanelQG2212Form", "TPanelMiniGBICForm", "TPanelPortStackingForm", nullptr},
        {"TPanelQF1824Form", nullptr, nullptr, "TPanelModule2p1000TForm"},
        {"TPanel1848TForm", nullptr, nullptr, nullptr},
        {"TPanelQG2312Form", "TPanel1000BaseForm", nullptr, nullptr},
        {"TPanelQL2424Form", nullptr, nullptr, nullptr},
        {"TPanelQL2424RForm", nullptr, nullptr, nullptr},
        {"TPanelQL2448Form", nullptr, nullptr, nullptr},
        {"TPanelGENERICForm", nullptr, nullptr, nullptr},
    };
    for (std::size_t row = 0; row < panels_.size(); ++row) {
        const TPanelForm &panel = *panels_[row];
        const auto &c = cases[row];
        SCOPED_TRACE(c.form);
        EXPECT_EQ(panel.objectName(), c.form);
        EXPECT_EQ(panel.Unit, int(row) + 1);
        auto nameOf = [](const TPanelForm *module) { return module ? module->objectName() : QString(); };
        EXPECT_EQ(nameOf(panel.SlotModule(1)), QString::fromLatin1(c.slot1));
        EXPECT_EQ(nameOf(panel.SlotModule(2)), QString::fromLatin1(c.slot2));
        EXPECT_EQ(nameOf(panel.BayModule()), QString::fromLatin1(c.bay));
        if (panel.IsGeneric()) {
            EXPECT_EQ(panel.LedBinding, nullptr) << "the generic panel never polls";
            continue;
        }
        ASSERT_NE(panel.LedBinding, nullptr);
        EXPECT_TRUE(panel.LedBinding->PollTimer->isActive());
        EXPECT_EQ(panel.LedBinding->PollTimer->interval(), 3000);
        EXPECT_EQ(panel.LedBinding->Request.TimeOut, 500);
        EXPECT_EQ(panel.LedBinding->Request.Vars.Instance, QString::number(panel.Unit));
        EXPECT_EQ(panel.LedBinding->Request.Vars.Caption, " Led Status");
    }

    // The unknown model shows its own text.
    const auto *label = panels_[7]->findChild<QLabel *>("ModuleNameLabel");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "QX3000");

    // Live LEDs: the scenario's fault on port 7 of unit 3 (QF1848) is red.
    ASSERT_TRUE(WaitForLeds(*panels_[2]));
    const auto block1 = LedsIn(*panels_[2], "Panel1");
    ASSERT_EQ(block1.size(), 16u);
    EXPECT_EQ(KtSNMPLedColorMapList::ToQColor(block1[6]->Color), QColor(255, 0, 0));
    EXPECT_TRUE(host_.status.text().startsWith("Get: " + KtErrorText(0)))
        << host_.status.text().toStdString();
}

TEST_F(UnitPanelBuildTest, ModelTextMustMatchExactly)
{
    UseStack();
    const struct
    {
        const char *model;
        const char *form;
        const char *label; // the generic panel's model label
    } cases[] = {
        {"QG2312", "TPanelQG2312Form", nullptr},
        {"qg2312", "TPanelGENERICForm", "qg2312"},
        {"QG2312 ", "TPanelGENERICForm", "QG2312 "},
        {"GENERIC", "TPanelGENERICForm", "GENERIC  DEVICE"},
        {"", "TPanelGENERICForm", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.model);
        std::unique_ptr<TPanelForm> panel(CreateUnitPanel({"1", c.model, 12, {}, 12}, host_, nullptr));
        EXPECT_EQ(panel->objectName(), c.form);
        const auto *label = panel->findChild<QLabel *>("ModuleNameLabel");
        if (c.label) {
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), c.label);
        } else {
            EXPECT_EQ(label, nullptr);
        }
    }
}

TEST_F(UnitPanelBuildTest, StandAloneGigabitUnitUsesBarePortNumbers)
{
    ScenarioSimulator sim("include single\n");
    ASSERT_TRUE(sim.Start());
    PointEngineAt(sim.Port());
    const QList<UnitPanelInput> units = ReadUnits(sim.Port());
    ASSERT_EQ(units.size(), 1);
    ASSERT_EQ(units[0].UnitNumber, "15");
    BuildAll(units);
    const TPanelForm &panel = *panels_[0];
    EXPECT_EQ(TagsOf(panel.PortButtons()), Range(1, 12));
    EXPECT_EQ(panel.StackPictureIndex(), 13);
    ASSERT_NE(panel.StackImage(), nullptr);
    EXPECT_FALSE(panel.StackImage()->pixmap().isNull());
    EXPECT_EQ(panel.SlotModule(2)->objectName(), "TPanelMiniGBICForm");

    // The same switch reporting unit 1.
    UnitPanelInput unit1 = units[0];
    unit1.UnitNumber = "1";
    BuildAll({unit1});
    EXPECT_EQ(TagsOf(panels_[1]->PortButtons()), Range(51, 62));
    EXPECT_EQ(panels_[1]->StackPictureIndex(), 0);
    EXPECT_EQ(host_.buttons.size(), 24);
}

TEST_F(UnitPanelBuildTest, MiniGbicInSlotTwoOfUnitTwo)
{
    ScenarioSimulator sim("unit 1 QL2424\n"
                          "unit 2 QG2312 - MGBIC\n" +
                          LedOctetsLine(2, 27, {{19, 5}, {21, 2}, {23, 4}, {25, 0x82}}));
    ASSERT_TRUE(sim.Start());
    PointEngineAt(sim.Port());
    BuildAll(ReadUnits(sim.Port()));
    ASSERT_EQ(panels_.size(), 2u);
    const TPanelForm &panel = *panels_[1];
    EXPECT_EQ(panel.SlotModule(1), nullptr);
    const TPanelForm *module = panel.SlotModule(2);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->objectName(), "TPanelMiniGBICForm");
    EXPECT_EQ(module->parentWidget()->objectName(), "SlotPanel2");
    EXPECT_EQ(module->size(), QSize(236, 59)) << "docked to fill the slot";
    EXPECT_EQ(TagsOf(module->PortButtons()), Range(109, 112));
    EXPECT_EQ(TagsOf(panel.PortButtons()), Range(101, 104) + Range(109, 112));

    ASSERT_TRUE(WaitForLeds(panel));
    QList<int> bytes;
    QList<QColor> colours;
    for (const QString name : {"PortShape1", "PortShape2", "PortShape3", "PortShape4"}) {
        const auto leds = LedsIn(panel, name, module);
        ASSERT_EQ(leds.size(), 1u) << name.toStdString();
        bytes += BytesOf(leds);
        colours += ColoursOf(leds);
    }
    EXPECT_EQ(bytes, (QList<int>{19, 21, 23, 25}));
    EXPECT_EQ(colours,
              (QList<QColor>{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 0)}));
    EXPECT_TRUE(LedsIn(panel, "PortShape4", module)[0]->Blinking);
}

TEST_F(UnitPanelBuildTest, SlotModulesFromTheModuleTypeEntries)
{
    UseStack();
    const QStringList mgbicSlot1 = {
        "none", "none", "none", "none", "none", "moduleType-MGBIC", "none", "none", "moduleType-1000T"};
    const struct
    {
        const char *name;
        QStringList types;
        int rows;
        const char *slot1;
        const char *slot2;
    } cases[] = {
        {"mini-GBIC among entries 4 to 6, short port table", mgbicSlot1, 8, "TPanelMiniGBICForm", nullptr},
        {"slot 2 needs 12 rows", mgbicSlot1, 11, "TPanelMiniGBICForm", nullptr},
        {"both slots", mgbicSlot1, 12, "TPanelMiniGBICForm", "TPanel1000BaseForm"},
        {"port table of 7 rows", mgbicSlot1, 7, nullptr, nullptr},
        {"fewer entries than examined",
         {"none", "none", "none", "none", "moduleType-1394"},
         12,
         "TPanelPortStackingForm",
         nullptr},
        {"entry 7 belongs to no slot",
         {"", "", "", "", "", "", "", "moduleType-1000T"},
         12,
         nullptr,
         nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TPanelForm> panel(
            CreateUnitPanel({"3", "QG2212", 12, c.types, c.rows}, host_, nullptr));
        auto nameOf = [](const TPanelForm *module) { return module ? module->objectName() : QString(); };
        EXPECT_EQ(nameOf(panel->SlotModule(1)), QString::fromLatin1(c.slot1));
        EXPECT_EQ(nameOf(panel->SlotModule(2)), QString::fromLatin1(c.slot2));
    }
}

TEST_F(UnitPanelBuildTest, DetectSlotModule)
{
    const QStringList types = {"moduleType-1394", "none", "moduleType-MGBIC", "moduleType-1000T"};
    const struct
    {
        int first;
        int end;
        int result;
    } cases[] = {
        {0, 4, 3},   // the first entry that matches decides
        {1, 4, 2},   //
        {3, 4, 1},   //
        {1, 2, -1},  // no match
        {2, 2, -1},  // empty range
        {3, 10, 1},  // entries past the list match nothing
        {4, 10, -1}, //
        {-2, 1, 3},  // entries before the list match nothing
    };
    for (const auto &c : cases)
        EXPECT_EQ(DetectSlotModule(types, c.first, c.end), c.result) << c.first << " to " << c.end;
    EXPECT_EQ(DetectSlotModule({}, 0, 3), -1);
}

TEST_F(UnitPanelBuildTest, GenericPanelShowsThePortsTheUnitHas)
{
    UseStack();
    const struct
    {
        int ports;
        int labelWidth;
        bool shows49;
        bool shows50;
    } cases[] = {
        {24, 299, false, false},
        {49, 599, true, false},
        {50, 599, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ports);
        host_.buttons.clear();
        std::unique_ptr<TPanelForm> panel(
            CreateUnitPanel({"1", "QX3000", c.ports, {}, c.ports}, host_, nullptr));
        EXPECT_EQ(panel->LedBinding, nullptr);
        EXPECT_EQ(panel->PortCount, c.ports);
        const QList<KtPortButton *> buttons = panel->PortButtons();
        ASSERT_EQ(buttons.size(), 50);
        EXPECT_EQ(TagsOf(buttons), Range(51, 100)) << "all 50 buttons are tagged";
        EXPECT_EQ(TagsOf(host_.buttons), Range(51, 50 + c.ports));
        for (const KtPortButton *button : buttons)
            EXPECT_EQ(button->isHidden(), button->Port > c.ports) << button->Port;
        EXPECT_EQ(panel->findChild<QLabel *>("Label1")->width(), c.labelWidth);
        EXPECT_EQ(panel->findChild<QLabel *>("Label2")->width(), c.labelWidth);
        EXPECT_EQ(!panel->findChild<QLabel *>("Label3")->isHidden(), c.shows49);
        EXPECT_EQ(!panel->findChild<QLabel *>("Label4")->isHidden(), c.shows50);
        EXPECT_EQ(panel->StackPictureIndex(), 0);
    }
}

TEST_F(UnitPanelBuildTest, QF1824BayModuleOrItsOwnBayPorts)
{
    UseStack();
    const QString base = "moduleType-BaseModule-24PORT";
    const struct
    {
        const char *name;
        QStringList types;
        const char *module;
    } cases[] = {
        {"none, then 2P-100TX", {base, "none", "moduleType-2P-100TX"}, "TPanelModule2p100Form"},
        {"2P-SC-SX", {base, "moduleType-2P-SC-SX"}, "TPanelModule2p1000Form"},
        {"2P-TX", {base, "moduleType-2P-TX"}, "TPanelModule2p1000TForm"},
        {"GBIC and stacking first", {base, "moduleType-1P-GBIC-1P-STACK", "moduleType-2P-TX"}, nullptr},
        {"nothing", {base, "none"}, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        host_.buttons.clear();
        std::unique_ptr<TPanelForm> panel(CreateUnitPanel({"2", "QF1824", 26, c.types, 26}, host_, nullptr));
        const TPanelForm *module = panel->BayModule();
        EXPECT_EQ(module ? module->objectName() : QString(), QString::fromLatin1(c.module));
        const TPanelForm *bayPorts = module ? module : panel->BayContent();
        ASSERT_NE(bayPorts, nullptr);
        if (module) {
            EXPECT_EQ(module->geometry(), QRect(0, 0, 219, 56));
        }
        EXPECT_EQ(TagsOf(host_.buttons), Range(101, 126));
        ASSERT_EQ(host_.buttons.size(), 26);
        EXPECT_TRUE(bayPorts->isAncestorOf(host_.buttons[24]));
        EXPECT_TRUE(bayPorts->isAncestorOf(host_.buttons[25]));
        EXPECT_EQ(panel->StackPictureIndex(), 1);
        panel->LedBinding->StopPolling();
        if (module) {
            const auto modulesLeds = BytesOf(LedsIn(*panel, "StPort1Link", module)) +
                                     BytesOf(LedsIn(*panel, "StPort1Act", module)) +
                                     BytesOf(LedsIn(*panel, "StPort2Link", module)) +
                                     BytesOf(LedsIn(*panel, "StPort2Act", module));
            EXPECT_EQ(modulesLeds.size(), 4);
        }
    }
}

TEST_F(UnitPanelBuildTest, UnitNumberMustBeAnInteger)
{
    UseStack();
    try {
        std::unique_ptr<TPanelForm> panel(CreateUnitPanel({"x1", "QL2424", 24, {}, 24}, host_, nullptr));
        FAIL() << "no error";
    } catch (const KtConvertError &error) {
        EXPECT_EQ(error.Message, "'x1' is not a valid integer value");
    }
    EXPECT_TRUE(host_.buttons.isEmpty());
}

TEST_F(UnitPanelBuildTest, ClickingAPortReleasesEveryOtherPanelsPort)
{
    UseStack();
    BuildAll({{"1", "QL2424", 24, {}, 48}, {"2", "QF1848", 50, {}, 48}});
    KtPortButton *unit1Port2 = panels_[0]->PortButtonOf(2);
    KtPortButton *unit2Port2 = panels_[1]->PortButtonOf(2);
    KtPortButton *unit2Port1 = panels_[1]->PortButtonOf(1); // plain
    ASSERT_TRUE(unit1Port2 && unit2Port2 && unit2Port1);
    ASSERT_EQ(unit2Port1->Kind(), ButtonKind::Plain);

    QTest::mouseClick(unit1Port2, Qt::LeftButton);
    EXPECT_TRUE(unit1Port2->isChecked());
    QTest::mouseClick(unit2Port2, Qt::LeftButton);
    EXPECT_FALSE(unit1Port2->isChecked());
    EXPECT_TRUE(unit2Port2->isChecked());
    QTest::mouseClick(unit2Port2, Qt::LeftButton);
    EXPECT_FALSE(unit2Port2->isChecked()) << "a toggle button comes up when clicked again";

    QTest::mouseClick(unit1Port2, Qt::LeftButton);
    QTest::mouseClick(unit2Port1, Qt::LeftButton);
    EXPECT_FALSE(unit1Port2->isChecked());
    EXPECT_FALSE(unit2Port1->IsPressed()) << "a plain button springs back";
}

TEST_F(UnitPanelBuildTest, PortMenuPressesOnlyItsButtonAndOpensThePortWindow)
{
    UseStack();
    BuildAll({{"1", "QL2424", 24, {}, 48}, {"2", "QF1848", 50, {}, 48}});
    std::vector<std::pair<PortWindow, int>> opened;
    host_.OpenPortWindow = [&](PortWindow window, int tag) { opened.emplace_back(window, tag); };
    KtPortButton *toggle = panels_[0]->PortButtonOf(5);
    KtPortButton *other = panels_[1]->PortButtonOf(4);
    KtPortButton *plain = panels_[1]->PortButtonOf(49);
    other->Press();

    host_.OpenPortWindowOf(toggle, PortWindow::Information);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_FALSE(other->isChecked());
    host_.OpenPortWindowOf(plain, PortWindow::Configuration);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(plain->IsPressed());
    EXPECT_EQ(opened, (std::vector<std::pair<PortWindow, int>>{{PortWindow::Information, 55},
                                                               {PortWindow::Configuration, 149}}));

    host_.OpenPortWindow = nullptr;
    host_.OpenPortWindowOf(other, PortWindow::Information); // no hook: only the selection changes
    EXPECT_TRUE(other->isChecked());
}

TEST_F(UnitPanelBuildTest, RightClickOpensThePortMenu)
{
    UseStack();
    BuildAll({{"3", "QL2424", 24, {}, 24}});
    std::vector<std::pair<PortWindow, int>> opened;
    host_.OpenPortWindow = [&](PortWindow window, int tag) { opened.emplace_back(window, tag); };
    KtPortButton *port7 = panels_[0]->PortButtonOf(7);
    panels_[0]->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panels_[0].get()));

    const struct
    {
        int entry; // 0 "Port Information", 1 "Port Configuration"
        PortWindow window;
    } cases[] = {{0, PortWindow::Information}, {1, PortWindow::Configuration}};
    for (const auto &c : cases) {
        QStringList texts;
        // The menu runs its own loop: pick the entry from inside it.
        QTimer::singleShot(50, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                texts << action->text();
            menu->setActiveAction(menu->actions().at(c.entry));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit port7->customContextMenuRequested(QPoint(2, 2));
        EXPECT_EQ(texts, (QStringList{"Port Information", "Port Configuration"}));
        EXPECT_TRUE(port7->isChecked());
    }
    EXPECT_EQ(opened, (std::vector<std::pair<PortWindow, int>>{{PortWindow::Information, 157},
                                                               {PortWindow::Configuration, 157}}));
}

TEST_F(UnitPanelBuildTest, ClosingAPanelWaitsForItsLedRead)
{
    UseStack();
    BuildAll({{"2", "QF1824", 26, {}, 26}});
    ASSERT_TRUE(WaitForLeds(*panels_[0]));
    int answered = 0;
    panels_[0]->LedBinding->OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &) { ++answered; };
    panels_[0]->LedBinding->Get();
    panels_[0].reset();
    EXPECT_EQ(answered, 1) << "the read under way ends before the panel goes";
}

TEST_F(UnitPanelBuildTest, ModuleTypesOfOneUnitFromThePortListView)
{
    QTreeWidget portInfo;
    portInfo.setColumnCount(6);
    const QStringList rows[] = {
        {"51", "1", "", "", "", "moduleType-BaseModule-24PORT"},
        {"55", "1", "", "", "", "moduleType-MGBIC"},
        {"101", "2", "", "", "", "moduleType-1000T"},
        {"56", "1", "", "", "", "none"},
        {"151", "11", "", "", "", "moduleType-1394"},
    };
    for (const QStringList &row : rows)
        portInfo.addTopLevelItem(new QTreeWidgetItem(row));
    EXPECT_EQ(ModuleTypesOf(portInfo, "1"),
              (QStringList{"moduleType-BaseModule-24PORT", "moduleType-MGBIC", "none"}));
    EXPECT_EQ(ModuleTypesOf(portInfo, "2"), QStringList{"moduleType-1000T"});
    EXPECT_TRUE(ModuleTypesOf(portInfo, "3").isEmpty());
}

} // namespace
