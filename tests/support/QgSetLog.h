#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What qgsim's set log (--set-log FILE) says the agent received: one entry
// per SET PDU, in arrival order.
//   QgSimProcess sim;                      // logs its SETs by itself
//   ... let a window write ...
//   auto pdus = sim.Sets().Read();
//   EXPECT_EQ(pdus.back().Texts(), QStringList{"1.3.6.1...=integer:3"});
//   EXPECT_TRUE(sim.Sets().Read().empty()); // nothing was written
struct QgSetBinding
{
    QString Oid;
    QString Type;  // the simulator's type names: integer, octets, ipaddress, ...
    QString Value; // numbers in decimal, octets in upper-case hexadecimal
};

struct QgSetPdu
{
    QString Time;
    QString Version;   // "1", "2c" or "3"
    QString Community; // SNMPv1 and v2c
    QString User;      // SNMPv3
    QString Error;     // "noError", "wrongValue", ..., "dropped"
    int ErrorIndex = 0;
    std::vector<QgSetBinding> Bindings;

    // "OID=TYPE:VALUE", one per binding.
    QStringList Texts() const;
};

class QgSetLog
{
public:
    explicit QgSetLog(QString path = {}) : path_(std::move(path)) {}

    // The object of the SETs that QgSimProcess::WaitForSets() sends, one
    // the simulator does not have: Read() passes over them.
    static const QString SyncOid;

    QString Path() const { return path_; }
    // Every entry so far but the sync SETs; an absent file is an empty log.
    std::vector<QgSetPdu> Read() const;
    // Whether the sync SET with the given value is in the log.
    bool HasSync(int value) const;
    // Forgets what was logged so far.
    void Clear() const;
    // Every binding of every entry, as Texts() gives them, for messages.
    QString Describe() const;

private:
    QString path_;
};
