#pragma once

// Shared pieces of the access-profile window tests: a simulator per test
// with the engine pointed at it, a device state whose units the port grids
// show, captured message boxes, and the net-snmp tools that check
// what the agent holds.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "QgPortGrid.h"
#include "QgSimSuite.h"
#include "QgTreeRows.h"
#include "QgUnitRows.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TStackingPortUitForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace acl_test {

// A simulator per test (every test starts from the data files' rows); a
// device state with the simulator's three units and captured message boxes.
class AclSimTest : public QgSimSuite
{
protected:
    static void SetUpTestSuite() {}

    void SetUp() override
    {
        StartSim({"--static-leds"});
        QgSimSuite::SetUp();
        state_.SetUnitRows(QgUnitRows(QgSimStack));
    }
    void TearDown() override
    {
        sim_.reset();
        QgSimSuite::TearDown();
    }

    // Nothing answers on the simulator's port once it has stopped.
    void SilenceAgent() { sim_->Stop(); }

    // An Add the window refuses before sending: the key and the row status
    // item chosen, the one message shown and the control given the focus.
    struct RefusedAdd
    {
        const char *Id;
        int RowStatusItem;
        const char *Message;
        const char *Focus;
    };
    void ExpectAddRefused(QWidget &form, QLineEdit *id, QComboBox *rowStatus, QAbstractButton *add,
                          const RefusedAdd &c)
    {
        messages_.clear();
        id->setText(QString::fromLatin1(c.Id));
        rowStatus->setCurrentIndex(c.RowStatusItem);
        add->click();
        EXPECT_EQ(messages_, QStringList({QString::fromLatin1(c.Message)}));
        ASSERT_TRUE(form.focusWidget());
        EXPECT_EQ(form.focusWidget()->objectName(), QString::fromLatin1(c.Focus));
    }

    KtDeviceState state_;
};

} // namespace acl_test
