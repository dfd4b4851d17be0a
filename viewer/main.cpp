// qgview: the MIB viewer programs of the module (MIB, IFMib, EthernetLike,
// Rmon, Bridge, Layer3 are links to it). Started with the module's command
// line plus the view to open:
//
//   MIB /I127.0.0.1 /Rpublic /Wprivate /TMIB_IFCounters
//   qgview --screenshot counters.png /I127.0.0.1 /Rpublic /Wprivate /TMIB_IFCounters
//
// Options before the command line (for tests and pictures):
//   --screenshot FILE  save the window once its first read is shown, then exit
//                      (0 when the read succeeded, 1 when it failed)
//   --csv FILE         write every table and scalar list as CSV once the first
//                      read is in, then exit (exit codes as --screenshot)
//   --exit-after-first-read  the same without a picture
//   --reads N          take the picture (or exit) after N reads instead
//   --interval S       refresh every S seconds
//   --select 0,1,2     select these rows of the table the chart draws from
#include "KtViewerStartup.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    return KtViewerStartup::Run(app.arguments().mid(1));
}
