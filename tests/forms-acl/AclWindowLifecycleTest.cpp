// All six access-profile windows: modal runs that close with their reads
// done, and a silent agent that leaves each window open, idle and told why.
#include "AclFixture.h"
#include "KtSNMPRequest2Edits.h"
#include "TEthernetInformationRuleForm.h"
#include "TEthernetMaskInformationForm.h"
#include "TIPMaskInformationForm.h"
#include "TIPRuleForm.h"
#include "TUserDefinedInformationRuleForm.h"
#include "TUserMaskInfoForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace acl_test;

namespace {

struct WindowCase
{
    const char *Name;
    std::function<TAclTableForm *(QWidget *owner, KtDeviceState *state)> Make;
};

const WindowCase kWindows[] = {
    {"Ethernet mask",
     [](QWidget *owner, KtDeviceState *state) { return new TEthernetMaskInformationForm(owner, state); }},
    {"IP mask",
     [](QWidget *owner, KtDeviceState *state) { return new TIPMaskInformationForm(owner, state); }},
    {"payload mask",
     [](QWidget *owner, KtDeviceState *state) { return new TUserMaskInfoForm(owner, state); }},
    {"Ethernet rule",
     [](QWidget *owner, KtDeviceState *state) { return new TEthernetInformationRuleForm(owner, state); }},
    {"IP rule", [](QWidget *owner, KtDeviceState *state) { return new TIPRuleForm(owner, state); }},
    {"payload rule",
     [](QWidget *owner, KtDeviceState *state) { return new TUserDefinedInformationRuleForm(owner, state); }},
};

using AclWindowLifecycleTest = AclSimTest;

} // namespace

TEST_F(AclWindowLifecycleTest, EachWindowRunsModallyOverItsOwnerAndCloses)
{
    for (const WindowCase &c : kWindows) {
        SCOPED_TRACE(c.Name);
        QWidget owner;
        std::unique_ptr<TAclTableForm> form(c.Make(&owner, &state_));
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->parentWidget(), &owner);
        EXPECT_EQ(form->ListView1->topLevelItemCount(), 1);
        bool wasVisible = false;
        QTimer::singleShot(0, form.get(), [&] {
            wasVisible = form->isVisible();
            form->reject();
        });
        EXPECT_EQ(form->exec(), int(QDialog::Rejected));
        EXPECT_TRUE(wasVisible);
        // Closed: the binding is gone and a click does nothing.
        EXPECT_FALSE(form->Binding);
        for (QPushButton *button : form->findChildren<QPushButton *>())
            button->click();
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(AclWindowLifecycleTest, ASilentAgentLeavesEachWindowOpenIdleAndToldWhy)
{
    SilenceAgent();
    KtSNMPDefaults.TimeOut = 20;
    for (const WindowCase &c : kWindows) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TAclTableForm> form(c.Make(nullptr, &state_));
        form->show();
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->StatusPanel->text().isEmpty());
        EXPECT_FALSE(form->StatusPanel->text().startsWith("Get:")) << form->StatusPanel->text().toStdString();
        EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
        // The failed blocking read paused the list's painting; it is on again.
        EXPECT_TRUE(form->ListView1->updatesEnabled());
        if (auto *rule = dynamic_cast<TAclRuleForm *>(form.get())) {
            EXPECT_EQ(rule->StaticText1->text(), "0");
            EXPECT_TRUE(rule->AddButton->isEnabled());
            EXPECT_FALSE(rule->EditButton->isEnabled());
        }
        form->close();
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(AclWindowLifecycleTest, AFailedRuleEditKeepsTheRowStateOfTheButtons)
{
    TEthernetInformationRuleForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
    SilenceAgent();
    form.Binding->Request.TimeOut = 20;
    form.Box(TEthernetInformationRuleForm::Col8021p)->setChecked(true);
    form.EditButton->click();
    EXPECT_FALSE(form.StatusPanel->text().isEmpty());
    EXPECT_TRUE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.DeleteButton->isEnabled());
    EXPECT_FALSE(form.AddButton->isEnabled());
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);

    // A failed add ends idle.
    form.FirstKeyEdit->setEnabled(true);
    form.SecondKeyEdit->setEnabled(true);
    form.FirstKeyEdit->setText("5");
    form.SecondKeyEdit->setText("5");
    form.AddButtonClick();
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.AddButton->isEnabled());
}
