#include "core/Settings.h"

#include "core/Alphabet.h"
#include "core/Characters.h"

const CharacterSet &Settings::defaultEnabledCharacters()
{
    static const CharacterSet set = [] {
        CharacterSet result;
        for (const CharacterGroup *group : {&Alphabet::uppercase(), &Alphabet::lowercase(),
                                            &Alphabet::digits(), &Alphabet::symbols()}) {
            for (const QString &character : group->characters)
                result.insert(character);
        }
        return result;
    }();
    return set;
}

const QStringList &Settings::separatorChoices()
{
    static const QStringList choices =
        Alphabet::symbols().characters + Alphabet::punctuation().characters;
    return choices;
}

QStringList Settings::effectivePool() const
{
    CharacterSet pool = enabledCharacters;
    if (mode == GeneratorMode::advanced) {
        for (const QString &character : Characters::graphemes(additionalCharacters)) {
            if (!Characters::isWhitespace(character))
                pool.insert(character);
        }
    }
    // Removed last, so ambiguous characters typed as extras go too.
    if (excludeAmbiguous)
        pool = pool.subtracting(Alphabet::ambiguous());
    return pool.sorted();
}

QStringList Settings::effectiveSeparators() const
{
    if (excludeAmbiguous)
        return separators.subtracting(Alphabet::ambiguous()).sorted();
    return separators.sorted();
}
