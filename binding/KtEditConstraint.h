#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QWidget;

// Input constraints of a window's edit boxes. Each attached box gets a typing
// filter (characters that cannot belong to the value are removed with a beep)
// and an exit check (when the focus leaves the box, an invalid value is
// rejected with a message box and the last accepted text comes back).
//
// A format is "%", a kind letter, for kind "n" a delimiter character, and
// optionally options in braces: "%i{n1x4094}", "%s{l32}", "%n.{n0x255l4f}".
//   kinds:   f decimal number, i integer, u unsigned integer, h hexadecimal
//            text, s free text, n delimited numbers (the delimiter follows)
//   options: n<number> minimum, x<number> maximum, l<digits>[a][f][n] maximum
//            length (for kind "n" the number count) with the flags a (advance
//            to the next control when full), f (fixed length or count) and
//            n (not empty), w<digits> box width in pixels, e<char> a jump
//            character that moves to the next control instead of being entered.
// A bad format raises KtException with code -2. The "l" value becomes the
// box's maximum length, except for kind "n", where it counts numbers: that
// kind neither limits the length nor advances automatically. "w" fixes the
// box's width.
//
// The filter runs on every change of the text, the program's own included;
// only a change in the box that has the focus moves the focus on (automatic
// advance, jump character), to the next control in its window's tab order.
// The exit check runs when the focus goes to another control; switching
// windows or opening a menu or pop-up leaves the box the window's current
// control and checks nothing. While a rejection is shown and the focus given
// back, no other box is checked.
//
// Handlers. Signals the window connects to the box itself keep working
// untouched: the constraint never disconnects them. A window that wants its
// handler to see only filtered text, or to veto it, registers it here instead
// (SetChangeHandler, SetExitHandler): the change handler then runs after each
// change that passed the filter, the exit handler after a value passed the
// exit check. A handler vetoes by setting the box's "Tag" property (see
// TagProperty) to -1; the tag belongs to the box, so the handler sets it back
// when it accepts again. A vetoed change stops the automatic advance; a
// vetoed exit puts the last accepted text back. Registered handlers live and
// die with the attachment.
//
// Detach gives the box back exactly what it had: the constraint's event
// filter and text connection go, and the maximum length and width it set are
// restored. Destroying the constraint detaches every box; a box destroyed
// while attached is forgotten.
class KtEditConstraint : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QLineEdit *box)>;

    // The property a handler sets to -1 to veto.
    static constexpr const char *TagProperty = "Tag";

    // The sound of a removed character. The platform chooses the tone:
    // pitch and duration cannot be set on Linux. Tests replace it.
    static std::function<void()> BeepHook;

    // Shows a rejection message with an OK button, owned by owner, captioned
    // with caption. The default is a modal QMessageBox; tests replace it.
    static std::function<void(QWidget *owner, const QString &caption, const QString &text)> MessageHook;

    KtEditConstraint(QWidget *window, bool rememberValid);
    ~KtEditConstraint() override;

    KtEditConstraint(const KtEditConstraint &) = delete;
    KtEditConstraint &operator=(const KtEditConstraint &) = delete;

    // Splits format before every "%" that is not its first character and
    // attaches the pieces to the boxes in order. Every piece is checked
    // before any box is attached; a piece without a box is checked only.
    void Attach(const QString &format, const QList<QLineEdit *> &boxes);

    // Attaches one format to one box. A box that is already attached takes
    // the new format and keeps its handlers and last accepted text. A null
    // box only has its format checked.
    void AttachOne(const QString &format, QLineEdit *box);

    void Detach(QLineEdit *box);

    // The owner of the message boxes; without one, the box's own window.
    void SetWindow(QWidget *window);

    // The box's current text becomes its last accepted text.
    void SaveText(QLineEdit *box);

    // False when the box is not attached.
    bool SetChangeHandler(QLineEdit *box, Handler handler);
    bool SetExitHandler(QLineEdit *box, Handler handler);

    bool IsAttached(const QLineEdit *box) const;
    QString LastValid(const QLineEdit *box) const;
    // What the exit check would say about the box's text now (its message),
    // or an empty text when it would accept it; for a box that never had the
    // focus as well. Nothing is shown and nothing is put back.
    QString Problem(const QLineEdit *box) const;

    // When on, every value other than an empty text that passes the exit
    // check becomes the box's last accepted text, and a box the program
    // empties while it has no focus (cleared for a new entry) has none any
    // more; when off, only SaveText sets it.
    bool RememberValid;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Flag : int
    {
        AutoAdvance = 1,
        Fixed = 2,
        NotEmpty = 4,
    };

    struct Format
    {
        QChar Kind;
        QChar Delimiter;
        double Minimum = 0;
        double Maximum = 0;
        int MaxLength = 0;
        int Flags = 0;
        int Width = 0;
        QChar Jump; // null: none
    };

    struct Attachment
    {
        QLineEdit *Box = nullptr; // identity; removed when the box is destroyed
        Format Limits;
        QString LastValid;
        Handler OnChange;
        Handler OnExit;
        QMetaObject::Connection TextConnection;
        QMetaObject::Connection DestroyedConnection;
        int OriginalMaxLength = 0;
        int OriginalMinimumWidth = 0;
        int OriginalMaximumWidth = 0;
    };

    static Format ParseFormat(const QString &format);
    static QStringList SplitFormat(const QString &format);
    static void ParseOptions(QStringView options, Format &result);
    static void SetDefaultLimits(Format &result);

    Attachment *Find(const QObject *box) const;
    void ApplyToBox(Attachment &record);
    void RestoreBox(Attachment &record);
    void Forget(const QObject *box);

    void NoteShownText(QLineEdit *box);
    void Filter(QLineEdit *box);
    bool RemoveJumpCharacter(QLineEdit *box, const Format &limits);
    static qsizetype FirstBadCharacter(const Format &limits, const QString &text);
    void RemoveCharacterAt(QLineEdit *box, qsizetype position);

    void ExitCheck(QLineEdit *box);
    // The catalogue message for an invalid text, or an empty text when valid.
    static QString Complaint(const Format &limits, const QString &text);
    static QString NumberComplaint(const Format &limits, const QString &text);
    static QString LengthComplaint(const Format &limits, const QString &text);
    static QString ListComplaint(const Format &limits, const QString &text);
    void Reject(QLineEdit *box, const QString &message);
    void PutBackLastValid(QLineEdit *box);

    static bool IsMissingData(const QString &text);
    static bool Vetoed(const QLineEdit *box);
    static void FocusNextControl(QLineEdit *box);

    QPointer<QWidget> window_;
    std::vector<std::unique_ptr<Attachment>> attachments_;
    bool rejecting_ = false;
    bool correcting_ = false;
};
