// tessellon-clipboard: serves one copy handed over by tessellon-cli, or by
// the window at quit. Reads the password from standard input, puts it on
// the clipboard with the concealed markers, says "copied" on standard
// output, and stays in the background until it has cleared the clipboard
// (given --clear-after=MS: after that long, a minute at most) or another
// program has taken it. On X11 it serves through Qt; on Wayland through
// the compositor's data-control protocol, and it refuses where that is not
// offered.
#include "app/ProcessHardening.h"
#include "core/CopyTimings.h"
#include "core/SecretWipe.h"
#include "services/Clipboard.h"
#include "services/MarkedItem.h"

#ifdef TESSELLON_DATA_CONTROL
#include "services/DataControlClipboard.h"
#endif

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The answer the caller reads: "copied", or why not.
void answer(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Why the copy is not in place, in English: the caller tells it in the
// user's language.
void refuse(const char *text)
{
    answer(QString::fromUtf8(text) + u'\n');
}

// Lets go of the caller's pipe and terminal: the caller reads until the end.
void detachFromCaller()
{
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::close(null);
}

// "--keep" keeps the copy; "--clear-after=MS" clears it after that long, a
// minute at most; and anything else after the whole minute, erring on the
// side of clearing.
std::optional<std::chrono::milliseconds> clearDelay(const char *argument)
{
    const QByteArray option(argument);
    if (option == "--keep")
        return std::nullopt;
    const QByteArray prefix("--clear-after=");
    bool ok = false;
    const qint64 ms = option.startsWith(prefix) ? option.mid(prefix.size()).toLongLong(&ok) : -1;
    return ok && ms >= 0 ? std::min(std::chrono::milliseconds(ms), autoClearDelay())
                         : autoClearDelay();
}

#ifdef TESSELLON_DATA_CONTROL

// The copy goes where the window's would: to the Wayland compositor
// unless Qt programs are told to use another platform, or there is none.
bool onWayland()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() ? !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                              : platform.startsWith("wayland");
}

// A compositor takes a selection from a program without a window only
// through data control; others ignore it without a word, so the copy is
// refused there rather than reported.
int serveOnWayland(QByteArray text, std::optional<std::chrono::milliseconds> clearAfter)
{
    DataControlClipboard clipboard;
    QList<DataControlClipboard::TypedValue> typed;
    for (const auto &[type, value] : markers(newCopyId()))
        typed.append({type.toUtf8(), value});
    const std::optional<DataControlClipboard::Failure> failure =
        clipboard.copy(typed, std::move(text));
    if (failure == DataControlClipboard::Failure::NotOffered) {
        refuse(QT_TRANSLATE_NOOP("ClipboardHandOff",
                                 "--copy needs a Wayland compositor that offers data control "
                                 "(such as sway or KDE Plasma); copy from the Tessellon window."));
        return 1;
    }
    if (failure) {
        refuse(QT_TRANSLATE_NOOP(
            "ClipboardHandOff",
            "The clipboard couldn't be reached: is a graphical session running?"));
        return 1;
    }
    answer(QStringLiteral("copied\n"));
    detachFromCaller();
    const DataControlClipboard::Clock clock = PendingClear::continuousTime;
    clipboard.serve(clearAfter ? std::optional(clock() + *clearAfter) : std::nullopt, clock);
    return 0;
}

#endif

} // namespace

int main(int argc, char *argv[])
{
    hardenProcess("tessellon-clipboard");
    const std::optional<std::chrono::milliseconds> clearAfter = clearDelay(argc > 1 ? argv[1] : "");
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    QByteArray bytes = input.readAll();
    input.close();
    // A reader that closes its end mid-paste must not end the copy.
    std::signal(SIGPIPE, SIG_IGN);
#ifdef TESSELLON_DATA_CONTROL
    if (onWayland())
        return serveOnWayland(std::move(bytes), clearAfter);
#endif

    const QGuiApplication application(argc, argv);
#ifdef TESSELLON_DATA_CONTROL
    // Qt found its way to a Wayland compositor all the same (a list of
    // platforms, a session type), where a selection set without a window
    // would be ignored without a word: the copy goes through data control.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return serveOnWayland(std::move(bytes), clearAfter);
#endif
    Clipboard clipboard;
    QString password = QString::fromUtf8(bytes);
    wipeInPlace(bytes);
    clipboard.copy(password, clearAfter);
    wipeInPlace(password); // the item holds a copy of its own

    // With a clear, it stays until the clear has run or been given up,
    // even while a clipboard manager serves the copy in its stead; without,
    // until another program has the clipboard.
    QClipboard *system = QGuiApplication::clipboard();
    if (clearAfter) {
        QObject::connect(&clipboard, &Clipboard::clearEnded, &application, &QCoreApplication::quit);
    } else {
        QObject::connect(system, &QClipboard::dataChanged, &application, [system] {
            if (!system->ownsClipboard())
                QCoreApplication::quit();
        });
    }
    answer(QStringLiteral("copied\n"));
    detachFromCaller();
    return QGuiApplication::exec();
}
