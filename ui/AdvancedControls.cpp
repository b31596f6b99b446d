#include "ui/AdvancedControls.h"

#include "core/Alphabet.h"
#include "ui/CharacterChipRows.h"
#include "ui/ChipRow.h"
#include "core/GeneratorModel.h"
#include "ui/LabeledRow.h"
#include "ui/SettingsEditor.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

AdvancedControls::AdvancedControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    for (const CharacterGroup &group : Alphabet::all()) {
        rows.append(CharacterChipRows::make(model, group, this));
        column->addWidget(rows.last());
    }
    column->addWidget(makeFieldRow());
    connect(&model, &GeneratorModel::settingsChanged, this, &AdvancedControls::refresh);
}

QWidget *AdvancedControls::makeFieldRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *row = LabeledRow::untitledRow(rowWidget, Theme::titleColumnSpacing);

    field = new QLineEdit(model.settings().additionalCharacters, rowWidget);
    field->setPlaceholderText(QStringLiteral("Additional characters"));
    field->setAccessibleName(QStringLiteral("Additional characters"));
    field->setFont(Theme::font(12, QFont::Normal, true));
    field->setClearButtonEnabled(false);
    // Every keystroke, paste or deletion is a new setting; which of the
    // characters count is the pool's business.
    connect(field, &QLineEdit::textEdited, this, [this](const QString &text) {
        editSettings(model, [&](Settings &settings) { settings.additionalCharacters = text; });
    });
    row->addWidget(field, 1);
    return rowWidget;
}

void AdvancedControls::refresh()
{
    for (ChipRow *row : rows)
        row->refresh();
    if (field->text() != model.settings().additionalCharacters)
        field->setText(model.settings().additionalCharacters);
}
