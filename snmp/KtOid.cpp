#include "KtOid.h"

#include <QStringList>
#include <algorithm>

KtOid KtOid::FromText(QStringView text, bool *ok)
{
    if (ok)
        *ok = false;
    QStringView rest = text.trimmed();
    if (rest.startsWith(QLatin1Char('.')))
        rest = rest.mid(1);
    if (rest.isEmpty())
        return {};
    KtOid oid;
    for (QStringView part : rest.split(QLatin1Char('.'))) {
        if (part.isEmpty())
            return {};
        quint64 value = 0;
        for (QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return {};
            value = value * 10 + (c.unicode() - '0');
            if (value > 0xFFFFFFFFu)
                return {};
        }
        oid.ids_.push_back(quint32(value));
    }
    if (ok)
        *ok = true;
    return oid;
}

QString KtOid::ToText() const
{
    QString text;
    text.reserve(int(ids_.size()) * 4);
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (i)
            text += QLatin1Char('.');
        text += QString::number(ids_[i]);
    }
    return text;
}

bool KtOid::StartsWith(const KtOid &prefix) const
{
    return prefix.ids_.size() <= ids_.size() &&
           std::equal(prefix.ids_.begin(), prefix.ids_.end(), ids_.begin());
}
