#include "TIPRuleForm.h"
#include "KtStandardOptions.h"
#include "TAclOptions.h"

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

#include <QComboBox>
#include <iterator>

namespace {

// The IP rule table; rule ID and access ID are the row's instance. The
// protocol is the mask's and is never written.
const KtSNMPVarDef IpRuleTable[] = {
    {"1.3.6.1.4.1.47893.11.5.2.2.1.1", "IP Rule ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.2", "IP Rule Access ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.3", "Apply Vlan", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.4", "Sourcr IP Address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.5", "Destination IP address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.6", "Dscp", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.7", "Rule Protocol", SyntaxInteger, AccessRead, &IpProtocolType},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.8", "Rule Type", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.9", "Rule Code", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.10", "Source Port", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.11", "Destination Port", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.12", "Flag Bits", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.13", "Protocol ID", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.14", "User Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.15", "Enable Priority", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.16", "Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.17", "Replace Priority", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.18", "Enable Replace Dscp", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.19", "Replace DSCP", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.21", "Permit", SyntaxInteger, AccessReadWrite, &PermitDeny},
    {"1.3.6.1.4.1.47893.11.5.2.2.1.22", "RowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

using C = TIPRuleForm::Column;

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {C::ColRuleId, Kind::Edit, "IP Rule ID", "IPRuleEdit", "%i{n1x255}"},
    {C::ColAccessId, Kind::Edit, "IP Rule Access ID", "AccessIDEdit", "%i{n1x255}"},
    {C::ColVlan, Kind::Edit, "Apply Vlan", "ApplyVlanEdit", "%s{l32}", "cbxVlan"},
    {C::ColSourceIp, Kind::Edit, "Source IP Address", "SourceIPEdit", "%s{l16}", "cbxSourceIP"},
    {C::ColDestinationIp, Kind::Edit, "Destination IP address", "DestIPEdit", "%s{l16}", "cbxDestIP"},
    {C::ColDscp, Kind::Edit, "DSCP", "DSCPEdit", "%i{n0x63l2}", "cbxDscp"},
    {C::ColProtocol, Kind::Combo, "Rule Protocol", "ProtocolComboBox", nullptr, "cbxProtocol"},
    {C::ColType, Kind::Edit, "Rule Type", "RuleTypeEdit", "%i{n0x255l3}", "cbxType"},
    {C::ColCode, Kind::Edit, "Rule Code", "RuleCodeEdit", "%i{n0x255l3}", "cbxRuleCode"},
    {C::ColSourcePort, Kind::Edit, "Source Port", "SourcePortEdit", "%i{n1x65535l5}", "cbxSourcePort"},
    {C::ColDestinationPort, Kind::Edit, "Destination Port", "DestPortEdit", "%i{n1x65535l5}", "cbxDestPort"},
    {C::ColFlagBits, Kind::Edit, "Flag Bits", "FlagEdit", "%i{n0x63l2}", "cbxFBs"},
    {C::ColProtocolId, Kind::Edit, "Protocol ID", "ProtocolIDEdit", "%i{n0x255l3}", "cbxProtocolID"},
    {C::ColUserMask, Kind::Edit, "User Mask", "UserMaskEdit", "%s", "cbxUserMask"},
    {C::ColEnablePriority, Kind::Combo, "Enable Priority", "PriorityComboBox", nullptr, "cbxEnablePriority"},
    {C::ColPriority, Kind::Edit, "Priority", "PriorityEdit", "%i{n0x7l1}", "cbxPriority"},
    {C::ColReplacePriority, Kind::Combo, "Replace Priority", "ReplaceComboBox", nullptr,
     "cbxReplacePriority"},
    {C::ColEnableReplaceDscp, Kind::Combo, "Enable Replace DSCP", "EnableReplComboBox", nullptr,
     "cbxEnableReplaceDscp"},
    {C::ColReplaceDscp, Kind::Edit, "Replace DSCP", "DSCPValueEdit", "%i{n0x63l2}", "cbxValue"},
    {C::ColPermit, Kind::Combo, "Permit", "PermitComboBox", nullptr, "cbxPermit"},
    {C::ColRowStatus, Kind::Combo, "Row Status", "RowComboBox", nullptr, "cbxRow"},
};

constexpr TAclRuleForm::RuleTexts Texts = {
    "IP Rule", "IP Rule ID must be set.", "IP Rule Access ID must be set.",
    "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."};

} // namespace

TIPRuleForm::TIPRuleForm(QWidget *owner, KtDeviceState *state) : TAclRuleForm(owner, Texts, state)
{
    setObjectName(QStringLiteral("IPRuleForm"));
    Build(IpRuleTable, Fields, int(std::size(Fields)), ColPermit, ColRowStatus, ColEnablePriority,
          ColReplaceDscp);
}

void TIPRuleForm::ProtocolExclusion()
{
    const auto *protocol = static_cast<const QComboBox *>(Control(ColProtocol));
    switch (protocol->currentIndex()) {
    case 0: // none
        ExcludeColumns(ColType, ColUserMask);
        break;
    case 1: // icmp
        ExcludeColumns(ColSourcePort, ColUserMask);
        break;
    case 2: // igmp
        ExcludeColumns(ColCode, ColUserMask);
        break;
    case 3: // tcp
        for (int column : {ColType, ColCode, ColProtocolId, ColUserMask})
            ExcludeColumn(column);
        break;
    case 4: // udp
        for (int column : {ColType, ColCode, ColFlagBits, ColProtocolId, ColUserMask})
            ExcludeColumn(column);
        break;
    case 5: // protocolId
        ExcludeColumns(ColType, ColFlagBits);
        break;
    default:
        break;
    }
}

KtDescriptorTables TIPRuleForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{IpRuleTable, ListTableEx, 2, ColRowStatus}};
    return tables;
}
