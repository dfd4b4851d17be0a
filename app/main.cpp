#include "KtMessageBox.h"
#include "TForm1.h"
#include "TMainForm.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <exception>

namespace {

void ShowFatalError(const char *message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), message);
    KtMessageBox::Error(nullptr, QString::fromUtf8(message));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    try {
        TMainForm mainForm(app.arguments().mid(1));
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
