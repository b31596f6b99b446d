#include "ui/ChipRow.h"

#include "ui/CharacterChip.h"
#include "ui/ChipRowTitle.h"
#include "ui/FlowLayout.h"
#include "ui/StyledLabel.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>

ChipRow::ChipRow(const std::optional<QString> &title, const QStringList &characters, Predicate isOn,
                 Toggle toggle, ToggleAll toggleAll, QWidget *parent)
    : QWidget(parent)
    , characters(characters)
    , isOn(std::move(isOn))
    , toggle(std::move(toggle))
    , toggleAll(std::move(toggleAll))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // The title views keep a margin for their focus ring; the column gives
    // it back so that the text ends on the shared title edge.
    row->setSpacing(Theme::titleColumnSpacing - ChipRowTitle::ringMargin);
    if (title) {
        column = makeTitleColumn(*title);
        row->addWidget(column, 0, Qt::AlignTop);
    }

    area = new QWidget(this);
    auto *flow = new FlowLayout(area);
    flow->setSpacing(chipSpacing);
    flow->setLineSpacing(chipSpacing);
    for (qsizetype position = 0; position < characters.size(); ++position) {
        // Chips are known by their position, so a repeated character is
        // still a chip of its own.
        auto *chip = new CharacterChip(
            characters.at(position), false, [this, position] { chipClicked(position); }, area);
        flow->addWidget(chip);
        chipWidgets.append(chip);
    }
    QSizePolicy areaPolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    areaPolicy.setHeightForWidth(true);
    area->setSizePolicy(areaPolicy);
    row->addWidget(area, 1, Qt::AlignTop);
    refresh();
}

QWidget *ChipRow::makeTitleColumn(const QString &title)
{
    constexpr int margin = ChipRowTitle::ringMargin;
    auto *titleColumn = new QWidget(this);
    titleColumn->setFixedWidth(Theme::titleColumnWidth + margin);
    auto *layout = new QVBoxLayout(titleColumn);
    layout->setContentsMargins(0, titleTopPadding - margin, 0, 0);
    QWidget *view;
    if (toggleAll) {
        titleToggle = new ChipRowTitle(title, titleColumn);
        connect(titleToggle, &QAbstractButton::clicked, this, &ChipRow::titleClicked);
        view = titleToggle;
    } else {
        auto *label = new StyledLabel(title, Theme::TextStyle::callout,
                                      Theme::Foreground::secondary, titleColumn);
        label->setContentsMargins(margin, margin, margin, margin);
        view = label;
    }
    layout->addWidget(view, 0, Qt::AlignRight | Qt::AlignTop);
    return titleColumn;
}

void ChipRow::refresh()
{
    for (qsizetype position = 0; position < chipWidgets.size(); ++position)
        chipWidgets.at(position)->setOn(isOn(characters.at(position)));
    if (titleToggle)
        titleToggle->setRowState(allOn(), anyOn());
}

// Both scans stop at the first chip that decides them.
bool ChipRow::allOn() const
{
    return std::all_of(characters.cbegin(), characters.cend(),
                       [this](const QString &character) { return isOn(character); });
}

bool ChipRow::anyOn() const
{
    return std::any_of(characters.cbegin(), characters.cend(),
                       [this](const QString &character) { return isOn(character); });
}

void ChipRow::chipClicked(qsizetype position)
{
    // The callback may well rebuild the panel this row belongs to.
    const QPointer<ChipRow> self(this);
    if (toggle)
        toggle(characters.at(position));
    if (self)
        refresh();
}

void ChipRow::titleClicked()
{
    const QPointer<ChipRow> self(this);
    toggleAll(!allOn());
    if (self)
        refresh();
}
