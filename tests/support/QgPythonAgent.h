#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One of the pysnmp agents of this folder (scripted_agent.py, table_agent.py)
// on a free loopback port, ended when this goes. It runs under Debian's
// interpreter, whose packages hold pysnmp (python3-pysnmp4), whatever else
// PATH offers.
//   QgPythonAgent agent;
//   ASSERT_TRUE(agent.Start("table_agent.py"));
class QgPythonAgent
{
public:
    QgPythonAgent() = default;
    ~QgPythonAgent();

    // Starts the script with its arguments and waits for its "listening on"
    // line; false if it did not come up.
    bool Start(const QString &script, const QStringList &arguments = {});
    quint16 Port() const { return port_; }
    QString StandardError();

private:
    QProcess process_;
    quint16 port_ = 0;
};
