#include "TBOOTCtrlTableForm.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "TNewBootpCtrlForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kDesignedWidth = 460;
constexpr int kDesignedHeight = 340;

constexpr KtOptionDef kStatePairs[] = {{2, "invalid"}, {3, "valid"}, {}};
const KtOptionList kStateOptions(kStatePairs);

constexpr int kInvalidItem = 0;
constexpr int kValidItem = 1;

const QString NoRowSelected = QStringLiteral("No row is selected.");

} // namespace

const QString TBOOTCtrlTableForm::TooManyServers =
    QStringLiteral("One interface can support four bootp servers at most.");

const KtSNMPVarDef TBOOTCtrlTableForm::Variables[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.3.1.4.1.1", "Interface Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.1.4.1.2", "Bootp Server IP", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.1.4.1.3", "State", SyntaxInteger, AccessReadWrite, &kStateOptions},
    {},
};

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget *owner)
    : TBindingForm(owner, QStringLiteral("BOOTCtrlTableForm"), QStringLiteral("BOOT Ctrl Table"))
{
    RefreshBtn = NewButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
    DeleteBtn = NewButton(QStringLiteral("Delete"), QStringLiteral("DeleteBtn"));
    AddBtn = NewButton(QStringLiteral("Add"), QStringLiteral("AddBtn"));
    CloseBtn = NewButton(QStringLiteral("Close"), QStringLiteral("CloseBtn"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *push : {RefreshBtn, DeleteBtn, AddBtn, CloseBtn})
        buttons->addWidget(push);
    buttons->addStretch();

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->hide();
    AddStatusMemo(60);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);
    layout->addWidget(ListView1, 1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteServer(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { ShowNewEntry(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    NewEntryForm = new TNewBootpCtrlForm(this);
    TNewBootpCtrlForm::Current = NewEntryForm;

    try {
        Binding = std::make_unique<KtSNMPRequest2Edits>(this);
        Binding->Request.Vars = KtSNMPVarList(Variables, ListTable, 2);
        Binding->AttachListView(ListView1, true);
        Binding->BindEdit(ItemInterfaceName, QStringLiteral("%s"), {NewEntryForm->Edit1});
        Binding->BindEdit(ItemServer, QStringLiteral("%s"), {NewEntryForm->Edit2});
        Binding->BindComboBox(ItemState, ComboBox1);
        Binding->SetStatusMemo(Memo1);
        Binding->Get();
    } catch (const KtException &) {
        // A read that cannot start leaves the table empty; Refresh tries again.
    }
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm()
{
    if (TNewBootpCtrlForm::Current == NewEntryForm)
        TNewBootpCtrlForm::Current = nullptr;
}

void TBOOTCtrlTableForm::Refresh()
{
    try {
        if (Binding)
            Binding->Get();
    } catch (const KtException &) {
        // Failures of the read itself appear in the memo.
    }
}

void TBOOTCtrlTableForm::DeleteServer()
{
    if (!Binding)
        return;
    // Delete acts on the row shown selected: after a refresh the bound
    // editors may still hold a row that is no longer selected.
    if (ListView1->selectedItems().isEmpty()) {
        Binding->ShowStatus(NoRowSelected, KtSNMPRequest2Controls::OperationSet);
        return;
    }
    // Failures of the sent write reach the memo by themselves; a guarded
    // one was refused before anything was sent.
    GuardedSet(Binding.get(), [this] {
        ComboBox1->setCurrentIndex(kInvalidItem);
        Binding->Set(true, true, QString(), nullptr);
    });
}

void TBOOTCtrlTableForm::ShowNewEntry()
{
    NewEntryForm->exec();
}

int TBOOTCtrlTableForm::ServerCount(const QString &interfaceName) const
{
    int column = 0;
    if (Binding) {
        const std::vector<int> columns = Binding->ColumnVariables();
        const auto found = std::find(columns.begin(), columns.end(), int(ItemInterfaceName));
        if (found != columns.end())
            column = int(found - columns.begin());
    }
    int count = 0;
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        if (ListView1->topLevelItem(row)->text(column) == interfaceName)
            ++count;
    return count;
}

bool TBOOTCtrlTableForm::AddServer(const QString &interfaceName)
{
    if (ServerCount(interfaceName) >= MaxServersPerInterface) {
        KtMessageBox::Warn(NewEntryForm, TooManyServers);
        return false;
    }
    if (!Binding)
        return false;
    try {
        ComboBox1->setCurrentIndex(kValidItem);
        Binding->Set(true, true, QString(), nullptr);
    } catch (const KtException &error) {
        // The entry stays in the dialog so that it can be corrected.
        KtMessageBox::Inform(NewEntryForm, error.Message);
        return false;
    }
    return true;
}

KtDescriptorTables TBOOTCtrlTableForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTable, 2, 2}};
    return tables;
}
