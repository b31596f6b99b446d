#pragma once

#include "ui/chips/ToggleButton.h"

// A small square toggle for one character.
class CharacterChip : public ToggleButton
{
    Q_OBJECT

public:
    static constexpr int side = 22;

    explicit CharacterChip(const QString &character, QWidget *parent = nullptr);

    QString character() const { return m_character; }
    void setOn(bool on) { setState(on ? ToggleState::on : ToggleState::off); }

    QColor textColor() const;
    QFont labelFont() const;

    QSize sizeHint() const override;

protected:
    void paintLabel(QPainter &painter, const QRectF &bounds) const override;

private:
    QString m_character;
};
