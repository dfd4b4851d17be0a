#include "TAboutForm.h"

#include "KtJpegImage.h"
#include "PanelLayout.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace {

// The project's one version, with its build label.
const QString kVersion = QStringLiteral("Release Version " QG_VERSION " (Build " QG_BUILD_LABEL ")");
const QString kVersionB23 = QStringLiteral("Release Version " QG_VERSION ".B23 (Build " QG_BUILD_LABEL ")");
constexpr int kTextLeft = 56;
constexpr int kTextWidth = 323 - kTextLeft - 8;

} // namespace

TAboutForm::TAboutForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About QG-2312 Module"));
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
    VersionLabel = new QLabel(kVersion, this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    NoticeLabel = new QLabel(QStringLiteral("Copyright (C) Keltra Networks. All rights reserved."), this);

    // The texts wrap within the window's width and the window grows
    // downwards until every line shows whole, whatever the font.
    int top = 10;
    for (QLabel *label : {AboutLabel, VersionLabel, NoticeLabel}) {
        label->setWordWrap(true);
        const QString longest = label == VersionLabel ? kVersionB23 : label->text();
        const int height =
            std::max(18, QFontMetrics(label->font())
                             .boundingRect(QRect(0, 0, kTextWidth, 1000), Qt::TextWordWrap, longest)
                             .height());
        label->setGeometry(kTextLeft, top, kTextWidth, height);
        top += height + 2;
    }

    BT_Ok = new QPushButton(QStringLiteral("OK"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setGeometry(124, std::max(74, top + 4), 75, 25);
    setFixedSize(323, std::max(105, BT_Ok->geometry().bottom() + 7));
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
            VersionLabel->setText(kVersionB23);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
