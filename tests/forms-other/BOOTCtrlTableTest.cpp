// The BOOTP relay table and its entry dialog: at most four servers per
// interface name, entries written as valid, deletes written as invalid, and
// what the dialog's boxes hold when it opens.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgOwnSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TBOOTCtrlTableForm.h"
#include "TNewBootpCtrlForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kTable = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.3.3.1.4.1.3");

// Every test changes the table, so each gets a fresh simulator.
class BOOTCtrlTableTest : public QgOwnSimSuite
{
protected:
    // The state column as "index = value" lines.
    QStringList Rows() const
    {
        QStringList rows;
        for (const QString &line : Walk(*own_, kTable).split('\n', Qt::SkipEmptyParts))
            rows << line.mid(kTable.size() + 2).remove("INTEGER: ");
        return rows;
    }
    static QString Index(const QString &name, const QString &address)
    {
        QStringList parts{QString::number(name.size())};
        for (QChar c : name)
            parts << QString::number(c.unicode());
        return parts.join('.') + '.' + address;
    }
};

TEST_F(BOOTCtrlTableTest, AFifthServerForOneInterfaceIsRefused)
{
    TBOOTCtrlTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 5);
    ASSERT_EQ(form.ServerCount("System"), 4);
    const QStringList before = Rows();

    TNewBootpCtrlForm *dialog = form.NewEntryForm;
    dialog->show();
    dialog->Edit1->setText("System");
    dialog->Edit2->setText("10.1.1.5");
    dialog->SetBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(messages_, QStringList{TBOOTCtrlTableForm::TooManyServers});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Edit1->text(), "System");
    EXPECT_EQ(Rows(), before);
}

TEST_F(BOOTCtrlTableTest, OtherNamesAreWrittenValidAndTheTableIsReadAgain)
{
    const struct
    {
        QString name;
        QString address;
    } cases[] = {
        {"system", "10.1.1.5"}, // another letter case is another interface
        {"ip2", "10.2.2.2"},
        {"vlan7", "192.168.7.1"},
    };
    TBOOTCtrlTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    int rows = form.ListView1->topLevelItemCount();
    for (const auto &test : cases) {
        TNewBootpCtrlForm *dialog = form.NewEntryForm;
        dialog->show();
        dialog->Edit1->setText(test.name);
        dialog->Edit2->setText(test.address);
        dialog->SetBtn->click();
        ASSERT_TRUE(WaitIdle(form.Binding.get()));
        EXPECT_TRUE(Rows().contains(Index(test.name, test.address) + " = 3"))
            << Rows().join('|').toStdString();
        EXPECT_EQ(form.ListView1->topLevelItemCount(), ++rows);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(dialog->Edit1->text().isEmpty());
        EXPECT_TRUE(dialog->Edit2->text().isEmpty());
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    for (const QString &line : form.Memo1->toPlainText().split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.contains("Ok!")) << line.toStdString();
}

TEST_F(BOOTCtrlTableTest, DeleteWritesTheSelectedRowInvalid)
{
    TBOOTCtrlTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    QTreeWidgetItem *ip2 = nullptr;
    for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row)
        if (form.ListView1->topLevelItem(row)->text(0) == "ip2")
            ip2 = form.ListView1->topLevelItem(row);
    ASSERT_NE(ip2, nullptr);
    form.ListView1->setCurrentItem(ip2);
    // The hidden dialog's boxes hold the selected row's index.
    EXPECT_EQ(form.NewEntryForm->Edit1->text(), "ip2");
    EXPECT_EQ(form.NewEntryForm->Edit2->text(), "10.2.2.1");

    form.DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_FALSE(Rows().join('|').contains(Index("ip2", "10.2.2.1"))) << Rows().join('|').toStdString();
    EXPECT_EQ(Rows().size(), 4);
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 4);
}

TEST_F(BOOTCtrlTableTest, TheDialogOpensEmptyFirstAndWithTheSelectedRowLater)
{
    TBOOTCtrlTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    TNewBootpCtrlForm *dialog = form.NewEntryForm;
    EXPECT_EQ(TNewBootpCtrlForm::Current, dialog);
    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
    ASSERT_FALSE(dialog->Edit1->text().isEmpty());

    WhenModal("NewBootpCtrlForm", [](QDialog *shown) {
        auto *open = static_cast<TNewBootpCtrlForm *>(shown);
        EXPECT_TRUE(open->Edit1->text().isEmpty());
        EXPECT_TRUE(open->Edit2->text().isEmpty());
        EXPECT_TRUE(open->Edit1->isEnabled());
        open->CloseBtn->click();
    });
    form.AddBtn->click();

    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(1));
    form.RefreshBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    // The walk left the index boxes disabled; opening the dialog enables them
    // and keeps the row last selected.
    ASSERT_FALSE(dialog->Edit1->isEnabled());
    const QString name = dialog->Edit1->text();
    const QString address = dialog->Edit2->text();
    ASSERT_FALSE(address.isEmpty());
    WhenModal("NewBootpCtrlForm", [name, address](QDialog *shown) {
        auto *open = static_cast<TNewBootpCtrlForm *>(shown);
        EXPECT_EQ(open->Edit1->text(), name);
        EXPECT_EQ(open->Edit2->text(), address);
        EXPECT_TRUE(open->Edit1->isEnabled());
        EXPECT_TRUE(open->Edit2->isEnabled());
        open->CloseBtn->click();
    });
    form.AddBtn->click();
}

TEST_F(BOOTCtrlTableTest, AnUnreadableAddressKeepsTheEntryInTheDialog)
{
    TBOOTCtrlTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    const QStringList before = Rows();
    TNewBootpCtrlForm *dialog = form.NewEntryForm;
    dialog->show();
    dialog->Edit1->setText("ip9");
    dialog->Edit2->setText("10.300.1");
    dialog->SetBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(dialog->Edit2->text(), "10.300.1");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(messages_.size(), 1) << messages_.join('|').toStdString()
                                   << form.Memo1->toPlainText().toStdString();
}

// A server address with a fifth part is no address: the relay used to go
// to its first four parts (1.2.3.4.6 as 1.2.3.4). Nothing is sent, the
// message names the field and what it takes, the entry stays for correction.
TEST_F(BOOTCtrlTableTest, AServerAddressWithMoreThanFourPartsIsRefusedAndNothingIsSent)
{
    TBOOTCtrlTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    const QStringList before = Rows();
    own_->Sets().Clear();
    TNewBootpCtrlForm *dialog = form.NewEntryForm;
    dialog->show();
    dialog->Edit1->setText("ip9");
    dialog->Edit2->setText("1.2.3.4.6");
    dialog->SetBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    ASSERT_TRUE(own_->WaitForSets());
    EXPECT_TRUE(own_->Sets().Read().empty()) << own_->Sets().Describe().toStdString();
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(messages_,
              QStringList{"Bootp Server IP: '1.2.3.4.6' is not an address of four numbers from 0 to "
                          "255 joined by dots."});
    EXPECT_EQ(dialog->Edit2->text(), "1.2.3.4.6");
    EXPECT_TRUE(dialog->isVisible());
}

} // namespace
