#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class KtSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;

// The generic configuration window: any descriptor table shown either as an
// editor of scalars or as a list of table rows, with the button bar on the
// right and the message memo at the bottom. The menu code creates it, hands
// it a binding loaded with the table, types it once and runs it modally:
//
//   TConfigForm form;
//   auto binding = std::make_unique<KtSNMPRequest2Edits>(&form);
//   binding->Request.Vars = KtSNMPVarList(table, ListTable, 1);
//   form.SetListViewType(std::move(binding), 6, "createAndGo", 6, "destroy");
//   form.setWindowTitle("...");
//   form.exec();
//
// The first read starts once the modal loop runs; closing the window stops
// and frees the bindings.
class TConfigForm : public QDialog
{
    Q_OBJECT
public:
    enum Type
    {
        TypeNone = 0,
        TypeEditor = 1,
        TypeList = 2,
    };

    // The event the window posts itself to start its first read.
    static constexpr int RefreshEvent = 34002;

    explicit TConfigForm(QWidget *parent = nullptr);
    ~TConfigForm() override;

    // Make the window an editor or a list; the window takes the binding.
    // Raise "Can not change Type of a Config Form!" on a typed window.
    TSNMPEditorPanel *SetEditorType(std::unique_ptr<KtSNMPRequest2Edits> binding);
    // addValue / deleteValue empty: no Add / no Delete button.
    TSNMPListViewPanel *SetListViewType(std::unique_ptr<KtSNMPRequest2Edits> binding, int addIndex,
                                        const QString &addValue, int deleteIndex, const QString &deleteValue);

    TSNMPEditorPanel *AddEditorPanel(QWidget *parent, std::unique_ptr<KtSNMPRequest2Edits> binding);
    TSNMPListViewPanel *AddListViewPanel(QWidget *parent, std::unique_ptr<KtSNMPRequest2Edits> binding,
                                         int addIndex, const QString &addValue, int deleteIndex,
                                         const QString &deleteValue);

    // Reads the first binding (errors become status lines).
    void RefreshForm();
    // Stops every binding, waits until it is idle and frees it. The panels
    // go with them. Runs once, when the window closes (or is destroyed).
    void FormClose();

    int FormType = TypeNone;
    std::vector<std::unique_ptr<KtSNMPRequest2Edits>> RequestList;
    KtSNMPRequest2Edits *CurrentBinding = nullptr;
    // The panel SetEditorType or SetListViewType made.
    QPointer<TSNMPPanel> Panel;

    void done(int result) override;

protected:
    void customEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void RequireUntyped() const;
    void GrowTo(const QSize &size);

    bool refreshPending_ = false;
    bool closed_ = false;
    // Bindings that were still busy when the window closed: a click handled
    // while a read lets the window repaint closes the window from inside that
    // read's completion, which cannot finish before the click handler
    // returns. They are freed with the window, once the modal loop is over.
    std::vector<std::unique_ptr<KtSNMPRequest2Edits>> retired_;
    std::vector<QPointer<QWidget>> panels_;
};
