#include "core/GeneratorError.h"

#include <QCoreApplication>

QString errorText(GeneratorError error)
{
    switch (error) {
    case GeneratorError::emptyAlphabet:
        return QCoreApplication::translate(
            "GeneratorError", "Turn on at least one character to generate a password.");
    case GeneratorError::wordlistUnavailable:
        return QCoreApplication::translate("GeneratorError", "The word list couldn't be loaded.");
    }
    return QString(); // not reached: every case returns above
}
