#pragma once

#include <QString>

// What start-up received, in the form in which it is handed on to an
// external MIB viewer. Numbers are held as their decimal text.
struct KtLaunchTexts
{
    QString IpAddress;
    QString ReadCommunity;
    QString WriteCommunity;
    QString AgentPort;
    QString Version; // only ever from the configuration file
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    QString AuthProtocol;
    QString PrivProtocol;
    QString ContextEngineID;
    QString SecurityLevel;
    QString ContextName;
    QString SecurityModel;
};

// Which SNMPv3 settings were given explicitly, for the viewer launcher.
struct KtLaunchFlags
{
    bool ConfigFileFound = false;
    bool ContextNameGiven = false;
    bool SecurityLevelGiven = false;
    bool AuthProtocolGiven = false;
    bool AuthPasswordGiven = false;
    bool PrivProtocolGiven = false;
    bool PrivPasswordGiven = false;
};

// The process-wide flags.
extern KtLaunchFlags LaunchFlags;
