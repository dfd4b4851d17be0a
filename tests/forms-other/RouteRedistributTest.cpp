// The route redistribution window: the rules that tie the metric range and
// the route types to the pair of protocols, the metric check, the type radio
// buttons, and rows added, changed and deleted on the simulator.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgOwnSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TRouteRedistributForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QString kEntry = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.3.5.1");

// Tests that write get a simulator of their own.
class RouteRedistributTest : public QgOwnSimSuite
{
protected:
    QString Column(int column, const QString &index) const
    {
        return GetHex(*own_, QStringLiteral("%1.%2.%3").arg(kEntry).arg(column).arg(index));
    }
    QString Rows() const { return Walk(*own_, kEntry + ".5"); }
    static QTreeWidgetItem *Row(const TRouteRedistributForm &form, const QString &source,
                                const QString &destination)
    {
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row) {
            QTreeWidgetItem *item = form.ListView1->topLevelItem(row);
            QStringList cells;
            for (int column = 0; column < item->columnCount(); ++column)
                cells << item->text(column);
            if (cells.value(0) == source && cells.value(1) == destination)
                return item;
        }
        return nullptr;
    }
    static QStringList EnabledTypes(const TRouteRedistributForm &form)
    {
        QStringList names;
        for (const QRadioButton *radio : form.RadioButton)
            if (radio->isEnabled())
                names << radio->text();
        return names;
    }
};

const QStringList kAllTypes = {"other",    "all",      "type-1",   "type-2",   "internal",
                               "external", "inter+E1", "inter+E2", "extType1", "extType2"};

TEST_F(RouteRedistributTest, ProtocolPairsDecideTheRangeAndTheTypes)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(form.windowTitle(), "Route Redistribution Table");
    QStringList ripFromOspf = kAllTypes;
    ripFromOspf.removeAll("type-1");
    ripFromOspf.removeAll("type-2");
    const struct
    {
        QString source;
        QString destination;
        QString range;
        QStringList types;
    } cases[] = {
        {"ospf", "rip", "[0..16]", ripFromOspf},
        {"static", "ospf", "[0..16777214]", {"type-1", "type-2"}},
        {"static", "rip", "[0..16]", {"all"}},
        {"rip", "ospf", "[0..16777214]", {"type-1", "type-2"}},
        {"local", "rip", "[0..16]", {"all"}},
        // rip to rip changes nothing: the range and types stay as they were.
        {"rip", "rip", "[0..16]", {"all"}},
    };
    for (const auto &test : cases) {
        form.ComboBox1->setCurrentText(test.source);
        form.ComboBox2->setCurrentText(test.destination);
        EXPECT_EQ(form.Label5->text(), test.range)
            << test.source.toStdString() << test.destination.toStdString();
        EXPECT_EQ(EnabledTypes(form), test.types)
            << test.source.toStdString() << test.destination.toStdString();
    }
}

TEST_F(RouteRedistributTest, ClickingARowChecksItsTypeAndAppliesTheRules)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 2);
    EXPECT_FALSE(form.DeleteBtn->isEnabled());

    form.ListView1->setCurrentItem(Row(form, "ospf", "rip"));
    EXPECT_TRUE(form.DeleteBtn->isEnabled());
    EXPECT_TRUE(form.RadioButton[6]->isChecked()); // inter+E1
    EXPECT_EQ(form.Edit1->text(), "5");
    EXPECT_EQ(form.Label5->text(), "[0..16]");
    EXPECT_FALSE(form.RadioButton[2]->isEnabled());

    form.ListView1->setCurrentItem(Row(form, "static", "ospf"));
    EXPECT_TRUE(form.RadioButton[3]->isChecked()); // type-2
    EXPECT_EQ(form.ComboBox3->currentText(), "type-2");
    EXPECT_EQ(form.Label5->text(), "[0..16777214]");
    EXPECT_EQ(EnabledTypes(form), QStringList({"type-1", "type-2"}));
}

TEST_F(RouteRedistributTest, RadioButtonsPickTheHiddenType)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    for (QRadioButton *radio : form.RadioButton)
        radio->setEnabled(true);
    const struct
    {
        int button;
        int item;
    } cases[] = {{2, 0}, {10, 8}, {7, 5}, {1, -1}};
    for (const auto &test : cases) {
        form.RadioButton[test.button - 1]->click();
        EXPECT_EQ(form.ComboBox3->currentIndex(), test.item) << test.button;
    }
}

TEST_F(RouteRedistributTest, TheMetricMustFitTheDestination)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    const struct
    {
        QString source;
        QString destination;
        QString metric;
        QString message; // empty: written
    } cases[] = {
        {"static", "ospf", "16777215", "Metric out of Bound [0..16777214]"},
        {"static", "ospf", "-1", "Metric out of Bound [0..16777214]"},
        {"ospf", "rip", "17", "Metric out of Bound [0..16]"},
        {"ospf", "rip", "16", ""},
        {"static", "ospf", "16777214", ""},
        {"ospf", "rip", "0", ""},
    };
    for (const auto &test : cases) {
        messages_.clear();
        form.ListView1->setCurrentItem(Row(form, test.source, test.destination));
        const QString index = test.source == "ospf" ? "3.2" : "4.3";
        const QString before = Column(4, index);
        form.Edit1->setText(test.metric);
        form.EditBtn->click();
        ASSERT_TRUE(WaitIdle(form.Binding.get()));
        if (test.message.isEmpty()) {
            EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
            EXPECT_EQ(Column(4, index), test.metric);
        } else {
            EXPECT_EQ(messages_, QStringList{test.message});
            EXPECT_EQ(form.focusWidget(), form.Edit1);
            EXPECT_EQ(Column(4, index), before);
        }
    }

    // An empty metric only moves the focus; nothing is written.
    messages_.clear();
    form.RefreshBtn->setFocus();
    const QString rows = Rows();
    form.Edit1->clear();
    form.AddBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(form.focusWidget(), form.Edit1);
    EXPECT_EQ(Rows(), rows);
}

TEST_F(RouteRedistributTest, AddCreatesAndGoesAndDeleteDestroys)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    form.ComboBox1->setCurrentText("local");
    form.ComboBox2->setCurrentText("rip");
    form.RadioButton[1]->click(); // all
    form.Edit1->setText("3");
    form.AddBtn->click();
    EXPECT_EQ(form.StComboBox->currentText(), "createAndGo");
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(Column(5, "5.2"), "1"); // created active
    EXPECT_EQ(Column(3, "5.2"), "2");
    EXPECT_EQ(Column(4, "5.2"), "3");
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 3);

    form.ListView1->setCurrentItem(Row(form, "ospf", "rip"));
    own_->Sets().Clear();
    form.DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    ASSERT_EQ(own_->Sets().Read().size(), 1u) << own_->Sets().Describe().toStdString();
    EXPECT_TRUE(own_->Sets().Read()[0].Texts().contains(kEntry + ".5.3.2=integer:6"))
        << own_->Sets().Describe().toStdString();
    EXPECT_FALSE(Rows().contains(kEntry + ".5.3.2 ")) << Rows().toStdString();
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(Row(form, "ospf", "rip"), nullptr);
    EXPECT_FALSE(form.DeleteBtn->isEnabled());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

// After a Delete the hidden status no longer says "destroy": a Set with no
// row selected writes nothing, and a Set of a selected row writes the status
// it was read with.
TEST_F(RouteRedistributTest, ASetAfterADeleteDestroysNothing)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    form.ListView1->setCurrentItem(Row(form, "ospf", "rip"));
    form.DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    own_->Sets().Clear();
    form.Edit1->setText("4");
    form.EditBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_TRUE(own_->Sets().Read().empty()) << own_->Sets().Describe().toStdString();
    EXPECT_TRUE(form.Memo1->toPlainText().contains("Set: No row is selected."))
        << form.Memo1->toPlainText().toStdString();

    QTreeWidgetItem *remaining = form.ListView1->topLevelItem(0);
    ASSERT_NE(remaining, nullptr);
    form.ListView1->setCurrentItem(remaining);
    form.Edit1->setText("4");
    form.EditBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    const std::vector<QgSetPdu> pdus = own_->Sets().Read();
    ASSERT_EQ(pdus.size(), 1u) << own_->Sets().Describe().toStdString();
    for (const QString &binding : pdus[0].Texts())
        EXPECT_FALSE(binding.startsWith(kEntry + ".5.") && binding.endsWith("=integer:6"))
            << binding.toStdString();
    EXPECT_EQ(pdus[0].Error, "noError");
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
}

TEST_F(RouteRedistributTest, AMetricThatIsNoNumberWritesNothing)
{
    TRouteRedistributForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    form.ListView1->setCurrentItem(Row(form, "ospf", "rip"));
    // The box drops characters that cannot belong to an integer as they come.
    form.Edit1->setText("1x");
    EXPECT_EQ(form.Edit1->text(), "1");
    form.Edit1->setText("-");
    ASSERT_EQ(form.Edit1->text(), "-");
    form.EditBtn->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(Column(4, "3.2"), "5");
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

} // namespace
