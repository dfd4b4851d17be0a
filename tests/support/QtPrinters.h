#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable GoogleTest failure messages for Qt texts and octets.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray &octets, std::ostream *os)
{
    *os << "hex " << octets.toHex(' ').toStdString();
}
