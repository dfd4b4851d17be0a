// qgwindow: opens one built-in descriptor table in the generic configuration
// window (or the Summer Time window) against an agent, without the main
// window, so that each window can be tried and pictured on its own.
//
//   qgwindow [--agent HOST[:PORT]] [--version 1|2c] [--read COMMUNITY]
//            [--write COMMUNITY] [--screenshot FILE] [--add-screenshot FILE]
//            [--edit-screenshot FILE] TABLE
//   qgwindow --list
//
// With a screenshot option the window is pictured after its first read (and
// the add or edit dialog after that) and the program ends by itself.
#include "KtException.h"
#include "KtOptionList.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSession.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TListViewPanel.h"
#include "TMainWindowAnchor.h"
#include "TSNMPListViewPanel.h"
#include "TSummerTimeForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

namespace {

constexpr KtOptionDef kRowStatusPairs[] = {{1, "active"},
                                           {2, "notInService"},
                                           {3, "notReady"},
                                           {4, "createAndGo"},
                                           {5, "createAndWait"},
                                           {6, "destroy"},
                                           {}};
constexpr KtOptionDef kFacilityPairs[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
                                          {3, "local3"}, {4, "local4"}, {5, "local5"},
                                          {6, "local6"}, {7, "local7"}, {}};
constexpr KtOptionDef kSeverityPairs[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {}};
constexpr KtOptionDef kServerStatePairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
constexpr KtOptionDef kCtrlStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {}};

const KtOptionList kRowStatus(kRowStatusPairs);
const KtOptionList kFacility(kFacilityPairs);
const KtOptionList kSeverity(kSeverityPairs);
const KtOptionList kServerState(kServerStatePairs);
const KtOptionList kCtrlState(kCtrlStatePairs);

const KtSNMPVarDef kSystemGroup[] = {
    {"1.3.6.1.2.1.1.1", "System Description", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.2", "System Object ID", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.1.3", "System Up Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.1.4", "System Contact", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.5", "System Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.6", "System Location", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.7", "System Services", SyntaxInteger, AccessRead},
    {},
};

const KtSNMPVarDef kSysLogState[] = {
    {"1.3.6.1.4.1.47893.12.12.1", "System Log State", SyntaxInteger, AccessReadWrite, &kCtrlState},
    {},
};

const KtSNMPVarDef kSysLogServers[] = {
    {"1.3.6.1.4.1.47893.12.12.2.1.1", "Server ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.12.2.1.2", "Facility", SyntaxInteger, AccessReadWrite, &kFacility},
    {"1.3.6.1.4.1.47893.12.12.2.1.3", "Severity", SyntaxInteger, AccessReadWrite, &kSeverity},
    {"1.3.6.1.4.1.47893.12.12.2.1.4", "UDP Port", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.12.2.1.5", "Server IP Address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.12.2.1.6", "Server State", SyntaxInteger, AccessReadWrite, &kServerState},
    {"1.3.6.1.4.1.47893.12.12.2.1.7", "Row Status", SyntaxInteger, AccessReadWrite, &kRowStatus},
    {},
};

struct BuiltinTable
{
    const char *Name;
    const char *Caption;
    const KtSNMPVarDef *Table; // null: the Summer Time window
    KtListKind Kind;
    int IndexCount;
    int StatusIndex; // -1: no row creation
};

const BuiltinTable kTables[] = {
    {"system", "System Information", kSystemGroup, ListScalars, 0, -1},
    {"syslog-state", "System Log State", kSysLogState, ListScalars, 0, -1},
    {"syslog", "System Log Server", kSysLogServers, ListTable, 1, 6},
    {"summertime", "Summer Time", nullptr, ListScalars, 0, -1},
};

int Fail(const QString &message)
{
    std::fprintf(stderr, "qgwindow: %s\n", qPrintable(message));
    return 2;
}

// Waits until the binding is idle, then runs `then`.
void WhenIdle(const KtSNMPRequest2Edits *binding, std::function<void()> then)
{
    if (binding && binding->Busy) {
        QTimer::singleShot(100, [binding, then] { WhenIdle(binding, then); });
        return;
    }
    QTimer::singleShot(300, then);
}

void Save(QWidget *window, const QString &path)
{
    if (path.isEmpty() || !window)
        return;
    if (!window->grab().save(path))
        std::fprintf(stderr, "qgwindow: cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Opens a built-in descriptor table in the generic window."));
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
        {QStringLiteral("screenshot"), QStringLiteral("Picture the window into FILE and end."),
         QStringLiteral("file")},
        {QStringLiteral("add-screenshot"), QStringLiteral("Then picture the add dialog into FILE."),
         QStringLiteral("file")},
        {QStringLiteral("edit-screenshot"), QStringLiteral("Then picture the edit dialog into FILE."),
         QStringLiteral("file")},
        {QStringLiteral("list"), QStringLiteral("List the built-in tables.")},
    });
    parser.addPositionalArgument(QStringLiteral("table"), QStringLiteral("The table to open."));
    parser.process(app);

    if (parser.isSet(QStringLiteral("list"))) {
        for (const BuiltinTable &table : kTables)
            std::printf("%-14s %s\n", table.Name, table.Caption);
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return Fail(QStringLiteral("name one table (--list shows them)"));
    const QString name = parser.positionalArguments().first();
    const BuiltinTable *chosen = nullptr;
    for (const BuiltinTable &table : kTables)
        if (name == QLatin1String(table.Name))
            chosen = &table;
    if (!chosen)
        return Fail(QStringLiteral("no table \"%1\" (--list shows them)").arg(name));

    const QString agent = parser.value(QStringLiteral("agent"));
    const qsizetype colon = agent.lastIndexOf(QLatin1Char(':'));
    bool portOk = true;
    const quint16 port = colon < 0 ? 161 : agent.mid(colon + 1).toUShort(&portOk);
    if (!portOk || port == 0)
        return Fail(QStringLiteral("bad agent port in \"%1\"").arg(agent));
    const QString version = parser.value(QStringLiteral("version"));
    if (version != QLatin1String("1") && version != QLatin1String("2c"))
        return Fail(QStringLiteral("version must be 1 or 2c"));

    if (KtSession::Create() != 0)
        return Fail(QStringLiteral("cannot open the SNMP session"));
    _SnmpEventProcessor::Instance().Start();
    KtSNMPDefaults.Device = {colon < 0 ? agent : agent.left(colon), port};
    KtSNMPDefaults.Security.Version = version == QLatin1String("1") ? 0 : 1;
    KtSNMPDefaults.Security.ReadCommunity = parser.value(QStringLiteral("read"));
    KtSNMPDefaults.Security.WriteCommunity = parser.value(QStringLiteral("write"));

    const QString shot = parser.value(QStringLiteral("screenshot"));
    const QString addShot = parser.value(QStringLiteral("add-screenshot"));
    const QString editShot = parser.value(QStringLiteral("edit-screenshot"));

    try {
        if (!chosen->Table) {
            TSummerTimeForm form;
            if (!shot.isEmpty())
                QTimer::singleShot(500, &form, [&form, shot] {
                    Save(&form, shot);
                    form.close();
                });
            form.exec();
            return 0;
        }

        TConfigForm form;
        auto binding = std::make_unique<KtSNMPRequest2Edits>(&form);
        binding->Request.Vars = KtSNMPVarList(chosen->Table, chosen->Kind, chosen->IndexCount);
        KtSNMPRequest2Edits *edits = binding.get();
        TSNMPListViewPanel *list = nullptr;
        if (chosen->Kind == ListScalars) {
            form.SetEditorType(std::move(binding));
        } else {
            const int status = chosen->StatusIndex;
            list = form.SetListViewType(std::move(binding), status, status < 0 ? QString() : "createAndGo",
                                        status, status < 0 ? QString() : "destroy");
            form.resize(form.width(), int(450 * TMainWindowAnchor::ScaleFactor() + 0.5));
        }
        form.setWindowTitle(QLatin1String(chosen->Caption));

        if (!shot.isEmpty()) {
            QTimer::singleShot(300, &form, [&form, edits, list, shot, addShot, editShot] {
                WhenIdle(edits, [&form, list, shot, addShot, editShot] {
                    Save(&form, shot);
                    if (list && !editShot.isEmpty() &&
                        list->ListViewPanel->ListView->topLevelItemCount() > 0) {
                        list->ListViewPanel->ListView->topLevelItem(0)->setSelected(true);
                        QTimer::singleShot(500, [editShot] {
                            QWidget *dialog = QApplication::activeModalWidget();
                            Save(dialog, editShot);
                            if (dialog)
                                dialog->close();
                        });
                        list->EditClick(list->BtnPanel->EditBtn);
                    }
                    if (list && !addShot.isEmpty()) {
                        QTimer::singleShot(500, [addShot] {
                            QWidget *dialog = QApplication::activeModalWidget();
                            Save(dialog, addShot);
                            if (dialog)
                                dialog->close();
                        });
                        list->AddClick(list->BtnPanel->AddBtn);
                    }
                    form.close();
                });
            });
        }
        form.exec();
    } catch (const KtException &error) {
        return Fail(error.Message);
    }
    return 0;
}
