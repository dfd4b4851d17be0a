#include "KtDedicatedWindows.h"

#include <QDialog>
#include <cstring>

namespace {

// One line per dedicated window:
//   {"TVlanStaticForm", [](QWidget *owner) -> QDialog * { return new TVlanStaticForm(owner); }},
const KtDedicatedWindowDef kDedicatedWindows[] = {
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
