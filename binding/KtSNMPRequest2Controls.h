#pragma once

// Control binding: objects that tie one request to a window's controls.
//
// Control kinds and the Qt widgets that play them:
//   label, static text   QLabel
//   edit box             QLineEdit
//   memo                 QPlainTextEdit (status target only)
//   combo box            QComboBox
//   radio group          QGroupBox whose radio buttons sit in a QButtonGroup
//                        child of the box (KtOptionList::FillItems builds them)
//   check box            QCheckBox
//   list view            QTreeWidget in report style
//   status bar           QStatusBar (its temporary, whole-bar message)
//   status-bar panel     a QLabel inside a QStatusBar
//   LED shape            KtLedShape
// Window code keeps its own signal connections: a binding never disconnects
// them, so the window's handlers run as they did before the binding.

#include "KtSNMPRequest.h"

#include <QPointer>
#include <QString>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QWidget;

class KtSNMPRequest2Controls
{
public:
    enum Operation
    {
        OperationGet = 0,
        OperationSet = 1
    };
    using Notification = std::function<void(KtSNMPRequest2Controls *binding, const KtSNMPError &record)>;

    explicit KtSNMPRequest2Controls(QWidget *owner);
    virtual ~KtSNMPRequest2Controls();

    KtSNMPRequest2Controls(const KtSNMPRequest2Controls &) = delete;
    KtSNMPRequest2Controls &operator=(const KtSNMPRequest2Controls &) = delete;

    // Operations the subclasses give meaning to, in their fixed slot order.
    virtual void OnGetBegin() {}
    virtual void OnSetBegin() {}
    virtual void OnRow() = 0;
    virtual void OnCollect() {}
    virtual void OnGetError(const KtSNMPError &record);
    virtual void OnSetError(const KtSNMPError &record);
    virtual void OnGetEnd() {}
    virtual void OnSetEnd() {}

    void SetStatusBar(QStatusBar *bar);
    void SetStatusPanel(QLabel *panel);
    void SetStatusMemo(QPlainTextEdit *memo);
    bool HasStatusTarget() const;

    // One status line around the message, from the template of LastOperation.
    void ShowStatus(const QString &message);
    // The same for the given operation, which becomes LastOperation: a
    // write refused before it was sent reads as a failed write.
    void ShowStatus(const QString &message, Operation operation);

    // Reads the variable list (all rows of a table).
    void Get();
    // Writes the variable list; collect first asks the subclass for the
    // controls' contents.
    void Set(bool refreshAfterSet, bool collect, const QString &selection = {},
             const QStringList *source = nullptr);

    // The status line ShowStatus would write, for a template, a caption and
    // a time (exposed for tests).
    static QString FormatStatusLine(const QString &templ, const QString &caption, const QString &message,
                                    const QTime &time);


    KtSNMPRequest Request;
    Notification OnGetDone;
    Notification OnSetDone;
    bool Asynchronous = true;
    bool Busy = false;
    QWidget *Owner;
    qint32 RowCount = 0;
    Operation LastOperation = OperationGet;
    bool RefreshAfterSet = true;

protected:
    // A get that ends because OnRow raised: no OnGetEnd follows.
    virtual void OnGetAborted() {}

    // Shows a message where errors of this binding go: the status target,
    // or a message box without one.
    void Report(const QString &message);
    bool Destroying() const { return destroying_; }

private:
    static void GetCompletion(void *self, const KtSNMPError &record, KtSNMPVarList &vars);
    static void SetCompletion(void *self, const KtSNMPError &record, KtSNMPVarList &vars);
    void HandleGetResponse(const KtSNMPError &record);
    void HandleSetResponse(const KtSNMPError &record);
    bool RowPassesFilter();
    void AcceptRow();
    void FinishGet();
    void GetBlocking();
    void WriteLine(const QString &line);

    QPointer<QPlainTextEdit> memo_;
    QPointer<QStatusBar> bar_;
    QPointer<QLabel> panel_;
    bool destroying_ = false;
};
