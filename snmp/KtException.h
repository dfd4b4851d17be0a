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
