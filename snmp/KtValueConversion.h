#pragma once

#include "KtSNMPVarList.h"
#include "KtVb.h"

#include <QString>
#include <QStringList>

// The conversions of a request's variables, chosen by each variable's type
// code and passed through its enumeration: received bindings to value texts
// and back, index sub-identifiers to value texts and back, formulas and row
// conditions. A view over one variable list; the list must outlive it.
//
// Failures raise KtException: -511 for a type code without conversion,
// KtValueError (-518) for a text to send that is not one whole value of its
// syntax (KtTextForm's Read... readers), -512 for a
// "(NULL)" value in an expression, -513 for an expression that cannot be
// evaluated (a variable position past the end of the list, a division by
// zero, nesting too deep, a type code a formula cannot express), -1 for a
// condition part that is neither a comparison nor true/false. A failed
// conversion leaves the variable's Value as it was.
class KtValueConversion
{
public:
    explicit KtValueConversion(KtSNMPVarList &vars) : vars_(vars) {}

    // Replaces each marker and the decimal position after it (none is 0)
    // with that variable's value as an expression operand: truth values as 1
    // or 0, numbers as they are, TimeTicks in hundredths, date-times as a day
    // count, anything else quoted when quoteStrings is set and an error
    // otherwise. Inserted texts are not searched for markers again.
    QString SubstituteVariables(const QString &text, QChar marker, bool quoteStrings) const;

    // Decodes variable i's value from the front of a dotted instance suffix
    // and returns the rest ("" when nothing remains). Sub-identifiers that are
    // not there count as 0; a length sub-identifier counts at most 128.
    QString IndexToValue(int i, const QString &suffix);

    // Variable i's value as dotted index sub-identifiers. A value text that
    // is not one whole value of the variable's syntax raises KtValueError
    // naming the variable; no value, "(NULL)" and "(NOTDONE)" give the zero
    // index (a walk's column that has ended).
    QString ValueToIndex(int i) const;

    // Variable i's Value from a received binding.
    void VbToText(int i, const KtVb &vb);

    // The value of a binding for a set from variable i's Value; the binding's
    // OID is left alone. A value text that is not one whole value of the
    // variable's syntax raises KtValueError naming the variable.
    void TextToVb(int i, KtVb &vb) const;

    // ReadFormula after a read, WriteFormula before a write; nothing without one.
    void ApplyFormula(int i, bool afterRead);

    // An empty condition is true.
    bool EvaluateCondition(const QString &text) const;

    // The last index variable of the list, marked AccessImplied.
    bool IsImpliedIndex(int i) const;

private:
    static void TextToValue(const KtSNMPVar &var, const QString &text, KtVb &vb);
    static QStringList IndexIds(const KtSNMPVar &var, const QString &text, bool withLength);
    static QStringList MissingValueIds(int syntax, bool withLength);
    QString NameToValue(const KtSNMPVar &var) const;
    static QString ValueToName(const KtSNMPVar &var, const QString &text);

    KtSNMPVarList &vars_;
};
