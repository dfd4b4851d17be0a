#pragma once

#include <QDialog>
#include <deque>
#include <functional>
#include <memory>

class KtDeviceState;

class KtSNMPRequest2Controls;
class KtSNMPRequest2Edits;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

// What every dedicated window that owns bindings shares: the status bar with
// its first panel, the bindings themselves and a close that lets no answer
// reach a window that is going away, requests run so that a failure becomes
// a status line instead of an escaping exception, and the window's size and
// place over the main window.
class TBindingForm : public QDialog
{
public:
    ~TBindingForm() override;

    void done(int result) override;

    // Created by AddStatusBar; null in a window without one.
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    // Created by AddStatusMemo; null in a window without one.
    QPlainTextEdit *Memo1 = nullptr;

    // A designed length on this screen: a quarter larger on a scaled one.
    static int Scaled(int length);

protected:
    // A null name or caption is left for the subclass to set.
    // `state`, what the module knows of the switch, may be null (no device
    // known, as for a window opened on its own).
    explicit TBindingForm(QWidget *owner, const QString &objectName = QString(),
                          const QString &caption = QString(), KtDeviceState *state = nullptr);

    KtDeviceState *const DeviceState;

    // A binding slot of this window. Closing the window switches the
    // binding's request off, lets a running exchange end and frees it; the
    // slot stays and is empty from then on.
    std::unique_ptr<KtSNMPRequest2Edits> &OwnedBinding();

    // Builds StatusBar1 without a size grip and, unless `panelName` is null,
    // its panel StatusPanel0 under that object name. The caller lays it out.
    QStatusBar *AddStatusBar(const char *panelName = "StatusPanel0");

    // Builds Memo1, the read-only box the bindings write their status lines
    // into, at most `maximumHeight` high unless that is 0. The caller lays
    // it out.
    QPlainTextEdit *AddStatusMemo(int maximumHeight);

    // Runs `action`; a KtException it raises becomes a status line of
    // `binding` (if there is one still). False after a failure.
    static bool Guarded(KtSNMPRequest2Controls *binding, const std::function<void()> &action);
    // The same for an action that writes: what fails before the write is
    // sent (an input that is no value, no row chosen) is a failed write
    // too and reads as one ("Set: ..."); a failed read after the write
    // still reads as a read.
    static bool GuardedSet(KtSNMPRequest2Controls *binding, const std::function<void()> &action);
    // The same with the message written as it is into StatusPanel0.
    bool Guarded(const std::function<void()> &action);
    // The same with the message shown in a message box: for the first read
    // of a window whose status target is not on screen yet.
    bool GuardedWithMessageBox(const std::function<void()> &action);

    // A push button that Enter does not click: the edit boxes take Enter.
    QPushButton *NewButton(const QString &caption, const QString &objectName);
    // Shows an input-check message and moves the focus.
    void Refuse(const QString &message, QWidget *focus = nullptr);

    enum class Placement
    {
        Centred,  // over the main window
        Unplaced, // where the window system puts it
    };
    // Sizes the window to its designed size, a quarter larger on a scaled
    // screen, and places it.
    void FinishLayout(int width, int height, Placement placement = Placement::Centred);

    bool Closed() const { return closed_; }
    // Closes the window's requests once: marks the window closed, switches
    // every owned binding's request off, lets each running exchange end, runs
    // Closing and frees the bindings (unless KeepsBindingsOnClose). Runs on
    // done() and at the latest in the destructor; a window whose Closing must
    // run on destruction too calls it from its own destructor, where Closing
    // still reaches the override.
    void CloseBindings();
    virtual void Closing() {}
    // Set by a window whose bindings stay, switched off, until the window
    // is destroyed.
    bool KeepsBindingsOnClose = false;

private:
    void FreeBindings();

    std::deque<std::unique_ptr<KtSNMPRequest2Edits>> bindings_;
    bool closed_ = false;
};
