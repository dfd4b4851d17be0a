#pragma once

// The generic windows of the menu catalogue, the port pop-up menu and the
// main window's own bindings, with what their variable lists need.
#include "KtSNMPVarDef.h"

#include <QString>
#include <vector>

struct CatalogueWindow
{
    QString path; // menu path, "Basic Configuration > ... > System Time"
    const KtSNMPVarDef *vars = nullptr;
    KtListKind kind = ListScalars;
    int indexCount = 0;
    bool portInstance = false;
    int statusVariable = -1; // the variable that adds and deletes rows
    QString addValue;
    QString deleteValue;
};

std::vector<CatalogueWindow> AllCatalogueWindows();
