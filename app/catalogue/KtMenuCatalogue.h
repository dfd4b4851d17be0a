#pragma once

// The menu catalogue: the whole menu bar of the main window (MainMenu1) and
// the port buttons' pop-up menu as static data. Every entry is one
// KtMenuItem; an array of items ends with {} (a null caption). A submenu
// points to the array of its children. An editor or list entry carries the
// descriptor table of its generic window with the list kind, the number of
// index variables, the row-status column and values for adding and deleting
// rows, and its sizes; a dedicated entry names its window class; a viewer
// entry the argument for the external MIB viewer.
//
// Building a menu is one loop per level:
//
//   for (const KtMenuItem *item = items; item->Caption; ++item)
//       switch (item->Action) {
//       case KtMenuAction::Submenu: build(menu->addMenu(item->Caption), item->Children); break;
//       case KtMenuAction::Separator: menu->addSeparator(); break;
//       ...
//       }
//
// A dedicated entry whose window class is not built yet stays in the menu,
// disabled. Hooks (KtMenuHook) name the few entries with behaviour besides
// opening their window.
//
// Each top-level menu lives in its own source file (MenuBasicConfiguration.cpp
// and so on): the descriptor tables of its windows stand next to the items
// that open them, in menu order, a submenu's array after its children's.

#include "KtSNMPVarDef.h"

enum class KtMenuAction : quint8
{
    None,      // a leaf without an action
    Submenu,   // opens Children
    Separator, // caption "-"
    Editor,    // generic window, editor layout
    List,      // generic window, list layout
    Dedicated, // a window class of its own (ClassName)
    Viewer,    // external MIB viewer started with Argument
    Builtin,   // the main window's own action named by Argument
};

// Behaviour besides opening the window; bits of KtMenuItem::Hooks.
enum KtMenuHook : unsigned
{
    HookRefreshRmonOnClose = 0x001,   // closing the window also refreshes the RMON entries
    HookSnmpV2cWhileOpen = 0x002,     // SNMPv1 is raised to SNMPv2c while the window exists
    HookReadStpVersionOnOpen = 0x004, // opening the menu reads the spanning-tree version
    HookReadStpVersionFirst = 0x008,  // the entry reads the spanning-tree version before its window
    HookEnabledWhenSnmpV3 = 0x010,    // enabled only when the session speaks SNMPv3
    HookEnabledByRmonState = 0x020,   // enabled while the RMON state is "enabled"
    HookShownWhenMstp = 0x040,        // visible while the spanning-tree version is "mstp"
    HookShownUnlessMstp = 0x080,      // visible while the spanning-tree version is not "mstp"
    HookPortInstance = 0x100,         // instance and caption suffix ":" are the selected port's tag
};

// One size rule, applied after the window's layout call; S is the main
// window's ScaleFactor and every product is truncated.
enum class KtSizeKind : quint8
{
    None,
    Height,        // height := S * Value
    HeightPixels,  // height := Value
    HeightAdd,     // height += S * Value
    WidthAdd,      // width += S * Value
    ValueWidth,    // editor value controls := S * Value wide
    PanelWidthAdd, // editor panel width += S * Value
};

struct KtMenuSize
{
    KtSizeKind Kind = KtSizeKind::None;
    int Value = 0;
};

struct KtMenuItem
{
    static constexpr int MaxSizes = 3;

    const char *Caption = nullptr; // null ends an item array
    const char *Name = "";         // component name; empty where the design gave none
    bool Hidden = false;           // invisible at start
    KtMenuAction Action = KtMenuAction::None;
    const char *Window = nullptr;    // window caption: editor and list, dedicated where it sets one
    const char *ClassName = nullptr; // dedicated window class
    const char *Argument = nullptr;  // viewer argument or built-in action word
    const KtSNMPVarDef *Vars = nullptr;
    KtListKind Kind = ListScalars;
    int IndexCount = 0;
    int AddIndex = -1; // variable that takes AddValue when a row is added; -1 none
    const char *AddValue = nullptr;
    int DeleteIndex = -1; // variable that takes DeleteValue when a row is deleted; -1 none
    const char *DeleteValue = nullptr;
    KtMenuSize Sizes[MaxSizes] = {}; // in the order they apply
    unsigned Hooks = 0;              // KtMenuHook bits
    const KtMenuItem *Children = nullptr;

    // Modifiers, chained after the entry's maker: Editor(...).HeightAdd(20).
    constexpr KtMenuItem Hide() const
    {
        KtMenuItem item = *this;
        item.Hidden = true;
        return item;
    }
    constexpr KtMenuItem Rows(int variable, const char *addValue, const char *deleteValue) const
    {
        KtMenuItem item = *this;
        item.AddIndex = variable;
        item.AddValue = addValue;
        item.DeleteIndex = variable;
        item.DeleteValue = deleteValue;
        return item;
    }
    constexpr KtMenuItem Height(int n) const { return Sized(KtSizeKind::Height, n); }
    constexpr KtMenuItem HeightPixels(int n) const { return Sized(KtSizeKind::HeightPixels, n); }
    constexpr KtMenuItem HeightAdd(int n) const { return Sized(KtSizeKind::HeightAdd, n); }
    constexpr KtMenuItem WidthAdd(int n) const { return Sized(KtSizeKind::WidthAdd, n); }
    constexpr KtMenuItem ValueWidth(int n) const { return Sized(KtSizeKind::ValueWidth, n); }
    constexpr KtMenuItem PanelWidthAdd(int n) const { return Sized(KtSizeKind::PanelWidthAdd, n); }
    constexpr KtMenuItem With(unsigned hooks) const
    {
        KtMenuItem item = *this;
        item.Hooks |= hooks;
        return item;
    }

    constexpr bool Has(KtMenuHook hook) const { return (Hooks & hook) != 0; }
    constexpr bool OpensGenericWindow() const
    {
        return Action == KtMenuAction::Editor || Action == KtMenuAction::List;
    }

private:
    constexpr KtMenuItem Sized(KtSizeKind kind, int n) const
    {
        KtMenuItem item = *this;
        int i = 0;
        while (item.Sizes[i].Kind != KtSizeKind::None)
            ++i; // more than MaxSizes rules do not compile in a constant expression
        item.Sizes[i] = {kind, n};
        return item;
    }
};

// Makers of the entries, one per kind of action.

constexpr KtMenuItem Submenu(const char *caption, const char *name, const KtMenuItem *children)
{
    KtMenuItem item;
    item.Caption = caption;
    item.Name = name;
    item.Action = KtMenuAction::Submenu;
    item.Children = children;
    return item;
}

constexpr KtMenuItem Submenu(const char *caption, const KtMenuItem *children)
{
    return Submenu(caption, "", children);
}

constexpr KtMenuItem Separator()
{
    KtMenuItem item;
    item.Caption = "-";
    item.Action = KtMenuAction::Separator;
    return item;
}

constexpr KtMenuItem NoAction(const char *caption, const char *name = "")
{
    KtMenuItem item;
    item.Caption = caption;
    item.Name = name;
    return item;
}

constexpr KtMenuItem EditorWindow(const char *caption, const char *name, const char *window,
                                  const KtSNMPVarDef *vars, KtListKind kind = ListScalars, int indexCount = 0)
{
    KtMenuItem item;
    item.Caption = caption;
    item.Name = name;
    item.Action = KtMenuAction::Editor;
    item.Window = window;
    item.Vars = vars;
    item.Kind = kind;
    item.IndexCount = indexCount;
    return item;
}

constexpr KtMenuItem ListWindow(const char *caption, const char *name, const char *window,
                                const KtSNMPVarDef *vars, KtListKind kind, int indexCount)
{
    KtMenuItem item = EditorWindow(caption, name, window, vars, kind, indexCount);
    item.Action = KtMenuAction::List;
    return item;
}

constexpr KtMenuItem DedicatedWindow(const char *caption, const char *name, const char *className,
                                     const char *window = nullptr)
{
    KtMenuItem item;
    item.Caption = caption;
    item.Name = name;
    item.Action = KtMenuAction::Dedicated;
    item.ClassName = className;
    item.Window = window;
    return item;
}

constexpr KtMenuItem Viewer(const char *caption, const char *name, const char *argument)
{
    KtMenuItem item;
    item.Caption = caption;
    item.Name = name;
    item.Action = KtMenuAction::Viewer;
    item.Argument = argument;
    return item;
}

// Words of the built-in actions.
inline constexpr const char *BuiltinRefreshPanel = "refresh-panel";
inline constexpr const char *BuiltinHelp = "help";

constexpr KtMenuItem Builtin(const char *caption, const char *name, const char *word)
{
    KtMenuItem item;
    item.Caption = caption;
    item.Name = name;
    item.Action = KtMenuAction::Builtin;
    item.Argument = word;
    return item;
}

// Items before the terminator.
constexpr int KtMenuCount(const KtMenuItem *items)
{
    int count = 0;
    while (items && items[count].Caption)
        ++count;
    return count;
}

// The top-level menus, each defined in the source file named after it.
extern const KtMenuItem BasicConfigurationMenu[];
extern const KtMenuItem RmonMenu[];
extern const KtMenuItem BridgeMenu[];
extern const KtMenuItem VlanMenu[];
extern const KtMenuItem SnmpV3Menu[];
extern const KtMenuItem SecurityManagementMenu[];
extern const KtMenuItem Layer2ManagementMenu[];
extern const KtMenuItem Layer3ManagementMenu[];
extern const KtMenuItem SingleIpMenu[];
extern const KtMenuItem HelpMenu[];

// The menu bar: the ten top-level menus.
extern const KtMenuItem MainMenu1[];

// The pop-up menu of the port buttons.
extern const KtMenuItem PortInfoPopupMenu[];
