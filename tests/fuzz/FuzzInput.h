#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The fuzzer's input as raw octets and as text (UTF-8, so that the readers
// also meet characters beyond Latin-1).
struct FuzzInput
{
    FuzzInput(const uint8_t *data, size_t size)
        : Octets(reinterpret_cast<const char *>(data), qsizetype(size)), Text(QString::fromUtf8(Octets))
    {
    }

    // The first sizeof(T) octets as a number (missing octets are 0).
    template <typename T> T Number() const
    {
        T value{};
        std::memcpy(&value, Octets.constData(), std::min<size_t>(sizeof value, size_t(Octets.size())));
        return value;
    }

    QByteArray Octets;
    QString Text;
};

// A broken property is a crash the fuzzer reports with its input.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            std::abort();                                                                                    \
    } while (false)
