#include "KtViewModel.h"

#include "KtOptionList.h"
#include "KtTextForm.h"

namespace {

const QString RateSuffix = QStringLiteral(" /s");

QString RateText(const std::optional<double> &rate)
{
    return rate ? QString::number(*rate, 'f', *rate < 100 ? 1 : 0) : QString();
}

bool IsNumeric(int syntax)
{
    switch (syntax) {
    case SyntaxInteger:
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxCounter64:
    case SyntaxUnsigned32:
        return true;
    default:
        return false;
    }
}

} // namespace

KtViewModel::KtViewModel(const KtSNMPVarList &vars, bool withRates, QObject *parent)
    : QAbstractTableModel(parent), vars_(vars), withRates_(withRates)
{
    if (!vars_.IsTable())
        return;
    for (int i = 0; i < vars_.Count(); ++i) {
        columns_.append({i, false});
        if (withRates_ && IsCounter(vars_.Get(i).Syntax))
            columns_.append({i, true});
    }
}

bool KtViewModel::IsCounter(int syntax)
{
    return syntax == SyntaxCounter32 || syntax == SyntaxCounter64;
}

int KtViewModel::CounterBits(int syntax)
{
    return syntax == SyntaxCounter64 ? 64 : 32;
}

QList<int> KtViewModel::CounterVars() const
{
    QList<int> counters;
    for (int i = 0; i < vars_.Count(); ++i)
        if (IsCounter(vars_.Get(i).Syntax))
            counters << i;
    return counters;
}

QString KtViewModel::TrackKey(const QString &rowKey, int var) const
{
    return rowKey + QLatin1Char('|') + QString::number(var);
}

void KtViewModel::Update(const QVector<KtSectionRow> &rows, qint64 timeMs, quint32 upTime, bool hasUpTime)
{
    QVector<QVector<std::optional<double>>> rates(rows.size(), QVector<std::optional<double>>(vars_.Count()));
    if (withRates_) {
        for (int r = 0; r < rows.size(); ++r)
            for (int var : CounterVars())
                if (var < rows[r].Values.size())
                    rates[r][var] = tracker_.Record(TrackKey(rows[r].Key, var), rows[r].Values[var], timeMs,
                                                    upTime, hasUpTime, CounterBits(vars_.Get(var).Syntax));
    }
    bool sameRows = rows.size() == rows_.size();
    for (int r = 0; sameRows && r < rows.size(); ++r)
        sameRows = rows[r].Key == rows_[r].Key;
    if (!sameRows)
        beginResetModel();
    rows_ = rows;
    rates_ = rates;
    if (!sameRows)
        endResetModel();
    else if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int KtViewModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return vars_.IsTable() ? int(rows_.size()) : vars_.Count();
}

int KtViewModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (vars_.IsTable())
        return int(columns_.size());
    return withRates_ && !CounterVars().isEmpty() ? 3 : 2;
}

int KtViewModel::VarOfColumn(int column) const
{
    if (!vars_.IsTable())
        return -1;
    const Column &c = columns_.value(column);
    return c.Rate ? -1 : c.Var;
}

QString KtViewModel::RawValue(int row, int var) const
{
    if (!vars_.IsTable())
        return rows_.isEmpty() ? QString() : rows_.first().Values.value(row);
    return rows_.value(row).Values.value(var);
}

QString KtViewModel::RowKey(int row) const
{
    return vars_.IsTable() ? rows_.value(row).Key : vars_.Get(row).Name;
}

QString KtViewModel::RowLabel(int row) const
{
    if (!vars_.IsTable())
        return vars_.Get(row).Name;
    QStringList parts;
    for (int i = 0; i < vars_.Count(); ++i)
        if (vars_.Get(i).Access & AccessIndex)
            parts << DisplayValue(i, RawValue(row, i));
    // A row with a description says more than its index number.
    for (int i = 0; i < vars_.Count(); ++i)
        if (vars_.Get(i).Syntax == SyntaxDisplayString && !(vars_.Get(i).Access & AccessIndex)) {
            parts << RawValue(row, i);
            break;
        }
    return parts.join(QLatin1Char(' '));
}

const std::deque<KtRateTracker::Point> &KtViewModel::RateHistory(int row, int var) const
{
    if (!vars_.IsTable())
        return tracker_.History(TrackKey(QString(), row));
    return tracker_.History(TrackKey(RowKey(row), var));
}

QString KtViewModel::DisplayValue(int var, const QString &raw) const
{
    const KtSNMPVar &v = vars_.Get(var);
    if (KtIsMissingValue(raw))
        return {};
    // A MAC address reads better in pairs: 00:1B:21:00:00:0A.
    if (v.Syntax == SyntaxMacAddress && raw.size() == 12) {
        QStringList pairs;
        for (int i = 0; i < raw.size(); i += 2)
            pairs << raw.mid(i, 2);
        return pairs.join(QLatin1Char(':'));
    }
    if (v.Options) {
        const QString name = v.Options->ValueToName(raw);
        if (!name.isEmpty())
            return name;
    }
    return raw;
}

QVariant KtViewModel::SortValue(int var, const QString &raw) const
{
    const int syntax = vars_.Get(var).Syntax;
    if (syntax == SyntaxTimeTicks)
        return double(KtTextForm::TextToTimeTicks(raw));
    bool ok = false;
    const double number = raw.toDouble(&ok);
    if (IsNumeric(syntax) && ok && !vars_.Get(var).Options)
        return number;
    return DisplayValue(var, raw);
}

QVariant KtViewModel::Cell(int row, const Column &column, int role) const
{
    const std::optional<double> rate = rates_.value(row).value(column.Var);
    const QString raw = vars_.IsTable() ? RawValue(row, column.Var) : RawValue(column.Var, 0);
    const int syntax = vars_.Get(column.Var).Syntax;
    switch (role) {
    case Qt::DisplayRole:
        return column.Rate ? RateText(rate) : DisplayValue(column.Var, raw);
    case SortRole:
        if (column.Rate)
            return rate ? *rate : -1.0;
        return SortValue(column.Var, raw);
    case RawRole:
        return column.Rate ? RateText(rate) : raw;
    case Qt::TextAlignmentRole:
        // Numbers line up in table columns; a name/value list reads left to right.
        if (vars_.IsTable() && (column.Rate || (IsNumeric(syntax) && !vars_.Get(column.Var).Options)))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant KtViewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (vars_.IsTable())
        return Cell(index.row(), columns_.value(index.column()), role);
    // A scalar group: the variable's name, its value and its rate.
    const int var = index.row();
    if (index.column() == 0)
        return role == Qt::DisplayRole || role == SortRole || role == RawRole ? QVariant(vars_.Get(var).Name)
                                                                              : QVariant();
    const bool rateColumn = index.column() == 2;
    if (rateColumn && !IsCounter(vars_.Get(var).Syntax))
        return role == SortRole ? QVariant(-1.0) : QVariant();
    // A scalar group is row 0 of its read, one value and rate per variable.
    return Cell(0, Column{var, rateColumn}, role);
}

QVariant KtViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!vars_.IsTable()) {
        static const char *const names[] = {"Name", "Value", "Rate /s"};
        return section >= 0 && section < 3 ? QString::fromLatin1(names[section]) : QString();
    }
    const Column &column = columns_.value(section);
    return column.Var < 0 ? QString() : vars_.Get(column.Var).Name + (column.Rate ? RateSuffix : QString());
}
