#pragma once

#include "KtCatalogue.h"
#include "KtException.h"

// Codes of the errors raised by the value conversions and the expression
// language; the message is the catalogue text of the code.
enum KtErrorCode : int
{
    KtErrBadLogicOperand = -1,    // a condition part that is neither a comparison nor true/false
    KtErrBadSyntax = -511,        // a type code without conversion, or a text it cannot hold
    KtErrNullInExpression = -512, // a substituted variable is "(NULL)"
    KtErrBadExpression = -513,    // an expression that cannot be evaluated
};

[[noreturn]] inline void KtRaise(int code)
{
    throw KtException(KtErrorText(code), code);
}
