#pragma once

#include "KtSNMPVarDef.h"

#include <span>

// A descriptor table as a window reads it: the list kind, the number of
// index variables and the variable that creates and deletes rows. A window
// with a class of its own lists the tables it reads and writes this way, so
// that whatever reads its settings without the window reads them alike.
struct KtDescriptorTable
{
    const KtSNMPVarDef *Vars = nullptr;
    KtListKind Kind = ListScalars;
    int IndexCount = 0;
    int StatusVariable = -1;       // the variable that creates and deletes rows, or -1
    const char *Caption = nullptr; // tells one window's tables apart; the first needs none
};

using KtDescriptorTables = std::span<const KtDescriptorTable>;
