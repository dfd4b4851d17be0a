#pragma once

#include "MibStore.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// One word of a data-file line; `quoted` when it was written in quotes.
struct DataToken
{
    std::string text;
    bool quoted = false;
};

// Reads the simulator's data files into a MibStore. One statement a line,
// "#" starts a comment:
//
//   scalar OID NAME TYPE ACCESS VALUE [{CONSTRAINT}]
//   table  ENTRY-OID NAME index(PART, ...) [rowstatus(COLUMN) | validity(COLUMN, INVALID)]
//   column SUBID NAME TYPE ACCESS [DEFAULT | -] [{CONSTRAINT}]     (of the table above)
//   row    TABLE INDEX [COLUMN=VALUE ...]
//   set    INSTANCE-OID VALUE
//   rowindex NAME TABLE N
//   foreach TABLE [COLUMN=VALUE] STATEMENT
//
// TYPE is integer, octets, oid, ipaddress, counter32, gauge32, timeticks or
// counter64; ACCESS is ro, rw, rc (read-create) or na (not-accessible).
// A constraint lists values and ranges ({2 disabled, 3 enabled}, {1..4094})
// or lengths ({size 0..32}). Index parts: integer [LOW..HIGH], ipaddress,
// mac, octets, implied; "column N" after a part names the readable column
// that holds it, which every new row then takes from its index. Values: numbers or enumeration labels,
// "text", 0xHEX (0x00*91 repeats a byte), aa:bb:cc, dotted quads and OIDs.
//
// "rowindex NAME TABLE N" names the index of the N-th row (from 1) of TABLE
// as the store holds it at that line; "$NAME" then stands for that index in
// the INDEX and the values of later row statements of the same loader
// (row portEntry $port1.7 .1=$port1). Data written for any switch uses it
// for rows that follow the rows the switch was built with.
//
// "foreach TABLE STATEMENT" runs the statement once for every row TABLE
// holds at that line, with "$index" standing for the row's index and
// "$COLUMN" for the row's value of that column (numbers in decimal, octets
// as 0xHEX; "$indexhex" is the index's last part in three hex digits):
// "foreach swPortInfoEntry row stpPortEntry $index 2=$index"
// gives stpPortEntry one row per port. A COLUMN=VALUE after the table keeps
// only the rows that hold that value. "$NAME" also stands for the texts the
// program defines (define()), such as a port list of the whole switch.
class MibDataLoader
{
public:
    // Handles statements the loader does not know (the scenario's own);
    // returns false for a statement nobody knows.
    using ExtraStatement = std::function<bool(const std::vector<DataToken> &)>;

    explicit MibDataLoader(MibStore &store) : store_(store) {}

    // Throws std::runtime_error("SOURCE:LINE: message") on the first error.
    void load(std::string_view text, const std::string &source, const ExtraStatement &extra = {});

    // Makes "$name" stand for `text` in the statements loaded after this.
    void define(const std::string &name, std::string text) { rowIndexes_[name] = std::move(text); }

    static std::vector<DataToken> tokenize(std::string_view line);
    // A value for `def` from its text form, enumeration labels included.
    static MibValue parseValue(const MibObjectDef &def, const DataToken &token);

    // The scalars and columns this loader defined, in the order of their
    // statements.
    const std::vector<const MibObjectDef *> &objects() const { return objects_; }

private:
    void statement(const std::vector<DataToken> &tokens, const ExtraStatement &extra);
    void scalar(const std::vector<DataToken> &tokens);
    void table(const std::vector<DataToken> &tokens);
    void column(const std::vector<DataToken> &tokens);
    void row(const std::vector<DataToken> &tokens);
    void set(const std::vector<DataToken> &tokens);
    void rowIndex(const std::vector<DataToken> &tokens);
    void forEach(const std::vector<DataToken> &tokens, const ExtraStatement &extra);
    // The "$index" texts of one row of `table`, and its "$COLUMN" texts of
    // the `wanted` columns.
    std::map<std::string, std::string, std::less<>>
    rowTexts(const MibTableDef &table, const Oid &index,
             const std::set<std::string, std::less<>> &wanted) const;
    std::string substitute(const std::string &text) const;
    MibObjectDef objectDef(const std::vector<DataToken> &tokens, std::size_t first);

    MibStore &store_;
    MibTableDef *currentTable_ = nullptr;
    std::vector<const MibObjectDef *> objects_;
    std::map<std::string, std::string, std::less<>> rowIndexes_;
};
