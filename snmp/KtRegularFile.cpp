#include "KtRegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Opening with O_NONBLOCK keeps a FIFO without a writer from blocking the
// open; the file type is then checked on the open descriptor, so nothing
// can be swapped in between the check and the read.
int OpenWithoutBlocking(const QByteArray &path, KtLinkPolicy links)
{
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (links == KtLinkPolicy::Refuse)
        flags |= O_NOFOLLOW;
    int fd;
    do
        fd = ::open(path.constData(), flags);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool ReadUpTo(int fd, qint64 maxBytes, QByteArray &bytes, bool &truncated)
{
    // One byte more than the limit tells whether the file goes on.
    const qint64 wanted = maxBytes + 1;
    bytes.clear();
    char buffer[65536];
    while (bytes.size() < wanted) {
        const size_t chunk = size_t(std::min<qint64>(qint64(sizeof buffer), wanted - bytes.size()));
        const ssize_t got = ::read(fd, buffer, chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(buffer, qsizetype(got));
    }
    truncated = bytes.size() > maxBytes;
    if (truncated)
        bytes.truncate(qsizetype(maxBytes));
    return true;
}

} // namespace

void KtFileNote(const QString &path, const QString &note)
{
    std::fprintf(stderr, "qg2312: %s: %s\n", qPrintable(path), qPrintable(note));
}

KtFileContent KtReadRegularFile(const QString &path, qint64 maxBytes, KtLinkPolicy links)
{
    KtFileContent content;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return content;
    const FileDescriptor fd(OpenWithoutBlocking(name, links));
    if (fd.Get() < 0) {
        struct stat info = {};
        if (errno == ELOOP && links == KtLinkPolicy::Refuse && ::lstat(name.constData(), &info) == 0 &&
            S_ISLNK(info.st_mode))
            content.State = KtFileState::SymbolicLink;
        return content;
    }
    struct stat info = {};
    if (::fstat(fd.Get(), &info) != 0)
        return content;
    if (!S_ISREG(info.st_mode)) {
        content.State = KtFileState::NotRegular;
        return content;
    }
    // A regular file never blocks; clear the flag all the same.
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    if (!ReadUpTo(fd.Get(), maxBytes, content.Bytes, content.Truncated))
        return content;
    content.State = KtFileState::Read;
    if (content.Truncated)
        KtFileNote(path, QStringLiteral("longer than %1 bytes; the rest is ignored").arg(maxBytes));
    return content;
}

QList<QByteArray> KtSplitLines(const QByteArray &content, qsizetype maxLine, const QString &path)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < content.size()) {
        const qsizetype newline = content.indexOf('\n', pos);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        const qsizetype textLength = end - pos - (newline < 0 ? 0 : 1);
        if (textLength > maxLine) {
            KtFileNote(path, QStringLiteral("line %1 is longer than %2 characters; the rest of it is ignored")
                                 .arg(lines.size() + 1)
                                 .arg(maxLine));
            QByteArray line = content.mid(pos, maxLine);
            if (newline >= 0)
                line += '\n';
            lines.append(line);
        } else {
            lines.append(content.mid(pos, end - pos));
        }
        pos = end;
    }
    return lines;
}
