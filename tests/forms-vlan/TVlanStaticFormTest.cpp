// The static VLAN window against the simulator: the first read, creating,
// changing and destroying VLANs through the port grids, rows whose port
// lists are short, and failures that leave the window usable.
#include "TVlanStaticForm.h"
#include "KtCatalogue.h"
#include "KtSNMPRequest2Edits.h"
#include "VlanFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace vlan_test;

namespace {

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");

class VlanStaticFormTest : public VlanSimTest
{
protected:
    void SetUp() override
    {
        VlanSimTest::SetUp();
        // The simulator's stack: units 1 to 3.
        SetUnits({{"1", "12", "QG2312"}, {"2", "26", "QF1824"}, {"3", "50", "QL2448"}});
    }

    std::unique_ptr<TVlanStaticForm> Open()
    {
        auto form = std::make_unique<TVlanStaticForm>(nullptr, &state_);
        form->show();
        EXPECT_TRUE(WaitIdle(form->TableBinding.get()));
        EXPECT_TRUE(WaitIdle(form->NextIndexBinding.get()));
        return form;
    }

    // Selects the list row of a VLAN ID as a click does; false if absent.
    static bool SelectVlan(TVlanStaticForm &form, const QString &vlan)
    {
        return SelectRow(form.LV_dot1qVlanStaticEntry, vlan);
    }

    static QStringList VlanIds(const TVlanStaticForm &form) { return Captions(form.LV_dot1qVlanStaticEntry); }

    void Destroy(const QString &vlan) { Set(*sim_, {kStatic + ".5." + vlan, "i", "6"}); }
};

} // namespace

TEST_F(VlanStaticFormTest, OpensWithTheTableTheNextFreeIndexAndDeleteDisabled)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "VLAN Static Form");
    EXPECT_EQ(VlanIds(*form), QStringList({"1"}));
    EXPECT_EQ(form->ST_Count2->text(), "1");
    // An index of 0 (no free index known) shows as the number.
    EXPECT_EQ(form->NextFreeLocalVlanIndex->text(), "0");
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    QStringList pages;
    for (int page = 0; page < form->PortPageControl->count(); ++page)
        pages << form->PortPageControl->tabText(page);
    EXPECT_EQ(pages, QStringList({"Egress ports", "Forbidden Egress Ports", "Untagged Ports"}));
    EXPECT_EQ(form->Status->count(), 6);
    EXPECT_EQ(form->Status->itemText(TVlanStaticForm::CreateAndGoItem), "CreateAndGo");
    EXPECT_EQ(form->Status->itemText(TVlanStaticForm::DestroyItem), "Destroy");
    EXPECT_EQ(form->LV_dot1qVlanStaticEntry->columnCount(), 6);
    EXPECT_TRUE(form->Memo1->isReadOnly());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(VlanStaticFormTest, SelectingARowFillsTheEditorsAndEveryGridAndEnablesDelete)
{
    auto form = Open();
    ASSERT_TRUE(SelectVlan(*form, "1"));
    EXPECT_EQ(form->ED_VLANID->text(), "1");
    EXPECT_EQ(form->ED_VLANName->text(), "default");
    EXPECT_EQ(form->Status->currentText(), "Active");
    const QList<int> allPorts = Range(56, 67) + Range(112, 137) + Range(168, 217);
    EXPECT_EQ(CheckedBoxes(form->EgressGrid), allPorts);
    EXPECT_TRUE(CheckedBoxes(form->ForbiddenGrid).isEmpty());
    EXPECT_EQ(CheckedBoxes(form->UntaggedGrid), allPorts);
    EXPECT_TRUE(form->DeleteBtn->isEnabled());

    // Taking the selection away clears everything and disables Delete.
    form->LV_dot1qVlanStaticEntry->clearSelection();
    EXPECT_TRUE(form->ED_VLANID->text().isEmpty());
    EXPECT_TRUE(form->ED_VLANName->text().isEmpty());
    EXPECT_TRUE(form->Status->currentText().isEmpty());
    for (TStackingPortUitForm *grid : {form->EgressGrid, form->ForbiddenGrid, form->UntaggedGrid})
        EXPECT_TRUE(CheckedBoxes(grid).isEmpty());
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
}

TEST_F(VlanStaticFormTest, AddWritesEveryPortListInFullWithTheCheckedBitsOnly)
{
    struct Case
    {
        const char *Vlan;
        QList<UnitRow> Units;
        QList<int> Egress;
        QList<int> Forbidden;
        QList<int> Untagged;
    };
    const Case cases[] = {
        // A stand-alone switch (unit 15) with 26 ports: the master page.
        {"100", {{"15", "26", "QG2312"}}, Range(0, 25), {}, Range(0, 25)},
        // Unit 3 with 50 ports: bits 168 to 217.
        {"101", {{"3", "50", "QL2448"}}, {168, 200, 217}, {169}, {217}},
        // Ports of two units at once; nothing checked on one list.
        {"102", {{"1", "12", "QG2312"}, {"2", "26", "QF1824"}}, {56, 67, 112, 137}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Vlan);
        SetUnits(c.Units);
        auto form = Open();
        form->ED_VLANID->setText(QString::fromLatin1(c.Vlan));
        form->ED_VLANName->setText(QStringLiteral("v%1").arg(c.Vlan));
        const std::pair<TStackingPortUitForm *, const QList<int> *> lists[] = {
            {form->EgressGrid, &c.Egress},
            {form->ForbiddenGrid, &c.Forbidden},
            {form->UntaggedGrid, &c.Untagged}};
        for (const auto &[grid, bits] : lists)
            for (int bit : *bits) {
                ASSERT_FALSE(grid->PortBoxes[bit]->isHidden()) << bit;
                QTest::mouseClick(grid->PortBoxes[bit], Qt::LeftButton, {}, QPoint(4, 4));
                ASSERT_TRUE(grid->PortBoxes[bit]->isChecked()) << bit;
            }
        QTest::mouseClick(form->AddBtn, Qt::LeftButton);
        ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
        ASSERT_TRUE(WaitUntil([&] { return VlanIds(*form).contains(QString::fromLatin1(c.Vlan)); }))
            << form->Memo1->toPlainText().toStdString();
        const QString vlan = QString::fromLatin1(c.Vlan);
        EXPECT_EQ(GetValue(*sim_, kStatic + ".1." + vlan), QStringLiteral("v%1").arg(c.Vlan));
        EXPECT_EQ(GetHex(*sim_, kStatic + ".2." + vlan), PortListHex(c.Egress));
        EXPECT_EQ(GetHex(*sim_, kStatic + ".3." + vlan), PortListHex(c.Forbidden));
        EXPECT_EQ(GetHex(*sim_, kStatic + ".4." + vlan), PortListHex(c.Untagged));
        EXPECT_EQ(GetValue(*sim_, kStatic + ".5." + vlan), "1");
        // The editors are cleared after the write, the count follows the list.
        EXPECT_TRUE(form->ED_VLANID->text().isEmpty());
        EXPECT_TRUE(CheckedBoxes(form->EgressGrid).isEmpty());
        EXPECT_EQ(form->ST_Count2->text(),
                  QString::number(form->LV_dot1qVlanStaticEntry->topLevelItemCount()));
        EXPECT_TRUE(form->Memo1->toPlainText().contains("Set:")) << form->Memo1->toPlainText().toStdString();
        Destroy(vlan);
    }
}

TEST_F(VlanStaticFormTest, SetChangesTheSelectedVlanAndDeleteDestroysIt)
{
    ASSERT_TRUE(
        Set(*sim_, {kStatic + ".5.20", "i", "4", kStatic + ".1.20", "s", "twenty"}).contains("INTEGER"));
    auto form = Open();
    ASSERT_TRUE(SelectVlan(*form, "20"));
    form->ED_VLANName->setText(QStringLiteral("renamed"));
    form->UntaggedGrid->PortBoxes[60]->setChecked(true);
    form->EgressGrid->PortBoxes[60]->setChecked(true);
    QTest::mouseClick(form->SetBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    EXPECT_EQ(GetValue(*sim_, kStatic + ".1.20"), "renamed");
    EXPECT_EQ(GetHex(*sim_, kStatic + ".2.20"), PortListHex({60}));
    EXPECT_EQ(GetHex(*sim_, kStatic + ".4.20"), PortListHex({60}));
    EXPECT_EQ(GetValue(*sim_, kStatic + ".5.20"), "1");
    // The read after the write selects VLAN 20 again: Delete stays on.
    EXPECT_TRUE(WaitUntil([&] { return form->DeleteBtn->isEnabled(); }));
    EXPECT_EQ(form->ED_VLANID->text(), "20");
    EXPECT_EQ(form->ED_VLANName->text(), "renamed");

    const QString deletesBefore = GetValue(*sim_, "1.3.6.1.2.1.17.7.1.4.1.0");
    ASSERT_TRUE(WaitUntil([&] { return VlanIds(*form).contains("20"); }));
    ASSERT_TRUE(SelectVlan(*form, "20"));
    ASSERT_TRUE(form->DeleteBtn->isEnabled());
    QTest::mouseClick(form->DeleteBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    EXPECT_TRUE(WaitUntil([&] { return !VlanIds(*form).contains("20"); }));
    EXPECT_TRUE(GetValue(*sim_, kStatic + ".5.20").contains("No Such Instance"));
    EXPECT_EQ(GetValue(*sim_, "1.3.6.1.2.1.17.7.1.4.1.0").toInt(), deletesBefore.toInt() + 1);
    EXPECT_EQ(VlanIds(*form), QStringList({"1"}));
    EXPECT_EQ(form->ST_Count2->text(), "1");
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    // Delete without a selected row writes nothing.
    form->ED_VLANID->setText(QStringLiteral("1"));
    form->DeleteBtnClick();
    EXPECT_EQ(GetValue(*sim_, kStatic + ".5.1"), "1");
}

// A row whose port lists are shorter than the grid (or empty) shows its own
// bits and nothing of the row shown before, and Set writes exactly that;
// bits on the page of a unit the switch does not have are neither shown nor
// written.
TEST_F(VlanStaticFormTest, AShortPortListShowsOnlyItsOwnBitsAndSetWritesThem)
{
    // Nine octets: the absent master unit's page (octet 0) and bits 56 and
    // 65 on unit 1's page; the untagged list is empty.
    ASSERT_TRUE(Set(*sim_, {kStatic + ".5.400", "i", "4", kStatic + ".2.400", "x", "FF0000000000008040",
                            kStatic + ".4.400", "s", ""})
                    .contains("INTEGER"));
    auto form = Open();
    ASSERT_TRUE(SelectVlan(*form, "1"));
    ASSERT_FALSE(CheckedBoxes(form->UntaggedGrid).isEmpty());
    ASSERT_TRUE(SelectVlan(*form, "400"));
    EXPECT_EQ(CheckedBoxes(form->EgressGrid), QList<int>({56, 65}));
    EXPECT_TRUE(CheckedBoxes(form->UntaggedGrid).isEmpty());
    EXPECT_TRUE(CheckedBoxes(form->ForbiddenGrid).isEmpty());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();

    sim_->Sets().Clear();
    QTest::mouseClick(form->SetBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    const std::vector<QgSetPdu> pdus = sim_->Sets().Read();
    ASSERT_EQ(pdus.size(), 1u) << sim_->Sets().Describe().toStdString();
    auto hex = [](const QList<int> &bits) { return PortListHex(bits).remove(' '); };
    EXPECT_EQ(pdus[0].Texts(),
              QStringList({kStatic + ".1.400=octets:", kStatic + ".2.400=octets:" + hex({56, 65}),
                           kStatic + ".3.400=octets:" + hex({}), kStatic + ".4.400=octets:" + hex({}),
                           kStatic + ".5.400=integer:1"}));
    EXPECT_EQ(pdus[0].Error, "noError");
    Destroy("400");
}

// A write the agent refuses keeps what the user typed and chose, so that it
// can be corrected and sent again.
TEST_F(VlanStaticFormTest, AFailedWriteKeepsTheInput)
{
    auto form = Open();
    form->ED_VLANID->setText(QStringLiteral("40"));
    form->ED_VLANName->setText(QStringLiteral("kept, a name much longer than thirty-two octets"));
    form->EgressGrid->PortBoxes[60]->setChecked(true);
    form->Memo1->clear();
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    // The agent refused the row: the memo says so, and no "Ok".
    ASSERT_TRUE(form->Memo1->toPlainText().startsWith("Set:")) << form->Memo1->toPlainText().toStdString();
    ASSERT_FALSE(form->Memo1->toPlainText().contains("Ok!")) << form->Memo1->toPlainText().toStdString();
    EXPECT_EQ(form->ED_VLANID->text(), "40");
    EXPECT_EQ(form->ED_VLANName->text(), "kept, a name much longer than thirty-two octets");
    EXPECT_EQ(CheckedBoxes(form->EgressGrid), QList<int>({60}));
    EXPECT_EQ(form->Status->currentText(), "CreateAndGo");
}

TEST_F(VlanStaticFormTest, AFailedWriteIsReportedInTheMemoAndTheWindowStaysUsable)
{
    auto form = Open();
    struct Case
    {
        const char *Vlan;
        const char *Name;
    };
    // Names longer than the 32 octets the agent takes.
    const Case cases[] = {{"40", "a name much longer than thirty-two octets"},
                          {"4094", "another name longer than thirty-two octets"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Vlan);
        form->Memo1->clear();
        form->ED_VLANID->setText(QString::fromLatin1(c.Vlan));
        form->ED_VLANName->setText(QString::fromLatin1(c.Name));
        form->AddBtnClick();
        ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
        EXPECT_TRUE(form->Memo1->toPlainText().startsWith("Set:"))
            << form->Memo1->toPlainText().toStdString();
        EXPECT_FALSE(form->Memo1->toPlainText().contains("Ok!")) << form->Memo1->toPlainText().toStdString();
        EXPECT_TRUE(GetValue(*sim_, kStatic + ".5." + c.Vlan).contains("No Such"));
    }
    // A VLAN ID that is no VLAN number is refused before anything is sent:
    // "12abc" must not become VLAN 12, nor 70000 reach the agent.
    sim_->Sets().Clear();
    for (const char *vlan :
         {"abc", "", "12abc", "0", "-3", "4095", "5000", "70000", "4294967296", "1 2", "0x10"}) {
        SCOPED_TRACE(vlan);
        messages_.clear();
        form->Memo1->clear();
        form->ED_VLANID->setText(QString::fromLatin1(vlan));
        form->ED_VLANName->setText(QStringLiteral("bad"));
        for (auto click : {&TVlanStaticForm::AddBtnClick, &TVlanStaticForm::SetBtnClick})
            (form.get()->*click)();
        EXPECT_FALSE(form->TableBinding->Busy);
        EXPECT_EQ(messages_, QStringList(2, "VLAN ID must be a whole number from 1 to 4094."));
        EXPECT_TRUE(form->Memo1->toPlainText().isEmpty()) << form->Memo1->toPlainText().toStdString();
        EXPECT_EQ(form->ED_VLANID->text(), QString::fromLatin1(vlan));
    }
    ASSERT_TRUE(sim_->WaitForSets());
    EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
    EXPECT_TRUE(GetValue(*sim_, kStatic + ".5.12").contains("No Such"));
    form->RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    EXPECT_EQ(VlanIds(*form), QStringList({"1"}));
    EXPECT_EQ(form->ST_Count2->text(), "1");
}

// A VLAN name is written in Latin-1, the encoding names are read with: a
// character it cannot carry is refused by name and nothing is sent (it
// used to go out as "?"); one it carries reads back as typed.
TEST_F(VlanStaticFormTest, ANameLatin1CannotCarryIsRefusedByItsCharacter)
{
    StartOwnSim(); // the test adds a VLAN
    auto form = Open();
    own_->Sets().Clear();
    form->ED_VLANID->setText(QStringLiteral("42"));
    form->ED_VLANName->setText(QString::fromUtf8("Büro€"));
    form->Memo1->clear();
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    ASSERT_TRUE(own_->WaitForSets());
    EXPECT_TRUE(own_->Sets().Read().empty()) << own_->Sets().Describe().toStdString();
    EXPECT_TRUE(form->Memo1->toPlainText().startsWith(
        QString::fromUtf8("Set: VLAN Name: The character '€' (U+20AC) cannot be written")))
        << form->Memo1->toPlainText().toStdString();
    EXPECT_EQ(form->ED_VLANName->text(), QString::fromUtf8("Büro€"));

    form->ED_VLANName->setText(QString::fromUtf8("Büro"));
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    ASSERT_TRUE(own_->WaitForSets());
    const std::vector<QgSetPdu> pdus = own_->Sets().Read();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_TRUE(pdus[0].Texts().contains(kStatic + ".1.42=octets:42FC726F"))
        << pdus[0].Texts().join(' ').toStdString();
    EXPECT_EQ(GetHex(*own_, kStatic + ".1.42").remove(' '), "42FC726F");
}

TEST_F(VlanStaticFormTest, AnUnreachableSwitchLeavesStatusLinesAndAnEmptyList)
{
    PointEngineAtNoAgent();
    KtSNMPDefaults.TimeOut = 20;
    auto form = Open();
    EXPECT_EQ(form->ST_Count2->text(), "0");
    const QString memo = form->Memo1->toPlainText();
    EXPECT_EQ(memo.count("Get:"), 2) << memo.toStdString();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    form->done(QDialog::Rejected);
    EXPECT_FALSE(form->TableBinding);
    // Buttons of a closed window do nothing.
    form->RefreshBtnClick();
    form->SetBtnClick();
}

TEST_F(VlanStaticFormTest, RunsModallyOverItsOwnerAndClosesWithItsReadsDone)
{
    QWidget owner;
    auto *form = new TVlanStaticForm(&owner, &state_);
    EXPECT_EQ(form->parentWidget(), &owner);
    QTimer::singleShot(0, form, [form] {
        QTimer::singleShot(0, form, [form] {
            EXPECT_TRUE(form->isModal());
            form->reject();
        });
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_FALSE(form->TableBinding);
    delete form;
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}
