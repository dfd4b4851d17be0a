#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every message and question the module puts to the user goes through here:
// modal message boxes owned by the given window. One replacement (tests use
// it) answers them all without a modal loop.
class KtMessageBox
{
public:
    enum class Kind
    {
        Information,
        Warning,
        Error,
        Plain,
        Question
    };
    struct Message
    {
        Kind Type;
        QWidget *Owner;
        QString Caption;
        QString Text;
        bool OkByDefault = false; // a question whose Enter agrees
    };
    // Shows the message; for a question, true means OK.
    using Handler = std::function<bool(const Message &)>;

    // Information, captioned with the executable's name.
    static void Inform(QWidget *owner, const QString &text);
    // A warning about the user's input, captioned "Warning".
    static void Warn(QWidget *owner, const QString &text);
    // A failed request with no status line to go to, captioned with the
    // executable's name.
    static void Error(QWidget *owner, const QString &text);
    // A refused input of an edit box: no icon, the executable's name.
    static void Plain(QWidget *owner, const QString &text);
    // A question with OK and Cancel, captioned "Confirm"; true for OK.
    // Cancel is the default button unless `okByDefault`: a question before
    // a deletion must not be agreed to by Enter.
    static bool Ask(QWidget *owner, const QString &text, bool okByDefault = false);

    // Replaces how messages are shown and returns the handler it replaces;
    // an empty handler puts the message boxes back.
    static Handler Replace(Handler handler);

    // The executable's file name, the caption of the module's messages.
    static QString ExecutableName();

private:
    static bool Show(const Message &message);

    static Handler handler_;
};
