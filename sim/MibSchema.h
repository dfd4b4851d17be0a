#pragma once

#include "MibValue.h"
#include "Oid.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class MibAccess
{
    NotAccessible,
    ReadOnly,
    ReadWrite,
    ReadCreate,
};

// Allowed values of an integer object (ranges, with the enumeration labels
// when it is an enumeration) or allowed lengths of an octet string.
struct MibConstraint
{
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    std::vector<std::pair<std::int64_t, std::string>> labels;
    bool constrainsLength = false;

    bool allows(std::int64_t number) const;
    std::optional<std::int64_t> valueOfLabel(std::string_view label) const;
};

struct MibTableDef;

// One scalar object or one column of a table.
struct MibObjectDef
{
    std::string name;
    Oid oid;
    MibType type = MibType::Integer;
    MibAccess access = MibAccess::ReadOnly;
    MibValue defaultValue;
    MibConstraint constraint;
    const MibTableDef *table = nullptr;

    bool isColumn() const { return table != nullptr; }
    bool readable() const { return access != MibAccess::NotAccessible; }
    bool writable() const { return access == MibAccess::ReadWrite || access == MibAccess::ReadCreate; }
};

// How one component of a table index is encoded in the instance OID.
enum class MibIndexKind
{
    Integer,       // one sub-identifier
    IpAddress,     // four sub-identifiers
    FixedOctets,   // fixedLength sub-identifiers, no length (MAC addresses)
    Octets,        // a length, then that many sub-identifiers
    ImpliedOctets, // the rest of the OID (last component only)
};

struct MibIndexPart
{
    MibIndexKind kind = MibIndexKind::Integer;
    std::size_t fixedLength = 0;
    std::int64_t low = 0;
    std::int64_t high = 2147483647;
    // The readable column that holds this part's value in every row (a
    // rule of the MIB, not of the encoding), or 0 when there is none.
    SubId column = 0;
};

// How rows of a table are created and deleted through SNMP.
enum class MibRowControl
{
    None,      // rows cannot be created or deleted
    RowStatus, // RFC 2579 RowStatus column
    Validity,  // a status column whose "invalid" value deletes the row
};

struct MibTableDef
{
    std::string name;
    Oid entry;
    std::vector<MibIndexPart> index;
    MibRowControl control = MibRowControl::None;
    SubId statusColumn = 0;
    std::int64_t invalidValue = 2;
    std::map<SubId, const MibObjectDef *> columns;

    bool isValidIndex(const Oid &suffix) const;
    // The sub-identifiers of each index part of a valid index, without the
    // length of variable-length parts; empty when the index is not valid.
    std::vector<Oid> indexParts(const Oid &suffix) const;
    const MibObjectDef *column(SubId id) const;
    const MibObjectDef *firstReadableColumn() const;
};

// Every object and table the simulator knows, with fast lookup of the object
// that an instance OID belongs to.
class MibSchema
{
public:
    MibObjectDef &addScalar(MibObjectDef def);
    MibTableDef &addTable(MibTableDef def);
    MibObjectDef &addColumn(MibTableDef &table, SubId column, MibObjectDef def);

    // The scalar or column whose OID is a prefix of `name` (or equals it).
    const MibObjectDef *objectFor(const Oid &name) const;
    const MibObjectDef *objectByName(std::string_view name) const;
    const MibTableDef *tableByName(std::string_view name) const;
    MibTableDef *tableByName(std::string_view name);

    // The subtrees that hold every object: mib-2 groups, enterprise subtrees
    // and SNMPv3 framework modules, each given as its first seven
    // sub-identifiers.
    std::vector<Oid> registrationRoots() const;

private:
    std::deque<MibObjectDef> objects_;
    std::deque<MibTableDef> tables_;
    std::map<Oid, const MibObjectDef *> byOid_;
    std::map<std::string, const MibObjectDef *, std::less<>> objectsByName_;
    std::map<std::string, MibTableDef *, std::less<>> tablesByName_;
};
