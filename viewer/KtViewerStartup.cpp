#include "KtViewerStartup.h"

#include "KtMessageBox.h"
#include "KtStartup.h"
#include "KtTableText.h"
#include "KtViewCatalogue.h"
#include "TMibViewerForm.h"

#include <QApplication>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

// A --screenshot run that waits longer than this for its reads ends.
constexpr int ReadsLimitMs = 600000;

// The module hands on /t, /v, /d and /m of an SNMPv3 switch even when
// nothing gave them a value; an empty numeric switch is taken as not given.
// It stays a parameter (an empty one), since the device file is read again
// before every parameter. The module writes that block, with the user's /n,
// only for an SNMPv3 switch, so an empty /v beside a /n means version 3:
// without it the viewer would ask an SNMPv3 switch in SNMPv1.
QStringList WithoutEmptyNumbers(QStringList parameters)
{
    static const QStringList numeric = {"/t", "/v", "/m", "/l", "/a", "/p"};
    const bool namesUser = std::any_of(parameters.cbegin(), parameters.cend(), [](const QString &parameter) {
        return parameter.startsWith(QLatin1String("/n")) && parameter.size() > 2;
    });
    for (QString &parameter : parameters)
        if (parameter == QLatin1String("/v") && namesUser)
            parameter = QStringLiteral("/v3");
        else if (numeric.contains(parameter))
            parameter.clear();
    return parameters;
}

} // namespace

KtViewerStartup::Options KtViewerStartup::Parse(const QStringList &arguments)
{
    Options options;
    int i = 0;
    for (; i < arguments.size() && arguments[i].startsWith(QLatin1String("--")); ++i) {
        if (arguments[i] == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
            options.Screenshot = arguments[++i];
        } else if (arguments[i] == QLatin1String("--csv") && i + 1 < arguments.size()) {
            options.Csv = arguments[++i];
        } else if (arguments[i] == QLatin1String("--exit-after-first-read")) {
            options.ExitAfterFirstRead = true;
        } else if (arguments[i] == QLatin1String("--reads") && i + 1 < arguments.size()) {
            options.Reads = std::max(arguments[++i].toInt(), 1);
        } else if (arguments[i] == QLatin1String("--interval") && i + 1 < arguments.size()) {
            options.IntervalSeconds = std::max(arguments[++i].toInt(), 1);
        } else if (arguments[i] == QLatin1String("--select") && i + 1 < arguments.size()) {
            for (const QString &row : arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts))
                options.ChartRows << row.toInt();
        } else {
            options.Error = QStringLiteral("unknown option %1").arg(arguments[i]);
            return options;
        }
    }
    options.Parameters = WithoutEmptyNumbers(arguments.mid(i));
    for (const QString &parameter : std::as_const(options.Parameters))
        if (parameter.startsWith(QLatin1String("/T"))) {
            options.View = parameter.mid(2);
            break;
        }
    if (options.Parameters.isEmpty())
        options.Error = QStringLiteral("No parameter input");
    else if (options.View.isEmpty())
        options.Error =
            QStringLiteral("no view given: the command line needs a /T parameter such as /TMIB_Info");
    else if (!FindView(options.View))
        options.Error = QStringLiteral("unknown view \"%1\"; the views are: %2")
                            .arg(options.View, AllViewNames().join(QStringLiteral(", ")));
    return options;
}

void KtViewerStartup::Fail(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        KtMessageBox::Error(nullptr, message);
}

int KtViewerStartup::Run(const QStringList &arguments)
{
    const Options options = Parse(arguments);
    if (!options.Error.isEmpty()) {
        Fail(options.Error);
        return ExitUsage;
    }
    try {
        const KtStartupPaths paths = KtStartup::Initialize();
        KtLaunchTexts texts;
        KtStartup::ApplyParameters(options.Parameters, paths.ConfigurationDirectory, KtSNMPDefaults, texts,
                                   LaunchFlags);
    } catch (const std::exception &error) {
        Fail(QString::fromUtf8(error.what()));
        return ExitReadFailed;
    }

    TMibViewerForm form(*FindView(options.View), KtSNMPDefaults.Security.Version);
    if (options.IntervalSeconds > 0)
        form.Interval()->setValue(options.IntervalSeconds);
    form.show();
    if (options.Screenshot.isEmpty() && options.Csv.isEmpty() && !options.ExitAfterFirstRead)
        return QApplication::exec();

    QObject::connect(&form, &TMibViewerForm::ReadDone, &form, [&](bool ok) {
        if (form.ReadsDone() == 1)
            form.SelectChartRows(options.ChartRows);
        if (form.ReadsDone() != options.Reads)
            return;
        // The chart lays itself out on the next event round; let it, so the
        // picture shows what the window shows.
        QCoreApplication::processEvents();
        form.repaint();
        bool saved = options.Screenshot.isEmpty() || form.grab().save(options.Screenshot);
        if (!saved)
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(options.Screenshot));
        QString csvError;
        if (!options.Csv.isEmpty() && !KtTableText::SaveFile(options.Csv, form.AllSectionsCsv(), &csvError)) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(options.Csv), qPrintable(csvError));
            saved = false;
        }
        if (!ok)
            std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(form.statusBar()->currentMessage()));
        // exit(), not quit(): it ends the event loop without asking the
        // windows whether they may close first.
        QCoreApplication::exit(ok && saved ? 0 : ExitReadFailed);
    });
    QTimer::singleShot(ReadsLimitMs, &form, [] { QCoreApplication::exit(ExitReadFailed); });
    return QApplication::exec();
}
