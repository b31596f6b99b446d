#include "ui/chips/ChipRow.h"

#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/chips/FlowLayout.h"
#include "ui/style/Theme.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

ChipRow::ChipRow(const QString &title, const QStringList &characters, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // The title keeps a margin for its focus ring; the column gives it back
    // so that the text ends on the shared title edge.
    row->setSpacing(Theme::titleColumnSpacing - ChipRowTitle::ringMargin);
    row->addWidget(makeTitleColumn(title), 0, Qt::AlignTop);
    row->addWidget(makeChipArea(characters), 1, Qt::AlignTop);
    setSelection({});
}

QWidget *ChipRow::makeTitleColumn(const QString &title)
{
    constexpr int margin = ChipRowTitle::ringMargin;
    auto *column = new QWidget(this);
    column->setFixedWidth(Theme::titleColumnWidth + margin);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, titleTopPadding - margin, 0, 0);
    m_title = new ChipRowTitle(title, column);
    connect(m_title, &QAbstractButton::clicked, this,
            [this] { emit allToggled(state() != ToggleState::on); });
    layout->addWidget(m_title, 0, Qt::AlignRight | Qt::AlignTop);
    return column;
}

QWidget *ChipRow::makeChipArea(const QStringList &characters)
{
    auto *area = new QWidget(this);
    auto *flow = new FlowLayout(area);
    flow->setSpacing(chipSpacing);
    flow->setLineSpacing(chipSpacing);
    for (const QString &character : characters) {
        auto *chip = new CharacterChip(character, area);
        connect(chip, &QAbstractButton::clicked, this,
                [this, character] { emit characterToggled(character); });
        flow->addWidget(chip);
        m_chips.append(chip);
    }
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    area->setSizePolicy(policy);
    return area;
}

void ChipRow::setSelection(const CharacterSet &selection)
{
    for (CharacterChip *chip : std::as_const(m_chips))
        chip->setOn(selection.contains(chip->character()));
    m_title->setRowState(state());
}

ToggleState ChipRow::state() const
{
    const auto on = [](const CharacterChip *chip) { return chip->isOn(); };
    if (std::all_of(m_chips.cbegin(), m_chips.cend(), on))
        return ToggleState::on;
    if (std::any_of(m_chips.cbegin(), m_chips.cend(), on))
        return ToggleState::partial;
    return ToggleState::off;
}
