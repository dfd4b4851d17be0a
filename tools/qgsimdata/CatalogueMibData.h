#pragma once

#include "MibStore.h"

#include <map>
#include <set>
#include <string>
#include <vector>

struct KtMenuItem;
struct KtSNMPVarDef;
struct KtBindingTable;

// The objects that the module's menu windows read, derived from their
// descriptor tables and written in the language of MibDataLoader, so that
// qgsim serves every window of the menu catalogue. qgsimdata writes them to
// sim/data/catalogue.txt, which qgsim loads after it built its switch:
//
//   MibStore store;
//   MibDataLoader loader(store);
//   SimData::buildSwitch(loader, store, "stack", 50);
//   write(CatalogueMibData(store).text());
//
// Objects the store already defines keep their definition and rows: only
// what is missing is generated. Scalars get a value of their type (the first
// value of an enumeration); tables get a few rows whose index values are the
// same for every table that shares an index variable, and where an index
// variable belongs to a table of the store with rows (ifIndex), or names a
// port or an interface index, its values are the first rows of that table,
// of the port table or of the interface table, written as row indexes
// ($swPortInfoEntry1) that follow the switch qgsim simulates. A table indexed
// by a port (and numbers) has rows for every port of the switch instead
// (foreach swPortInfoEntry row ...), as a switch has a row of a per-port
// table for each of its ports. A table whose
// status column takes "createAndGo" or "valid" in its window accepts row
// creation and deletion.
//
// The SNMPv3 framework modules that the agent library implements (engine,
// MPD, target, notification, USM, VACM) are left alone; SNMP-COMMUNITY-MIB,
// which it lacks, is served from the store. Descriptors that cannot be served consistently (an OID that is
// a scalar in one window and a column in another, a window reading a column
// that a hand-written table lacks, index variables that disagree) are left
// out and named in notes().
class CatalogueMibData
{
public:
    // Index texts of string index variables whose rows live outside the
    // store (the agent library's snmpTargetAddrName), by the variable's OID.
    using IndexTexts = std::map<Oid, std::vector<std::string>>;

    // Reads the catalogue's windows (MainMenu1, PortInfoPopupMenu and the
    // main window's bindings) against what `store` already defines.
    explicit CatalogueMibData(const MibStore &store, IndexTexts indexTexts = {});

    const std::string &text() const { return text_; }
    const std::vector<std::string> &notes() const { return notes_; }

    // One window's variable list, as the catalogue gives it.
    struct Window
    {
        std::string caption;
        const KtSNMPVarDef *vars = nullptr;
        int kind = 0;
        int indexCount = 0;
        int statusVariable = -1; // variable that adds and deletes rows, or -1
        std::string addValue;
        std::string deleteValue;
    };
    // Every generic window of the menu bar and the port pop-up menu, and the
    // main window's own bindings, in menu order.
    static std::vector<Window> windows();

private:
    struct IndexVar
    {
        Oid oid;
        const KtSNMPVarDef *def = nullptr;
        bool implied = false;
    };
    struct Column
    {
        const KtSNMPVarDef *def = nullptr;
        bool readable = false;
        bool writable = false;
    };
    struct Table
    {
        std::string window;
        std::vector<IndexVar> index;
        std::map<SubId, Column> columns;
        SubId statusColumn = 0;
        bool rowStatus = false;
        bool validity = false;
        std::int64_t invalidValue = 2;
        std::int64_t validValue = 3;
    };
    struct Scalar
    {
        const KtSNMPVarDef *def = nullptr;
        bool writable = false;
    };

    void addScalars(const Window &window);
    void addTable(const Window &window);
    void dropOverlaps();
    void writeScalars();
    void writeTables();
    // One value of an index variable: its data-file token and its encoding
    // in an instance OID, as text (dotted, or a $row index).
    struct IndexValue
    {
        std::string token;
        std::string encoded;
        // The table of the switch whose row gives the value, or empty for a
        // value of its own.
        std::string rowTable;
    };
    // A value of fixed sub-identifiers.
    static IndexValue literal(std::string token, const Oid &encoded);
    std::vector<IndexValue> indexCandidates(const IndexVar &var, bool last);
    std::vector<IndexValue> newIndexCandidates(const IndexVar &var, bool last);
    // The port table whose every row the table's rows follow, or empty;
    // that part's candidates become "$index".
    static std::string perPortRows(const Table &table, std::vector<std::vector<IndexValue>> &candidates);
    std::string uniqueName(const std::string &base);
    void note(std::string text);

    const MibStore &store_;
    std::map<Oid, Scalar> scalars_;
    std::map<Oid, Table> tables_;
    IndexTexts indexTexts_;
    std::map<Oid, std::vector<IndexValue>> indexValues_;
    // The row indexes the rows name: $NAME -> table, row number.
    std::map<std::string, std::pair<std::string, std::size_t>> rowIndexes_;
    std::set<std::string> names_;
    std::string text_;
    std::vector<std::string> notes_;
};
