// The Ethernet mask window against the simulator: the first read, which
// columns Set and Add send, Delete, the input checks and failed requests.
#include "TEthernetMaskInformationForm.h"
#include "AclFixture.h"
#include "KtSNMPRequest2Edits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

using namespace acl_test;

namespace {

const QString kEther = QStringLiteral("1.3.6.1.4.1.47893.11.5.1.1.1");

class EthernetMaskFormTest : public AclSimTest
{
protected:
    QString Column(int suffix, const QString &row = QStringLiteral("1"))
    {
        return GetHex(*sim_, kEther + QStringLiteral(".%1.").arg(suffix) + row);
    }
};

} // namespace

TEST_F(EthernetMaskFormTest, OpensIdleWithTheTableAndTheDeviceInTheCaption)
{
    TEthernetMaskInformationForm form(nullptr, &state_);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Ethernet Mask Information :127.0.0.1");
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_FALSE(form.SetBtn->isEnabled());
    EXPECT_TRUE(form.AddBtn->isEnabled());
    EXPECT_FALSE(form.BT_Delete->isEnabled());
    EXPECT_TRUE(form.IDEdit->isEnabled());
    EXPECT_EQ(form.MacMaskStateComBo->count(), 4);
    EXPECT_EQ(form.RowStatusComBo->itemText(3), "createAndGo");
    EXPECT_EQ(form.PortGrid->PortBoxes.size(), 728);
    EXPECT_TRUE(form.IDEdit->text().isEmpty());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();

    // A row click fills the editors and turns the buttons round.
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    EXPECT_EQ(form.IDEdit->text(), "1");
    EXPECT_EQ(form.MacMaskStateComBo->currentText(), "dst-src-mac-addr");
    EXPECT_TRUE(form.SetBtn->isEnabled());
    EXPECT_FALSE(form.AddBtn->isEnabled());
    EXPECT_TRUE(form.BT_Delete->isEnabled());
    EXPECT_FALSE(form.IDEdit->isEnabled());
}

TEST_F(EthernetMaskFormTest, SetSendsOnlyTheMacMasksTheMaskStateUses)
{
    struct Case
    {
        const char *State;
        bool SourceSent;
        bool DestinationSent;
        const char *StateValue;
    };
    const Case cases[] = {
        {"other", false, false, "1"},
        {"dst-mac-addr", false, true, "2"},
        {"src-mac-addr", true, false, "3"},
        {"dst-src-mac-addr", true, true, "4"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.State);
        Set(*sim_, {kEther + ".4.1", "x", "111111111111", kEther + ".5.1", "x", "222222222222"});
        TEthernetMaskInformationForm form(nullptr, &state_);
        ASSERT_TRUE(SelectRow(form.ListView1, "1"));
        form.MacMaskStateComBo->setCurrentText(QString::fromLatin1(c.State));
        form.MacAddMaskSourceEdit->setText("AABBCCDDEEFF");
        form.MacMaskDstEdit->setText("010203040506");
        form.SetBtn->click();
        EXPECT_EQ(Column(4), c.SourceSent ? "AA BB CC DD EE FF" : "11 11 11 11 11 11");
        EXPECT_EQ(Column(5), c.DestinationSent ? "01 02 03 04 05 06" : "22 22 22 22 22 22");
        EXPECT_EQ(Column(3), QString::fromLatin1(c.StateValue));
        // Every column is read again; the window is idle and cleared.
        EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
        EXPECT_FALSE(form.SetBtn->isEnabled());
        EXPECT_TRUE(form.IDEdit->text().isEmpty());
        EXPECT_TRUE(form.StatusPanel->text().contains("Get")) << form.StatusPanel->text().toStdString();
        ASSERT_TRUE(SelectRow(form.ListView1, "1"));
        EXPECT_EQ(form.MacMaskStateComBo->currentText(), QString::fromLatin1(c.State));
        EXPECT_EQ(form.MacMaskDstEdit->text().isEmpty(), false);
    }
}

// A mask read with every bit set (the pages of absent units and the absent
// ports of present ones included) is written back with only the ports the
// grid shows: unticking one port sends the others, and no bit of a port the
// switch does not have.
TEST_F(EthernetMaskFormTest, ASetWritesNoBitOfAnAbsentUnitOrPort)
{
    Set(*sim_, {kEther + ".8.1", "x", QString(QStringLiteral("FF")).repeated(91)});
    TEthernetMaskInformationForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    EXPECT_FALSE(form.PortGrid->PortBoxes[0]->isChecked());  // the absent master unit
    EXPECT_FALSE(form.PortGrid->PortBoxes[68]->isChecked()); // unit 1 has 12 ports
    ASSERT_TRUE(form.PortGrid->PortBoxes[56]->isChecked());
    form.PortGrid->PortBoxes[56]->setChecked(false);
    sim_->Sets().Clear();
    form.SetBtn->click();
    QList<int> shown;
    for (int bit : {57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67})
        shown << bit;
    for (int bit = 112; bit <= 137; ++bit)
        shown << bit;
    for (int bit = 168; bit <= 217; ++bit)
        shown << bit;
    const QString expected = PortListHex(shown).remove(' ');
    QStringList written;
    for (const QgSetPdu &pdu : sim_->Sets().Read())
        for (const QgSetBinding &binding : pdu.Bindings)
            if (binding.Oid == kEther + ".8.1")
                written << binding.Value;
    EXPECT_EQ(written, QStringList{expected}) << sim_->Sets().Describe().toStdString();
    EXPECT_EQ(Column(8), PortListHex(shown));
}

TEST_F(EthernetMaskFormTest, SetWithDestroySendsOnlyTheRowStatusAndDeletesTheRow)
{
    TEthernetMaskInformationForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    // Values the agent would refuse show that nothing but the status is sent.
    form.MacAddMaskSourceEdit->setText("AB");
    form.RowStatusComBo->setCurrentIndex(TEthernetMaskInformationForm::DestroyItem);
    form.SetBtn->click();
    EXPECT_TRUE(Captions(form.ListView1).isEmpty());
    EXPECT_TRUE(Column(9).contains("No Such Instance")) << Column(9).toStdString();
}

TEST_F(EthernetMaskFormTest, AddSendsThePortListOnlyWhenAPortIsChecked)
{
    TEthernetMaskInformationForm form(nullptr, &state_);
    form.IDEdit->setText("7");
    form.MacMaskStateComBo->setCurrentText("src-mac-addr");
    form.MacAddMaskSourceEdit->setText("00FF00FF00FF");
    form.MacMaskDstEdit->setText("bad");
    form.RowStatusComBo->setCurrentText("createAndGo");
    form.AddBtn->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1", "7"}));
    EXPECT_EQ(Column(9, "7"), "1");
    EXPECT_EQ(Column(4, "7"), "00 FF 00 FF 00 FF");
    EXPECT_EQ(Column(5, "7"), "00 00 00 00 00 00");
    // No box checked: the agent's own port list stays.
    EXPECT_EQ(Column(8, "7"), PortListHex({}, true));

    form.IDEdit->setText("8");
    form.MacMaskStateComBo->setCurrentText("other");
    form.PortGrid->PortBoxes[56]->setChecked(true);
    form.PortGrid->PortBoxes[113]->setChecked(true);
    form.AddBtn->click();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1", "7", "8"}));
    EXPECT_EQ(Column(8, "8"), PortListHex({56, 113}));
    EXPECT_TRUE(form.IDEdit->text().isEmpty());
    EXPECT_FALSE(form.PortGrid->PortBoxes[56]->isChecked());
}

TEST_F(EthernetMaskFormTest, AddChecksTheKeyAndTheRowStatusBeforeSending)
{
    const RefusedAdd cases[] = {
        {"", 3, "Ethernet Mask ID must be set.", "IDEdit"},
        {"1", 3, "There is already a record with the same Ethernet Mask ID. Please modified it.", "IDEdit"},
        {"9", 0, "Row Status must be createAndGo.", "RowStatusComBo"},
    };
    TEthernetMaskInformationForm form(nullptr, &state_);
    form.show();
    for (const RefusedAdd &c : cases) {
        SCOPED_TRACE(c.Message);
        ExpectAddRefused(form, form.IDEdit, form.RowStatusComBo, form.AddBtn, c);
        EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
        EXPECT_EQ(form.IDEdit->text(), QString::fromLatin1(c.Id));
    }
    EXPECT_TRUE(Column(9, "9").contains("No Such Instance"));

    messages_.clear();
    form.IDEdit->clear();
    form.SetBtnClick();
    EXPECT_EQ(messages_, QStringList({"Ethernet Mask ID must be set."}));
}

TEST_F(EthernetMaskFormTest, DeleteSendsTheDestroyStatusOfTheSelectedRow)
{
    Set(*sim_, {kEther + ".9.5", "i", "4"});
    TEthernetMaskInformationForm form(nullptr, &state_);
    ASSERT_EQ(Captions(form.ListView1), QStringList({"1", "5"}));
    ASSERT_TRUE(SelectRow(form.ListView1, "5"));
    form.MacMaskDstEdit->setText("zz");
    form.BT_Delete->click();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_TRUE(Column(9, "5").contains("No Such Instance"));
    EXPECT_EQ(Column(9, "1"), "1");
    EXPECT_FALSE(form.BT_Delete->isEnabled());
}

TEST_F(EthernetMaskFormTest, ARefusedAddKeepsTheRowsAndReportsInTheStatusPanel)
{
    TEthernetMaskInformationForm form(nullptr, &state_);
    // The agent keeps masks 1 to 255 only.
    form.IDEdit->setText("256");
    form.MacMaskStateComBo->setCurrentText("other");
    form.RowStatusComBo->setCurrentText("createAndGo");
    form.PortGrid->PortBoxes[58]->setChecked(true);
    form.AddBtn->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_FALSE(form.StatusPanel->text().isEmpty());
    EXPECT_FALSE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_TRUE(form.AddBtn->isEnabled());
    EXPECT_TRUE(form.IDEdit->text().isEmpty());
    EXPECT_FALSE(form.PortGrid->PortBoxes[58]->isChecked());

    // The access bits are back: the next write sends every column again.
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    form.MacAddMaskSourceEdit->setText("0A0B0C0D0E0F");
    form.MacMaskDstEdit->setText("0F0E0D0C0B0A");
    form.SetBtn->click();
    EXPECT_EQ(Column(4), "0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(Column(5), "0F 0E 0D 0C 0B 0A");
}

TEST_F(EthernetMaskFormTest, ASilentAgentLeavesTheWindowOpenAndIdle)
{
    SilenceAgent();
    KtSNMPDefaults.TimeOut = 20;
    TEthernetMaskInformationForm form(nullptr, &state_);
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.StatusPanel->text().isEmpty());
    EXPECT_TRUE(form.AddBtn->isEnabled());
    form.BT_Get->click();
    EXPECT_FALSE(form.StatusPanel->text().isEmpty());
    form.close();
}
