// qgwindow: opens one window of the menu on its own, without the front
// panels, so that each window can be tried and pictured by itself. The
// windows come from the menu catalogue: every generic window and every
// dedicated window the program has, named by its component name
// ("UnitTable1") or by its menu path ("VLAN > 802.1Q > 802.1Q VLAN >
// Static Table"; captions compared without regard to case or blanks at
// their ends).
//
//   qgwindow [--agent HOST[:PORT]] [--version 1|2c] [--read COMMUNITY]
//            [--write COMMUNITY] [--port-tag TAG] [--screenshot FILE]
//            [--add-screenshot FILE] [--edit-screenshot FILE] [--wait MS]
//            [--sort CAPTION [--descending]] [--filter TEXT] WINDOW
//   qgwindow --list
//
// The window is opened the way its menu entry opens it, for a main window
// that is built (start-up, bindings, unit list) but never shown. With a
// screenshot option the window is pictured after its first read (and the add
// or edit dialog of a list after that) and the program ends by itself; a
// list is sorted by the column captioned CAPTION and filtered by TEXT first.
// --list and --help need no display.
#include "KtListViewTools.h"
#include "KtMenuCatalogue.h"
#include "KtMenuWindowOpener.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TForm1.h"
#include "TListViewPanel.h"
#include "TMainForm.h"
#include "TSNMPListViewPanel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct MenuWindow
{
    QString Path; // captions joined by " > "
    const KtMenuItem *Item;
};

QString Caption(const KtMenuItem &item)
{
    return QString::fromUtf8(item.Caption).trimmed();
}

void CollectWindows(const KtMenuItem *items, const QString &parent, std::vector<MenuWindow> &out)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        const QString path =
            parent.isEmpty() ? Caption(*item) : parent + QStringLiteral(" > ") + Caption(*item);
        if (item->Children)
            CollectWindows(item->Children, path, out);
        else if (KtMenuWindowOpener::CanOpen(*item))
            out.push_back({path, item});
    }
}

std::vector<MenuWindow> AllWindows()
{
    std::vector<MenuWindow> windows;
    CollectWindows(MainMenu1, QString(), windows);
    CollectWindows(PortInfoPopupMenu, QStringLiteral("Port pop-up"), windows);
    return windows;
}

QString KindWord(const KtMenuItem &item)
{
    switch (item.Action) {
    case KtMenuAction::Editor:
        return QStringLiteral("editor");
    case KtMenuAction::List:
        return QStringLiteral("list");
    default:
        return QStringLiteral("dedicated");
    }
}

QString NormalisedPath(const QString &path)
{
    QStringList captions = path.split(QLatin1Char('>'));
    for (QString &caption : captions)
        caption = caption.trimmed().toLower();
    return captions.join(QLatin1Char('>'));
}

// Every window whose component name or menu path is `name`.
std::vector<MenuWindow> Matching(const QString &name)
{
    std::vector<MenuWindow> found;
    for (const MenuWindow &window : AllWindows())
        if (name == QString::fromUtf8(window.Item->Name) ||
            NormalisedPath(name) == NormalisedPath(window.Path))
            found.push_back(window);
    return found;
}

int Fail(const QString &message)
{
    std::fprintf(stderr, "qgwindow: %s\n", qPrintable(message));
    return 2;
}

void Save(QWidget *window, const QString &path)
{
    if (path.isEmpty() || !window)
        return;
    if (!window->grab().save(path))
        std::fprintf(stderr, "qgwindow: cannot write %s\n", qPrintable(path));
}

// Runs `then` once the binding is idle (and the window has painted).
void WhenIdle(const KtSNMPRequest2Edits *binding, std::function<void()> then)
{
    if (binding && binding->Busy) {
        QTimer::singleShot(100, [binding, then] { WhenIdle(binding, then); });
        return;
    }
    QTimer::singleShot(300, then);
}

// Pictures the dialog that `open` opens on top of the list window, then
// closes it.
void ShootDialog(const QString &path, const std::function<void()> &open)
{
    if (path.isEmpty())
        return;
    QTimer::singleShot(500, [path] {
        QWidget *dialog = QApplication::activeModalWidget();
        Save(dialog, path);
        if (dialog)
            dialog->close();
    });
    open();
}

struct Shots
{
    QString Window, Add, Edit;
    int WaitMs = 1500;
    QString SortCaption;
    Qt::SortOrder Order = Qt::AscendingOrder;
    QString Filter;
};

// Sorts and filters a list as the shots ask, with the filter box shown.
void ArrangeList(QTreeWidget *rows, const Shots &shots)
{
    KtListViewTools *tools = KtListViewTools::Of(rows);
    if (!tools)
        return;
    for (int column = 0; column < rows->columnCount(); ++column)
        if (!shots.SortCaption.isEmpty() && rows->headerItem()->text(column) == shots.SortCaption)
            tools->SortBy(column, shots.Order);
    if (!shots.Filter.isEmpty()) {
        tools->ShowFilter();
        tools->SetFilterText(shots.Filter);
    }
    QCoreApplication::processEvents();
}

// A generic window: pictured once its first read is done.
void ShootGenericWindow(TConfigForm &form, const Shots &shots)
{
    QTimer::singleShot(300, &form, [&form, shots] {
        WhenIdle(form.CurrentBinding, [&form, shots] {
            auto *list = qobject_cast<TSNMPListViewPanel *>(form.Panel.data());
            if (list)
                ArrangeList(list->ListViewPanel->ListView, shots);
            Save(&form, shots.Window);
            if (list) {
                QTreeWidget *rows = list->ListViewPanel->ListView;
                if (rows->topLevelItemCount() > 0 && !shots.Edit.isEmpty()) {
                    rows->topLevelItem(0)->setSelected(true);
                    ShootDialog(shots.Edit, [list] { list->EditClick(list->BtnPanel->EditBtn); });
                }
                ShootDialog(shots.Add, [list] { list->AddClick(list->BtnPanel->AddBtn); });
            }
            form.close();
        });
    });
    form.exec();
}

// Any other window: pictured after a wait, as its reads are its own.
void ShootModalWindowLater(const Shots &shots)
{
    QTimer::singleShot(shots.WaitMs, [shots] {
        QWidget *window = QApplication::activeModalWidget();
        Save(window, shots.Window);
        if (window)
            window->close();
    });
}

bool NeedsNoDisplay(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--list" || arg == "--help" || arg == "-h" || arg == "-?" || arg == "--help-all")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::unique_ptr<QCoreApplication> app;
    if (NeedsNoDisplay(argc, argv))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Opens one window of the menu on its own. WINDOW is a component name (UnitTable1) or a "
        "menu path (\"Basic Configuration > Equipment Management > Unit Table\"); --list "
        "shows them all."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("agent"), QStringLiteral("Agent address, HOST[:PORT]."), QStringLiteral("address"),
         QStringLiteral("127.0.0.1:161")},
        {QStringLiteral("version"), QStringLiteral("SNMP version, 1 or 2c."), QStringLiteral("version"),
         QStringLiteral("2c")},
        {QStringLiteral("read"), QStringLiteral("Read community."), QStringLiteral("community"),
         QStringLiteral("public")},
        {QStringLiteral("write"), QStringLiteral("Write community."), QStringLiteral("community"),
         QStringLiteral("private")},
        {QStringLiteral("port-tag"),
         QStringLiteral("For the per-port windows: the port tag (unit x 50 + port)."), QStringLiteral("tag"),
         QStringLiteral("51")},
        {QStringLiteral("screenshot"), QStringLiteral("Picture the window into FILE and end."),
         QStringLiteral("file")},
        {QStringLiteral("add-screenshot"), QStringLiteral("Then picture the add dialog of a list into FILE."),
         QStringLiteral("file")},
        {QStringLiteral("edit-screenshot"),
         QStringLiteral("Then picture the edit dialog of a list into FILE."), QStringLiteral("file")},
        {QStringLiteral("wait"),
         QStringLiteral("Milliseconds a dedicated window reads before it is pictured (1500)."),
         QStringLiteral("ms"), QStringLiteral("1500")},
        {QStringLiteral("sort"), QStringLiteral("Sort a list by the column with this caption first."),
         QStringLiteral("caption")},
        {QStringLiteral("descending"), QStringLiteral("Sort in descending order.")},
        {QStringLiteral("filter"), QStringLiteral("Filter a list by this text first."),
         QStringLiteral("text")},
        {QStringLiteral("list"), QStringLiteral("List the windows: component name, kind, menu path.")},
    });
    parser.addPositionalArgument(QStringLiteral("window"), QStringLiteral("The window to open."));
    parser.process(*app);

    if (parser.isSet(QStringLiteral("list"))) {
        for (const MenuWindow &window : AllWindows())
            std::printf("%-36s %-9s %s\n", window.Item->Name, qPrintable(KindWord(*window.Item)),
                        qPrintable(window.Path));
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return Fail(QStringLiteral("name one window (--list shows them)"));
    const QString name = parser.positionalArguments().first();
    const std::vector<MenuWindow> found = Matching(name);
    if (found.empty())
        return Fail(QStringLiteral("no window \"%1\" (--list shows them)").arg(name));
    if (found.size() > 1) {
        QStringList paths;
        for (const MenuWindow &window : found)
            paths << window.Path;
        return Fail(QStringLiteral("\"%1\" names %2 windows; give the menu path: %3")
                        .arg(name)
                        .arg(found.size())
                        .arg(paths.join(QStringLiteral("; "))));
    }
    const KtMenuItem &item = *found.front().Item;

    const QString agent = parser.value(QStringLiteral("agent"));
    const qsizetype colon = agent.lastIndexOf(QLatin1Char(':'));
    bool portOk = true;
    const quint16 port = colon < 0 ? 161 : agent.mid(colon + 1).toUShort(&portOk);
    if (!portOk || port == 0)
        return Fail(QStringLiteral("bad agent port in \"%1\"").arg(agent));
    const QString host = colon < 0 ? agent : agent.left(colon);
    const QString version = parser.value(QStringLiteral("version"));
    if (version != QLatin1String("1") && version != QLatin1String("2c"))
        return Fail(QStringLiteral("version must be 1 or 2c"));
    bool tagOk = false;
    const int portTag = parser.value(QStringLiteral("port-tag")).toInt(&tagOk);
    if (!tagOk || portTag < 0)
        return Fail(QStringLiteral("bad port tag"));

    Shots shots;
    auto absolute = [&parser](const char *option) {
        const QString path = parser.value(QString::fromLatin1(option));
        return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    };
    shots.Window = absolute("screenshot");
    shots.Add = absolute("add-screenshot");
    shots.Edit = absolute("edit-screenshot");
    shots.WaitMs = parser.value(QStringLiteral("wait")).toInt();
    shots.SortCaption = parser.value(QStringLiteral("sort"));
    shots.Order = parser.isSet(QStringLiteral("descending")) ? Qt::DescendingOrder : Qt::AscendingOrder;
    shots.Filter = parser.value(QStringLiteral("filter"));

    // Start-up writes the SNMPv3 boot counter into the working directory:
    // a scratch one keeps the caller's clean.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    TMainForm form(
        {QStringLiteral("/I") + host, QStringLiteral("/R") + parser.value(QStringLiteral("read")),
         QStringLiteral("/W") + parser.value(QStringLiteral("write")),
         QStringLiteral("/v") + (version == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"))});
    TForm1 form1;
    KtSNMPDefaults.Device.Port = port;

    if (!shots.Window.isEmpty()) {
        if (item.OpensGenericWindow())
            KtMenuWindowOpener::ShowHook = [&shots](TConfigForm &window) {
                ShootGenericWindow(window, shots);
            };
        else
            ShootModalWindowLater(shots);
    }
    form.OpenMenuWindow(item, item.Has(HookPortInstance) ? portTag : -1);
    return 0;
}
