#pragma once

#include "QgPythonAgent.h"

#include <QByteArray>
#include <QTemporaryDir>

// An SNMPv1/v2c agent on a free loopback port that answers from a script
// (scripted_agent.py): values of any type, also the wrong one, noSuchObject
// inside a walk, tooBig for a subtree.
//   ScriptedAgent agent("1.3.6.1.2.1.1.5.0 s name\ntoobig 1.3.6.1.2.1.2\n");
//   ASSERT_TRUE(agent.Start());
class ScriptedAgent
{
public:
    explicit ScriptedAgent(const QByteArray &script);

    // Starts the agent and waits for its "listening on" line; false if it
    // did not come up.
    bool Start();
    quint16 Port() const { return agent_.Port(); }
    QString StandardError() { return agent_.StandardError(); }

private:
    QTemporaryDir dir_;
    QgPythonAgent agent_;
};
