#include "ViewerTestSupport.h"

#include "KtOptionList.h"
#include "KtSNMPEngine.h"
#include "KtTextForm.h"
#include "KtViewModel.h"
#include "SnmpTool.h"

#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <list>

void ViewerTest::SetUpTestSuite()
{
    static std::list<QTemporaryDir> states;
    KtSNMPInitialize(states.emplace_back().path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, states.emplace_back().path());
}

void ViewerTest::SetUp()
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Keltra"), QStringLiteral("qgview"))
        .clear();
}

void ViewerTest::UseAgent(quint16 port, int version)
{
    KtSNMPDefaults.Device = {QStringLiteral("127.0.0.1"), port};
    KtSNMPDefaults.Security.Version = quint8(version);
    KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("public");
    // A loaded test machine can be slow to answer.
    KtSNMPDefaults.TimeOut = 300;
}

namespace {

void CollectViewers(const KtMenuItem *items, std::vector<const KtMenuItem *> &entries)
{
    for (const KtMenuItem *item = items; item->Caption; ++item) {
        if (item->Action == KtMenuAction::Viewer)
            entries.push_back(item);
        if (item->Children)
            CollectViewers(item->Children, entries);
    }
}

QString Parent(const QString &oid)
{
    return oid.left(oid.lastIndexOf(QLatin1Char('.')));
}

// The agent's value in the text the view holds, for comparison.
QString Normalized(int syntax, const QString &value)
{
    switch (syntax) {
    case SyntaxDisplayString:
        return QString::fromLatin1(value.toLatin1().toHex().toUpper());
    case SyntaxTimeTicks:
        return QString::number(KtTextForm::TextToTimeTicks(value));
    default:
        return value;
    }
}

bool IsNumber(int syntax)
{
    return syntax == SyntaxInteger || syntax == SyntaxCounter32 || syntax == SyntaxCounter64 ||
           syntax == SyntaxGauge32 || syntax == SyntaxTimeTicks;
}

bool Matches(int syntax, const QString &ours, const QString &oid, const SectionWalks &walks)
{
    const bool before = walks.Before.contains(oid), after = walks.After.contains(oid);
    if (!before && !after)
        return ours == QLatin1String("(NULL)") || ours == QLatin1String("(NOTDONE)");
    const QString mine = Normalized(syntax, ours);
    const QString b = walks.Before.value(oid), a = walks.After.value(oid);
    if (mine == b || mine == a)
        return true;
    if (!IsNumber(syntax) || !before || !after)
        return false;
    // A value that moved while the view read it lies between the walks.
    return b.toULongLong() <= mine.toULongLong() && mine.toULongLong() <= a.toULongLong();
}

QStringList Keys(const QMap<QString, QString> &walk, const QString &column)
{
    QStringList keys;
    const QString prefix = column + QLatin1Char('.');
    for (auto it = walk.lowerBound(prefix); it != walk.end() && it.key().startsWith(prefix); ++it)
        keys << it.key().mid(prefix.size());
    return keys;
}

} // namespace

std::vector<const KtMenuItem *> ViewerMenuEntries()
{
    std::vector<const KtMenuItem *> entries;
    CollectViewers(MainMenu1, entries);
    return entries;
}

QMap<QString, QString> SnmpWalk(quint16 port, const QString &oid, int version)
{
    const SnmpToolResult walk = RunSnmpTool(
        QStringLiteral("snmpwalk"), {version == 0 ? "-v1" : "-v2c", "-c", "public", "-On", "-Oq", "-Ot",
                                     "-Ox", "-Oe", "-t", "3", QStringLiteral("127.0.0.1:%1").arg(port), oid});
    QMap<QString, QString> values;
    QString last;
    for (const QString &line : walk.out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('.'))) {
            const qsizetype blank = line.indexOf(QLatin1Char(' '));
            last = line.mid(1, blank < 0 ? -1 : blank - 1);
            values[last] = blank < 0 ? QString() : line.mid(blank + 1);
        } else if (!last.isEmpty()) {
            values[last] += QLatin1Char(' ') + line; // a long hex string goes on
        }
    }
    for (QString &value : values) {
        value = value.trimmed();
        if (value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')) && value.size() >= 2)
            value = value.mid(1, value.size() - 2);
        if (value.startsWith(QLatin1Char('.')))
            value.remove(0, 1);
    }
    // Hex strings: digits only.
    for (auto it = values.begin(); it != values.end(); ++it) {
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{2}(\\s+[0-9A-Fa-f]{2})*\\s*$"));
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        if (hex.match(it.value()).hasMatch())
            it.value() = it.value().remove(blanks).toUpper();
    }
    return values;
}

QMap<QString, QString> WalkSection(quint16 port, const KtViewSection &section, int version)
{
    QSet<QString> subtrees;
    for (const KtSNMPVarDef *def = section.VarsFor(version); def->Oid; ++def)
        if (def->Access & AccessRead)
            subtrees << Parent(QString::fromLatin1(def->Oid));
    QMap<QString, QString> values;
    for (const QString &subtree : subtrees)
        values.insert(SnmpWalk(port, subtree, version));
    return values;
}

QStringList SectionDifferences(const KtViewModel &model, const SectionWalks &walks)
{
    QStringList differences;
    const KtSNMPVarList &vars = model.Vars();
    auto compare = [&](int row, int var, const QString &oid) {
        QString ours = model.RawValue(row, var);
        // Enumerated values are read as their names.
        if (const KtOptionList *options = vars.Get(var).Options;
            options && !options->NameToValue(ours).isEmpty())
            ours = options->NameToValue(ours);
        if (!Matches(vars.Get(var).Syntax, ours, oid, walks))
            differences << QStringLiteral("%1: view %2, snmpwalk %3 / %4")
                               .arg(oid, ours, walks.Before.value(oid, "-"), walks.After.value(oid, "-"));
    };
    if (!model.IsTable()) {
        for (int var = 0; var < vars.Count(); ++var)
            compare(var, var, vars.Get(var).Oid + QStringLiteral(".0"));
        return differences;
    }
    int firstColumn = 0;
    while (firstColumn < vars.Count() && !(vars.Get(firstColumn).Access & AccessRead))
        ++firstColumn;
    // The same rows (the walk's keys come sorted as texts, not as OIDs).
    QStringList ours;
    for (int row = 0; row < model.rowCount(); ++row)
        ours << model.RowKey(row);
    ours.sort();
    const QString column = vars.Get(firstColumn).Oid;
    if (ours != Keys(walks.Before, column) && ours != Keys(walks.After, column))
        differences << QStringLiteral("rows: view %1, snmpwalk %2")
                           .arg(ours.join(','), Keys(walks.Before, column).join(','));
    for (int row = 0; row < model.rowCount(); ++row)
        for (int var = 0; var < vars.Count(); ++var)
            if (vars.Get(var).Access & AccessRead)
                compare(row, var, vars.Get(var).Oid + QLatin1Char('.') + model.RowKey(row));
    return differences;
}
