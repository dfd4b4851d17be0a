#pragma once

#include <QDialog>

class QTextBrowser;

// The module's own help, shown in a window of its own.
class THelpViewer : public QDialog
{
    Q_OBJECT
public:
    explicit THelpViewer(QWidget *owner);

    // The help document, compiled into the program.
    static QString HelpDocument();

    QTextBrowser *Browser = nullptr;
};
