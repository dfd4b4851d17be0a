#include "KtDedicatedWindows.h"

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
