#pragma once

// Static descriptor tables: every window names the SNMP objects it works on
// in one constexpr array of KtSNMPVarDef rows, written positionally in the
// order OID, name, type code, access bits and, where the object has one, its
// enumeration. The last row is {} (a null OID ends the table). Enumerations
// are constexpr {value, name} pair arrays ending with {}, each turned once
// into a KtOptionList object that the rows point to.
//
// The filtering-database table (a table walk with two index variables; the
// first index belongs to another table and is not requested):
//
//   constexpr KtOptionDef FdbStatusPairs[] = {
//       {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {}};
//   const KtOptionList FdbStatus(FdbStatusPairs);
//
//   constexpr KtSNMPVarDef Dot1qTpFdbTable[] = {
//       {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id",        SyntaxInteger,    AccessIndex},
//       {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
//       {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber",    SyntaxInteger,    AccessRead},
//       {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status",        SyntaxInteger,    AccessRead, &FdbStatus},
//       {},
//   };
//
//   KtSNMPVarList fdb(Dot1qTpFdbTable, ListTable, 2);
//
// A table in a header declares its enumerations `inline const KtOptionList`
// so that every row of every table points to the one object.

#include <QtGlobal>

class KtOptionList;

// Type codes: 1 to 71 are ASN.1 tags, 72 to 76 the toolkit's own, 193 to 198
// part values of the control binding. The underlying type is fixed, so any
// other number can be held (and is rejected by every conversion).
enum KtSyntax : int
{
    SyntaxBoolean = 1,
    SyntaxInteger = 2,
    SyntaxBits = 3,
    SyntaxOctets = 4,
    SyntaxNull = 5,
    SyntaxOid = 6,
    SyntaxIpAddress = 64,
    SyntaxCounter32 = 65,
    SyntaxGauge32 = 66,
    SyntaxTimeTicks = 67,
    SyntaxOpaque = 68,
    SyntaxNsapAddress = 69,
    SyntaxCounter64 = 70,
    SyntaxUnsigned32 = 71,
    SyntaxDouble = 72,
    SyntaxMacAddress = 73,
    SyntaxDateAndTime = 74,
    SyntaxDateTimeValue = 75,
    SyntaxDisplayString = 76,
    SyntaxPartBool8 = 193,
    SyntaxPartInt8 = 194,
    SyntaxPartUInt8 = 195,
    SyntaxPartBool16 = 196,
    SyntaxPartInt16 = 197,
    SyntaxPartUInt16 = 198,
};

enum KtAccess : int
{
    AccessIndex = 0x01,   // decoded from the instance part of a received OID
    AccessRead = 0x02,    // requested by every read
    AccessWrite = 0x04,   // sent by every write (table index variables excepted)
    AccessShow = 0x08,    // a list-view column even when not readable
    AccessHide = 0x10,    // a list-view column of zero width
    AccessSkip = 0x20,    // left out of the operation under way (set at run time)
    AccessImplied = 0x40, // last index variable encoded without its length

    AccessReadWrite = AccessRead | AccessWrite,
    AccessImpliedIndex = AccessIndex | AccessImplied,
};

enum KtListKind : quint8
{
    ListScalars = 0, // each OID + ".0", get
    ListRow = 1,     // each OID + "." + Instance, get
    ListTable = 2,   // get-next walk, one row per response
    ListTableEx = 3, // as ListTable; the bindings tell them apart at the end of a walk
};

// One row of a static descriptor table. Tables fill the first five fields;
// the others exist for rows that carry formulas, a tag or initial texts.
struct KtSNMPVarDef
{
    const char *Oid = nullptr; // without ".0" for scalars; the column OID for columns
    const char *Name = nullptr;
    KtSyntax Syntax = KtSyntax(0);
    int Access = 0; // KtAccess bits
    const KtOptionList *Options = nullptr;
    const char *ReadFormula = nullptr;
    const char *WriteFormula = nullptr;
    const char *Tag = nullptr;
    const char *Value = nullptr;      // initial value text
    const char *CurrentOid = nullptr; // initial current OID
};

// Rows before the terminator.
constexpr int KtRowCount(const KtSNMPVarDef *table)
{
    int count = 0;
    while (table && table[count].Oid)
        ++count;
    return count;
}

// The enumerator names of the type codes; for tools that print the tables.
struct KtSyntaxNameEntry
{
    KtSyntax Code;
    const char *Name;
};
constexpr KtSyntaxNameEntry KtSyntaxNames[] = {
    {SyntaxBoolean, "SyntaxBoolean"},
    {SyntaxInteger, "SyntaxInteger"},
    {SyntaxBits, "SyntaxBits"},
    {SyntaxOctets, "SyntaxOctets"},
    {SyntaxNull, "SyntaxNull"},
    {SyntaxOid, "SyntaxOid"},
    {SyntaxIpAddress, "SyntaxIpAddress"},
    {SyntaxCounter32, "SyntaxCounter32"},
    {SyntaxGauge32, "SyntaxGauge32"},
    {SyntaxTimeTicks, "SyntaxTimeTicks"},
    {SyntaxOpaque, "SyntaxOpaque"},
    {SyntaxNsapAddress, "SyntaxNsapAddress"},
    {SyntaxCounter64, "SyntaxCounter64"},
    {SyntaxUnsigned32, "SyntaxUnsigned32"},
    {SyntaxDouble, "SyntaxDouble"},
    {SyntaxMacAddress, "SyntaxMacAddress"},
    {SyntaxDateAndTime, "SyntaxDateAndTime"},
    {SyntaxDateTimeValue, "SyntaxDateTimeValue"},
    {SyntaxDisplayString, "SyntaxDisplayString"},
    {SyntaxPartBool8, "SyntaxPartBool8"},
    {SyntaxPartInt8, "SyntaxPartInt8"},
    {SyntaxPartUInt8, "SyntaxPartUInt8"},
    {SyntaxPartBool16, "SyntaxPartBool16"},
    {SyntaxPartInt16, "SyntaxPartInt16"},
    {SyntaxPartUInt16, "SyntaxPartUInt16"},
};

// "SyntaxInteger" for 2, null for a code without a name.
constexpr const char *KtSyntaxName(int code)
{
    for (const KtSyntaxNameEntry &entry : KtSyntaxNames)
        if (entry.Code == code)
            return entry.Name;
    return nullptr;
}

// The names of the single access bits, in bit order; for printing tools.
constexpr const char *KtAccessBitNames[] = {"AccessIndex", "AccessRead", "AccessWrite",  "AccessShow",
                                            "AccessHide",  "AccessSkip", "AccessImplied"};
