#include "TAggregatorPortTableForm.h"
#include "KtStandardOptions.h"

#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "TRowCountLabel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 680;
constexpr int kDesignedHeight = 480;

constexpr const char *kStatePages[] = {"Actor Admin State", "Actor Oper State", "Partner Admin State",
                                       "Partner Oper State"};
constexpr const char *kStateBits[] = {"lacpActivity", "lacpTimeout",  "aggregation", "synchronisation",
                                      "collecting",   "distributing", "defaulted",   "expired"};

} // namespace

const KtSNMPVarDef TAggregatorPortTableForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.1", "Port Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.2", "Actor System Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.3", "Actor System ID", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.4", "Actor Admin Key", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.5", "Actor Oper Key", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.6", "Partner Admin System Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.7", "Partner Oper System Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.8", "Partner Admin System ID", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.9", "Partner Oper System ID", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.10", "Partner Admin Key", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.11", "Partner Oper Key", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.12", "Selected Agg ID", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.13", "Attached Agg ID", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.14", "Actor Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.15", "Actor Port Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.16", "Partner Admin Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.17", "Partner Oper Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.18", "Partner Admin Port Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.19", "Partner Oper Port Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.20", "Actor Admin State", SyntaxBits, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.21", "Actor Oper State", SyntaxBits, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.22", "Partner Admin State", SyntaxBits, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.23", "Partner Oper State", SyntaxBits, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.2.1.1.24", "Aggregate Or Individual", SyntaxInteger, AccessRead, &TruthValue},
    {},
};

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget *owner)
    : TBindingForm(owner, QStringLiteral("AggregatorPortTableForm"), QStringLiteral("Aggregator Port Table"))
{
    StaticText1 = new TRowCountLabel(QStringLiteral("StaticText1"), this);
    GetBtn = new QPushButton(QStringLiteral("Refresh"), this);
    GetBtn->setObjectName(QStringLiteral("GetBtn"));
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Samples"), this));
    top->addWidget(StaticText1);
    top->addStretch();
    top->addWidget(GetBtn);

    AddStatusMemo(60);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (int page = 0; page < 4; ++page) {
        auto *sheet = new QWidget(PageControl1);
        auto *grid = new QGridLayout(sheet);
        for (int bit = 0; bit < 8; ++bit) {
            const int number = page * 8 + bit;
            auto *box = new QCheckBox(QString::fromUtf8(kStateBits[bit]), sheet);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(number + 1));
            grid->addWidget(box, bit / 4, bit % 4);
            checkBoxes_[number] = box;
        }
        PageControl1->addTab(sheet, QString::fromUtf8(kStatePages[page]));
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Memo1);
    layout->addWidget(ListView1, 1);
    layout->addWidget(PageControl1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(GetBtn, &QPushButton::clicked, this, [this] { Refresh(); });
    StaticText1->Counts(ListView1)->Follow(this);

    GuardedWithMessageBox([this] {
        Binding = std::make_unique<KtSNMPRequest2Edits>(this);
        Binding->Request.Vars = KtSNMPVarList(Variables, ListTable, 1);
        Binding->AttachListView(ListView1, true);
        const QString bits = QStringLiteral("0,1,2,3,4,5,6,7");
        const int items[] = {ItemActorAdminState, ItemActorOperState, ItemPartnerAdminState,
                             ItemPartnerOperState};
        for (int page = 0; page < 4; ++page)
            Binding->BindCheckBoxes(items[page], bits, StateCheckBoxes().mid(page * 8, 8));
        Binding->SetStatusMemo(Memo1);
        // The boxes stay usable after a walk, before any row is selected.
        Binding->OnGetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &) {
            for (QCheckBox *box : checkBoxes_)
                box->setEnabled(true);
        };
        Binding->Get();
    });
}

QList<QCheckBox *> TAggregatorPortTableForm::StateCheckBoxes() const
{
    return QList<QCheckBox *>(std::begin(checkBoxes_), std::end(checkBoxes_));
}

void TAggregatorPortTableForm::Refresh()
{
    if (Binding)
        Guarded(Binding.get(), [this] { Binding->Get(); });
    for (QCheckBox *box : checkBoxes_)
        box->setChecked(false);
}

KtDescriptorTables TAggregatorPortTableForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTable, 1}};
    return tables;
}
