#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;

// A model's rows as text for the clipboard (tab-separated) or a CSV file:
// the header line, then the given rows (every row when none are given), the
// shown texts of every column.
class KtTableText
{
public:
    static QString Tabbed(const QAbstractItemModel &model, const QList<int> &rows = {});
    // RFC 4180: fields with a comma, quote or line break are quoted, quotes
    // doubled; lines end with CRLF.
    static QString Csv(const QAbstractItemModel &model, const QList<int> &rows = {});
    // One CSV field, quoted when it needs to be.
    static QString CsvField(const QString &text);

private:
    static QString Join(const QAbstractItemModel &model, const QList<int> &rows, QChar separator,
                        const QString &lineEnd, QString (*field)(const QString &));
};
