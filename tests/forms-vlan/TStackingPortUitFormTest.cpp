// The unit/port grid: pages and boxes per unit of the device state, the fresh read of an empty list, and the
// box layout.
#include "TStackingPortUitForm.h"
#include "VlanFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

using namespace vlan_test;

namespace {

class PortGridTest : public VlanSimTest
{
protected:
    // A window with a host area, as the port-list windows build it.
    TStackingPortUitForm *BuildGrid()
    {
        window_ = std::make_unique<QWidget>();
        host_ = new QWidget(window_.get());
        memo_ = new QPlainTextEdit(window_.get());
        return TStackingPortUitForm::Build(window_.get(), host_, memo_, &state_);
    }

    QStringList ShownTabs(const TStackingPortUitForm *grid) const
    {
        QStringList tabs;
        for (int page = 0; page < grid->UnitPageControl->count(); ++page)
            if (grid->UnitPageControl->isTabVisible(page))
                tabs << grid->UnitPageControl->tabText(page);
        return tabs;
    }

    std::unique_ptr<QWidget> window_;
    QWidget *host_ = nullptr;
    QPlainTextEdit *memo_ = nullptr;
};

} // namespace

TEST_F(PortGridTest, PagesAndBoxesStartHiddenAndUncheckedInUnitOrder)
{
    SetUnits({});
    state_.ReadUnitTable = nullptr;
    TStackingPortUitForm *grid = BuildGrid();
    EXPECT_EQ(grid->parentWidget(), host_);
    EXPECT_FALSE(grid->isHidden());
    ASSERT_EQ(grid->UnitSheets.size(), 13);
    ASSERT_EQ(grid->PortBoxes.size(), 728);
    EXPECT_EQ(grid->UnitPageControl->tabText(0), "Master Unit ID 15");
    for (int page = 1; page < 13; ++page)
        EXPECT_EQ(grid->UnitPageControl->tabText(page), QStringLiteral("Unit%1").arg(page));
    EXPECT_TRUE(ShownTabs(grid).isEmpty());
    EXPECT_TRUE(ShownBoxes(grid).isEmpty());
    EXPECT_TRUE(CheckedBoxes(grid).isEmpty());
    for (int i = 0; i < 728; ++i) {
        ASSERT_EQ(grid->PortBoxes[i]->text(), QString::number(i % 56 + 1)) << i;
        ASSERT_TRUE(grid->UnitSheets[i / 56]->isAncestorOf(grid->PortBoxes[i])) << i;
    }
    EXPECT_EQ(TStackingPortUitForm::BitIndexList(), QStringList([] {
                                                        QStringList numbers;
                                                        for (int i = 0; i < 728; ++i)
                                                            numbers << QString::number(i);
                                                        return numbers;
                                                    }())
                                                        .join(','));
}

TEST_F(PortGridTest, EachUnitShowsItsPageWithItsPortsOnly)
{
    struct Case
    {
        QList<UnitRow> Units;
        QStringList Tabs;
        QList<int> Boxes;
    };
    const Case cases[] = {
        {{{"15", "26", "QG2312"}}, {"Master Unit ID 15 QG2312"}, Range(0, 25)},
        {{{"3", "50", "QL2448"}}, {"Unit3 QL2448"}, Range(168, 217)},
        {{{"1", "12", "QG2312"}, {"12", "56", "QL2448"}},
         {"Unit1 QG2312", "Unit12 QL2448"},
         Range(56, 67) + Range(672, 727)},
        // Identifiers without a page and counts beyond a page show nothing
        // more than the page holds.
        {{{"13", "24", "X"}, {"0", "24", "X"}, {"2", "80", "QF1824"}, {"x", "4", "X"}},
         {"Unit2 QF1824"},
         Range(112, 167)},
    };
    for (const Case &c : cases) {
        SetUnits(c.Units);
        TStackingPortUitForm *grid = BuildGrid();
        EXPECT_EQ(ShownTabs(grid), c.Tabs);
        EXPECT_EQ(ShownBoxes(grid), c.Boxes);
        EXPECT_TRUE(memo_->toPlainText().isEmpty());
    }
}

TEST_F(PortGridTest, AnEmptyUnitListIsReadAfreshFromTheSwitch)
{
    SetUnits({});
    TStackingPortUitForm *grid = BuildGrid();
    EXPECT_EQ(state_.UnitRows().size(), 3);
    EXPECT_EQ(ShownTabs(grid), QStringList({"Unit1 QG2312", "Unit2 QF1824", "Unit3 QL2448"}));
    EXPECT_EQ(ShownBoxes(grid), Range(56, 67) + Range(112, 137) + Range(168, 217));
    // The second grid of a window finds the list filled.
    TStackingPortUitForm *second =
        TStackingPortUitForm::Build(window_.get(), new QWidget(window_.get()), memo_, &state_);
    EXPECT_EQ(ShownBoxes(second), ShownBoxes(grid));
    EXPECT_TRUE(memo_->toPlainText().isEmpty()) << memo_->toPlainText().toStdString();
}

TEST_F(PortGridTest, AFailedReadOfTheUnitListGoesIntoTheMemoAndShowsNoUnit)
{
    SetUnits({});
    PointEngineAtNoAgent();
    KtSNMPDefaults.TimeOut = 20;
    TStackingPortUitForm *grid = BuildGrid();
    EXPECT_TRUE(ShownTabs(grid).isEmpty());
    EXPECT_TRUE(ShownBoxes(grid).isEmpty());
    EXPECT_FALSE(memo_->toPlainText().isEmpty());
    EXPECT_TRUE(memo_->toPlainText().startsWith("Get:")) << memo_->toPlainText().toStdString();
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(PortGridTest, BoxesRunInRowsOfTwelveOrOfTenWithADeviceDescription)
{
    SetUnits({{"15", "56", "QG2312"}});
    const QString previous = QDir::currentPath();
    QTemporaryDir workDir;
    ASSERT_TRUE(workDir.isValid());
    ASSERT_TRUE(QDir::setCurrent(workDir.path()));
    for (int perRow : {12, 10}) {
        if (perRow == 10) {
            QFile ini(QStringLiteral("DeviceInfo.ini"));
            ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        }
        TStackingPortUitForm *grid = BuildGrid();
        const QList<QCheckBox *> &boxes = grid->PortBoxes;
        for (int j = 1; j < 56; ++j) {
            const QRect box = boxes[j]->geometry();
            const QRect before = boxes[j - 1]->geometry();
            if (j % perRow == 0) {
                EXPECT_EQ(box.left(), boxes[0]->geometry().left()) << perRow << " " << j;
                EXPECT_GT(box.top(), before.top()) << perRow << " " << j;
            } else {
                EXPECT_GT(box.left(), before.left()) << perRow << " " << j;
                EXPECT_EQ(box.top(), before.top()) << perRow << " " << j;
            }
        }
    }
    QDir::setCurrent(previous);
}

TEST_F(PortGridTest, AHostDesignedTooSmallGrowsToAFullPageWithoutScrollBars)
{
    // Hosts laid out straight in the window, and nested in two group boxes
    // as in the mirror window, whose designed size is too narrow for a row.
    for (const int nesting : {0, 2}) {
        SCOPED_TRACE(nesting);
        SetUnits({{"15", "56", "QG2312"}, {"2", "48", "QL2448"}});
        window_ = std::make_unique<QWidget>();
        QWidget *parent = window_.get();
        auto *layout = new QVBoxLayout(parent);
        for (int level = 0; level < nesting; ++level) {
            auto *box = new QGroupBox(QStringLiteral("Level %1").arg(level), parent);
            layout->addWidget(box);
            parent = box;
            layout = new QVBoxLayout(box);
        }
        host_ = new QWidget(parent);
        host_->setMinimumHeight(130); // as a window might design it
        layout->addWidget(host_);
        window_->resize(300, 150);
        TStackingPortUitForm *grid = TStackingPortUitForm::Build(window_.get(), host_, nullptr, &state_);
        // The host asks for a full page itself, so that no layout's cached
        // hint from before the pages were filled can shrink it.
        const QSize page = grid->UnitPageControl->minimumSizeHint();
        EXPECT_GE(host_->minimumWidth(), page.width());
        EXPECT_GE(host_->minimumHeight(), page.height());
        window_->show();
        QCoreApplication::processEvents();

        // The last box of a row and the unit's last port lie inside the visible page.
        ExpectWholeUnitPage(grid, 0, {11, 55});
        ExpectWholeUnitPage(
            grid, 2,
            {2 * TStackingPortUitForm::PortsPerUnit + 11, 2 * TStackingPortUitForm::PortsPerUnit + 47});
    }
}
