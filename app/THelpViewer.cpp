#include "THelpViewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

THelpViewer::THelpViewer(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("QG-2312 Module Help"));
    resize(640, 560);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenExternalLinks(false);
    Browser->setHtml(HelpDocument());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

QString THelpViewer::HelpDocument()
{
    InitHelpResources();
    QFile file(QStringLiteral(":/help/qg2312-help.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<p>The help document is missing from this build.</p>");
    return QString::fromUtf8(file.readAll());
}
