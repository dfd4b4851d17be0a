#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdlib>
#include <string>

// The fuzzer's input written to one file in a private temporary directory
// (in memory where the machine has /dev/shm), for the readers that take a
// path.
inline QString WriteFuzzFile(const QByteArray &content, const char *name)
{
    static const std::string directory = [] {
        for (const char *base : {"/dev/shm", "/tmp"}) {
            std::string pattern = std::string(base) + "/qgfuzz.XXXXXX";
            if (mkdtemp(pattern.data()))
                return pattern;
        }
        std::abort();
    }();
    const QString path = QString::fromStdString(directory) + '/' + QLatin1String(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        std::abort();
    return path;
}
