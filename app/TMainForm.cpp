#include "TMainForm.h"
#include "KtBusyWait.h"
#include "KtMessageBox.h"

#include "CreateUnitPanel.h"
#include "KtCatalogue.h"
#include "KtDeviceState.h"
#include "KtException.h"
#include "KtMainPanelHost.h"
#include "KtMainWindowTables.h"
#include "KtMenuCatalogue.h"
#include "KtMenuWindowOpener.h"
#include "KtRegistry.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtStartup.h"
#include "KtStatusPanelElision.h"
#include "KtViewerLauncher.h"
#include "TAboutForm.h"
#include "THelpViewer.h"
#include "TMainWindowAnchor.h"
#include "TPanelForm.h"
#include "TProgressForm.h"
#include "TSnapshotForm.h"
#include "TSpanningTreeAlgorithmForm.h"
#include "TWaitingForm.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <limits>

namespace {

TMainForm *mainForm = nullptr;

const char *const kHooksProperty = "MenuHooks";

} // namespace

TMainForm *TMainForm::Instance()
{
    return mainForm;
}

TMainForm::TMainForm(const QStringList &parameters, QWidget *parent) : QMainWindow(parent)
{
    mainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    resize(782, 151);
    ModelNames = {"QG2212", "QF1824", "QF1848", "QG2312", "QL2424", "QL2424R", "QL2448", "GENERIC"};

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidget(new QWidget);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(ScrollBox1);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    StatusPanel0 = new QLabel(statusBar());
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setMinimumWidth(50);
    KtStatusPanelElision::Install(StatusPanel0);
    statusBar()->addWidget(StatusPanel0, 1);

    DeviceState = new KtDeviceState(this);
    unitList_ = new QTreeWidget(this);
    unitList_->hide();
    portList_ = new QTreeWidget(this);
    portList_->hide();
    rmonText_ = new QLabel(this);
    rmonText_->hide();
    stpVersionText_ = new QLabel(this);
    stpVersionText_->hide();
    BuildMenus();
    PanelHost = std::make_unique<KtMainPanelHost>(*this);
    PanelHost->OpenPortWindow = [this](PortWindow window, int tag) {
        const char *name = window == PortWindow::Information ? "PortInformation2" : "PortConfiguration1";
        for (const KtMenuItem *item = ::PortInfoPopupMenu; item->Caption; ++item)
            if (qstrcmp(item->Name, name) == 0)
                OpenMenuWindow(*item, tag);
    };

    DetectScreenScale();
    resize(800, height());
    TMainWindowAnchor::SetMainWindow(this);
    TMainWindowAnchor::SetScaleFactor(ScaleFactor);
    // Switching spanning tree on writes under the timed progress window.
    TSpanningTreeAlgorithmForm::ShowProgress = [](QWidget *host, const QString &caption,
                                                  const QString &prompt, const std::function<void()> &write,
                                                  const std::function<void(const QString &)> &showError) {
        TProgressForm progress(host, caption, prompt, write, showError);
        progress.exec();
    };

    const KtStartupPaths paths = KtStartup::Initialize();
    ModuleDirectory = paths.ModuleDirectory;
    ConfigurationDirectory = paths.ConfigurationDirectory;
    ApplyCommandLine(parameters);

    setWindowTitle(LaunchTexts.IpAddress);
    try {
        CreateStateBindings();
    } catch (const KtException &error) {
        ShowStatusMessage(error.Message);
    }
    // Every top-level menu stays reachable: no entry behind an overflow arrow.
    setMinimumWidth(menuBar()->sizeHint().width());
    TMainWindowAnchor::CentreOverMainWindow(this);
}

TMainForm::~TMainForm()
{
    StopTableBindings();
    qDeleteAll(PanelWindows);
    PanelWindows.clear();
    if (mainForm == this)
        mainForm = nullptr;
}

// ---- start-up -------------------------------------------------------------------

void TMainForm::DetectScreenScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool standardDpi = screen && qRound(screen->logicalDotsPerInch()) == 96;
    LargeFonts = !standardDpi;
    ScaleFactor = standardDpi ? 1.0f : 1.25f;
}

void TMainForm::ApplyCommandLine(const QStringList &parameters)
{
    if (parameters.isEmpty()) {
        KtMessageBox::Inform(nullptr, QStringLiteral("No parameter input"));
        terminationRequested_ = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    } else {
        QStringList notes;
        KtStartup::ApplyParameters(parameters, ConfigurationDirectory, KtSNMPDefaults, LaunchTexts,
                                   LaunchFlags, &notes);
        if (!notes.isEmpty())
            ShowStatusMessage(notes.last());
    }
    VACM1->menuAction()->setEnabled(KtSNMPDefaults.Security.Version == 3);
}

void TMainForm::CreateStateBindings()
{
    RmonStateBinding = std::make_unique<KtSNMPRequest2Edits>(this);
    RmonStateBinding->Request.Vars = KtSNMPVarList(RmonStateVars, ListScalars, 0);
    RmonStateBinding->Asynchronous = false;
    RmonStateBinding->BindStaticText(0, rmonText_);

    StpVersionBinding = std::make_unique<KtSNMPRequest2Edits>(this);
    StpVersionBinding->Request.Vars = KtSNMPVarList(StpVersionVars, ListScalars, 0);
    StpVersionBinding->Asynchronous = false;
    StpVersionBinding->BindStaticText(0, stpVersionText_);
}

// ---- menus ----------------------------------------------------------------------

void TMainForm::BuildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const KtMenuItem *item = MainMenu1; item->Caption; ++item) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(item->Caption));
        menu->setObjectName(QString::fromUtf8(item->Name));
        menu->menuAction()->setObjectName(QString::fromUtf8(item->Name));
        menu->menuAction()->setVisible(!item->Hidden);
        if (item->Children)
            AddMenuItems(menu, item->Children);
        if (qstrcmp(item->Name, "VACM1") == 0)
            VACM1 = menu;
        if (item->Has(HookReadStpVersionOnOpen)) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                ReadStpVersion();
                const bool mstp = DeviceState->StpVersion() == QLatin1String("mstp");
                for (QAction *action : menu->findChildren<QAction *>()) {
                    const unsigned hooks = action->property(kHooksProperty).toUInt();
                    if (hooks & HookShownWhenMstp)
                        action->setVisible(mstp);
                    if (hooks & HookShownUnlessMstp)
                        action->setVisible(!mstp);
                }
            });
        }
    }
    if (!VACM1)
        VACM1 = menuBar()->addMenu(QStringLiteral("SNMP V3"));
    TSnapshotForm::AddMenu(menuBar(), this);

    PortInfoPopupMenu = new QMenu(this);
    PortInfoPopupMenu->setObjectName(QStringLiteral("PortInfoPopupMenu"));
    AddMenuItems(PortInfoPopupMenu, ::PortInfoPopupMenu);
}

void TMainForm::AddMenuItems(QMenu *menu, const KtMenuItem *items)
{
    for (const KtMenuItem *item = items; item->Caption; ++item) {
        if (item->Action == KtMenuAction::Separator) {
            menu->addSeparator();
            continue;
        }
        if (item->Action == KtMenuAction::Submenu) {
            QMenu *sub = menu->addMenu(QString::fromUtf8(item->Caption));
            sub->setObjectName(QString::fromUtf8(item->Name));
            sub->menuAction()->setObjectName(QString::fromUtf8(item->Name));
            sub->menuAction()->setVisible(!item->Hidden);
            AddMenuItems(sub, item->Children);
            continue;
        }
        QAction *action = menu->addAction(QString::fromUtf8(item->Caption));
        action->setObjectName(QString::fromUtf8(item->Name));
        action->setVisible(!item->Hidden);
        action->setProperty(kHooksProperty, item->Hooks);
        WireMenuItem(action, *item);
    }
}

void TMainForm::WireMenuItem(QAction *action, const KtMenuItem &item)
{
    switch (item.Action) {
    case KtMenuAction::Builtin:
        if (qstrcmp(item.Argument, BuiltinRefreshPanel) == 0)
            connect(action, &QAction::triggered, this, &TMainForm::RefreshPanel);
        else if (qstrcmp(item.Argument, BuiltinHelp) == 0)
            connect(action, &QAction::triggered, this, &TMainForm::ShowHelp);
        return;
    case KtMenuAction::Viewer: {
        const QString argument = QString::fromUtf8(item.Argument);
        connect(action, &QAction::triggered, this, [this, argument] { LaunchViewer(argument); });
        return;
    }
    case KtMenuAction::Dedicated:
    case KtMenuAction::Editor:
    case KtMenuAction::List:
        // Entries whose window this program does not have yet stay disabled.
        action->setEnabled(KtMenuWindowOpener::CanOpen(item) && !item.Has(HookPortInstance));
        connect(action, &QAction::triggered, this, [this, &item] { OpenMenuWindow(item, -1); });
        return;
    default:
        return;
    }
}

void TMainForm::OpenMenuWindow(const KtMenuItem &item, int portTag)
{
    try {
        KtMenuWindowOpener::Open(*this, item, portTag);
    } catch (const std::exception &error) {
        KtMessageBox::Error(this, QString::fromUtf8(error.what()));
    }
}

QAction *TMainForm::MenuAction(const QString &componentName) const
{
    const QList<QAction *> actions = findChildren<QAction *>(componentName);
    return actions.isEmpty() ? nullptr : actions.first();
}

// ---- panel build ------------------------------------------------------------------

void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !Activated)
        QTimer::singleShot(0, this, &TMainForm::FirstActivation);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // Without a window manager no activation ever comes; the build must not
    // wait for one for ever. FirstActivation runs the build only once.
    QTimer::singleShot(ActivationWaitMs, this, &TMainForm::FirstActivation);
}

void TMainForm::FirstActivation()
{
    if (Activated)
        return;
    Activated = true;
    RunPanelBuild(QStringLiteral("Initializing Panel"));
    SizeAfterBuild(false);
    KeepOnScreen();
}

void TMainForm::RefreshPanel()
{
    if (!KtMessageBox::Ask(this, QStringLiteral("Refresh panel may take a long time. Are you sure?"), true))
        return;
    FirstBuild = false;
    RunPanelBuild(QString());
    SizeAfterBuild(true);
    KeepOnScreen();
}

void TMainForm::RunPanelBuild(const QString &caption)
{
    buildStopped_ = false;
    TWaitingForm waiting(
        this, [this] { BuildPanels(); }, [this] { StopPanelBuild(); });
    if (!caption.isEmpty())
        waiting.setWindowTitle(caption);
    waiting_ = &waiting;
    waiting.exec();
    waiting_ = nullptr;
}

// The user closed the waiting window: the table walks stop with their next
// answer, and no panel is built from what they read.
void TMainForm::StopPanelBuild()
{
    buildStopped_ = true;
    for (KtSNMPRequest2Edits *binding : {UnitTableBinding.get(), PortTableBinding.get()})
        if (binding)
            binding->Request.Enabled = false;
}

void TMainForm::BuildPanels()
{
    PrepareTables();
    if (buildStopped_) {
        ShowStatusMessage(
            QStringLiteral("The panel build was stopped before the unit and port tables were read."));
        return;
    }
    if (!FirstBuild)
        ClosePanels();
    LastPanel = nullptr;
    try {
        const KtDeviceState::Rows &units = DeviceState->UnitRows();
        for (qsizetype row = units.size() - 1; row >= 0; --row) {
            const QStringList &unit = units[row];
            QString problem;
            const std::optional<int> portCount =
                UnitRowPortCount(unit.value(UnitIdColumn), unit.value(UnitStartPortColumn),
                                 unit.value(UnitPortRangeColumn), problem);
            if (!portCount) {
                ShowStatusMessage(QStringLiteral("Unit table row %1 skipped: %2").arg(row + 1).arg(problem));
                continue;
            }
            CreateUnitPanel(unit.value(UnitIdColumn), unit.value(UnitModuleNameColumn), *portCount);
        }
    } catch (const std::exception &error) {
        ShowStatusMessage(QString::fromUtf8(error.what()));
    }
    RefreshRmonMenu();
    ReportMissingUnits();
    if (tablesCut_)
        ShowStatusMessage(QStringLiteral("The agent offers more than a stack holds: only %1 units and their "
                                         "ports were read.")
                              .arg(MaxStackUnits));
}

// An agent that answers but is no Keltra switch would otherwise leave an
// empty window and the "Ok" of its last read.
void TMainForm::ReportMissingUnits()
{
    if (unitTableRead_ && DeviceState->UnitRows().isEmpty())
        ShowStatusMessage(QStringLiteral("No Keltra units found at %1").arg(KtSNMPDefaults.Device.Address));
}

void TMainForm::PrepareTables()
{
    StopTableBindings();
    unitTableRead_ = false;
    tablesCut_ = false;
    // Both walks run at once and each writes its status line when it ends:
    // the error of either, not the Ok of the one that ended last, stays. A
    // walk cut at what a stack holds is told about once the panels are built.
    QString unitTableError;
    QString portTableError;
    const auto noteRead = [this](QString &errorLine, bool unitTable) {
        return [this, &errorLine, unitTable](KtSNMPRequest2Controls *, const KtSNMPError &record) {
            NoteTableRead(record, unitTable);
            if (record.Code != 0 && record.Code != KtWalkCut)
                errorLine = StatusPanel0->text();
        };
    };
    try {
        UnitTableBinding = std::make_unique<KtSNMPRequest2Edits>(this);
        UnitTableBinding->Request.Vars = KtSNMPVarList(UnitMgmtVars, ListTable, 1);
        UnitTableBinding->Request.RowLimit = MaxStackUnits;
        UnitTableBinding->OnGetDone = noteRead(unitTableError, true);
        UnitTableBinding->SetStatusPanel(StatusPanel0);
        UnitTableBinding->AttachListView(unitList_, false);
        PortTableBinding = std::make_unique<KtSNMPRequest2Edits>(this);
        PortTableBinding->Request.Vars = KtSNMPVarList(PortInfoVars, ListTable, 1);
        PortTableBinding->Request.RowLimit = MaxStackUnits * TPanelForm::MaxPortsPerUnit;
        PortTableBinding->OnGetDone = noteRead(portTableError, false);
        PortTableBinding->SetStatusPanel(StatusPanel0);
        PortTableBinding->AttachListView(portList_, false);
    } catch (const std::exception &) {
        PublishTables();
        ShowStatusMessage(QStringLiteral("Inittial  Unit Information Failed"));
        return;
    }
    try {
        UnitTableBinding->Get();
        PortTableBinding->Get();
    } catch (const std::exception &) {
        ShowStatusMessage(QStringLiteral("Get Ports Information Failed"));
    }
    WaitForTable(UnitTableBinding);
    WaitForTable(PortTableBinding);
    for (KtSNMPRequest2Edits *binding : {UnitTableBinding.get(), PortTableBinding.get()})
        if (binding)
            binding->OnGetDone = nullptr; // the lines they note live only until here
    PublishTables();
    const QString &tableError = unitTableError.isEmpty() ? portTableError : unitTableError;
    if (!tableError.isEmpty())
        ShowStatusMessage(tableError);
}

void TMainForm::PublishTables()
{
    DeviceState->SetUnitRows(KtDeviceState::RowsOf(*unitList_));
    DeviceState->SetPortRows(KtDeviceState::RowsOf(*portList_));
}

// The walks of the unit and port tables stop at what a stack holds.
void TMainForm::NoteTableRead(const KtSNMPError &record, bool unitTable)
{
    if (unitTable)
        unitTableRead_ = record.Code == 0 || record.Code == KtWalkCut;
    tablesCut_ = tablesCut_ || record.Code == KtWalkCut;
}

// A walk ends by itself, each exchange bounded by its time-outs; a stopped
// build does not wait for the answer on its way.
void TMainForm::WaitForTable(const std::unique_ptr<KtSNMPRequest2Edits> &binding)
{
    KtBusyWait::WhileBusy(
        binding, KtBusyWait::Input::Taken, [this] { return buildStopped_; }, std::numeric_limits<int>::max());
}

void TMainForm::ClosePanels()
{
    const QList<QWidget *> panels = PanelWindows;
    PanelWindows.clear();
    PortButtons.clear();
    for (QWidget *panel : panels) {
        panel->close();
        delete panel;
    }
}

void TMainForm::CreateUnitPanel(const QString &unit, const QString &model, int portCount)
{
    const UnitPanelInput input{unit, model, portCount, ModuleTypesOf(*portList_, unit),
                               int(DeviceState->PortRows().size())};
    PlacePanel(::CreateUnitPanel(input, *PanelHost, ScrollBox1->widget()));
}

void TMainForm::PlacePanel(QWidget *panel)
{
    const int units = int(DeviceState->UnitRows().size());
    const int statusHeight = statusBar()->height();
    QWidget *area = ScrollBox1->widget();
    panel->setParent(area);
    const QSize size = panel->size();
    // Each panel goes 2 pixels below the one placed before it: the height
    // kept for the previous panel, less the stack size, the gap and the
    // status bar, is the new panel's top.
    int top = 0;
    if (!LastPanel) {
        resize(size.width() + 3, height());
    } else {
        top = placedHeight_ - (units - 1) - 2 - statusHeight;
        if (width() < size.width() + 3)
            resize(size.width() + 3, height());
    }
    panel->move(0, top);
    LastPanel = panel;
    placedHeight_ = units + top + size.height() + statusHeight + 3;
    area->setMinimumHeight(top + size.height());
    resize(width(), top + size.height() + menuBar()->height() + statusHeight);
    if (units > 1)
        move(x(), y() - size.height() / 2);
    panel->show();
    if (panel->width() > width())
        resize(panel->width() + 4, height());
    PanelWindows.append(panel);
}

void TMainForm::SizeAfterBuild(bool refresh)
{
    const int units = int(DeviceState->UnitRows().size());
    if (units < 4) {
        // The panels' height plus what surrounds them: the menu bar and the
        // status bar (the window frame is the window manager's).
        resize(width(), ScrollBox1->widget()->minimumHeight() + menuBar()->height() + statusBar()->height());
        ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (refresh)
            move(x(), 100);
        return;
    }
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    move(x(), 100);
    // A 430-pixel panel area with the menu bar above and the status bar
    // right below it; the frame is the window manager's, not ours.
    ScrollBox1->setFixedHeight(430);
    resize(width() + 20, menuBar()->height() + 430 + statusBar()->height());
}

// Keeps the whole window, frame included, inside the screen's available
// area: nothing else does so under a bare X server.
void TMainForm::KeepOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        move(x, y);
}

void TMainForm::RefreshRmonMenu()
{
    try {
        if (RmonStateBinding)
            RmonStateBinding->Get();
    } catch (const KtException &error) {
        ShowStatusMessage(error.Message);
        return;
    }
    DeviceState->SetRmonState(rmonText_->text());
    const QString state = DeviceState->RmonState();
    if (state != QLatin1String("disabled") && state != QLatin1String("enabled"))
        return;
    for (const char *name : {"Statistics1", "History1", "AlarmEvent1"})
        if (QAction *action = MenuAction(QString::fromLatin1(name)))
            action->setEnabled(state == QLatin1String("enabled"));
}

void TMainForm::ReadStpVersion()
{
    // The binding writes into the text only what it reads: the text starts
    // from the state, which the spanning-tree window may have changed.
    stpVersionText_->setText(DeviceState->StpVersion());
    try {
        if (StpVersionBinding)
            StpVersionBinding->Get();
    } catch (const KtException &error) {
        ShowStatusMessage(error.Message);
    }
    DeviceState->SetStpVersion(stpVersionText_->text());
}

void TMainForm::ReleasePortButtons()
{
    PanelHost->ReleasePortButtons();
}

void TMainForm::LaunchViewer(const QString &argument)
{
    KtRegistry registry;
    const QString status = KtViewerLauncher::PlatformStatus(registry);
    if (!status.isEmpty())
        ShowStatusMessage(status);
    KtViewerLauncher::Start(
        KtViewerLauncher::Arguments(argument, LaunchTexts, LaunchFlags, KtSNMPDefaults.Security.Version),
        KtViewerLauncher::ViewerDirectory(), frameGeometry());
}

void TMainForm::ShowStatusMessage(const QString &message)
{
    StatusPanel0->setText(message);
    StatusPanel0->setToolTip(message);
}

void TMainForm::ShowAbout()
{
    TAboutForm about(this);
    about.exec();
}

void TMainForm::ShowHelp()
{
    auto *viewer = new THelpViewer(this, ModuleDirectory);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
}

// ---- closing ---------------------------------------------------------------------

// The table walks end at once: an answer still on its way is dropped.
void TMainForm::StopTableBindings()
{
    for (KtSNMPRequest2Edits *binding : {UnitTableBinding.get(), PortTableBinding.get()})
        if (binding)
            binding->Request.Abandon();
    UnitTableBinding.reset();
    PortTableBinding.reset();
}

// Closing during a panel build ends the build and its walks and closes the
// waiting window, so that the program ends at once.
void TMainForm::closeEvent(QCloseEvent *event)
{
    if (waiting_) {
        StopPanelBuild();
        waiting_->reject();
    }
    StopTableBindings();
    QMainWindow::closeEvent(event);
}
