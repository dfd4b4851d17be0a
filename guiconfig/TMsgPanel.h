#pragma once

#include <QWidget>

class QPlainTextEdit;

// The strip at the bottom of a generic window whose memo receives the status
// lines of the window's binding.
class TMsgPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int PanelHeight = 50;

    explicit TMsgPanel(QWidget *parent);

    QSize sizeHint() const override;

    QPlainTextEdit *Memo;
};
