#include "KtSnapshot.h"

#include "KtRawValue.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString MaskedRaw = QStringLiteral("(masked)");
const QString UnreadableRaw = QStringLiteral("(unreadable)");
const QString ColumnsLine = QStringLiteral("# window\tvariable\tindex\tvalue\toid\traw");
const QString HeaderPrefix = QStringLiteral("# ");
const QString UnreadablePrefix = QStringLiteral("(unreadable: ");

struct HeaderField
{
    const char *Key;
    QString KtSnapshot::*Field;
};

constexpr HeaderField HeaderFields[] = {
    {"address", &KtSnapshot::Address},         {"sysDescr", &KtSnapshot::SysDescr},
    {"sysObjectID", &KtSnapshot::SysObjectId}, {"time", &KtSnapshot::Time},
    {"program", &KtSnapshot::Program},
};
constexpr const char *SecretsKey = "secrets";

QString RawField(const KtSnapshotEntry &entry)
{
    switch (entry.Status) {
    case KtSnapshotEntry::State::Masked:
        return MaskedRaw;
    case KtSnapshotEntry::State::Unreadable:
        return UnreadableRaw;
    default:
        return entry.Raw;
    }
}

} // namespace

const QString KtSnapshot::Magic = QStringLiteral("# qgsnap configuration snapshot 1");

bool KtSnapshotEntry::SameValue(const KtSnapshotEntry &other) const
{
    return Status == State::Value && other.Status == State::Value && Raw == other.Raw;
}

QString KtSnapshotEntry::Shown() const
{
    switch (Status) {
    case State::Masked:
        return MaskedRaw;
    case State::Unreadable:
        return UnreadablePrefix + Text + QLatin1Char(')');
    default:
        return Text.isEmpty() ? QStringLiteral("\"\"") : Text;
    }
}

QString KtSnapshot::Escape(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString KtSnapshot::Unescape(const QString &field, bool *ok)
{
    *ok = true;
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != QLatin1Char('\\')) {
            out += field[i];
            continue;
        }
        const QChar next = i + 1 < field.size() ? field[++i] : QChar();
        switch (next.unicode()) {
        case '\\':
            out += QLatin1Char('\\');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            *ok = false;
            return {};
        }
    }
    return out;
}

QString KtSnapshot::ToText() const
{
    QString text = Magic + QLatin1Char('\n');
    for (const HeaderField &header : HeaderFields)
        text += HeaderPrefix + QLatin1String(header.Key) + QLatin1String(": ") + Escape(this->*header.Field) +
                QLatin1Char('\n');
    text += HeaderPrefix + QLatin1String(SecretsKey) + QLatin1String(": ") +
            (WithSecrets ? QLatin1String("included") : QLatin1String("masked")) + QLatin1Char('\n');
    text += ColumnsLine + QLatin1Char('\n');
    for (const KtSnapshotEntry &entry : Entries) {
        const QString value = entry.Status == KtSnapshotEntry::State::Value ? entry.Text : entry.Shown();
        const QStringList fields = {entry.Window, entry.Variable, entry.Index,
                                    value,        entry.Oid,      RawField(entry)};
        QStringList escaped;
        for (const QString &field : fields)
            escaped << Escape(field);
        text += escaped.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

bool KtSnapshot::FromText(const QString &text, QString *error)
{
    *this = KtSnapshot();
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto fail = [&](int line, const QString &why) {
        *error = QStringLiteral("line %1: %2").arg(line + 1).arg(why);
        return false;
    };
    if (lines.value(0) != Magic)
        return fail(0, QStringLiteral("not a qgsnap snapshot (the first line must be \"%1\")").arg(Magic));
    for (int n = 1; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.isEmpty())
            continue;
        if (line.startsWith(HeaderPrefix)) {
            if (line == ColumnsLine)
                continue;
            const qsizetype colon = line.indexOf(QLatin1String(": "));
            const QString key = line.mid(2, colon - 2);
            const QString value = colon < 0 ? QString() : line.mid(colon + 2);
            bool known = key == QLatin1String(SecretsKey);
            if (known)
                WithSecrets = value == QLatin1String("included");
            for (const HeaderField &header : HeaderFields)
                if (key == QLatin1String(header.Key)) {
                    bool ok = false;
                    this->*header.Field = Unescape(value, &ok);
                    known = ok;
                }
            if (!known || colon < 0)
                return fail(n, QStringLiteral("unknown header line"));
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 6)
            return fail(n, QStringLiteral("%1 fields instead of 6").arg(fields.size()));
        QStringList values;
        for (const QString &field : fields) {
            bool ok = false;
            values << Unescape(field, &ok);
            if (!ok)
                return fail(n, QStringLiteral("a backslash that is no \\\\, \\t, \\n or \\r"));
        }
        KtSnapshotEntry entry{values[0], values[1], values[2], values[3], values[4], values[5]};
        if (values[5] == MaskedRaw) {
            entry.Status = KtSnapshotEntry::State::Masked;
            entry.Raw.clear();
        } else if (values[5] == UnreadableRaw) {
            entry.Status = KtSnapshotEntry::State::Unreadable;
            entry.Raw.clear();
            if (entry.Text.startsWith(UnreadablePrefix) && entry.Text.endsWith(QLatin1Char(')')))
                entry.Text = entry.Text.mid(UnreadablePrefix.size()).chopped(1);
        }
        if (entry.Window.isEmpty() || entry.Oid.isEmpty())
            return fail(n, QStringLiteral("no window or no OID"));
        if (entry.Status == KtSnapshotEntry::State::Value && !KtRawValue::Parse(entry.Raw))
            return fail(n, QStringLiteral("\"%1\" is no raw value (TYPE:VALUE)").arg(entry.Raw));
        Entries.push_back(entry);
    }
    return true;
}

QString KtSnapshot::Key(const QString &window, const QString &field)
{
    return window + QLatin1Char('\t') + field;
}

QHash<QString, const KtSnapshotEntry *> KtSnapshot::ByOid() const
{
    QHash<QString, const KtSnapshotEntry *> entries;
    for (const KtSnapshotEntry &entry : Entries)
        entries.insert(Key(entry.Window, entry.Oid), &entry);
    return entries;
}

QSet<QString> KtSnapshot::Rows() const
{
    QSet<QString> rows;
    for (const KtSnapshotEntry &entry : Entries)
        rows.insert(Key(entry.Window, entry.Index));
    return rows;
}

std::vector<QString> KtSnapshot::Windows() const
{
    std::vector<QString> windows;
    for (const KtSnapshotEntry &entry : Entries)
        if (windows.empty() || windows.back() != entry.Window)
            if (std::find(windows.begin(), windows.end(), entry.Window) == windows.end())
                windows.push_back(entry.Window);
    return windows;
}
