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

QString BoxText(QLineEdit *box)
{
    return box ? box->text().trimmed() : QString();
}

qint64 BoxNumber(QLineEdit *box, qint64 minimum, qint64 maximum)
{
    return ReadWholeNumber(BoxText(box), minimum, maximum);
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

// A box holds one octet: one or two hexadecimal digits, none for 00.
QString HexBoxText(QLineEdit *box)
{
    const QString text = BoxText(box);
    if (text.size() > 2)
        throw KtValueError(QStringLiteral("'%1' is not one octet (two hexadecimal digits).").arg(text));
    return text.rightJustified(2, QLatin1Char('0'));
}

// The boxes' numbers joined by dots; boxes after the last one filled are no
// part of the value (a shorter value shown leaves them empty).
QString DottedBoxTexts(const QList<QLineEdit *> &boxes)
{
    QStringList parts;
    for (QLineEdit *box : boxes)
        parts << BoxText(box);
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    return parts.join(QLatin1Char('.'));
}

// The group's numbers in the value's own text form, which the value's
// reader then checks as a whole: what the boxes hold is sent only when it
// is one value of the syntax.
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
    case SyntaxOid:
        return DottedBoxTexts(boxes);
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        RequireCount(boxes.size(), 4);
        return DottedBoxTexts(boxes.mid(0, 4));
    case SyntaxTimeTicks: {
        RequireCount(boxes.size(), 5);
        const QString text =
            QStringLiteral("%1 days, %2:%3:%4.%5")
                .arg(BoxText(boxes[0]), BoxText(boxes[1]), BoxText(boxes[2]), BoxText(boxes[3]),
                     BoxText(boxes[4]).rightJustified(2, QLatin1Char('0')));
        return TimeTicksToText(ReadTimeTicks(text));
    }
    case SyntaxDateAndTime: {
        RequireCount(boxes.size(), 10);
        QString text = QStringLiteral("%1-%2-%3,%4:%5:%6.%7")
                           .arg(BoxText(boxes[0]), BoxText(boxes[1]), BoxText(boxes[2]), BoxText(boxes[3]),
                                BoxText(boxes[4]), BoxText(boxes[5]), BoxText(boxes[6]));
        const QString zone = BoxText(boxes[7]) + BoxText(boxes[8]) + QLatin1Char(':') + BoxText(boxes[9]);
        if (zone != QLatin1String(":"))
            text += QLatin1Char(',') + zone;
        return KtDateTime::Read(text).ToText();
    }
    case SyntaxDateTimeValue: {
        RequireCount(boxes.size(), 7);
        const QDate date(int(BoxNumber(boxes[0], 1, 9999)), int(BoxNumber(boxes[1], 1, 12)),
                         int(BoxNumber(boxes[2], 1, 31)));
        if (!date.isValid())
            throw KtValueError(QStringLiteral("'%1/%2/%3' is no day of the calendar.")
                                   .arg(BoxText(boxes[0]), BoxText(boxes[1]), BoxText(boxes[2])));
        // The text form holds whole seconds.
        const QTime time(int(BoxNumber(boxes[3], 0, 23)), int(BoxNumber(boxes[4], 0, 59)),
                         int(BoxNumber(boxes[5], 0, 59)), int(BoxNumber(boxes[6], 0, 0)));
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
