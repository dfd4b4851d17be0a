// Developer tool: saves a picture of the connect dialog, filled in for an
// SNMPv3 switch, with two recent switches of its own (the user's settings
// are not read).
//   qgconnectshot OUT.png
#include "KtRecentSwitches.h"
#include "TConnectForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qgconnectshot OUT.png\n");
        return 2;
    }
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    KtConnectSettings recent;
    recent.Address = QStringLiteral("10.90.90.90");
    recent.Version = 1;
    KtRecentSwitches::Remember(recent);

    TConnectForm form;
    KtConnectSettings shown;
    shown.Address = QStringLiteral("127.0.0.1");
    shown.Port = QStringLiteral("16100");
    shown.Version = 3;
    shown.User = QStringLiteral("aes256user");
    shown.Level = 3;
    shown.AuthProtocol = 5;
    shown.AuthPassPhrase = QStringLiteral("sha256password");
    shown.PrivProtocol = 21;
    shown.PrivPassPhrase = QStringLiteral("aes256password");
    form.ShowSettings(shown);
    form.show();
    QApplication::processEvents();
    const bool saved = form.grab().save(args[1]);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(args[1]));
    return saved ? 0 : 1;
}
