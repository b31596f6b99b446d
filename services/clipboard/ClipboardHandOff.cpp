#include "services/clipboard/ClipboardHandOff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <QDeadlineTimer>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// What the caller is told when the copy is not in place.
constexpr const char *notInstalled = QT_TRANSLATE_NOOP(
    "ClipboardHandOff", "tessellon-clipboard, which serves the copy, is not installed.");
constexpr const char *unreachable =
    QT_TRANSLATE_NOOP("ClipboardHandOff", "The clipboard couldn't be reached.");
constexpr const char *noSession = QT_TRANSLATE_NOOP(
    "ClipboardHandOff", "The clipboard couldn't be reached: is a graphical session running?");
constexpr const char *unsupported =
    QT_TRANSLATE_NOOP("ClipboardHandOff", "--copy is not available on this platform.");

QString translated(const char *text)
{
    return QCoreApplication::translate("ClipboardHandOff", text);
}

// Beside this program in the build tree; under libexec once installed.
QString helperPath()
{
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {dir.filePath(QStringLiteral("tessellon-clipboard")),
          dir.filePath(QStringLiteral("../libexec/tessellon/tessellon-clipboard"))}) {
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return QString();
}

} // namespace

QProcess *startClearingThroughHelper(const QByteArray &copyId, QObject *parent)
{
    const QString helper = helperPath();
    if (helper.isEmpty())
        return nullptr;
    auto *process = new QProcess(parent);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(helper, {QStringLiteral("--clear-copy=") + QString::fromLatin1(copyId)});
    return process;
}

bool helperCleared(QProcess *process)
{
    // "gone": another copy has taken the clipboard meanwhile, ours is gone too.
    const QByteArray answer = process->readAllStandardOutput();
    return process->exitStatus() == QProcess::NormalExit
           && (answer == "cleared\n" || answer == "gone\n");
}

#ifdef Q_OS_UNIX

namespace {

// Closes every descriptor from the first on.
void closeFrom(int first)
{
#if defined(Q_OS_LINUX)
    if (::close_range(unsigned(first), ~0U, 0) == 0)
        return;
#endif
    for (long fd = first, end = ::sysconf(_SC_OPEN_MAX); fd < end; ++fd)
        ::close(int(fd));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return false;
        done += qMax<ssize_t>(written, 0);
    }
    return true;
}

// In the forked child: the helper gets the password pipe as its standard
// input and the status pipe as its output, and nothing else of ours or the
// caller's. A caller that closed its standard streams may have left a pipe
// on descriptor 0 or 1 already, still to be closed on exec: each is moved
// above the standard three first, so that the dup2() that puts it in place
// always makes a new, inheritable descriptor.
[[noreturn]] void startHelper(const char *helper, const char *const arguments[], int secret,
                              int status)
{
    // Its own session, so that closing the terminal does not end the copy,
    // and the root folder, so that it holds no mount busy.
    ::setsid();
    if (::chdir("/") != 0)
        ::_exit(127);
    const int input = ::fcntl(secret, F_DUPFD, 3);
    const int output = ::fcntl(status, F_DUPFD, 3);
    if (input < 0 || output < 0 || ::dup2(input, STDIN_FILENO) < 0
        || ::dup2(output, STDOUT_FILENO) < 0)
        ::_exit(127);
    // A standard error that is closed, or is one of our pipes, would hand
    // the helper's messages to whatever it opens next.
    if (const int flags = ::fcntl(STDERR_FILENO, F_GETFD); flags < 0 || (flags & FD_CLOEXEC)) {
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0 && null != STDERR_FILENO) {
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    closeFrom(3);
    ::execv(helper, const_cast<char *const *>(arguments));
    ::_exit(127);
}

// Everything until the end, or nothing if the deadline passes first.
std::optional<QByteArray> readAll(int fd, QDeadlineTimer deadline)
{
    QByteArray bytes;
    char buffer[64];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, int(deadline.remainingTime()));
        if (polled == 0)
            return std::nullopt;
        if (polled < 0 && errno == EINTR)
            continue;
        const ssize_t got = polled < 0 ? -1 : ::read(fd, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EINTR))
            return bytes;
        bytes.append(buffer, qMax<ssize_t>(got, 0));
    }
}

// A helper that died before reading would raise SIGPIPE on our write and
// end this process; the write fails instead, for a while.
class IgnoringBrokenPipes
{
public:
    IgnoringBrokenPipes()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGPIPE, &ignore, &m_previous);
    }
    ~IgnoringBrokenPipes() { ::sigaction(SIGPIPE, &m_previous, nullptr); }

private:
    struct sigaction m_previous = {};
};

} // namespace

std::optional<QString> handOffToClipboard(const QString &password,
                                          std::optional<std::chrono::milliseconds> clearAfter)
{
    const QByteArray helper = QFile::encodeName(helperPath());
    if (helper.isEmpty())
        return translated(notInstalled);
    const QByteArray clear =
        clearAfter ? "--clear-after=" + QByteArray::number(qint64(clearAfter->count())) : "--keep";
    const char *const arguments[] = {"tessellon-clipboard", clear.constData(), nullptr};
    int secret[2], status[2];
    if (::pipe2(secret, O_CLOEXEC) != 0)
        return translated(unreachable);
    if (::pipe2(status, O_CLOEXEC) != 0) {
        ::close(secret[0]);
        ::close(secret[1]);
        return translated(unreachable);
    }

    const pid_t child = ::fork();
    if (child == 0)
        startHelper(helper.constData(), arguments, secret[0], status[1]);
    ::close(secret[0]);
    ::close(status[1]);
    QByteArray bytes = password.toUtf8();
    bool sent = false;
    {
        const IgnoringBrokenPipes ignoring;
        sent = child > 0 && writeAll(secret[1], bytes);
    }
    bytes.fill('\0');
    ::close(secret[1]);
    // The helper says "copied" once the copy is in place, or why not; one
    // that says nothing in time is ended, so that no quit waits on it.
    const std::optional<QByteArray> answer =
        sent ? readAll(status[0], QDeadlineTimer(std::chrono::seconds(10))) : QByteArray();
    ::close(status[0]);
    if (answer == "copied\n")
        return std::nullopt;
    if (child > 0) {
        if (!answer)
            ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    // The helper's reason comes in English, as written in its source.
    if (answer && !answer->isEmpty())
        return translated(answer->trimmed().constData());
    return translated(noSession);
}

#else

std::optional<QString> handOffToClipboard(const QString &, std::optional<std::chrono::milliseconds>)
{
    return translated(unsupported);
}

#endif
