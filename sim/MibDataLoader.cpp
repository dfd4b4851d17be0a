#include "MibDataLoader.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <set>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const std::string &message)
{
    throw std::runtime_error(message);
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    while (true) {
        std::size_t at = text.find(separator);
        parts.push_back(trim(text.substr(0, at)));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::int64_t number(std::string_view text)
{
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        fail("not a number: " + std::string(text));
    return value;
}

std::pair<std::int64_t, std::int64_t> range(std::string_view text)
{
    std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) {
        std::int64_t value = number(text);
        return {value, value};
    }
    return {number(trim(text.substr(0, dots))), number(trim(text.substr(dots + 2)))};
}

// {2 disabled, 3 enabled}, {0..65535}, {size 0..32}
MibConstraint parseConstraint(std::string_view text)
{
    MibConstraint constraint;
    for (std::string_view item : split(text.substr(1, text.size() - 2), ',')) {
        if (item.starts_with("size ")) {
            constraint.constrainsLength = true;
            item = trim(item.substr(5));
        }
        std::size_t blank = item.find(' ');
        auto [low, high] = range(item.substr(0, blank));
        constraint.ranges.emplace_back(low, high);
        if (blank != std::string_view::npos)
            constraint.labels.emplace_back(low, std::string(trim(item.substr(blank))));
    }
    return constraint;
}

MibAccess parseAccess(std::string_view text)
{
    if (text == "ro")
        return MibAccess::ReadOnly;
    if (text == "rw")
        return MibAccess::ReadWrite;
    if (text == "rc")
        return MibAccess::ReadCreate;
    if (text == "na")
        return MibAccess::NotAccessible;
    fail("unknown access: " + std::string(text));
}

MibType parseType(std::string_view text)
{
    auto type = mibTypeFromName(text);
    if (!type)
        fail("unknown type: " + std::string(text));
    return *type;
}

Oid parseOid(std::string_view text)
{
    auto oid = Oid::parse(text);
    if (!oid)
        fail("not an OID: " + std::string(text));
    return *oid;
}

MibValue zeroValue(MibType type)
{
    switch (type) {
    case MibType::Integer:
        return MibValue::integer(0);
    case MibType::OctetString:
        return MibValue::octets("");
    case MibType::IpAddress:
        return MibValue::ipAddress(std::string(4, '\0'));
    case MibType::ObjectId:
        return MibValue::objectId(Oid{0, 0});
    default:
        return MibValue::unsignedNumber(type, 0);
    }
}

// "integer 1..4", "mac", "octets", ..., each with an optional "column N"
MibIndexPart parseIndexPart(std::string_view text)
{
    MibIndexPart part;
    if (std::size_t at = text.find(" column "); at != std::string_view::npos) {
        part.column = static_cast<SubId>(number(trim(text.substr(at + 8))));
        text = trim(text.substr(0, at));
    }
    std::size_t blank = text.find(' ');
    std::string_view kind = text.substr(0, blank);
    if (kind == "integer") {
        part.kind = MibIndexKind::Integer;
        if (blank != std::string_view::npos)
            std::tie(part.low, part.high) = range(trim(text.substr(blank)));
    } else if (kind == "ipaddress") {
        part.kind = MibIndexKind::IpAddress;
    } else if (kind == "mac") {
        part.kind = MibIndexKind::FixedOctets;
        part.fixedLength = 6;
    } else if (kind == "octets") {
        part.kind = MibIndexKind::Octets;
    } else if (kind == "implied") {
        part.kind = MibIndexKind::ImpliedOctets;
    } else {
        fail("unknown index part: " + std::string(text));
    }
    return part;
}

// "word(arguments)" -> arguments, or nullopt when the token is not that word.
std::optional<std::string_view> call(const std::string &token, std::string_view word)
{
    std::string_view text = token;
    if (!text.starts_with(word) || text.size() < word.size() + 2 || text[word.size()] != '(' ||
        text.back() != ')')
        return std::nullopt;
    return text.substr(word.size() + 1, text.size() - word.size() - 2);
}

// A value in the text form the data files read back: numbers in decimal,
// octets as 0xHEX, addresses as dotted quads, OIDs dotted.
std::string textOf(const MibValue &value)
{
    static const char Digits[] = "0123456789ABCDEF";
    switch (value.type()) {
    case MibType::Integer:
        return std::to_string(value.signedNumber());
    case MibType::OctetString: {
        std::string text = "0x";
        for (unsigned char c : value.bytes())
            text += {Digits[c >> 4], Digits[c & 15]};
        return text;
    }
    case MibType::IpAddress: {
        std::string text;
        for (unsigned char c : value.bytes())
            text += (text.empty() ? "" : ".") + std::to_string(c);
        return text;
    }
    case MibType::ObjectId:
        return value.oid().toString();
    default:
        return std::to_string(value.number());
    }
}

// The length of the $NAME that starts at `from`: letters, digits and "_".
std::size_t nameLength(const std::string &text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
        ++end;
    return end - from;
}

} // namespace

std::vector<DataToken> MibDataLoader::tokenize(std::string_view line)
{
    std::vector<DataToken> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            DataToken token{"", true};
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                token.text += line[i];
            }
            if (i >= line.size())
                fail("unterminated quote");
            ++i;
            tokens.push_back(std::move(token));
        } else {
            // A word runs to the next blank, except inside braces or
            // parentheses, which keep their blanks.
            DataToken token;
            int depth = 0;
            for (; i < line.size(); ++i) {
                char d = line[i];
                if (depth == 0 && (d == ' ' || d == '\t' || d == '\r' || d == '"'))
                    break;
                if (d == '{' || d == '(')
                    ++depth;
                else if ((d == '}' || d == ')') && depth > 0)
                    --depth;
                token.text += d;
            }
            tokens.push_back(std::move(token));
        }
    }
    return tokens;
}

MibValue MibDataLoader::parseValue(const MibObjectDef &def, const DataToken &token)
{
    if (def.type == MibType::Integer && !token.quoted)
        if (auto labelled = def.constraint.valueOfLabel(token.text))
            return MibValue::integer(*labelled);
    auto value = MibValue::parse(def.type, token.text, token.quoted);
    if (!value)
        fail("bad " + std::string(mibTypeName(def.type)) + " value for " + def.name + ": " + token.text);
    return *value;
}

void MibDataLoader::load(std::string_view text, const std::string &source, const ExtraStatement &extra)
{
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        try {
            std::vector<DataToken> tokens = tokenize(line);
            if (!tokens.empty())
                statement(tokens, extra);
        } catch (const std::exception &error) {
            throw std::runtime_error(source + ":" + std::to_string(lineNumber) + ": " + error.what());
        }
    }
}

void MibDataLoader::statement(const std::vector<DataToken> &tokens, const ExtraStatement &extra)
{
    const std::string &keyword = tokens.front().text;
    if (keyword == "scalar")
        scalar(tokens);
    else if (keyword == "table")
        table(tokens);
    else if (keyword == "column")
        column(tokens);
    else if (keyword == "row")
        row(tokens);
    else if (keyword == "set")
        set(tokens);
    else if (keyword == "rowindex")
        rowIndex(tokens);
    else if (keyword == "foreach")
        forEach(tokens, extra);
    else if (!extra || !extra(tokens))
        fail("unknown statement: " + keyword);
}

// NAME TYPE ACCESS [DEFAULT | -] [{CONSTRAINT}], starting at tokens[first].
MibObjectDef MibDataLoader::objectDef(const std::vector<DataToken> &tokens, std::size_t first)
{
    if (tokens.size() < first + 3)
        fail("expected NAME TYPE ACCESS");
    MibObjectDef def;
    def.name = tokens[first].text;
    def.type = parseType(tokens[first + 1].text);
    def.access = parseAccess(tokens[first + 2].text);
    def.defaultValue = zeroValue(def.type);
    std::size_t next = first + 3;
    const DataToken *defaultToken = nullptr;
    if (next < tokens.size() && (tokens[next].quoted || !tokens[next].text.starts_with("{")))
        defaultToken = &tokens[next++];
    if (next < tokens.size()) {
        if (!tokens[next].text.starts_with("{") || !tokens[next].text.ends_with("}"))
            fail("expected a constraint in braces: " + tokens[next].text);
        def.constraint = parseConstraint(tokens[next++].text);
    }
    if (next != tokens.size())
        fail("unexpected text after the definition of " + def.name);
    if (defaultToken && !(defaultToken->text == "-" && !defaultToken->quoted))
        def.defaultValue = parseValue(def, *defaultToken);
    return def;
}

void MibDataLoader::scalar(const std::vector<DataToken> &tokens)
{
    if (tokens.size() < 6)
        fail("expected: scalar OID NAME TYPE ACCESS VALUE");
    MibObjectDef def = objectDef(tokens, 2);
    def.oid = parseOid(tokens[1].text);
    const MibObjectDef &added = store_.schema().addScalar(std::move(def));
    store_.instantiateScalar(added);
    objects_.push_back(&added);
    currentTable_ = nullptr;
}

void MibDataLoader::table(const std::vector<DataToken> &tokens)
{
    if (tokens.size() < 4)
        fail("expected: table OID NAME index(...)");
    MibTableDef def;
    def.entry = parseOid(tokens[1].text);
    def.name = tokens[2].text;
    auto index = call(tokens[3].text, "index");
    if (!index)
        fail("expected index(...): " + tokens[3].text);
    for (std::string_view part : split(*index, ','))
        def.index.push_back(parseIndexPart(part));
    if (tokens.size() > 4) {
        if (auto status = call(tokens[4].text, "rowstatus")) {
            def.control = MibRowControl::RowStatus;
            def.statusColumn = static_cast<SubId>(number(trim(*status)));
        } else if (auto validity = call(tokens[4].text, "validity")) {
            auto parts = split(*validity, ',');
            if (parts.size() != 2)
                fail("expected validity(COLUMN, INVALID)");
            def.control = MibRowControl::Validity;
            def.statusColumn = static_cast<SubId>(number(parts[0]));
            def.invalidValue = number(parts[1]);
        } else {
            fail("expected rowstatus(...) or validity(...): " + tokens[4].text);
        }
    }
    currentTable_ = &store_.schema().addTable(std::move(def));
}

void MibDataLoader::column(const std::vector<DataToken> &tokens)
{
    if (!currentTable_)
        fail("column outside a table");
    if (tokens.size() < 5)
        fail("expected: column SUBID NAME TYPE ACCESS");
    std::string_view id = tokens[1].text;
    if (id.starts_with("."))
        id.remove_prefix(1);
    objects_.push_back(
        &store_.schema().addColumn(*currentTable_, static_cast<SubId>(number(id)), objectDef(tokens, 2)));
}

void MibDataLoader::row(const std::vector<DataToken> &tokens)
{
    if (tokens.size() < 3)
        fail("expected: row TABLE INDEX [COLUMN=VALUE ...]");
    const MibTableDef *table = store_.schema().tableByName(tokens[1].text);
    if (!table)
        fail("unknown table: " + tokens[1].text);
    Oid index = parseOid(substitute(tokens[2].text));
    MibStore::ColumnValues values;
    for (std::size_t i = 3; i < tokens.size(); ++i) {
        const std::string text = substitute(tokens[i].text);
        std::string_view assignment = text;
        std::size_t equals = assignment.find('=');
        if (equals == std::string_view::npos || tokens[i].quoted)
            fail("expected COLUMN=VALUE: " + tokens[i].text);
        std::string_view name = assignment.substr(0, equals);
        const MibObjectDef *column = store_.schema().objectByName(name);
        if (!column || column->table != table) {
            std::int64_t id = number(name.starts_with(".") ? name.substr(1) : name);
            column = table->column(static_cast<SubId>(id));
        }
        if (!column)
            fail("unknown column: " + std::string(name));
        // A quoted value continues in the next token: name="text".
        DataToken value{std::string(assignment.substr(equals + 1)), false};
        if (value.text.empty() && i + 1 < tokens.size() && tokens[i + 1].quoted)
            value = tokens[++i];
        values.emplace_back(column->oid.ids().back(), parseValue(*column, value));
    }
    if (!store_.addRow(*table, index, values))
        fail("bad or duplicate row index " + index.toString() + " for " + table->name);
}

void MibDataLoader::set(const std::vector<DataToken> &tokens)
{
    if (tokens.size() != 3)
        fail("expected: set INSTANCE-OID VALUE");
    Oid instance = parseOid(substitute(tokens[1].text));
    const MibInstance *existing = store_.find(instance);
    if (!existing)
        fail("no such instance: " + instance.toString());
    DataToken value = tokens[2];
    if (!value.quoted)
        value.text = substitute(value.text);
    store_.setValue(instance, parseValue(*existing->def, value));
}

void MibDataLoader::rowIndex(const std::vector<DataToken> &tokens)
{
    if (tokens.size() != 4)
        fail("expected: rowindex NAME TABLE N");
    const MibTableDef *table = store_.schema().tableByName(tokens[2].text);
    if (!table)
        fail("unknown table: " + tokens[2].text);
    const std::int64_t n = number(tokens[3].text);
    const std::vector<Oid> rows = store_.rowIndexes(*table);
    if (n < 1 || static_cast<std::size_t>(n) > rows.size())
        fail(table->name + " has no row " + tokens[3].text);
    rowIndexes_[tokens[1].text] = rows[static_cast<std::size_t>(n - 1)].toString();
}

void MibDataLoader::forEach(const std::vector<DataToken> &tokens, const ExtraStatement &extra)
{
    if (tokens.size() < 3)
        fail("expected: foreach TABLE [COLUMN=VALUE] STATEMENT");
    const MibTableDef *table = store_.schema().tableByName(tokens[1].text);
    if (!table)
        fail("unknown table: " + tokens[1].text);
    std::size_t first = 2;
    std::string filterColumn, filterValue;
    if (const std::string &word = tokens[2].text; !tokens[2].quoted && word.find('=') != std::string::npos) {
        filterColumn = word.substr(0, word.find('='));
        filterValue = word.substr(word.find('=') + 1);
        ++first;
    }
    if (first >= tokens.size() || tokens[first].text == "foreach")
        fail("foreach needs one statement other than foreach");
    const std::vector<DataToken> statementTokens(tokens.begin() + static_cast<std::ptrdiff_t>(first),
                                                 tokens.end());
    // Only the texts the statement and the filter name: a table's every
    // cell for every row would cost more than the rows themselves.
    std::set<std::string, std::less<>> wanted;
    if (!filterColumn.empty())
        wanted.insert(filterColumn);
    for (const DataToken &token : statementTokens)
        for (std::size_t at = token.text.find('$'); at != std::string::npos;
             at = token.text.find('$', at + 1))
            wanted.insert(token.text.substr(at + 1, nameLength(token.text, at + 1)));
    const auto saved = rowIndexes_;
    for (const Oid &index : store_.rowIndexes(*table)) {
        auto texts = rowTexts(*table, index, wanted);
        if (!filterColumn.empty()) {
            auto held = texts.find(filterColumn);
            if (held == texts.end())
                fail("unknown column: " + filterColumn);
            const MibObjectDef *column = store_.schema().objectByName(filterColumn);
            const bool same = column && column->table == table
                                  ? parseValue(*column, DataToken{held->second, false}) ==
                                        parseValue(*column, DataToken{filterValue, false})
                                  : held->second == filterValue;
            if (!same)
                continue;
        }
        for (auto &[name, text] : texts)
            rowIndexes_[name] = std::move(text);
        statement(statementTokens, extra);
        rowIndexes_ = saved;
    }
}

std::map<std::string, std::string, std::less<>>
MibDataLoader::rowTexts(const MibTableDef &table, const Oid &index,
                        const std::set<std::string, std::less<>> &wanted) const
{
    std::map<std::string, std::string, std::less<>> texts{{"index", index.toString()}};
    // The last part of the index as three hex digits, as a spanning-tree
    // port identifier writes a port number.
    char hex[8];
    std::snprintf(hex, sizeof hex, "%03X", static_cast<unsigned>(index[index.size() - 1] & 0xfff));
    texts["indexhex"] = hex;
    for (const auto &[id, column] : table.columns) {
        if (!wanted.contains(column->name))
            continue;
        if (const MibInstance *cell = store_.find(column->oid + index))
            texts[column->name] = textOf(cell->current());
    }
    return texts;
}

// The text with every $NAME replaced by the row index of that name.
std::string MibDataLoader::substitute(const std::string &text) const
{
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '$') {
            result += text[i++];
            continue;
        }
        const std::size_t end = i + 1 + nameLength(text, i + 1);
        const std::string_view name = std::string_view(text).substr(i + 1, end - i - 1);
        auto known = rowIndexes_.find(name);
        if (known == rowIndexes_.end())
            fail("unknown row index: $" + std::string(name));
        result += known->second;
        i = end;
    }
    return result;
}
