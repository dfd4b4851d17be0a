#include "TUserDefinedInformationRuleForm.h"
#include "KtStandardOptions.h"
#include "TAclOptions.h"

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <iterator>

namespace {

// The payload rule table; profile ID and access ID are the row's instance.
const KtSNMPVarDef PayloadRuleTable[] = {
    {"1.3.6.1.4.1.47893.11.5.2.3.1.1", "swACLPayloadRuleProfileID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.2", "swACLPayloadRuleAccessID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.4", "swACLPayloadRuleOffSet0to15", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.5", "swACLPayloadRuleOffSet16to31", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.6", "swACLPayloadRuleOffSet32to47", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.7", "swACLPayloadRuleOffSet48to63", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.8", "swACLPayloadRuleOffSet64to79", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.9", "swACLPayloadRuleEnablePriority", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.10", "swACLPayloadRulePriority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.11", "swACLPayloadRuleReplacePriority", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.12", "swACLPayloadRuleEnableReplaceDscp", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.13", "swACLPayloadRuleRepDscp", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.14", "swACLPayloadRulePermit", SyntaxInteger, AccessReadWrite,
     &PermitDeny},
    {"1.3.6.1.4.1.47893.11.5.2.3.1.15", "swACLPayloadRuleRowStatus", SyntaxInteger, AccessReadWrite,
     &RowStatus},
    {},
};

using C = TUserDefinedInformationRuleForm::Column;

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {C::ColProfileId, Kind::Edit, "Profile ID", "ProfileIDEdit", "%i{n1x255}"},
    {C::ColAccessId, Kind::Edit, "Access ID", "AccessIDEdit", "%i{n1x255}"},
    {C::ColFirstGroup, Kind::Edit, "Packet(s) Offset [0 to 15]", "OffsetGroupFirstEdit", "%s{l32}",
     "cbxGroupFirst"},
    {C::ColFirstGroup + 1, Kind::Edit, "Packet(s) Offset [16 to 31]", "OffsetGroupSecondEdit", "%s{l32}",
     "cbxGroupSecond"},
    {C::ColFirstGroup + 2, Kind::Edit, "Packet(s) Offset [32 to 47]", "OffsetGroupThirdEdit", "%s{l32}",
     "cbxGroupThird"},
    {C::ColFirstGroup + 3, Kind::Edit, "Packet(s) Offset [48 to 63]", "OffsetGroupForthEdit", "%s{l32}",
     "cbxGroupForth"},
    {C::ColLastGroup, Kind::Edit, "Packet(s) Offset [64 to 79]", "OffsetGroupFifthEdit", "%s{l32}",
     "cbxGroupFifth"},
    {C::ColEnablePriority, Kind::Combo, "Enable Priority", "EnablePriComboBox", nullptr, "cbxEnablePriority"},
    {C::ColPriority, Kind::Edit, "Priority", "PriorityEdit", "%i{n0x7l1}", "cbxPriority"},
    {C::ColReplacePriority, Kind::Combo, "Replace Priority", "ReplPriyComboBox", nullptr, "cbxReplace"},
    {C::ColEnableReplaceDscp, Kind::Combo, "Enable Replace DSCP", "EnableReplComboBox", nullptr,
     "cbxEnableReplace"},
    {C::ColReplaceDscp, Kind::Edit, "Replace DSCP", "ReplDSCPEdit", "%i{n0x63l2}", "cbxReplaceDscp"},
    {C::ColPermit, Kind::Combo, "Permit", "PermitComboBox", nullptr, "cbxPermit"},
    {C::ColRowStatus, Kind::Combo, "Row Status", "RowComboBox", nullptr, "cbxRow"},
};

constexpr TAclRuleForm::RuleTexts Texts = {
    "User Defined Information Rule", "Profile ID must be set.", "Access ID must be set.",
    "There is already a record with the same Profile ID and Access ID. Please modified eithor of them."};

// The offset range of each group, as the labels and messages name it.
constexpr const char *GroupRanges[] = {"[0 to 15]", "[16 to 31]", "[32 to 47]", "[48 to 63]", "[64 to 79]"};

} // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget *owner, KtDeviceState *state)
    : TAclRuleForm(owner, Texts, state)
{
    setObjectName(QStringLiteral("UserDefinedInformationRuleForm"));
    Build(PayloadRuleTable, Fields, int(std::size(Fields)), ColPermit, ColRowStatus, ColEnablePriority,
          ColReplaceDscp);
}

QLineEdit *TUserDefinedInformationRuleForm::Group(int group) const
{
    return static_cast<QLineEdit *>(Control(ColFirstGroup + group));
}

int TUserDefinedInformationRuleForm::GroupCount() const
{
    int count = 0;
    for (int group = 0; group <= ColLastGroup - ColFirstGroup; ++group)
        if (Box(ColFirstGroup + group)->isChecked() && GroupCounts(Group(group)->text()))
            ++count;
    return count;
}

bool TUserDefinedInformationRuleForm::DenySelected() const
{
    return PermitComboBox && PermitComboBox->currentIndex() == 0;
}

bool TUserDefinedInformationRuleForm::GroupsAcceptable()
{
    if (GroupCount() >= 3) {
        Refuse(QStringLiteral("Packet(s) Offset can not over two groups."), Group(0));
        return false;
    }
    for (int group = 0; group <= ColLastGroup - ColFirstGroup; ++group) {
        if (Box(ColFirstGroup + group)->isChecked() && !HexMaskText(Group(group)->text())) {
            Refuse(QStringLiteral("Packet(s) Offset ") + QLatin1String(GroupRanges[group]) +
                       QStringLiteral(" can not contain invalid character(s)."),
                   Group(group));
            return false;
        }
    }
    return true;
}

void TUserDefinedInformationRuleForm::OnRowClicked()
{
    TAclRuleForm::OnRowClicked();
    // The group follows the permit column of the row clicked.
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    const bool deny =
        !selected.isEmpty() && selected.first()->text(ColPermit).toLower() == QLatin1String("deny");
    for (int column = ColEnablePriority; column <= ColReplaceDscp; ++column) {
        Control(column)->setEnabled(!deny);
        Box(column)->setEnabled(!deny);
    }
}

KtDescriptorTables TUserDefinedInformationRuleForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{PayloadRuleTable, ListTableEx, 2, ColRowStatus}};
    return tables;
}
