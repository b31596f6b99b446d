#include "core/Wording.h"

#include <QCoreApplication>

QString worded(Wording wording, const char *context, const char *text, int count)
{
    if (wording == Wording::userLanguage)
        return QCoreApplication::translate(context, text, nullptr, count);
    // What translate() gives without a catalogue, whatever is installed.
    QString english = QString::fromUtf8(text);
    if (count >= 0)
        english.replace(QLatin1String("%n"), QString::number(count));
    return english;
}
