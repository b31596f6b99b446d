#include "ui/ContentView.h"

#include "core/GeneratorModel.h"
#include "core/Superscript.h"
#include "ui/AdvancedControls.h"
#include "ui/BasicControls.h"
#include "ui/EditSettings.h"
#include "ui/PasswordActions.h"
#include "ui/RulesDialog.h"
#include "ui/WordsControls.h"
#include "ui/controls/LabeledRow.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/controls/WholeNumberSlider.h"
#include "ui/history/HistoryPanel.h"
#include "ui/style/ProminentButton.h"
#include "ui/style/SeparatorLine.h"
#include "ui/style/Symbols.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"
#include "ui/text/TabularLabel.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

ContentView::ContentView(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_actions(new PasswordActions(model, this))
{
    setMinimumSize(minimumContentSize);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(Theme::windowPadding, Theme::windowPadding, Theme::windowPadding,
                               Theme::windowPadding);
    column->setSpacing(Theme::spacing);

    column->addWidget(makePasswordRow());
    column->addWidget(makeStrengthRow());
    m_lengthRow = makeCountRow("length", tr("Length"), Settings::minimumLength,
                               Settings::maximumLength, &Settings::length);
    m_wordsRow = makeCountRow("words", tr("Words"), Settings::minimumWordCount,
                              Settings::maximumWordCount, &Settings::wordCount);
    column->addWidget(m_lengthRow);
    column->addWidget(m_wordsRow);
    m_rulesRow = makeRulesRow();
    column->addWidget(m_rulesRow);
    // The divider keeps 2 more above and below than the rows' spacing.
    column->addSpacing(2);
    column->addWidget(new SeparatorLine(this));
    column->addSpacing(2);

    m_options = new QScrollArea(this);
    m_options->setObjectName(QStringLiteral("options"));
    m_options->setWidgetResizable(true);
    m_options->setFrameShape(QFrame::NoFrame);
    m_options->setFocusPolicy(Qt::NoFocus); // a place, not a control
    m_options->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_options->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded); // only when taller
    m_options->viewport()->setAutoFillBackground(false);
    column->addWidget(m_options, 1);
    // The flexible space below the options: the scroll area already takes
    // every spare point, so only its spacing is left to show.
    column->addSpacing(Theme::spacing);
    column->addWidget(new SeparatorLine(this));
    column->addWidget(makeBottomBar());

    connect(&model, &GeneratorModel::currentChanged, this, &ContentView::refreshPassword);
    connect(&model, &GeneratorModel::errorMessageChanged, this, &ContentView::refreshPassword);
    connect(&model, &GeneratorModel::didCopyChanged, this, &ContentView::refreshCopyTitle);
    connect(&model, &GeneratorModel::historyChanged, this,
            [this] { m_historyButton->setEnabled(!this->m_model.history().isEmpty()); });
    connect(&model, &GeneratorModel::settingsChanged, this, &ContentView::refreshSettings);
    refreshSettings();
    refreshPassword();
    refreshCopyTitle();
    m_historyButton->setEnabled(!model.history().isEmpty());
}

QString ContentView::exponentLabel(const std::optional<GeneratedPassword> &password)
{
    if (!password)
        return QStringLiteral("\u2014");
    return powerOfTwo(password->entropyBits);
}

QString ContentView::crackTimeHelp(const std::optional<GeneratedPassword> &password)
{
    if (!password)
        return QString();
    return tr("About %1 to crack at 100 billion guesses per second.").arg(password->crackTime());
}

QString ContentView::poolSummary(const std::optional<GeneratedPassword> &password,
                                 const QLocale &locale)
{
    if (!password)
        return QString();
    // The count picks the plural form; words are counted with the locale's
    // digit groups (7,776), characters never reach a thousand.
    const int count = int(password->poolSize);
    if (password->mode == GeneratorMode::words)
        return tr("%1 words available", nullptr, count).arg(locale.toString(password->poolSize));
    return tr("%n characters in the pool", nullptr, count);
}

QWidget *ContentView::makePasswordRow()
{
    auto *rowWidget = new QWidget(this);
    auto *row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    m_display = new PasswordDisplay(rowWidget);
    connect(m_display, &PasswordDisplay::copyRequested, this,
            [this](const QString &text) { m_model.copyText(text); });
    row->addWidget(m_display, 1);
    m_copyButton = new QPushButton(tr("Copy"), rowWidget);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_copyButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_copyButton->setAutoDefault(false);
    connect(m_copyButton, &QPushButton::clicked, m_actions->copyPassword(), &QAction::trigger);
    row->addWidget(m_copyButton, 0, Qt::AlignVCenter);
    return rowWidget;
}

QWidget *ContentView::makeStrengthRow()
{
    m_meter = new StrengthMeter(this);
    m_exponent = new TabularLabel(this);
    m_exponent->setObjectName(QStringLiteral("exponentLabel"));
    m_exponent->setFont(Theme::font(13, QFont::Medium));
    m_exponent->setFixedWidth(accessoryWidth);
    m_exponent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return new LabeledRow(tr("Strength"), m_meter, m_exponent, this);
}

LabeledRow *ContentView::makeCountRow(const char *name, const QString &title, qint64 minimum,
                                      qint64 maximum, qint64 Settings::*field)
{
    auto *slider = new WholeNumberSlider(minimum, maximum, this);
    slider->setObjectName(QLatin1String(name) + QLatin1String("Slider"));
    slider->setAccessibleName(title);
    connect(slider, &WholeNumberSlider::wholeValueChanged, this, [this, field](qint64 value) {
        editSettings(m_model, [&](Settings &settings) { settings.*field = value; });
    });
    auto *value = new TabularLabel(this);
    value->setFont(Theme::font(Theme::TextStyle::body));
    value->setFixedWidth(accessoryWidth);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *row = new LabeledRow(title, slider, value, this);
    const auto refresh = [this, slider, value, field] {
        const qint64 stored = m_model.settings().*field;
        slider->setWholeValue(stored);
        value->setText(QString::number(stored));
    };
    connect(&m_model, &GeneratorModel::settingsChanged, row, refresh);
    refresh();
    return row;
}

// The rules in force, where the length they may change is set, with a way
// to drop them; shown only while there are any.
LabeledRow *ContentView::makeRulesRow()
{
    m_rulesText =
        new StyledLabel(QString(), Theme::TextStyle::callout, Theme::Foreground::primary, this);
    m_rulesText->setObjectName(QStringLiteral("rulesText"));
    m_rulesText->setWordWrap(true); // a site's rules run long: all of them on show
    m_rulesText->setMinimumWidth(0);
    auto *drop = new QToolButton(this);
    drop->setObjectName(QStringLiteral("dropRulesButton"));
    drop->setIcon(Symbols::icon(QStringLiteral("xmark.circle.fill")));
    drop->setText(tr("Drop the Rules"));
    drop->setAccessibleName(tr("Drop the Rules"));
    drop->setToolTip(tr("Drop the rules"));
    drop->setAutoRaise(true);
    connect(drop, &QToolButton::clicked, this, [this] {
        editSettings(m_model, [](Settings &settings) {
            settings.requireEachGroup = false;
            settings.passwordRules.clear();
        });
    });
    auto *row = new LabeledRow(tr("Rules"), m_rulesText, drop, this);
    m_rulesText->setAccessibleName(tr("Rules"));
    return row;
}

QWidget *ContentView::makeBottomBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Theme::spacing);

    m_modePicker = new QComboBox(bar);
    m_modePicker->setObjectName(QStringLiteral("modePicker"));
    m_modePicker->setAccessibleName(tr("Mode"));
    m_modePicker->addItem(tr("Basic"), int(GeneratorMode::basic));
    m_modePicker->addItem(tr("Advanced"), int(GeneratorMode::advanced));
    m_modePicker->addItem(tr("Words"), int(GeneratorMode::words));
    m_modePicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The style sizes a picker by the face; the bar holds one height.
    m_modePicker->setFixedHeight(Theme::barHeight(m_modePicker->font()));
    connect(m_modePicker, &QComboBox::activated, this, [this](int index) {
        const auto mode = GeneratorMode(m_modePicker->itemData(index).toInt());
        editSettings(m_model, [&](Settings &settings) { settings.mode = mode; });
    });
    row->addWidget(m_modePicker);
    row->addWidget(makeHistoryButton(bar));
    row->addWidget(makeOptionsButton(bar));
    row->addStretch(1);

    auto *regenerate = new ProminentButton(m_actions->regenerate()->text(), bar);
    regenerate->setObjectName(QStringLiteral("regenerateButton"));
    connect(regenerate, &QPushButton::clicked, m_actions->regenerate(), &QAction::trigger);
    row->addWidget(regenerate);
    return bar;
}

QToolButton *ContentView::makeHistoryButton(QWidget *parent)
{
    m_historyButton = new QToolButton(parent);
    m_historyButton->setObjectName(QStringLiteral("historyButton"));
    m_historyButton->setIcon(Symbols::icon(QStringLiteral("clock.arrow.circlepath")));
    m_historyButton->setText(tr("History"));
    m_historyButton->setAccessibleName(tr("History"));
    m_historyButton->setToolTip(tr("Recently generated passwords"));
    m_historyButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_historyButton->setAutoRaise(true);
    connect(m_historyButton, &QToolButton::clicked, this, &ContentView::showHistory);
    return m_historyButton;
}

QToolButton *ContentView::makeOptionsButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("optionsButton"));
    button->setIcon(Symbols::icon(QStringLiteral("gearshape")));
    button->setText(tr("Options"));
    button->setAccessibleName(tr("Options"));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));

    auto *menu = new QMenu(button);
    m_excludeAmbiguous = menu->addAction(tr("Exclude ambiguous characters"));
    m_requireEach = menu->addAction(tr("Every chosen group at least once"));
    m_askForRules = menu->addAction(tr("Password Rules\u2026"));
    m_autoClear = menu->addAction(tr("Clear clipboard after 1 minute"));
    for (QAction *action : {m_excludeAmbiguous, m_autoClear, m_requireEach})
        action->setCheckable(true);
    connect(m_requireEach, &QAction::triggered, this, [this](bool on) {
        editSettings(m_model, [&](Settings &settings) { settings.requireEachGroup = on; });
    });
    connect(m_askForRules, &QAction::triggered, this, &ContentView::askForRules);
    connect(m_excludeAmbiguous, &QAction::triggered, this, [this](bool on) {
        editSettings(m_model, [&](Settings &settings) { settings.excludeAmbiguous = on; });
    });
    connect(m_autoClear, &QAction::triggered, this, [this](bool on) {
        editSettings(m_model, [&](Settings &settings) { settings.autoClearClipboard = on; });
    });
    menu->addSeparator();
    m_summary = menu->addAction(QString());
    m_summary->setEnabled(false); // a line of information, not a command
    button->setMenu(menu);
    return button;
}

QWidget *ContentView::makeControls()
{
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 4);
    column->setSpacing(Theme::spacing);
    switch (m_model.settings().mode) {
    case GeneratorMode::basic:
        column->addWidget(new BasicControls(m_model, content));
        break;
    case GeneratorMode::advanced:
        column->addWidget(new AdvancedControls(m_model, content));
        break;
    case GeneratorMode::words:
        column->addWidget(new WordsControls(m_model, content));
        break;
    }
    column->addStretch(1);
    return content;
}

void ContentView::showHistory()
{
    if (!m_historyPanel) {
        m_historyPanel = new HistoryPanel(m_model, this);
        connect(m_historyPanel, &HistoryPanel::closed, this, [this] { m_historyOpen = false; });
    }
    m_historyOpen = true;
    m_historyPanel->popUp(this, m_historyButton);
}

void ContentView::askForRules()
{
    auto *dialog = new RulesDialog(m_model.settings().passwordRules, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        editSettings(m_model,
                     [&](Settings &settings) { settings.passwordRules = dialog->rules(); });
    });
    dialog->open();
}

void ContentView::refreshPassword()
{
    const std::optional<GeneratedPassword> &current = m_model.current();
    m_display->setPassword(current, m_model.errorMessage());
    m_copyButton->setEnabled(current.has_value());
    m_meter->setBits(current ? current->entropyBits : 0);
    m_exponent->setText(exponentLabel(current));
    m_exponent->setToolTip(crackTimeHelp(current));
    m_summary->setText(poolSummary(current));
}

void ContentView::refreshCopyTitle()
{
    m_copyButton->setText(m_model.didCopy() ? tr("Copied") : tr("Copy"));
}

void ContentView::refreshSettings()
{
    const Settings &settings = m_model.settings();
    const bool words = settings.mode == GeneratorMode::words;
    m_lengthRow->setVisible(!words);
    m_wordsRow->setVisible(words);
    m_modePicker->setCurrentIndex(m_modePicker->findData(int(settings.mode)));
    m_excludeAmbiguous->setChecked(settings.excludeAmbiguous);
    m_autoClear->setChecked(settings.autoClearClipboard);
    // Rules are for characters; a passphrase has none of these.
    m_requireEach->setChecked(settings.requireEachGroup);
    m_requireEach->setEnabled(!words);
    m_askForRules->setEnabled(!words);
    QStringList rules;
    if (settings.requireEachGroup)
        rules << tr("Every chosen group");
    if (!settings.passwordRules.isEmpty())
        rules << settings.passwordRules;
    const QString rulesText = rules.join(QStringLiteral(" \u00B7 "));
    m_rulesText->setText(rulesText);
    m_rulesRow->setVisible(!words && !rules.isEmpty());

    // A new panel only when the mode changed; the panels refresh themselves.
    if (m_shownMode != settings.mode) {
        m_shownMode = settings.mode;
        m_options->setWidget(makeControls());
        placeInTabOrder(m_options->widget());
    }
}

// A new panel joins the end of the focus chain; Tab should reach it where it
// stands on screen, after the slider and before the bottom bar.
void ContentView::placeInTabOrder(QWidget *panel)
{
    QWidget *previous = m_wordsRow->content();
    for (QWidget *widget = panel->nextInFocusChain(); panel->isAncestorOf(widget);) {
        QWidget *next = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, widget);
            previous = widget;
        }
        widget = next;
    }
    setTabOrder(previous, m_modePicker);
}
