// The SSL window: the cipher-suite octet decoded into four combo boxes after
// a read, encoded from them for a write, and the check for empty boxes.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TSSLManagementForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {

const QString kSslVersion = QStringLiteral("1.3.6.1.4.1.47893.12.7.1.1.0");
const QString kTlsVersion = QStringLiteral("1.3.6.1.4.1.47893.12.7.1.2.0");
const QString kCipherSuites = QStringLiteral("1.3.6.1.4.1.47893.12.7.1.3.0");

class SSLManagementTest : public QgSimSuite
{
protected:
    void SetOctets(const QString &hex)
    {
        Set(*sim_, {kCipherSuites, "x", hex});
        ASSERT_EQ(GetHex(*sim_, kCipherSuites).remove(' '), hex);
    }
    void SetInteger(const QString &oid, int value) { Set(*sim_, {oid, "i", QString::number(value)}); }
    static QStringList SuiteTexts(const TSSLManagementForm &form)
    {
        QStringList texts;
        for (const QComboBox *combo : form.cbxciphersuites)
            texts << combo->currentText();
        return texts;
    }
};

TEST_F(SSLManagementTest, ReadShowsTheHighHalfOfTheCipherSuiteOctet)
{
    const QString on = QStringLiteral("enabled");
    const QString off = QStringLiteral("disabled");
    const struct
    {
        QString octet;
        QStringList suites;
    } cases[] = {
        {"A0", {on, off, on, off}},   {"F0", {on, on, on, on}},
        {"00", {off, off, off, off}}, {"1F", {off, off, off, on}}, // the low half is ignored
        {"5A", {off, on, off, on}},
    };
    SetInteger(kTlsVersion, 2);
    for (const auto &test : cases) {
        SetOctets(test.octet);
        TSSLManagementForm form;
        form.show();
        ASSERT_TRUE(WaitIdle(form.Binding.get()));
        EXPECT_EQ(form.edtciphersuites->text(), test.octet);
        EXPECT_EQ(SuiteTexts(form), test.suites) << test.octet.toStdString();
        EXPECT_EQ(form.cbxTLSVersion->currentText(), "disabled");
        EXPECT_EQ(form.windowTitle(), "SSL Management Table");
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(SSLManagementTest, AValueOfTwoOctetsLeavesTheSuitesAsTheyWere)
{
    SetOctets("A0");
    TSSLManagementForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    const QStringList before = SuiteTexts(form);
    ASSERT_EQ(before, QStringList({"enabled", "disabled", "enabled", "disabled"}));

    SetOctets("5050");
    form.btnGet->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(form.edtciphersuites->text(), "5050");
    EXPECT_EQ(SuiteTexts(form), before);
}

TEST_F(SSLManagementTest, SetWritesTheFourSwitchesInTheHighHalfOfOneOctet)
{
    const struct
    {
        QList<int> items; // combo item per suite, 1 = enabled
        QString octet;
    } cases[] = {
        {{0, 0, 0, 1}, "10"},
        {{1, 1, 1, 1}, "F0"},
        {{0, 0, 0, 0}, "00"},
        {{1, 0, 1, 0}, "A0"},
    };
    SetOctets("F0");
    for (const auto &test : cases) {
        TSSLManagementForm form;
        form.show();
        ASSERT_TRUE(WaitIdle(form.Binding.get()));
        for (int suite = 0; suite < 4; ++suite)
            form.cbxciphersuites[suite]->setCurrentIndex(test.items[suite]);
        form.cbxSSLVersion->setCurrentText("disabled");
        form.cbxTLSVersion->setCurrentText("enabled");
        form.btnSet->click();
        ASSERT_TRUE(WaitIdle(form.Binding.get()));
        EXPECT_EQ(GetHex(*sim_, kCipherSuites), test.octet);
        EXPECT_EQ(GetHex(*sim_, kSslVersion), "2");
        EXPECT_EQ(GetHex(*sim_, kTlsVersion), "3");
        // The window read the values back after writing them.
        EXPECT_EQ(form.edtciphersuites->text(), test.octet);
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(SSLManagementTest, AnEmptyBoxIsRefusedAndNothingIsWritten)
{
    SetOctets("F0");
    SetInteger(kTlsVersion, 3);
    TSSLManagementForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    form.cbxciphersuites[0]->setCurrentIndex(0);
    form.cbxTLSVersion->setCurrentIndex(-1);
    form.btnSet->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(messages_, QStringList{"Some items are empty."});
    EXPECT_EQ(form.focusWidget(), form.btnSet);
    EXPECT_EQ(GetHex(*sim_, kCipherSuites), "F0");
    EXPECT_EQ(GetHex(*sim_, kTlsVersion), "3");
}

TEST_F(SSLManagementTest, AFailedReadIsReportedInTheStatusBar)
{
    PointEngineAtNoAgent();
    TSSLManagementForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_FALSE(form.StatusBar1->currentMessage().isEmpty());
    // Nothing was read, so nothing is shown, and a Set has nothing to write.
    EXPECT_EQ(SuiteTexts(form), QStringList({"", "", "", ""}));
    EXPECT_EQ(form.cbxSSLVersion->currentIndex(), -1);
    EXPECT_EQ(form.cbxTLSVersion->currentIndex(), -1);
    form.btnSet->click();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_EQ(messages_, QStringList{"Some items are empty."});
}

// A Set while the first read is still on its way writes nothing: the boxes
// show no value until one is read.
TEST_F(SSLManagementTest, ASetDuringASlowFirstReadWritesNothing)
{
    QgSimProcess slow({"--static-leds", "--delay-ms", "700"});
    ASSERT_TRUE(slow.Start()) << slow.StandardError().toStdString();
    PointEngineAt(slow.Port());
    KtSNMPDefaults.TimeOut = 300; // 3 s: the answer comes after 0.7 s
    TSSLManagementForm form;
    form.show();
    ASSERT_TRUE(form.Binding->Busy);
    form.btnSet->click();
    EXPECT_EQ(messages_, QStringList{"Some items are empty."});
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_TRUE(slow.Sets().Read().empty()) << slow.Sets().Describe().toStdString();
    EXPECT_EQ(form.cbxTLSVersion->currentIndex() >= 0, true); // the read arrived and shows its value
}

} // namespace
