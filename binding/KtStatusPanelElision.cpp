#include "KtStatusPanelElision.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

KtStatusPanelElision::KtStatusPanelElision(QLabel *panel) : QObject(panel) {}

void KtStatusPanelElision::Install(QLabel *panel)
{
    if (!panel || panel->findChild<KtStatusPanelElision *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    panel->installEventFilter(new KtStatusPanelElision(panel));
    QSizePolicy policy = panel->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    panel->setSizePolicy(policy);
}

bool KtStatusPanelElision::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    auto *panel = static_cast<QLabel *>(watched);
    const int margin = panel->margin();
    const QRect room = panel->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QString shown = panel->fontMetrics().elidedText(panel->text(), Qt::ElideRight, room.width());
    QPainter painter(panel);
    panel->style()->drawItemText(&painter, room, int(panel->alignment()) | Qt::TextSingleLine,
                                 panel->palette(), panel->isEnabled(), shown, panel->foregroundRole());
    return true;
}
