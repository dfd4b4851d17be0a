// What the viewer makes of the numbers it reads, without an agent: bits per
// second and utilisation, readable units, the chart's axes and tooltip, the
// window's place beside the module, and the empty switches of the module's
// SNMPv3 command line.
#include "KtNumberText.h"
#include "KtRateChart.h"
#include "KtStartup.h"
#include "KtViewModel.h"
#include "KtViewerStartup.h"
#include "KtWindowPlacement.h"
#include "QtPrinters.h"
#include "ViewerTestSupport.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QSortFilterProxyModel>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

TEST(KtNumberTextTest, GroupedAndScaled)
{
    EXPECT_EQ(KtNumberText::Grouped(0), "0");
    EXPECT_EQ(KtNumberText::Grouped(1711194), "1,711,194");
    EXPECT_EQ(KtNumberText::Grouped(18446744073709551615ULL), "18,446,744,073,709,551,615");
    const std::pair<double, QString> scaled[] = {
        {0, "0.0"},          {12.5, "12.5"},   {850, "850"},      {999, "999"},       {1000, "1.00 k"},
        {1234567, "1.23 M"}, {100e6, "100 M"}, {2.5e9, "2.50 G"}, {45.6e3, "45.6 k"},
    };
    for (const auto &[value, text] : scaled)
        EXPECT_EQ(KtNumberText::Scaled(value), text) << value;
    EXPECT_EQ(KtNumberText::Plain(1e8), "100000000");
    EXPECT_EQ(KtNumberText::Plain(12.54), "12.5");
}

// One read of the IF Counters table over SNMPv2c: every variable "0" but the
// ones given by name.
KtSectionRow Row(const KtSNMPVarList &vars, const QString &key, const QMap<QString, QString> &values)
{
    KtSectionRow row{key, {}};
    for (int i = 0; i < vars.Count(); ++i)
        row.Values << values.value(vars.Get(i).Name, QStringLiteral("0"));
    return row;
}

int ColumnOf(const QAbstractItemModel &model, const QString &header)
{
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header)
            return c;
    return -1;
}

TEST(KtViewModelTest, BitsPerSecondUtilisationAndReadableCounters)
{
    const KtViewSection &section = FindView("MIB_IFCounters")->Sections[0];
    const KtSNMPVarList vars(section.VarsFor(1), section.Kind, section.IndexCount);
    KtViewModel model(vars, true);
    struct Port
    {
        const char *Key, *Speed, *HighSpeed;
        quint64 OctetsPerSecond;
        const char *Bits, *BitsExported, *Utilisation;
    };
    const Port ports[] = {
        {"1", "1000000000", "1000", 12500000, "100 M", "100000000", "10.0"},
        {"2", "4294967295", "10000", 125000000, "1.00 G", "1000000000", "10.0"}, // ifSpeed saturated
        {"3", "0", "0", 1000, "8.00 k", "8000", ""},                             // speed unknown
        {"4", "100000000", "(NOTDONE)", 125, "1.00 k", "1000", "0.0"},           // no ifXTable
    };
    auto read = [&](qint64 ms, int seconds) {
        QVector<KtSectionRow> rows;
        for (const Port &port : ports)
            rows << Row(vars, port.Key,
                        {{"ifIndex", port.Key},
                         {"ifSpeed", port.Speed},
                         {"ifHighSpeed", port.HighSpeed},
                         {"ifAlias", "(NULL)"},
                         {"ifDescr", QStringLiteral("port %1").arg(port.Key)},
                         {"ifHCInOctets", QString::number(1000000 + port.OctetsPerSecond * seconds)},
                         {"ifInErrors", QString::number(3 * seconds)}});
        model.Update(rows, ms, quint32(100000 + ms / 10), true);
    };
    read(0, 0);
    const int octets = ColumnOf(model, "ifHCInOctets"), bits = ColumnOf(model, "ifHCInOctets bit/s"),
              utilisation = ColumnOf(model, "ifHCInOctets %"), errors = ColumnOf(model, "ifInErrors /s");
    ASSERT_GE(octets, 0);
    EXPECT_EQ(bits, octets + 1);
    EXPECT_EQ(utilisation, octets + 2);
    ASSERT_GE(errors, 0);
    EXPECT_EQ(ColumnOf(model, "ifInErrors bit/s"), -1) << "only octets count in bits";
    EXPECT_EQ(model.index(0, bits).data().toString(), "") << "no rate from one read";

    read(5000, 5);
    for (int r = 0; r < 4; ++r) {
        const Port &port = ports[r];
        EXPECT_EQ(model.index(r, bits).data().toString(), port.Bits) << port.Key;
        EXPECT_EQ(model.index(r, bits).data(KtViewModel::ExportRole).toString(), port.BitsExported)
            << port.Key;
        EXPECT_EQ(model.index(r, utilisation).data().toString(), port.Utilisation) << port.Key;
        EXPECT_EQ(model.index(r, errors).data().toString(), "3.0") << port.Key;
        // Counters with separators on the screen, plain in exports; no marker
        // of a missing value anywhere.
        const quint64 value = 1000000 + port.OctetsPerSecond * 5;
        EXPECT_EQ(model.index(r, octets).data().toString(), KtNumberText::Grouped(value));
        EXPECT_EQ(model.index(r, octets).data(KtViewModel::ExportRole).toString(), QString::number(value));
        for (int c = 0; c < model.columnCount(); ++c)
            for (int role : {int(Qt::DisplayRole), KtViewModel::ExportRole, KtViewModel::RawRole})
                EXPECT_FALSE(model.index(r, c).data(role).toString().startsWith('(')) << r << "," << c;
    }
    EXPECT_EQ(model.RowLabel(0), "port 1") << "the description names the row, not the index";

    // The "top" order: by a rate column, highest first.
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setSortRole(KtViewModel::SortRole);
    proxy.sort(bits, Qt::DescendingOrder);
    QStringList order;
    for (int r = 0; r < proxy.rowCount(); ++r)
        order << proxy.index(r, 0).data().toString();
    EXPECT_EQ(order, QStringList({"2", "1", "3", "4"}));
}

TEST(KtViewModelTest, PhysicalAddressesReadAsMacAddresses)
{
    const KtViewSection &section = FindView("MIB_IFTable")->Sections[0];
    const KtSNMPVarList vars(section.VarsFor(1), section.Kind, section.IndexCount);
    KtViewModel model(vars, false);
    model.Update(
        {Row(vars, "1", {{"ifPhysAddress", "5A8796705E6C"}}), Row(vars, "2", {{"ifPhysAddress", ""}})}, 0, 0,
        true);
    const int column = ColumnOf(model, "ifPhysAddress");
    EXPECT_EQ(model.index(0, column).data().toString(), "5A:87:96:70:5E:6C");
    EXPECT_EQ(model.index(1, column).data().toString(), "");
}

TEST(KtRateChartTest, AxesOnceReadableLabelsFirstRateAndTooltip)
{
    KtRateChart chart;
    struct Case
    {
        double Top;
        QString Unit, Title;
    };
    const Case cases[] = {
        {0, "", "per second"},       {2, "", "per second"},      {950, "", "per second"},
        {12345, "", "k per second"}, {1.7e6, "bit/s", "Mbit/s"}, {3e9, "bit/s", "Gbit/s"},
        {0.4, "bit/s", "bit/s"},
    };
    QDateTimeAxis *timeAxis = nullptr;
    for (const Case &c : cases) {
        std::deque<KtRateTracker::Point> points{{1000, c.Top / 2}, {2000, std::nullopt}, {3000, c.Top}};
        chart.ShowRates("rates", c.Unit, {{"Port 1", &points, 1}}, 3000, 10 * 60 * 1000);
        // The axes are made once: never a second time axis over the first.
        ASSERT_EQ(chart.chart()->axes().size(), 2) << c.Top;
        if (timeAxis) {
            EXPECT_EQ(chart.TimeAxis(), timeAxis);
        }
        timeAxis = chart.TimeAxis();
        QValueAxis *axis = chart.ValueAxis();
        EXPECT_EQ(axis->titleText(), c.Title) << c.Top;
        EXPECT_GE(axis->max(), c.Top / KtNumberText::Divisor(c.Top)) << c.Top;
        // Every tick label differs from its neighbours ("0, 1, 1, 2" would not).
        QStringList labels;
        const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
        for (int i = 0; i < axis->tickCount(); ++i)
            labels << QString::asprintf(axis->labelFormat().toLatin1().constData(), axis->min() + i * step);
        EXPECT_EQ(labels.removeDuplicates(), 0) << c.Top << " " << labels.join(", ").toStdString();
        // The gap splits the row into two lines of one point each, drawn
        // as visible points; one legend entry.
        EXPECT_EQ(chart.chart()->series().size(), 2);
        EXPECT_EQ(chart.SeriesCount(), 1);
        for (QAbstractSeries *series : chart.chart()->series())
            EXPECT_TRUE(static_cast<QLineSeries *>(series)->pointsVisible());
    }
    EXPECT_EQ(timeAxis->min().msecsTo(timeAxis->max()), 10 * 60 * 1000);

    const QDateTime at(QDate(2026, 12, 11), QTime(16, 45, 39));
    EXPECT_EQ(KtRateChart::HoverText("Port 3", at, 12.5e6, "bit/s"), "Port 3\n04:45:39 PM\n12.5 Mbit/s");
    EXPECT_EQ(KtRateChart::HoverText("udpNoPorts", at, 850, ""), "udpNoPorts\n04:45:39 PM\n850 /s");
}

TEST(KtWindowPlacementTest, BesideTheOtherWindowWithinTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(960, 640);
    const struct
    {
        const char *What;
        QRect Other;
        QPoint At;
    } cases[] = {
        {"room to the right", QRect(100, 50, 800, 600), QPoint(900, 50)},
        {"room only to the left", QRect(1000, 50, 800, 600), QPoint(40, 50)},
        {"room on neither side", QRect(300, 50, 1400, 600), QPoint(960, 50)},
        {"low on the screen", QRect(0, 900, 800, 600), QPoint(800, 440)},
        {"above the screen's top", QRect(0, -200, 800, 600), QPoint(800, 0)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KtWindowPlacement::Beside(c.Other, size, screen), c.At) << c.What;
    EXPECT_EQ(KtWindowPlacement::FromText("10,20,800,600"), QRect(10, 20, 800, 600));
    for (const char *bad : {"", "10,20,800", "a,b,c,d", "10,20,0,600", "10,20,800,600,1"})
        EXPECT_FALSE(KtWindowPlacement::FromText(bad)) << bad;
}

// The module hands on /t, /v, /d and /m of an SNMPv3 start-up even when
// nothing gave them a value: qgview takes them as not given, except that the
// empty /v of that block, which comes with the user's /n, means SNMPv3.
TEST(KtViewerStartupTest, EmptyNumericSwitchesCountAsNotGiven)
{
    const KtViewerStartup::Options options =
        KtViewerStartup::Parse({"/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_Info", "/t", "/v", "/d", "/m",
                                "/nuser", "/l", "/a", "/p"});
    ASSERT_TRUE(options.Error.isEmpty()) << options.Error.toStdString();
    EXPECT_EQ(options.View, "MIB_Info");
    EXPECT_EQ(options.Parameters, QStringList({"/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_Info", "",
                                               "/v3", "/d", "", "/nuser", "", "", ""}));
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;
    EXPECT_NO_THROW(KtStartup::ApplyParameters(options.Parameters, {}, settings, texts, flags));
    EXPECT_EQ(settings.Device.Port, KtSNMPSettings().Device.Port);
    EXPECT_EQ(settings.Security.Version, 3);
    EXPECT_EQ(settings.Security.SecurityName, "user");

    // Without a user name an empty /v stays not given.
    settings = {};
    KtStartup::ApplyParameters(KtViewerStartup::Parse({"/I127.0.0.1", "/TMIB_Info", "/v", "/n"}).Parameters,
                               {}, settings, texts, flags);
    EXPECT_EQ(settings.Security.Version, KtSNMPSettings().Security.Version);

    // Under SNMPv3 the given switches still count and a malformed number is
    // still refused.
    settings = {};
    KtStartup::ApplyParameters(
        KtViewerStartup::Parse({"/I127.0.0.1", "/TMIB_Info", "/v3", "/t", "/t1161", "/m"}).Parameters, {},
        settings, texts, flags);
    EXPECT_EQ(settings.Device.Port, 1161);
    EXPECT_EQ(settings.Security.SecurityModel, KtSNMPSettings().Security.SecurityModel);
    EXPECT_ANY_THROW(KtStartup::ApplyParameters(
        KtViewerStartup::Parse({"/I127.0.0.1", "/TMIB_Info", "/v3", "/tx"}).Parameters, {}, settings, texts,
        flags));
}

} // namespace
