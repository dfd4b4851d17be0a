#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

} // namespace

constexpr KtMenuItem HelpMenu[] = {
    Builtin("Help", "Help2", BuiltinHelp),
    DedicatedWindow("About", "About1", "TAboutForm"),
    NoAction("Test").Hide(),
    {},
};
