// tessellon-clipboard: serves one copy handed over by tessellon-cli, or by
// the window at quit. Reads the password from standard input, puts it on
// the clipboard with the concealed markers, says "copied" on standard
// output, and stays in the background until it has cleared the clipboard
// (given --clear-after=MS: after that long, a minute at most) or another
// program has taken it. On X11 it serves through Qt; on Wayland through
// the compositor's data-control protocol, or, where that is not offered,
// through the session's Xwayland, whose copies the compositor carries over
// to Wayland programs (GNOME's does); it refuses where neither is there.
// Given --clear-copy=ID instead, it clears the copy with that id through
// Xwayland for the window, on a compositor that puts back the text a
// Wayland program withdraws (GNOME's again).
#include "core/CopyTimings.h"
#include "core/SecretWipe.h"
#include "services/clipboard/Clipboard.h"
#include "services/clipboard/MarkedItem.h"
#include "startup/ProcessHardening.h"

#ifdef TESSELLON_DATA_CONTROL
#include "helper/DataControlClipboard.h"
#endif

#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

#ifdef TESSELLON_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

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
std::optional<std::chrono::milliseconds> clearDelay(const QByteArray &option)
{
    if (option == "--keep")
        return std::nullopt;
    const QByteArray prefix("--clear-after=");
    bool ok = false;
    const qint64 ms = option.startsWith(prefix) ? option.mid(prefix.size()).toLongLong(&ok) : -1;
    return ok && ms >= 0 ? std::min(std::chrono::milliseconds(ms), autoClearDelay())
                         : autoClearDelay();
}

// Why the copy is refused where a compositor without data control has no
// Xwayland either.
constexpr const char *noDataControl = QT_TRANSLATE_NOOP(
    "ClipboardHandOff", "--copy needs a Wayland compositor that offers data control "
                        "(such as sway or KDE Plasma); copy from the Tessellon window.");
constexpr const char *noSession = QT_TRANSLATE_NOOP(
    "ClipboardHandOff", "The clipboard couldn't be reached: is a graphical session running?");

// The copy goes where the window's would: to the Wayland compositor
// unless Qt programs are told to use another platform, or there is none.
bool onWayland()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() ? !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                              : platform.startsWith("wayland");
}

// The X server is the compositor's own Xwayland, whose clipboard the
// compositor shares with its Wayland programs; a nested compositor's X
// server (weston on X11) is not. Xwayland from 23.1 says so with an
// extension of its own; earlier ones name their outputs XWAYLAND0 and on.
bool onXwayland()
{
    if (QGuiApplication::platformName() != u"xcb")
        return false;
    bool announced = false;
#ifdef TESSELLON_XCB
    if (const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        constexpr std::string_view extension("XWAYLAND");
        xcb_query_extension_reply_t *reply = xcb_query_extension_reply(
            connection,
            xcb_query_extension(connection, uint16_t(extension.size()), extension.data()), nullptr);
        announced = reply && reply->present;
        std::free(reply);
    }
#endif
    const QScreen *screen = QGuiApplication::primaryScreen();
    return announced || (screen && screen->name().startsWith(QLatin1String("XWAYLAND")));
}

// After a clear through Xwayland, the empty text is served a moment longer:
// a compositor that keeps a copy of the clipboard's text reads it then, and
// would put back the password it read before if the owner went first.
void lingerOnXwayland()
{
    if (!onXwayland() || !QGuiApplication::clipboard()->ownsClipboard())
        return;
    QEventLoop serving;
    QTimer::singleShot(std::chrono::seconds(1), &serving, &QEventLoop::quit);
    serving.exec();
}

#ifdef TESSELLON_DATA_CONTROL

// A compositor takes a selection from a program without a window only
// through data control; others ignore it without a word, so the copy is
// refused there rather than reported.
int serveOnWayland(DataControlClipboard &clipboard, QByteArray text,
                   std::optional<std::chrono::milliseconds> clearAfter)
{
    QList<DataControlClipboard::TypedValue> typed;
    for (const auto &[type, value] : markers(newCopyId()))
        typed.append({type.toUtf8(), value});
    const std::optional<DataControlClipboard::Failure> failure =
        clipboard.copy(typed, std::move(text));
    if (failure) {
        refuse(failure == DataControlClipboard::Failure::NotOffered ? noDataControl : noSession);
        return 1;
    }
    answer(QStringLiteral("copied\n"));
    detachFromCaller();
    const DataControlClipboard::Clock clock = PendingClear::continuousTime;
    clipboard.serve(clearAfter ? std::optional(clock() + *clearAfter) : std::nullopt, clock);
    return 0;
}

#endif

// Where the Wayland compositor offers no data control, an X server that
// the session names may be its Xwayland: the copy goes through it, and
// Qt's X11 platform is chosen before the application starts.
bool chooseXwayland()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

// --clear-copy=ID: the window's copy, still on the clipboard with that id,
// gives way to empty text of ours. The window's own clear would withdraw
// its offer, which GNOME's compositor answers by putting back the text it
// kept; an X11 program on its Xwayland may replace the clipboard at any
// time, and the compositor keeps the empty text then. Answers "cleared",
// "gone" where the clipboard holds another copy by now, or why it cannot
// (data control, or no Xwayland: the window clears the copy itself).
int clearCopy(int argc, char *argv[], const QByteArray &copyId)
{
#ifdef TESSELLON_DATA_CONTROL
    if (onWayland() && !DataControlClipboard().failure()) {
        refuse("The compositor offers data control.");
        return 1;
    }
#endif
    if (!onWayland() || !chooseXwayland()) {
        refuse(noSession);
        return 1;
    }
    const QGuiApplication application(argc, argv);
    if (!onXwayland()) {
        refuse(noSession);
        return 1;
    }
    QClipboard *system = QGuiApplication::clipboard();
    const QMimeData *held = system->mimeData();
    if (!held || copyId.isEmpty() || held->data(copyIdType) != copyId) {
        answer(QStringLiteral("gone\n"));
        return 0;
    }
    system->setMimeData(new MarkedItem(QString(), QByteArray()));
    answer(QStringLiteral("cleared\n"));
    detachFromCaller();
    lingerOnXwayland();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    hardenProcess("tessellon-clipboard");
    const QByteArray option(argc > 1 ? argv[1] : "");
    const QByteArray clearCopyOption("--clear-copy=");
    if (option.startsWith(clearCopyOption))
        return clearCopy(argc, argv, option.mid(clearCopyOption.size()));
    const std::optional<std::chrono::milliseconds> clearAfter = clearDelay(option);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    QByteArray bytes = input.readAll();
    lockInMemory(bytes);
    input.close();
    // A reader that closes its end mid-paste must not end the copy.
    std::signal(SIGPIPE, SIG_IGN);
    bool throughXwayland = false;
#ifdef TESSELLON_DATA_CONTROL
    if (onWayland()) {
        DataControlClipboard clipboard;
        if (clipboard.failure() != DataControlClipboard::Failure::NotOffered)
            return serveOnWayland(clipboard, std::move(bytes), clearAfter);
        throughXwayland = chooseXwayland();
        if (!throughXwayland) {
            wipeInPlace(bytes);
            refuse(noDataControl);
            return 1;
        }
    }
#endif

    const QGuiApplication application(argc, argv);
#ifdef TESSELLON_DATA_CONTROL
    // Qt found its way to a Wayland compositor all the same (a list of
    // platforms, a session type), where a selection set without a window
    // would be ignored without a word: the copy goes through data control.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        DataControlClipboard clipboard;
        return serveOnWayland(clipboard, std::move(bytes), clearAfter);
    }
#endif
    if (throughXwayland && !onXwayland()) {
        wipeInPlace(bytes);
        refuse(noDataControl);
        return 1;
    }
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
    const int status = QGuiApplication::exec();
    lingerOnXwayland();
    return status;
}
