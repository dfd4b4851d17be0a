#pragma once

#include "KtLaunchSettings.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class KtDeviceState;
class KtMainPanelHost;
class KtSNMPRequest2Edits;
class TWaitingForm;
struct KtSNMPError;
class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QTreeWidget;
struct KtMenuItem;

// The module's one top-level window: the front panels of every unit in a
// scroll box, the menu catalogue, and the device state (the unit and port
// tables, the RMON state and the spanning-tree version) that it reads and
// hands to the windows it opens. Constructing it is the
// whole start-up: display scale, SNMP engine, registry paths, message
// catalogues, then the command line and the configuration file.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // parameters: the command-line parameters without the program name.
    explicit TMainForm(const QStringList &parameters, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The main window of the process, or nullptr before it exists.
    static TMainForm *Instance();

    // Set when start-up decided the program must end (no parameters).
    bool TerminationRequested() const { return terminationRequested_; }

    // The first panel build; runs once, on the first activation or, when no
    // activation has come ActivationWaitMs after the window was first shown
    // (a bare X server never activates a window), then.
    void FirstActivation();
    static constexpr int ActivationWaitMs = 500;
    // "Refresh Panel": confirms, then builds the panels anew.
    void RefreshPanel();
    void RefreshRmonMenu();
    void ReleasePortButtons();
    void ShowAbout();
    void ShowHelp();
    // Starts the platform's MIB viewer for a view such as "/TRmon_History".
    void LaunchViewer(const QString &argument);
    // A message in status panel 0.
    void ShowStatusMessage(const QString &message);

    // Creates, places and shows the panel window of one unit.
    void CreateUnitPanel(const QString &unit, const QString &model, int portCount);
    // Places a new panel window in the scroll box under the ones placed
    // before it and sizes the main window for it.
    void PlacePanel(QWidget *panel);

    QString WindowCaption;
    float ScaleFactor = 1.0f;
    bool LargeFonts = false;
    KtLaunchTexts LaunchTexts;
    QStringList ModelNames;
    bool FirstBuild = true;
    bool Activated = false;
    QString ModuleDirectory;
    QString ConfigurationDirectory;

    QList<QAbstractButton *> PortButtons;
    QList<QWidget *> PanelWindows;
    QWidget *LastPanel = nullptr;

    std::unique_ptr<KtSNMPRequest2Edits> RmonStateBinding;
    std::unique_ptr<KtSNMPRequest2Edits> StpVersionBinding;
    std::unique_ptr<KtSNMPRequest2Edits> UnitTableBinding;
    std::unique_ptr<KtSNMPRequest2Edits> PortTableBinding;

    KtDeviceState *DeviceState = nullptr;

    QScrollArea *ScrollBox1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QMenu *VACM1 = nullptr; // the "SNMP V3" menu
    QMenu *PortInfoPopupMenu = nullptr;
    std::unique_ptr<KtMainPanelHost> PanelHost;

    // Opens the window of a menu entry (modal); portTag >= 0 for a port's row.
    void OpenMenuWindow(const KtMenuItem &item, int portTag);

    // Reads the spanning-tree version into the device state; a failure goes
    // to status panel 0 and leaves the version as it was.
    void ReadStpVersion();

    // A menu action by its component name, or nullptr.
    QAction *MenuAction(const QString &componentName) const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void DetectScreenScale();
    void BuildMenus();
    void AddMenuItems(QMenu *menu, const KtMenuItem *items);
    void WireMenuItem(QAction *action, const KtMenuItem &item);
    void ApplyCommandLine(const QStringList &parameters);
    void CreateStateBindings();
    void BuildPanels();
    void PrepareTables();
    void PublishTables();
    void ClosePanels();
    void SizeAfterBuild(bool refresh);
    void KeepOnScreen();
    void ReportMissingUnits();
    void RunPanelBuild(const QString &caption);
    void StopTableBindings();
    void StopPanelBuild();
    void WaitForTable(const std::unique_ptr<KtSNMPRequest2Edits> &binding);
    void NoteTableRead(const KtSNMPError &record, bool unitTable);

    // What the state bindings read into, published to DeviceState after each
    // read.
    QTreeWidget *unitList_ = nullptr;
    QTreeWidget *portList_ = nullptr;
    QLabel *rmonText_ = nullptr;
    QLabel *stpVersionText_ = nullptr;

    TWaitingForm *waiting_ = nullptr; // while a panel build runs
    bool buildStopped_ = false;       // the user closed the waiting window, or the main window
    bool tablesCut_ = false;          // the agent offered more units or ports than a stack holds
    bool terminationRequested_ = false;
    bool shown_ = false;
    bool unitTableRead_ = false; // the last unit-table walk ended without an error
    int placedHeight_ = 0;       // the scroll box height the last placed panel asked for
};
