#include "CatalogueWindows.h"

#include "KtMainWindowTables.h"
#include "KtMenuCatalogue.h"

namespace {

void Collect(const KtMenuItem *items, const QString &parent, std::vector<CatalogueWindow> &windows)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        const QString path = parent.isEmpty() ? QString(item->Caption) : parent + " > " + item->Caption;
        if (item->Action == KtMenuAction::Submenu)
            Collect(item->Children, path, windows);
        else if (item->OpensGenericWindow())
            windows.push_back({path, item->Vars, item->Kind, item->IndexCount, item->Has(HookPortInstance),
                               item->AddIndex, item->AddValue, item->DeleteValue});
    }
}

} // namespace

std::vector<CatalogueWindow> AllCatalogueWindows()
{
    std::vector<CatalogueWindow> windows;
    Collect(MainMenu1, {}, windows);
    Collect(PortInfoPopupMenu, "port pop-up", windows);
    for (const KtBindingTable *binding = MainWindowTables; binding->Binding; ++binding)
        windows.push_back({QString("main window > ") + binding->Binding,
                           binding->Vars,
                           binding->Kind,
                           binding->IndexCount,
                           binding->Kind == ListRow,
                           -1,
                           {},
                           {}});
    return windows;
}
