#include "KtEditConstraint.h"
#include "KtMessageBox.h"

#include "KtCatalogue.h"
#include "KtException.h"
#include "KtNumList.h"
#include "KtTextForm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double Int32Minimum = -2147483648.0;
constexpr double Int32Maximum = 2147483647.0;
constexpr double UInt32Maximum = 4294967295.0;

[[noreturn]] void RaiseBadFormat()
{
    throw KtException(CommonErr.Text(2), -2);
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsHexDigit(QChar c)
{
    return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The run of characters from allowed that starts at position; position moves
// past it. An empty run is a letter without its argument.
QStringView ReadRun(QStringView options, qsizetype &position, QStringView allowed)
{
    const qsizetype start = position;
    while (position < options.size() && allowed.contains(options[position]))
        ++position;
    if (position == start)
        RaiseBadFormat();
    return options.mid(start, position - start);
}

int ReadWholeNumber(QStringView options, qsizetype &position)
{
    bool ok = false;
    const int value = ReadRun(options, position, u"0123456789").toInt(&ok);
    if (!ok)
        RaiseBadFormat();
    return value;
}

double ReadDecimal(QStringView options, qsizetype &position)
{
    bool ok = false;
    const double value = ReadRun(options, position, u"-0123456789.").toDouble(&ok);
    if (!ok)
        RaiseBadFormat();
    return value;
}

// A limit of kind "n" is a whole number that a 32-bit unsigned item can reach.
double UnsignedWholeNumber(double value)
{
    return std::clamp(std::trunc(value), 0.0, UInt32Maximum);
}

// Every number of the list is made of digits only (at least one) and fits
// 32 bits without sign.
bool AllNumbersFit32Bits(const QString &text, QChar delimiter)
{
    for (QStringView number : QStringView(text).split(delimiter)) {
        if (number.isEmpty())
            return false;
        quint64 value = 0;
        for (QChar c : number) {
            if (!IsDigit(c))
                return false;
            value = value * 10 + (c.unicode() - u'0');
            if (value > quint64(UInt32Maximum))
                return false;
        }
    }
    return true;
}

QString DecimalText(double value)
{
    return QString::number(value, 'g', 15);
}

QString WholeNumberText(double value)
{
    return QString::number(quint32(value));
}

// Whether a focus change takes the focus from the control to another control
// of the window. Switching windows, opening a menu or a pop-up leaves the
// control the active one of its window, so its value is not checked then.
bool LeavesTheControl(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

// Linux gives no say over the pitch and length of the beep; the desktop's
// own alert sound plays instead.
std::function<void()> KtEditConstraint::BeepHook = [] { QApplication::beep(); };

KtEditConstraint::KtEditConstraint(QWidget *window, bool rememberValid)
    : RememberValid(rememberValid), window_(window)
{
}

// Boxes outlive the constraint in their window: each one is detached so that
// nothing calls into the freed constraint afterwards.
KtEditConstraint::~KtEditConstraint()
{
    while (!attachments_.empty())
        Detach(attachments_.back()->Box);
}

// ---------------------------------------------------------------------------
// Formats

QStringList KtEditConstraint::SplitFormat(const QString &format)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 1; i < format.size(); ++i) {
        if (format[i] == u'%') {
            pieces << format.mid(start, i - start);
            start = i;
        }
    }
    pieces << format.mid(start);
    return pieces;
}

KtEditConstraint::Format KtEditConstraint::ParseFormat(const QString &format)
{
    if (format.size() < 2 || format[0] != u'%' || !QStringView(u"fhisun").contains(format[1]))
        RaiseBadFormat();
    Format result;
    result.Kind = format[1];
    qsizetype next = 2;
    if (result.Kind == u'n') {
        // The list parser works on 8-bit delimiters.
        if (format.size() < 3 || format[2].unicode() > 0xFF)
            RaiseBadFormat();
        result.Delimiter = format[2];
        next = 3;
    }
    SetDefaultLimits(result);
    if (next < format.size()) {
        if (format[next] != u'{' || format.back() != u'}')
            RaiseBadFormat();
        ParseOptions(QStringView(format).mid(next + 1, format.size() - next - 2), result);
    }
    if (result.Kind == u'n') {
        result.Minimum = UnsignedWholeNumber(result.Minimum);
        result.Maximum = UnsignedWholeNumber(result.Maximum);
    }
    return result;
}

void KtEditConstraint::SetDefaultLimits(Format &result)
{
    switch (result.Kind.unicode()) {
    case u'f':
        result.Minimum = std::numeric_limits<double>::lowest();
        result.Maximum = std::numeric_limits<double>::max();
        break;
    case u'i':
        result.Minimum = Int32Minimum;
        result.Maximum = Int32Maximum;
        break;
    case u'u':
    case u'n':
        result.Minimum = 0;
        result.Maximum = UInt32Maximum;
        break;
    default: // "h" and "s" have no limits
        break;
    }
}

void KtEditConstraint::ParseOptions(QStringView options, Format &result)
{
    qsizetype position = 0;
    while (position < options.size()) {
        switch (options[position++].unicode()) {
        case u'e':
            if (position >= options.size())
                RaiseBadFormat();
            result.Jump = options[position++];
            break;
        case u'l':
            result.MaxLength = ReadWholeNumber(options, position);
            for (int taken = 0; taken < 3 && position < options.size(); ++taken, ++position) {
                const QChar flag = options[position];
                const int bit = flag == u'a'   ? AutoAdvance
                                : flag == u'f' ? Fixed
                                : flag == u'n' ? NotEmpty
                                               : 0;
                if (bit == 0)
                    break;
                result.Flags |= bit;
            }
            break;
        case u'n':
            result.Minimum = ReadDecimal(options, position);
            break;
        case u'x':
            result.Maximum = ReadDecimal(options, position);
            break;
        case u'w':
            result.Width = ReadWholeNumber(options, position);
            break;
        default:
            RaiseBadFormat();
        }
    }
}

// ---------------------------------------------------------------------------
// Attachments

void KtEditConstraint::Attach(const QString &format, const QList<QLineEdit *> &boxes)
{
    const QStringList pieces = SplitFormat(format);
    for (const QString &piece : pieces)
        ParseFormat(piece);
    for (qsizetype i = 0; i < pieces.size() && i < boxes.size(); ++i)
        AttachOne(pieces[i], boxes[i]);
}

void KtEditConstraint::AttachOne(const QString &format, QLineEdit *box)
{
    const Format limits = ParseFormat(format);
    if (!box)
        return;
    Attachment *record = Find(box);
    if (record) {
        RestoreBox(*record);
    } else {
        attachments_.push_back(std::make_unique<Attachment>());
        record = attachments_.back().get();
        record->Box = box;
        record->OriginalMaxLength = box->maxLength();
        record->OriginalMinimumWidth = box->minimumWidth();
        record->OriginalMaximumWidth = box->maximumWidth();
        record->TextConnection = connect(box, &QLineEdit::textChanged, this, [this, box] {
            NoteShownText(box);
            Filter(box);
        });
        record->DestroyedConnection = connect(box, &QObject::destroyed, this, [this, box] { Forget(box); });
        box->installEventFilter(this);
    }
    record->Limits = limits;
    ApplyToBox(*record);
}

void KtEditConstraint::Detach(QLineEdit *box)
{
    Attachment *record = Find(box);
    if (!record)
        return;
    RestoreBox(*record);
    box->removeEventFilter(this);
    Forget(box);
}

void KtEditConstraint::Forget(const QObject *box)
{
    const auto found = std::find_if(attachments_.begin(), attachments_.end(),
                                    [box](const auto &record) { return record->Box == box; });
    if (found == attachments_.end())
        return;
    disconnect((*found)->TextConnection);
    disconnect((*found)->DestroyedConnection);
    attachments_.erase(found);
}

// The number count of kind "n" is no character length, so it leaves the
// box's maximum length alone.
void KtEditConstraint::ApplyToBox(Attachment &record)
{
    const Format &limits = record.Limits;
    if (limits.Width > 0)
        record.Box->setFixedWidth(limits.Width);
    if (limits.MaxLength > 0 && limits.Kind != u'n')
        record.Box->setMaxLength(limits.MaxLength);
}

void KtEditConstraint::RestoreBox(Attachment &record)
{
    const Format &limits = record.Limits;
    if (limits.Width > 0) {
        record.Box->setMinimumWidth(record.OriginalMinimumWidth);
        record.Box->setMaximumWidth(record.OriginalMaximumWidth);
    }
    if (limits.MaxLength > 0 && limits.Kind != u'n')
        record.Box->setMaxLength(record.OriginalMaxLength);
}

KtEditConstraint::Attachment *KtEditConstraint::Find(const QObject *box) const
{
    for (const auto &record : attachments_)
        if (record->Box == box)
            return record.get();
    return nullptr;
}

void KtEditConstraint::SetWindow(QWidget *window)
{
    window_ = window;
}

void KtEditConstraint::SaveText(QLineEdit *box)
{
    if (Attachment *record = Find(box))
        record->LastValid = box->text();
}

bool KtEditConstraint::SetChangeHandler(QLineEdit *box, Handler handler)
{
    Attachment *record = Find(box);
    if (record)
        record->OnChange = std::move(handler);
    return record != nullptr;
}

bool KtEditConstraint::SetExitHandler(QLineEdit *box, Handler handler)
{
    Attachment *record = Find(box);
    if (record)
        record->OnExit = std::move(handler);
    return record != nullptr;
}

bool KtEditConstraint::IsAttached(const QLineEdit *box) const
{
    return Find(box) != nullptr;
}

QString KtEditConstraint::LastValid(const QLineEdit *box) const
{
    const Attachment *record = Find(box);
    return record ? record->LastValid : QString();
}

QString KtEditConstraint::Problem(const QLineEdit *box) const
{
    const Attachment *record = Find(box);
    if (!record)
        return {};
    const QString text = box->text();
    if (IsMissingData(text))
        return {};
    if (text.isEmpty())
        return (record->Limits.Flags & NotEmpty) ? CommonErr.Text(3) : QString();
    return Complaint(record->Limits, text);
}

// A box the program empties (editors cleared for a new entry, while the user
// works elsewhere) shows nothing any more: a rejected entry then brings back
// nothing, not a text from before, which may belong to another row. A box
// the user empties while typing in it keeps its last accepted text.
void KtEditConstraint::NoteShownText(QLineEdit *box)
{
    if (correcting_ || !RememberValid || box->hasFocus() || !box->text().isEmpty())
        return;
    if (Attachment *record = Find(box))
        record->LastValid.clear();
}

// ---------------------------------------------------------------------------
// Typing filter. Handlers and text changes below may detach the box or
// delete the box or this object, so nothing found before them is used after.

void KtEditConstraint::Filter(QLineEdit *box)
{
    const Attachment *record = Find(box);
    const QString text = box->text();
    if (!record || text.isEmpty() || IsMissingData(text))
        return;
    const Format limits = record->Limits;
    if (RemoveJumpCharacter(box, limits))
        return;
    if (const qsizetype bad = FirstBadCharacter(limits, text); bad >= 0) {
        BeepHook();
        RemoveCharacterAt(box, bad);
        return;
    }
    if (Handler onChange = record->OnChange) {
        const QPointer<KtEditConstraint> self(this);
        const QPointer<QLineEdit> guard(box);
        onChange(box);
        if (!self || !guard || !Find(box) || Vetoed(box))
            return;
    }
    const bool full = limits.MaxLength > 0 && box->text().size() == limits.MaxLength;
    if ((limits.Flags & AutoAdvance) && full && limits.Kind != u'n' && box->hasFocus())
        FocusNextControl(box);
}

// Values the program puts in a box change the text too; only a box the user
// types in gives the focus away.
bool KtEditConstraint::RemoveJumpCharacter(QLineEdit *box, const Format &limits)
{
    if (limits.Jump.isNull())
        return false;
    const qsizetype at = box->text().indexOf(limits.Jump);
    if (at < 0)
        return false;
    const QPointer<QLineEdit> guard(box);
    RemoveCharacterAt(box, at);
    if (guard && guard->hasFocus())
        FocusNextControl(guard);
    return true;
}

qsizetype KtEditConstraint::FirstBadCharacter(const Format &limits, const QString &text)
{
    bool pointSeen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool leadingMinus = i == 0 && c == u'-';
        bool allowed = true;
        switch (limits.Kind.unicode()) {
        case u'f':
            allowed = IsDigit(c) || leadingMinus || (c == u'.' && !pointSeen);
            pointSeen = pointSeen || c == u'.';
            break;
        case u'i':
            allowed = IsDigit(c) || leadingMinus;
            break;
        case u'u':
            allowed = IsDigit(c);
            break;
        case u'h':
            allowed = IsHexDigit(c);
            break;
        case u'n':
            allowed = IsDigit(c) || (c == limits.Delimiter && i > 0 && text[i - 1] != limits.Delimiter);
            break;
        default: // "s" takes any text
            break;
        }
        if (!allowed)
            return i;
    }
    return -1;
}

// Setting the text runs the filter again on the shorter text.
void KtEditConstraint::RemoveCharacterAt(QLineEdit *box, qsizetype position)
{
    const QPointer<QLineEdit> guard(box);
    const QPointer<KtEditConstraint> self(this);
    correcting_ = true;
    box->setText(box->text().remove(position, 1));
    if (self)
        correcting_ = false;
    if (guard)
        guard->setCursorPosition(int(std::min(position, guard->text().size())));
}

// ---------------------------------------------------------------------------
// Exit check

bool KtEditConstraint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut || rejecting_)
        return false;
    // No QLineEdit any more while the box is being destroyed.
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || !Find(box) || !LeavesTheControl(static_cast<QFocusEvent *>(event)->reason()))
        return false;
    const QPointer<QLineEdit> guard(box);
    ExitCheck(box);
    // A rejected box has the focus again: its own handling of the focus loss
    // that no longer holds would hide its cursor.
    return guard && guard->hasFocus();
}

void KtEditConstraint::ExitCheck(QLineEdit *box)
{
    const Attachment *record = Find(box);
    const QString text = box->text();
    if (IsMissingData(text))
        return;
    if (text.isEmpty()) {
        if (record->Limits.Flags & NotEmpty)
            Reject(box, CommonErr.Text(3));
        return;
    }
    if (const QString complaint = Complaint(record->Limits, text); !complaint.isEmpty()) {
        Reject(box, complaint);
        return;
    }
    if (Handler onExit = record->OnExit) {
        const QPointer<KtEditConstraint> self(this);
        const QPointer<QLineEdit> guard(box);
        onExit(box);
        if (!self || !guard)
            return;
        if (Vetoed(box)) {
            PutBackLastValid(box);
            return;
        }
    }
    if (Attachment *accepted = Find(box); accepted && RememberValid)
        accepted->LastValid = text;
}

QString KtEditConstraint::Complaint(const Format &limits, const QString &text)
{
    switch (limits.Kind.unicode()) {
    case u'f':
    case u'i':
    case u'u':
        return NumberComplaint(limits, text);
    case u'h':
    case u's':
        return LengthComplaint(limits, text);
    default:
        return ListComplaint(limits, text);
    }
}

// A text that is no number of the kind at all ("-", ".", "3.9" or "5e3"
// for a whole number) is outside every range.
QString KtEditConstraint::NumberComplaint(const Format &limits, const QString &text)
{
    bool ok = false;
    double value = 0;
    if (limits.Kind == u'f') {
        value = text.toDouble(&ok);
    } else if (const std::optional<qint64> whole = KtTextForm::ParseWholeNumber(text)) {
        ok = limits.Kind == u'i' || !text.trimmed().startsWith(u'-');
        value = double(*whole);
    }
    if (ok && value >= limits.Minimum && value <= limits.Maximum)
        return {};
    return CommonErr.Text(8)
        .replace(QLatin1String("[MIN]"), DecimalText(limits.Minimum))
        .replace(QLatin1String("[MAX]"), DecimalText(limits.Maximum));
}

QString KtEditConstraint::LengthComplaint(const Format &limits, const QString &text)
{
    if (limits.MaxLength <= 0)
        return {};
    const bool hex = limits.Kind == u'h';
    const QString length = QString::number(limits.MaxLength);
    if (limits.Flags & Fixed) {
        if (text.size() == limits.MaxLength)
            return {};
        return CommonErr.Text(hex ? 7 : 5).replace(QLatin1String("[LEN]"), length);
    }
    if (text.size() <= limits.MaxLength)
        return {};
    return CommonErr.Text(hex ? 6 : 4).replace(QLatin1String("[MAXLEN]"), length);
}

QString KtEditConstraint::ListComplaint(const Format &limits, const QString &text)
{
    KtNumList<unsigned int> numbers;
    numbers.Delimiter = char(limits.Delimiter.unicode());
    numbers.Parse(text);
    const QString delimiter(limits.Delimiter);
    const QString count = QString::number(limits.MaxLength);
    if (limits.MaxLength > 0 && (limits.Flags & Fixed) && numbers.Count() != limits.MaxLength)
        return CommonErr.Text(10)
            .replace(QLatin1String("[DELIMITER]"), delimiter)
            .replace(QLatin1String("[COUNT]"), count);
    if (limits.MaxLength > 0 && !(limits.Flags & Fixed) && numbers.Count() > limits.MaxLength)
        return CommonErr.Text(9)
            .replace(QLatin1String("[DELIMITER]"), delimiter)
            .replace(QLatin1String("[MAXCOUNT]"), count);
    // The list parser wraps numbers beyond 32 bits around; such a number must
    // not pass as a small one.
    if (AllNumbersFit32Bits(text, limits.Delimiter) &&
        numbers.AllInRange(unsigned(limits.Minimum), unsigned(limits.Maximum)))
        return {};
    return CommonErr.Text(11)
        .replace(QLatin1String("[DELIMITER]"), delimiter)
        .replace(QLatin1String("[MIN]"), WholeNumberText(limits.Minimum))
        .replace(QLatin1String("[MAX]"), WholeNumberText(limits.Maximum));
}

// Focus changes caused by the message box and by giving the box its focus
// back are no exits of the user: other boxes must not be checked meanwhile.
void KtEditConstraint::Reject(QLineEdit *box, const QString &message)
{
    const QPointer<KtEditConstraint> self(this);
    const QPointer<QLineEdit> guard(box);
    const bool wasRejecting = rejecting_;
    rejecting_ = true;
    KtMessageBox::Plain(window_ ? window_.data() : box->window(), message);
    if (self && guard)
        PutBackLastValid(box);
    if (guard)
        guard->setFocus(Qt::OtherFocusReason);
    if (self)
        rejecting_ = wasRejecting;
}

void KtEditConstraint::PutBackLastValid(QLineEdit *box)
{
    if (const Attachment *record = Find(box))
        box->setText(record->LastValid);
}

// ---------------------------------------------------------------------------
// Helpers

bool KtEditConstraint::IsMissingData(const QString &text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

bool KtEditConstraint::Vetoed(const QLineEdit *box)
{
    return box->property(TagProperty).toInt() == -1;
}

// The next control in the tab order of the box's window, as Tab would choose.
void KtEditConstraint::FocusNextControl(QLineEdit *box)
{
    QWidget *window = box->window();
    for (QWidget *next = box->nextInFocusChain(); next && next != box; next = next->nextInFocusChain()) {
        if (next->window() == window && next->isVisibleTo(window) && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
