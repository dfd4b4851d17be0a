#include "CatalogueMibData.h"

#include "KtMainWindowTables.h"
#include "KtMenuCatalogue.h"
#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

namespace {

// The SNMPv3 framework subtrees that the agent library's own modules serve:
// engine, MPD statistics, target, notification, USM and VACM.
const Oid AgentLibraryRoots[] = {
    {1, 3, 6, 1, 6, 3, 10}, {1, 3, 6, 1, 6, 3, 11}, {1, 3, 6, 1, 6, 3, 12},
    {1, 3, 6, 1, 6, 3, 13}, {1, 3, 6, 1, 6, 3, 15}, {1, 3, 6, 1, 6, 3, 16},
};

bool servedByAgentLibrary(const Oid &oid)
{
    return std::any_of(std::begin(AgentLibraryRoots), std::end(AgentLibraryRoots),
                       [&](const Oid &root) { return oid.startsWith(root); });
}

constexpr int RowsPerTable = 3;

Oid oidOf(const KtSNMPVarDef &def)
{
    return Oid::parse(def.Oid).value_or(Oid{});
}

Oid parentOf(const Oid &oid)
{
    return oid.empty() ? oid : Oid(oid.data(), oid.size() - 1);
}

std::optional<MibType> mibTypeOf(KtSyntax syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
    case SyntaxInteger:
        return MibType::Integer;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxDouble:
    case SyntaxMacAddress:
    case SyntaxDateAndTime:
    case SyntaxDateTimeValue:
    case SyntaxDisplayString:
        return MibType::OctetString;
    case SyntaxOid:
        return MibType::ObjectId;
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return MibType::IpAddress;
    case SyntaxCounter32:
        return MibType::Counter32;
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        return MibType::Gauge32;
    case SyntaxTimeTicks:
        return MibType::TimeTicks;
    case SyntaxCounter64:
        return MibType::Counter64;
    default:
        return std::nullopt;
    }
}

bool isNumericIndex(KtSyntax syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
    case SyntaxInteger:
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxTimeTicks:
    case SyntaxUnsigned32:
        return true;
    default:
        return false;
    }
}

bool isStringIndex(KtSyntax syntax)
{
    return syntax == SyntaxBits || syntax == SyntaxOctets || syntax == SyntaxOpaque ||
           syntax == SyntaxDisplayString || syntax == SyntaxOid;
}

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool nameHas(const KtSNMPVarDef &def, std::string_view word)
{
    return lower(def.Name ? def.Name : "").find(word) != std::string::npos;
}

// "Receive Rate [0..100]" -> "ReceiveRate": letters and digits of the words
// before any bracket, each word capitalised.
std::string identifier(std::string_view text)
{
    std::string result;
    bool wordStart = true;
    for (char c : text) {
        if (c == '[' || c == '(')
            break;
        if (std::isalnum(static_cast<unsigned char>(c))) {
            result += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
    return result.empty() ? "Object" : result;
}

// A short readable text from a display name: the words before any bracket.
std::string shortText(std::string_view name)
{
    std::string result;
    for (char c : name) {
        if (c == '[' || c == '(' || result.size() >= 24)
            break;
        if (c >= ' ' && c < 127 && c != '"' && c != '\\')
            result += c;
    }
    while (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result.empty() ? "text" : result;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string hex(std::string_view bytes)
{
    static const char Digits[] = "0123456789abcdef";
    std::string result = "0x";
    for (unsigned char c : bytes) {
        result += Digits[c >> 4];
        result += Digits[c & 15];
    }
    return result;
}

// An enumeration label as the data files write it: no blanks, no
// characters that the constraint syntax uses.
std::string label(const QString &name)
{
    std::string result;
    for (char c : name.toStdString())
        result += std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' ? c : '-';
    return result.empty() ? "-" : result;
}

bool numericOptions(const KtSNMPVarDef &def)
{
    return def.Options && def.Options->Kind() == OptionNumeric && def.Options->Count() > 0;
}

std::optional<std::int64_t> optionValue(const KtSNMPVarDef &def, std::string_view name)
{
    if (!numericOptions(def))
        return std::nullopt;
    int i = def.Options->IndexOfName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    return i < 0 ? std::nullopt : std::optional<std::int64_t>(def.Options->Get(i).Number);
}

bool isRowStatusEnumeration(const KtSNMPVarDef &def)
{
    return optionValue(def, "createAndGo") == 4 && optionValue(def, "destroy") == 6;
}

// "{2 disabled, 3 enabled}" for an enumerated integer, empty otherwise.
std::string constraintOf(const KtSNMPVarDef &def)
{
    if (!numericOptions(def) || mibTypeOf(def.Syntax) != MibType::Integer)
        return {};
    std::string text = "{";
    for (int i = 0; i < def.Options->Count(); ++i) {
        const KtOptionList::Entry &entry = def.Options->Get(i);
        text += (i ? ", " : "") + std::to_string(entry.Number) + " " + label(entry.Name);
    }
    return text + "}";
}

// A plausible value of a non-index object for row `row` (0 for scalars).
std::string plainValue(const KtSNMPVarDef &def, int row, bool table)
{
    const std::string number = std::to_string(row + 1);
    if (def.Options && def.Options->Count() > 0) {
        const KtOptionList::Entry &entry = def.Options->Get(row % def.Options->Count());
        if (def.Options->Kind() == OptionNumeric)
            return std::to_string(entry.Number);
        if (def.Syntax == SyntaxOid && Oid::parse(entry.Text.toStdString()))
            return entry.Text.toStdString();
    }
    switch (def.Syntax) {
    case SyntaxBoolean:
    case SyntaxInteger:
        return number;
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
    case SyntaxCounter64:
        return std::to_string(1000 * (row + 1));
    case SyntaxTimeTicks:
        return std::to_string(360000 * (row + 1));
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return nameHas(def, "mask") ? "255.255.255.0" : "10.90.90." + std::to_string(10 + row);
    case SyntaxOid:
        return "1.3.6.1.4.1.47893";
    case SyntaxMacAddress:
        return hex(std::string{'\x02', '\x4b', '\x54', '\x00', '\x01', static_cast<char>(row + 1)});
    case SyntaxDisplayString:
        return quoted(shortText(def.Name) + (table ? " " + number : ""));
    case SyntaxDateAndTime:
        return "0x07ea0c0a0c0000000000";
    case SyntaxDouble:
    case SyntaxDateTimeValue:
        return "0x00*8";
    default:
        // Port lists: 91 octets, 56 bits per unit.
        return nameHas(def, "port") || nameHas(def, "map") ? "0x00*91" : "0x00000000";
    }
}

std::string indexPartOf(const KtSNMPVarDef &def, bool implied)
{
    if (isNumericIndex(def.Syntax))
        return "integer";
    if (def.Syntax == SyntaxIpAddress || def.Syntax == SyntaxNsapAddress)
        return "ipaddress";
    if (def.Syntax == SyntaxMacAddress)
        return "mac";
    if (isStringIndex(def.Syntax))
        return implied ? "implied" : "octets";
    return {};
}

void collect(const KtMenuItem *items, std::vector<CatalogueMibData::Window> &windows)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        if (item->Action == KtMenuAction::Submenu)
            collect(item->Children, windows);
        if (!item->OpensGenericWindow() || !item->Vars)
            continue;
        CatalogueMibData::Window window;
        window.caption = item->Window ? item->Window : item->Caption;
        window.vars = item->Vars;
        window.kind = item->Kind;
        window.indexCount = item->IndexCount;
        window.statusVariable = item->AddIndex;
        window.addValue = item->AddValue ? item->AddValue : "";
        window.deleteValue = item->DeleteValue ? item->DeleteValue : "";
        windows.push_back(window);
    }
}

} // namespace

CatalogueMibData::IndexValue CatalogueMibData::literal(std::string token, const Oid &encoded)
{
    return {std::move(token), encoded.toString(), {}};
}

std::vector<CatalogueMibData::Window> CatalogueMibData::windows()
{
    std::vector<Window> result;
    collect(MainMenu1, result);
    collect(PortInfoPopupMenu, result);
    for (const KtBindingTable *binding = MainWindowTables; binding->Binding; ++binding)
        result.push_back(
            Window{binding->Binding, binding->Vars, binding->Kind, binding->IndexCount, -1, {}, {}});
    return result;
}

CatalogueMibData::CatalogueMibData(const MibStore &store, IndexTexts indexTexts)
    : store_(store), indexTexts_(std::move(indexTexts))
{
    for (const Window &window : windows()) {
        if (window.kind == ListScalars)
            addScalars(window);
        else if (window.kind == ListTable || window.kind == ListTableEx)
            addTable(window);
        // Row lists address rows of tables that other windows define.
    }
    dropOverlaps();
    writeScalars();
    writeTables();
    std::string header = "# Derived from the menu catalogue's descriptor tables by qgsimdata; regenerate\n"
                         "# it after a change of the catalogue: build/bin/qgsimdata sim/data/catalogue.txt\n";
    for (const std::string &text : notes_)
        header += "# note: " + text + "\n";
    if (!rowIndexes_.empty())
        header += "\n# Index values that are rows of the simulated switch.\n";
    for (const auto &[name, row] : rowIndexes_)
        header += "rowindex " + name + " " + row.first + " " + std::to_string(row.second) + "\n";
    text_ = header + "\n" + text_;
}

void CatalogueMibData::note(std::string text)
{
    if (std::find(notes_.begin(), notes_.end(), text) == notes_.end())
        notes_.push_back(std::move(text));
}

std::string CatalogueMibData::uniqueName(const std::string &base)
{
    std::string name = base;
    for (int n = 2;
         names_.contains(name) || store_.schema().objectByName(name) || store_.schema().tableByName(name);
         ++n)
        name = base + std::to_string(n);
    names_.insert(name);
    return name;
}

void CatalogueMibData::addScalars(const Window &window)
{
    for (const KtSNMPVarDef *def = window.vars; def->Oid; ++def) {
        Oid oid = oidOf(*def);
        if (oid.empty() || !mibTypeOf(def->Syntax)) {
            note(window.caption + ": " + def->Name + " has no OID or no SNMP type");
            continue;
        }
        if (servedByAgentLibrary(oid))
            continue;
        Scalar &scalar = scalars_[oid];
        if (!scalar.def)
            scalar.def = def;
        scalar.writable |= (def->Access & AccessWrite) != 0;
    }
}

void CatalogueMibData::addTable(const Window &window)
{
    const int count = KtRowCount(window.vars);
    const int indexCount = std::min(window.indexCount, count);
    std::vector<IndexVar> index;
    for (int i = 0; i < indexCount; ++i) {
        const KtSNMPVarDef &def = window.vars[i];
        bool implied = i == indexCount - 1 && (def.Access & AccessImplied) != 0;
        index.push_back(IndexVar{oidOf(def), &def, implied});
    }
    // The tables: the parents of the non-index columns (one, as a rule).
    std::set<Oid> entries;
    for (int i = indexCount; i < count; ++i)
        entries.insert(parentOf(oidOf(window.vars[i])));
    if (entries.empty() && !index.empty())
        entries.insert(parentOf(index.back().oid));
    for (const Oid &entry : entries) {
        if (entry.empty() || servedByAgentLibrary(entry))
            continue;
        auto [it, created] = tables_.try_emplace(entry);
        Table &table = it->second;
        if (created) {
            table.window = window.caption;
            table.index = index;
        } else {
            bool same = table.index.size() == index.size();
            for (std::size_t i = 0; same && i < index.size(); ++i)
                same = indexPartOf(*table.index[i].def, table.index[i].implied) ==
                       indexPartOf(*index[i].def, index[i].implied);
            if (!same) {
                note(window.caption + ": its index variables differ from those of \"" + table.window +
                     "\" for " + entry.toString() + "; the first window's index is served");
                continue;
            }
        }
        for (int i = 0; i < count; ++i) {
            const KtSNMPVarDef &def = window.vars[i];
            Oid oid = oidOf(def);
            if (parentOf(oid) != entry)
                continue;
            Column &column = table.columns[oid.ids().back()];
            if (!column.def)
                column.def = &def;
            column.readable |= (def.Access & AccessRead) != 0;
            column.writable |= (def.Access & AccessWrite) != 0;
        }
        if (window.statusVariable >= 0 && window.statusVariable < count) {
            const KtSNMPVarDef &def = window.vars[window.statusVariable];
            Oid oid = oidOf(def);
            if (parentOf(oid) == entry) {
                table.statusColumn = oid.ids().back();
                if (window.addValue == "createAndGo" || window.addValue == "createAndWait") {
                    table.rowStatus = true;
                } else {
                    table.validity = true;
                    table.validValue = optionValue(def, window.addValue).value_or(3);
                    table.invalidValue = optionValue(def, window.deleteValue).value_or(2);
                }
            }
        }
    }
}

void CatalogueMibData::dropOverlaps()
{
    // Objects the store defines already: hand-written data keeps precedence.
    for (auto it = scalars_.begin(); it != scalars_.end();) {
        const MibObjectDef *existing = store_.schema().objectFor(it->first);
        auto below = store_.next(it->first, true);
        bool under = below != store_.end() && below->first.startsWith(it->first);
        if (existing && existing->oid == it->first && !existing->isColumn()) {
            it = scalars_.erase(it);
        } else if (existing || under) {
            note(std::string("scalar ") + it->second.def->Name + " (" + it->first.toString() +
                 ") overlaps an object the data files define");
            it = scalars_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = tables_.begin(); it != tables_.end();) {
        const Oid &entry = it->first;
        const MibTableDef *existing = nullptr;
        bool conflict = false;
        std::vector<std::string> missing;
        for (const auto &[id, column] : it->second.columns) {
            const MibObjectDef *def = store_.schema().objectFor(entry.child(id));
            if (def && def->isColumn() && def->oid == entry.child(id))
                existing = def->table;
            else if (def)
                conflict = true;
            else if (column.readable)
                missing.push_back(column.def->Name);
        }
        auto below = store_.next(entry, true);
        if (!existing && below != store_.end() && below->first.startsWith(entry))
            conflict = true;
        if (existing || conflict) {
            if (conflict)
                note("table " + entry.toString() + " (\"" + it->second.window +
                     "\") overlaps objects the data files define");
            for (const std::string &name : missing)
                note("table " + entry.toString() + " of the data files has no column \"" + name + "\" (\"" +
                     it->second.window + "\")");
            it = tables_.erase(it);
        } else {
            ++it;
        }
    }
    // Among the derived objects: a scalar at or under a table, a table
    // inside another (one OID read as a scalar in one window and as a
    // column in another).
    std::vector<std::pair<Oid, bool>> all; // OID, is a table entry
    for (const auto &[oid, scalar] : scalars_)
        all.emplace_back(oid, false);
    for (const auto &[entry, table] : tables_)
        all.emplace_back(entry, true);
    std::sort(all.begin(), all.end());
    std::vector<Oid> kept;
    for (const auto &[oid, isTable] : all) {
        while (!kept.empty() && !oid.startsWith(kept.back()))
            kept.pop_back();
        if (kept.empty()) {
            kept.push_back(oid);
            continue;
        }
        note(std::string(isTable ? "table " : "scalar ") + oid.toString() + " lies at or under " +
             kept.back().toString() + ", which another window reads; left out");
        if (isTable)
            tables_.erase(oid);
        else
            scalars_.erase(oid);
    }
}

void CatalogueMibData::writeScalars()
{
    for (const auto &[oid, scalar] : scalars_) {
        const KtSNMPVarDef &def = *scalar.def;
        text_ += "scalar " + oid.toString() + " " + uniqueName(identifier(def.Name)) + " " +
                 mibTypeName(*mibTypeOf(def.Syntax)) + (scalar.writable ? " rw " : " ro ") +
                 plainValue(def, 0, false);
        std::string constraint = constraintOf(def);
        text_ += (constraint.empty() ? "" : " " + constraint) + "\n";
    }
}

std::vector<CatalogueMibData::IndexValue> CatalogueMibData::indexCandidates(const IndexVar &var, bool last)
{
    // Every window that names this index variable gets the values of the
    // first (string values are kept as texts and encoded for each table).
    if (isStringIndex(var.def->Syntax))
        return newIndexCandidates(var, last);
    auto known = indexValues_.find(var.oid);
    if (known == indexValues_.end())
        known = indexValues_.emplace(var.oid, newIndexCandidates(var, last)).first;
    return known->second;
}

std::vector<CatalogueMibData::IndexValue> CatalogueMibData::newIndexCandidates(const IndexVar &var, bool last)
{
    const KtSNMPVarDef &def = *var.def;
    std::vector<IndexValue> values;
    // An index of a table the store fills (ifIndex), or a port or interface
    // number of another table: the rows of the port or interface table.
    const MibTableDef *rows = nullptr;
    if (const MibObjectDef *column = store_.schema().objectFor(var.oid);
        column && column->isColumn() && column->oid == var.oid)
        rows = column->table;
    else if (!numericOptions(def) && nameHas(def, "port") && !nameHas(def, "virtual"))
        rows = store_.schema().tableByName("swPortInfoEntry");
    else if (!numericOptions(def) && (nameHas(def, "ifindex") || nameHas(def, "interface index")))
        rows = store_.schema().tableByName("ifEntry");
    if (rows && rows->index.size() == 1 && rows->index.front().kind == MibIndexKind::Integer &&
        isNumericIndex(def.Syntax)) {
        const std::size_t count = std::min<std::size_t>(RowsPerTable, store_.rowIndexes(*rows).size());
        for (std::size_t row = 1; row <= count; ++row) {
            const std::string name = rows->name + std::to_string(row);
            rowIndexes_[name] = {rows->name, row};
            values.push_back(IndexValue{"$" + name, "$" + name, rows->name});
        }
        if (!values.empty())
            return values;
    }
    if (isNumericIndex(def.Syntax)) {
        if (numericOptions(def)) {
            for (int i = 0; i < def.Options->Count() && values.size() < RowsPerTable; ++i)
                if (qint32 n = def.Options->Get(i).Number; n >= 0)
                    values.push_back(literal(std::to_string(n), Oid{static_cast<SubId>(n)}));
            if (!values.empty())
                return values;
        }
        for (SubId n = 1; n <= RowsPerTable; ++n)
            values.push_back(literal(std::to_string(n), Oid{n}));
        return values;
    }
    if (def.Syntax == SyntaxIpAddress || def.Syntax == SyntaxNsapAddress) {
        if (nameHas(def, "mask"))
            return {literal("255.255.255.0", Oid{255, 255, 255, 0})};
        for (SubId n = 1; n <= RowsPerTable; ++n)
            values.push_back(literal("10.90.90." + std::to_string(n), Oid{10, 90, 90, n}));
        return values;
    }
    if (def.Syntax == SyntaxMacAddress) {
        for (SubId n = 1; n <= RowsPerTable; ++n)
            values.push_back(
                literal(hex(std::string{'\x02', '\x4b', '\x54', '\x00', '\x00', static_cast<char>(n)}),
                        Oid{0x02, 0x4b, 0x54, 0, 0, n}));
        return values;
    }
    bool implied = last && var.implied;
    if (def.Syntax == SyntaxOid) {
        for (const Oid &oid : {Oid{1, 3, 6, 1, 2, 1}, Oid{1, 3, 6, 1, 4, 1}, Oid{1, 3, 6, 1, 6, 3}})
            values.push_back(literal(oid.toString(), implied ? oid : Oid{oid.size()} + oid));
        return values;
    }
    if (isStringIndex(def.Syntax)) {
        // The same texts for every window that names this index variable.
        auto [known, added] = indexTexts_.try_emplace(var.oid);
        if (added) {
            std::string base = lower(identifier(def.Name)).substr(0, 12);
            for (int n = 1; n <= RowsPerTable; ++n)
                known->second.push_back(base + std::to_string(n));
        }
        for (const std::string &text : known->second) {
            Oid encoded = implied ? Oid{} : Oid{text.size()};
            for (unsigned char c : text)
                encoded = encoded.child(c);
            values.push_back(literal(def.Syntax == SyntaxDisplayString ? quoted(text) : hex(text), encoded));
        }
    }
    return values;
}

std::string CatalogueMibData::perPortRows(const Table &table,
                                          std::vector<std::vector<IndexValue>> &candidates)
{
    std::optional<std::size_t> portPart;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string &rows = candidates[i].front().rowTable;
        if (rows == "swPortInfoEntry" || rows == "dot1dBasePortEntry") {
            if (portPart)
                return {}; // two port parts: not one row per port
            portPart = i;
        } else if (!isNumericIndex(table.index[i].def->Syntax)) {
            return {}; // rows per port and address are not a switch's
        }
    }
    if (!portPart)
        return {};
    std::string rows = candidates[*portPart].front().rowTable;
    candidates[*portPart] = {IndexValue{"$index", "$index", rows}};
    return rows;
}

void CatalogueMibData::writeTables()
{
    for (auto &[entry, table] : tables_) {
        // Index values, row by row; every index variable must have some.
        std::vector<std::vector<IndexValue>> candidates;
        std::string parts;
        bool servable = !table.index.empty();
        for (std::size_t i = 0; i < table.index.size(); ++i) {
            bool last = i + 1 == table.index.size();
            std::string part = indexPartOf(*table.index[i].def, last && table.index[i].implied);
            candidates.push_back(indexCandidates(table.index[i], last));
            servable = servable && !part.empty() && !candidates.back().empty();
            // A readable column of this table that holds the part.
            const Oid &oid = table.index[i].oid;
            if (parentOf(oid) == entry)
                if (auto column = table.columns.find(oid.ids().back());
                    column != table.columns.end() && column->second.readable)
                    part += " column " + std::to_string(column->first);
            parts += (i ? ", " : "") + part;
        }
        bool readable = false;
        for (const auto &[id, column] : table.columns) {
            readable |= column.readable;
            servable = servable && mibTypeOf(column.def->Syntax).has_value();
        }
        if (!servable || !readable) {
            note("table " + entry.toString() + " (\"" + table.window + "\") has no usable index or column");
            continue;
        }
        if (!table.rowStatus && !table.validity)
            for (const auto &[id, column] : table.columns)
                if (column.writable && isRowStatusEnumeration(*column.def)) {
                    table.rowStatus = true;
                    table.statusColumn = id;
                    break;
                }
        const bool control = table.rowStatus || table.validity;
        const std::string name = uniqueName(identifier(table.window) + "Entry");
        text_ += "\ntable " + entry.toString() + " " + name + " index(" + parts + ")";
        if (table.rowStatus)
            text_ += " rowstatus(" + std::to_string(table.statusColumn) + ")";
        else if (table.validity)
            text_ += " validity(" + std::to_string(table.statusColumn) + ", " +
                     std::to_string(table.invalidValue) + ")";
        text_ += "\n";
        for (const auto &[id, column] : table.columns) {
            const KtSNMPVarDef &def = *column.def;
            std::string access = !column.readable ? "na" : !column.writable ? "ro" : control ? "rc" : "rw";
            text_ += "  column " + std::to_string(id) + " " + uniqueName(identifier(def.Name)) + " " +
                     mibTypeName(*mibTypeOf(def.Syntax)) + " " + access;
            if (table.rowStatus && id == table.statusColumn)
                text_ += " 1";
            else if (table.validity && id == table.statusColumn)
                text_ += " " + std::to_string(table.validValue);
            std::string constraint = constraintOf(def);
            text_ += (constraint.empty() ? "" : " " + constraint) + "\n";
        }
        const std::string eachPort = perPortRows(table, candidates);
        std::set<std::string> written;
        for (int row = 0; row < RowsPerTable; ++row) {
            std::string index;
            std::vector<std::string> tokens;
            for (const std::vector<IndexValue> &values : candidates) {
                const IndexValue &value = values[static_cast<std::size_t>(row) % values.size()];
                if (!value.encoded.empty())
                    index += (index.empty() ? "" : ".") + value.encoded;
                tokens.push_back(value.token);
            }
            if (!written.insert(index).second)
                continue;
            text_ += (eachPort.empty() ? "" : "foreach " + eachPort + " ") + "row " + name + " " + index;
            for (const auto &[id, column] : table.columns) {
                if (!column.readable)
                    continue;
                std::string value;
                if (table.rowStatus && id == table.statusColumn)
                    value = "1";
                else if (table.validity && id == table.statusColumn)
                    value = std::to_string(table.validValue);
                else
                    value = plainValue(*column.def, row, true);
                // A readable index column holds its part of the index.
                for (std::size_t i = 0; i < table.index.size(); ++i)
                    if (table.index[i].oid == entry.child(id))
                        value = tokens[i];
                text_ += " ." + std::to_string(id) + "=" + value;
            }
            text_ += "\n";
        }
    }
}
