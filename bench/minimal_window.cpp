// The yardstick for start-up: the least a Qt Widgets program can show, a
// window of Tessellon's default size with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.resize(620, 430);
    window.show();
    return QApplication::exec();
}
