#include "KtViewModel.h"

#include "KtNumberText.h"
#include "KtOptionList.h"
#include "KtTextForm.h"

namespace {

constexpr const char *IfSpeedOid = "1.3.6.1.2.1.2.2.1.5";
constexpr const char *IfHighSpeedOid = "1.3.6.1.2.1.31.1.1.1.15";
// ifSpeed at its top: the speed is in ifHighSpeed.
constexpr double IfSpeedSaturated = 4294967295.0;

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

bool IsGrouped(int syntax)
{
    return syntax == SyntaxCounter32 || syntax == SyntaxCounter64 || syntax == SyntaxGauge32;
}

} // namespace

KtViewModel::KtViewModel(const KtSNMPVarList &vars, bool withRates, QObject *parent)
    : QAbstractTableModel(parent), vars_(vars), withRates_(withRates)
{
    if (!vars_.IsTable())
        return;
    ifSpeedVar_ = FindVar(IfSpeedOid);
    ifHighSpeedVar_ = FindVar(IfHighSpeedOid);
    const bool speedKnown = ifSpeedVar_ >= 0 || ifHighSpeedVar_ >= 0;
    for (int i = 0; i < vars_.Count(); ++i) {
        columns_.append({i, Show::Value});
        if (!withRates_ || !IsCounter(vars_.Get(i).Syntax))
            continue;
        if (!IsOctets(i)) {
            columns_.append({i, Show::Rate});
            continue;
        }
        columns_.append({i, Show::Bits});
        if (speedKnown)
            columns_.append({i, Show::Utilisation});
    }
}

int KtViewModel::FindVar(const char *oid) const
{
    for (int i = 0; i < vars_.Count(); ++i)
        if (vars_.Get(i).Oid == QLatin1String(oid))
            return i;
    return -1;
}

bool KtViewModel::IsCounter(int syntax)
{
    return syntax == SyntaxCounter32 || syntax == SyntaxCounter64;
}

int KtViewModel::CounterBits(int syntax)
{
    return syntax == SyntaxCounter64 ? 64 : 32;
}

bool KtViewModel::IsOctets(int var) const
{
    const KtSNMPVar &v = vars_.Get(var);
    return IsCounter(v.Syntax) && v.Name.endsWith(QLatin1String("Octets"));
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
    return c.Kind == Show::Value ? c.Var : -1;
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
    QString alias, description;
    for (int i = 0; i < vars_.Count(); ++i) {
        const KtSNMPVar &v = vars_.Get(i);
        if (v.Syntax != SyntaxDisplayString || (v.Access & AccessIndex))
            continue;
        const QString text = DisplayValue(i, RawValue(row, i)).trimmed();
        if (v.Name.endsWith(QLatin1String("Alias")) && alias.isEmpty())
            alias = text;
        else if (description.isEmpty())
            description = text;
    }
    if (!alias.isEmpty())
        return alias;
    if (!description.isEmpty())
        return description;
    QStringList parts;
    for (int i = 0; i < vars_.Count(); ++i)
        if (vars_.Get(i).Access & AccessIndex)
            parts << DisplayValue(i, RawValue(row, i));
    return parts.join(QLatin1Char(' '));
}

const std::deque<KtRateTracker::Point> &KtViewModel::RateHistory(int row, int var) const
{
    if (!vars_.IsTable())
        return tracker_.History(TrackKey(QString(), row));
    return tracker_.History(TrackKey(RowKey(row), var));
}

double KtViewModel::SpeedBits(int row) const
{
    bool ok = false;
    const double speed = ifSpeedVar_ >= 0 ? RawValue(row, ifSpeedVar_).toDouble(&ok) : 0;
    if (ok && speed > 0 && speed < IfSpeedSaturated)
        return speed;
    const double high = ifHighSpeedVar_ >= 0 ? RawValue(row, ifHighSpeedVar_).toDouble(&ok) : 0;
    if (ok && high > 0)
        return high * 1e6;
    return ok && speed > 0 ? speed : 0;
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

std::optional<double> KtViewModel::ColumnRate(int row, const Column &column) const
{
    const std::optional<double> rate = rates_.value(row).value(column.Var);
    if (!rate)
        return std::nullopt;
    switch (column.Kind) {
    case Show::Bits:
        return *rate * 8;
    case Show::Utilisation: {
        const double speed = SpeedBits(row);
        if (speed <= 0)
            return std::nullopt;
        return *rate * 8 * 100 / speed;
    }
    default:
        return rate;
    }
}

QVariant KtViewModel::RateCell(int row, const Column &column, int role) const
{
    const std::optional<double> rate = ColumnRate(row, column);
    switch (role) {
    case Qt::DisplayRole:
        if (!rate)
            return QString();
        return column.Kind == Show::Utilisation ? QString::number(*rate, 'f', 1)
                                                : KtNumberText::Scaled(*rate);
    case ExportRole:
    case RawRole:
        return rate ? KtNumberText::Plain(*rate) : QString();
    case SortRole:
        return rate ? *rate : -1.0;
    case Qt::TextAlignmentRole:
        return vars_.IsTable() ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant KtViewModel::Cell(int row, const Column &column, int role) const
{
    if (column.Kind != Show::Value)
        return RateCell(row, column, role);
    const QString raw = vars_.IsTable() ? RawValue(row, column.Var) : RawValue(column.Var, 0);
    const int syntax = vars_.Get(column.Var).Syntax;
    switch (role) {
    case Qt::DisplayRole: {
        bool ok = false;
        const quint64 number = IsGrouped(syntax) ? raw.toULongLong(&ok) : 0;
        return ok ? KtNumberText::Grouped(number) : DisplayValue(column.Var, raw);
    }
    case ExportRole:
        return DisplayValue(column.Var, raw);
    case SortRole:
        return SortValue(column.Var, raw);
    case RawRole:
        return KtIsMissingValue(raw) ? QString() : raw;
    case Qt::TextAlignmentRole:
        // Numbers line up in table columns; a name/value list reads left to right.
        if (vars_.IsTable() && IsNumeric(syntax) && !vars_.Get(column.Var).Options)
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
        return role == Qt::DisplayRole || role == SortRole || role == RawRole || role == ExportRole
                   ? QVariant(vars_.Get(var).Name)
                   : QVariant();
    const bool rateColumn = index.column() == 2;
    if (rateColumn && !IsCounter(vars_.Get(var).Syntax))
        return role == SortRole ? QVariant(-1.0) : QVariant();
    // A scalar group is row 0 of its read, one value and rate per variable.
    return Cell(0, Column{var, rateColumn ? Show::Rate : Show::Value}, role);
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
    if (column.Var < 0)
        return QString();
    static const char *const suffixes[] = {"", " /s", " bit/s", " %"};
    return vars_.Get(column.Var).Name + QLatin1String(suffixes[int(column.Kind)]);
}
