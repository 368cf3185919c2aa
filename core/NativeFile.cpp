// SPDX-License-Identifier: GPL-3.0-or-later
#include "NativeFile.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#endif

namespace NativeFile {

namespace {

QString notRegularReason()
{
    return QCoreApplication::translate("NativeFile", "Not a regular file");
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// A byte that is not part of valid UTF-8 (always 0x80 or above) is held as
// U+DC00 + byte, a lone surrogate that no valid UTF-8 name decodes to.
constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = kEscapeBase + 0x80;
constexpr char16_t kLastEscape = kEscapeBase + 0xFF;
constexpr int kTempNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;      // narrowed by the user's umask

bool isContinuation(uchar b, uchar low = 0x80, uchar high = 0xBF)
{
    return b >= low && b <= high;
}

// The length of the valid UTF-8 sequence at the start of bytes, 0 when there is none.
int sequenceLength(const uchar* bytes, qsizetype available)
{
    const uchar b = bytes[0];
    auto continues = [&](int count, uchar low, uchar high) {
        if (available < count + 1 || !isContinuation(bytes[1], low, high))
            return false;
        for (int i = 2; i <= count; ++i)
            if (!isContinuation(bytes[i]))
                return false;
        return true;
    };
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return continues(1, 0x80, 0xBF) ? 2 : 0;
    if (b == 0xE0)
        return continues(2, 0xA0, 0xBF) ? 3 : 0;
    if (b == 0xED)   // not the surrogates
        return continues(2, 0x80, 0x9F) ? 3 : 0;
    if (b >= 0xE1 && b <= 0xEF)
        return continues(2, 0x80, 0xBF) ? 3 : 0;
    if (b == 0xF0)
        return continues(3, 0x90, 0xBF) ? 4 : 0;
    if (b >= 0xF1 && b <= 0xF3)
        return continues(3, 0x80, 0xBF) ? 4 : 0;
    if (b == 0xF4)
        return continues(3, 0x80, 0x8F) ? 4 : 0;
    return 0;
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

int openRetrying(const char* name, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(name, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// The file that replace() puts its new file in the place of.
struct Target
{
    QByteArray path;   // links followed
    bool exists = false;
    mode_t mode = 0;
};

bool findTarget(const QString& path, Target* target, QString* reason)
{
    target->path = encodeName(path);
    if (target->path.isEmpty()) {
        *reason = systemReason(ENOENT);
        return false;
    }
    struct stat info;
    if (::stat(target->path.constData(), &info) != 0) {
        if (errno == ENOENT)
            return true;   // a new name
        *reason = systemReason(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        *reason = S_ISDIR(info.st_mode) ? systemReason(EISDIR) : notRegularReason();
        return false;
    }
    target->exists = true;
    target->mode = info.st_mode & 07777;
    // A link stays a link: its file is the one replaced.
    if (char* resolved = ::realpath(target->path.constData(), nullptr)) {
        target->path = resolved;
        std::free(resolved);
    }
    return true;
}

// Creates a new file in the target's folder; -1 with the reason when it cannot.
int createBeside(const Target& target, QByteArray* tempPath, QString* reason)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        QByteArray name = target.path + ".new-";
        for (int i = 0; i < 6; ++i)
            name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        const int fd = openRetrying(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0) {
            // The new file keeps the permissions of the one it replaces (where
            // the file system has permissions at all).
            if (target.exists)
                ::fchmod(fd, target.mode);
            *tempPath = name;
            return fd;
        }
        if (errno != EEXIST) {
            *reason = systemReason(errno);
            return -1;
        }
    }
    *reason = systemReason(EEXIST);
    return -1;
}

// A new file beside the file path names (a link followed), or -1 with the reason.
int createBesideTarget(const QString& path, Target* target, QByteArray* tempPath, QString* reason)
{
    return findTarget(path, target, reason) ? createBeside(*target, tempPath, reason) : -1;
}

// 0 when everything was written and is on disk, otherwise the system's error.
int writeAndSync(int fd, QByteArrayView contents)
{
    qsizetype done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, size_t(contents.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += n;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

QString decodeName(const QByteArray& name)
{
    QString decoded;
    decoded.reserve(name.size());
    const auto* bytes = reinterpret_cast<const uchar*>(name.constData());
    qsizetype at = 0;
    while (at < name.size()) {
        const int length = sequenceLength(bytes + at, name.size() - at);
        if (length == 0) {
            decoded += QChar(char16_t(kEscapeBase + bytes[at]));
            ++at;
            continue;
        }
        decoded += QString::fromUtf8(name.constData() + at, length);
        at += length;
    }
    return decoded;
}

QByteArray encodeName(const QString& name)
{
    QByteArray encoded;
    encoded.reserve(name.size());
    qsizetype runStart = 0;
    auto flushRun = [&](qsizetype end) {
        encoded += QStringView(name).mid(runStart, end - runStart).toUtf8();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t ch = name.at(i).unicode();
        const bool endsPair = i > 0 && QChar::isHighSurrogate(name.at(i - 1).unicode());
        if (ch >= kFirstEscape && ch <= kLastEscape && !endsPair) {
            flushRun(i);
            encoded += char(ch - kEscapeBase);
            runStart = i + 1;
        }
    }
    flushRun(name.size());
    return encoded;
}

QStringList arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << decodeName(QByteArray(argv[i]));
    return list;
}

bool openForReading(const QString& path, QFile* file, QString* reason)
{
    const QByteArray name = encodeName(path);
    if (name.isEmpty()) {
        *reason = systemReason(ENOENT);
        return false;
    }
    // Without O_NONBLOCK opening a FIFO waits for a writer.
    const int fd = openRetrying(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *reason = systemReason(errno);
        return false;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        *reason = systemReason(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        *reason = S_ISDIR(info.st_mode) ? systemReason(EISDIR) : notRegularReason();
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file->errorString();
        ::close(fd);
        return false;
    }
    return true;
}

WriteResult replace(const QString& path, QByteArrayView contents)
{
    Target target;
    QByteArray tempPath;
    QString reason;
    const int fd = createBesideTarget(path, &target, &tempPath, &reason);
    if (fd < 0)
        return { false, reason };
    int failure = writeAndSync(fd, contents);
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(tempPath.constData(), target.path.constData()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(tempPath.constData());
        return { false, systemReason(failure) };
    }
    return { true, {} };
}

WriteResult checkReplaceable(const QString& path)
{
    Target target;
    QByteArray tempPath;
    QString reason;
    const int fd = createBesideTarget(path, &target, &tempPath, &reason);
    if (fd < 0)
        return { false, reason };
    ::close(fd);
    ::unlink(tempPath.constData());
    return { true, {} };
}

#else

QString decodeName(const QByteArray& name)
{
    return QFile::decodeName(name);
}

QByteArray encodeName(const QString& name)
{
    return QFile::encodeName(name);
}

QStringList arguments(int, char*[])
{
    // The system passes the command line as UTF-16, which Qt keeps as it is.
    return QCoreApplication::arguments();
}

namespace {

// An empty name, or a name that stands for something other than a regular file.
bool refusedName(const QString& path, QString* reason)
{
    if (path.isEmpty())
        *reason = qt_error_string(ENOENT);
    else if (const QFileInfo info(path); info.exists() && !info.isFile())
        *reason = notRegularReason();
    else
        return false;
    return true;
}

bool openSaveFile(const QString& path, QSaveFile* file, QString* reason)
{
    if (refusedName(path, reason))
        return false;
    if (!file->open(QIODevice::WriteOnly)) {
        *reason = file->errorString();
        return false;
    }
    return true;
}

} // namespace

bool openForReading(const QString& path, QFile* file, QString* reason)
{
    if (refusedName(path, reason))
        return false;
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *reason = file->errorString();
        return false;
    }
    return true;
}

WriteResult replace(const QString& path, QByteArrayView contents)
{
    QSaveFile file(path);
    QString reason;
    if (!openSaveFile(path, &file, &reason))
        return { false, reason };
    if (file.write(contents.data(), contents.size()) != contents.size()) {
        reason = file.errorString();
        file.cancelWriting();
        return { false, reason };
    }
    if (!file.commit())
        return { false, file.errorString() };
    return { true, {} };
}

WriteResult checkReplaceable(const QString& path)
{
    QSaveFile file(path);
    QString reason;
    if (!openSaveFile(path, &file, &reason))
        return { false, reason };
    file.cancelWriting();
    return { true, {} };
}

#endif

} // namespace NativeFile
