#pragma once

// The views of the MIB viewer program as static data. A view is what one
// "/T" argument names ("/TRmon_History" opens the view "Rmon_History"):
// a caption and one or more sections, each a scalar group (a name/value
// list) or a table, given as a descriptor table in the style of the menu
// catalogue. Sections of one view are read together on every refresh.
//
//   constexpr KtSNMPVarDef UdpScalars[] = {
//       {"1.3.6.1.2.1.7.1", "udpInDatagrams", SyntaxCounter32, AccessRead}, ..., {}};
//   constexpr KtViewSection UdpSections[] = {
//       {"UDP", UdpScalars, ListScalars}, {"UDP Listeners", UdpTable, ListTable, 2}, {}};
//
// Every top-level viewer program (MIB, IFMib, EthernetLike, Rmon, Bridge,
// Layer3) has its own source file of views; KtViewCatalogue.cpp lists them.

#include "KtSNMPVarDef.h"

#include <QString>
#include <QStringList>

// Extra behaviour of a section; bits of KtViewSection::Flags.
enum KtViewFlag : unsigned
{
    ViewChart = 0x01,          // a chart of the selected rows' rates
    ViewHistoryBuckets = 0x02, // a chart of the buckets of the selected control row (RMON History)
    ViewBucketSource = 0x04,   // the rows the bucket chart draws (etherHistoryTable)
};

struct KtViewSection
{
    const char *Title = nullptr; // null ends a section array
    const KtSNMPVarDef *Vars = nullptr;
    KtListKind Kind = ListScalars;
    int IndexCount = 0;
    unsigned Flags = 0;
    // Read instead of Vars when the session speaks SNMPv2c or SNMPv3 (the
    // 64-bit counters); null when the section is the same for every version.
    const KtSNMPVarDef *VarsV2 = nullptr;

    bool IsTable() const { return Kind == ListTable || Kind == ListTableEx; }
    const KtSNMPVarDef *VarsFor(int version) const { return version != 0 && VarsV2 ? VarsV2 : Vars; }
};

struct KtViewDef
{
    const char *Name = nullptr;    // "MIB_IFCounters"; null ends the catalogue
    const char *Caption = nullptr; // the menu entry's caption, "IF Counters"
    const KtViewSection *Sections = nullptr;
};

// The view tables of the six programs, in menu order.
extern const KtViewDef *const KtViewTables[6];

// The view an argument names: "MIB_Info" or "/TMIB_Info"; null when there is
// none.
const KtViewDef *FindView(const QString &nameOrArgument);
// Every view name, for messages and tests.
QStringList AllViewNames();

// The views of each viewer program, ending with {}.
extern const KtViewDef MibViews[];
extern const KtViewDef IfMibViews[];
extern const KtViewDef EthernetLikeViews[];
extern const KtViewDef RmonViews[];
extern const KtViewDef BridgeViews[];
extern const KtViewDef Layer3Views[];
