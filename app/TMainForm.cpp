#include "TMainForm.h"

#include "KtCatalogue.h"
#include "KtRegistry.h"
#include "KtSNMPEngine.h"
#include "KtStartup.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

TMainForm::TMainForm(const QStringList &parameters, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    resize(782, 151);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    setCentralWidget(ScrollBox1);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    BuildMenus();

    DetectScreenScale();
    resize(800, height());

    KtSNMPInitialize(QString());
    KtSNMPDefaults.Security.Version = 0;

    ReadRegistry();
    LoadAllCatalogues(ModuleDirectory);
    ApplyCommandLine(parameters);
}

void TMainForm::DetectScreenScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool standardDpi = screen && qRound(screen->logicalDotsPerInch()) == 96;
    LargeFonts = !standardDpi;
    ScaleFactor = standardDpi ? 1.0f : 1.25f;
}

void TMainForm::BuildMenus()
{
    VACM1 = menuBar()->addMenu(QStringLiteral("SNMP V3"));
    VACM1->setObjectName(QStringLiteral("VACM1"));
}

void TMainForm::ReadRegistry()
{
    KtRegistry registry;
    const KtStartupPaths paths = KtStartup::ReadRegistryPaths(registry);
    ModuleDirectory = paths.ModuleDirectory;
    ConfigurationDirectory = paths.ConfigurationDirectory;
}

void TMainForm::ApplyCommandLine(const QStringList &parameters)
{
    if (parameters.isEmpty()) {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(),
                                 QStringLiteral("No parameter input"));
        terminationRequested_ = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    } else {
        KtStartup::ApplyParameters(parameters, ConfigurationDirectory, KtSNMPDefaults, LaunchTexts,
                                   LaunchFlags);
    }
    VACM1->menuAction()->setEnabled(KtSNMPDefaults.Security.Version == 3);
    setWindowTitle(LaunchTexts.IpAddress);
}

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    hide();
}
