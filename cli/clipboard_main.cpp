// tessellon-clipboard: serves one copy handed over by tessellon-cli, or by
// the window at quit. Reads the password from standard input, puts it on
// the clipboard with the concealed markers, says "copied" on standard
// output, and stays in the background until it has cleared the clipboard
// (given --clear-after=MS: after that long, a minute at most) or another
// program has taken it.
#include "app/ProcessHardening.h"
#include "core/CopyTimings.h"
#include "services/Clipboard.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    hardenProcess("tessellon-clipboard");
    const std::optional<std::chrono::milliseconds> clearAfter =
        clearDelay(argc > 1 ? argv[1] : "");
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    QByteArray bytes = input.readAll();
    input.close();

    const QGuiApplication application(argc, argv);
    // A Wayland compositor takes a selection only from a client with a recent
    // input event, which a program without a window never has, and tells no
    // one when it ignores one: refuse rather than report a copy that is not.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fputs(QCoreApplication::translate(
                       "ClipboardHandOff",
                       "--copy does not work on Wayland yet; copy from the Tessellon window.\n")
                       .toUtf8()
                       .constData(),
                   stdout);
        std::fflush(stdout);
        return 1;
    }
    Clipboard clipboard;
    QString password = QString::fromUtf8(bytes);
    bytes.fill('\0');
    clipboard.copy(password, clearAfter);
    password.fill(u'\0');

    // With a clear, it stays until the clear has run or been given up,
    // even while a clipboard manager serves the copy in its stead; without,
    // until another program has the clipboard.
    QClipboard *system = QGuiApplication::clipboard();
    if (clearAfter) {
        QObject::connect(&clipboard, &Clipboard::clearEnded, &application,
                         &QCoreApplication::quit);
    } else {
        QObject::connect(system, &QClipboard::dataChanged, &application, [system] {
            if (!system->ownsClipboard())
                QCoreApplication::quit();
        });
    }
    std::fputs("copied\n", stdout);
    std::fflush(stdout);
    detachFromCaller();
    return QGuiApplication::exec();
}
