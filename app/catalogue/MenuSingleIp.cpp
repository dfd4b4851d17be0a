// The "Single IP" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtOptionDef SingleIPRolePairs[] = {{1, "cs"}, {2, "cas"}, {3, "mS"}, {}};
const KtOptionList SingleIPRole(SingleIPRolePairs);

constexpr KtSNMPVarDef SingleIPControlVars[] = {
    {"1.3.6.1.4.1.47893.12.8.1.2.1", "SingleIP Status", SyntaxInteger, AccessReadWrite,
     &OtherDisabledEnabled},
    {"1.3.6.1.4.1.47893.12.8.1.2.2", "SingleIP Role", SyntaxInteger, AccessReadWrite, &SingleIPRole},
    {"1.3.6.1.4.1.47893.12.8.1.2.3", "SingleIP Holdtime", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.8.1.2.4", "Time Interval", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef MyInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.8.1.1.1", "Version", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.1.2", "Capability", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.1.3", "Platform", SyntaxDisplayString, AccessRead},
    {},
};

constexpr KtSNMPVarDef MemberSwitchVars[] = {
    {"1.3.6.1.4.1.47893.12.8.1.3.1.1", "Member ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.2", "Member Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.3", "Member MAC Addr", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.4", "Member Firmware Verion", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.5", "Member Capability", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.6", "Member Platform", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.7", "Member Holdtime", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.8", "Member Candidate Source", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.9", "Member Password", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.8.1.3.1.10", "Member Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef CandidateSwitchVars[] = {
    {"1.3.6.1.4.1.47893.12.8.1.4.1.1", "CaS ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.8.1.4.1.2", "Device Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.4.1.3", "MAC Addr", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.4.1.4", "Firmware Version", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.4.1.5", "Capability", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.4.1.6", "Platform", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.4.1.7", "Holdtime", SyntaxInteger, AccessRead},
    {},
};

constexpr KtSNMPVarDef GroupInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.8.1.5.1.1", "Group Mac Address", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.2", "Group Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.3", "Device Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.4", "Member Count", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.5", "Firmware Version", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.6", "Capability", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.7", "Platform", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.8.1.5.1.8", "Holdtime", SyntaxInteger, AccessRead},
    {},
};

constexpr KtOptionDef NeighborSwitchRolePairs[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {}};
const KtOptionList NeighborSwitchRole(NeighborSwitchRolePairs);

constexpr KtSNMPVarDef NeighborSwitchVars[] = {
    {"1.3.6.1.4.1.47893.12.8.1.6.1.1", "Received Port", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.8.1.6.1.2", "MAC Address", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.12.8.1.6.1.3", "Role", SyntaxInteger, AccessRead, &NeighborSwitchRole},
    {},
};

} // namespace

constexpr KtMenuItem SingleIpMenu[] = {
    EditorWindow("Single IP Control", "SingleIPControl1", "Single IP Control", SingleIPControlVars),
    EditorWindow("My Information", "MyInformation1", "My Information", MyInformationVars),
    ListWindow("Member Switch", "MemberSwitch1", "Member Switch", MemberSwitchVars, ListTableEx, 1)
        .Rows(9, "createAndGo", "destroy"),
    ListWindow("Candidate Switch", "CandidateSwitch1", "Candidate Switch", CandidateSwitchVars, ListTable, 1),
    ListWindow("Group Information", "GroupInformation1", "Group Information", GroupInformationVars, ListTable,
               1),
    ListWindow("Neighbor Switch", "NeighborSwitch1", "Neighbor Switch", NeighborSwitchVars, ListTable, 2),
    {},
};
