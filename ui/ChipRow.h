#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class CharacterChip;
class ChipRowTitle;

// A titled row of character chips that wrap onto more lines as needed. The
// row keeps no state of its own: it asks isOn for every chip whenever it
// refreshes, and a click hands the chip's character (or the new state of
// the whole row, through the title) to the callbacks it was built with.
class ChipRow : public QWidget
{
    Q_OBJECT

public:
    using Predicate = std::function<bool(const QString &)>;
    using Toggle = std::function<void(const QString &)>;
    using ToggleAll = std::function<void(bool)>;

    static constexpr int chipSpacing = 5;
    static constexpr int titleTopPadding = 3;

    ChipRow(const std::optional<QString> &title, const QStringList &characters, Predicate isOn,
            Toggle toggle, ToggleAll toggleAll = {}, QWidget *parent = nullptr);

    // Asks isOn again for every chip and for the title's look.
    void refresh();

    bool allOn() const;
    bool anyOn() const;

    const QList<CharacterChip *> &chips() const { return chipWidgets; }
    // The interactive title, when the row was given toggleAll.
    ChipRowTitle *titleButton() const { return titleToggle; }
    // The title column, or none for a row without a title.
    QWidget *titleColumn() const { return column; }
    QWidget *chipArea() const { return area; }

private:
    QWidget *makeTitleColumn(const QString &title);
    void chipClicked(qsizetype position);
    void titleClicked();

    QStringList characters;
    Predicate isOn;
    Toggle toggle;
    ToggleAll toggleAll;
    QList<CharacterChip *> chipWidgets;
    ChipRowTitle *titleToggle = nullptr;
    QWidget *column = nullptr;
    QWidget *area = nullptr;
};
