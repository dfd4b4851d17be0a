#include "TBridgeInfoForm.h"

#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

bool TBridgeInfoForm::RefreshIdle = true;
bool TBridgeInfoForm::SetIdle = true;

void TBridgeInfoForm::ResetReadyFlags()
{
    RefreshIdle = true;
    SetIdle = true;
}

TBridgeInfoForm::TBridgeInfoForm(QWidget *owner, const QString &objectName, const QString &caption,
                                 KtDeviceState *state)
    : TBindingForm(owner, objectName, caption, state)
{
    setModal(true);

    AddStatusMemo(70);

    Content = new QVBoxLayout;
    Buttons = new QHBoxLayout;
    Buttons->addStretch();
    RefreshBtn = AddButton(QStringLiteral("RefreshBtn"), QStringLiteral("Refresh"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(Content, 1);
    layout->addLayout(Buttons);
    layout->addWidget(Memo1);
}

TBridgeInfoForm::~TBridgeInfoForm()
{
    // Closed from here, the window still frees the ready flags.
    CloseBindings();
}

KtSNMPRequest2Edits *TBridgeInfoForm::AddBinding(const KtSNMPVarList &vars)
{
    std::unique_ptr<KtSNMPRequest2Edits> &slot = OwnedBinding();
    slot = std::make_unique<KtSNMPRequest2Edits>(this);
    KtSNMPRequest2Edits *binding = slot.get();
    added_.push_back(binding);
    binding->Request.Vars = vars;
    binding->SetStatusMemo(Memo1);
    return binding;
}

QTreeWidget *TBridgeInfoForm::AddListView(const QString &objectName)
{
    ListView = new QTreeWidget(this);
    ListView->setObjectName(objectName);
    ListView->setRootIsDecorated(false);
    Content->addWidget(ListView, 2);

    ST_Count =
        (new TRowCountLabel(QStringLiteral("ST_Count"), this))->Sunken(60)->Counts(ListView)->Follow(this);
    Buttons->insertWidget(0, new QLabel(QStringLiteral("Samples"), this));
    Buttons->insertWidget(1, ST_Count);
    ST_Count->Show();
    return ListView;
}

QPushButton *TBridgeInfoForm::AddButton(const QString &objectName, const QString &text)
{
    QPushButton *button = NewButton(text, objectName);
    Buttons->addWidget(button);
    return button;
}

TStackingPortUitForm *TBridgeInfoForm::AddGridPage(QTabWidget *pages, const QString &title)
{
    auto *host = new QWidget;
    pages->addTab(host, title);
    return TStackingPortUitForm::Build(this, host, Memo1, DeviceState);
}

void TBridgeInfoForm::WriteRowCount()
{
    if (ST_Count)
        ST_Count->Show();
}

void TBridgeInfoForm::GetAll()
{
    if (Closed())
        return;
    for (KtSNMPRequest2Edits *binding : added_)
        Guarded(binding, [binding] { binding->Get(); });
}

QString TBridgeInfoForm::SelectedCaption(const QTreeWidget *list)
{
    const QTreeWidgetItem *row = list->currentItem();
    if (!row || !row->isSelected())
        return {};
    return row->text(0);
}

bool TBridgeInfoForm::SelectRowByCaption(QTreeWidget *list, const QString &caption,
                                         const std::function<void()> &passedOver)
{
    if (caption.isEmpty())
        return false;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        if (row->text(0) == caption) {
            list->setCurrentItem(row);
            row->setSelected(true);
            return true;
        }
        if (passedOver)
            passedOver();
    }
    return false;
}

void TBridgeInfoForm::Closing()
{
    // A read cut short by the close cannot block every later one.
    if (FreesReadyFlagsOnClose)
        ResetReadyFlags();
}
