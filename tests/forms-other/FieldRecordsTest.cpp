// The windows built from field records, as the user sees them: each caption
// beside its control, in order, and the variable each control is bound to.
// Pinned so that a caption cannot move away from its variable.
#include "KtDeviceState.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSimSuite.h"
#include "QgUnitRows.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "TEquipmentBasicInfoForm.h"
#include "TEthernetInformationRuleForm.h"
#include "TEthernetMaskInformationForm.h"
#include "TGARPForm.h"
#include "TMulticastFilterInformationForm.h"
#include "TPBridgeConfigForm.h"
#include "TSSLManagementForm.h"
#include "TSTP_Info.h"
#include "TServerInformationForm.h"
#include "TSpanningTreeAlgorithmForm.h"
#include "TUnicastFilterInformationForm.h"
#include "TVLanGeneralInfoForm.h"
#include "TVLanPortInfomationForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// A control by its object name, "(ro)" after a read-only edit box; a caption
// by its text.
QString Cell(const QLayoutItem *item)
{
    const QWidget *widget = item ? item->widget() : nullptr;
    if (!widget)
        return {};
    if (widget->objectName().isEmpty()) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        return label ? label->text() : QStringLiteral("?");
    }
    const auto *edit = qobject_cast<const QLineEdit *>(widget);
    return QLatin1Char('#') + widget->objectName() +
           (edit && edit->isReadOnly() ? QStringLiteral(" (ro)") : QString());
}

// One line per row of the window's form and grid layouts, its cells joined
// by " | ".
QStringList Rows(const QWidget &window)
{
    QStringList rows;
    for (const QLayout *layout : window.findChildren<QLayout *>()) {
        if (const auto *form = qobject_cast<const QFormLayout *>(layout)) {
            for (int row = 0; row < form->rowCount(); ++row)
                rows << Cell(form->itemAt(row, QFormLayout::LabelRole)) + " | " +
                            Cell(form->itemAt(row, QFormLayout::FieldRole));
        } else if (const auto *grid = qobject_cast<const QGridLayout *>(layout)) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < grid->columnCount(); ++column)
                    cells << Cell(grid->itemAtPosition(row, column));
                while (!cells.isEmpty() && cells.last().isEmpty())
                    cells.removeLast();
                if (!cells.isEmpty())
                    rows << cells.join(" | ");
            }
        }
    }
    return rows;
}

// For a window placed by coordinates: "caption | #control x,y" for each
// control bound, the caption being the label left of the control on its line.
QStringList PlacedRows(const QWidget &window, const KtSNMPRequest2Edits *binding)
{
    QStringList rows;
    for (const auto &bound : binding->Bindings) {
        const QWidget *control = bound->Controls.value(0);
        const QRect place = control->geometry();
        QString caption;
        for (const QLabel *label : window.findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
            const QRect at = label->geometry();
            if (at.right() < place.left() && at.center().y() >= place.top() &&
                at.center().y() <= place.bottom())
                caption = label->text();
        }
        rows << QStringLiteral("%1 | #%2 %3,%4")
                    .arg(caption, control->objectName())
                    .arg(place.x())
                    .arg(place.y());
    }
    return rows;
}

// "variable #control" for each control bound, in binding order; "variable
// ports" for the check boxes of a unit/port grid.
QStringList Bound(std::initializer_list<const KtSNMPRequest2Edits *> bindings)
{
    QStringList bound;
    for (const KtSNMPRequest2Edits *binding : bindings)
        for (const auto &control : binding->Bindings)
            bound << QStringLiteral("%1 %2")
                         .arg(control->Item)
                         .arg(control->IsCheckBoxGroup()
                                  ? QStringLiteral("ports")
                                  : QLatin1Char('#') + control->Controls.value(0)->objectName());
    return bound;
}

class FieldRecordsTest : public QgSimSuite
{
};

TEST_F(FieldRecordsTest, VLanGeneralInformation)
{
    TVLanGeneralInfoForm form;
    ASSERT_TRUE(WaitIdle(form.ScalarBinding));
    EXPECT_EQ(Rows(form),
              QStringList({"VLAN Version Number | #VlanVersionNumber", "Max VLAN ID | #MaxVlanId",
                           "Max Supported VLANs | #MaxSupportedVlans",
                           "Current Number Of VLANs | #CurrentNumOfVlans", "GVRP Status | #GvrpStatus"}));
    EXPECT_EQ(Bound({form.ScalarBinding}),
              QStringList({"0 #VlanVersionNumber", "1 #MaxVlanId", "2 #MaxSupportedVlans",
                           "3 #CurrentNumOfVlans", "4 #GvrpStatus"}));
    EXPECT_EQ(form.VlanVersionNumber->frameShape(), QFrame::Panel);
}

TEST_F(FieldRecordsTest, PBridgeConfiguration)
{
    TPBridgeConfigForm form;
    ASSERT_TRUE(WaitIdle(form.CapabilitiesBinding));
    ASSERT_TRUE(WaitIdle(form.TrafficClassesBinding));
    EXPECT_EQ(Rows(form), QStringList({"Device Capabilities | #Edit_DeviceCapabilities",
                                       "Traffic Classes State | #TrafficClassesState"}));
    EXPECT_EQ(Bound({form.CapabilitiesBinding}), QStringList({"0 #Edit_DeviceCapabilities"}));
    EXPECT_EQ(Bound({form.TrafficClassesBinding}), QStringList({"0 #TrafficClassesState"}));
}

TEST_F(FieldRecordsTest, GarpTimers)
{
    TGARPForm form;
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(Rows(form),
              QStringList({"GARP Join Time           (0....2147483647) | #GarpJoinTime | Centiseconds",
                           "GARP Leave Time       (0....2147483647) | #GarpLeaveTime | Centiseconds",
                           "GARP Leave All Time   (0....2147483647) | #GarpLeaveAllTime | Centiseconds"}));
    EXPECT_EQ(Bound({form.TableBinding}),
              QStringList({"1 #GarpJoinTime", "2 #GarpLeaveTime", "3 #GarpLeaveAllTime"}));
    EXPECT_EQ(form.GarpJoinTime->maxLength(), 10);
}

TEST_F(FieldRecordsTest, VLanPortInformation)
{
    TVLanPortInfomationForm form;
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(Rows(form),
              QStringList({"Port VLAN ID | #PortVLanID", "Acceptable Frame Types | #AcceptableFrameTypes",
                           "Ingress Filtering | #IngressFiltering", "GVRP Status | #GvrpStatus"}));
    EXPECT_EQ(Bound({form.TableBinding}), QStringList({"1 #PortVLanID", "2 #AcceptableFrameTypes",
                                                       "3 #IngressFiltering", "4 #GvrpStatus"}));
}

TEST_F(FieldRecordsTest, SpanningTreeAlgorithm)
{
    TSpanningTreeAlgorithmForm form;
    form.WaitIdle();
    EXPECT_EQ(Bound({form.Binding.get()}), QStringList({"0 #ComboBox1"}));
    const auto scaled = &TBindingForm::Scaled;
    EXPECT_EQ(
        PlacedRows(form, form.Binding.get()),
        QStringList(
            {QStringLiteral("Spanning Tree Algorithm | #ComboBox1 %1,%2").arg(scaled(170)).arg(scaled(16))}));
}

TEST_F(FieldRecordsTest, SpanningTreeControl)
{
    KtDeviceState state;
    TSTP_Info form(nullptr, &state);
    EXPECT_EQ(
        PlacedRows(form, form.EditBinding.get()),
        QStringList(
            {"STP Version | #Combo_STPVersion 200,14", "Maxi Age (600-4000) | #ET_AgingTime 200,44",
             "Hello Time(100-1000) | #ET_HelloTime 200,74",
             "Forward Delay(400-3000) | #ET_ForwardDelay 200,104", "Max Hops[1-20] | #ET_Priority 200,134",
             "TX Hold Count (1-10) | #ED_TxHoldCount 200,164", "Forwarding BPDU | #Combo_BPDU 200,194"}));
    EXPECT_EQ(Bound({form.EditBinding.get()}),
              QStringList({"0 #Combo_STPVersion", "1 #ET_AgingTime", "2 #ET_HelloTime", "3 #ET_ForwardDelay",
                           "4 #ET_Priority", "5 #ED_TxHoldCount", "6 #Combo_BPDU"}));
    EXPECT_EQ(form.ET_AgingTime->maxLength(), 4);
}

TEST_F(FieldRecordsTest, EquipmentBasicInformationShowsCaptionsInItsOwnOrder)
{
    TEquipmentBasicInfoForm form;
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(Rows(form), QStringList({"Equipment Capacity | #Edit1", "Max Supported Units | #Edit2 (ro)",
                                       "Number Of Unit | #Edit3 (ro)", "Stacking Version | #Edit4 (ro)"}));
    EXPECT_EQ(Bound({form.Binding.get()}), QStringList({"2 #Edit2", "3 #Edit3", "1 #Edit4"}));
    EXPECT_EQ(form.Edit1->text(), "Redundant Power and Stacking");
}

TEST_F(FieldRecordsTest, SSLManagement)
{
    TSSLManagementForm form;
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(Rows(form), QStringList({"SSL Version 3 | #cbxSSLVersion", "TLS Version 1 | #cbxTLSVersion",
                                       "RSA-with-RC4-128-MD5 | #cbxciphersuites1",
                                       "RSA-with-3DES-EDE-CBC-SHA | #cbxciphersuites2",
                                       "DHE-DSS-with-3DES-EDE-CBC-SHA | #cbxciphersuites3",
                                       "RSA-EXPORT-with-RC4-40-MD5 | #cbxciphersuites4"}));
    EXPECT_EQ(Bound({form.Binding.get()}),
              QStringList({"0 #cbxSSLVersion", "1 #cbxTLSVersion", "2 #edtciphersuites"}));
    EXPECT_TRUE(form.edtciphersuites->isHidden());
}

TEST_F(FieldRecordsTest, StaticFilterEditors)
{
    KtDeviceState state;
    state.SetUnitRows(QgUnitRows({{"1", "12", "QG2312"}}));
    TUnicastFilterInformationForm unicast(nullptr, &state);
    TMulticastFilterInformationForm multicast(nullptr, &state);
    ASSERT_TRUE(WaitIdle(unicast.TableBinding));
    ASSERT_TRUE(WaitIdle(multicast.TableBinding));
    EXPECT_EQ(Rows(unicast),
              QStringList({"VID | #ED_UnicastVID", "MAC  Address | #UnicastAddress", "Status | #UStatus"}));
    EXPECT_EQ(Bound({unicast.TableBinding}),
              QStringList({"0 #ED_UnicastVID", "1 #UnicastAddress", "3 ports", "4 #UStatus"}));
    EXPECT_EQ(Rows(multicast),
              QStringList({"VID | #ED_MulticastVID", "MAC Address | #ED_MACAddress", "Status | #Status"}));
    EXPECT_EQ(Bound({multicast.TableBinding}),
              QStringList({"0 #ED_MulticastVID", "1 #ED_MACAddress", "5 #Status", "3 ports", "4 ports"}));
    EXPECT_EQ(unicast.ED_UnicastVID->maxLength(), multicast.ED_MulticastVID->maxLength());
}

TEST_F(FieldRecordsTest, AccessProfileRuleAndMaskEditors)
{
    TEthernetInformationRuleForm rule;
    EXPECT_EQ(
        Rows(rule),
        QStringList({
            " | Mask ID | #MaskIDEdit |  | Access ID | #AccessEdit",
            "#cbxVlan | Vlan Rule | #VlanRuleEdit | #cbxSource | Source MAC Address Rule | #SourceMACEdit",
            "#cbxDestination | Destination MAC Address Rule | #DestMACEdit | #cbxIEEE802dot1P | 8021P "
            "Rule | #IEEE8021pEdit",
            "#cbxEtherType | Ethernet Type Rule | #EthTypeEdit | #cbxEnablePriority | Enable Priority "
            "Rule | #EnablePriorityComboBox",
            "#cbxPriority | Priority Rule | #PriorityEdit | #cbxReplacePriority | Replace Priority "
            "Rule | #ReplacePriorityComboBox",
            "#cbxEnableReplace | Enable Replace DSCP Rule | #EnableReplDSCPComboBox | #cbxRuleReplace | "
            "Replace DSCP | #ReplDSCPEdit",
            "#cbxPermit | Permit | #PermitComboBox | #cbxRow | Row Status Rule | #RowComboBox",
        }));
    TEthernetMaskInformationForm mask;
    EXPECT_EQ(Rows(mask),
              QStringList({"Ethernet Mask ID | #IDEdit", "Use Vlan | #UseVLanComBo",
                           "Mac Address Mask State | #MacMaskStateComBo",
                           "Mac Address Mask Source | #MacAddMaskSourceEdit",
                           "Mac Address Mask Destination | #MacMaskDstEdit", "Use 8021p | #Use8021pComBo",
                           "Use Ethernet Type | #UseEthTypeCombo", "Row Status | #RowStatusComBo"}));
}

TEST_F(FieldRecordsTest, ServerInformationEditors)
{
    TServerInformationForm form;
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(Rows(form), QStringList({"Server IP | #IPEdit", "Server AuthProtocol | #ProtocolComboBox",
                                       "Server AuthPort | #PortEdit", "Server AuthKey | #KeyEdit",
                                       "Server Timeout | #TimeoutEdit", "Server RetryCount | #RetryCEdit",
                                       "Server RowStatus | #RowComboBox"}));
    EXPECT_EQ(Bound({form.Binding.get()}),
              QStringList({"0 #IPEdit", "1 #ProtocolComboBox", "2 #PortEdit", "3 #KeyEdit", "4 #TimeoutEdit",
                           "5 #RetryCEdit", "6 #RowComboBox"}));
    EXPECT_EQ(form.KeyEdit->maxLength(), 254);
}

} // namespace
