#include "KtEditConstraint.h"
#include "KtCatalogue.h"
#include "KtException.h"
#include "QgFiles.h"
#include "QgMessageCapture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown, active window with three edit boxes and a button in tab order,
// and hooks that count beeps and record messages instead of making sounds
// and opening modal boxes.
class EditConstraintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        for (QLineEdit **box : {&first, &second, &third}) {
            *box = new QLineEdit(window.get());
            layout->addWidget(*box);
        }
        button = new QPushButton(QStringLiteral("Set"), window.get());
        layout->addWidget(button);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        constraint = std::make_unique<KtEditConstraint>(window.get(), true);
    }

    void TearDown() override
    {
        constraint.reset();
        window.reset();
        ResetAllCatalogues();
    }

    // Types text into a box that has the focus, as the user would.
    static void Type(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, text);
    }

    // Puts text into box as typed, then moves the focus on as Tab would.
    void Leave(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->setText(text);
        second->setFocus(Qt::TabFocusReason);
    }

    std::unique_ptr<QWidget> window;
    QLineEdit *first = nullptr;
    QLineEdit *second = nullptr;
    QLineEdit *third = nullptr;
    QPushButton *button = nullptr;
    std::unique_ptr<KtEditConstraint> constraint;
    QgMessageCapture capture_;
    int &beeps = capture_.Beeps;
    std::vector<QgShownMessage> &messages = capture_.Shown;
};

const QString OneTo4094 = QStringLiteral("(KtCommon) Please enter a number between 1 and 4094!");

// ---------------------------------------------------------------------------
// Formats

TEST_F(EditConstraintTest, AcceptsEveryFormatTheWindowsUse)
{
    const char *formats[] = {
        "%i{}",
        "%s{l2}",
        "%s{l4}",
        "%s{l12}",
        "%s{l15}",
        "%s{l16}",
        "%s{l32}",
        "%s{l254}",
        "%s{n1x208l3}",
        "%i{n0x7}",
        "%i{n0x7l1}",
        "%i{n0x63}",
        "%i{n0x63l2}",
        "%i{n0x255l3}",
        "%i{n1x6}",
        "%i{n1x10l2a}",
        "%i{n1x20l2a}",
        "%i{n1x208l3}",
        "%i{n1x255}",
        "%i{n1x255l3}",
        "%i{n1x4094}",
        "%i{n1x65535l5}",
        "%i{n30x120l3}",
        "%i{n100x1000l4a}",
        "%i{n400x3000l4a}",
        "%i{n600x4000l4a}",
        "%i{n0x2147483647l10}",
        "%s",
        "%i",
        "%f",
        "%h",
        "%u",
        "%n.",
        "%n.{n0x255l4f}",
        "%f{n-1.5x.5}",
        "%h{l8fn}",
        "%u{w120}",
        "%s{e.}",
        "%i{l3afn}",
        "%s{e}}",
        "%n{",
    };
    for (const char *format : formats) {
        SCOPED_TRACE(format);
        EXPECT_NO_THROW(constraint->AttachOne(QString::fromUtf8(format), first));
    }
}

TEST_F(EditConstraintTest, BadFormatsRaiseCodeMinus2)
{
    const char *formats[] = {
        "",      // too short
        "%",     // a lone %
        "i{n1}", // no %
        "%q",    // unknown kind
        "%n",    // kind n without its delimiter
        "%i(",   // options must be in braces
        "%i{",   // no closing brace
        "%i{}x", // something after the closing brace
        "%i{l}", // a letter without its argument
        "%i{n}",
        "%i{x}",
        "%i{w}",
        "%i{e}",
        "%i{z1}",     // an unknown option
        "%i{n1 x5}",  // blanks are no options
        "%i{l3afna}", // a fourth flag letter is read as an option
        "%i{n-}",     // a run of number characters that is no number
        "%i{x1.2.3}",
        "%i{l99999999999}", // a length beyond 32 bits
        "%n\u4e00",         // the delimiter must be an 8-bit character
    };
    for (const char *format : formats) {
        SCOPED_TRACE(format);
        try {
            constraint->AttachOne(QString::fromUtf8(format), first);
            ADD_FAILURE() << "no exception";
        } catch (const KtException &e) {
            EXPECT_EQ(e.Code, -2);
            EXPECT_EQ(e.Message, "(KtCommon) Bad format specifier of edit's constraint!");
        }
        EXPECT_FALSE(constraint->IsAttached(first));
    }
}

TEST_F(EditConstraintTest, AttachSplitsTheFormatOverTheBoxesInOrder)
{
    constraint->Attach(QStringLiteral("%i{n1x10}%s{l3}%h{l8}"), {first, second, third});
    EXPECT_TRUE(constraint->IsAttached(first));
    EXPECT_EQ(second->maxLength(), 3);
    EXPECT_EQ(third->maxLength(), 8);

    Type(first, QStringLiteral("1x"));
    EXPECT_EQ(first->text(), "1");
    EXPECT_EQ(beeps, 1);
}

TEST_F(EditConstraintTest, AttachChecksEveryPieceBeforeAttachingAny)
{
    EXPECT_THROW(constraint->Attach(QStringLiteral("%i{n1x10}%q"), {first, second}), KtException);
    EXPECT_FALSE(constraint->IsAttached(first));
    EXPECT_FALSE(constraint->IsAttached(second));

    // Text before the first directive is a piece of its own, and a bad one.
    EXPECT_THROW(constraint->Attach(QStringLiteral("x%i"), {first, second}), KtException);
    EXPECT_FALSE(constraint->IsAttached(first));
}

TEST_F(EditConstraintTest, PiecesWithoutABoxAreCheckedOnly)
{
    EXPECT_NO_THROW(constraint->Attach(QStringLiteral("%i%s{l3}"), {first}));
    EXPECT_TRUE(constraint->IsAttached(first));
    EXPECT_THROW(constraint->Attach(QStringLiteral("%i%q"), {first}), KtException);
    EXPECT_NO_THROW(constraint->AttachOne(QStringLiteral("%s"), nullptr));
}

// ---------------------------------------------------------------------------
// Box settings

TEST_F(EditConstraintTest, LengthOptionSetsTheMaximumLength)
{
    const int unlimited = QLineEdit().maxLength();
    struct Case
    {
        const char *format;
        int maxLength;
    };
    const Case cases[] = {
        {"%s{l32}", 32},       {"%s{n1x208l3}", 3},     {"%i{n1x20l2a}", 2}, {"%s", unlimited},
        {"%s{l0}", unlimited}, {"%n.{l4f}", unlimited}, // a number count, not a length: 10.1.1.1 must fit
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format);
        QLineEdit box;
        constraint->AttachOne(QString::fromUtf8(c.format), &box);
        EXPECT_EQ(box.maxLength(), c.maxLength);
        constraint->Detach(&box);
    }

    constraint->AttachOne(QStringLiteral("%s{l32}"), first);
    Type(first, QString(40, u'a'));
    EXPECT_EQ(first->text().size(), 32);
}

TEST_F(EditConstraintTest, WidthOptionSetsTheWidthAndDetachGivesItBack)
{
    const int minimum = first->minimumWidth();
    const int maximum = first->maximumWidth();
    constraint->AttachOne(QStringLiteral("%u{w120}"), first);
    EXPECT_EQ(first->minimumWidth(), 120);
    EXPECT_EQ(first->maximumWidth(), 120);
    constraint->Detach(first);
    EXPECT_EQ(first->minimumWidth(), minimum);
    EXPECT_EQ(first->maximumWidth(), maximum);

    constraint->AttachOne(QStringLiteral("%u{w0}"), first);
    EXPECT_EQ(first->maximumWidth(), maximum);
}

// ---------------------------------------------------------------------------
// Typing filter

TEST_F(EditConstraintTest, FilterRemovesCharactersThatCannotBelongWithABeepEach)
{
    struct Case
    {
        const char *format;
        const char *typed;
        const char *text;
        int beeps;
    };
    const Case cases[] = {
        {"%i{n1x4094}", "12a3", "123", 1},
        {"%i", "-12-3", "-123", 1}, // a minus only in the first position
        {"%i", "1-2", "12", 1},
        {"%u", "-12", "12", 1},
        {"%f", "-1.5.2", "-1.52", 1}, // at most one point
        {"%f", ".5", ".5", 0},
        {"%h", "0aFgZ9", "0aF9", 2},
        {"%s", "a-b.c %", "a-b.c %", 0},
        {"%n.", ".1..2.3", "1.2.3", 2}, // no delimiter first or after another
        {"%n,", "10,2.5", "10,25", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format + std::string(" ") + c.typed);
        QLineEdit &box = *first;
        box.clear();
        constraint->AttachOne(QString::fromUtf8(c.format), &box);
        beeps = 0;
        Type(&box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box.text(), c.text);
        EXPECT_EQ(beeps, c.beeps);
    }
}

TEST_F(EditConstraintTest, FilterKeepsTheCursorWhereTheCharacterWasRemoved)
{
    constraint->AttachOne(QStringLiteral("%u"), first);
    Type(first, QStringLiteral("1234"));
    first->setCursorPosition(2);
    QTest::keyClicks(first, QStringLiteral("x5"));
    EXPECT_EQ(first->text(), "12534");
    EXPECT_EQ(first->cursorPosition(), 3);
}

TEST_F(EditConstraintTest, FilterAlsoCleansTextsThePasteOrProgramPutsIn)
{
    constraint->AttachOne(QStringLiteral("%u"), first);
    first->setText(QStringLiteral("1a2b3"));
    EXPECT_EQ(first->text(), "123");
    EXPECT_EQ(beeps, 2);
    first->setText(QStringLiteral("4\u0663")); // only ASCII digits
    EXPECT_EQ(first->text(), "4");
    EXPECT_EQ(beeps, 3);
}

TEST_F(EditConstraintTest, FilterLeavesMissingDataAndEmptyTextAlone)
{
    constraint->AttachOne(QStringLiteral("%u"), first);
    int calls = 0;
    constraint->SetChangeHandler(first, [&calls](QLineEdit *) { ++calls; });
    for (const char *text : {"(NULL)", "(NOTDONE)", "", "(null)"})
        first->setText(QString::fromUtf8(text));
    EXPECT_EQ(first->text(), ""); // "(null)" is no marker: filtered away letter by letter
    EXPECT_EQ(beeps, 6);
    EXPECT_EQ(calls, 0);
}

TEST_F(EditConstraintTest, AutomaticAdvanceMovesOnWhenTheBoxIsFull)
{
    constraint->AttachOne(QStringLiteral("%i{n1x20l2a}"), first);
    Type(first, QStringLiteral("1"));
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClicks(first, QStringLiteral("2"));
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(first->text(), "12");
}

TEST_F(EditConstraintTest, AutomaticAdvanceSkipsControlsThatTakeNoTabFocus)
{
    second->setEnabled(false);
    constraint->AttachOne(QStringLiteral("%i{l2a}"), first);
    Type(first, QStringLiteral("12"));
    EXPECT_TRUE(third->hasFocus());
}

TEST_F(EditConstraintTest, ProgramValuesInAnotherBoxDoNotMoveTheFocus)
{
    constraint->Attach(QStringLiteral("%i{l2a}%i{e.}"), {first, second});
    button->setFocus(Qt::MouseFocusReason);
    first->setText(QStringLiteral("12"));
    second->setText(QStringLiteral("3.4"));
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(second->text(), "34");
}

TEST_F(EditConstraintTest, JumpCharacterMovesOnInsteadOfBeingEntered)
{
    constraint->AttachOne(QStringLiteral("%i{e.}"), first);
    Type(first, QStringLiteral("12."));
    EXPECT_EQ(first->text(), "12");
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(beeps, 0);
}

// ---------------------------------------------------------------------------
// Exit check

TEST_F(EditConstraintTest, ExitCheckRejectsValuesThatDoNotFit)
{
    struct Case
    {
        const char *format;
        const char *text;
        const char *message; // empty: accepted
    };
    const Case cases[] = {
        {"%i{n1x4094}", "0", "(KtCommon) Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "4095", "(KtCommon) Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "1", ""},
        {"%i{n1x4094}", "04094", ""},
        {"%i", "-2147483649", "(KtCommon) Please enter a number between -2147483648 and 2147483647!"},
        {"%i", "-", "(KtCommon) Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967296", "(KtCommon) Please enter a number between 0 and 4294967295!"},
        {"%u", "4294967295", ""},
        {"%f", "-1.5", ""},
        {"%f", "0", ""},
        {"%f", ".",
         "(KtCommon) Please enter a number between -1.79769313486232e+308 and 1.79769313486232e+308!"},
        {"%f{n-0.5x2.25}", "2.5", "(KtCommon) Please enter a number between -0.5 and 2.25!"},
        {"%s{n1x208l3}", "abc", ""}, // limits have no effect on text
        {"%s{l4f}", "abc", "(KtCommon) Please enter a string whose length is 4!"},
        {"%s{l4f}", "abcd", ""},
        {"%h{l8f}", "abc", "(KtCommon) Please enter a hex string whose length is 8!"},
        {"%h{l8}", "abc", ""},
        {"%n.{n0x255l4f}", "10.1.1",
         "(KtCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,the count of the number is equal to 4!"},
        {"%n.{n0x255l4f}", "10.1.1.300",
         "(KtCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 0 and 255!"},
        {"%n.{n0x255l4f}", "10.1.1.255", ""},
        // An empty number is no number: "10.1.1." is not four of them.
        {"%n.{n0x255l4f}", "10.1.1.",
         "(KtCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 0 and 255!"},
        {"%n,{l2}", "1,2,3",
         "(KtCommon) Please enter a delimited number string with delimiter ','.\n"
         "Here,the count of the number is less than 2!"},
        {"%n,{l2}", "1", ""},
        {"%n.", "0.4294967295", ""},
        // A number beyond 32 bits must not wrap around into the range.
        {"%n.", "4294967296",
         "(KtCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 0 and 4294967295!"},
        {"%n.{x255}", "4294967551",
         "(KtCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 0 and 255!"},
        // Limits of kind n are whole numbers a 32-bit item can hold.
        {"%n.{n-5.7x9999999999}", "7", ""},
        {"%n.{n2.9x3.9}", "1",
         "(KtCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 2 and 3!"},
        {"%i{l3n}", "", "(KtCommon) Empty value is not allowed!"},
        {"%i{n1x5}", "", ""},
        {"%i{n1x5}", "(NULL)", ""},
        {"%i{n1x5}", "(NOTDONE)", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format + std::string(" ") + c.text);
        QLineEdit &box = *first;
        box.clear();
        constraint->AttachOne(QString::fromUtf8(c.format), &box);
        messages.clear();
        Leave(&box, QString::fromUtf8(c.text));
        if (*c.message == 0) {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(box.text(), c.text);
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].Text, c.message);
        }
        constraint->Detach(&box);
    }
}

TEST_F(EditConstraintTest, RejectingPutsTheLastAcceptedTextBackAndTheFocusInTheBox)
{
    constraint->AttachOne(QStringLiteral("%i{n1x4094}"), first);
    int finished = 0;
    QObject::connect(first, &QLineEdit::editingFinished, [&finished] { ++finished; });
    Leave(first, QStringLiteral("100"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(constraint->LastValid(first), "100");
    EXPECT_EQ(finished, 1);

    // The box keeps its focus: editing has not finished.
    Leave(first, QStringLiteral("5000"));
    EXPECT_EQ(finished, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, OneTo4094);
    EXPECT_EQ(messages[0].Owner, window.get());
    EXPECT_EQ(messages[0].Caption, QCoreApplication::applicationName());
    EXPECT_EQ(first->text(), "100");
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(EditConstraintTest, ARejectedFirstEntryEmptiesTheBox)
{
    constraint->AttachOne(QStringLiteral("%i{n1x4094}"), first);
    Type(first, QStringLiteral("0"));
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(first->text(), "");
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(EditConstraintTest, OnlyTheBoxThatWasLeftIsCheckedWhileRejecting)
{
    constraint->Attach(QStringLiteral("%i{n1x5}%i{n1x5}"), {first, second});
    second->setText(QStringLiteral("9")); // put there by the program, never checked
    first->setFocus(Qt::MouseFocusReason);
    first->setText(QStringLiteral("7"));
    QTest::keyClick(first, Qt::Key_Tab); // to second, whose loss of focus is no exit
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(second->text(), "9");
}

TEST_F(EditConstraintTest, AutomaticAdvanceChecksTheValueItLeaves)
{
    constraint->AttachOne(QStringLiteral("%i{n1x20l2a}"), first);
    Type(first, QStringLiteral("15"));
    EXPECT_TRUE(second->hasFocus());
    Type(first, QStringLiteral("\b\b25"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "(KtCommon) Please enter a number between 1 and 20!");
    EXPECT_EQ(first->text(), "15");
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(EditConstraintTest, SwitchingWindowsOrOpeningMenusIsNoExit)
{
    constraint->AttachOne(QStringLiteral("%i{n1x5}"), first);
    first->setFocus(Qt::MouseFocusReason);
    first->setText(QStringLiteral("9"));
    for (Qt::FocusReason reason :
         {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(first, &focusOut);
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(first->text(), "9");
}

TEST_F(EditConstraintTest, MessagesComeFromTheLoadedCatalogue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("common.err"));
    ASSERT_TRUE(WriteFile(
        path, "ok\nlogic\nformat\nempty\ns\ns\nh\nh\nZahl zwischen [MIN] und [MAX], nicht [MIN]\n"));
    ASSERT_TRUE(LoadCatalogue(CommonErr, path));

    constraint->AttachOne(QStringLiteral("%i{n1x4094}"), first);
    Leave(first, QStringLiteral("0"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Zahl zwischen 1 und 4094, nicht 1");
}

TEST_F(EditConstraintTest, TheDefaultMessageIsAModalBoxWithAnOkButton)
{
    capture_.ShowRealBoxes();
    QString title;
    QString text;
    QWidget *owner = nullptr;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        owner = box->parentWidget();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    constraint->AttachOne(QStringLiteral("%i{n1x4094}"), first);
    Leave(first, QStringLiteral("0"));
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_EQ(text, OneTo4094);
    EXPECT_EQ(owner, window.get());
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_EQ(first->text(), "");
    // The offscreen platform does not activate the window again after the
    // box; the box is the one to get the focus when it does.
    EXPECT_EQ(window->focusWidget(), first);
    EXPECT_EQ(messages.size(), 0u);
}

TEST_F(EditConstraintTest, SetWindowChangesTheOwnerOfMessages)
{
    QWidget dialog;
    constraint->SetWindow(&dialog);
    constraint->AttachOne(QStringLiteral("%i{n1x5}"), first);
    Leave(first, QStringLiteral("9"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Owner, &dialog);
}

TEST_F(EditConstraintTest, WithoutRememberValidOnlySaveTextSetsTheLastAcceptedText)
{
    KtEditConstraint forgetful(window.get(), false);
    forgetful.AttachOne(QStringLiteral("%i{n1x5}"), first);
    Leave(first, QStringLiteral("3"));
    EXPECT_EQ(forgetful.LastValid(first), "");
    first->setText(QStringLiteral("4"));
    forgetful.SaveText(first);
    Leave(first, QStringLiteral("9"));
    EXPECT_EQ(first->text(), "4");
}

// A box the program empties (cleared for a new entry) has no last accepted
// text any more: a refused entry empties it instead of bringing back the text
// of the row shown before. The filter's corrections change nothing of that.
TEST_F(EditConstraintTest, ABoxTheProgramEmptiesRestoresNothingOfTheRowBefore)
{
    constraint->AttachOne(QStringLiteral("%i{n1x6}"), first);
    first->setText(QStringLiteral("2")); // a row shown
    constraint->SaveText(first);
    button->setFocus(Qt::MouseFocusReason);
    first->clear(); // the editors cleared for a new entry, from a button
    Type(first, QStringLiteral("7"));
    second->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(first->text(), "");

    first->setText(QStringLiteral("3"));
    constraint->SaveText(first);
    Type(first, QStringLiteral("x")); // removed by the filter: "3" stays
    first->selectAll();
    Type(first, QStringLiteral("9"));
    second->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(first->text(), "3");
}

// ---------------------------------------------------------------------------
// Handlers

TEST_F(EditConstraintTest, ChangeHandlerSeesOnlyFilteredText)
{
    constraint->AttachOne(QStringLiteral("%u"), first);
    QStringList handled;
    QStringList signalled;
    constraint->SetChangeHandler(first, [&handled](QLineEdit *box) { handled << box->text(); });
    QObject::connect(first, &QLineEdit::textChanged,
                     [&signalled](const QString &text) { signalled << text; });
    Type(first, QStringLiteral("1a2"));
    EXPECT_EQ(handled, QStringList({"1", "1", "12"}));
    // The window's own connection keeps seeing every change.
    EXPECT_TRUE(signalled.contains("1a"));
    EXPECT_EQ(signalled.last(), "12");
}

TEST_F(EditConstraintTest, VetoOfTheChangeHandlerStopsTheAutomaticAdvance)
{
    constraint->AttachOne(QStringLiteral("%i{l2a}"), first);
    constraint->SetChangeHandler(first,
                                 [](QLineEdit *box) { box->setProperty(KtEditConstraint::TagProperty, -1); });
    Type(first, QStringLiteral("12"));
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(EditConstraintTest, ExitHandlerRunsForAcceptedValuesAndMayVeto)
{
    constraint->AttachOne(QStringLiteral("%i{n1x5}"), first);
    QStringList seen;
    constraint->SetExitHandler(first, [&seen](QLineEdit *box) {
        seen << box->text();
        box->setProperty(KtEditConstraint::TagProperty, box->text() == "4" ? -1 : 0);
    });
    Leave(first, QStringLiteral("3"));
    Leave(first, QStringLiteral("9")); // rejected: no handler call
    Leave(first, QStringLiteral("4")); // vetoed: the last accepted text comes back
    EXPECT_EQ(seen, QStringList({"3", "4"}));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(first->text(), "3");
    EXPECT_EQ(constraint->LastValid(first), "3");
}

TEST_F(EditConstraintTest, HandlersNeedAnAttachedBox)
{
    EXPECT_FALSE(constraint->SetChangeHandler(first, [](QLineEdit *) {}));
    EXPECT_FALSE(constraint->SetExitHandler(nullptr, [](QLineEdit *) {}));
    constraint->AttachOne(QStringLiteral("%s"), first);
    EXPECT_TRUE(constraint->SetExitHandler(first, [](QLineEdit *) {}));
}

TEST_F(EditConstraintTest, HandlerMayDetachItsOwnBox)
{
    constraint->AttachOne(QStringLiteral("%i{n1x5l1a}"), first);
    constraint->SetChangeHandler(first, [this](QLineEdit *box) { constraint->Detach(box); });
    Type(first, QStringLiteral("9"));
    EXPECT_FALSE(constraint->IsAttached(first));
    EXPECT_TRUE(first->hasFocus());
}

// ---------------------------------------------------------------------------
// Life cycle

TEST_F(EditConstraintTest, ReattachingTakesTheNewFormatAndKeepsTheRest)
{
    constraint->AttachOne(QStringLiteral("%u{l3}"), first);
    Leave(first, QStringLiteral("123"));
    int calls = 0;
    constraint->SetChangeHandler(first, [&calls](QLineEdit *) { ++calls; });
    constraint->AttachOne(QStringLiteral("%s"), first);
    EXPECT_EQ(first->maxLength(), QLineEdit().maxLength());
    EXPECT_EQ(constraint->LastValid(first), "123");
    Type(first, QStringLiteral("x"));
    EXPECT_EQ(first->text(), "123x");
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(EditConstraintTest, DetachGivesTheBoxBackItsOwnBehaviour)
{
    first->setMaxLength(10);
    int signalled = 0;
    QObject::connect(first, &QLineEdit::textChanged, [&signalled] { ++signalled; });
    constraint->AttachOne(QStringLiteral("%u{l3}"), first);
    constraint->Detach(first);
    constraint->Detach(first); // a second time does nothing

    EXPECT_EQ(first->maxLength(), 10);
    Type(first, QStringLiteral("ab"));
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(first->text(), "ab");
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(signalled, 2);
}

TEST_F(EditConstraintTest, ABoxMayBeDestroyedWhileAttached)
{
    constraint->Attach(QStringLiteral("%u%u"), {first, second});
    first->setFocus(Qt::MouseFocusReason);
    first->setText(QStringLiteral("1"));
    delete first; // loses the focus while it is destroyed
    first = nullptr;
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(constraint->IsAttached(second));
    constraint.reset();
}

TEST_F(EditConstraintTest, BoxesOutliveTheConstraintUnharmed)
{
    constraint->AttachOne(QStringLiteral("%u{l3}"), first);
    constraint.reset();
    Type(first, QStringLiteral("abcd"));
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(first->text(), "abcd");
    EXPECT_EQ(beeps, 0);
}

} // namespace
