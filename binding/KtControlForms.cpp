#include "KtControlForms.h"

#include "KtDateTime.h"
#include "KtErrorCode.h"
#include "KtOid.h"
#include "KtOptionControls.h"
#include "KtOptionList.h"
#include "KtSNMPVarDef.h"
#include "KtTextForm.h"
#include "KtValueImage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtEndian>
#include <cmath>

using namespace KtTextForm;

namespace {

constexpr int kBadPartSyntax = -517;
constexpr int kEmptyChoice = -518;
constexpr int kBitOutOfRange = -519;
constexpr int kBadControl = -521;
constexpr int kTooFewControls = -522;
constexpr qint64 kTicksPerDay = 8640000;

const QString kNull = QStringLiteral("(NULL)");

QList<QLineEdit *> EditBoxes(const KtControlBinding &binding)
{
    QList<QLineEdit *> boxes;
    for (const QPointer<QWidget> &control : binding.Controls)
        boxes << qobject_cast<QLineEdit *>(control.data());
    return boxes;
}

void RequireCount(qsizetype have, qsizetype need)
{
    if (have < need)
        KtRaise(kTooFewControls);
}

QString TwoHexDigits(quint8 octet)
{
    return QStringLiteral("%1").arg(octet, 2, 16, QLatin1Char('0')).toUpper();
}

bool IsTruthType(int syntax)
{
    return syntax == SyntaxBoolean || syntax == SyntaxPartBool8 || syntax == SyntaxPartBool16;
}

// Days since 30 December 1899 and the calendar date and time they stand for.
QDateTime DayCountToDateTime(double days)
{
    const qint64 msecs = qint64(std::llround(days * 86400000.0));
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0)).addMSecs(msecs);
}

double DateTimeToDayCount(const QDateTime &moment)
{
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    return double(epoch.msecsTo(moment)) / 86400000.0;
}

qint64 BoxNumber(QLineEdit *box)
{
    return box ? TextToLong(box->text()) : 0;
}

void ShowEditGroup(const KtControlBinding &binding, const QString &text, const QByteArray &image)
{
    const QList<QLineEdit *> boxes = EditBoxes(binding);
    auto put = [&](int i, const QString &value) {
        if (boxes.value(i))
            boxes[i]->setText(value);
    };
    switch (binding.Syntax) {
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
        RequireCount(boxes.size(), image.size());
        for (int i = 0; i < image.size(); ++i)
            put(i, TwoHexDigits(quint8(image.at(i))));
        return;
    case SyntaxMacAddress:
        RequireCount(boxes.size(), 6);
        if (text != kNull)
            for (int i = 0; i < image.size() && i < boxes.size(); ++i)
                put(i, TwoHexDigits(quint8(image.at(i))));
        return;
    case SyntaxOid: {
        const KtOid oid = KtOid::FromText(text);
        RequireCount(boxes.size(), oid.Size());
        for (int i = 0; i < oid.Size(); ++i)
            put(i, QString::number(oid[i]));
        return;
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        RequireCount(boxes.size(), 4);
        if (text != kNull)
            for (int i = 0; i < 4; ++i)
                put(i, QString::number(i < image.size() ? quint8(image.at(i)) : 0));
        return;
    case SyntaxTimeTicks: {
        RequireCount(boxes.size(), 5);
        if (text == kNull)
            return;
        const qint64 t = TextToTimeTicks(text);
        put(0, QString::number(t / kTicksPerDay));
        put(1, QString::number((t % kTicksPerDay) / 360000));
        put(2, QString::number((t % 360000) / 6000));
        put(3, QString::number((t % 6000) / 100));
        put(4, QString::number(t % 100));
        return;
    }
    case SyntaxDateAndTime: {
        RequireCount(boxes.size(), 10);
        if (text == kNull)
            return;
        const KtDateTime value(text);
        const QList<int> numbers{value.Year,    value.Month,   value.Day,        value.Hour,
                                 value.Minutes, value.Seconds, value.DeciSeconds};
        for (int i = 0; i < numbers.size(); ++i)
            put(i, QString::number(numbers[i]));
        put(7, QString(QLatin1Char(value.Direction)));
        put(8, QString::number(value.HoursFromUTC));
        put(9, QString::number(value.MinutesFromUTC));
        return;
    }
    case SyntaxDateTimeValue: {
        RequireCount(boxes.size(), 7);
        if (text == kNull)
            return;
        const QDateTime moment = DayCountToDateTime(TextToDayCount(text).value_or(0.0));
        const QList<int> numbers{moment.date().year(), moment.date().month(),  moment.date().day(),
                                 moment.time().hour(), moment.time().minute(), moment.time().second(),
                                 moment.time().msec()};
        for (int i = 0; i < numbers.size(); ++i)
            put(i, QString::number(numbers[i]));
        return;
    }
    default:
        put(0, text);
        return;
    }
}

QString HexBoxText(QLineEdit *box)
{
    const QString text = box ? box->text() : QString();
    if (text.isEmpty())
        return QStringLiteral("00");
    if (text.size() == 1)
        return QLatin1Char('0') + text;
    return text;
}

QString CollectEditGroup(const KtControlBinding &binding)
{
    const QList<QLineEdit *> boxes = EditBoxes(binding);
    switch (binding.Syntax) {
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxMacAddress: {
        const qsizetype count = binding.Syntax == SyntaxMacAddress ? 6 : boxes.size();
        RequireCount(boxes.size(), count);
        QString text;
        for (qsizetype i = 0; i < count; ++i)
            text += HexBoxText(boxes[i]);
        return text;
    }
    case SyntaxOid: {
        QStringList ids;
        for (QLineEdit *box : boxes)
            ids << QString::number(BoxNumber(box));
        return ids.join(QLatin1Char('.'));
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        RequireCount(boxes.size(), 4);
        QStringList parts;
        for (int i = 0; i < 4; ++i)
            parts << QString::number(BoxNumber(boxes[i]));
        return parts.join(QLatin1Char('.'));
    }
    case SyntaxTimeTicks: {
        RequireCount(boxes.size(), 5);
        const qint64 t = BoxNumber(boxes[0]) * kTicksPerDay + BoxNumber(boxes[1]) * 360000 +
                         BoxNumber(boxes[2]) * 6000 + BoxNumber(boxes[3]) * 100 + BoxNumber(boxes[4]);
        return TimeTicksToText(quint32(t));
    }
    case SyntaxDateAndTime: {
        RequireCount(boxes.size(), 10);
        KtDateTime value(QStringLiteral("0-0-0,0:0:0.0"));
        value.Year = quint16(BoxNumber(boxes[0]));
        value.Month = quint8(BoxNumber(boxes[1]));
        value.Day = quint8(BoxNumber(boxes[2]));
        value.Hour = quint8(BoxNumber(boxes[3]));
        value.Minutes = quint8(BoxNumber(boxes[4]));
        value.Seconds = quint8(BoxNumber(boxes[5]));
        value.DeciSeconds = quint8(BoxNumber(boxes[6]));
        const QString direction = boxes[7] ? boxes[7]->text() : QString();
        value.Direction = direction.isEmpty() ? '+' : direction.at(0).toLatin1();
        value.HoursFromUTC = quint8(BoxNumber(boxes[8]));
        value.MinutesFromUTC = quint8(BoxNumber(boxes[9]));
        return value.ToText();
    }
    case SyntaxDateTimeValue: {
        RequireCount(boxes.size(), 7);
        const QDate date(int(BoxNumber(boxes[0])), int(BoxNumber(boxes[1])), int(BoxNumber(boxes[2])));
        const QTime time(int(BoxNumber(boxes[3])), int(BoxNumber(boxes[4])), int(BoxNumber(boxes[5])),
                         int(BoxNumber(boxes[6])));
        return DayCountToText(DateTimeToDayCount(QDateTime(date, time)));
    }
    default:
        return boxes.value(0) ? boxes[0]->text() : QString();
    }
}

// A bit past the end of a shorter value is clear: the value does not hold
// it. Leaving its box as it was would show (and write back) the bit of the
// row shown before.
bool BitIsSet(const QByteArray &image, int bit)
{
    const int octet = bit / 8;
    if (bit < 0)
        KtRaise(kBitOutOfRange);
    return octet < image.size() && (quint8(image.at(octet)) & (0x80 >> (bit % 8))) != 0;
}

// A box that stands for no real port (an absent unit or port) shows no bit
// and writes none.
bool IsAbsent(const QCheckBox *box)
{
    return box->property(KtControlForms::AbsentProperty).toBool();
}

int OptionIndex(const KtOptionList &options, const QString &text)
{
    const int byName = options.IndexOfName(text);
    return byName >= 0 ? byName : options.IndexOfValue(text);
}

void ShowComboBox(const KtControlBinding &binding, QComboBox *combo, const QString &text)
{
    if (!binding.Options)
        KtRaise(-520);
    KtOptionControls::Select(*binding.Options, combo, text);
    auto *rest =
        binding.Controls.size() > 1 ? qobject_cast<QLineEdit *>(binding.Controls[1].data()) : nullptr;
    if (!rest)
        return;
    QString remainder = combo->currentIndex() >= 0 ? text.mid(combo->currentText().size()) : text;
    if (binding.Syntax == SyntaxOid && !remainder.isEmpty())
        remainder.remove(0, 1); // the "." between prefix and rest
    rest->setText(remainder);
}

// A combo box or radio group that shows no choice (nothing read into it yet,
// or a read that failed) has nothing to give: writing its first label, or
// the value of an empty text, would send what nobody saw.
[[noreturn]] void RaiseNoChoice()
{
    throw KtException(QStringLiteral("Some items are empty."), kEmptyChoice);
}

QString CollectComboBox(const KtControlBinding &binding, QComboBox *combo)
{
    if (combo->currentIndex() < 0)
        RaiseNoChoice();
    QString text = combo->currentText();
    auto *rest =
        binding.Controls.size() > 1 ? qobject_cast<QLineEdit *>(binding.Controls[1].data()) : nullptr;
    if (rest) {
        if (binding.Syntax == SyntaxOid)
            text += QLatin1Char('.');
        text += rest->text();
    }
    return text;
}

QString CollectRadioGroup(QGroupBox *group)
{
    const auto *buttons = group->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
    const QAbstractButton *checked = buttons ? buttons->checkedButton() : nullptr;
    if (!checked)
        RaiseNoChoice();
    return checked->text();
}

QList<QCheckBox *> CheckBoxes(const KtControlBinding &binding)
{
    QList<QCheckBox *> boxes;
    for (const QPointer<QWidget> &control : binding.Controls)
        boxes << qobject_cast<QCheckBox *>(control.data());
    return boxes;
}

} // namespace

namespace KtControlForms {

void Show(const KtControlBinding &binding, const QString &text, const QByteArray &image)
{
    QWidget *first = binding.Controls.value(0).data();
    if (!first)
        return;
    if (auto *label = qobject_cast<QLabel *>(first)) {
        label->setText(text);
    } else if (qobject_cast<QLineEdit *>(first)) {
        if (binding.Controls.size() == 1)
            static_cast<QLineEdit *>(first)->setText(text);
        else
            ShowEditGroup(binding, text, image);
    } else if (auto *combo = qobject_cast<QComboBox *>(first)) {
        ShowComboBox(binding, combo, text);
    } else if (auto *group = qobject_cast<QGroupBox *>(first)) {
        if (!binding.Options)
            KtRaise(-520);
        KtOptionControls::Select(*binding.Options, group, text);
    } else if (qobject_cast<QCheckBox *>(first)) {
        if (binding.IsCheckBoxGroup()) {
            const QList<QCheckBox *> boxes = CheckBoxes(binding);
            for (int i = 0; i < boxes.size() && i < binding.BitNumbers.size(); ++i)
                if (boxes[i])
                    boxes[i]->setChecked(!IsAbsent(boxes[i]) && BitIsSet(image, binding.BitNumbers[i]));
        } else if (binding.Options) {
            static_cast<QCheckBox *>(first)->setChecked(OptionIndex(*binding.Options, text) > 0);
        } else if (IsTruthType(binding.Syntax)) {
            static_cast<QCheckBox *>(first)->setChecked(text == QLatin1String("true"));
        } else {
            KtRaise(kBadPartSyntax);
        }
    } else {
        KtRaise(kBadControl);
    }
}

QString Collect(const KtControlBinding &binding, QByteArray *image)
{
    QWidget *first = binding.Controls.value(0).data();
    if (!first)
        return {};
    if (auto *label = qobject_cast<QLabel *>(first))
        return label->text();
    if (qobject_cast<QLineEdit *>(first))
        return binding.Controls.size() == 1 ? static_cast<QLineEdit *>(first)->text()
                                            : CollectEditGroup(binding);
    if (auto *combo = qobject_cast<QComboBox *>(first))
        return CollectComboBox(binding, combo);
    if (auto *group = qobject_cast<QGroupBox *>(first))
        return CollectRadioGroup(group);
    if (auto *check = qobject_cast<QCheckBox *>(first)) {
        if (binding.IsCheckBoxGroup()) {
            QByteArray bits;
            const QList<QCheckBox *> boxes = CheckBoxes(binding);
            for (int i = 0; i < boxes.size() && i < binding.BitNumbers.size(); ++i) {
                const int bit = binding.BitNumbers[i];
                if (bit < 0)
                    continue;
                if (bits.size() <= bit / 8)
                    bits.append(QByteArray(bit / 8 + 1 - bits.size(), '\0'));
                const char mask = char(0x80 >> (bit % 8));
                if (boxes[i] && boxes[i]->isChecked() && !IsAbsent(boxes[i]))
                    bits[bit / 8] = char(bits[bit / 8] | mask);
                else
                    bits[bit / 8] = char(bits[bit / 8] & ~mask);
            }
            if (image)
                *image = bits;
            return {};
        }
        if (binding.Options) {
            const int entry = check->isChecked() ? 1 : 0;
            return entry < binding.Options->Count() ? binding.Options->Get(entry).Name : QString();
        }
        if (IsTruthType(binding.Syntax))
            return check->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
        KtRaise(kBadPartSyntax);
    }
    KtRaise(kBadControl);
}

} // namespace KtControlForms
