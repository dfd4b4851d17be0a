#include "PanelHost.h"

#include "KtPortButton.h"

#include <QMenu>
#include <QPointer>

namespace {

void ReleaseButton(QAbstractButton *button)
{
    button->setChecked(false);
    button->setDown(false);
}

} // namespace

void PanelHost::AddPortButton(KtPortButton *button)
{
    PortButtons().append(button);
    // Replaces whatever the panel connected: these two are the only handlers.
    QObject::disconnect(button, &KtPortButton::clicked, nullptr, nullptr);
    QObject::disconnect(button, &KtPortButton::customContextMenuRequested, nullptr, nullptr);
    QObject::connect(button, &KtPortButton::clicked, button, [this, button] { PortButtonClicked(button); });
    QObject::connect(button, &KtPortButton::customContextMenuRequested, button,
                     [this, button](const QPoint &pos) { ShowPortMenu(button, button->mapToGlobal(pos)); });
}

void PanelHost::ReleasePortButtons()
{
    for (QAbstractButton *button : PortButtons())
        ReleaseButton(button);
}

void PanelHost::PortButtonClicked(KtPortButton *button)
{
    for (QAbstractButton *other : PortButtons())
        if (other != button)
            ReleaseButton(other);
}

void PanelHost::OpenPortWindowOf(KtPortButton *button, PortWindow window)
{
    ReleasePortButtons();
    button->Press();
    if (OpenPortWindow)
        OpenPortWindow(window, button->Tag);
}

void PanelHost::ShowPortMenu(KtPortButton *button, const QPoint &globalPos)
{
    // Not a child of the button: the panel may close while the menu is open.
    QMenu menu;
    QAction *information = menu.addAction(QStringLiteral("Port Information"));
    menu.addAction(QStringLiteral("Port Configuration"));
    QPointer<KtPortButton> guard(button);
    QAction *chosen = menu.exec(globalPos);
    if (!guard || !chosen)
        return;
    OpenPortWindowOf(button, chosen == information ? PortWindow::Information : PortWindow::Configuration);
}
