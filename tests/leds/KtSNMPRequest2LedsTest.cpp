// The LED binding against the switch simulator: a stand-alone unit 15 whose
// LED-status octets are fixed by a scenario file.
#include "KtSNMPRequest2Leds.h"

#include "KtErrorCode.h"
#include "QgMessageCapture.h"
#include "QgSimProcess.h"
#include "QgSimSuite.h"
#include "QgWait.h"

#include <QFrame>
#include <QLabel>
#include <QNetworkDatagram>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Map = KtSNMPLedColorMapList;

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

const KtSNMPVarDef kLedStatus[] = {
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.5", "swUnitMgmtFrontPanelLedStatus", SyntaxOctets, AccessRead},
    {},
};

// Octets 0 to 3 of unit 15: green blinking, red, no colour, green.
constexpr const char *kLedOctets = "0x82050703";
constexpr const char *kLedBytes = "0,1,2,3";
constexpr int kBlinkingLed = 0;
constexpr int kRedLed = 1;

constexpr LedColorEntry kPanelEntries[] = {{0, Map::Rgb(255, 255, 255)},
                                           {2, Map::Rgb(0, 255, 0)},
                                           {3, Map::Rgb(0, 255, 0)},
                                           {5, Map::Rgb(255, 0, 0)},
                                           {0, Map::EndOfEntries}};

// The scenario of a simulator serving unit 15 with the given LED octets.
QByteArray LedScenario(const char *octets)
{
    return QByteArray("include single\nset 1.3.6.1.4.1.47893.12.11.1.9.4.1.5.15 ") + octets + "\n";
}

class LedBindingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { StartEngine(); }

    void SetUp() override
    {
        panel_ = new QFrame(&window_);
        panel_->setFrameShape(QFrame::Panel);
        panel_->setGeometry(10, 10, 80, 8);
        status_ = new QLabel(&window_);
        status_->setGeometry(0, 40, 400, 20);
    }

    // A binding of unit 15's LED octets at the simulator, its rows created
    // in the panel; the blink timer is stopped so that tests step it.
    std::unique_ptr<KtSNMPRequest2Leds> Bind(quint16 port, const Map &map, const char *bytes = kLedBytes)
    {
        auto leds = std::make_unique<KtSNMPRequest2Leds>(&window_);
        leds->Request.Device = {"127.0.0.1", port};
        leds->Request.Security.Version = 1;
        leds->Request.Security.ReadCommunity = "public";
        leds->Request.Vars = KtSNMPVarList(kLedStatus, ListRow);
        leds->Request.Vars.Instance = "15";
        leds->Request.Vars.Caption = " Led Status";
        leds->Request.TimeOut = 500;
        leds->BlinkTimer->stop();
        shapes_ = leds->CreateLedRow(0, bytes, map, panel_, 1, 1, KtLedShape::Rectangle, 6, 6);
        return leds;
    }

    static bool GetAndWait(KtSNMPRequest2Leds &leds)
    {
        leds.Get();
        return WaitIdle(&leds);
    }

    QList<QColor> Brushes() const
    {
        QList<QColor> colours;
        for (const KtLedShape *shape : shapes_)
            colours << shape->BrushColor();
        return colours;
    }

    QWidget window_;
    QFrame *panel_ = nullptr;
    QLabel *status_ = nullptr;
    QList<KtLedShape *> shapes_;
    QgMessageCapture capture_;
    QStringList &messages_ = capture_.Messages;
};

TEST_F(LedBindingTest, CreateLedRowPlacesBlackShapesInABevellessPanel)
{
    KtSNMPRequest2Leds leds(&window_);
    const QList<KtLedShape *> shapes =
        leds.CreateLedRow(0, "3,7,11", PanelLedColors(), panel_, 2, 1, KtLedShape::Rectangle, 6, 6);
    ASSERT_EQ(shapes.size(), 3);
    EXPECT_EQ(panel_->frameShape(), QFrame::NoFrame);
    const QRect expected[] = {{2, 1, 6, 6}, {9, 1, 6, 6}, {16, 1, 6, 6}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(shapes[k]->parentWidget(), panel_);
        EXPECT_EQ(shapes[k]->geometry(), expected[k]);
        EXPECT_FALSE(shapes[k]->isHidden());
        EXPECT_EQ(shapes[k]->BrushColor(), Black);
        EXPECT_EQ(shapes[k]->PenColor(), Black);
    }
    ASSERT_EQ(leds.Leds.size(), 3u);
    EXPECT_EQ(leds.Leds[1].ByteIndex, 7);
    EXPECT_EQ(leds.Leds[1].Color, Map::Black);
    EXPECT_FALSE(leds.Leds[1].Blinking);
    EXPECT_TRUE(leds.BlinkTimer->isActive());
    EXPECT_EQ(leds.BlinkTimer->interval(), 60);
    EXPECT_FALSE(leds.PollTimer->isActive());
    EXPECT_EQ(leds.BlinkLimit, 6);
}

TEST_F(LedBindingTest, AddLedsBindsShapesInOrderAndNeedsOneShapePerByte)
{
    KtSNMPRequest2Leds leds(&window_);
    auto *a = new KtLedShape(&window_);
    auto *b = new KtLedShape(&window_);
    leds.AddLeds(0, "9,4", PanelLedColors(), {a, b});
    ASSERT_EQ(leds.Leds.size(), 2u);
    EXPECT_EQ(leds.Leds[0].Shape, a);
    EXPECT_EQ(leds.Leds[0].ByteIndex, 9);
    EXPECT_EQ(leds.Leds[1].ByteIndex, 4);

    try {
        leds.AddLeds(0, "1,2,3", PanelLedColors(), {a, b});
        FAIL() << "three bytes with two shapes";
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -522);
    }
    EXPECT_EQ(leds.Leds.size(), 2u) << "nothing is added when shapes are missing";
}

TEST_F(LedBindingTest, ResponseGivesEachLedTheColourOfItsOctet)
{
    QgSimProcess sim({"--static-leds"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    // Byte 4 lies one past the end of the four octets.
    auto leds = Bind(sim.Port(), PanelLedColors(), "0,1,2,3,4");
    ASSERT_TRUE(GetAndWait(*leds));
    EXPECT_EQ(leds->Request.Vars.Get(0).Value, "82050703");

    const struct
    {
        const char *octet;
        QColor colour;
        bool blinking;
    } cases[] = {
        {"0x82", Green, true},  {"0x05", Red, false},      {"0x07", Black, false},
        {"0x03", Green, false}, {"missing", White, false},
    };
    ASSERT_EQ(shapes_.size(), 5);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(cases[k].octet);
        EXPECT_EQ(Map::ToQColor(leds->Leds[k].Color), cases[k].colour);
        EXPECT_EQ(leds->Leds[k].Blinking, cases[k].blinking);
        EXPECT_EQ(shapes_[k]->BrushColor(), cases[k].colour);
        EXPECT_EQ(shapes_[k]->PenColor(), cases[k].colour);
    }
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(LedBindingTest, MissingOctetIsAnErrorWhenTheMapHasNoMissingColour)
{
    QgSimProcess sim({"--static-leds"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    const Map strict(kPanelEntries, 0x07, 0x80, Map::Black, Map::MissingIsError);
    auto leds = Bind(sim.Port(), strict, "1,4");
    ASSERT_TRUE(GetAndWait(*leds));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.first(), KtErrorText(-519));
    // The LED before the missing one was read, but a half-read response is
    // not shown: every LED is off.
    EXPECT_EQ(Brushes(), (QList<QColor>{Black, Black}));

    // The same bytes within the value are fine.
    auto inRange = Bind(sim.Port(), strict, "1,3");
    ASSERT_TRUE(GetAndWait(*inRange));
    EXPECT_EQ(Brushes(), (QList<QColor>{Red, Green}));
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(LedBindingTest, EvaluateLedRejectsBadItemsAndNegativeBytes)
{
    KtSNMPRequest2Leds leds(&window_);
    leds.Request.Vars = KtSNMPVarList(kLedStatus, ListRow);
    leds.Request.Vars.Get(0).Value = "8205";
    const Map strict(kPanelEntries, 0x07, 0x80, Map::Black, Map::MissingIsError);
    const struct
    {
        const char *name;
        int item;
        int byte;
        const Map *map;
        int code;      // 0: no error
        QColor colour; // when no error
    } cases[] = {
        {"item past the list", 1, 0, &PanelLedColors(), -516, {}},
        {"negative item", -1, 0, &PanelLedColors(), -516, {}},
        {"negative byte, missing colour", 0, -1, &PanelLedColors(), 0, White},
        {"negative byte, no missing colour", 0, -1, &strict, -519, {}},
        {"last byte", 0, 1, &strict, 0, Red},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        KtSNMPRequest2Leds::LedBinding led;
        led.Item = c.item;
        led.ByteIndex = c.byte;
        led.ColorMap = c.map;
        if (c.code != 0) {
            try {
                leds.EvaluateLed(led);
                ADD_FAILURE() << "no error";
            } catch (const KtException &error) {
                EXPECT_EQ(error.Code, c.code);
            }
        } else {
            leds.EvaluateLed(led);
            EXPECT_EQ(Map::ToQColor(led.Color), c.colour);
        }
    }
}

TEST_F(LedBindingTest, FailedPollTurnsEveryLedOffUntilTheNextSuccess)
{
    // The agent drops every second request.
    QgSimProcess sim({"--static-leds", "--drop-every", "2"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    auto leds = Bind(sim.Port(), PanelLedColors());
    leds->Request.TimeOut = 30;
    leds->Request.Retries = 0;
    leds->SetStatusPanel(status_);
    const QList<QColor> lit{Green, Red, Black, Green};
    const QList<QColor> off{Black, Black, Black, Black};

    ASSERT_TRUE(GetAndWait(*leds));
    EXPECT_EQ(Brushes(), lit);

    ASSERT_TRUE(GetAndWait(*leds));
    EXPECT_EQ(Brushes(), off);
    for (const auto &led : leds->Leds)
        EXPECT_FALSE(led.Blinking);
    EXPECT_TRUE(status_->toolTip().startsWith("Get: " + KtErrorText(-405)))
        << status_->toolTip().toStdString();
    EXPECT_TRUE(status_->toolTip().contains(" Led Status"));
    leds->PaintLeds();
    EXPECT_EQ(Brushes(), off) << "blink steps keep them off";

    ASSERT_TRUE(GetAndWait(*leds));
    EXPECT_EQ(Brushes(), lit);
    EXPECT_TRUE(messages_.isEmpty()) << "poll errors never open a message box";
}

TEST_F(LedBindingTest, PollErrorWithoutStatusTargetShowsNothing)
{
    QgSimProcess sim({"--static-leds", "--drop-every", "1"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    auto leds = Bind(sim.Port(), PanelLedColors());
    leds->Request.TimeOut = 30;
    leds->Request.Retries = 0;
    ASSERT_TRUE(GetAndWait(*leds));
    EXPECT_EQ(Brushes(), (QList<QColor>{Black, Black, Black, Black}));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(LedBindingTest, BlinkingLedAlternatesForSevenStepsAfterEachResponse)
{
    QgSimProcess sim({"--static-leds"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    auto leds = Bind(sim.Port(), PanelLedColors());
    const KtLedShape *blinking = nullptr;
    const KtLedShape *steady = nullptr;

    for (int response = 0; response < 2; ++response) {
        SCOPED_TRACE(response == 0 ? "first response" : "second response");
        ASSERT_TRUE(GetAndWait(*leds));
        blinking = shapes_[kBlinkingLed];
        steady = shapes_[kRedLed];
        // The response paints step 0; the blink ticks paint the others.
        QList<QColor> seen{blinking->BrushColor()};
        for (int tick = 1; tick < 12; ++tick) {
            leds->PaintLeds();
            seen << blinking->BrushColor();
            EXPECT_EQ(steady->BrushColor(), Red);
        }
        // The first response finds the LED off, so it starts lit; the second
        // finds it lit, so it starts off.
        const QList<QColor> expected = response == 0
                                           ? QList<QColor>{Green, Black, Green, Black, Green, Black,
                                                           Green, Green, Green, Green, Green, Green}
                                           : QList<QColor>{Black, Green, Black, Green, Black, Green,
                                                           Black, Green, Green, Green, Green, Green};
        EXPECT_EQ(seen, expected);
    }
}

// Once the blink steps after a response are over no tick could change an
// LED: the blink timer rests until the next response. Stopped polling stays
// stopped.
TEST_F(LedBindingTest, BlinkTimerRestsBetweenResponses)
{
    QgSimProcess sim({"--static-leds"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    auto leds = Bind(sim.Port(), PanelLedColors());
    bool activeAtResponse = false;
    leds->OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &) {
        activeAtResponse = leds->BlinkTimer->isActive();
    };
    leds->BlinkTimer->start();
    for (int response = 0; response < 2; ++response) {
        ASSERT_TRUE(GetAndWait(*leds));
        EXPECT_TRUE(activeAtResponse) << response;
        int ticks = 0;
        while (leds->BlinkTimer->isActive() && ticks < 20) {
            leds->PaintLeds();
            ++ticks;
        }
        EXPECT_FALSE(leds->BlinkTimer->isActive());
        EXPECT_EQ(leds->BlinkCount, leds->BlinkLimit + 2) << "rests after the step that leaves it lit";
        EXPECT_EQ(shapes_[kBlinkingLed]->BrushColor(), Green);
    }

    leds->StopPolling();
    ASSERT_TRUE(GetAndWait(*leds));
    EXPECT_FALSE(activeAtResponse) << "a late response after StopPolling does not start it";
}

TEST_F(LedBindingTest, StartPollingReadsAtOnceAndEveryPeriod)
{
    QgSimProcess sim({"--static-leds"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    auto leds = Bind(sim.Port(), PanelLedColors());
    int gets = 0;
    leds->OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &record) {
        EXPECT_EQ(record.Code, 0);
        ++gets;
    };

    leds->StartPolling(300);
    EXPECT_TRUE(leds->Busy) << "the first read is under way at once";
    EXPECT_TRUE(leds->PollTimer->isActive());
    EXPECT_EQ(leds->PollTimer->interval(), 3000);
    EXPECT_TRUE(leds->BlinkTimer->isActive());
    ASSERT_TRUE(WaitIdle(leds.get()));
    EXPECT_EQ(gets, 1);
    EXPECT_EQ(shapes_[kRedLed]->BrushColor(), Red);

    // A tick of the poll timer reads again.
    ASSERT_TRUE(QMetaObject::invokeMethod(leds->PollTimer.data(), "timeout"));
    EXPECT_TRUE(leds->Busy);
    ASSERT_TRUE(WaitIdle(leds.get()));
    EXPECT_EQ(gets, 2);

    leds->StopPolling();
    EXPECT_FALSE(leds->PollTimer->isActive());
    EXPECT_FALSE(leds->BlinkTimer->isActive());
    EXPECT_EQ(Brushes(), (QList<QColor>{Black, Black, Black, Black}));

    // Polling again brings the blink timer back.
    leds->StartPolling(300);
    EXPECT_TRUE(leds->BlinkTimer->isActive());
    ASSERT_TRUE(WaitIdle(leds.get()));
    EXPECT_EQ(gets, 3);
}

// Ticks while a poll is outstanding send nothing: polls never pile up, and
// the time-out shown belongs to the one poll that was sent.
TEST_F(LedBindingTest, ATickWhileAPollIsOutstandingSendsNothing)
{
    QUdpSocket silent; // an agent that counts requests and never answers
    ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
    int requests = 0;
    QObject::connect(&silent, &QUdpSocket::readyRead, [&] {
        while (silent.hasPendingDatagrams()) {
            silent.receiveDatagram();
            ++requests;
        }
    });
    auto leds = Bind(silent.localPort(), PanelLedColors());
    leds->Request.TimeOut = 100;
    leds->Request.Retries = 0;
    leds->SetStatusPanel(status_);

    leds->Get();
    for (int tick = 0; tick < 3; ++tick)
        ASSERT_TRUE(QMetaObject::invokeMethod(leds->PollTimer.data(), "timeout"));
    ASSERT_TRUE(WaitIdle(leds.get()));
    RunQueuedEvents();
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(status_->toolTip().startsWith("Get: " + KtErrorText(-405)))
        << status_->toolTip().toStdString();

    // Once it has timed out, the next tick polls again.
    ASSERT_TRUE(QMetaObject::invokeMethod(leds->PollTimer.data(), "timeout"));
    EXPECT_TRUE(leds->Busy);
    ASSERT_TRUE(WaitUntil([&] { return requests == 2; }));
    leds->Request.Enabled = false;
    ASSERT_TRUE(WaitIdle(leds.get()));
}

TEST_F(LedBindingTest, GetThatCannotBeSentResetsTheLeds)
{
    QgSimProcess sim({"--static-leds"}, LedScenario(kLedOctets));
    ASSERT_TRUE(sim.Start());
    auto leds = Bind(sim.Port(), PanelLedColors());
    leds->SetStatusPanel(status_);
    ASSERT_TRUE(GetAndWait(*leds));
    ASSERT_EQ(shapes_[kRedLed]->BrushColor(), Red);

    // An empty address cannot be resolved: the get raises -509 before sending.
    leds->Request.Device.Address = "";
    leds->OnPollTimer();
    EXPECT_EQ(Brushes(), (QList<QColor>{Black, Black, Black, Black}));
    EXPECT_TRUE(status_->toolTip().contains(KtErrorText(-509))) << status_->toolTip().toStdString();

    leds->Request.Device.Address = "127.0.0.1";
    ASSERT_TRUE(GetAndWait(*leds));
    ASSERT_EQ(shapes_[kRedLed]->BrushColor(), Red);

    leds->Request.Device.Address = "";
    try {
        leds->StartPolling(300);
        FAIL() << "no error";
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -509);
        EXPECT_EQ(error.Message, KtErrorText(-509));
    }
    EXPECT_EQ(Brushes(), (QList<QColor>{Black, Black, Black, Black}));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(LedBindingTest, DestroyingTheBindingStopsItsTimers)
{
    QPointer<QTimer> poll;
    QPointer<QTimer> blink;
    {
        KtSNMPRequest2Leds leds(&window_);
        poll = leds.PollTimer;
        blink = leds.BlinkTimer;
        ASSERT_EQ(poll->parent(), &window_);
    }
    EXPECT_TRUE(poll.isNull());
    EXPECT_TRUE(blink.isNull());
    QTest::qWait(100); // no tick reaches the destroyed binding
}

} // namespace
