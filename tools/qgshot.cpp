// Developer tool: opens the main window against an agent, lets the first
// panel build and a few LED readings happen, and saves a picture of it.
//   qgshot OUT.png PORT [SECONDS]
// The agent is 127.0.0.1:PORT, read with SNMPv2c and community "public".
#include "TForm1.h"
#include "TMainForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: qgshot OUT.png PORT [SECONDS]\n");
        return 2;
    }
    const QString out = QFileInfo(args[1]).absoluteFilePath();
    const int seconds = args.size() > 3 ? args[3].toInt() : 4;

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile registry(dir.filePath("registry.ini"));
    registry.open(QIODevice::WriteOnly);
    registry.write(
        QStringLiteral("[SOFTWARE\\Keltra\\Ovix5.1\\MibFile]\nPath=%1/\n").arg(dir.path()).toUtf8());
    registry.close();
    QFile config(dir.filePath("127.0.0.1.cfg"));
    config.open(QIODevice::WriteOnly);
    config.write(
        QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\nSecurityLevel=0\n"
                       "AuthProtocol=0\nPrivProtocol=0\n")
            .arg(args[2])
            .toUtf8());
    config.close();
    qputenv("KELTRA_REGISTRY", dir.filePath("registry.ini").toUtf8());

    TMainForm form({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    TForm1 form1;
    form.show();
    form.FirstActivation();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    const bool saved = form.grab().save(out);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(out));
    return saved ? 0 : 1;
}
