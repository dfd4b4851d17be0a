#include "TBridgeInfoForm.h"
#include "KtBusyWait.h"

#include "KtException.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarList.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

bool TBridgeInfoForm::RefreshIdle = true;
bool TBridgeInfoForm::SetIdle = true;

void TBridgeInfoForm::ResetReadyFlags()
{
    RefreshIdle = true;
    SetIdle = true;
}

TBridgeInfoForm::TBridgeInfoForm(QWidget *owner, const QString &objectName, const QString &caption)
    : QDialog(owner)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumHeight(70);

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
    Shutdown();
    // The child widgets go after this object has stopped being a window:
    // none of their signals may reach its handlers then.
    for (QTreeWidget *list : findChildren<QTreeWidget *>()) {
        disconnect(list->model(), nullptr, this, nullptr);
        disconnect(list, nullptr, this, nullptr);
    }
}

void TBridgeInfoForm::FinishLayout(int width, int height)
{
    const double scale = TMainWindowAnchor::ScaleFactor() != 1.0 ? 1.25 : 1.0;
    resize(int(width * scale), int(height * scale));
    TMainWindowAnchor::CentreOverMainWindow(this);
}

KtSNMPRequest2Edits *TBridgeInfoForm::AddBinding(const KtSNMPVarList &vars)
{
    Bindings.push_back(std::make_unique<KtSNMPRequest2Edits>(this));
    KtSNMPRequest2Edits *binding = Bindings.back().get();
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

    ST_Count = new QLabel(this);
    ST_Count->setObjectName(QStringLiteral("ST_Count"));
    ST_Count->setFrameShape(QFrame::Panel);
    ST_Count->setFrameShadow(QFrame::Sunken);
    ST_Count->setMinimumWidth(60);
    Buttons->insertWidget(0, new QLabel(QStringLiteral("Samples"), this));
    Buttons->insertWidget(1, ST_Count);

    QAbstractItemModel *rows = ListView->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, [this] { WriteRowCount(); });
    connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { WriteRowCount(); });
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { WriteRowCount(); });
    WriteRowCount();
    return ListView;
}

QPushButton *TBridgeInfoForm::AddButton(const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    Buttons->addWidget(button);
    return button;
}

TStackingPortUitForm *TBridgeInfoForm::AddGridPage(QTabWidget *pages, const QString &title)
{
    auto *host = new QWidget;
    pages->addTab(host, title);
    return TStackingPortUitForm::Build(this, host, Memo1);
}

void TBridgeInfoForm::WriteRowCount()
{
    if (ST_Count && ListView)
        ST_Count->setText(QString::number(ListView->topLevelItemCount()));
}

bool TBridgeInfoForm::Guarded(KtSNMPRequest2Edits *binding, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const KtException &error) {
        binding->ShowStatus(error.Message);
        return false;
    }
}

void TBridgeInfoForm::GetAll()
{
    if (closed_)
        return;
    for (const auto &binding : Bindings)
        Guarded(binding.get(), [&binding] { binding->Get(); });
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

void TBridgeInfoForm::Shutdown()
{
    if (closed_)
        return;
    closed_ = true;
    // No answer may reach the closing window: switch the requests off and
    // give a running exchange the time to end.
    for (const auto &binding : Bindings) {
        binding->Request.Enabled = false;
        KtBusyWait::WhileBusy(binding);
    }
    Bindings.clear();
    if (FreesReadyFlagsOnClose)
        ResetReadyFlags();
}

void TBridgeInfoForm::done(int result)
{
    Shutdown();
    QDialog::done(result);
}
