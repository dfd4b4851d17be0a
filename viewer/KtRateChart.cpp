#include "KtRateChart.h"

#include "KtNumberText.h"
#include "KtSNMPRequest2Controls.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCursor>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSet>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

KtRateChart::KtRateChart(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setMinimumHeight(200);
}

void KtRateChart::EnsureAxes(bool buckets)
{
    if (!valueAxis_) {
        valueAxis_ = new QValueAxis;
        chart()->addAxis(valueAxis_, Qt::AlignLeft);
    }
    if (buckets && !bucketAxis_) {
        bucketAxis_ = new QBarCategoryAxis;
        bucketAxis_->setTitleText(QStringLiteral("bucket"));
        chart()->addAxis(bucketAxis_, Qt::AlignBottom);
    } else if (!buckets && !timeAxis_) {
        timeAxis_ = new QDateTimeAxis;
        timeAxis_->setTitleText(QStringLiteral("time"));
        chart()->addAxis(timeAxis_, Qt::AlignBottom);
    }
}

void KtRateChart::Reset(const QString &title)
{
    chart()->removeAllSeries(); // deletes them; the axes (the chart owns them) stay
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

QString KtRateChart::AxisTitle(const QString &prefix, const QString &unit)
{
    if (!unit.isEmpty())
        return prefix + unit;
    return prefix.isEmpty() ? QStringLiteral("per second") : prefix + QStringLiteral(" per second");
}

QString KtRateChart::HoverText(const QString &name, const QDateTime &time, double value, const QString &unit)
{
    // "1.23 M" takes the unit straight after its prefix, "850" after a blank.
    const QString number = KtNumberText::Scaled(value);
    const QString perSecond = unit.isEmpty() ? QStringLiteral("/s") : unit;
    const QString withUnit =
        number + (number.contains(QLatin1Char(' ')) ? QString() : QStringLiteral(" ")) + perSecond;
    return QStringLiteral("%1\n%2\n%3").arg(name, ClockText(time.time()), withUnit);
}

QString KtRateChart::ClockText(const QTime &time)
{
    return KtSNMPRequest2Controls::FormatStatusLine(QStringLiteral("[TIME]"), QString(), QString(), time);
}

// A range from 0 that shows the values whole, with as many decimals as the
// tick steps need and no more (an idle chart reads 0.0, 0.2, 0.4 ... not
// 0, 0, 0, 1).
void KtRateChart::SetValueRange(double top)
{
    valueAxis_->setRange(0, top > 0 ? top * 1.1 : 1);
    valueAxis_->applyNiceNumbers();
    const double step = (valueAxis_->max() - valueAxis_->min()) / std::max(valueAxis_->tickCount() - 1, 1);
    int decimals = 0;
    while (decimals < 3 &&
           std::fabs(step * std::pow(10, decimals) - std::round(step * std::pow(10, decimals))) > 1e-6)
        ++decimals;
    valueAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

void KtRateChart::ShowRates(const QString &title, const QString &unit, const QList<RateSeries> &series,
                            qint64 nowMs, qint64 spanMs)
{
    Reset(title);
    EnsureAxes(false);
    chart()->legend()->setVisible(true);
    const qint64 wallNow = QDateTime::currentMSecsSinceEpoch();
    timeAxis_->setFormat(spanMs > 30 * 60 * 1000 ? QStringLiteral("hh:mm AP")
                                                 : QStringLiteral("hh:mm:ss AP"));
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(wallNow - spanMs),
                        QDateTime::fromMSecsSinceEpoch(wallNow));

    double top = 0;
    for (const RateSeries &one : series)
        for (const KtRateTracker::Point &point : *one.Points)
            if (point.Rate && point.TimeMs >= nowMs - spanMs)
                top = std::max(top, *point.Rate * one.Scale);
    QString prefix;
    const double divisor = KtNumberText::Divisor(top, &prefix);
    const QString axisTitle = AxisTitle(prefix, unit);
    valueAxis_->setTitleText(axisTitle);

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
                line->attachAxis(timeAxis_);
                line->attachAxis(valueAxis_);
                if (!first)
                    chart()->legend()->markers(line).value(0)->setVisible(false);
                first = false;
                connect(line, &QLineSeries::hovered, this,
                        [name = one.Name, divisor, unit](const QPointF &at, bool entered) {
                            if (!entered) {
                                QToolTip::hideText();
                                return;
                            }
                            QToolTip::showText(QCursor::pos(),
                                               HoverText(name, QDateTime::fromMSecsSinceEpoch(qint64(at.x())),
                                                         at.y() * divisor, unit));
                        });
            }
            line->append(double(wallNow - (nowMs - point.TimeMs)), *point.Rate * one.Scale / divisor);
        }
    }
    // A rate between two gaps is a single point, which only a marker shows.
    for (QAbstractSeries *series : chart()->series()) {
        auto *line = static_cast<QLineSeries *>(series);
        line->setPointsVisible(line->count() == 1);
    }
    SetValueRange(top / divisor);
}

void KtRateChart::ShowBuckets(const QString &title, const QStringList &labels, const QList<double> &values)
{
    Reset(title);
    EnsureAxes(true);
    auto *set = new QBarSet(title);
    double top = 0;
    for (double value : values) {
        *set << value;
        top = std::max(top, value);
    }
    auto *bars = new QBarSeries;
    bars->append(set);
    chart()->addSeries(bars);
    bucketAxis_->clear();
    bucketAxis_->append(labels);
    valueAxis_->setTitleText(QString());
    SetValueRange(top);
    bars->attachAxis(bucketAxis_);
    bars->attachAxis(valueAxis_);
    chart()->legend()->setVisible(false);
}

bool KtRateChart::SaveTo(const QString &path)
{
    return grab().save(path);
}
