#pragma once

#include "core/Settings.h"

#include <QLocale>
#include <QWidget>

#include <optional>

class GeneratorModel;
class HistoryPanel;
class LabeledRow;
class PasswordActions;
class PasswordDisplay;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class StrengthMeter;
class WholeNumberSlider;
struct GeneratedPassword;

// The whole content of the window: the password with its copy button, the
// strength, the length or word count, the options of the mode and the
// bottom bar. Everything shown comes from the model; all it keeps of its
// own is whether the history panel is open and which mode's panel it shows.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{560, 360};
    static constexpr QSize idealContentSize{620, 430};
    static constexpr int accessoryWidth = 52;

    explicit ContentView(GeneratorModel &model, QWidget *parent = nullptr);

    static QString exponentLabel(const std::optional<GeneratedPassword> &password);
    static QString crackTimeHelp(const std::optional<GeneratedPassword> &password);
    static QString poolSummary(const std::optional<GeneratedPassword> &password,
                               const QLocale &locale = QLocale());

    // Its commands, for the window's menu.
    const PasswordActions &actions() const { return *m_actions; }
    HistoryPanel *historyPanel() const { return m_historyPanel; }

    QSize sizeHint() const override { return idealContentSize; }
    QSize minimumSizeHint() const override { return minimumContentSize; }

private:
    QWidget *makePasswordRow();
    QWidget *makeStrengthRow();
    // The slider is named NAME + "Slider" whatever the language.
    LabeledRow *makeCountRow(const char *name, const QString &title, qint64 minimum, qint64 maximum,
                             qint64 Settings::*field);
    LabeledRow *makeRulesRow();
    QWidget *makeBottomBar();
    QToolButton *makeHistoryButton(QWidget *parent);
    QToolButton *makeOptionsButton(QWidget *parent);
    QWidget *makeControls();

    void showHistory();
    void askForRules();
    void refreshPassword();
    void refreshSettings();
    void refreshCopyTitle();
    void placeInTabOrder(QWidget *panel);

    GeneratorModel &m_model;
    PasswordActions *m_actions;
    PasswordDisplay *m_display = nullptr;
    QPushButton *m_copyButton = nullptr;
    StrengthMeter *m_meter = nullptr;
    QLabel *m_exponent = nullptr;
    LabeledRow *m_lengthRow = nullptr;
    LabeledRow *m_wordsRow = nullptr;
    QScrollArea *m_options = nullptr;
    QComboBox *m_modePicker = nullptr;
    QToolButton *m_historyButton = nullptr;
    QAction *m_excludeAmbiguous = nullptr;
    QAction *m_autoClear = nullptr;
    QAction *m_requireEach = nullptr;
    QAction *m_askForRules = nullptr;
    LabeledRow *m_rulesRow = nullptr;
    QLabel *m_rulesText = nullptr;
    QAction *m_summary = nullptr;
    HistoryPanel *m_historyPanel = nullptr;
    bool m_historyOpen = false;
    std::optional<GeneratorMode> m_shownMode; // whose options panel is built
};
