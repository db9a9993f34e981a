#pragma once

// What the fault-injection tests of both programs need from the system:
// folders that refuse writes or are full, and a way to stop a save in a
// child process at the moment its temporary file is complete.
//
// Include this header in exactly one file of a test program: it defines the
// system calls that put a written file in place, so that a child started
// with FAULT_KILL_AT_COMMIT=1 is killed (SIGKILL, no clean-up of any kind)
// when it asks for the first of them, and one started with
// FAULT_KILL_AT_STEP=N when it asks for the N-th of them or of the calls
// that remove a file (the steps that change what a folder holds). Every
// other process simply gets the system call.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace FaultInjection {

inline bool killAtCommit()
{
    static const bool kill = qEnvironmentVariableIntValue("FAULT_KILL_AT_COMMIT") == 1;
    return kill;
}

inline int killAtStep()
{
    static const int step = qEnvironmentVariableIntValue("FAULT_KILL_AT_STEP");
    return step;
}

inline void countStep()
{
    static int steps = 0;
    if (killAtStep() > 0 && ++steps == killAtStep())
        ::raise(SIGKILL);
}

inline void dieIfAsked()
{
    countStep();
    if (killAtCommit())
        ::raise(SIGKILL);
}

} // namespace FaultInjection

// A completed temporary file becomes the real one through one of these: a
// link of the unnamed temporary file, or a rename of a named one.
extern "C" int linkat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath,
                      int flags) noexcept
{
    FaultInjection::dieIfAsked();
    return int(::syscall(SYS_linkat, olddirfd, oldpath, newdirfd, newpath, flags));
}

extern "C" int rename(const char *oldpath, const char *newpath) noexcept
{
    FaultInjection::dieIfAsked();
    return int(::syscall(SYS_rename, oldpath, newpath));
}

extern "C" int renameat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath) noexcept
{
    FaultInjection::dieIfAsked();
    return int(::syscall(SYS_renameat, olddirfd, oldpath, newdirfd, newpath));
}

extern "C" int renameat2(int olddirfd, const char *oldpath, int newdirfd, const char *newpath,
                         unsigned int flags) noexcept
{
    FaultInjection::dieIfAsked();
    return int(::syscall(SYS_renameat2, olddirfd, oldpath, newdirfd, newpath, flags));
}

extern "C" int unlink(const char *path) noexcept
{
    FaultInjection::countStep();
    return int(::syscall(SYS_unlinkat, AT_FDCWD, path, 0));
}

extern "C" int unlinkat(int dirfd, const char *path, int flags) noexcept
{
    FaultInjection::countStep();
    return int(::syscall(SYS_unlinkat, dirfd, path, flags));
}

namespace FaultInjection {

// Gives the test process its own mount table, so that the small file systems
// mounted below vanish with the process even when a test crashes. Call it
// first thing in main. False when this user may not mount.
inline bool enterPrivateMounts()
{
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0)
        return false;
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// A folder that can be made read-only or full. With mounting allowed it is a
// small tmpfs of its own (a read-only mount stops root as well); otherwise a
// plain folder whose write permission is taken away, and "full" is not
// available.
class FaultFolder
{
public:
    explicit FaultFolder(bool canMount, int kilobytes = 64)
    {
        m_path = m_base.filePath(QStringLiteral("disk"));
        QDir().mkpath(m_path);
        if (canMount) {
            const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
            m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0,
                                options.constData()) == 0;
        }
    }

    ~FaultFolder()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
        else
            ::chmod(QFile::encodeName(m_path).constData(), 0755);
    }

    FaultFolder(const FaultFolder &) = delete;
    FaultFolder &operator=(const FaultFolder &) = delete;

    bool isValid() const { return m_base.isValid() && QFileInfo(m_path).isDir(); }
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return QDir(m_path).filePath(name); }

    bool makeReadOnly()
    {
        if (m_mounted)
            return ::mount(nullptr, QFile::encodeName(m_path).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        return ::chmod(QFile::encodeName(m_path).constData(), 0555) == 0 && !canCreateFile();
    }

    // Fills the file system up to the last byte with one extra file.
    bool makeFull()
    {
        if (!m_mounted)
            return false;
        const QByteArray filler = QFile::encodeName(filePath(QStringLiteral("filler")));
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        bool full = false;
        for (int i = 0; i < 100000 && !full; ++i) {
            // Once a whole block no longer fits, fill the rest byte by byte.
            const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
            if (n < block.size()) {
                while (::write(fd, "f", 1) == 1) {
                }
                full = errno == ENOSPC;
            }
        }
        ::close(fd);
        return full && !canCreateFile();
    }

    // The error number the system gives when a new file is made here.
    int createError() const
    {
        const QByteArray probe = QFile::encodeName(filePath(QStringLiteral("probe")));
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0)
            return errno;
        // Created, which a full disk allows for an empty file; writing is what fails.
        const int err = ::write(fd, "x", 1) == 1 && ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        ::unlink(probe.constData());
        return err;
    }

    bool canCreateFile() const { return createError() == 0; }

    // The names in the folder apart from the filler.
    QStringList entries() const
    {
        QStringList names = QDir(m_path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                   | QDir::NoDotAndDotDot, QDir::Name);
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

private:
    QTemporaryDir m_base;
    QString m_path;
    bool m_mounted = false;
};

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Runs one save in a child copy of the test program (which performs the save
// named by FAULT_CHILD on FAULT_TARGET): its exit code, -1 when it was killed,
// -2 when it did not finish. With kill, the child dies at the rename.
// With step > 0 the child dies at that step instead.
inline int runSaveInChild(const QString &target, const QString &path, bool kill, int step = 0)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FAULT_CHILD"), target);
    env.insert(QStringLiteral("FAULT_TARGET"), path);
    env.insert(QStringLiteral("FAULT_KILL_AT_COMMIT"), kill ? QStringLiteral("1") : QStringLiteral("0"));
    env.insert(QStringLiteral("FAULT_KILL_AT_STEP"), QString::number(step));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return -2;
    }
    return child.exitStatus() == QProcess::CrashExit ? -1 : child.exitCode();
}

} // namespace FaultInjection
