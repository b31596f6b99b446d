#pragma once

#include <QCoreApplication>
#include <QString>

// What the window's and the command line's arguments say alike, in one
// context of the catalogues so that each language translates it once: an
// argument neither takes, where to read more, and the help naming the
// program as it is called rather than by the path it was started from.
class CommandLineUsage
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineUsage)

public:
    static QString unexpectedArgument(const QString &argument);
    // "PROGRAM: MESSAGE", then the way to the help, for standard error.
    static QString error(const QString &program, const QString &message);
    static QString namingTheProgram(QString help, const QString &program);
};
