// A test fixture, not a product: what clipboard managers with a "keep the
// clipboard" option do (on X11 the persistence of parcellite, clipit or
// diodon; on wlroots wl-clip-persist). Each item another program puts on
// the clipboard is read whole, every type of it, and put back by this
// program a moment later, so that it outlives its owner. Runs until killed.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto takeOver = [clipboard] {
        if (clipboard->ownsClipboard())
            return;
        const QMimeData *offered = clipboard->mimeData();
        if (!offered || offered->formats().isEmpty())
            return; // an empty clipboard stays empty
        auto *kept = new QMimeData;
        for (const QString &type : offered->formats())
            kept->setData(type, offered->data(type));
        clipboard->setMimeData(kept);
    };
    QObject::connect(clipboard, &QClipboard::dataChanged, &application,
                     [takeOver] { QTimer::singleShot(200, takeOver); });
    return QGuiApplication::exec();
}
