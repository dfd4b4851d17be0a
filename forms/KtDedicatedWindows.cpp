#include "KtDedicatedWindows.h"

#include "TAggregatorPortTableForm.h"
#include "TBOOTCtrlTableForm.h"
#include "TDiagnosticsInformationForm.h"
#include "TEquipmentBasicInfoForm.h"
#include "TMacStatisticTableForm.h"
#include "TRouteRedistributForm.h"
#include "TSSLManagementForm.h"
#include "TSTP_Info.h"
#include "TSpanningTreeAlgorithmForm.h"
#include "TVLanCurrentTableForm.h"
#include "TVlanStaticForm.h"

#include <QDialog>
#include <cstring>

namespace {

// One line per dedicated window:
//   {"TVlanStaticForm", [](QWidget *owner) -> QDialog * { return new TVlanStaticForm(owner); }},
const KtDedicatedWindowDef kDedicatedWindows[] = {
    {"TVlanStaticForm", [](QWidget *owner) -> QDialog * { return new TVlanStaticForm(owner); }},
    {"TVLanCurrentTableForm", [](QWidget *owner) -> QDialog * { return new TVLanCurrentTableForm(owner); }},
    {"TSTP_Info", [](QWidget *owner) -> QDialog * { return new TSTP_Info(owner); }},
    {"TSpanningTreeAlgorithmForm",
     [](QWidget *owner) -> QDialog * { return new TSpanningTreeAlgorithmForm(owner); }},
    {"TEquipmentBasicInfoForm",
     [](QWidget *owner) -> QDialog * { return new TEquipmentBasicInfoForm(owner); }},
    // The SSL window belongs to the application, not to the main window.
    {"TSSLManagementForm", [](QWidget *) -> QDialog * { return new TSSLManagementForm(nullptr); }},
    {"TDiagnosticsInformationForm",
     [](QWidget *owner) -> QDialog * { return new TDiagnosticsInformationForm(owner); }},
    {"TMacStatisticTableForm", [](QWidget *owner) -> QDialog * { return new TMacStatisticTableForm(owner); }},
    {"TAggregatorPortTableForm",
     [](QWidget *owner) -> QDialog * { return new TAggregatorPortTableForm(owner); }},
    {"TBOOTCtrlTableForm", [](QWidget *owner) -> QDialog * { return new TBOOTCtrlTableForm(owner); }},
    {"TRouteRedistributForm", [](QWidget *owner) -> QDialog * { return new TRouteRedistributForm(owner); }},
    {nullptr, nullptr},
};

} // namespace

const KtDedicatedWindowDef *KtFindDedicatedWindow(const char *className)
{
    if (!className)
        return nullptr;
    for (const KtDedicatedWindowDef &window : kDedicatedWindows)
        if (window.ClassName && std::strcmp(window.ClassName, className) == 0)
            return &window;
    return nullptr;
}
