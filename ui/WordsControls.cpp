#include "ui/WordsControls.h"

#include "core/GeneratorModel.h"
#include "ui/SettingsChipRows.h"
#include "ui/chips/ChipRow.h"
#include "ui/controls/LabeledRow.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

WordsControls::WordsControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Theme::spacing);
    column->addWidget(SettingsChipRows::forSeparators(model, this));
    column->addWidget(makeHintRow());
    connect(&model, &GeneratorModel::settingsChanged, this, &WordsControls::refresh);
}

QString WordsControls::separatorHint(qsizetype separatorCount)
{
    if (separatorCount == 0)
        return tr("No separator \u2014 the words run together.");
    if (separatorCount == 1)
        return tr("Words are joined by this character.");
    return tr("Each join picks one at random, which makes it stronger.");
}

QWidget *WordsControls::makeHintRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *hintRow = LabeledRow::untitledRow(rowWidget, Theme::titleColumnSpacing);
    m_hint = new StyledLabel(separatorHint(m_model.settings().separators.size()),
                             Theme::TextStyle::caption, Theme::Foreground::secondary, rowWidget);
    m_hint->setWordWrap(true); // as many lines as it needs, never cut
    hintRow->addWidget(m_hint, 1);
    return rowWidget;
}

void WordsControls::refresh()
{
    m_hint->setText(separatorHint(m_model.settings().separators.size()));
}
