#pragma once

#include "KtDescriptorTable.h"

#include <functional>

class KtDeviceState;
class QDialog;
class QWidget;

// The dedicated windows of the menu, by class name: each entry makes its
// window for an owner, handing it the device state where it takes one. The
// menu opens an entry's window modally and frees it; a class name without an
// entry leaves its menu entry disabled. Tables lists the descriptor tables
// the window reads and writes, without making the window.
struct KtDedicatedWindowDef
{
    const char *ClassName = nullptr;
    QDialog *(*Create)(QWidget *owner, KtDeviceState &state) = nullptr;
    KtDescriptorTables (*Tables)() = nullptr;
};

// The window maker for a class name, or nullptr.
const KtDedicatedWindowDef *KtFindDedicatedWindow(const char *className);
