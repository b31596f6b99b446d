#include "ui/BasicControls.h"

#include "core/Alphabet.h"
#include "ui/CharacterChipRows.h"
#include "ui/CharacterSelection.h"
#include "ui/ChipRow.h"
#include "core/GeneratorModel.h"
#include "ui/GroupToggleButton.h"
#include "ui/LabeledRow.h"
#include "ui/SettingsEditor.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

BasicControls::BasicControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(makeToggleRow());
    for (const CharacterGroup &group : Alphabet::basicChipGroups()) {
        rows.append(CharacterChipRows::make(model, group, this));
        column->addWidget(rows.last());
    }
    connect(&model, &GeneratorModel::settingsChanged, this, &BasicControls::refresh);
}

QWidget *BasicControls::makeToggleRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *row = LabeledRow::untitledRow(rowWidget, toggleSpacing);
    const CharacterSet &enabled = model.settings().enabledCharacters;
    for (const CharacterGroup &group : Alphabet::basicToggleGroups()) {
        auto *button = new GroupToggleButton(
            group, CharacterSelection::groupOn(enabled, group),
            CharacterSelection::groupPartial(enabled, group),
            [this, group] {
                editSettings(model, [&](Settings &settings) {
                    CharacterSelection::toggleGroup(settings.enabledCharacters, group);
                });
            },
            rowWidget);
        row->addWidget(button, 1);
        buttons.append(button);
    }
    return rowWidget;
}

void BasicControls::refresh()
{
    const CharacterSet &enabled = model.settings().enabledCharacters;
    for (GroupToggleButton *button : buttons) {
        button->setState(CharacterSelection::groupOn(enabled, button->group()),
                         CharacterSelection::groupPartial(enabled, button->group()));
    }
    for (ChipRow *row : rows)
        row->refresh();
}
