#include "KtRateChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

KtRateChart::KtRateChart(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setMinimumHeight(200);
}

void KtRateChart::Clear(const QString &title)
{
    chart()->removeAllSeries();
    // The chart gives up a removed axis without deleting it.
    for (QAbstractAxis *axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    chart()->setTitle(title);
}

int KtRateChart::SeriesCount() const
{
    // A row's rates may be drawn as several lines (one per stretch between
    // gaps), all with the row's name.
    QSet<QString> names;
    int bars = 0;
    for (QAbstractSeries *series : chart()->series()) {
        if (auto *barSeries = qobject_cast<QBarSeries *>(series))
            bars += int(barSeries->count());
        else
            names.insert(series->name());
    }
    return bars + int(names.size());
}

void KtRateChart::ShowRates(const QString &title, const QList<RateSeries> &series, qint64 nowMs)
{
    Clear(title);
    chart()->legend()->setVisible(true);
    const qint64 wallNow = QDateTime::currentMSecsSinceEpoch();
    auto *timeAxis = new QDateTimeAxis;
    timeAxis->setFormat(QStringLiteral("hh:mm:ss"));
    timeAxis->setTitleText(QStringLiteral("time"));
    timeAxis->setRange(QDateTime::fromMSecsSinceEpoch(wallNow - KtRateTracker::HistoryMs / 2),
                       QDateTime::fromMSecsSinceEpoch(wallNow));
    auto *rateAxis = new QValueAxis;
    rateAxis->setTitleText(QStringLiteral("per second"));
    rateAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart()->addAxis(timeAxis, Qt::AlignBottom);
    chart()->addAxis(rateAxis, Qt::AlignLeft);

    double top = 1;
    int colour = 0;
    for (const RateSeries &one : series) {
        const QColor pen = QColor::fromHsv((colour++ * 67) % 360, 200, 200);
        // A gap in the rates starts a new line of the same colour; only the
        // first line of a row has a legend entry.
        QLineSeries *line = nullptr;
        bool first = true;
        for (const KtRateTracker::Point &point : *one.Points) {
            if (!point.Rate) {
                line = nullptr;
                continue;
            }
            if (!line) {
                line = new QLineSeries;
                line->setName(one.Name);
                line->setPen(QPen(pen, 2));
                chart()->addSeries(line);
                line->attachAxis(timeAxis);
                line->attachAxis(rateAxis);
                if (!first)
                    chart()->legend()->markers(line).value(0)->setVisible(false);
                first = false;
            }
            line->append(double(wallNow - (nowMs - point.TimeMs)), *point.Rate);
            top = std::max(top, *point.Rate);
        }
    }
    rateAxis->setRange(0, top * 1.1);
    rateAxis->applyNiceNumbers();
}

void KtRateChart::ShowBuckets(const QString &title, const QStringList &labels, const QList<double> &values)
{
    Clear(title);
    auto *set = new QBarSet(title);
    double top = 1;
    for (double value : values) {
        *set << value;
        top = std::max(top, value);
    }
    auto *bars = new QBarSeries;
    bars->append(set);
    chart()->addSeries(bars);
    auto *bucketAxis = new QBarCategoryAxis;
    bucketAxis->append(labels);
    bucketAxis->setTitleText(QStringLiteral("bucket"));
    auto *valueAxis = new QValueAxis;
    valueAxis->setRange(0, top * 1.1);
    valueAxis->applyNiceNumbers();
    valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart()->addAxis(bucketAxis, Qt::AlignBottom);
    chart()->addAxis(valueAxis, Qt::AlignLeft);
    bars->attachAxis(bucketAxis);
    bars->attachAxis(valueAxis);
    chart()->legend()->setVisible(false);
}
