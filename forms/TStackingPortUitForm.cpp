#include "TStackingPortUitForm.h"
#include "KtControlForms.h"
#include "KtDeviceState.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The host area a window gives the grid is at least as big as one full unit
// page with its tabs, however small the window designed it. The page control's
// own hint is asked, not the grid's: the grid's layout still holds the size it
// cached before the pages were added.
void GrowHostToFullPage(const QWidget *grid, const QTabWidget *pages)
{
    QWidget *host = grid->parentWidget();
    if (!host || !host->layout())
        return;
    const QMargins margins = host->layout()->contentsMargins();
    const QSize needed =
        pages->minimumSizeHint() + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    host->setMinimumSize(host->minimumSize().expandedTo(needed));
}

} // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget *owner) : QWidget(owner)
{
    setObjectName(QStringLiteral("StackingPortUitForm"));
    setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    UnitPageControl = new QTabWidget(this);
    UnitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
    layout->addWidget(UnitPageControl);
}

void TStackingPortUitForm::Attach(QWidget *host)
{
    setParent(host);
    QLayout *layout = host->layout();
    if (!layout) {
        layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(this);
    show();
}

void TStackingPortUitForm::AddUnitPage(const QString &title)
{
    const int number = title.mid(4).toInt();
    const QString caption = number == 1 ? QStringLiteral("Master Unit ID %1").arg(MasterUnitId)
                                        : QStringLiteral("Unit%1").arg(number - 1);

    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("UnitSheet%1").arg(UnitSheets.size()));
    auto *sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(sheet);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *area = new QWidget;
    scroll->setWidget(area);
    sheetLayout->addWidget(scroll);

    // Rows of 12 boxes, or of 10 where the device description file asks for
    // the narrower layout.
    const int perRow = QFileInfo::exists(QStringLiteral("DeviceInfo.ini")) ? 10 : 12;
    const QFontInfo fontInfo(font());
    const int fontSize = fontInfo.pointSize() > 0 ? fontInfo.pointSize() : 8;
    int right = 0;
    int bottom = 0;
    for (int j = 0; j < PortsPerUnit; ++j) {
        const QString boxCaption = QString::number(j + 1);
        auto *box = new QCheckBox(boxCaption, area);
        const int height = box->sizeHint().height();
        const int left = (j % perRow) * fontSize * 5 + 20;
        const int top = (j / perRow) * height + 4;
        const int width = int(boxCaption.size()) * fontSize + 3 * fontSize;
        box->setGeometry(left, top, std::max(width, box->sizeHint().width()), height);
        box->setChecked(false);
        box->hide();
        // Absent until its unit is known to have this port.
        box->setProperty(KtControlForms::AbsentProperty, true);
        right = std::max(right, box->geometry().right());
        bottom = std::max(bottom, box->geometry().bottom());
        PortBoxes << box;
    }
    area->resize(right + 8, bottom + 8);
    // A full page shows without scroll bars.
    scroll->setMinimumSize(area->size());

    UnitSheets << sheet;
    const int index = UnitPageControl->addTab(sheet, caption);
    UnitPageControl->setTabVisible(index, false);
    GrowHostToFullPage(this, UnitPageControl);
}

int TStackingPortUitForm::PageOfUnit(int unitId)
{
    if (unitId == MasterUnitId)
        return 0;
    if (unitId >= 1 && unitId < UnitCount)
        return unitId;
    return -1;
}

void TStackingPortUitForm::ShowUnit(int unitId, const QString &moduleName, int portCount)
{
    const int page = PageOfUnit(unitId);
    if (page < 0 || page >= UnitSheets.size())
        return;
    UnitPageControl->setTabVisible(page, true);
    UnitPageControl->setTabText(page, UnitPageControl->tabText(page) + QLatin1Char(' ') + moduleName);
    const int shown = std::clamp(portCount, 0, int(PortsPerUnit));
    for (int i = page * PortsPerUnit; i < page * PortsPerUnit + shown; ++i) {
        PortBoxes[i]->setProperty(KtControlForms::AbsentProperty, false);
        PortBoxes[i]->show();
    }
    GrowHostToFullPage(this, UnitPageControl); // now with its tab
}

void TStackingPortUitForm::ShowUnits(const QList<KtStackUnit> &units)
{
    for (const KtStackUnit &unit : units)
        ShowUnit(unit.Id, unit.ModuleName, unit.PortCount);
}

void TStackingPortUitForm::ClearBoxes()
{
    for (QCheckBox *box : PortBoxes)
        box->setChecked(false);
}

QString TStackingPortUitForm::BitIndexList()
{
    QStringList numbers;
    numbers.reserve(BoxCount);
    for (int i = 0; i < BoxCount; ++i)
        numbers << QString::number(i);
    return numbers.join(QLatin1Char(','));
}

TStackingPortUitForm *TStackingPortUitForm::Build(QWidget *window, QWidget *host, QPlainTextEdit *memo,
                                                  KtDeviceState *state)
{
    auto *grid = new TStackingPortUitForm(window);
    grid->Attach(host);
    for (int n = 1; n <= UnitCount; ++n)
        grid->AddUnitPage(QStringLiteral("Unit%1").arg(n));
    if (!state)
        return grid;
    if (state->UnitRows().isEmpty() && state->ReadUnitTable)
        state->ReadUnitTable(*state, window, memo);
    grid->ShowUnits(state->Units());
    return grid;
}
