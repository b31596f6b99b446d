#pragma once

#include "ui/ToggleChrome.h"

#include <QAbstractButton>

#include <functional>

// A small square toggle for one character. It shows the on state it is
// given and calls its action when clicked or pressed with Space; whoever
// built it decides what changes and sets the new state.
class CharacterChip : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int side = 22;
    static constexpr qreal cornerRadius = 4;

    CharacterChip(const QString &character, bool isOn, std::function<void()> action,
                  QWidget *parent = nullptr);

    QString character() const { return shown; }
    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }

    ToggleChrome chrome() const;
    QColor textColor() const;
    QFont labelFont() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    // The state comes from the creator, never from the click itself.
    void nextCheckState() override {}

private:
    QString shown;
};
