#include "TMibViewerForm.h"

#include "KtCatalogue.h"
#include "KtRateChart.h"
#include "KtSNMPRequest2Controls.h"
#include "KtSectionReader.h"
#include "KtTableText.h"
#include "KtTextForm.h"
#include "KtViewModel.h"
#include "KtViewerLauncher.h"
#include "KtWindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace {

constexpr KtSNMPVarDef UpTimeVars[] = {
    {"1.3.6.1.2.1.1.3", "sysUpTime", SyntaxTimeTicks, AccessRead},
    {},
};
constexpr KtViewSection UpTimeSection = {"sysUpTime", UpTimeVars, ListScalars};

// Column widths are fitted to the texts of this many rows, so that a table
// of thousands of rows opens as fast as a small one.
constexpr int FitRows = 200;

constexpr int DefaultHistoryIndex = 1;

std::unique_ptr<QSettings> ViewerSettings(const KtViewDef &view)
{
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                QStringLiteral("Keltra"), QStringLiteral("qgview"));
    settings->beginGroup(QString::fromLatin1(view.Name));
    return settings;
}

QString PanelKey(int panel, const char *what)
{
    return QStringLiteral("section%1/%2").arg(panel).arg(QLatin1String(what));
}

} // namespace

TMibViewerForm::TMibViewerForm(const KtViewDef &view, int version, QWidget *parent)
    : QMainWindow(parent), view_(view)
{
    setObjectName(QStringLiteral("TMibViewerForm"));
    setWindowTitle(
        QStringLiteral("%1 - %2").arg(QString::fromUtf8(view.Caption), KtSNMPDefaults.Device.Address));
    clock_.start();
    BuildToolBar();

    auto *splitter = new QSplitter(Qt::Vertical, this);
    for (const KtViewSection *section = view.Sections; section->Title; ++section) {
        Panel panel;
        panel.Def = section;
        panel.Reader = new KtSectionReader(*section, version, this);
        const bool rates = !(section->Flags & ViewBucketSource);
        panel.Model = new KtViewModel(panel.Reader->Vars(), rates, this);
        splitter->addWidget(BuildPanel(panel));
        // Tables get the room; a scalar group needs only a few lines.
        splitter->setStretchFactor(splitter->count() - 1, section->IsTable() ? 3 : 1);
        connect(panel.Reader, &KtSectionReader::Finished, this, &TMibViewerForm::OnSectionRead);
        panels_.append(panel);
    }
    if (FlaggedPanel(ViewChart) >= 0 || FlaggedPanel(ViewBucketSource) >= 0)
        splitter->addWidget(BuildChart());
    else
        saveChart_->setVisible(false);
    setCentralWidget(splitter);
    FitScalarPanels(splitter);

    upTimeReader_ = new KtSectionReader(UpTimeSection, version, this);
    connect(upTimeReader_, &KtSectionReader::Finished, this, &TMibViewerForm::OnSectionRead);

    lastRefresh_ = new QLabel(QStringLiteral("Last refresh --:--:--"), this);
    lastRefresh_->setObjectName(QStringLiteral("LastRefresh"));
    statusBar()->addPermanentWidget(lastRefresh_);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &TMibViewerForm::Refresh);
    resize(960, 640);
    RestoreSettings();
    ApplyHistoryLength();
    RestartTimer();
    PlaceBesideMainWindow();
    QTimer::singleShot(0, this, &TMibViewerForm::Refresh);
}

TMibViewerForm::~TMibViewerForm()
{
    // The readers wait for their outstanding requests while the window is
    // still whole, and no refresh starts meanwhile.
    timer_->stop();
    SaveSettings();
    // A read that ends while another reader waits must not reach the window
    // whose readers are going.
    upTimeReader_->disconnect(this);
    for (Panel &panel : panels_)
        panel.Reader->disconnect(this);
    delete upTimeReader_;
    for (Panel &panel : panels_)
        delete panel.Reader;
}

void TMibViewerForm::BuildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("View"));
    bar->setMovable(false);
    QAction *refresh = bar->addAction(QStringLiteral("Refresh"), this, &TMibViewerForm::Refresh);
    refresh->setShortcut(QKeySequence::Refresh);
    pause_ = bar->addAction(QStringLiteral("Pause"));
    pause_->setCheckable(true);
    connect(pause_, &QAction::toggled, this, &TMibViewerForm::RestartTimer);
    bar->addWidget(new QLabel(QStringLiteral(" Every "), bar));
    interval_ = new QSpinBox(bar);
    interval_->setRange(1, 3600);
    interval_->setValue(DefaultIntervalSeconds);
    interval_->setSuffix(QStringLiteral(" s"));
    connect(interval_, &QSpinBox::valueChanged, this, &TMibViewerForm::RestartTimer);
    bar->addWidget(interval_);
    bar->addWidget(new QLabel(QStringLiteral(" History "), bar));
    history_ = new QComboBox(bar);
    for (int minutes : HistoryMinutes)
        history_->addItem(minutes < 60 ? QStringLiteral("%1 min").arg(minutes)
                                       : QStringLiteral("%1 h").arg(minutes / 60),
                          minutes);
    history_->setCurrentIndex(DefaultHistoryIndex);
    connect(history_, &QComboBox::currentIndexChanged, this, &TMibViewerForm::ApplyHistoryLength);
    bar->addWidget(history_);
    bar->addSeparator();
    QAction *copy = bar->addAction(QStringLiteral("Copy"), this, &TMibViewerForm::CopyRows);
    copy->setShortcut(QKeySequence::Copy);
    bar->addAction(QStringLiteral("Export CSV..."), this, &TMibViewerForm::ExportCsv);
    saveChart_ = bar->addAction(QStringLiteral("Save chart as PNG..."), this, &TMibViewerForm::SaveChart);
}

qint64 TMibViewerForm::HistoryMs() const
{
    return qint64(history_->currentData().toInt()) * 60 * 1000;
}

void TMibViewerForm::ApplyHistoryLength()
{
    for (Panel &panel : panels_)
        panel.Model->SetHistoryMs(HistoryMs());
    UpdateChart();
}

// A scalar group takes the height of its rows (at least ScalarRowsShown of
// them), so that a short group shows whole and the tables and the chart get
// the rest.
void TMibViewerForm::FitScalarPanels(QSplitter *splitter)
{
    bool anyTable = false;
    for (const Panel &panel : std::as_const(panels_))
        anyTable = anyTable || panel.Def->IsTable();
    for (int i = 0; i < panels_.size(); ++i) {
        const Panel &panel = panels_[i];
        if (panel.Def->IsTable())
            continue;
        const int rows = std::min(panel.Model->rowCount(), ScalarRowsShown);
        const int height = panel.Table->horizontalHeader()->sizeHint().height() +
                           rows * panel.Table->verticalHeader()->defaultSectionSize() +
                           2 * panel.Table->frameWidth() + 2;
        panel.Table->setMinimumHeight(height);
        // Beside tables or a chart, a group shown whole keeps its height; the
        // others grow.
        const bool beside = anyTable || chart_;
        if (beside && panel.Model->rowCount() <= ScalarRowsShown)
            panel.Table->setMaximumHeight(height);
        splitter->setStretchFactor(i, beside ? 0 : 1);
    }
}

void TMibViewerForm::RestoreSettings()
{
    const auto settings = ViewerSettings(view_);
    if (settings->contains(QStringLiteral("geometry")))
        restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
    interval_->setValue(settings->value(QStringLiteral("interval"), DefaultIntervalSeconds).toInt());
    const int history = history_->findData(settings->value(QStringLiteral("history"), -1).toInt());
    if (history >= 0)
        history_->setCurrentIndex(history);
    for (int i = 0; i < panels_.size(); ++i) {
        const Panel &panel = panels_[i];
        if (!panel.Def->IsTable() || !settings->contains(PanelKey(i, "sortColumn")))
            continue;
        const int column = settings->value(PanelKey(i, "sortColumn")).toInt();
        const auto order = Qt::SortOrder(settings->value(PanelKey(i, "sortOrder")).toInt());
        if (column >= -1 && column < panel.Model->columnCount())
            panel.Table->sortByColumn(column, order == Qt::DescendingOrder ? order : Qt::AscendingOrder);
    }
}

void TMibViewerForm::SaveSettings() const
{
    const auto settings = ViewerSettings(view_);
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
    settings->setValue(QStringLiteral("interval"), interval_->value());
    settings->setValue(QStringLiteral("history"), history_->currentData().toInt());
    for (int i = 0; i < panels_.size(); ++i) {
        const Panel &panel = panels_[i];
        if (!panel.Def->IsTable())
            continue;
        settings->setValue(PanelKey(i, "sortColumn"), panel.Proxy->sortColumn());
        settings->setValue(PanelKey(i, "sortOrder"), int(panel.Proxy->sortOrder()));
    }
}

void TMibViewerForm::closeEvent(QCloseEvent *event)
{
    SaveSettings();
    QMainWindow::closeEvent(event);
}

// A viewer the module starts opens beside the module's main window rather
// than over it (the module hands its frame on in the environment).
void TMibViewerForm::PlaceBesideMainWindow()
{
    const std::optional<QRect> main =
        KtWindowPlacement::FromText(qEnvironmentVariable(KtViewerLauncher::MainWindowVariable));
    if (!main)
        return;
    const QScreen *screen = QGuiApplication::screenAt(main->center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(KtWindowPlacement::Beside(*main, frameGeometry().size(), screen->availableGeometry()));
}

QWidget *TMibViewerForm::BuildPanel(Panel &panel)
{
    auto *box = new QGroupBox(QString::fromUtf8(panel.Def->Title));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    panel.Filter = new QLineEdit(box);
    panel.Filter->setPlaceholderText(QStringLiteral("Filter"));
    panel.Filter->setClearButtonEnabled(true);
    panel.Proxy = new QSortFilterProxyModel(this);
    panel.Proxy->setSourceModel(panel.Model);
    panel.Proxy->setSortRole(KtViewModel::SortRole);
    panel.Proxy->setFilterKeyColumn(-1);
    panel.Proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(panel.Filter, &QLineEdit::textChanged, panel.Proxy, &QSortFilterProxyModel::setFilterFixedString);
    // Without a selection the chart follows the first row the filter leaves.
    connect(panel.Filter, &QLineEdit::textChanged, this, &TMibViewerForm::UpdateChart);
    panel.Table = new QTableView(box);
    panel.Table->setModel(panel.Proxy);
    panel.Table->setSortingEnabled(panel.Def->IsTable());
    if (panel.Def->IsTable())
        panel.Table->sortByColumn(-1, Qt::AscendingOrder);
    panel.Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    panel.Table->setAlternatingRowColors(true);
    panel.Table->verticalHeader()->hide();
    panel.Table->verticalHeader()->setDefaultSectionSize(panel.Table->fontMetrics().height() + 6);
    panel.Table->horizontalHeader()->setResizeContentsPrecision(FitRows);
    panel.Table->horizontalHeader()->setStretchLastSection(!panel.Def->IsTable());
    connect(panel.Table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TMibViewerForm::UpdateChart);
    layout->addWidget(panel.Filter);
    layout->addWidget(panel.Table);
    return box;
}

QWidget *TMibViewerForm::BuildChart()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 0, 4, 4);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Chart of"), box));
    chartColumn_ = new QComboBox(box);
    row->addWidget(chartColumn_);
    row->addStretch();
    layout->addLayout(row);
    chart_ = new KtRateChart(box);
    layout->addWidget(chart_, 1);
    FillChartColumns();
    // Octets say most about a port's load.
    const int octets = chartColumn_->findText(QStringLiteral("Octets"), Qt::MatchContains);
    chartColumn_->setCurrentIndex(std::max(octets, 0));
    connect(chartColumn_, &QComboBox::currentIndexChanged, this, &TMibViewerForm::UpdateChart);
    return box;
}

void TMibViewerForm::FillChartColumns()
{
    const int bucket = FlaggedPanel(ViewBucketSource);
    if (bucket >= 0) {
        const KtSNMPVarList &vars = panels_[bucket].Model->Vars();
        for (int i = 0; i < vars.Count(); ++i)
            if (!(vars.Get(i).Access & AccessIndex) && vars.Get(i).Syntax != SyntaxTimeTicks)
                chartColumn_->addItem(vars.Get(i).Name, i);
        return;
    }
    const KtViewModel *model = panels_[FlaggedPanel(ViewChart)].Model;
    for (int var : model->CounterVars())
        chartColumn_->addItem(model->Vars().Get(var).Name, var);
}

int TMibViewerForm::FlaggedPanel(unsigned flag) const
{
    for (int i = 0; i < panels_.size(); ++i)
        if (panels_[i].Def->Flags & flag)
            return i;
    return -1;
}

KtViewModel *TMibViewerForm::Model(int section) const
{
    return panels_.value(section).Model;
}

QTableView *TMibViewerForm::Table(int section) const
{
    return panels_.value(section).Table;
}

QLineEdit *TMibViewerForm::Filter(int section) const
{
    return panels_.value(section).Filter;
}

bool TMibViewerForm::Reading() const
{
    if (upTimeReader_->Busy())
        return true;
    for (const Panel &panel : panels_)
        if (panel.Reader->Busy())
            return true;
    return false;
}

void TMibViewerForm::RestartTimer()
{
    timer_->stop();
    if (!pause_->isChecked())
        timer_->start(interval_->value() * 1000);
}

void TMibViewerForm::Refresh()
{
    if (Reading())
        return;
    readStartMs_ = clock_.elapsed();
    // A read can end inside Start (a send that fails at once); the outcome
    // is taken once every section has started and ended.
    starting_ = true;
    upTimeReader_->Start();
    for (Panel &panel : panels_)
        panel.Reader->Start();
    starting_ = false;
    if (!Reading())
        OnSectionRead();
}

void TMibViewerForm::OnSectionRead()
{
    if (starting_ || Reading())
        return;
    const KtSectionRead &upTime = upTimeReader_->LastRead();
    const bool hasUpTime = upTime.Code == 0 && !upTime.Rows.isEmpty() &&
                           !KtIsMissingValue(upTime.Rows.first().Values.value(0, QStringLiteral("(NULL)")));
    const quint32 ticks = hasUpTime ? KtTextForm::TextToTimeTicks(upTime.Rows.first().Values.value(0)) : 0;
    bool ok = true;
    for (Panel &panel : panels_) {
        const KtSectionRead &read = panel.Reader->LastRead();
        ok = ok && read.Code == 0;
        panel.Model->Update(read.Rows, readStartMs_, ticks, hasUpTime);
        if (readsDone_ == 0)
            panel.Table->resizeColumnsToContents();
    }
    ++readsDone_;
    ShowOutcome();
    UpdateChart();
    emit ReadDone(ok);
}

void TMibViewerForm::ShowOutcome()
{
    const QTime now = QTime::currentTime();
    QString message = KtErrorText(0);
    QString caption = QString::fromUtf8(view_.Caption);
    for (const Panel &panel : panels_) {
        const KtSectionRead &read = panel.Reader->LastRead();
        if (read.Code != 0) {
            message = read.Message.isEmpty() ? KtErrorText(read.Code) : read.Message;
            caption = QString::fromUtf8(panel.Def->Title);
            break;
        }
    }
    statusBar()->showMessage(
        KtSNMPRequest2Controls::FormatStatusLine(SnmpMsg.Text(0), caption, message, now));
    lastRefresh_->setText(QStringLiteral("Last refresh %1").arg(KtRateChart::ClockText(now)));
}

QList<int> TMibViewerForm::SelectedSourceRows(int panel) const
{
    QList<int> rows;
    const Panel &p = panels_[panel];
    for (const QModelIndex &index : p.Table->selectionModel()->selectedRows())
        rows << p.Proxy->mapToSource(index).row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TMibViewerForm::UpdateChart()
{
    if (!chart_ || chartColumn_->currentIndex() < 0)
        return;
    const int var = chartColumn_->currentData().toInt();
    const int bucketPanel = FlaggedPanel(ViewBucketSource);
    if (bucketPanel >= 0) {
        // The buckets of the selected history control entry (the first one
        // when none is selected).
        const int control = std::max(FlaggedPanel(ViewHistoryBuckets), 0);
        const KtViewModel *controls = panels_[control].Model;
        const QList<int> selected = ChartRows(control);
        if (selected.isEmpty())
            return;
        const QString prefix = controls->RowKey(selected.first()) + QLatin1Char('.');
        const KtViewModel *buckets = panels_[bucketPanel].Model;
        QStringList labels;
        QList<double> values;
        for (int r = 0; r < buckets->rowCount(); ++r) {
            if (!buckets->RowKey(r).startsWith(prefix))
                continue;
            labels << buckets->RowKey(r).mid(prefix.size());
            values << buckets->RawValue(r, var).toDouble();
        }
        chart_->ShowBuckets(QStringLiteral("%1 of entry %2")
                                .arg(chartColumn_->currentText(), controls->RowLabel(selected.first())),
                            labels, values);
        return;
    }
    const int panel = FlaggedPanel(ViewChart);
    const KtViewModel *model = panels_[panel].Model;
    // Octets are drawn as bits per second, as the table shows them.
    const bool bits = model->IsTable() && model->IsOctets(var);
    QList<KtRateChart::RateSeries> series;
    for (int row : ChartRows(panel)) {
        if (!model->IsTable() && !KtViewModel::IsCounter(model->Vars().Get(row).Syntax))
            continue;
        series.append({model->RowLabel(row), &model->RateHistory(row, var), bits ? 8.0 : 1.0});
    }
    const QString title = model->IsTable()
                              ? chartColumn_->currentText() + (bits ? QStringLiteral(" in bits per second")
                                                                    : QStringLiteral(" per second"))
                              : QStringLiteral("per second");
    chart_->ShowRates(title, bits ? QStringLiteral("bit/s") : QString(), series, clock_.elapsed(),
                      HistoryMs());
}

QList<int> TMibViewerForm::ChartRows(int panel) const
{
    QList<int> rows = SelectedSourceRows(panel);
    const Panel &p = panels_[panel];
    if (rows.isEmpty() && p.Proxy->rowCount() > 0)
        rows << p.Proxy->mapToSource(p.Proxy->index(0, 0)).row();
    return rows;
}

void TMibViewerForm::SaveChart()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save chart as PNG"),
                                                      QString::fromUtf8(view_.Name) + QStringLiteral(".png"),
                                                      QStringLiteral("PNG pictures (*.png)"));
    if (!path.isEmpty())
        SaveChartTo(path);
}

bool TMibViewerForm::SaveChartTo(const QString &path)
{
    if (chart_ && chart_->SaveTo(path))
        return true;
    statusBar()->showMessage(QStringLiteral("Cannot write %1").arg(path));
    return false;
}

void TMibViewerForm::SelectChartRows(const QList<int> &rows)
{
    int panel = FlaggedPanel(ViewChart);
    if (panel < 0)
        panel = std::max(FlaggedPanel(ViewHistoryBuckets), 0);
    const Panel &p = panels_[panel];
    for (int row : rows)
        if (row >= 0 && row < p.Model->rowCount())
            p.Table->selectionModel()->select(p.Proxy->mapFromSource(p.Model->index(row, 0)),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

int TMibViewerForm::FocusedPanel() const
{
    for (int i = 0; i < panels_.size(); ++i)
        if (panels_[i].Table->hasFocus())
            return i;
    return 0;
}

void TMibViewerForm::CopyRows()
{
    const int panel = FocusedPanel();
    QList<int> proxyRows;
    for (const QModelIndex &index : panels_[panel].Table->selectionModel()->selectedRows())
        proxyRows << index.row();
    std::sort(proxyRows.begin(), proxyRows.end());
    QApplication::clipboard()->setText(
        KtTableText::Tabbed(*panels_[panel].Proxy, proxyRows, {}, KtViewModel::ExportRole));
}

QString TMibViewerForm::CsvText(int section) const
{
    const Panel &panel = panels_[section];
    QList<int> proxyRows;
    for (const QModelIndex &index : panel.Table->selectionModel()->selectedRows())
        proxyRows << index.row();
    std::sort(proxyRows.begin(), proxyRows.end());
    return KtTableText::Csv(*panel.Proxy, proxyRows, {}, KtViewModel::ExportRole);
}

QString TMibViewerForm::AllSectionsCsv() const
{
    QString text;
    for (const Panel &panel : panels_)
        text += KtTableText::CsvField(QString::fromUtf8(panel.Def->Title)) + QStringLiteral("\r\n") +
                KtTableText::Csv(*panel.Model, {}, {}, KtViewModel::ExportRole) + QStringLiteral("\r\n");
    return text;
}

void TMibViewerForm::ExportCsv()
{
    const int panel = FocusedPanel();
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"),
                                                      QString::fromUtf8(view_.Name) + QStringLiteral(".csv"),
                                                      QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty())
        ExportCsvTo(path, panel);
}

bool TMibViewerForm::ExportCsvTo(const QString &path, int section)
{
    QString reason;
    if (KtTableText::SaveFile(path, CsvText(section), &reason))
        return true;
    statusBar()->showMessage(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    return false;
}
