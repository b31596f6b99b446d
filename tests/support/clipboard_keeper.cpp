// A clipboard manager's "keep the clipboard" (parcellite's, diodon's, wl-clip-persist's): a
// moment after another program copies, every type of its item is served from here instead.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QClipboard *clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::dataChanged, &application, [clipboard] {
        QTimer::singleShot(200, [clipboard] {
            const QMimeData *offered = clipboard->mimeData();
            if (clipboard->ownsClipboard() || !offered || offered->formats().isEmpty())
                return;
            auto *kept = new QMimeData;
            for (const QString &type : offered->formats())
                kept->setData(type, offered->data(type));
            clipboard->setMimeData(kept);
        });
    });
    return QGuiApplication::exec();
}
