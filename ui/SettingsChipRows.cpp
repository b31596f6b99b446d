#include "ui/SettingsChipRows.h"

#include "core/GeneratorModel.h"
#include "ui/EditSettings.h"
#include "ui/chips/CharacterSelection.h"
#include "ui/chips/ChipRow.h"

#include <QCoreApplication>

namespace SettingsChipRows {

namespace {

// Shows the field of the settings that the row edits, now and after
// every change.
void follow(ChipRow *row, GeneratorModel &model, CharacterSet Settings::*field)
{
    const auto refresh = [row, &model, field] { row->setSelection(model.settings().*field); };
    QObject::connect(&model, &GeneratorModel::settingsChanged, row, refresh);
    refresh();
}

} // namespace

ChipRow *forGroup(GeneratorModel &model, const CharacterGroup &group, QWidget *parent)
{
    auto *row = new ChipRow(group.title(), group.characters, parent);
    QObject::connect(row, &ChipRow::characterToggled, row, [&model](const QString &character) {
        editSettings(model, [&](Settings &settings) {
            CharacterSelection::toggleCharacter(settings.enabledCharacters, character);
        });
    });
    QObject::connect(row, &ChipRow::allToggled, row, [&model, group](bool on) {
        editSettings(model, [&](Settings &settings) {
            CharacterSelection::setGroup(settings.enabledCharacters, group, on);
        });
    });
    follow(row, model, &Settings::enabledCharacters);
    return row;
}

ChipRow *forSeparators(GeneratorModel &model, QWidget *parent)
{
    auto *row = new ChipRow(QCoreApplication::translate("WordsControls", "Separators"),
                            Settings::separatorChoices(), parent);
    QObject::connect(row, &ChipRow::characterToggled, row, [&model](const QString &character) {
        editSettings(model, [&](Settings &settings) {
            CharacterSelection::toggleCharacter(settings.separators, character);
        });
    });
    QObject::connect(row, &ChipRow::allToggled, row, [&model](bool on) {
        editSettings(model, [&](Settings &settings) {
            settings.separators = on ? CharacterSet(Settings::separatorChoices()) : CharacterSet();
        });
    });
    follow(row, model, &Settings::separators);
    return row;
}

} // namespace SettingsChipRows
