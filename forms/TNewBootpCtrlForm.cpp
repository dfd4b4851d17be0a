#include "TNewBootpCtrlForm.h"

#include "TBOOTCtrlTableForm.h"
#include "TBindingForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 300;
constexpr int kDesignedHeight = 130;

} // namespace

QPointer<TNewBootpCtrlForm> TNewBootpCtrlForm::Current;

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm *table) : QDialog(table), table_(table)
{
    setObjectName(QStringLiteral("NewBootpCtrlForm"));
    setWindowTitle(QStringLiteral("New Bootp Ctrl Entry"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Interface Name"), this), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Bootp Server IP"), this), 1, 0);
    grid->addWidget(Edit2, 1, 1);

    SetBtn = new QPushButton(QStringLiteral("Set"), this);
    SetBtn->setObjectName(QStringLiteral("SetBtn"));
    SetBtn->setAutoDefault(false);
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SetBtn);
    buttons->addWidget(CloseBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    resize(TBindingForm::Scaled(kDesignedWidth), TBindingForm::Scaled(kDesignedHeight));

    connect(SetBtn, &QPushButton::clicked, this, [this] { SetEntry(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TNewBootpCtrlForm::~TNewBootpCtrlForm() = default;

// The table's walks disable the index boxes until a row is selected; the
// dialog makes them usable whenever it opens, and opens empty the first time.
void TNewBootpCtrlForm::showEvent(QShowEvent *event)
{
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    if (!activated_) {
        activated_ = true;
        Edit1->clear();
        Edit2->clear();
    }
    QDialog::showEvent(event);
}

void TNewBootpCtrlForm::SetEntry()
{
    if (!table_ || !table_->AddServer(Edit1->text()))
        return;
    Edit1->clear();
    Edit2->clear();
    accept();
}
