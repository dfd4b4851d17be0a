#include "TEthernetInformationRuleForm.h"
#include "KtStandardOptions.h"
#include "TAclOptions.h"

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

#include <iterator>

namespace {

// The Ethernet rule table; mask ID and access ID are the row's instance.
const KtSNMPVarDef EthernetRuleTable[] = {
    {"1.3.6.1.4.1.47893.11.5.2.1.1.1", "Mask ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.2", "Access ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.3", "Rule Vlan", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.4", "Rule Source Mac Address", SyntaxMacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.5", "Rule Destination MacAddress", SyntaxMacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.6", "Rule 8021P", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.7", "Rule Ethernet Type", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.8", "Rule Enable Priority", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.9", "Rule Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.10", "Rule Replace Priority", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.11", "Enable ReplaceDscp", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.12", "Rule Replace DSCP Rule", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.14", "Permit Rule", SyntaxInteger, AccessReadWrite, &PermitDeny},
    {"1.3.6.1.4.1.47893.11.5.2.1.1.15", "RowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

using C = TEthernetInformationRuleForm::Column;

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {C::ColMaskId, Kind::Edit, "Mask ID", "MaskIDEdit", "%i{n1x255}"},
    {C::ColAccessId, Kind::Edit, "Access ID", "AccessEdit", "%i{n1x255}"},
    {C::ColVlan, Kind::Edit, "Vlan Rule", "VlanRuleEdit", "%s{l32}", "cbxVlan"},
    {C::ColSourceMac, Kind::Edit, "Source MAC Address Rule", "SourceMACEdit", "%s{l12}", "cbxSource"},
    {C::ColDestinationMac, Kind::Edit, "Destination MAC Address Rule", "DestMACEdit", "%s{l12}",
     "cbxDestination"},
    {C::Col8021p, Kind::Edit, "8021P Rule", "IEEE8021pEdit", "%i{n0x7}", "cbxIEEE802dot1P"},
    {C::ColEtherType, Kind::Edit, "Ethernet Type Rule", "EthTypeEdit", "%s{l4}", "cbxEtherType"},
    {C::ColEnablePriority, Kind::Combo, "Enable Priority Rule", "EnablePriorityComboBox", nullptr,
     "cbxEnablePriority"},
    {C::ColPriority, Kind::Edit, "Priority Rule", "PriorityEdit", "%i{n0x7}", "cbxPriority"},
    {C::ColReplacePriority, Kind::Combo, "Replace Priority Rule", "ReplacePriorityComboBox", nullptr,
     "cbxReplacePriority"},
    {C::ColEnableReplaceDscp, Kind::Combo, "Enable Replace DSCP Rule", "EnableReplDSCPComboBox", nullptr,
     "cbxEnableReplace"},
    {C::ColReplaceDscp, Kind::Edit, "Replace DSCP", "ReplDSCPEdit", "%i{n0x63}", "cbxRuleReplace"},
    {C::ColPermit, Kind::Combo, "Permit", "PermitComboBox", nullptr, "cbxPermit"},
    {C::ColRowStatus, Kind::Combo, "Row Status Rule", "RowComboBox", nullptr, "cbxRow"},
};

constexpr TAclRuleForm::RuleTexts Texts = {
    "Ethernet Information Rule", "Mask ID must be set.", "Access ID must be set.",
    "Has already a record with the same Mask ID and Access ID. Please change eithor of them."};

} // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget *owner, KtDeviceState *state)
    : TAclRuleForm(owner, Texts, state)
{
    setObjectName(QStringLiteral("EthernetInformationRuleForm"));
    Build(EthernetRuleTable, Fields, int(std::size(Fields)), ColPermit, ColRowStatus, ColEnablePriority,
          ColReplaceDscp);
}

KtDescriptorTables TEthernetInformationRuleForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{EthernetRuleTable, ListTableEx, 2, ColRowStatus}};
    return tables;
}
