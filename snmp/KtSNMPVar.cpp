#include "KtSNMPVar.h"

// Null stays null: a missing formula or tag must not turn into an empty one.
static QString CopyOf(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

KtSNMPVar::KtSNMPVar(const KtSNMPVarDef &row)
    : Oid(CopyOf(row.Oid)), Name(CopyOf(row.Name)), Syntax(row.Syntax), Access(row.Access),
      Options(row.Options), ReadFormula(CopyOf(row.ReadFormula)), WriteFormula(CopyOf(row.WriteFormula)),
      Tag(CopyOf(row.Tag)), Value(row.Value ? QString::fromUtf8(row.Value) : QString("")),
      CurrentOid(row.CurrentOid ? QString::fromUtf8(row.CurrentOid) : QString(""))
{
}
