#include "TFormMessages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QString ApplicationCaption()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QCoreApplication::applicationName() : QFileInfo(path).fileName();
}

void DefaultShowMessage(QWidget *owner, const QString &text)
{
    QMessageBox::information(owner, ApplicationCaption(), text, QMessageBox::Ok);
}

void DefaultWarning(QWidget *owner, const QString &text)
{
    QMessageBox::warning(owner, QObject::tr("Warning"), text, QMessageBox::Ok);
}

bool DefaultConfirm(QWidget *owner, const QString &text)
{
    return QMessageBox::question(owner, QObject::tr("Confirm"), text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace

std::function<void(QWidget *, const QString &)> TFormMessages::ShowMessage = DefaultShowMessage;
std::function<void(QWidget *, const QString &)> TFormMessages::Warning = DefaultWarning;
std::function<bool(QWidget *, const QString &)> TFormMessages::Confirm = DefaultConfirm;

void TFormMessages::Reset()
{
    ShowMessage = DefaultShowMessage;
    Warning = DefaultWarning;
    Confirm = DefaultConfirm;
}
