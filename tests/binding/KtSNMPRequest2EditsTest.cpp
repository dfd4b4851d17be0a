// The edits binding against the switch simulator, on real Qt controls.
#include "KtSNMPRequest2Edits.h"
#include "FdbTable.h"
#include "KtEditConstraint.h"
#include "KtException.h"
#include "KtOptionList.h"
#include "QgSimSuite.h"
#include "QgWait.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// The forwarding database with writable columns, so that edits bound to
// them are enabled once a row is chosen.
const KtSNMPVarDef kFdb[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessReadWrite, &FdbStatus},
    {},
};

const KtSNMPVarDef kIfX[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessRead},
    {},
};

const KtSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.6", "sysLocation", SyntaxDisplayString, AccessReadWrite},
    {},
};

const KtSNMPVarDef kOctets[] = {
    {"1.3.6.1.2.1.1.5", "image", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.2.1.1.6", "address", SyntaxIpAddress, AccessReadWrite},
    {},
};

// Counts the operations the binding runs and can stop a walk after n rows.
class RecordingBinding : public KtSNMPRequest2Edits
{
public:
    using KtSNMPRequest2Edits::KtSNMPRequest2Edits;
    void OnGetBegin() override
    {
        ++begins;
        KtSNMPRequest2Edits::OnGetBegin();
    }
    void OnRow() override
    {
        KtSNMPRequest2Edits::OnRow();
        if (++rows == stopAfter)
            Request.Enabled = false;
    }
    void OnGetEnd() override
    {
        ++ends;
        KtSNMPRequest2Edits::OnGetEnd();
    }
    int begins = 0, rows = 0, ends = 0, stopAfter = -1;
};

class EditsTest : public QgSimSuite
{
protected:
    static void SetUpTestSuite() { StartSim({"--fdb-rows", "12", "--static-leds"}); }

    void Prepare(KtSNMPRequest2Edits &binding, const KtSNMPVarDef *table, KtListKind kind, int indexCount,
                 quint16 port = 0)
    {
        binding.Request.Device = {"127.0.0.1", port ? port : sim_->Port()};
        binding.Request.Security.Version = 1;
        binding.Request.Security.ReadCommunity = "public";
        binding.Request.Security.WriteCommunity = "private";
        binding.Request.Vars = KtSNMPVarList(table, kind, indexCount);
    }

    QWidget window_;
};

TEST(StatusLineTest, TemplatesCaptionsAndTime)
{
    const QTime afternoon(15, 4, 5);
    const QString get = "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].";
    EXPECT_EQ(KtSNMPRequest2Controls::FormatStatusLine(get, " Led Status", "(KtSNMP++) Ok!", afternoon),
              "Get: (KtSNMP++) Ok! Request: Led Status. Receive at 03:04:05 PM.");
    EXPECT_EQ(KtSNMPRequest2Controls::FormatStatusLine(get, "", "(KtSNMP++) Ok!", QTime(0, 1, 2)),
              "Get: (KtSNMP++) Ok!. Receive at 12:01:02 AM.");
    EXPECT_EQ(KtSNMPRequest2Controls::FormatStatusLine("[VARLIST] then [ERROR]", "", "bad", afternoon),
              "[VARLIST] then bad");
    // Inserted texts are not searched for placeholders again.
    EXPECT_EQ(KtSNMPRequest2Controls::FormatStatusLine("[ERROR] [VARLIST]", "[TIME]", "[VARLIST]", afternoon),
              "[VARLIST] [TIME]");
}

// The rightmost column of the picture that holds text.
int InkRight(const QImage &image)
{
    const QRgb background = image.pixel(image.width() - 1, 0);
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background)
                return x;
    return -1;
}

TEST(StatusPanelTest, LineIsCutToThePanelWhenPaintedNotWhenWritten)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *bar = new QStatusBar;
    auto *panel = new QLabel;
    bar->addWidget(panel, 1);
    layout->addWidget(bar);
    window.resize(160, 40);
    window.show();

    KtSNMPRequest2Edits binding(&window);
    binding.Request.Vars.Caption = "A caption long enough to be cut in a narrow window";
    binding.SetStatusPanel(panel);
    binding.ShowStatus("(KtSNMP++) Ok!");
    const QString line = panel->text();
    EXPECT_TRUE(line.startsWith("Get: (KtSNMP++) Ok! Request:A caption long enough")) << line.toStdString();
    EXPECT_EQ(panel->toolTip(), line);
    // The long line does not widen the window.
    EXPECT_LT(window.minimumSizeHint().width(), panel->fontMetrics().horizontalAdvance(line));

    const int narrowInk = InkRight(panel->grab().toImage());
    EXPECT_LT(narrowInk, panel->width());
    // Written while narrow, shown whole once the window has room.
    window.resize(panel->fontMetrics().horizontalAdvance(line) + 80, 40);
    QCoreApplication::processEvents();
    const int wideInk = InkRight(panel->grab().toImage());
    EXPECT_GT(wideInk, narrowInk + 100);
    EXPECT_EQ(panel->text(), line);
}

TEST_F(EditsTest, ErrorsGoToTheStatusTargetOrElseAMessageBox)
{
    QgSimProcess dead({"--drop-every", "1"});
    ASSERT_TRUE(dead.Start());
    for (bool withMemo : {false, true}) {
        messages_.clear();
        QPlainTextEdit memo;
        RecordingBinding binding(&window_);
        Prepare(binding, kSystem, ListScalars, 0, dead.Port());
        binding.Request.TimeOut = 20;
        if (withMemo)
            binding.SetStatusMemo(&memo);
        int done = 0;
        binding.OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &record) {
            ++done;
            EXPECT_EQ(record.Code, -405);
        };
        binding.Get();
        WaitIdle(&binding);
        EXPECT_EQ(done, 1);
        EXPECT_EQ(messages_.size(), withMemo ? 0 : 1);
        if (withMemo) {
            EXPECT_TRUE(memo.toPlainText().startsWith("Get: (SNMPClass) SNMP request timed out!"))
                << memo.toPlainText().toStdString();
        }
    }
}

TEST_F(EditsTest, SuccessLineAndOneDoneNotificationPerGet)
{
    QPlainTextEdit memo;
    QLineEdit name;
    RecordingBinding binding(&window_);
    Prepare(binding, kSystem, ListScalars, 0);
    binding.Request.Vars.Caption = "System";
    binding.BindEdit(0, "%s{l32}", {&name});
    binding.SetStatusMemo(&memo);
    int done = 0;
    binding.OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &) { ++done; };
    binding.Get();
    WaitIdle(&binding);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(name.text(), "bldg-a-core");
    EXPECT_TRUE(memo.toPlainText().startsWith("Get: (KtSNMP++) Ok! Request:System. Receive at "));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(EditsTest, WalkDisabledMidwayEndsWithTheRowsSoFar)
{
    QPlainTextEdit memo;
    QTreeWidget list;
    RecordingBinding binding(&window_);
    Prepare(binding, kFdb, ListTable, 2);
    binding.AttachListView(&list, true);
    binding.SetStatusMemo(&memo);
    binding.stopAfter = 3;
    int done = 0;
    binding.OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &) { ++done; };
    binding.Get();
    WaitIdle(&binding);
    EXPECT_FALSE(binding.Busy);
    EXPECT_EQ(binding.ends, 1);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(binding.RowCount, 3);
    EXPECT_EQ(list.topLevelItemCount(), 3);
    EXPECT_TRUE(memo.toPlainText().startsWith("Get: (KtSNMP++) Ok!"));
}

// A slow walk (one get-next per row, 20 ms each) shows its rows in batches
// while it goes on, and all of them at its end.
TEST_F(EditsTest, RowsAppearWhileASlowWalkGoesOn)
{
    QgSimProcess slow({"--fdb-rows", "40", "--delay-ms", "20", "--static-leds"});
    ASSERT_TRUE(slow.Start());
    QTreeWidget list;
    RecordingBinding binding(&window_);
    Prepare(binding, kFdb, ListTable, 2, slow.Port());
    binding.Request.Device.UseGetBulk = false;
    binding.AttachListView(&list, true);
    binding.Get();
    WaitUntil([&] { return !binding.Busy || list.topLevelItemCount() != 0; });
    EXPECT_TRUE(binding.Busy);
    EXPECT_GT(list.topLevelItemCount(), 0);
    EXPECT_LT(list.topLevelItemCount(), 40);
    WaitIdle(&binding);
    EXPECT_EQ(list.topLevelItemCount(), 40);
    EXPECT_EQ(binding.rows, 40);
}

TEST_F(EditsTest, ListViewColumnsRowsAndSelection)
{
    QTreeWidget list;
    QLineEdit port;
    QComboBox status;
    int windowHandlerCalls = 0;
    QObject::connect(&list, &QTreeWidget::itemSelectionChanged, [&] { ++windowHandlerCalls; });
    RecordingBinding binding(&window_);
    Prepare(binding, kFdb, ListTable, 2);
    binding.AttachListView(&list, true);
    binding.BindEdit(2, "%i{}", {&port});
    binding.BindComboBox(3, &status);
    binding.Get();
    WaitIdle(&binding);

    ASSERT_EQ(list.topLevelItemCount(), 12);
    ASSERT_EQ(list.columnCount(), 4);
    EXPECT_EQ(list.headerItem()->text(0), "Fdb Id");
    EXPECT_EQ(list.topLevelItem(0)->text(1), "001B21000000");
    EXPECT_EQ(list.topLevelItem(0)->text(3), "learned");
    EXPECT_FALSE(port.isEnabled()); // ListTable: disabled until a row is chosen

    list.topLevelItem(2)->setSelected(true);
    EXPECT_EQ(windowHandlerCalls, 1);
    EXPECT_TRUE(port.isEnabled());
    EXPECT_EQ(port.text(), "53");
    EXPECT_EQ(status.currentText(), "learned");

    // The same walk as ListTableEx leaves the controls enabled.
    RecordingBinding ex(&window_);
    QLineEdit exPort;
    QTreeWidget exList;
    Prepare(ex, kFdb, ListTableEx, 2);
    ex.AttachListView(&exList, true);
    ex.BindEdit(2, "%i{}", {&exPort});
    ex.Get();
    WaitIdle(&ex);
    EXPECT_TRUE(exPort.isEnabled());
}

TEST_F(EditsTest, ColumnsWidenToTheirValuesAfterARead)
{
    QTreeWidget list;
    list.resize(300, 200);
    RecordingBinding binding(&window_);
    Prepare(binding, kFdb, ListTable, 2);
    binding.AttachListView(&list, true);
    const int headerOnly = list.columnWidth(1);
    list.setColumnWidth(3, 400); // a width the user chose
    binding.Get();
    WaitIdle(&binding);
    ASSERT_EQ(list.topLevelItemCount(), 12);

    const QFontMetrics metrics = list.fontMetrics();
    // "001B21000000": wider than its header "FdbMacAddress" alone would make it.
    EXPECT_GE(list.columnWidth(1), metrics.horizontalAdvance(list.topLevelItem(0)->text(1)));
    EXPECT_GE(list.columnWidth(1), headerOnly);
    for (int column = 0; column < list.columnCount(); ++column) {
        EXPECT_GE(list.columnWidth(column), metrics.horizontalAdvance(list.headerItem()->text(column)))
            << column;
        if (list.columnWidth(column) == 0)
            continue; // a hidden column
        for (int row = 0; row < list.topLevelItemCount(); ++row)
            EXPECT_GE(list.columnWidth(column),
                      metrics.horizontalAdvance(list.topLevelItem(row)->text(column)))
                << row << " " << column;
    }
    EXPECT_EQ(list.columnWidth(3), 400); // never narrowed
    EXPECT_EQ(list.header()->sectionResizeMode(1), QHeaderView::Interactive);
}

TEST_F(EditsTest, DesignedListViewKeepsItsColumns)
{
    for (int designedColumns : {4, 3}) {
        QTreeWidget list;
        list.setColumnCount(designedColumns);
        QStringList captions;
        for (int i = 0; i < designedColumns; ++i)
            captions << QStringLiteral("Mine %1").arg(i);
        list.setHeaderLabels(captions);
        RecordingBinding binding(&window_);
        Prepare(binding, kFdb, ListTable, 2);
        binding.AttachListView(&list, true);
        EXPECT_EQ(list.headerItem()->text(0), designedColumns == 4 ? "Mine 0" : "Fdb Id");
        EXPECT_EQ(list.columnCount(), 4);
    }
}

TEST_F(EditsTest, SetOfATableRefreshesOnlyWhenAsked)
{
    QTreeWidget list;
    QLineEdit alias;
    RecordingBinding binding(&window_);
    Prepare(binding, kIfX, ListTable, 1);
    binding.AttachListView(&list, false);
    binding.BindEdit(1, "%s{l64}", {&alias});
    binding.Get();
    WaitIdle(&binding);
    const int rows = list.topLevelItemCount();
    ASSERT_GT(rows, 3);
    list.topLevelItem(1)->setSelected(true);

    for (bool refresh : {false, true}) {
        const int begins = binding.begins;
        alias.setText(refresh ? "refreshed" : "kept");
        binding.Set(refresh, true);
        WaitIdle(&binding);
        EXPECT_EQ(binding.begins, begins + (refresh ? 1 : 0));
        EXPECT_EQ(list.topLevelItem(1)->text(1), refresh ? "refreshed" : "") << refresh;
    }
}

TEST_F(EditsTest, FormatsTakeOneControlPerDirective)
{
    QLineEdit a, b, c, d;
    RecordingBinding binding(&window_);
    Prepare(binding, kOctets, ListScalars, 0);
    binding.BindEdit(1, "%i.%i.%i.%i", {&a, &b, &c, &d});
    binding.BindEdit(0, "%%", {&a});
    binding.BindEdit(0, "text %", {&a});
    ASSERT_EQ(binding.Bindings.size(), 3u);
    EXPECT_EQ(binding.Bindings[0]->Controls.size(), 4);
    EXPECT_EQ(binding.Bindings[1]->Controls.size(), 0);
    EXPECT_EQ(binding.Bindings[2]->Controls.size(), 0);

    binding.Request.Vars.Get(1).Value = "10.1.2.3";
    binding.ShowValues(1);
    EXPECT_EQ(QStringList({a.text(), b.text(), c.text(), d.text()}), QStringList({"10", "1", "2", "3"}));
}

TEST_F(EditsTest, ComboBoxWithoutOptionsIsRefused)
{
    QComboBox combo;
    RecordingBinding binding(&window_);
    Prepare(binding, kSystem, ListScalars, 0);
    try {
        binding.BindComboBox(0, &combo);
        FAIL();
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -520);
    }
    EXPECT_TRUE(binding.Bindings.empty());
}

TEST_F(EditsTest, PartBindingsCollectIntoZeroFilledImages)
{
    QLineEdit first, last;
    RecordingBinding binding(&window_);
    Prepare(binding, kOctets, ListScalars, 0);
    binding.BindPartial(0, 0, SyntaxPartUInt8, nullptr, "%u", {&first});
    binding.BindPartial(0, 3, SyntaxPartUInt8, nullptr, "%u", {&last});
    first.setText("1");
    last.setText("4");
    binding.OnCollect();
    EXPECT_EQ(binding.Request.Vars.Get(0).Value, "01000004");

    binding.Request.Vars.Get(0).Access |= AccessSkip; // neither shown nor collected
    first.setText("9");
    binding.Request.Vars.Get(0).Value = "AABBCCDD";
    binding.ShowValues(-1);
    EXPECT_EQ(first.text(), "9");
    binding.CollectValues(-1);
    EXPECT_EQ(binding.Request.Vars.Get(0).Value, "AABBCCDD");
}

// A value typed whole replaces the value read: a shorter octet string must
// not keep the tail of the longer one (DD over AABBCC used to write DDBBCC).
// A value that is no value of its syntax is refused by the field's name.
TEST_F(EditsTest, AWholeValueTypedReplacesTheValueReadOrIsRefusedByName)
{
    QLineEdit image, address;
    RecordingBinding binding(&window_);
    Prepare(binding, kOctets, ListScalars, 0);
    binding.BindEdit(0, "%s", {&image});
    binding.BindEdit(1, "%s", {&address});
    binding.Request.Vars.Get(0).Value = "AABBCC";
    binding.Request.Vars.Get(1).Value = "10.1.1.1";
    binding.ShowValues(-1);
    image.setText("dd");
    binding.CollectValues(-1);
    EXPECT_EQ(binding.Request.Vars.Get(0).Value, "DD");
    EXPECT_EQ(binding.Request.Vars.Get(1).Value, "10.1.1.1");

    address.setText("10.1.1.1.5");
    try {
        binding.CollectValues(-1);
        ADD_FAILURE() << "collected";
    } catch (const KtValueError &refused) {
        EXPECT_EQ(refused.Message,
                  "address: '10.1.1.1.5' is not an address of four numbers from 0 to 255 joined by dots.");
    }
}

TEST_F(EditsTest, UnbindLeavesTheControlsOwnBehaviour)
{
    QComboBox combo;
    QLineEdit number;
    int ownCalls = 0;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&] { ++ownCalls; });
    RecordingBinding binding(&window_);
    Prepare(binding, kFdb, ListTable, 2);
    binding.BindComboBox(3, &combo);
    binding.BindEdit(2, "%i{n1x99}", {&number});
    combo.setCurrentIndex(2);
    const int boundCalls = ownCalls;
    EXPECT_GT(boundCalls, 0);

    binding.Unbind(3);
    binding.Unbind(2);
    combo.setCurrentIndex(1);
    EXPECT_EQ(ownCalls, boundCalls + 1);
    EXPECT_FALSE(binding.Constraint->IsAttached(&number));
    number.setText("12a");
    EXPECT_EQ(number.text(), "12a"); // no filter any more
    EXPECT_TRUE(binding.Bindings.empty());
}

} // namespace

namespace {

TEST(ListColumnsTest, SkipMarksDoNotMoveTheColumns)
{
    QWidget window;
    QTreeWidget list;
    KtSNMPRequest2Edits binding(&window);
    binding.Request.Vars = KtSNMPVarList(kFdb, ListTable, 2);
    binding.AttachListView(&list, false);
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"1", "001B21000000", "51", "learned"}));
    list.topLevelItem(0)->setSelected(true);
    binding.Request.Vars.Get(2).Access |= AccessSkip; // left out of one write
    binding.SelectedRowToValues();
    EXPECT_EQ(binding.Request.Vars.Get(0).Value, "1");
    EXPECT_EQ(binding.Request.Vars.Get(1).Value, "001B21000000");
    EXPECT_EQ(binding.Request.Vars.Get(2).Value, "51");
    EXPECT_EQ(binding.Request.Vars.Get(3).Value, "learned");
}

} // namespace
