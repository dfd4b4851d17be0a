#pragma once

#include <QString>
#include <exception>

// The program's one exception type: a message text (usually a catalogue
// entry) and a negative code grouped by source (0 is success).
class KtException : public std::exception
{
public:
    KtException(QString message, int code) : Message(std::move(message)), Code(code), utf8_(Message.toUtf8())
    {
    }

    const char *what() const noexcept override { return utf8_.constData(); }

    QString Message;
    int Code;

private:
    QByteArray utf8_;
};

// Raised when a text that should hold a decimal integer does not.
class KtConvertError : public KtException
{
public:
    explicit KtConvertError(const QString &text)
        : KtException(QStringLiteral("'%1' is not a valid integer value").arg(text), -1)
    {
    }
};

// A text that is not one value of its syntax, or not within the range of its
// field: the message says what the text is not and what the field takes.
// Nothing is sent for such a text. ForField puts the name of the field the
// text came from in front, once.
class KtValueError : public KtException
{
public:
    static constexpr int ValueErrorCode = -518;

    explicit KtValueError(const QString &message) : KtException(message, ValueErrorCode) {}

    KtValueError ForField(const QString &field) const
    {
        if (named_ || field.isEmpty())
            return *this;
        KtValueError named(field + QStringLiteral(": ") + Message);
        named.named_ = true;
        return named;
    }

private:
    bool named_ = false;
};
