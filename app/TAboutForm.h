#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About QG-2312 Module": the module's picture, name and version.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *owner);

    QLabel *ImageQG2312 = nullptr;
    QLabel *ImageQG2212 = nullptr;
    QLabel *AboutLabel = nullptr;
    QLabel *VersionLabel = nullptr;
    QLabel *NoticeLabel = nullptr;
    QPushButton *BT_Ok = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
