#pragma once

#include "QgInstallation.h"

#include <QString>
#include <QStringList>
#include <memory>

class TMainForm;

// The main window for an agent on 127.0.0.1, opened the way an
// administrator configures it (a QgInstallation that KELTRA_REGISTRY names),
// in that installation's directory as the working directory (the boot
// counter goes there) for as long as the opener lives.
//   QgMainFormOpener opener;
//   TMainForm &form = opener.Open(sim.Port());
class QgMainFormOpener
{
public:
    QgMainFormOpener();
    ~QgMainFormOpener();
    QgMainFormOpener(const QgMainFormOpener &) = delete;
    QgMainFormOpener &operator=(const QgMainFormOpener &) = delete;

    // A new main window (the last one goes) with the command line
    // /I127.0.0.1 /Rpublic /Wprivate and `extra`.
    TMainForm &Open(quint16 port, const QStringList &extra = {});
    // Frees the main window.
    void Close();

    // A file in the working directory.
    QString Path(const QString &name) const { return installation_.Path(name); }

private:
    QgInstallation installation_;
    QString previousDir_;
    std::unique_ptr<TMainForm> form_;
};
