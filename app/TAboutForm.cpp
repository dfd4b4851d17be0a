#include "TAboutForm.h"

#include "KtJpegImage.h"
#include "PanelLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About QG-2312 Module"));
    setFixedSize(323, 105);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    ImageQG2312 = new QLabel(this);
    ImageQG2312->setObjectName(QStringLiteral("ImageQG2312"));
    ImageQG2312->setGeometry(12, 12, 32, 32);
    QString error;
    const QImage icon = KtJpegImage::Load(QString::fromLatin1(kAboutIconPath), &error);
    if (!icon.isNull())
        ImageQG2312->setPixmap(
            QPixmap::fromImage(icon).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ImageQG2212 = new QLabel(this);
    ImageQG2212->setObjectName(QStringLiteral("ImageQG2212"));
    ImageQG2212->setGeometry(12, 12, 32, 32);
    ImageQG2212->hide();

    AboutLabel = new QLabel(QStringLiteral("Keltra QG-2312 Management Module"), this);
    AboutLabel->setObjectName(QStringLiteral("AboutLabel"));
    QFont bold = AboutLabel->font();
    bold.setBold(true);
    AboutLabel->setFont(bold);
    AboutLabel->setGeometry(56, 10, 260, 18);
    VersionLabel = new QLabel(QStringLiteral("Release Version 3.01 (Build 2005/1/11)"), this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    VersionLabel->setGeometry(56, 30, 260, 18);
    NoticeLabel = new QLabel(QStringLiteral("Copyright (C) Keltra Networks. All rights reserved."), this);
    NoticeLabel->setGeometry(56, 50, 260, 18);

    BT_Ok = new QPushButton(QStringLiteral("OK"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setGeometry(124, 74, 75, 25);
    BT_Ok->setDefault(true);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);
    if (owner)
        move(owner->geometry().center() - rect().center());
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers held =
            key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_F3 && held == (Qt::ShiftModifier | Qt::AltModifier)) {
            VersionLabel->setText(QStringLiteral("Release Version 3.01.B23 (Build 2005/1/11)"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
