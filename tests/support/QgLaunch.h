#pragma once

#include "KtStartup.h"

#include <QString>
#include <QStringList>

// The module's settings after its command line (and a per-device file, when
// configDir holds one), and the viewer command lines they give:
//   StartedWith({"/I10.1.1.1", "/Rpublic"}).Line("/TRmon_History")
struct QgLaunch
{
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;

    QString Line(const QString &argument) const;
    QStringList Arguments(const QString &argument) const;
};

QgLaunch StartedWith(const QStringList &parameters, const QString &configDir = {});
