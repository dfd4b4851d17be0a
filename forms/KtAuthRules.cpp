#include "KtAuthRules.h"

#include <QStringList>

bool KtAuthRules::DistinctMethods(const MethodItems &items, const MethodChecks &checked)
{
    // A method that is not sent stands for a value no other method has.
    MethodItems values{};
    for (int k = 0; k < Methods; ++k)
        values[std::size_t(k)] = checked[std::size_t(k)] ? items[std::size_t(k)] : -(k + 1);
    for (int a = 0; a < Methods; ++a)
        for (int b = a + 1; b < Methods; ++b)
            if (values[std::size_t(a)] == values[std::size_t(b)])
                return false;
    return true;
}

bool KtAuthRules::NothingAfterLocal(const MethodItems &items, const MethodChecks &checked)
{
    bool final = false;
    for (int k = 0; k < Methods; ++k) {
        if (!checked[std::size_t(k)])
            continue;
        if (final)
            return false;
        const int item = items[std::size_t(k)];
        final = item == LocalItem || item == NoneItem;
    }
    return true;
}

bool KtAuthRules::IsDefaultMethodList(const QString &name)
{
    return name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0;
}

bool KtAuthRules::IsDefaultServerGroup(const QString &name)
{
    const QString lower = name.toLower();
    for (const char *builtIn : {"tacacs", "xtacacs", "tacacs+", "tacacs-plus", "radius"})
        if (lower == QLatin1String(builtIn))
            return true;
    return false;
}

bool KtAuthRules::SlotIsEmpty(const QString &address, const QString &protocolText, int protocolItem)
{
    return address.isEmpty() || protocolText.isEmpty() ||
           (address == QLatin1String("0.0.0.0") && protocolItem == 0);
}

bool KtAuthRules::IsAddressText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        if (part.toInt() > 255)
            return false;
    }
    return true;
}
