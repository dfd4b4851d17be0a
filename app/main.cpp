#include "KtInfoOptions.h"
#include "KtMessageBox.h"
#include "KtStateDirectory.h"
#include "TConnectForm.h"
#include "TForm1.h"
#include "TMainForm.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

const char kUsage[] = "Usage: qg2312 /IADDRESS [/RCOMMUNITY] [/WCOMMUNITY] [/vVERSION] [SNMPv3 switches]\n"
                      "  or:  qg2312 --connect\n"
                      "Element manager for Keltra managed Ethernet switches: a live picture of the\n"
                      "front panel of every unit and a menu of windows that read and write the\n"
                      "switch over SNMP v1, v2c and v3.\n"
                      "\n"
                      "Each parameter carries one switch: a slash, one case-sensitive letter and the\n"
                      "value directly after it, for example /I10.90.90.90 /Rpublic /Wprivate.\n"
                      "\n"
                      "Switches:\n"
                      "  /I    address of the switch\n"
                      "  /R    read community (SNMPv1/v2c)\n"
                      "  /W    write community (SNMPv1/v2c)\n"
                      "  /v    SNMP version: 0 = v1 (default), 1 = v2c, 3 = v3\n"
                      "  /t    agent UDP port (default 161)\n"
                      "  /c    SNMPv3 context name\n"
                      "  /d    SNMPv3 context engine ID\n"
                      "  /m    SNMPv3 security model (3 = user-based)\n"
                      "  /l    security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
                      "  /n    SNMPv3 user name\n"
                      "  /A    authentication pass phrase\n"
                      "  /P    privacy pass phrase\n"
                      "  /a    authentication protocol: 1 none, 2 HMAC-MD5, 3 HMAC-SHA, 4 HMAC-SHA-224,\n"
                      "        5 HMAC-SHA-256, 6 HMAC-SHA-384, 7 HMAC-SHA-512\n"
                      "  /p    privacy protocol: 1 none, 2 DES, 19 AES-128, 20 AES-192, 21 AES-256\n"
                      "The switches from /t on count only once the version is 3 (set by an earlier\n"
                      "/v3 or by the configuration file). Before every parameter other than /I the\n"
                      "per-device configuration file <configuration directory><address>.cfg is read\n"
                      "again, so a switch beats the file for its own parameter.\n"
                      "\n"
                      "Options:\n"
                      "  --connect    ask for the switch and its credentials in a dialog, then start\n"
                      "               as the equivalent command line would; the dialog keeps the\n"
                      "               module's files in $XDG_STATE_HOME/qg2312\n"
                      "  --help       display this help and exit\n"
                      "  --version    output version information and exit\n"
                      "\n"
                      "Files:\n"
                      "  /etc/keltra/registry.ini (or $KELTRA_REGISTRY): the registry stand-in, which\n"
                      "  names the module directory (message catalogues in errmsg/) and the\n"
                      "  configuration directory. KtSNMP_PP_BootCounter in the working directory:\n"
                      "  the SNMPv3 engine boot counter.\n"
                      "\n"
                      "Examples:\n"
                      "  qg2312 /I10.90.90.90 /Rpublic /Wprivate\n"
                      "  qg2312 /I127.0.0.1 /v3 /t1161 /m3 /nmd5user /l2 /a2 /Amd5password\n";

void ShowFatalError(const char *message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), message);
    KtMessageBox::Error(nullptr, QString::fromUtf8(message));
}

// The desktop start: the module's files go to the state directory, and the
// dialog gives the parameters. False when the user cancelled.
bool AskForParameters(QStringList &parameters)
{
    if (const QString problem = KtStateDirectory::Enter(); !problem.isEmpty())
        throw std::runtime_error(problem.toStdString());
    TConnectForm dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    parameters = dialog.Parameters();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (KtInfoOptions::Answer(argc, argv, kUsage))
        return 0;
    QApplication app(argc, argv);
    app.setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    app.setApplicationVersion(QStringLiteral(QG_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.keltra.qg2312"));
    QStringList parameters = app.arguments().mid(1);
    try {
        if (parameters.value(0) == QLatin1String("--connect")) {
            if (parameters.size() > 1) {
                std::fprintf(stderr, "qg2312: --connect takes no further parameters\n");
                return 2;
            }
            if (!AskForParameters(parameters))
                return 0;
        }
        TMainForm mainForm(parameters);
        TForm1 form1;
        if (mainForm.TerminationRequested())
            return 0;
        mainForm.show();
        return app.exec();
    } catch (const std::exception &error) {
        ShowFatalError(error.what());
        return 1;
    }
}
