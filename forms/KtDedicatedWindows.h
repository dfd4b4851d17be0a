#pragma once

#include <functional>

class QDialog;
class QWidget;

// The dedicated windows of the menu, by class name: each entry makes its
// window for an owner. The menu opens an entry's window modally and frees
// it; a class name without an entry leaves its menu entry disabled.
struct KtDedicatedWindowDef
{
    const char *ClassName;
    QDialog *(*Create)(QWidget *owner);
};

// The window maker for a class name, or nullptr.
const KtDedicatedWindowDef *KtFindDedicatedWindow(const char *className);
