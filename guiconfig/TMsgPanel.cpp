#include "TMsgPanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MsgPanel"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A memo would otherwise insist on room for both scroll bars and more
    // than the strip's 50 pixels.
    Memo->setMinimumHeight(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);
    resize(width(), PanelHeight);
}

QSize TMsgPanel::sizeHint() const
{
    return {QWidget::sizeHint().width(), PanelHeight};
}
