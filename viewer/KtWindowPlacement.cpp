#include "KtWindowPlacement.h"

#include <QStringList>
#include <algorithm>

QPoint KtWindowPlacement::Beside(const QRect &other, const QSize &size, const QRect &screen)
{
    int x = other.right() + 1;
    if (x + size.width() > screen.right() + 1) {
        const int left = other.left() - size.width();
        x = left >= screen.left() ? left : screen.right() + 1 - size.width();
    }
    x = std::max(x, screen.left());
    const int y =
        std::clamp(other.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

std::optional<QRect> KtWindowPlacement::FromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}
