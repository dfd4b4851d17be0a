#pragma once

#include "KtViewCatalogue.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QVector>

class KtRateChart;
class KtSectionReader;
class KtViewModel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTimer;
class QSettings;

// The window of one MIB view: every section as a sortable, filterable table
// (a scalar group as a name/value list), refreshed every few seconds, with
// the rates of counters, a chart of the selected rows' rates (or of the
// buckets of an RMON history entry), copy and CSV export. Reads run
// asynchronously; the status bar shows the outcome of the last read with
// the module's status-line texts and the time of the last refresh.
class TMibViewerForm : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalSeconds = 5;
    // The spans of time the chart can show; the second is the default.
    static constexpr int HistoryMinutes[] = {5, 10, 60};
    // Scalar groups show this many rows whole before they scroll.
    static constexpr int ScalarRowsShown = 10;

    // version: the SNMP version of the session (chooses 64-bit counters).
    TMibViewerForm(const KtViewDef &view, int version, QWidget *parent = nullptr);
    ~TMibViewerForm() override;

    const KtViewDef &View() const { return view_; }
    int SectionCount() const { return int(panels_.size()); }
    KtViewModel *Model(int section) const;
    QTableView *Table(int section) const;
    QLineEdit *Filter(int section) const;
    KtRateChart *Chart() const { return chart_; }
    QComboBox *ChartColumn() const { return chartColumn_; }
    QSpinBox *Interval() const { return interval_; }
    QComboBox *HistoryLength() const { return history_; }
    QAction *PauseAction() const { return pause_; }
    QLabel *LastRefreshLabel() const { return lastRefresh_; }
    bool Reading() const;
    int ReadsDone() const { return readsDone_; }
    // Every table and scalar list of the view as CSV, in view order: each
    // section's title on a line of its own, its header and rows in index
    // order, then an empty line.
    QString AllSectionsCsv() const;

    // Starts a read of every section now, unless one is running.
    void Refresh();
    // The selected rows (or all) of the table with the keyboard focus, or of
    // the first section: as tab-separated text to the clipboard, or as CSV.
    void CopyRows();
    QString CsvText(int section) const;
    // Saves CsvText(section) to path, whole or not at all; the status bar
    // says why when it was not saved.
    bool ExportCsvTo(const QString &path, int section);
    // Selects rows (source rows, in read order) of the table the chart
    // draws from.
    void SelectChartRows(const QList<int> &rows);
    // Saves the chart as a PNG picture; the status bar says why when it
    // could not be written.
    bool SaveChartTo(const QString &path);

signals:
    // After each complete read; ok when every section was read.
    void ReadDone(bool ok);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Panel
    {
        const KtViewSection *Def = nullptr;
        KtSectionReader *Reader = nullptr;
        KtViewModel *Model = nullptr;
        QSortFilterProxyModel *Proxy = nullptr;
        QTableView *Table = nullptr;
        QLineEdit *Filter = nullptr;
    };

    void BuildToolBar();
    QWidget *BuildPanel(Panel &panel);
    QWidget *BuildChart();
    void OnSectionRead();
    void ShowOutcome();
    void UpdateChart();
    void FillChartColumns();
    // The first section with a flag of KtViewFlag, or -1.
    int FlaggedPanel(unsigned flag) const;
    int FocusedPanel() const;
    QList<int> SelectedSourceRows(int panel) const;
    void ExportCsv();
    void SaveChart();
    void RestartTimer();
    void ApplyHistoryLength();
    qint64 HistoryMs() const;
    // The rows the chart draws: the selected ones, or the first row shown.
    QList<int> ChartRows(int panel) const;
    void FitScalarPanels(class QSplitter *splitter);
    void RestoreSettings();
    void SaveSettings() const;
    void PlaceBesideMainWindow();

    const KtViewDef &view_;
    QVector<Panel> panels_;
    KtSectionReader *upTimeReader_ = nullptr;
    KtRateChart *chart_ = nullptr;
    QComboBox *chartColumn_ = nullptr;
    QSpinBox *interval_ = nullptr;
    QComboBox *history_ = nullptr;
    QAction *pause_ = nullptr;
    QAction *saveChart_ = nullptr;
    QLabel *lastRefresh_ = nullptr;
    QTimer *timer_ = nullptr;
    QElapsedTimer clock_;
    qint64 readStartMs_ = 0;
    bool starting_ = false;
    int readsDone_ = 0;
};
