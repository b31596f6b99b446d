// A test fixture, not a product: a clipboard manager's "keep the clipboard"
// (parcellite's, clipit's or diodon's persistence on X11, wl-clip-persist on
// wlroots). A moment after another program copies, every type of its item is
// read and served by this program instead, so that it outlives its owner.
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
