#pragma once

#include "core/CharacterSet.h"
#include "ui/chips/ToggleChrome.h"

#include <QStringList>
#include <QWidget>

class CharacterChip;
class ChipRowTitle;

// A titled row of character chips that wrap onto more lines as needed. It
// shows the selection it is given and asks for changes through its
// signals: a chip asks to toggle its character, the title to turn the whole
// row on or off.
class ChipRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int chipSpacing = 5;
    static constexpr int titleTopPadding = 3;

    ChipRow(const QString &title, const QStringList &characters, QWidget *parent = nullptr);

    // Each chip is on when its character is selected.
    void setSelection(const CharacterSet &selection);

    // On when every chip is, partial when some are.
    ToggleState state() const;

    const QList<CharacterChip *> &chips() const { return m_chips; }
    ChipRowTitle *title() const { return m_title; }

signals:
    void characterToggled(const QString &character);
    void allToggled(bool on);

private:
    QWidget *makeTitleColumn(const QString &title);
    QWidget *makeChipArea(const QStringList &characters);

    QList<CharacterChip *> m_chips;
    ChipRowTitle *m_title = nullptr;
};
