#include "ui/AdvancedControls.h"

#include "core/Alphabet.h"
#include "core/GeneratorModel.h"
#include "ui/EditSettings.h"
#include "ui/SettingsChipRows.h"
#include "ui/chips/ChipRow.h"
#include "ui/controls/LabeledRow.h"
#include "ui/style/Theme.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

AdvancedControls::AdvancedControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Theme::spacing);
    for (const CharacterGroup &group : Alphabet::all())
        column->addWidget(SettingsChipRows::forGroup(model, group, this));
    column->addWidget(makeFieldRow());
    connect(&model, &GeneratorModel::settingsChanged, this, &AdvancedControls::refresh);
}

QWidget *AdvancedControls::makeFieldRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *row = LabeledRow::untitledRow(rowWidget, Theme::titleColumnSpacing);

    m_field = new QLineEdit(m_model.settings().additionalCharacters, rowWidget);
    m_field->setPlaceholderText(tr("Additional characters"));
    m_field->setAccessibleName(tr("Additional characters"));
    m_field->setFont(Theme::monospacedFont(12));
    m_field->setClearButtonEnabled(false);
    // Every keystroke, paste or deletion is a new setting; which of the
    // characters count is the pool's business.
    connect(m_field, &QLineEdit::textEdited, this, [this](const QString &text) {
        editSettings(m_model, [&](Settings &settings) { settings.additionalCharacters = text; });
    });
    row->addWidget(m_field, 1);
    return rowWidget;
}

void AdvancedControls::refresh()
{
    if (m_field->text() != m_model.settings().additionalCharacters)
        m_field->setText(m_model.settings().additionalCharacters);
}
