// The "Help" menu: the help file and the About window.

#include "KtMenuCatalogue.h"

constexpr KtMenuItem HelpMenu[] = {
    Builtin("Help", "Help2", BuiltinHelp),
    DedicatedWindow("About", "About1", "TAboutForm"),
    NoAction("Test").Hide(),
    {},
};
