#pragma once

#include "QgMessageCapture.h"
#include "QgSimProcess.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// The engine: the process-wide SNMP session and its event pump (created
// once), with the defaults every window's requests copy pointed at the agent
// on `port` of 127.0.0.1: SNMPv2c, communities public and private, a time-out
// of one second.
void PointEngineAt(quint16 port);
// The engine pointed at a loopback port where no agent answers.
void PointEngineAtNoAgent();
// The session and its pump alone.
void StartEngine();

// A fixture base for tests of windows against the switch simulator: one
// qgsim for the whole suite, the engine (the process-wide SNMP session, its
// event pump and the defaults every window's requests copy) pointed at it
// before each test, and each test's message boxes captured (messages_, and
// confirm_ for what questions answer). The simulator logs every SET it
// receives: sim_->Sets().
//   class MyWindowTest : public QgSimSuite
//   {
//   protected:
//       static void SetUpTestSuite() { StartSim({"--static-leds", "--delay-ms", "150"}); }
//   };
// A test that changes the agent's tables starts a simulator of its own with
// StartOwnSim(); the engine then points at that one.
class QgSimSuite : public ::testing::Test
{
protected:
    // Starts the suite's simulator with `arguments` (and the SNMP session
    // and its event pump, once per process).
    static void StartSim(const QStringList &arguments);
    static void SetUpTestSuite() { StartSim({"--static-leds"}); }
    static void TearDownTestSuite() { sim_.reset(); }

    void SetUp() override;
    void TearDown() override { own_.reset(); }

    // A simulator of this test's own, the engine pointed at it.
    void StartOwnSim(const QStringList &arguments = {"--static-leds"});

    static std::unique_ptr<QgSimProcess> sim_;
    std::unique_ptr<QgSimProcess> own_;
    QgMessageCapture capture_;
    QStringList &messages_ = capture_.Messages;
    bool &confirm_ = capture_.ConfirmAnswer;
};
