#pragma once

#include <QString>

// Reads values from one INI file the way profile strings are read: sections
// in square brackets, key=value lines, section and key names compared
// without regard to letter case, ';' comment lines. The file is read again
// on every call, so a changed file is seen at once.
class KtIni
{
public:
    explicit KtIni(QString path) : path_(std::move(path)) {}

    // The value (at most 4,095 characters, blanks trimmed) of key in section,
    // or defaultValue when the file, section or key is missing or the value
    // is empty.
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;

    // Whether the file has the section (even with no keys).
    bool HasSection(const QString &section) const;

    const QString &Path() const { return path_; }

private:
    QString path_;
};
