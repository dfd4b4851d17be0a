// Developer tool: saves a picture of the whole X screen, for pictures of
// programs started the ordinary way (./run) under Xvfb.
//   qgscreen OUT.png
#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qgscreen OUT.png\n");
        return 2;
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    const bool saved = screen && screen->grabWindow(0).save(args[1]);
    std::printf("%s %s\n", saved ? "saved" : "could not save",
                qPrintable(QFileInfo(args[1]).absoluteFilePath()));
    return saved ? 0 : 1;
}
