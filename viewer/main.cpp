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
#include "KtInfoOptions.h"
#include "KtViewerStartup.h"

#include <QApplication>
#include <QFileInfo>

namespace {

const char kUsage[] =
    "Usage: qgview [OPTIONS] /IADDRESS [/RCOMMUNITY] [/WCOMMUNITY] /TTOOL_VIEW [SNMPv3 switches]\n"
    "  or:  TOOL /IADDRESS [/RCOMMUNITY] [/WCOMMUNITY] /TTOOL_VIEW [SNMPv3 switches]\n"
    "MIB viewer of the Keltra switch manager qg2312: shows one view of a switch's\n"
    "standard MIBs (MIB-II, IF-MIB, EtherLike, RMON, Bridge, layer 3) as sortable\n"
    "tables and name/value lists, refreshed every 5 seconds, with the per-second\n"
    "rates of counters. qg2312 starts it under the names of the tools MIB, IFMib,\n"
    "EthernetLike, Rmon, Bridge and Layer3 with its own command line and the view,\n"
    "for example: Rmon /I10.90.90.90 /Rpublic /Wprivate /TRmon_History\n"
    "\n"
    "The switches are those of qg2312(1); /T names the view. The registry stand-in\n"
    "and the per-device configuration file are read as qg2312 reads them.\n"
    "\n"
    "Options:\n"
    "  --screenshot FILE        save the window once its first read is shown, then\n"
    "                           exit (0 when the read succeeded, 1 when it failed)\n"
    "  --csv FILE               write every table and scalar list as CSV once the\n"
    "                           first read is in, then exit (exit codes as above)\n"
    "  --exit-after-first-read  the same without a picture\n"
    "  --reads N                take the picture (or exit) after N reads instead\n"
    "  --interval S             refresh every S seconds\n"
    "  --select 0,1,2           select these rows of the table the chart draws from\n"
    "  --help                   display this help and exit\n"
    "  --version                output version information and exit\n"
    "\n"
    "An unknown view ends with a message and exit code 2.\n";

} // namespace

int main(int argc, char **argv)
{
    if (KtInfoOptions::Answer(argc, argv, kUsage))
        return 0;
    QApplication app(argc, argv);
    app.setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    return KtViewerStartup::Run(app.arguments().mid(1));
}
