#include "TRouteRedistributForm.h"
#include "KtStandardOptions.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kDesignedWidth = 620;
constexpr int kDesignedHeight = 480;

constexpr KtOptionDef kSourcePairs[] = {{2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {}};
constexpr KtOptionDef kDestinationPairs[] = {{2, "rip"}, {3, "ospf"}, {}};
constexpr KtOptionDef kTypePairs[] = {
    {2, "all"},      {3, "type-1"},   {4, "type-2"},   {5, "internal"},  {6, "external"},
    {7, "inter+E1"}, {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"}, {}};
const KtOptionList kSourceOptions(kSourcePairs);
const KtOptionList kDestinationOptions(kDestinationPairs);
const KtOptionList kTypeOptions(kTypePairs);

constexpr const char *kTypeCaptions[] = {"other",    "all",      "type-1",   "type-2",   "internal",
                                         "external", "inter+E1", "inter+E2", "extType1", "extType2"};

// Radio buttons by number (1 = "other").
constexpr int kAll = 2;
constexpr int kType1 = 3;
constexpr int kType2 = 4;

constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;

constexpr int kRipMaxMetric = 16;
constexpr int kOspfMaxMetric = 16777214;
const QString kRipRange = QStringLiteral("[0..16]");
const QString kOspfRange = QStringLiteral("[0..16777214]");

} // namespace

const KtSNMPVarDef TRouteRedistributForm::Variables[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.5.1.1", "Source Protocol", SyntaxInteger, AccessIndex, &kSourceOptions},
    {"1.3.6.1.4.1.47893.11.55.2.3.5.1.2", "Dstination Protocol", SyntaxInteger, AccessIndex,
     &kDestinationOptions},
    {"1.3.6.1.4.1.47893.11.55.2.3.5.1.3", "Type", SyntaxInteger, AccessReadWrite, &kTypeOptions},
    {"1.3.6.1.4.1.47893.11.55.2.3.5.1.4", "Metric", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.5.1.5", "RowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

TRouteRedistributForm::TRouteRedistributForm(QWidget *owner)
    : TBindingForm(owner, QStringLiteral("RouteRedistributForm"),
                   QStringLiteral("Route Redistribution Table"))
{
    RefreshBtn = NewButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
    EditBtn = NewButton(QStringLiteral("Set"), QStringLiteral("EditBtn"));
    AddBtn = NewButton(QStringLiteral("Add"), QStringLiteral("AddBtn"));
    DeleteBtn = NewButton(QStringLiteral("Delete"), QStringLiteral("DeleteBtn"));
    // Nothing to delete until a row is selected.
    DeleteBtn->setEnabled(false);
    CloseBtn = NewButton(QStringLiteral("Close"), QStringLiteral("CloseBtn"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *push : {RefreshBtn, EditBtn, AddBtn, DeleteBtn, CloseBtn})
        buttons->addWidget(push);
    buttons->addStretch();

    AddStatusMemo(60);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));

    auto *settings = new QGroupBox(this);
    auto *grid = new QGridLayout(settings);
    auto combo = [settings](const QString &name) {
        auto *box = new QComboBox(settings);
        box->setObjectName(name);
        return box;
    };
    ComboBox1 = combo(QStringLiteral("ComboBox1"));
    ComboBox2 = combo(QStringLiteral("ComboBox2"));
    ComboBox3 = combo(QStringLiteral("ComboBox3"));
    ComboBox3->hide();
    StComboBox = combo(QStringLiteral("StComboBox"));
    StComboBox->hide();
    Edit1 = new QLineEdit(settings);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label5 = new QLabel(kOspfRange, settings);
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(new QLabel(QStringLiteral("Source Protocol"), settings), 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Destination Protocol"), settings), 1, 0);
    grid->addWidget(ComboBox2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Metric"), settings), 2, 0);
    grid->addWidget(Edit1, 2, 1);
    grid->addWidget(Label5, 2, 2);

    auto *types = new QGroupBox(QStringLiteral("Type"), this);
    auto *typeGrid = new QGridLayout(types);
    TypeGroup = new QButtonGroup(this);
    for (int n = 1; n <= TypeButtons; ++n) {
        auto *radio = new QRadioButton(QString::fromUtf8(kTypeCaptions[n - 1]), types);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(n));
        TypeGroup->addButton(radio, n);
        typeGrid->addWidget(radio, (n - 1) / 5, (n - 1) % 5);
        RadioButton[n - 1] = radio;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);
    layout->addWidget(ListView1, 1);
    layout->addWidget(settings);
    layout->addWidget(types);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    // A button's request that cannot start changes nothing. Failures of a
    // sent request reach the memo by themselves; one refused before anything
    // was sent is put there too, a write's as a failed write.
    const auto onClick = [this](QPushButton *push, void (TRouteRedistributForm::*action)(), bool writes) {
        connect(push, &QPushButton::clicked, this, [this, action, writes] {
            const auto run = [this, action] { (this->*action)(); };
            writes ? GuardedSet(Binding.get(), run) : Guarded(Binding.get(), run);
        });
    };
    onClick(RefreshBtn, &TRouteRedistributForm::Refresh, false);
    onClick(EditBtn, &TRouteRedistributForm::SetRow, true);
    onClick(AddBtn, &TRouteRedistributForm::AddRow, true);
    onClick(DeleteBtn, &TRouteRedistributForm::DeleteRow, true);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(TypeGroup, &QButtonGroup::idClicked, this, [this](int n) { TypeClicked(n); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ApplyProtocolRules(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { ApplyProtocolRules(); });

    try {
        Binding = std::make_unique<KtSNMPRequest2Edits>(this);
        Binding->Request.Vars = KtSNMPVarList(Variables, ListTableEx, 2);
        Binding->AttachListView(ListView1, true);
        // Connected after the binding's own handler: the row is in the
        // controls before the window looks at it.
        connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListClicked(); });
        Binding->BindComboBox(ItemSource, ComboBox1);
        Binding->BindComboBox(ItemDestination, ComboBox2);
        Binding->BindComboBox(ItemType, ComboBox3);
        Binding->BindComboBox(ItemRowStatus, StComboBox);
        Binding->BindEdit(ItemMetric, QStringLiteral("%i"), {Edit1});
        Edit1->setMaxLength(8);
        Binding->SetStatusMemo(Memo1);
        Binding->Get();
    } catch (const KtException &) {
        // A read that cannot start leaves the table empty; Refresh tries again.
    }
}

void TRouteRedistributForm::EnableOnly(std::initializer_list<int> buttons)
{
    for (int n = 1; n <= TypeButtons; ++n)
        RadioButton[n - 1]->setEnabled(std::find(buttons.begin(), buttons.end(), n) != buttons.end());
}

void TRouteRedistributForm::ApplyProtocolRules()
{
    const QString destination = ComboBox2->currentText();
    const QString source = ComboBox1->currentText();
    if (destination == QLatin1String("rip")) {
        if (source == QLatin1String("ospf")) {
            Label5->setText(kRipRange);
            for (int n = 1; n <= TypeButtons; ++n)
                RadioButton[n - 1]->setEnabled(n != kType1 && n != kType2);
        } else if (source == QLatin1String("static") || source == QLatin1String("local")) {
            Label5->setText(kRipRange);
            EnableOnly({kAll});
        }
    } else if (destination == QLatin1String("ospf")) {
        Label5->setText(kOspfRange);
        EnableOnly({kType1, kType2});
    }
}

void TRouteRedistributForm::TypeClicked(int button)
{
    if (button >= 1 && button <= TypeButtons && RadioButton[button - 1]->isChecked())
        ComboBox3->setCurrentIndex(button - 2);
}

void TRouteRedistributForm::ListClicked()
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        DeleteBtn->setEnabled(false);
        return;
    }
    DeleteBtn->setEnabled(true);
    if (Binding) {
        const std::vector<int> columns = Binding->ColumnVariables();
        const auto found = std::find(columns.begin(), columns.end(), int(ItemType));
        if (found != columns.end()) {
            const QString type = selected.first()->text(int(found - columns.begin()));
            for (QRadioButton *radio : RadioButton)
                if (radio->text() == type)
                    radio->setChecked(true);
        }
    }
    ApplyProtocolRules();
}

bool TRouteRedistributForm::CheckMetric()
{
    const QString text = Edit1->text();
    if (text.isEmpty()) {
        Edit1->setFocus();
        return false;
    }
    bool ok = false;
    const int metric = text.trimmed().toInt(&ok);
    if (!ok)
        throw KtConvertError(text);
    const QString destination = ComboBox2->currentText();
    QString refusal;
    if (destination == QLatin1String("rip") && (metric < 0 || metric > kRipMaxMetric))
        refusal = QStringLiteral("Metric out of Bound ") + kRipRange;
    else if (destination == QLatin1String("ospf") && (metric < 0 || metric > kOspfMaxMetric))
        refusal = QStringLiteral("Metric out of Bound ") + kOspfRange;
    if (refusal.isEmpty())
        return true;
    KtMessageBox::Inform(this, refusal);
    Edit1->setFocus();
    return false;
}

void TRouteRedistributForm::WriteRow()
{
    if (Binding)
        Binding->Set(true, true, QString(), nullptr);
}

void TRouteRedistributForm::Refresh()
{
    if (Binding)
        Binding->Get();
}

void TRouteRedistributForm::SetRow()
{
    // Set changes the row shown selected, with the status it was read with.
    if (ListView1->selectedItems().isEmpty()) {
        if (Binding)
            Binding->ShowStatus(QStringLiteral("No row is selected."), KtSNMPRequest2Controls::OperationSet);
        return;
    }
    if (CheckMetric())
        WriteRow();
}

void TRouteRedistributForm::AddRow()
{
    if (!CheckMetric())
        return;
    StComboBox->setCurrentIndex(kCreateAndGoItem);
    WriteRow();
}

void TRouteRedistributForm::DeleteRow()
{
    // The hidden status holds "destroy" only for this write (collected when
    // it starts): a later Set must not destroy the row it is meant to change.
    StComboBox->setCurrentIndex(kDestroyItem);
    try {
        WriteRow();
    } catch (const KtException &) {
        StComboBox->setCurrentIndex(-1);
        throw;
    }
    StComboBox->setCurrentIndex(-1);
}

KtDescriptorTables TRouteRedistributForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTableEx, 2, 4}};
    return tables;
}
