#pragma once

#include "KtRateTracker.h"
#include "KtSNMPVarList.h"
#include "KtSectionReader.h"

#include <QAbstractTableModel>

// What one section of a view shows. A table has one row per table row and
// one column per variable; a scalar group one row per variable with the
// columns "Name" and "Value". With rates on, every counter gets its
// per-second rate since the previous refresh beside its value ("/s"); an
// octet counter gets it in bits per second ("bit/s") and, in a table that
// reads the interface speed (ifSpeed, ifHighSpeed), the utilisation of that
// speed ("%"). Counters and gauges show thousands separators and rates a
// unit prefix (k, M, G); copies and exports take plain numbers (ExportRole).
class KtViewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Sort key: numbers as numbers, everything else as text.
    static constexpr int SortRole = Qt::UserRole;
    // The value text as read (before enumeration names are put in); empty
    // where the agent supplied no value.
    static constexpr int RawRole = Qt::UserRole + 1;
    // The text for copies and exports: as shown, but numbers plain.
    static constexpr int ExportRole = Qt::UserRole + 2;

    KtViewModel(const KtSNMPVarList &vars, bool withRates, QObject *parent = nullptr);

    // Takes the rows of a read made at timeMs, when the agent's sysUpTime
    // was upTime (hasUpTime false when it could not be read).
    void Update(const QVector<KtSectionRow> &rows, qint64 timeMs, quint32 upTime, bool hasUpTime);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    bool IsTable() const { return vars_.IsTable(); }
    const KtSNMPVarList &Vars() const { return vars_; }
    static bool IsCounter(int syntax);
    static int CounterBits(int syntax);
    // An octet counter, whose rate reads in bits per second.
    bool IsOctets(int var) const;

    // The variables that are counters, in list order.
    QList<int> CounterVars() const;
    // The row's name for legends: its alias or description where the table
    // has one (ifAlias before ifDescr), else its index values; the scalar's
    // name in a scalar group.
    QString RowLabel(int row) const;
    QString RowKey(int row) const;
    // A variable's value text in a row (tables) or of a scalar (row = the
    // variable, var ignored).
    QString RawValue(int row, int var) const;
    // The rate history of a counter in a row (tables) or of a scalar.
    const std::deque<KtRateTracker::Point> &RateHistory(int row, int var) const;
    // The row that shows a variable of a scalar group, or the variable a
    // table column shows (-1 for a rate column).
    int VarOfColumn(int column) const;
    // The link speed of a table row in bits per second; 0 where unknown.
    double SpeedBits(int row) const;
    // How long rate histories are kept.
    void SetHistoryMs(qint64 ms) { tracker_.SetHistoryMs(ms); }

private:
    enum class Show
    {
        Value,
        Rate,        // per second
        Bits,        // bits per second of an octet counter
        Utilisation, // percent of the row's speed
    };
    struct Column
    {
        int Var = -1;
        Show Kind = Show::Value;
    };
    QString TrackKey(const QString &rowKey, int var) const;
    QString DisplayValue(int var, const QString &raw) const;
    QVariant SortValue(int var, const QString &raw) const;
    QVariant Cell(int row, const Column &column, int role) const;
    QVariant RateCell(int row, const Column &column, int role) const;
    std::optional<double> ColumnRate(int row, const Column &column) const;
    int FindVar(const char *oid) const;

    KtSNMPVarList vars_;
    bool withRates_;
    int ifSpeedVar_ = -1;
    int ifHighSpeedVar_ = -1;
    QVector<Column> columns_; // tables: the columns; scalars: unused
    QVector<KtSectionRow> rows_;
    QVector<QVector<std::optional<double>>> rates_; // per row, per variable
    KtRateTracker tracker_;
};
