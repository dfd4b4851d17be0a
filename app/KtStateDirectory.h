#pragma once

#include <QString>

// Where a desktop start keeps what the module writes (the SNMPv3 boot
// counter) and what the viewers it starts write: $XDG_STATE_HOME/qg2312, or
// ~/.local/state/qg2312 when XDG_STATE_HOME is unset or not absolute. A
// start from a terminal keeps the working directory instead.
class KtStateDirectory
{
public:
    static QString Path();

    // Creates the directory (owner-only) when missing and makes it the
    // working directory. Returns an empty text, or why that failed.
    static QString Enter();
};
