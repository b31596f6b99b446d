#include "ui/ContentView.h"

#include "core/GeneratorModel.h"
#include "core/Superscript.h"
#include "ui/AdvancedControls.h"
#include "ui/BasicControls.h"
#include "ui/HistoryPanel.h"
#include "ui/LabeledRow.h"
#include "ui/PasswordDisplay.h"
#include "ui/ProminentButton.h"
#include "ui/SettingsEditor.h"
#include "ui/StrengthMeter.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"
#include "ui/WholeNumberSlider.h"
#include "ui/WordsControls.h"

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
    , model(model)
{
    setMinimumSize(minimumContentSize);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(spacing);

    column->addWidget(makePasswordRow());
    column->addWidget(makeStrengthRow());
    lengthRow = makeCountRow(QStringLiteral("Length"), Settings::minimumLength,
                             Settings::maximumLength, &Settings::length);
    wordsRow = makeCountRow(QStringLiteral("Words"), Settings::minimumWordCount,
                            Settings::maximumWordCount, &Settings::wordCount);
    column->addWidget(lengthRow);
    column->addWidget(wordsRow);
    // The divider keeps 2 more above and below than the rows' spacing.
    column->addSpacing(2);
    column->addWidget(makeDivider());
    column->addSpacing(2);

    options = new QScrollArea(this);
    options->setObjectName(QStringLiteral("options"));
    options->setWidgetResizable(true);
    options->setFrameShape(QFrame::NoFrame);
    options->setFocusPolicy(Qt::NoFocus); // a place, not a control
    options->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    options->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded); // only when taller
    options->viewport()->setAutoFillBackground(false);
    column->addWidget(options, 1);
    // The flexible space below the options: the scroll area already takes
    // every spare point, so only its spacing is left to show.
    column->addSpacing(spacing);
    column->addWidget(makeDivider());
    column->addWidget(makeBottomBar());

    connect(&model, &GeneratorModel::currentChanged, this, &ContentView::refreshPassword);
    connect(&model, &GeneratorModel::errorMessageChanged, this, &ContentView::refreshPassword);
    connect(&model, &GeneratorModel::didCopyChanged, this, &ContentView::refreshCopyTitle);
    connect(&model, &GeneratorModel::historyChanged, this,
            [this] { historyButton->setEnabled(!this->model.history().isEmpty()); });
    connect(&model, &GeneratorModel::settingsChanged, this, &ContentView::refreshSettings);
    refreshSettings();
    refreshPassword();
    refreshCopyTitle();
    historyButton->setEnabled(!model.history().isEmpty());
}

QString ContentView::exponentLabel(const std::optional<GeneratedPassword> &password)
{
    if (!password)
        return QStringLiteral("\u2014");
    return u'2' + superscripted(QString::number(qint64(std::floor(password->entropyBits))));
}

QString ContentView::crackTimeHelp(const std::optional<GeneratedPassword> &password)
{
    if (!password)
        return QString();
    return QStringLiteral("About ") + password->crackTime()
           + QStringLiteral(" to crack at 100 billion guesses per second.");
}

QString ContentView::poolSummary(const std::optional<GeneratedPassword> &password,
                                 const QLocale &locale)
{
    if (!password)
        return QString();
    if (password->mode == GeneratorMode::words)
        return locale.toString(password->poolSize) + QStringLiteral(" words available");
    return QString::number(password->poolSize) + QStringLiteral(" characters in the pool");
}

QWidget *ContentView::makePasswordRow()
{
    auto *rowWidget = new QWidget(this);
    auto *row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    display = new PasswordDisplay(rowWidget);
    connect(display, &PasswordDisplay::copyRequested, this,
            [this](const QString &text) { model.copyText(text); });
    row->addWidget(display, 1);
    copyButton = new QPushButton(QStringLiteral("Copy"), rowWidget);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    copyButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    copyButton->setAutoDefault(false);
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (model.current())
            model.copy(*model.current());
    });
    row->addWidget(copyButton, 0, Qt::AlignVCenter);
    return rowWidget;
}

QWidget *ContentView::makeStrengthRow()
{
    meter = new StrengthMeter(this);
    exponent = new QLabel(this);
    exponent->setObjectName(QStringLiteral("exponentLabel"));
    // Medium weight; the system font's digits are tabular, so the label
    // does not jitter as the exponent changes.
    exponent->setFont(Theme::font(13, QFont::Medium));
    exponent->setFixedWidth(accessoryWidth);
    exponent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return new LabeledRow(QStringLiteral("Strength"), meter, exponent, this);
}

LabeledRow *ContentView::makeCountRow(const QString &title, qint64 minimum, qint64 maximum,
                                      qint64 Settings::*field)
{
    auto *slider = new WholeNumberSlider(minimum, maximum, this);
    slider->setObjectName(title.toLower() + QStringLiteral("Slider"));
    slider->setAccessibleName(title);
    connect(slider, &WholeNumberSlider::wholeValueChanged, this, [this, field](qint64 value) {
        editSettings(model, [&](Settings &settings) { settings.*field = value; });
    });
    auto *value = new QLabel(this);
    value->setFont(Theme::font(Theme::TextStyle::body));
    value->setFixedWidth(accessoryWidth);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *row = new LabeledRow(title, slider, value, this);
    const auto refresh = [this, slider, value, field] {
        const qint64 stored = model.settings().*field;
        slider->setWholeValue(stored);
        value->setText(QString::number(stored));
    };
    connect(&model, &GeneratorModel::settingsChanged, row, refresh);
    refresh();
    return row;
}

QWidget *ContentView::makeBottomBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing);

    modePicker = new QComboBox(bar);
    modePicker->setObjectName(QStringLiteral("modePicker"));
    modePicker->setAccessibleName(QStringLiteral("Mode"));
    modePicker->addItem(QStringLiteral("Basic"), int(GeneratorMode::basic));
    modePicker->addItem(QStringLiteral("Advanced"), int(GeneratorMode::advanced));
    modePicker->addItem(QStringLiteral("Words"), int(GeneratorMode::words));
    modePicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(modePicker, &QComboBox::activated, this, [this](int index) {
        const auto mode = GeneratorMode(modePicker->itemData(index).toInt());
        editSettings(model, [&](Settings &settings) { settings.mode = mode; });
    });
    row->addWidget(modePicker);
    row->addWidget(makeHistoryButton(bar));
    row->addWidget(makeOptionsButton(bar));
    row->addStretch(1);

    auto *regenerate = new ProminentButton(QStringLiteral("Regenerate"), bar);
    regenerate->setObjectName(QStringLiteral("regenerateButton"));
    connect(regenerate, &QPushButton::clicked, this, [this] { model.regenerate(true); });
    row->addWidget(regenerate);
    return bar;
}

QToolButton *ContentView::makeHistoryButton(QWidget *parent)
{
    historyButton = new QToolButton(parent);
    historyButton->setObjectName(QStringLiteral("historyButton"));
    historyButton->setIcon(Symbols::icon(QStringLiteral("clock.arrow.circlepath")));
    historyButton->setText(QStringLiteral("History"));
    historyButton->setAccessibleName(QStringLiteral("History"));
    historyButton->setToolTip(QStringLiteral("Recently generated passwords"));
    historyButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    historyButton->setAutoRaise(true);
    connect(historyButton, &QToolButton::clicked, this, &ContentView::showHistory);
    return historyButton;
}

QToolButton *ContentView::makeOptionsButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("optionsButton"));
    button->setIcon(Symbols::icon(QStringLiteral("gearshape")));
    button->setText(QStringLiteral("Options"));
    button->setAccessibleName(QStringLiteral("Options"));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));

    auto *menu = new QMenu(button);
    excludeAmbiguous = menu->addAction(QStringLiteral("Exclude ambiguous characters"));
    autoClear = menu->addAction(QStringLiteral("Clear clipboard after 1 minute"));
    for (QAction *action : {excludeAmbiguous, autoClear})
        action->setCheckable(true);
    connect(excludeAmbiguous, &QAction::triggered, this, [this](bool on) {
        editSettings(model, [&](Settings &settings) { settings.excludeAmbiguous = on; });
    });
    connect(autoClear, &QAction::triggered, this, [this](bool on) {
        editSettings(model, [&](Settings &settings) { settings.autoClearClipboard = on; });
    });
    menu->addSeparator();
    summary = menu->addAction(QString());
    summary->setEnabled(false); // a line of information, not a command
    button->setMenu(menu);
    return button;
}

QWidget *ContentView::makeControls()
{
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 4);
    column->setSpacing(spacing);
    switch (model.settings().mode) {
    case GeneratorMode::basic:
        column->addWidget(new BasicControls(model, content));
        break;
    case GeneratorMode::advanced:
        column->addWidget(new AdvancedControls(model, content));
        break;
    case GeneratorMode::words:
        column->addWidget(new WordsControls(model, content));
        break;
    }
    column->addStretch(1);
    return content;
}

QFrame *ContentView::makeDivider()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void ContentView::showHistory()
{
    if (!panel) {
        panel = new HistoryPanel(model, this);
        connect(panel, &HistoryPanel::closed, this, [this] { historyOpen = false; });
    }
    historyOpen = true;
    panel->popUp(this, historyButton);
}

void ContentView::refreshPassword()
{
    const std::optional<GeneratedPassword> &current = model.current();
    display->setPassword(current, model.errorMessage());
    copyButton->setEnabled(current.has_value());
    meter->setBits(current ? current->entropyBits : 0);
    exponent->setText(exponentLabel(current));
    exponent->setToolTip(crackTimeHelp(current));
    summary->setText(poolSummary(current));
}

void ContentView::refreshCopyTitle()
{
    copyButton->setText(model.didCopy() ? QStringLiteral("Copied") : QStringLiteral("Copy"));
}

void ContentView::refreshSettings()
{
    const Settings &settings = model.settings();
    const bool words = settings.mode == GeneratorMode::words;
    lengthRow->setVisible(!words);
    wordsRow->setVisible(words);
    modePicker->setCurrentIndex(modePicker->findData(int(settings.mode)));
    excludeAmbiguous->setChecked(settings.excludeAmbiguous);
    autoClear->setChecked(settings.autoClearClipboard);

    // A new panel only when the mode changed; the panels refresh themselves.
    const QVariant shownMode = options->property("mode");
    if (!shownMode.isValid() || shownMode.toInt() != int(settings.mode)) {
        options->setProperty("mode", int(settings.mode));
        options->setWidget(makeControls());
        placeInTabOrder(options->widget());
    }
}

// A new panel joins the end of the focus chain; Tab should reach it where it
// stands on screen, after the slider and before the bottom bar.
void ContentView::placeInTabOrder(QWidget *panel)
{
    QWidget *previous = wordsRow->content();
    for (QWidget *widget = panel->nextInFocusChain(); panel->isAncestorOf(widget);) {
        QWidget *next = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, widget);
            previous = widget;
        }
        widget = next;
    }
    setTabOrder(previous, modePicker);
}
