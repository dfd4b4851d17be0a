// The spanning-tree on/off window: confirmation and progress window for
// "enabled", the read after every write, and failed writes staying in view.
#include "TSpanningTreeAlgorithmForm.h"
#include "KtSNMPRequest2Edits.h"
#include "StpFixture.h"
#include "TMainWindowAnchor.h"

#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

using namespace stp_test;

namespace {

constexpr int kDisabled = 2;
constexpr int kEnabled = 3;

class StpAlgorithmTest : public StpTest
{
protected:
    void SetUp() override
    {
        StpTest::SetUp();
        ASSERT_TRUE(SetInt(*sim_, kStateOid, kDisabled));
        progressShown_ = 0;
        // Stands in for the timed progress window: it runs the write as that
        // window does while it is being built.
        TSpanningTreeAlgorithmForm::ShowProgress =
            [this](QWidget *host, const QString &caption, const QString &prompt,
                   const std::function<void()> &pendingWrite, const std::function<void(const QString &)> &) {
                ++progressShown_;
                progressHost_ = host;
                progressCaption_ = caption;
                progressPrompt_ = prompt;
                pendingWrite();
            };
    }
    void TearDown() override
    {
        TSpanningTreeAlgorithmForm::ResetProgress();
        StpTest::TearDown();
    }

    static bool Idle(TSpanningTreeAlgorithmForm &form)
    {
        return WaitUntil([&form] { return !form.Binding->Busy; });
    }

    int progressShown_ = 0;
    QWidget *progressHost_ = nullptr;
    QString progressCaption_;
    QString progressPrompt_;
};

} // namespace

TEST_F(StpAlgorithmTest, OpensWithTheSwitchsState)
{
    ASSERT_TRUE(SetInt(*sim_, kStateOid, kEnabled));
    TSpanningTreeAlgorithmForm form;
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Spanning Tree Algorithm"));
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("enabled"));
    EXPECT_TRUE(form.StatusBar1->currentMessage().startsWith(QStringLiteral("Get: (KtSNMP++) Ok!")));
    EXPECT_TRUE(form.Binding->Asynchronous);
}

TEST_F(StpAlgorithmTest, EnablingAsksThenWritesUnderTheProgressWindowAndReadsBack)
{
    TSpanningTreeAlgorithmForm form;
    ASSERT_TRUE(Idle(form));
    form.ComboBox1->setCurrentText(QStringLiteral("enabled"));
    form.SetButton->click();
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(messages_, QStringList{TSpanningTreeAlgorithmForm::ConfirmText});
    EXPECT_EQ(progressShown_, 1);
    EXPECT_EQ(progressHost_, &form);
    EXPECT_EQ(progressCaption_, QStringLiteral("Enable STP Progress"));
    EXPECT_EQ(progressPrompt_, QStringLiteral("Enable STP is doing..."));
    EXPECT_EQ(GetInt(*sim_, kStateOid), kEnabled);
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("enabled"));
    EXPECT_TRUE(form.StatusBar1->currentMessage().startsWith(QStringLiteral("Get: (KtSNMP++) Ok!")));
}

TEST_F(StpAlgorithmTest, CancelWritesNothingAndReadsTheStateAgain)
{
    confirm_ = false;
    TSpanningTreeAlgorithmForm form;
    ASSERT_TRUE(Idle(form));
    form.ComboBox1->setCurrentText(QStringLiteral("enabled"));
    form.SetButton->click();
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(messages_, QStringList{TSpanningTreeAlgorithmForm::ConfirmText});
    EXPECT_EQ(progressShown_, 0);
    EXPECT_EQ(GetInt(*sim_, kStateOid), kDisabled);
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("disabled"));
}

TEST_F(StpAlgorithmTest, DisablingWritesWithoutAskingAndReadsBack)
{
    ASSERT_TRUE(SetInt(*sim_, kStateOid, kEnabled));
    TSpanningTreeAlgorithmForm form;
    ASSERT_TRUE(Idle(form));
    form.ComboBox1->setCurrentText(QStringLiteral("disabled"));
    form.SetButton->click();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(progressShown_, 0);
    EXPECT_EQ(GetInt(*sim_, kStateOid), kDisabled);
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("disabled"));
}

TEST_F(StpAlgorithmTest, NoChoiceDoesNothing)
{
    TSpanningTreeAlgorithmForm form;
    ASSERT_TRUE(Idle(form));
    form.ComboBox1->setCurrentIndex(-1);
    form.StatusBar1->clearMessage();
    form.SetButton->click();
    EXPECT_FALSE(form.Binding->Busy);
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(progressShown_, 0);
    EXPECT_TRUE(form.StatusBar1->currentMessage().isEmpty());
}

TEST_F(StpAlgorithmTest, FailedWriteStaysInViewAfterTheReadBack)
{
    // A write community the agent does not know: the write times out.
    KtSNMPDefaults.Security.WriteCommunity = QStringLiteral("no-such-community");
    ASSERT_TRUE(SetInt(*sim_, kStateOid, kEnabled));
    for (const QString &choice : {QStringLiteral("disabled"), QStringLiteral("enabled")}) {
        TSpanningTreeAlgorithmForm form;
        ASSERT_TRUE(Idle(form));
        form.ComboBox1->setCurrentText(choice);
        form.SetButton->click();
        ASSERT_TRUE(Idle(form));
        const QString line = form.StatusBar1->currentMessage();
        EXPECT_TRUE(line.startsWith(QStringLiteral("Set: "))) << line.toStdString();
        EXPECT_FALSE(line.contains(QStringLiteral("Ok!"))) << line.toStdString();
        EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("enabled"))
            << "the read shows the switch's state";
    }
    EXPECT_EQ(GetInt(*sim_, kStateOid), kEnabled);
}

TEST_F(StpAlgorithmTest, GrowsWithLargeFonts)
{
    TMainWindowAnchor::SetScaleFactor(1.25);
    auto large = std::make_unique<TSpanningTreeAlgorithmForm>();
    TMainWindowAnchor::SetScaleFactor(1.0);
    TSpanningTreeAlgorithmForm normal;
    EXPECT_EQ(large->width(), int(normal.width() * 1.25));
    EXPECT_EQ(large->height(), int(normal.height() * 1.25));
    ASSERT_TRUE(Idle(*large) && Idle(normal));
}

TEST_F(StpAlgorithmTest, ClosingDuringTheReadWaitsForIt)
{
    TSpanningTreeAlgorithmForm form;
    form.show();
    ASSERT_TRUE(form.Binding->Busy);
    form.reject();
    EXPECT_FALSE(form.Binding->Busy);
    EXPECT_FALSE(form.Binding->Request.Enabled);
    // Buttons of a closed window send nothing.
    form.SetButton->click();
    form.GetButton->click();
    EXPECT_FALSE(form.Binding->Busy);
}
