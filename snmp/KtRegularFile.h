#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reading of the files the module takes from disk (message catalogues, the
// registry stand-in, device configuration files, the boot counter), so that
// whatever lies in their place can neither hang nor swamp start-up: only a
// regular file is read, opening never blocks (a FIFO or a device is not
// opened for reading at all), and at most a given number of bytes is read;
// the rest is ignored with a note on standard error.
enum class KtFileState
{
    Read,         // a regular file, read (perhaps only in part, see Truncated)
    Missing,      // no such file, or it cannot be opened
    NotRegular,   // a FIFO, device, socket or directory
    SymbolicLink, // a symbolic link, when links are refused
};

enum class KtLinkPolicy
{
    Follow,
    Refuse
};

struct KtFileContent
{
    KtFileState State = KtFileState::Missing;
    QByteArray Bytes;
    bool Truncated = false; // the file was longer than the limit
};

KtFileContent KtReadRegularFile(const QString &path, qint64 maxBytes,
                                KtLinkPolicy links = KtLinkPolicy::Follow);

// Splits text into lines, each with its line break. A line longer than
// maxLine keeps its first maxLine bytes (and its line break); the rest of it
// is ignored with a note on standard error naming the file and line.
QList<QByteArray> KtSplitLines(const QByteArray &content, qsizetype maxLine, const QString &path);

// Writes a note about a file to standard error ("qg2312: PATH: note").
void KtFileNote(const QString &path, const QString &note);
