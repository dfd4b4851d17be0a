#include "TGARPForm.h"

#include "KtFieldControls.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr KtSNMPVarDef Dot1dPortGarpTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "GARPJoinTime", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARPLeaveTime", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "GARPLeaveAllTime", SyntaxInteger, AccessReadWrite},
    {},
};

enum Item
{
    ItemJoinTime = 1,
    ItemLeaveTime,
    ItemLeaveAllTime,
};

using Kind = KtFieldControls::FieldKind;
constexpr const char *TimerFormat = "%i{n0x2147483647l10}";

constexpr KtFieldControls::Field TimerFields[] = {
    {ItemJoinTime, Kind::Edit, "GARP Join Time           (0....2147483647)", "GarpJoinTime", TimerFormat},
    {ItemLeaveTime, Kind::Edit, "GARP Leave Time       (0....2147483647)", "GarpLeaveTime", TimerFormat},
    {ItemLeaveAllTime, Kind::Edit, "GARP Leave All Time   (0....2147483647)", "GarpLeaveAllTime",
     TimerFormat},
};

} // namespace

TGARPForm::TGARPForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("GARPForm"), QStringLiteral("GARP Form"))
{
    LV_dot1dPortGarpEntry = AddListView(QStringLiteral("LV_dot1dPortGarpEntry"));

    TimerPanel = new QWidget(this);
    TimerPanel->setObjectName(QStringLiteral("TimerPanel"));
    const KtFieldControls timers(TimerPanel, TimerFields);
    GarpJoinTime = timers.Edit(ItemJoinTime);
    GarpLeaveTime = timers.Edit(ItemLeaveTime);
    GarpLeaveAllTime = timers.Edit(ItemLeaveAllTime);
    QGridLayout *grid = timers.NewGridLayout();
    for (int row = 0; row < grid->rowCount(); ++row)
        grid->addWidget(new QLabel(QStringLiteral("Centiseconds"), TimerPanel), row, 2);
    TimerPanel->setLayout(grid);
    Content->addWidget(TimerPanel);
    TimerPanel->setVisible(false);
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    SetBtn->setVisible(false);
    FinishLayout(520, 420);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    TableBinding = AddBinding(KtSNMPVarList(Dot1dPortGarpTable, ListTable, 1));
    // The end of any request of this binding, good or bad, frees the others.
    TableBinding->OnGetDone = [](KtSNMPRequest2Controls *, const KtSNMPError &) { ResetReadyFlags(); };
    TableBinding->OnSetDone = [](KtSNMPRequest2Controls *binding, const KtSNMPError &record) {
        // A good write is followed by a read whose end frees them.
        if (record.Code != 0 || !binding->RefreshAfterSet)
            ResetReadyFlags();
    };
    FreesReadyFlagsOnClose = true;
    RefreshIdle = false;
    if (!Guarded(TableBinding, [this, &timers] {
            TableBinding->AttachListView(LV_dot1dPortGarpEntry, true);
            timers.Bind(TableBinding);
            TableBinding->Get();
            WriteRowCount();
        }))
        RefreshIdle = true;
}

void TGARPForm::RefreshBtnClick()
{
    if (Closed() || !RefreshIdle || !SetIdle)
        return;
    RefreshIdle = false;
    if (!Guarded(TableBinding, [this] {
            TableBinding->Get();
            WriteRowCount();
        }))
        RefreshIdle = true;
}

void TGARPForm::SetBtnClick()
{
    if (Closed() || !RefreshIdle || !SetIdle)
        return;
    RefreshIdle = false;
    SetIdle = false;
    const QString caption = SelectedCaption(LV_dot1dPortGarpEntry);
    if (!GuardedSet(TableBinding, [this, &caption] {
            TableBinding->Set(true, true, QString(), nullptr);
            SelectRowByCaption(LV_dot1dPortGarpEntry, caption, [this] {
                GarpJoinTime->clear();
                GarpLeaveTime->clear();
                GarpLeaveAllTime->clear();
            });
            WriteRowCount();
        }))
        ResetReadyFlags();
}

KtDescriptorTables TGARPForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1dPortGarpTable, ListTable, 1}};
    return tables;
}
