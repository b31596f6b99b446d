#include "core/GeneratorError.h"

#include <QCoreApplication>

QString errorText(const GeneratorError &error)
{
    // Marked for the catalogues where they stand; looked up here.
    const auto text = [](const char *source) {
        return QCoreApplication::translate("GeneratorError", source);
    };
    switch (error.kind) {
    case GeneratorError::emptyAlphabet:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "Turn on at least one character to generate a password."));
    case GeneratorError::wordlistUnavailable:
        return text(QT_TRANSLATE_NOOP("GeneratorError", "The word list couldn't be loaded."));
    case GeneratorError::rulesUnreadable:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "The password rules can't be read at \u201C%1\u201D."))
            .arg(error.detail);
    case GeneratorError::ruleUnmet:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "No character that is on meets the rule \u201C%1\u201D."))
            .arg(error.detail);
    case GeneratorError::rulesUnmetAtLength:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "No password of %1 characters meets the rules."))
            .arg(error.detail);
    case GeneratorError::passphraseTooLong:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "No passphrase of this many words fits in %1 characters."))
            .arg(error.detail);
    case GeneratorError::passphraseRarelyFits:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "Only one passphrase in %1 fits in the limit: use fewer "
                                      "words or a higher limit."))
            .arg(error.detail);
    case GeneratorError::lengthUnmet:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "No password length meets the rule \u201C%1\u201D."))
            .arg(error.detail);
    case GeneratorError::tooManyGroups:
        return text(QT_TRANSLATE_NOOP("GeneratorError",
                                      "The rules ask for more than 16 groups of characters."));
    case GeneratorError::rulesTooRare:
        return text(QT_TRANSLATE_NOOP("GeneratorError", "Only one password in %1 meets the rules: "
                                                        "make it longer or the rules looser."))
            .arg(error.detail);
    }
    return QString(); // not reached: every case returns above
}
