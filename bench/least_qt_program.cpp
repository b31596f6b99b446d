// The floor of tessellon-cli's start: the least a Qt Core program does
// before it prints a line, its libraries loaded and its application made.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    std::puts("Tessellon");
    return 0;
}
