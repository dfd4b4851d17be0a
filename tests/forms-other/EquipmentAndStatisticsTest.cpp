// The equipment window and the two EAPOL statistics windows: what they read
// from the simulator, and how they behave when the switch does not answer.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TDiagnosticsInformationForm.h"
#include "TEquipmentBasicInfoForm.h"
#include "TMacStatisticTableForm.h"
#include "TMainWindowAnchor.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class EquipmentAndStatisticsTest : public QgSimSuite
{
protected:
};

QStringList RowTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int column = 0; column < item->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

TEST_F(EquipmentAndStatisticsTest, EquipmentShowsTheStackingFiguresAndAFixedCapacity)
{
    TEquipmentBasicInfoForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(form.windowTitle(), "Equiment Basic Information");
    EXPECT_EQ(form.Edit1->text(), "Redundant Power and Stacking");
    EXPECT_EQ(form.Edit2->text(), "12");
    EXPECT_EQ(form.Edit3->text(), "3");
    EXPECT_EQ(form.Edit4->text(), "2");
    EXPECT_FALSE(form.Edit1->isReadOnly());
    for (QLineEdit *edit : {form.Edit2, form.Edit3, form.Edit4})
        EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();

    form.Edit3->clear();
    form.BitBtn1->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(form.Edit3->text(), "3");
}

TEST_F(EquipmentAndStatisticsTest, EquipmentReportsAFailedReadInTheMemo)
{
    PointEngineAtNoAgent();
    TEquipmentBasicInfoForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_FALSE(form.Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(form.Edit2->text().isEmpty());
}

TEST_F(EquipmentAndStatisticsTest, EquipmentScalesItsDesignedSizeForLargeFonts)
{
    TEquipmentBasicInfoForm normal;
    const QSize designed = normal.size();
    TMainWindowAnchor::SetScaleFactor(1.25);
    TEquipmentBasicInfoForm large;
    TMainWindowAnchor::SetScaleFactor(1.0);
    EXPECT_EQ(large.size(), QSize(int(designed.width() * 1.25), int(designed.height() * 1.25)));
    ASSERT_TRUE(WaitIdle(normal.Binding.get()));
    ASSERT_TRUE(WaitIdle(large.Binding.get()));
}

template <typename Form> void ExpectStatisticsTable(const QString &caption)
{
    Form form;
    form.show();
    EXPECT_EQ(form.windowTitle(), caption);
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 3);
    QStringList headers;
    for (int column = 0; column < form.ListView1->columnCount(); ++column)
        headers << form.ListView1->headerItem()->text(column);
    EXPECT_TRUE(headers.contains("Port Number"));
    EXPECT_TRUE(headers.contains("Eapol Frame Version"));
    const QStringList first = RowTexts(form.ListView1->topLevelItem(0));
    const qsizetype port = headers.indexOf("Port Number");
    EXPECT_EQ(first.value(port), "1");
    EXPECT_EQ(first.value(headers.indexOf("Total Received Frames")), "120");
    EXPECT_EQ(first.value(headers.indexOf("Req Frames Tx")), "31");
    EXPECT_EQ(RowTexts(form.ListView1->topLevelItem(2)).value(port), "3");

    form.ListView1->clear();
    form.Button1->click();
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 3);
}

TEST_F(EquipmentAndStatisticsTest, BothStatisticsWindowsShowTheEapolCountersOfEveryPort)
{
    ExpectStatisticsTable<TDiagnosticsInformationForm>("DiagnosticsInformation  Form");
    ExpectStatisticsTable<TMacStatisticTableForm>("MacStatisticTableForm");
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(EquipmentAndStatisticsTest, StatisticsWindowOpensAfterAFailedFirstReadAndRefreshStaysQuiet)
{
    PointEngineAtNoAgent();
    TMacStatisticTableForm form;
    form.show();
    EXPECT_EQ(messages_.size(), 1);
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);

    messages_.clear();
    form.Button1->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_TRUE(form.isVisible());
}

} // namespace
