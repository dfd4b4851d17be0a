#include "KtOptionList.h"

KtOptionList::KtOptionList(const KtOptionDef *pairs, bool caseSensitive)
    : kind_(OptionNumeric), caseSensitive_(caseSensitive)
{
    Append(pairs);
}

KtOptionList::KtOptionList(const KtOptionTextDef *pairs, KtOptionKind kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    Append(pairs);
}

void KtOptionList::Append(const KtOptionDef *pairs)
{
    for (const KtOptionDef *pair = pairs; pair && pair->Name; ++pair)
        entries_.append({pair->Value, QString::number(pair->Value), QString::fromUtf8(pair->Name)});
}

void KtOptionList::Append(const KtOptionTextDef *pairs)
{
    for (const KtOptionTextDef *pair = pairs; pair && pair->Name; ++pair) {
        const QString value = QString::fromUtf8(pair->Value);
        entries_.append({value.toInt(), value, QString::fromUtf8(pair->Name)});
    }
}

bool KtOptionList::SameText(const QString &a, const QString &b) const
{
    return QString::compare(a, b, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

bool KtOptionList::BeginsWith(const QString &text, const QString &prefix) const
{
    return text.startsWith(prefix, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int KtOptionList::IndexOfName(const QString &text) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString &name = entries_[i].Name;
        if (kind_ == OptionPrefix ? BeginsWith(text, name) : SameText(text, name))
            return i;
    }
    return -1;
}

int KtOptionList::IndexOfValue(const QString &text) const
{
    if (kind_ == OptionNumeric) {
        bool isInteger = false;
        const int number = text.toInt(&isInteger, 10);
        if (!isInteger) // "(NULL)" included
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (entries_[i].Number == number)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const QString &value = entries_[i].Text;
        if (kind_ == OptionPrefix ? BeginsWith(text, value) : SameText(text, value))
            return i;
    }
    return -1;
}

QString KtOptionList::ValueToName(const QString &text) const
{
    const int i = IndexOfValue(text);
    if (i < 0)
        return text;
    const Entry &entry = entries_[i];
    if (kind_ == OptionPrefix)
        return entry.Name + text.mid(entry.Text.size());
    return entry.Name;
}

QString KtOptionList::NameToValue(const QString &text) const
{
    const int i = IndexOfName(text);
    if (i < 0)
        return text;
    const Entry &entry = entries_[i];
    if (kind_ == OptionPrefix)
        return entry.Text + text.mid(entry.Name.size());
    return entry.Text;
}

int KtOptionList::IndexOfNameOrValue(const QString &text) const
{
    const int i = IndexOfName(text);
    return i >= 0 ? i : IndexOfValue(text);
}

QStringList KtOptionList::Names() const
{
    QStringList names;
    names.reserve(Count());
    for (const Entry &entry : entries_)
        names.append(entry.Name);
    return names;
}
