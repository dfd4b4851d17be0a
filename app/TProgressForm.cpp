#include "TProgressForm.h"

#include "KtException.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {
constexpr int kClosePosition = 30;
}

TProgressForm::TProgressForm(QWidget *host, const QString &caption, const QString &prompt,
                             const std::function<void()> &pendingWrite,
                             const std::function<void(const QString &)> &showError)
    : QDialog(host)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(358, 66);
    LB_Prompt = new QLabel(prompt, this);
    LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    LB_Prompt->setGeometry(10, 8, 338, 18);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 76);
    ProgressBar->setValue(0);
    ProgressBar->setGeometry(10, 34, 338, 20);
    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(1000);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm::Tick);
    try {
        if (pendingWrite)
            pendingWrite();
    } catch (const KtException &error) {
        if (showError)
            showError(error.Message);
    }
    ProgressTimer->start();
}

void TProgressForm::Tick()
{
    if (ProgressBar->value() >= kClosePosition) {
        close();
        return;
    }
    ProgressBar->setValue(ProgressBar->value() + 1);
    if (ProgressBar->value() == ProgressBar->maximum())
        ProgressBar->setValue(ProgressBar->minimum());
}

void TProgressForm::closeEvent(QCloseEvent *event)
{
    ProgressTimer->stop();
    QDialog::closeEvent(event);
}
