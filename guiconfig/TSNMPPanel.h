#pragma once

#include <QPointer>
#include <QWidget>

class KtSNMPRequest2Edits;
class QSplitter;
class TCtrlBtnPanel;
class TMsgPanel;

// The frame of a generic window around one binding: the content on the left,
// a splitter, the button bar on the right, and the message memo at the bottom
// (or, for the row dialogs, the memo of another panel).
class TSNMPPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxClientWidth = 800;
    static constexpr int MaxClientHeight = 550;
    static constexpr int SplitterWidth = 3;

    // sharedMsgPanel: the message panel whose memo takes the status lines,
    // or null for a message panel of its own.
    TSNMPPanel(QWidget *parent, TMsgPanel *sharedMsgPanel, KtSNMPRequest2Edits *binding);

    // Shows the panel in the client area in place of the previous content
    // and sizes this panel to hold it with the bar and the memo.
    void SetContent(QWidget *panel);
    // Makes the window the host: centred over the main window, its client
    // area grown to this panel (at most 800 x 550), the panel filling it.
    void FitForm(QWidget *window);
    // Closes the host window; without one, says so in a message box.
    void CloseHostForm();
    // The memo the binding writes its status lines to.
    TMsgPanel *MessagePanel() const;

    QSize sizeHint() const override;

    KtSNMPRequest2Edits *EditCtrl;
    TCtrlBtnPanel *BtnPanel;
    QWidget *ClientPanel;
    TMsgPanel *MsgPanel = nullptr;
    QPointer<QWidget> HostForm;
    QPointer<QWidget> Content;
    QSplitter *RightSplitter;
    QSplitter *BottomSplitter;

protected:
    void showEvent(QShowEvent *event) override;
    // Gives the content and the memo their designed shares of the splitters.
    void ApplySplitterSizes();
    // Runs a get; an exception's message becomes a status line.
    void GetWithStatus();

private:
    QPointer<TMsgPanel> sharedMsgPanel_;
    QSize designSize_{0, 0};
};
