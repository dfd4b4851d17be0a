#include "KtMessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

KtMessageBox::Handler KtMessageBox::handler_;

namespace {

bool ShowModal(const KtMessageBox::Message &message)
{
    switch (message.Type) {
    case KtMessageBox::Kind::Information:
        QMessageBox::information(message.Owner, message.Caption, message.Text, QMessageBox::Ok);
        return true;
    case KtMessageBox::Kind::Warning:
    case KtMessageBox::Kind::Error:
        QMessageBox::warning(message.Owner, message.Caption, message.Text, QMessageBox::Ok);
        return true;
    case KtMessageBox::Kind::Plain: {
        QMessageBox box(QMessageBox::NoIcon, message.Caption, message.Text, QMessageBox::Ok, message.Owner);
        box.exec();
        return true;
    }
    case KtMessageBox::Kind::Question:
        return QMessageBox::question(
                   message.Owner, message.Caption, message.Text, QMessageBox::Ok | QMessageBox::Cancel,
                   message.OkByDefault ? QMessageBox::Ok : QMessageBox::Cancel) == QMessageBox::Ok;
    }
    return false;
}

} // namespace

void KtMessageBox::Inform(QWidget *owner, const QString &text)
{
    Show({Kind::Information, owner, ExecutableName(), text});
}

void KtMessageBox::Warn(QWidget *owner, const QString &text)
{
    Show({Kind::Warning, owner, QObject::tr("Warning"), text});
}

void KtMessageBox::Error(QWidget *owner, const QString &text)
{
    Show({Kind::Error, owner, ExecutableName(), text});
}

void KtMessageBox::Plain(QWidget *owner, const QString &text)
{
    Show({Kind::Plain, owner, ExecutableName(), text});
}

bool KtMessageBox::Ask(QWidget *owner, const QString &text, bool okByDefault)
{
    return Show({Kind::Question, owner, QObject::tr("Confirm"), text, okByDefault});
}

KtMessageBox::Handler KtMessageBox::Replace(Handler handler)
{
    return std::exchange(handler_, std::move(handler));
}

QString KtMessageBox::ExecutableName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QCoreApplication::applicationName() : QFileInfo(path).fileName();
}

bool KtMessageBox::Show(const Message &message)
{
    return handler_ ? handler_(message) : ShowModal(message);
}
