// The Summer Time window: composite rows of part bindings, the rows of the
// chosen mode, validation, and a write and read back through the simulator.
#include "TSummerTimeForm.h"
#include "KtOptionList.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMsgPanel.h"
#include "TSNMPEditorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kBase = QStringLiteral("1.3.6.1.4.1.47893.12.10.12");

QString Oid(int row)
{
    return QStringLiteral("%1.%2.0").arg(kBase).arg(row + 1);
}

void SetStatus(const QgSimProcess &sim, int value)
{
    Set(sim, {Oid(TSummerTimeForm::RowStatus), "i", QString::number(value)});
}

// Fills a repeating row: month, week, weekday, hour, minute.
void FillRepeating(const TCtrlsList &list, const QString &month, const QString &week, const QString &weekday,
                   const QString &hour, const QString &minute)
{
    const QList<QComboBox *> combos = list.Controls<QComboBox>();
    const QList<QLineEdit *> edits = list.Controls<QLineEdit>();
    combos[0]->setCurrentText(month);
    combos[1]->setCurrentText(week);
    combos[2]->setCurrentText(weekday);
    edits[0]->setText(hour);
    edits[1]->setText(minute);
}

// Fills an annual row: day, month, hour, minute.
void FillAnnual(const TCtrlsList &list, const QString &day, const QString &month, const QString &hour,
                const QString &minute)
{
    const QList<QLineEdit *> edits = list.Controls<QLineEdit>();
    list.Controls<QComboBox>()[0]->setCurrentText(month);
    edits[0]->setText(day);
    edits[1]->setText(hour);
    edits[2]->setText(minute);
}

void Check(TSummerTimeForm &form, std::initializer_list<int> rows)
{
    for (const TEditsPanel::EditRow &row : form.EditorPanel->EditsPanel->Rows)
        row.CheckBox->setChecked(false);
    for (int row : rows)
        form.EditorPanel->EditsPanel->Rows[size_t(row)].CheckBox->setChecked(true);
}

bool Shown(TSummerTimeForm &form, int row)
{
    return !form.EditorPanel->EditsPanel->IsHiddenRow(row) &&
           !form.EditorPanel->EditsPanel->Rows[size_t(row)].ValueControl->isHidden();
}

class SummerTimeTest : public QgSimSuite
{
};

} // namespace

TEST_F(SummerTimeTest, ReadsTheStatusThenTheRowsOfItsMode)
{
    struct Case
    {
        int status;
        const char *label;
        bool repeating, annual;
    };
    for (const Case &c : {Case{2, "repeating", true, false}, Case{3, "annual", false, true},
                          Case{1, "disable", false, false}}) {
        SCOPED_TRACE(c.label);
        SetStatus(*sim_, c.status);
        TSummerTimeForm form;
        TEditsPanel *rows = form.EditorPanel->EditsPanel;
        EXPECT_EQ(rows->ComboBox(TSummerTimeForm::RowStatus)->currentText(), c.label);
        EXPECT_EQ(rows->EditBox(TSummerTimeForm::RowOffset)->text(), "60");
        EXPECT_EQ(Shown(form, TSummerTimeForm::RowRepeatStart), c.repeating);
        EXPECT_EQ(Shown(form, TSummerTimeForm::RowRepeatEnd), c.repeating);
        EXPECT_EQ(Shown(form, TSummerTimeForm::RowAnnualStart), c.annual);
        EXPECT_EQ(Shown(form, TSummerTimeForm::RowAnnualEnd), c.annual);
        if (c.repeating) {
            // 0x000001030200: last Sun of Mar, 2:00.
            EXPECT_EQ(form.RepeatStartList.Count(), 6);
            const QList<QComboBox *> combos = form.RepeatStartList.Controls<QComboBox>();
            EXPECT_EQ(combos[0]->currentText(), "Mar");
            EXPECT_EQ(combos[1]->currentText(), "last");
            EXPECT_EQ(combos[2]->currentText(), "Sun");
            EXPECT_EQ(form.RepeatStartList.Controls<QLineEdit>()[0]->text(), "2");
            EXPECT_EQ(form.RepeatEndList.Controls<QComboBox>()[0]->currentText(), "Oct");
        }
        if (c.annual) {
            // 0x01040200: 1 Apr, 2:00.
            EXPECT_EQ(form.AnnualStartList.Count(), 5);
            EXPECT_EQ(form.AnnualStartList.Controls<QLineEdit>()[0]->text(), "1");
            EXPECT_EQ(form.AnnualStartList.Controls<QComboBox>()[0]->currentText(), "Apr");
        }
    }
    SetStatus(*sim_, 1);
}

TEST_F(SummerTimeTest, ChoosingAModeShowsItsRowsAndUnchecksTheOthers)
{
    SetStatus(*sim_, 2);
    TSummerTimeForm form;
    form.show();
    TEditsPanel *rows = form.EditorPanel->EditsPanel;
    Check(form, {0, 1, 2, 3});
    rows->ComboBox(TSummerTimeForm::RowStatus)->setCurrentText("disable");
    for (int row = 2; row <= 5; ++row) {
        EXPECT_FALSE(Shown(form, row)) << row;
        EXPECT_FALSE(rows->Rows[size_t(row)].CheckBox->isChecked()) << row;
    }
    EXPECT_TRUE(rows->Rows[0].CheckBox->isChecked());
    rows->ComboBox(TSummerTimeForm::RowStatus)->setCurrentText("annual");
    EXPECT_TRUE(Shown(form, TSummerTimeForm::RowAnnualStart));
    EXPECT_FALSE(Shown(form, TSummerTimeForm::RowRepeatStart));
    // The annual rows take the place of the repeating ones.
    EXPECT_EQ(rows->Rows[4].ValueControl->y(),
              rows->Rows[1].ValueControl->y() + rows->Rows[1].ValueControl->height() + 5);
    SetStatus(*sim_, 1);
}

TEST_F(SummerTimeTest, Validation)
{
    SetStatus(*sim_, 2);
    TSummerTimeForm form;
    TEditsPanel *rows = form.EditorPanel->EditsPanel;
    QComboBox *status = rows->ComboBox(TSummerTimeForm::RowStatus);
    QLineEdit *offset = rows->EditBox(TSummerTimeForm::RowOffset);
    struct Case
    {
        const char *name;
        std::function<void()> prepare;
        bool valid;
        const char *message;
    };
    // An annual start, checked alone, of the given day, month, hour and minute.
    auto annualStart = [&](const char *day, const char *month, const char *hour, const char *minute) {
        return [=, &form] {
            status->setCurrentText("annual");
            FillAnnual(form.AnnualStartList, day, month, hour, minute);
            Check(form, {4});
        };
    };
    const Case cases[] = {
        {"offset 45",
         [&] {
             offset->setText("45");
             Check(form, {1});
         },
         false, "Summer Time Offset must chosed from {30, 60, 90, 120}."},
        {"offset 90",
         [&] {
             offset->setText("90");
             Check(form, {1});
         },
         true, nullptr},
        {"empty offset",
         [&] {
             offset->clear();
             Check(form, {1});
         },
         true, nullptr},
        {"unchecked offset 45",
         [&] {
             offset->setText("45");
             Check(form, {0});
         },
         true, nullptr},
        {"no status",
         [&] {
             status->setCurrentIndex(-1);
             Check(form, {0});
         },
         false, "Please choose Summer Time Status."},
        {"no status, unchecked",
         [&] {
             status->setCurrentIndex(-1);
             Check(form, {});
         },
         false, nullptr},
        {"disable",
         [&] {
             status->setCurrentText("disable");
             offset->setText("60");
             Check(form, {0, 1});
         },
         true, nullptr},
        {"repeating both in March",
         [&] {
             status->setCurrentText("repeating");
             FillRepeating(form.RepeatStartList, "Mar", "last", "Sun", "2", "0");
             FillRepeating(form.RepeatEndList, "Mar", "1st", "Sun", "3", "0");
             Check(form, {0, 2, 3});
         },
         false, "From month and To month should not be the same."},
        {"repeating, only start checked",
         [&] {
             status->setCurrentText("repeating");
             FillRepeating(form.RepeatStartList, "Mar", "last", "Sun", "2", "0");
             FillRepeating(form.RepeatEndList, "Mar", "1st", "Sun", "3", "0");
             Check(form, {0, 2});
         },
         true, nullptr},
        {"repeating hour 24",
         [&] {
             status->setCurrentText("repeating");
             FillRepeating(form.RepeatStartList, "Mar", "last", "Sun", "24", "0");
             Check(form, {2});
         },
         false, "Time error."},
        {"repeating without weekday",
         [&] {
             status->setCurrentText("repeating");
             FillRepeating(form.RepeatStartList, "Mar", "last", "Sun", "2", "0");
             form.RepeatStartList.Controls<QComboBox>()[2]->setCurrentIndex(-1);
             Check(form, {2});
         },
         false, "Time error."},
        {"annual 31 Apr", annualStart("31", "Apr", "2", "0"), false, "Time error."},
        {"annual 29 Feb", annualStart("29", "Feb", "2", "0"), false, "Time error."},
        {"annual day 0", annualStart("0", "May", "2", "0"), false, "Time error."},
        {"annual minute 60", annualStart("1", "May", "2", "60"), false, "Time error."},
        {"annual 28 Feb to 30 Nov",
         [&] {
             status->setCurrentText("annual");
             FillAnnual(form.AnnualStartList, "28", "Feb", "23", "59");
             FillAnnual(form.AnnualEndList, "30", "Nov", "0", "0");
             Check(form, {0, 4, 5});
         },
         true, nullptr},
        {"annual both in May",
         [&] {
             status->setCurrentText("annual");
             FillAnnual(form.AnnualStartList, "1", "May", "2", "0");
             FillAnnual(form.AnnualEndList, "20", "May", "2", "0");
             Check(form, {4, 5});
         },
         false, "From month and To month should not be the same."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages_.clear();
        c.prepare();
        EXPECT_EQ(form.ValidateSummerTime(), c.valid);
        EXPECT_EQ(messages_, c.message ? QStringList{c.message} : QStringList{});
    }
    SetStatus(*sim_, 1);
}

TEST_F(SummerTimeTest, MarkFilledCaptionsOnlyCompleteRows)
{
    TSummerTimeForm form;
    TEditsPanel *rows = form.EditorPanel->EditsPanel;
    FillRepeating(form.RepeatStartList, "Mar", "last", "Sun", "2", "0");
    form.MarkFilled(form.RepeatStartList);
    EXPECT_EQ(form.RepeatStartList.Panel()->property(TEditsPanel::CaptionProperty).toString(), "-");
    EXPECT_FALSE(rows->IsRowEmpty(TSummerTimeForm::RowRepeatStart));
    form.RepeatStartList.Controls<QLineEdit>()[1]->clear();
    form.MarkFilled(form.RepeatStartList);
    EXPECT_TRUE(rows->IsRowEmpty(TSummerTimeForm::RowRepeatStart));
}

TEST_F(SummerTimeTest, AnIncompleteCheckedRowIsNotWritten)
{
    SetStatus(*sim_, 2);
    const QString before = GetHex(*sim_, Oid(TSummerTimeForm::RowRepeatStart));
    TSummerTimeForm form;
    form.show();
    FillRepeating(form.RepeatStartList, "Apr", "2nd", "Mon", "4", "");
    Check(form, {2});
    form.EditorPanel->BtnPanel->SetCheckedBtn->setEnabled(true);
    QTest::mouseClick(form.EditorPanel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
    EXPECT_EQ(messages_, QStringList{"Time error."});
    messages_.clear();
    // Filled but empty offset: validation passes, the empty-row test stops it.
    FillRepeating(form.RepeatStartList, "Apr", "2nd", "Mon", "4", "5");
    form.EditorPanel->EditsPanel->EditBox(TSummerTimeForm::RowOffset)->clear();
    Check(form, {1, 2});
    QTest::mouseClick(form.EditorPanel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
    EXPECT_EQ(messages_, QStringList{"Some items are empty!"});
    EXPECT_EQ(GetHex(*sim_, Oid(TSummerTimeForm::RowRepeatStart)), before);
    SetStatus(*sim_, 1);
}

TEST_F(SummerTimeTest, RoundTripOfARepeatingStart)
{
    SetStatus(*sim_, 2);
    {
        TSummerTimeForm form;
        form.show();
        EXPECT_EQ(form.RepeatStartList.Controls<QComboBox>()[0]->currentText(), "Mar");
        // Last Sunday of October, 2:00; the end moves to the 1st Sunday of
        // April, 3:30; offset 90.
        FillRepeating(form.RepeatStartList, "Oct", "last", "Sun", "2", "0");
        FillRepeating(form.RepeatEndList, "Apr", "1st", "Sun", "3", "30");
        form.EditorPanel->EditsPanel->EditBox(TSummerTimeForm::RowOffset)->setText("90");
        TEditsPanel *rows = form.EditorPanel->EditsPanel;
        for (int row : {0, 1, 2, 3})
            QTest::mouseClick(rows->Rows[size_t(row)].CheckBox, Qt::LeftButton);
        ASSERT_TRUE(form.EditorPanel->BtnPanel->SetCheckedBtn->isEnabled());
        QTest::mouseClick(form.EditorPanel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
        // Nothing stays excluded from later reads of the status and offset.
        EXPECT_FALSE(form.Binding->Request.Vars.Get(TSummerTimeForm::RowOffset).Access & AccessSkip);
    }
    EXPECT_EQ(GetHex(*sim_, Oid(TSummerTimeForm::RowRepeatStart)), "00 00 01 0A 02 00");
    EXPECT_EQ(GetHex(*sim_, Oid(TSummerTimeForm::RowRepeatEnd)), "01 00 01 04 03 1E");
    EXPECT_EQ(RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-Oqv", sim_->Address(), Oid(1)}).out.trimmed(),
              "90");

    // A new window reads the values back.
    TSummerTimeForm again;
    EXPECT_EQ(again.EditorPanel->EditsPanel->ComboBox(0)->currentText(), "repeating");
    const QList<QComboBox *> combos = again.RepeatStartList.Controls<QComboBox>();
    EXPECT_EQ(combos[0]->currentText(), "Oct");
    EXPECT_EQ(combos[1]->currentText(), "last");
    EXPECT_EQ(combos[2]->currentText(), "Sun");
    EXPECT_EQ(again.RepeatEndList.Controls<QLineEdit>()[1]->text(), "30");
    EXPECT_EQ(again.EditorPanel->EditsPanel->EditBox(1)->text(), "90");
    SetStatus(*sim_, 1);
}

TEST_F(SummerTimeTest, OnlyTheCheckedRowsAreWritten)
{
    SetStatus(*sim_, 3);
    const QString annualStart = GetHex(*sim_, Oid(TSummerTimeForm::RowAnnualStart));
    TSummerTimeForm form;
    form.show();
    TEditsPanel *rows = form.EditorPanel->EditsPanel;
    rows->EditBox(TSummerTimeForm::RowOffset)->setText("30");
    FillAnnual(form.AnnualStartList, "5", "Jun", "1", "15");
    QTest::mouseClick(rows->Rows[TSummerTimeForm::RowOffset].CheckBox, Qt::LeftButton);
    QTest::mouseClick(form.EditorPanel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-Oqv", sim_->Address(), Oid(1)}).out.trimmed(),
              "30");
    EXPECT_EQ(RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-Oqv", sim_->Address(), Oid(0)}).out.trimmed(),
              "3");
    EXPECT_EQ(GetHex(*sim_, Oid(TSummerTimeForm::RowAnnualStart)), annualStart);
    // The status step had nothing to write: one set, one status line.
    EXPECT_EQ(form.EditorPanel->MsgPanel->Memo->toPlainText().count("Set: "), 1);
    SetStatus(*sim_, 1);
    Set(*sim_, {Oid(1), "i", "60"});
}

TEST_F(SummerTimeTest, ClosingFreesTheBinding)
{
    TSummerTimeForm form;
    form.show();
    form.close();
    EXPECT_EQ(form.Binding, nullptr);
    EXPECT_EQ(form.RepeatStartList.Count(), 0);
}
