#pragma once

#include "KtSNMPVarDef.h"

#include <QString>

// One item of a variable list: an owned copy of a descriptor row plus the
// variable's current value text and the OID that value was read from.
// Formulas and the tag are null texts when the row had none.
struct KtSNMPVar
{
    QString Oid;
    QString Name;
    KtSyntax Syntax = KtSyntax(0);
    int Access = 0;
    const KtOptionList *Options = nullptr; // shared, not owned
    QString ReadFormula;
    QString WriteFormula;
    QString Tag;
    QString Value;      // text form of the type code, "(NULL)" or "(NOTDONE)"
    QString CurrentOid; // full OID, instance included, of the last value

    KtSNMPVar() = default;
    explicit KtSNMPVar(const KtSNMPVarDef &row);
};

// Whether a value text is one of the marks of a value the agent did not
// supply: "(NULL)" (no value, or no cell in this row of a table) or
// "(NOTDONE)" (a column that ended during a walk). Such a value is shown
// empty and never written.
inline bool KtIsMissingValue(const QString &value)
{
    return value == QLatin1String("(NULL)") || value == QLatin1String("(NOTDONE)");
}
