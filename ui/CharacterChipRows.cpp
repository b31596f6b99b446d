#include "ui/CharacterChipRows.h"

#include "ui/CharacterSelection.h"
#include "ui/ChipRow.h"
#include "core/GeneratorModel.h"
#include "ui/SettingsEditor.h"

namespace CharacterChipRows {

ChipRow *make(GeneratorModel &model, const CharacterGroup &group, QWidget *parent)
{
    GeneratorModel *m = &model;
    return new ChipRow(
        group.title, group.characters,
        [m](const QString &character) {
            return CharacterSelection::characterOn(m->settings().enabledCharacters, character);
        },
        [m](const QString &character) {
            editSettings(*m, [&](Settings &settings) {
                CharacterSelection::toggleCharacter(settings.enabledCharacters, character);
            });
        },
        [m, group](bool on) {
            editSettings(*m, [&](Settings &settings) {
                CharacterSelection::setGroup(settings.enabledCharacters, group, on);
            });
        },
        parent);
}

ChipRow *makeSeparators(GeneratorModel &model, QWidget *parent)
{
    GeneratorModel *m = &model;
    return new ChipRow(
        QStringLiteral("Separators"), Settings::separatorChoices(),
        [m](const QString &character) { return m->settings().separators.contains(character); },
        [m](const QString &character) {
            editSettings(*m, [&](Settings &settings) {
                CharacterSelection::toggleCharacter(settings.separators, character);
            });
        },
        [m](bool on) {
            editSettings(*m, [&](Settings &settings) {
                settings.separators =
                    on ? CharacterSet(Settings::separatorChoices()) : CharacterSet();
            });
        },
        parent);
}

} // namespace CharacterChipRows
