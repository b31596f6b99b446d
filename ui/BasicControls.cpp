#include "ui/BasicControls.h"

#include "core/Alphabet.h"
#include "core/GeneratorModel.h"
#include "ui/EditSettings.h"
#include "ui/SettingsChipRows.h"
#include "ui/chips/CharacterSelection.h"
#include "ui/chips/ChipRow.h"
#include "ui/chips/GroupToggleButton.h"
#include "ui/controls/LabeledRow.h"
#include "ui/style/Theme.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

BasicControls::BasicControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Theme::spacing);
    column->addWidget(makeToggleRow());
    for (const CharacterGroup &group : Alphabet::basicChipGroups())
        column->addWidget(SettingsChipRows::forGroup(model, group, this));
    connect(&model, &GeneratorModel::settingsChanged, this, &BasicControls::refresh);
    refresh();
}

QWidget *BasicControls::makeToggleRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *row = LabeledRow::untitledRow(rowWidget, toggleSpacing);
    for (const CharacterGroup &group : Alphabet::basicToggleGroups()) {
        auto *button = new GroupToggleButton(group, rowWidget);
        connect(button, &QAbstractButton::clicked, this, [this, group] {
            editSettings(m_model, [&](Settings &settings) {
                CharacterSelection::toggleGroup(settings.enabledCharacters, group);
            });
        });
        row->addWidget(button, 1);
        m_buttons.append(button);
    }
    return rowWidget;
}

void BasicControls::refresh()
{
    const CharacterSet &enabled = m_model.settings().enabledCharacters;
    for (GroupToggleButton *button : std::as_const(m_buttons))
        button->setState(CharacterSelection::groupState(enabled, button->group()));
}
