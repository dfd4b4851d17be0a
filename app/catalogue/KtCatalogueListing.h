#pragma once

// The catalogue as text, one line per item and per descriptor row, fields
// separated by tabs; what qgcat prints. Lines by their first field:
//
//   menu   the menu component (MainMenu1, PortInfoPopupMenu)
//   item   the path of captions joined by " > ", the component name, hidden
//          or shown, and the action: editor "Window", list "Window",
//          dedicated TClass (and "Window" where the entry sets the caption),
//          viewer "/TArgument", builtin word, submenu, separator or none
//   list   after an editor or list item: list kind, index count, add index,
//          add value, delete index, delete value (-1 and empty where none)
//          and the sizes as written ("height 450, width +100")
//   var    one per descriptor row: full OID, "display name", type code,
//          access bits in decimal, enumeration {value "name", ...}
//   hook   a behaviour of the item besides its action, one word per line
//   table  a variable table of the main window's bindings, followed by its
//          list line and var lines

#include <QString>

struct KtMenuItem;
struct KtSNMPVarDef;
class KtOptionList;

QString KtCatalogueListing();

// The parts of the listing, for tests and tools.
QString KtMenuListing(const KtMenuItem *items, const QString &parentPath = QString());
QString KtVarListing(const KtSNMPVarDef *table);
QString KtOptionListing(const KtOptionList *options);
QString KtSizeListing(const KtMenuItem &item);
QString KtHookWord(unsigned hook);
