#pragma once

#include <functional>

class TConfigForm;
class TMainForm;
struct KtMenuItem;

// Opens the window of a menu entry: the generic window for editor and list
// entries (with the entry's descriptor table, sizes and hooks) and the
// dedicated windows that exist. Each window is modal and freed on return.
class KtMenuWindowOpener
{
public:
    // Whether the entry's window can be opened by this program.
    static bool CanOpen(const KtMenuItem &item);

    // portTag >= 0: the entry reads one port's row, the tag being the
    // instance and the caption's ":" suffix.
    static void Open(TMainForm &form, const KtMenuItem &item, int portTag = -1);

    // Runs instead of the modal loop of a generic window once it is set up
    // (tests inspect or drive the window and then close it).
    static std::function<void(TConfigForm &window)> ShowHook;
};
