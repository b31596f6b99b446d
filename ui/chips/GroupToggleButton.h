#pragma once

#include "core/CharacterGroup.h"
#include "ui/chips/ToggleButton.h"

// A wide toggle for a whole character group, on, partly on or off. Its
// title is struck through when the group is off.
class GroupToggleButton : public ToggleButton
{
    Q_OBJECT

public:
    static constexpr int verticalPadding = 6;

    explicit GroupToggleButton(const CharacterGroup &group, QWidget *parent = nullptr);

    const CharacterGroup &group() const { return m_group; }

    QColor textColor() const;
    QFont labelFont() const;
    bool isStruckThrough() const { return state() == ToggleState::off; }
    QColor strikeColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintLabel(QPainter &painter, const QRectF &bounds) const override;

private:
    CharacterGroup m_group;
};
