#include "startup/CommandLineUsage.h"

QString CommandLineUsage::unexpectedArgument(const QString &argument)
{
    return tr("Unexpected argument '%1'.").arg(argument);
}

QString CommandLineUsage::error(const QString &program, const QString &message)
{
    return QStringLiteral("%1: %2\n").arg(program, message)
           + tr("Try '%1 --help' for more information.\n").arg(program);
}

// Qt's usage line shows the path the program was started from; tools show
// their name.
QString CommandLineUsage::namingTheProgram(QString help, const QString &program)
{
    const QString path = QCoreApplication::arguments().value(0);
    const qsizetype at = path.isEmpty() ? -1 : help.indexOf(path);
    return at < 0 ? help : help.replace(at, path.size(), program);
}
