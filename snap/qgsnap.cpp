// qgsnap: configuration snapshots of a Keltra switch from the command line
// (KtSnapTool).

#include "KtInfoOptions.h"
#include "KtSnapTool.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    if (KtInfoOptions::Answer(argc, argv, KtSnapTool::Usage))
        return 0;
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("qgsnap"));
    app.setApplicationVersion(QStringLiteral(QG_VERSION));
    return KtSnapTool().Run(app.arguments().mid(1));
}
