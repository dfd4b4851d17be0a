#pragma once

#include <QList>
#include <QString>
#include <qnamespace.h>

class QAbstractItemModel;

// A model's rows as text for the clipboard (tab-separated) or a CSV file:
// the header line, then the given rows (every row when none are given), the
// texts of the given columns (every column when none are given) in the given
// role (the shown texts by default). Agent texts that a spreadsheet would take
// for a formula are made plain text in both (SpreadsheetSafe).
class KtTableText
{
public:
    static QString Tabbed(const QAbstractItemModel &model, const QList<int> &rows = {},
                          const QList<int> &columns = {}, int role = Qt::DisplayRole);
    // RFC 4180: fields with a comma, quote or line break are quoted, quotes
    // doubled; lines end with CRLF.
    static QString Csv(const QAbstractItemModel &model, const QList<int> &rows = {},
                       const QList<int> &columns = {}, int role = Qt::DisplayRole);
    // One CSV field, quoted when it needs to be.
    static QString CsvField(const QString &text);

    // A cell as a spreadsheet shows it without evaluating it: a text that
    // begins with =, +, -, @, a tab or a carriage return gets a leading
    // apostrophe; numbers ("-5", "+1.5e3") stay numbers.
    static QString SpreadsheetSafe(const QString &cell);

    // Writes text (UTF-8) to path as a whole or not at all: a failed write
    // leaves the file that was there before. On failure *reason says why.
    static bool SaveFile(const QString &path, const QString &text, QString *reason);

private:
    static QString Join(const QAbstractItemModel &model, const QList<int> &rows, const QList<int> &columns,
                        int role, QChar separator, const QString &lineEnd, QString (*field)(const QString &));
};
