#include "ui/WordsControls.h"

#include "ui/CharacterChipRows.h"
#include "ui/ChipRow.h"
#include "core/GeneratorModel.h"
#include "ui/LabeledRow.h"
#include "ui/StyledLabel.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

WordsControls::WordsControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    row = CharacterChipRows::makeSeparators(model, this);
    column->addWidget(row);
    column->addWidget(makeHintRow());
    connect(&model, &GeneratorModel::settingsChanged, this, &WordsControls::refresh);
}

QString WordsControls::separatorHint(qsizetype separatorCount)
{
    if (separatorCount == 0)
        return QStringLiteral("No separator \u2014 the words run together.");
    if (separatorCount == 1)
        return QStringLiteral("Words are joined by this character.");
    return QStringLiteral("Each join picks one at random, which makes it stronger.");
}

QWidget *WordsControls::makeHintRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *hintRow = LabeledRow::untitledRow(rowWidget, Theme::titleColumnSpacing);
    hint = new StyledLabel(separatorHint(model.settings().separators.size()),
                           Theme::TextStyle::caption, Theme::Foreground::secondary, rowWidget);
    hint->setWordWrap(true); // as many lines as it needs, never cut
    hintRow->addWidget(hint, 1);
    return rowWidget;
}

void WordsControls::refresh()
{
    row->refresh();
    hint->setText(separatorHint(model.settings().separators.size()));
}
