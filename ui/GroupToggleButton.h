#pragma once

#include "core/CharacterGroup.h"
#include "ui/ToggleChrome.h"

#include <QAbstractButton>

#include <functional>

// A wide toggle for a whole character group, on, partly on or off. Its
// title is struck through when the group is off. It calls its action when
// clicked or pressed with Space and shows the state it is given.
class GroupToggleButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 5;
    static constexpr int verticalPadding = 6;

    GroupToggleButton(const CharacterGroup &group, bool isOn, bool isPartial,
                      std::function<void()> action, QWidget *parent = nullptr);

    const CharacterGroup &group() const { return shown; }
    bool isOn() const { return isChecked(); }
    bool isPartial() const { return partial; }
    void setState(bool isOn, bool isPartial);

    ToggleChrome chrome() const;
    QColor textColor() const;
    QFont labelFont() const;
    bool isStruckThrough() const;
    QColor strikeColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override {}

private:
    CharacterGroup shown;
    bool partial = false;
};
