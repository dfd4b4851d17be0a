// What administrators type into the generic windows of the menu, each SET
// captured by the simulator's set log: a text that is not one whole value
// of its field sends nothing and the memo says, as a failed write, which
// field is wrong and what it takes; the whole value sends exactly itself.
#include "KtMenuCatalogue.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSetSteps.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const KtMenuItem *FindItem(const KtMenuItem *items, const char *caption)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        if (qstrcmp(item->Caption, caption) == 0 && item->Vars)
            return item;
        if (const KtMenuItem *found = FindItem(item->Children, caption))
            return found;
    }
    return nullptr;
}

// A generic window of the menu, set up as the menu sets it up.
struct MenuWindow
{
    TConfigForm Form;
    TSNMPEditorPanel *Panel = nullptr;
    TSNMPListViewPanel *List = nullptr;

    explicit MenuWindow(const KtMenuItem &item)
    {
        auto binding = std::make_unique<KtSNMPRequest2Edits>(&Form);
        binding->Request.Vars = KtSNMPVarList(item.Vars, item.Kind, item.IndexCount);
        if (item.Action == KtMenuAction::Editor) {
            Panel = Form.SetEditorType(std::move(binding));
        } else {
            List = Form.SetListViewType(std::move(binding), item.AddIndex, QString::fromUtf8(item.AddValue),
                                        item.DeleteIndex, QString::fromUtf8(item.DeleteValue));
            Panel = List;
        }
        Form.setWindowTitle(QString::fromUtf8(item.Window));
        Form.show();
    }
    bool Read()
    {
        return WaitUntil([this] { return Form.CurrentBinding && !Form.CurrentBinding->Busy; });
    }
    TEditsPanel *Rows() const { return Panel->EditsPanel; }
    QString Memo() const { return Panel->MessagePanel()->Memo->toPlainText(); }
    void ClearMemo() const { Panel->MessagePanel()->Memo->clear(); }
    void Type(int row, const QString &text) const
    {
        Rows()->EditBox(row)->setText(text);
        if (!Rows()->Rows[size_t(row)].CheckBox->isChecked())
            QTest::mouseClick(Rows()->Rows[size_t(row)].CheckBox, Qt::LeftButton);
    }
    // Add: `fill` types into the dialog's rows, then Set Checked; the
    // dialog is closed if the write left it open.
    void Add(const std::function<void(TEditsPanel *)> &fill) const
    {
        WhenModal("RowDialog", [&](QDialog *dialog) {
            fill(Rows());
            QTest::mouseClick(dialog->findChild<TCtrlBtnPanel *>()->SetCheckedBtn, Qt::LeftButton);
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::mouseClick(List->BtnPanel->AddBtn, Qt::LeftButton);
    }
};

class TypedValueWindows : public QgSimSuite
{
protected:
    void SetUp() override
    {
        QgSimSuite::SetUp();
        sim_->Sets().Clear();
    }
    std::vector<QgSetPdu> Sets() { return TakeSets(*sim_); }
};

// Ping Test repetitions: the leading number of what was typed used to be
// written (12abc as 12, 1 2 as 1, 0x1F as 0, 3.9 as 3, 5e3 as 5, 7E as 7).
TEST_F(TypedValueWindows, PingRepetitionsAreWholeNumbersOrNothingIsSent)
{
    const KtMenuItem *item = FindItem(MainMenu1, "Ping Test");
    ASSERT_NE(item, nullptr);
    MenuWindow window(*item);
    ASSERT_TRUE(window.Read());
    const QString repetition = QStringLiteral("1.3.6.1.4.1.47893.12.1.4.2.0");
    for (const char *typed : {"12abc", "1 2", "0x1F", "3.9", "5e3", "7E", "", "2147483648"}) {
        SCOPED_TRACE(typed);
        window.ClearMemo();
        window.Type(1, QString::fromLatin1(typed));
        QTest::mouseClick(window.Panel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
        EXPECT_TRUE(Sets().empty());
        const QString expected =
            *typed ? QStringLiteral(
                         "Set: agentPingTestRepetition: '%1' is not a whole number from -2147483648 to "
                         "2147483647.")
                         .arg(typed)
                   : QStringLiteral("");
        if (*typed)
            EXPECT_TRUE(window.Memo().startsWith(expected)) << window.Memo().toStdString() << "\n"
                                                            << messages_.join('|').toStdString();
        else
            EXPECT_FALSE(window.Memo().contains("Ok!")) << window.Memo().toStdString();
    }
    window.ClearMemo();
    window.Type(1, QStringLiteral(" 12 "));
    QTest::mouseClick(window.Panel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
    const std::vector<QgSetPdu> pdus = Sets();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_EQ(pdus[0].Texts(), QStringList{repetition + "=integer:12"});
    EXPECT_TRUE(window.Memo().startsWith("Set: (KtSNMP++) Ok!")) << window.Memo().toStdString();
}

// IP Static Routing Table: the index encoder used to cut an address to its
// first four parts and create the route 10.9.9.0/255.255.255.0 ("Ok").
TEST_F(TypedValueWindows, AStaticRouteIsCreatedForTheWholeAddressesTypedOrNotAtAll)
{
    StartOwnSim(); // routes are added
    const KtMenuItem *item = FindItem(MainMenu1, "IP Static Routing Table");
    ASSERT_NE(item, nullptr);
    MenuWindow window(*item);
    ASSERT_TRUE(window.Read());
    own_->Sets().Clear();
    auto route = [&](const char *destination, const char *mask) {
        window.ClearMemo();
        window.Add([&](TEditsPanel *rows) {
            rows->EditBox(0)->setText(QString::fromLatin1(destination));
            rows->EditBox(1)->setText(QString::fromLatin1(mask));
            rows->ComboBox(2)->setCurrentIndex(0);
            rows->EditBox(3)->setText(QStringLiteral("10.1.1.1"));
            rows->Rows[3].CheckBox->setChecked(true);
        });
        EXPECT_TRUE(window.Read());
        return TakeSets(*own_);
    };
    struct Refused
    {
        const char *Destination;
        const char *Mask;
        const char *Memo;
    };
    const Refused refused[] = {
        {"10.9.9.0.7", "255.255.255.0.99",
         "Set: Destination: '10.9.9.0.7' is not an address of four numbers from 0 to 255 joined by dots."},
        {"10.9.9.0", "255.255.255.0.99",
         "Set: Mask: '255.255.255.0.99' is not an address of four numbers from 0 to 255 joined by dots."},
        {"10.9.9", "255.255.255.0",
         "Set: Destination: '10.9.9' is not an address of four numbers from 0 to 255 joined by dots."},
        {"10.9.9.0", "255.255.255.256",
         "Set: Mask: '255.255.255.256' is not an address of four numbers from 0 to 255 joined by dots."},
    };
    for (const Refused &c : refused) {
        SCOPED_TRACE(c.Destination);
        EXPECT_TRUE(route(c.Destination, c.Mask).empty());
        EXPECT_TRUE(window.Memo().contains(QString::fromLatin1(c.Memo))) << window.Memo().toStdString();
        EXPECT_FALSE(window.Memo().contains("Set: (KtSNMP++) Ok!")) << window.Memo().toStdString();
    }
    const std::vector<QgSetPdu> pdus = route("10.9.9.0", "255.255.255.0");
    ASSERT_EQ(pdus.size(), 1u);
    ASSERT_FALSE(pdus[0].Bindings.empty());
    EXPECT_TRUE(pdus[0].Bindings[0].Oid.endsWith(".10.9.9.0.255.255.255.0.1"))
        << pdus[0].Bindings[0].Oid.toStdString();
}

// System Log Server Add: "514abc" used to write port 514 and say "Ok".
TEST_F(TypedValueWindows, ASyslogServerPortIsTheWholeNumberTypedOrNothingIsSent)
{
    const KtMenuItem *item = FindItem(MainMenu1, "System Log Server Table");
    ASSERT_NE(item, nullptr);
    MenuWindow window(*item);
    ASSERT_TRUE(window.Read());
    for (const char *port : {"514abc", "5 14", "0x202"}) {
        SCOPED_TRACE(port);
        window.ClearMemo();
        window.Add([&](TEditsPanel *rows) {
            rows->ComboBox(0)->setCurrentIndex(2);
            rows->EditBox(3)->setText(QString::fromLatin1(port));
            rows->Rows[3].CheckBox->setChecked(true);
        });
        ASSERT_TRUE(window.Read());
        EXPECT_TRUE(Sets().empty());
        EXPECT_TRUE(window.Memo().contains(
            QStringLiteral("Set: swSysLogServerUDPPort: '%1' is not a whole number").arg(port)))
            << window.Memo().toStdString();
        EXPECT_FALSE(window.Memo().contains("Set: (KtSNMP++) Ok!")) << window.Memo().toStdString();
    }
}

} // namespace
