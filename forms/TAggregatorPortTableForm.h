#pragma once

#include "KtSNMPVarDef.h"

#include <QDialog>
#include <memory>

class KtSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// The LACP figures of every aggregator port, read only. The four state octets
// of the selected row show as four pages of eight check boxes, bit 0 (the
// most significant) "lacpActivity" to bit 7 "expired".
class TAggregatorPortTableForm : public QDialog
{
    Q_OBJECT
public:
    enum Item
    {
        ItemActorAdminState = 19,
        ItemActorOperState = 20,
        ItemPartnerAdminState = 21,
        ItemPartnerOperState = 22,
    };
    static const KtSNMPVarDef Variables[];
    static constexpr int StateBoxes = 32;

    explicit TAggregatorPortTableForm(QWidget *owner = nullptr);
    ~TAggregatorPortTableForm() override;

    // Starts a new walk and clears the state check boxes.
    void Refresh();
    // The 32 state check boxes, CheckBox1 first.
    QList<QCheckBox *> StateCheckBoxes() const;

    std::unique_ptr<KtSNMPRequest2Edits> Binding;
    QLabel *StaticText1 = nullptr;
    QPushButton *GetBtn = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QTabWidget *PageControl1 = nullptr;

protected:
    void done(int result) override;

private:
    void ShowRowCount();
    void ReleaseBinding();

    QCheckBox *checkBoxes_[StateBoxes] = {};
};
