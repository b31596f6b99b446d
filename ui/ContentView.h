#pragma once

#include "core/Settings.h"

#include <QLocale>
#include <QWidget>

#include <optional>

class GeneratorModel;
class HistoryPanel;
class LabeledRow;
class PasswordDisplay;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class StrengthMeter;
class WholeNumberSlider;
struct GeneratedPassword;

// The whole content of the window: the password with its copy button, the
// strength, the length or word count, the options of the mode and the
// bottom bar. Everything shown comes from the model; the only state kept
// here is whether the history panel is open.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{560, 360};
    static constexpr QSize idealContentSize{620, 430};
    static constexpr int padding = 14;
    static constexpr int spacing = 10;
    static constexpr int accessoryWidth = 52;

    explicit ContentView(GeneratorModel &model, QWidget *parent = nullptr);

    static QString exponentLabel(const std::optional<GeneratedPassword> &password);
    static QString crackTimeHelp(const std::optional<GeneratedPassword> &password);
    static QString poolSummary(const std::optional<GeneratedPassword> &password,
                               const QLocale &locale = QLocale());

    bool showingHistory() const { return historyOpen; }
    HistoryPanel *historyPanel() const { return panel; }

    QSize sizeHint() const override { return idealContentSize; }
    QSize minimumSizeHint() const override { return minimumContentSize; }

private:
    QWidget *makePasswordRow();
    QWidget *makeStrengthRow();
    LabeledRow *makeCountRow(const QString &title, qint64 minimum, qint64 maximum,
                             qint64 Settings::*field);
    QWidget *makeBottomBar();
    QToolButton *makeHistoryButton(QWidget *parent);
    QToolButton *makeOptionsButton(QWidget *parent);
    QWidget *makeControls();
    QFrame *makeDivider();

    void showHistory();
    void refreshPassword();
    void refreshSettings();
    void refreshCopyTitle();
    void placeInTabOrder(QWidget *panel);

    GeneratorModel &model;
    PasswordDisplay *display = nullptr;
    QPushButton *copyButton = nullptr;
    StrengthMeter *meter = nullptr;
    QLabel *exponent = nullptr;
    LabeledRow *lengthRow = nullptr;
    LabeledRow *wordsRow = nullptr;
    QScrollArea *options = nullptr;
    QComboBox *modePicker = nullptr;
    QToolButton *historyButton = nullptr;
    QAction *excludeAmbiguous = nullptr;
    QAction *autoClear = nullptr;
    QAction *summary = nullptr;
    HistoryPanel *panel = nullptr;
    bool historyOpen = false;
};
