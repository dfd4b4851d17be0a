#include "KtNumberText.h"

#include <QLocale>
#include <cmath>

QString KtNumberText::Grouped(quint64 value)
{
    static const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    return locale.toString(value);
}

double KtNumberText::Divisor(double value, QString *prefix)
{
    static const struct
    {
        double Divisor;
        const char *Prefix;
    } units[] = {{1e9, "G"}, {1e6, "M"}, {1e3, "k"}};
    for (const auto &unit : units)
        if (std::fabs(value) >= unit.Divisor) {
            if (prefix)
                *prefix = QString::fromLatin1(unit.Prefix);
            return unit.Divisor;
        }
    if (prefix)
        prefix->clear();
    return 1;
}

QString KtNumberText::Scaled(double value)
{
    QString prefix;
    const double divisor = Divisor(value, &prefix);
    if (divisor == 1)
        return QString::number(value, 'f', std::fabs(value) < 100 ? 1 : 0);
    const double scaled = value / divisor;
    const int decimals = scaled < 10 ? 2 : scaled < 100 ? 1 : 0;
    return QString::number(scaled, 'f', decimals) + QLatin1Char(' ') + prefix;
}

QString KtNumberText::Plain(double value)
{
    return QString::number(value, 'f', std::fabs(value) < 100 ? 1 : 0);
}
