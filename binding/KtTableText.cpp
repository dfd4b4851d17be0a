#include "KtTableText.h"

#include <QAbstractItemModel>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

QString Plain(const QString &text)
{
    QString field = KtTableText::SpreadsheetSafe(text);
    field.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

QString Quoted(const QString &cell)
{
    const QString text = KtTableText::SpreadsheetSafe(cell);
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString field = text;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace

QString KtTableText::Join(const QAbstractItemModel &model, const QList<int> &rows, const QList<int> &columns,
                          int role, QChar separator, const QString &lineEnd, QString (*field)(const QString &))
{
    QList<int> chosen = rows;
    if (chosen.isEmpty())
        for (int r = 0; r < model.rowCount(); ++r)
            chosen << r;
    QList<int> shown = columns;
    if (shown.isEmpty())
        for (int c = 0; c < model.columnCount(); ++c)
            shown << c;
    QString text;
    QStringList line;
    for (int c : shown)
        line << field(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    text += line.join(separator) + lineEnd;
    for (int r : chosen) {
        line.clear();
        for (int c : shown)
            line << field(model.index(r, c).data(role).toString());
        text += line.join(separator) + lineEnd;
    }
    return text;
}

QString KtTableText::Tabbed(const QAbstractItemModel &model, const QList<int> &rows,
                            const QList<int> &columns, int role)
{
    return Join(model, rows, columns, role, QLatin1Char('\t'), QStringLiteral("\n"), Plain);
}

QString KtTableText::CsvField(const QString &text)
{
    return Quoted(text);
}

QString KtTableText::Csv(const QAbstractItemModel &model, const QList<int> &rows, const QList<int> &columns,
                         int role)
{
    return Join(model, rows, columns, role, QLatin1Char(','), QStringLiteral("\r\n"), Quoted);
}

QString KtTableText::SpreadsheetSafe(const QString &cell)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?([eE][+-]?[0-9]+)?$"));
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (cell.isEmpty() || !formulaStarts.contains(cell.front()) || number.match(cell).hasMatch())
        return cell;
    return QLatin1Char('\'') + cell;
}

bool KtTableText::SaveFile(const QString &path, const QString &text, QString *reason)
{
    // Unbuffered: a short write (a full disk, a file-size limit) shows in
    // what write() returns, where a buffered one would be lost in commit().
    QSaveFile file(path);
    const QByteArray data = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    const qint64 written = file.write(data);
    if (written != data.size()) {
        if (reason)
            *reason =
                written < 0
                    ? file.errorString()
                    : QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(data.size());
        return false; // the temporary file goes with `file`, the old one stays
    }
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}
