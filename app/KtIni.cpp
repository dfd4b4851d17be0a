#include "KtIni.h"

#include "KtRegularFile.h"

#include <optional>

namespace {

constexpr qsizetype kMaxValueLength = 4095;

// A device configuration or the registry stand-in is a few hundred bytes;
// past these limits the rest of a file or line is ignored.
constexpr qint64 kMaxIniBytes = 4 << 20;
constexpr qsizetype kMaxIniLine = 16384;

QString SectionName(const QString &line)
{
    return line.mid(1, line.indexOf(']') - 1).trimmed();
}

bool IsSectionLine(const QString &line)
{
    return line.startsWith('[') && line.indexOf(']') > 0;
}

QString Unquoted(QString value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Calls visit(key, value) for every key line of the first matching section;
// visit returns true to stop. Returns whether the section was found.
template <typename Visit> bool ScanSection(const QString &path, const QString &section, Visit visit)
{
    const KtFileContent file = KtReadRegularFile(path, kMaxIniBytes);
    if (file.State != KtFileState::Read)
        return false;
    const QString wanted = section.trimmed();
    bool inSection = false;
    bool found = false;
    for (const QByteArray &bytes : KtSplitLines(file.Bytes, kMaxIniLine, path)) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (IsSectionLine(line)) {
            if (inSection)
                break;
            inSection = SectionName(line).compare(wanted, Qt::CaseInsensitive) == 0;
            found = found || inSection;
            continue;
        }
        if (!inSection || line.isEmpty() || line.startsWith(';'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        if (visit(line.left(equals).trimmed(), line.mid(equals + 1)))
            break;
    }
    return found;
}

} // namespace

QString KtIni::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    std::optional<QString> value;
    ScanSection(path_, section, [&](const QString &name, const QString &text) {
        if (name.compare(key.trimmed(), Qt::CaseInsensitive) != 0)
            return false;
        value = Unquoted(text.trimmed()).left(kMaxValueLength).trimmed();
        return true;
    });
    if (!value || value->isEmpty())
        return defaultValue;
    return *value;
}

bool KtIni::HasSection(const QString &section) const
{
    return ScanSection(path_, section, [](const QString &, const QString &) { return true; });
}
