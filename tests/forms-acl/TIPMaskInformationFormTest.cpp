// The IP mask window against the simulator: the columns each combination of
// mask state, protocol and options selects, what Set, Add and Delete leave
// on the agent, and the input checks.
#include "TIPMaskInformationForm.h"
#include "AclFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace acl_test;

namespace {

const QString kIp = QStringLiteral("1.3.6.1.4.1.47893.11.5.1.2.1");

using C = TIPMaskInformationForm::Column;

class IpMaskFormTest : public AclSimTest
{
protected:
    QString Column(int suffix, const QString &row = QStringLiteral("1"))
    {
        return GetHex(*sim_, kIp + QStringLiteral(".%1.").arg(suffix) + row);
    }

    static QList<int> Excluded(TIPMaskInformationForm &form, bool add)
    {
        form.SaveColumnAccess();
        if (add)
            form.AddSelection();
        else
            form.SetSelection();
        QList<int> columns;
        for (int column = 0; column <= C::ColRowStatus; ++column)
            if (form.IsExcluded(column))
                columns << column;
        form.RestoreColumnAccess();
        return columns;
    }
};

} // namespace

TEST_F(IpMaskFormTest, OpensIdleWithThePresetsAndTheFlagBitHidden)
{
    TIPMaskInformationForm form(nullptr, &state_);
    form.show();
    EXPECT_EQ(form.windowTitle(), "IP Mask MaskInformation :127.0.0.1");
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_FALSE(form.TCPFlagBitOptionComBo->isVisible());
    EXPECT_FALSE(form.TCPFlagBitOptionLabel->isVisible());
    EXPECT_TRUE(form.TCPFlagBitMaskEdit->isVisible());
    EXPECT_EQ(form.UseVlanComBo->currentText(), "disabled");
    EXPECT_EQ(form.UseProTypeComBo->currentText(), "none");
    EXPECT_EQ(form.IGMPOptionComBo->currentText(), "disable");
    EXPECT_EQ(form.ProOptionComBo->currentText(), "disable");
    EXPECT_EQ(form.RowStatusComBo->currentText(), "active");
    EXPECT_FALSE(form.SetBtn->isEnabled());
    EXPECT_TRUE(form.BT_Add->isEnabled());
    EXPECT_FALSE(form.BT_Delete->isEnabled());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(IpMaskFormTest, EachCombinationSelectsItsColumns)
{
    struct Case
    {
        const char *Name;
        bool Add;
        const char *MaskState;
        const char *Protocol;
        int IcmpItem;
        const char *Tcp;
        const char *Udp;
        int ProtocolIdOptionItem;
        QStringList Texts; // source, destination, source port, destination port, flag bits, protocol ID
        bool Port;
        QList<int> Excluded;
    };
    const QStringList full = {"255.0.0.0", "255.255.0.0", "FFFF", "FF00", "3", "FF"};
    const Case cases[] = {
        {"add tcp src-addr",
         true,
         "other",
         "tcp",
         0,
         "src-addr",
         "other",
         1,
         {"", "", "FFFF", "", "", ""},
         false,
         {3, 4, 7, 8, 10, 12, 13, 14, 15, 16, 17}},
        {"set none",
         false,
         "dst-src-ip-addr",
         "none",
         0,
         "other",
         "other",
         1,
         full,
         false,
         {7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"set icmp without option",
         false,
         "dst-ip-addr",
         "icmp",
         0,
         "other",
         "other",
         1,
         full,
         false,
         {3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"set icmp type",
         false,
         "src-ip-addr",
         "icmp",
         1,
         "other",
         "other",
         1,
         full,
         false,
         {4, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"set igmp",
         false,
         "other",
         "igmp",
         0,
         "other",
         "other",
         1,
         full,
         false,
         {3, 4, 7, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"set tcp dst-src",
         false,
         "dst-src-ip-addr",
         "tcp",
         0,
         "dst-src-addr",
         "other",
         1,
         full,
         false,
         {7, 8, 10, 13, 15, 16}},
        {"set udp dst-addr",
         false,
         "dst-src-ip-addr",
         "udp",
         0,
         "other",
         "dst-addr",
         1,
         full,
         false,
         {7, 8, 9, 11, 13, 14, 15, 16}},
        {"set protocolId enabled",
         false,
         "dst-src-ip-addr",
         "protocolId",
         0,
         "other",
         "other",
         0,
         full,
         false,
         {7, 8, 9, 10, 11, 12, 13, 14}},
        {"set protocolId disabled",
         false,
         "dst-src-ip-addr",
         "protocolId",
         0,
         "other",
         "other",
         1,
         full,
         false,
         {7, 8, 9, 10, 11, 12, 13, 14, 16}},
        {"add udp with a port",
         true,
         "dst-src-ip-addr",
         "udp",
         0,
         "other",
         "src-addr",
         1,
         full,
         true,
         {7, 8, 9, 12, 13, 14, 15, 16}},
    };
    TIPMaskInformationForm form(nullptr, &state_);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        form.IpAddMaskStateComboBox->setCurrentText(QString::fromLatin1(c.MaskState));
        form.UseProTypeComBo->setCurrentText(QString::fromLatin1(c.Protocol));
        form.ICMPOptionComBo->setCurrentIndex(c.IcmpItem);
        form.TCPOptionComBo->setCurrentText(QString::fromLatin1(c.Tcp));
        form.UDPOptionComBo->setCurrentText(QString::fromLatin1(c.Udp));
        form.ProOptionComBo->setCurrentIndex(c.ProtocolIdOptionItem);
        const QList<QLineEdit *> edits = {form.IpAddMaskSrcEdit,   form.IpAddMaskDstEdit,
                                          form.TCPUDPSrcMaskEdit,  form.TCPUDPDstPortMaskEdit,
                                          form.TCPFlagBitMaskEdit, form.ProIDMaskEdit};
        for (int i = 0; i < edits.size(); ++i)
            edits[i]->setText(c.Texts[i]);
        form.PortGrid->PortBoxes[0]->setChecked(c.Port);
        EXPECT_EQ(Excluded(form, c.Add), c.Excluded);
        // The access bits are back after the selection.
        for (int column = 0; column <= C::ColRowStatus; ++column)
            EXPECT_FALSE(form.IsExcluded(column)) << column;
    }
}

TEST_F(IpMaskFormTest, AddWritesTheSelectedColumnsAndLeavesTheRestToTheAgent)
{
    TIPMaskInformationForm form(nullptr, &state_);
    form.IPIDEdit->setText("20");
    form.UseProTypeComBo->setCurrentText("tcp");
    form.TCPOptionComBo->setCurrentText("src-addr");
    form.TCPUDPSrcMaskEdit->setText("FFF0");
    form.RowStatusComBo->setCurrentIndex(TIPMaskInformationForm::CreateAndGoItem);
    form.BT_Add->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1", "20"}));
    EXPECT_EQ(Column(19, "20"), "1");
    EXPECT_EQ(Column(7, "20"), "4");
    EXPECT_EQ(Column(10, "20"), "3");
    EXPECT_EQ(Column(12, "20"), "FF F0");
    // No box checked: the agent's port list stays as it makes it.
    EXPECT_EQ(Column(18, "20"), PortListHex({}, true));
    EXPECT_TRUE(form.IPIDEdit->text().isEmpty());
    EXPECT_EQ(form.TCPOptionComBo->currentIndex(), 0);
}

TEST_F(IpMaskFormTest, SetLeavesTheUnselectedColumnsOnTheAgentAsTheyWere)
{
    // Row 1: dst-ip-addr, tcp with dst-addr; give it a source mask and
    // port masks the window must not overwrite.
    Set(*sim_, {kIp + ".4.1", "a", "10.0.0.0", kIp + ".12.1", "x", "1234", kIp + ".15.1", "i", "9"});
    TIPMaskInformationForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    EXPECT_EQ(form.UseProTypeComBo->currentText(), "tcp");
    form.IpAddMaskSrcEdit->setText("255.255.255.255");
    form.IpAddMaskDstEdit->setText("255.255.255.128");
    form.TCPUDPSrcMaskEdit->setText("ABCD");
    form.TCPUDPDstPortMaskEdit->setText("00FF");
    form.TCPFlagBitMaskEdit->clear();
    form.SetBtn->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_TRUE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
    EXPECT_EQ(Column(4), "10.0.0.0");
    EXPECT_EQ(Column(5), "255.255.255.128");
    EXPECT_EQ(Column(12), "12 34");
    EXPECT_EQ(Column(13), "00 FF");
    EXPECT_EQ(Column(15), "9");
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_FALSE(form.SetBtn->isEnabled());
}

TEST_F(IpMaskFormTest, SetWithDestroyDeletesAfterTheKeyCheck)
{
    TIPMaskInformationForm form(nullptr, &state_);
    form.RowStatusComBo->setCurrentIndex(TIPMaskInformationForm::DestroyItem);
    form.SetBtnClick();
    EXPECT_EQ(messages_, QStringList({"IP Mask ID must be set."}));
    EXPECT_EQ(Column(19), "1");

    messages_.clear();
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    // A value the agent would refuse shows that only the status is sent.
    form.IpAddMaskSrcEdit->setText("not an address");
    form.RowStatusComBo->setCurrentIndex(TIPMaskInformationForm::DestroyItem);
    form.SetBtn->click();
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(Captions(form.ListView1).isEmpty());
    EXPECT_TRUE(Column(19).contains("No Such Instance"));
}

TEST_F(IpMaskFormTest, AddChecksTheKeyAndTheRowStatusBeforeSending)
{
    const RefusedAdd cases[] = {
        {"", 3, "IP Mask ID must be set.", "IPIDEdit"},
        {"1", 3, "There is already a record with the same IP Mask ID. Please modified it.", "IPIDEdit"},
        {"9", 4, "Row Status must be createAndGo.", "RowStatusComBo"},
    };
    TIPMaskInformationForm form(nullptr, &state_);
    form.show();
    for (const RefusedAdd &c : cases) {
        SCOPED_TRACE(c.Message);
        ExpectAddRefused(form, form.IPIDEdit, form.RowStatusComBo, form.BT_Add, c);
        EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    }
}

TEST_F(IpMaskFormTest, ARefusedAddReportsInTheStatusPanelAndKeepsTheRows)
{
    TIPMaskInformationForm form(nullptr, &state_);
    // The agent keeps masks 1 to 255 only.
    form.IPIDEdit->setText("256");
    form.IpAddMaskStateComboBox->setCurrentText("src-ip-addr");
    form.IpAddMaskSrcEdit->setText("255.0.0.0");
    form.RowStatusComBo->setCurrentIndex(TIPMaskInformationForm::CreateAndGoItem);
    form.BT_Add->click();
    EXPECT_FALSE(form.StatusPanel->text().isEmpty());
    EXPECT_FALSE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_TRUE(form.IPIDEdit->text().isEmpty());
    EXPECT_TRUE(form.BT_Add->isEnabled());
}
