#include "THelpViewer.h"

#include "KtRegularFile.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

THelpViewer::THelpViewer(QWidget *owner, const QString &moduleDirectory) : QDialog(owner)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("QG-2312 Module Help"));
    resize(640, 560);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenExternalLinks(false);
    Browser->setHtml(HelpDocument(moduleDirectory));
    // A button of its own: a desktop without title bars offers no other
    // way to close the window.
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("HelpButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(Browser);
    layout->addWidget(buttons);
}

QString THelpViewer::HelpDocument(const QString &moduleDirectory)
{
    if (!moduleDirectory.isEmpty()) {
        const KtFileContent installed =
            KtReadRegularFile(moduleDirectory + QLatin1String(HelpPage), MaxHelpBytes);
        if (installed.State == KtFileState::Read)
            return QString::fromUtf8(installed.Bytes);
    }
    InitHelpResources();
    QFile file(QStringLiteral(":/help/qg2312-help.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<p>The help document is missing from this build.</p>");
    return QString::fromUtf8(file.readAll());
}
