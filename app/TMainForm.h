#pragma once

#include "KtLaunchSettings.h"

#include <QMainWindow>
#include <QStringList>

class QMenu;
class QScrollArea;

// The module's one top-level window. Constructing it is the whole start-up:
// display scale, SNMP engine, registry paths, message catalogues, then the
// command line and the per-device configuration file into KtSNMPDefaults.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // parameters: the command-line parameters without the program name.
    explicit TMainForm(const QStringList &parameters, QWidget *parent = nullptr);

    // Set when start-up decided the program must end (no parameters).
    bool TerminationRequested() const { return terminationRequested_; }

    QString WindowCaption;
    float ScaleFactor = 1.0f;
    bool LargeFonts = false;
    KtLaunchTexts LaunchTexts;
    QString ModuleDirectory;
    QString ConfigurationDirectory;

    QMenu *VACM1 = nullptr; // the "SNMP V3" menu

private:
    void DetectScreenScale();
    void BuildMenus();
    void ReadRegistry();
    void ApplyCommandLine(const QStringList &parameters);

    QScrollArea *ScrollBox1 = nullptr;
    bool terminationRequested_ = false;
};

// The hidden auxiliary form.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};
