#pragma once

#include "KtRateTracker.h"
#include "KtSNMPVarList.h"
#include "KtSectionReader.h"

#include <QAbstractTableModel>

// What one section of a view shows. A table has one row per table row and
// one column per variable; a scalar group one row per variable with the
// columns "Name" and "Value". With rates on, every counter gets its
// per-second rate since the previous refresh beside its value ("/s").
class KtViewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Sort key: numbers as numbers, everything else as text.
    static constexpr int SortRole = Qt::UserRole;
    // The value text as read (before enumeration names are put in).
    static constexpr int RawRole = Qt::UserRole + 1;

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

    // The variables that are counters, in list order.
    QList<int> CounterVars() const;
    // The row's name for legends: its index values, or the scalar's name.
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

private:
    struct Column
    {
        int Var = -1;
        bool Rate = false;
    };
    QString TrackKey(const QString &rowKey, int var) const;
    QString DisplayValue(int var, const QString &raw) const;
    QVariant SortValue(int var, const QString &raw) const;
    QVariant Cell(int row, const Column &column, int role) const;

    KtSNMPVarList vars_;
    bool withRates_;
    QVector<Column> columns_; // tables: the columns; scalars: unused
    QVector<KtSectionRow> rows_;
    QVector<QVector<std::optional<double>>> rates_; // per row, per variable
    KtRateTracker tracker_;
};
