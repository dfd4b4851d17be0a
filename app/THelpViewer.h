#pragma once

#include <QDialog>

class QTextBrowser;

// The module's own help, shown in a window of its own.
class THelpViewer : public QDialog
{
    Q_OBJECT
public:
    explicit THelpViewer(QWidget *owner, const QString &moduleDirectory = {});

    // The help page help/qg2312-help.html of the module directory when the
    // installation has one, else the copy compiled into the program.
    static QString HelpDocument(const QString &moduleDirectory = {});

    static constexpr const char *HelpPage = "help/qg2312-help.html";
    static constexpr qint64 MaxHelpBytes = 4 * 1024 * 1024;

    QTextBrowser *Browser = nullptr;
};
