#pragma once

#include <QString>

// Writes the text of a CSV export to a file.
class KtCsvFile
{
public:
    // False with the reason in `error` when the file cannot be written.
    static bool Save(const QString &path, const QString &text, QString &error);
};
