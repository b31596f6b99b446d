#include "core/GeneratorModel.h"
#include "services/PreferencesStore.h"
#include "support/Palettes.h"
#include "support/TemporaryPreferences.h"
#include "ui/AdvancedControls.h"
#include "ui/BasicControls.h"
#include "ui/CharacterChip.h"
#include "ui/ChipRow.h"
#include "ui/ChipRowTitle.h"
#include "ui/ContentView.h"
#include "ui/GroupToggleButton.h"
#include "ui/HistoryPanel.h"
#include "ui/HistoryRowDelegate.h"
#include "ui/HistoryView.h"
#include "ui/LabeledRow.h"
#include "ui/MiddleElision.h"
#include "ui/PasswordDisplay.h"
#include "ui/StyledLabel.h"
#include "ui/Theme.h"
#include "ui/WholeNumberSlider.h"
#include "ui/WordsControls.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <tuple>

using namespace std::chrono_literals;

namespace {

// The real model over preferences in a temporary folder; copies are noted
// instead of reaching the system clipboard.
class Window
{
public:
    explicit Window(const Settings &start = Settings(), CopyTimings timings = {})
    {
        PreferencesStore().save(start);
        model = std::make_unique<GeneratorModel>(ModelServices{
            .store = store,
            .copyToClipboard = [this](const QString &text, auto) { copied.append(text); },
            .timings = timings});
        view = std::make_unique<ContentView>(*model);
        view->resize(ContentView::idealContentSize);
        view->show();
        exposed = QTest::qWaitForWindowExposed(view.get());
    }

    template <typename T> T *find(const char *name) const
    {
        return view->findChild<T *>(QLatin1StringView(name));
    }
    template <typename T> T *panel() const
    {
        return view->findChild<QScrollArea *>("options")->widget()->findChild<T *>();
    }
    QString text() const { return model->current() ? model->current()->text : QString(); }

    TemporaryPreferences preferences;
    PreferencesStore store;
    QStringList copied;
    bool exposed = false;
    std::unique_ptr<GeneratorModel> model;
    std::unique_ptr<ContentView> view;
};

Settings inMode(GeneratorMode mode)
{
    Settings settings;
    settings.mode = mode;
    return settings;
}

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private slots:
    void groupTogglesChangeSettingsAndPassword();
    void chipsAndTurnAllTitles_data();
    void chipsAndTurnAllTitles();
    void typingWritesOncePerKeystroke();
    void separatorHintsFollowTheCount();
    void modeSwitchSwapsRowAndPanel();
    void sliderRoundsHalvesAway_data();
    void sliderRoundsHalvesAway();
    void copyButtonAcknowledges();
    void historyButtonEnablesOnlyAfterRegeneration();
    void historyRowsCopyTheirOwnText();
    void clearEmptiesTheHistory();
    void labelsAndSummaries();
    void rowsPickerAndOptionsMenu();
    void tabFollowsTheScreen();
    void smallestWindowScrollsWithoutOverlap();
};

void TestContentView::groupTogglesChangeSettingsAndPassword()
{
    Window w;
    QVERIFY(w.exposed);
    auto *basic = w.panel<BasicControls>();
    QVERIFY(basic);
    for (GroupToggleButton *button : basic->groupButtons()) {
        const QString before = w.text();
        const CharacterGroup group = button->group();
        QVERIFY(button->isOn());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!w.model->settings().enabledCharacters.contains(group.characters.first()));
        QVERIFY(!button->isOn());
        QVERIFY(w.text() != before);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(w.model->settings().enabledCharacters.contains(group.characters.last()));
    }
    // Partly on: one click adds the missing ones and removes none.
    GroupToggleButton *digits = basic->groupButtons().at(2);
    QTest::mouseClick(w.panel<ChipRow>()->chips().first(), Qt::LeftButton); // a symbol, not digits
    Settings partial = w.model->settings();
    partial.enabledCharacters.remove(QStringLiteral("5"));
    w.model->setSettings(partial);
    QCOMPARE(digits->state(), ToggleState::partial);
    digits->setFocus();
    QTest::keyClick(digits, Qt::Key_Space);
    QVERIFY(w.model->settings().enabledCharacters.contains(QStringLiteral("5")));
    QVERIFY(digits->isOn());
}

void TestContentView::chipsAndTurnAllTitles_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::newRow("basic symbols") << int(GeneratorMode::basic) << 0;
    QTest::newRow("advanced brackets") << int(GeneratorMode::advanced) << 5;
    QTest::newRow("separators") << int(GeneratorMode::words) << 0;
}

void TestContentView::chipsAndTurnAllTitles()
{
    QFETCH(int, mode);
    QFETCH(int, row);
    Window w(inMode(GeneratorMode(mode)));
    ChipRow *chips =
        w.view->findChild<QScrollArea *>("options")->widget()->findChildren<ChipRow *>().at(row);
    const auto selected = [&] {
        return mode == int(GeneratorMode::words) ? w.model->settings().separators
                                                 : w.model->settings().enabledCharacters;
    };
    CharacterChip *chip = chips->chips().last();
    const bool wasOn = chip->isChecked();
    const QString before = w.text();
    QTest::mouseClick(chip, Qt::LeftButton);
    QCOMPARE(chip->isChecked(), !wasOn);
    QVERIFY(w.text() != before);

    // The title turns everything on unless all are on, then everything off.
    ChipRowTitle *title = chips->title();
    QTest::mouseClick(title, Qt::LeftButton);
    QCOMPARE(chips->state(), ToggleState::on);
    QTest::mouseClick(title, Qt::LeftButton);
    QCOMPARE(chips->state(), ToggleState::off);
    for (CharacterChip *each : chips->chips())
        QVERIFY(!selected().contains(each->text()));
}

void TestContentView::typingWritesOncePerKeystroke()
{
    Window w(inMode(GeneratorMode::advanced));
    QLineEdit *field = w.panel<AdvancedControls>()->additionalField();
    QSignalSpy changes(w.model.get(), &GeneratorModel::settingsChanged);
    QSignalSpy passwords(w.model.get(), &GeneratorModel::currentChanged);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("a b"));
    QCOMPARE(changes.size(), 3);
    QCOMPARE(passwords.size(), 3);
    QCOMPARE(w.model->settings().additionalCharacters, QStringLiteral("a b"));
    QCOMPARE(PreferencesStore().load().additionalCharacters, QStringLiteral("a b"));
}

void TestContentView::separatorHintsFollowTheCount()
{
    Window w(inMode(GeneratorMode::words));
    auto *words = w.panel<WordsControls>();
    QCOMPARE(words->findChild<StyledLabel *>()->text(),
             QStringLiteral("Words are joined by this character."));
    QTest::mouseClick(words->findChild<ChipRow *>()->chips().at(1), Qt::LeftButton); // "_" off
    QCOMPARE(words->findChild<StyledLabel *>()->text(),
             QStringLiteral("No separator \u2014 the words run together."));
    QTest::mouseClick(words->findChild<ChipRow *>()->chips().at(0), Qt::LeftButton);
    QTest::mouseClick(words->findChild<ChipRow *>()->chips().at(2), Qt::LeftButton);
    QCOMPARE(words->findChild<StyledLabel *>()->text(),
             QStringLiteral("Each join picks one at random, which makes it stronger."));
}

void TestContentView::modeSwitchSwapsRowAndPanel()
{
    Window w;
    auto *picker = w.find<QComboBox>("modePicker");
    QCOMPARE(picker->accessibleName(), QStringLiteral("Mode"));
    QVERIFY(w.find<WholeNumberSlider>("lengthSlider")->isVisible());
    QVERIFY(!w.find<WholeNumberSlider>("wordsSlider")->isVisible());

    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down); // to "Advanced"
    QCOMPARE(w.model->settings().mode, GeneratorMode::advanced);
    QVERIFY(w.panel<AdvancedControls>());

    QTest::keyClick(picker, Qt::Key_End); // to "Words"
    QCOMPARE(w.model->settings().mode, GeneratorMode::words);
    QVERIFY(w.panel<WordsControls>());
    QVERIFY(!w.panel<AdvancedControls>());
    QVERIFY(w.find<WholeNumberSlider>("wordsSlider")->isVisible());
    QVERIFY(!w.find<WholeNumberSlider>("lengthSlider")->isVisible());
    QCOMPARE(w.model->current()->mode, GeneratorMode::words);
}

void TestContentView::sliderRoundsHalvesAway_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<double>("position");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("length 7.5") << "lengthSlider" << 7.5 << qint64(8);
    QTest::newRow("length 7.49") << "lengthSlider" << 7.49 << qint64(7);
    QTest::newRow("words 7.5") << "wordsSlider" << 7.5 << qint64(8);
    QTest::newRow("words 3.2") << "wordsSlider" << 3.2 << qint64(3);
}

void TestContentView::sliderRoundsHalvesAway()
{
    QFETCH(QString, slider);
    QFETCH(double, position);
    QFETCH(qint64, stored);
    Window w(inMode(slider == "wordsSlider" ? GeneratorMode::words : GeneratorMode::basic));
    auto *control = w.find<WholeNumberSlider>(qPrintable(slider));
    control->setExactValue(position);
    const Settings &settings = w.model->settings();
    QCOMPARE(slider == "wordsSlider" ? settings.wordCount : settings.length, stored);
    QCOMPARE(PreferencesStore().load(), settings);
    // Keys move it too, one whole number a press.
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Right);
    QCOMPARE(slider == "wordsSlider" ? w.model->settings().wordCount : w.model->settings().length,
             stored + 1);
}

void TestContentView::copyButtonAcknowledges()
{
    Window w(Settings(), {60'000ms, 300ms});
    auto *copy = w.find<QPushButton>("copyButton");
    QCOMPARE(copy->text(), QStringLiteral("Copy"));

    // A selection copied from the display goes through the model's copy
    // flow, without the acknowledgement.
    auto *display = w.view->findChild<PasswordDisplay *>();
    display->setFocus();
    display->selectAll();
    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(w.copied, QStringList{w.text()});
    QCOMPARE(copy->text(), QStringLiteral("Copy"));

    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(w.copied, (QStringList{w.text(), w.text()}));
    QCOMPARE(copy->text(), QStringLiteral("Copied"));
    QTRY_COMPARE(copy->text(), QStringLiteral("Copy"));

    // No password, no copy.
    Settings none;
    none.enabledCharacters = {};
    w.model->setSettings(none);
    QVERIFY(!copy->isEnabled());
    QCOMPARE(w.find<QLabel>("exponentLabel")->text(), QStringLiteral("\u2014"));
    QVERIFY(w.find<QLabel>("exponentLabel")->toolTip().isEmpty());
}

void TestContentView::historyButtonEnablesOnlyAfterRegeneration()
{
    Window w;
    auto *history = w.find<QToolButton>("historyButton");
    QVERIFY(!history->isEnabled());
    QCOMPARE(history->toolTip(), QStringLiteral("Recently generated passwords"));
    QCOMPARE(history->accessibleName(), QStringLiteral("History"));
    w.find<WholeNumberSlider>("lengthSlider")->setExactValue(20);
    w.model->setSettings([&] {
        Settings s = w.model->settings();
        s.excludeAmbiguous = true;
        return s;
    }());
    QVERIFY(!history->isEnabled());
    QTest::mouseClick(w.find<QPushButton>("regenerateButton"), Qt::LeftButton);
    QVERIFY(history->isEnabled());
    QCOMPARE(w.model->history().size(), 1);
}

void TestContentView::historyRowsCopyTheirOwnText()
{
    Window w;
    for (int i = 0; i < 3; ++i)
        w.model->regenerate(true);
    QTest::mouseClick(w.find<QToolButton>("historyButton"), Qt::LeftButton);
    QVERIFY(w.view->isHistoryOpen());
    HistoryView *history = w.view->historyPanel()->view();
    QListWidget *list = history->list();
    QCOMPARE(w.view->historyPanel()->view()->size(), QSize(340, 320));
    QCOMPARE(QApplication::focusWidget(), list); // ready for the arrow keys
    QCOMPARE(list->count(), 3);

    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(w.copied, QStringList{w.model->history().at(1).text});
    QVERIFY(w.model->didCopy());
    QVERIFY(w.view->historyPanel()->isVisible()); // stays open

    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(w.copied.last(), w.model->history().at(2).text);
    // Ctrl+C copies through the model too, never the list's own plain copy.
    list->setCurrentRow(0);
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(w.copied.last(), w.model->history().at(0).text);
    QCOMPARE(w.copied.size(), 3);

    QTest::keyClick(w.view->historyPanel(), Qt::Key_Escape);
    QVERIFY(!w.view->historyPanel()->isVisible());
    QVERIFY(!w.view->isHistoryOpen());
}

void TestContentView::clearEmptiesTheHistory()
{
    Window w;
    w.model->regenerate(true);
    HistoryView view(*w.model);
    QVERIFY(!view.showsEmptyState());
    QVERIFY(view.clearButton()->isEnabled());
    QTest::mouseClick(view.clearButton(), Qt::LeftButton);
    QVERIFY(w.model->history().isEmpty());
    QVERIFY(view.showsEmptyState());
    QVERIFY(!view.clearButton()->isEnabled());
    QVERIFY(view.findChild<QLabel *>()); // the placeholder's texts
    QStringList texts;
    for (QLabel *label : view.findChildren<QLabel *>())
        texts.append(label->text());
    QVERIFY(texts.contains(QStringLiteral("No history yet")));
    QVERIFY(texts.contains(QStringLiteral("Passwords you regenerate past will collect here.")));
    QVERIFY(texts.contains(QStringLiteral("Kept in memory only \u2014 cleared when you quit.")));
}

void TestContentView::labelsAndSummaries()
{
    GeneratedPassword words{QUuid::createUuid(), QString(), 65.0, 12'000, 5, GeneratorMode::words};
    QCOMPARE(ContentView::poolSummary(words, QLocale(QLocale::English, QLocale::UnitedStates)),
             QStringLiteral("12,000 words available"));
    GeneratedPassword characters{QUuid::createUuid(),    QString(), 51.7, 94, 8,
                                 GeneratorMode::advanced};
    QCOMPARE(ContentView::poolSummary(characters, QLocale(QLocale::German)),
             QStringLiteral("94 characters in the pool"));
    QCOMPARE(ContentView::exponentLabel(characters), QStringLiteral("2\u2075\u00B9"));
    characters.entropyBits = 0;
    QCOMPARE(ContentView::exponentLabel(characters), QStringLiteral("2\u2070"));
    characters.entropyBits = 40;
    QCOMPARE(ContentView::crackTimeHelp(characters),
             QStringLiteral("About 5 seconds to crack at 100 billion guesses per second."));
    QCOMPARE(ContentView::poolSummary(std::nullopt), QString());

    // History rows: the rating with its power, and long texts cut in the middle.
    QCOMPARE(HistoryRowDelegate::ratingText(64.0), QStringLiteral("Good \u00B7 2\u2076\u2074"));
    QCOMPARE(HistoryRowDelegate::ratingText(71.5), QStringLiteral("Good \u00B7 2\u2077\u00B9"));
    QCOMPARE(HistoryRowDelegate::ratingText(63.9), QStringLiteral("Fair \u00B7 2\u2076\u00B3"));
    const QFont mono = Theme::monospacedFont(12);
    const qreal line = QFontMetricsF(mono).height();
    QCOMPARE(middleElided(QStringLiteral("short_one"), mono, 200, 2), QStringLiteral("short_one"));
    const QString passphrase =
        QStringLiteral("first_") + QStringLiteral("middle_").repeated(20) + QStringLiteral("last");
    const QString shown = middleElided(passphrase, mono, 200, 2);
    QVERIFY(shown.startsWith(QStringLiteral("first_")));
    QVERIFY(shown.endsWith(QStringLiteral("last")));
    QVERIFY(shown.contains(QChar(0x2026)));
    QVERIFY(wrappedHeight(shown, mono, 200) <= 2 * line + 1);
    // As much as fits is kept: a few characters more would need a third line.
    QVERIFY(wrappedHeight(shown + QStringLiteral("xxxxxxxx"), mono, 200) > 2 * line + 1);
}

void TestContentView::rowsPickerAndOptionsMenu()
{
    Window w;
    QStringList titles;
    for (LabeledRow *row : w.view->findChildren<LabeledRow *>())
        titles.append(row->titleLabel()->text());
    QCOMPARE(titles, (QStringList{"Strength", "Length", "Words"}));
    for (const auto &[name, minimum, maximum] :
         {std::tuple{"lengthSlider", 4, 128}, std::tuple{"wordsSlider", 3, 12}}) {
        QAccessibleInterface *slider =
            QAccessible::queryAccessibleInterface(w.find<WholeNumberSlider>(name));
        QCOMPARE(slider->valueInterface()->minimumValue().toInt(), minimum);
        QCOMPARE(slider->valueInterface()->maximumValue().toInt(), maximum);
    }
    QAccessibleInterface *length =
        QAccessible::queryAccessibleInterface(w.find<WholeNumberSlider>("lengthSlider"));
    QCOMPARE(length->valueInterface()->currentValue().toInt(), 16); // not in thousandths
    length->valueInterface()->setCurrentValue(20);
    QCOMPARE(w.model->settings().length, 20);

    auto *picker = w.find<QComboBox>("modePicker");
    QStringList modes;
    for (int i = 0; i < picker->count(); ++i)
        modes.append(picker->itemText(i));
    QCOMPARE(modes, (QStringList{"Basic", "Advanced", "Words"}));

    QMenu *menu = w.find<QToolButton>("optionsButton")->menu();
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items.at(0)->text(), QStringLiteral("Exclude ambiguous characters"));
    QCOMPARE(items.at(1)->text(), QStringLiteral("Clear clipboard after 1 minute"));
    QVERIFY(items.at(2)->isSeparator());
    QCOMPARE(items.at(3)->text(), QStringLiteral("76 characters in the pool"));
    QVERIFY(!items.at(0)->isChecked() && items.at(1)->isChecked());
    items.at(0)->trigger();
    QVERIFY(w.model->settings().excludeAmbiguous);
    QCOMPARE(items.at(3)->text(), QStringLiteral("71 characters in the pool"));
    items.at(1)->trigger();
    QVERIFY(!w.model->settings().autoClearClipboard);
}

void TestContentView::tabFollowsTheScreen()
{
    Window w(inMode(GeneratorMode::advanced));
    // Rebuilt panels must still come between the slider and the bottom bar.
    QTest::keyClick(w.find<QComboBox>("modePicker"), Qt::Key_End);
    QTest::keyClick(w.find<QComboBox>("modePicker"), Qt::Key_Home);
    QList<QWidget *> order;
    QWidget *widget = w.find<WholeNumberSlider>("lengthSlider");
    for (int i = 0; i < 60 && !order.contains(widget); ++i) {
        order.append(widget);
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
    }
    const auto at = [&](QWidget *target) { return order.indexOf(target); };
    const int firstChip = at(w.panel<BasicControls>()->groupButtons().first());
    QVERIFY(firstChip > 0);
    QVERIFY(firstChip < at(w.find<QComboBox>("modePicker")));
    QVERIFY(at(w.find<QComboBox>("modePicker")) < at(w.find<QPushButton>("regenerateButton")));
    QCOMPARE(at(w.find<QScrollArea>("options")), -1);
}

void TestContentView::smallestWindowScrollsWithoutOverlap()
{
    Window w(inMode(GeneratorMode::advanced));
    w.view->resize(ContentView::minimumContentSize);
    QTest::qWait(50);
    QCOMPARE(w.view->size(), ContentView::minimumContentSize);
    auto *options = w.find<QScrollArea>("options");
    QTRY_VERIFY(options->verticalScrollBar()->maximum() > 0);

    // The rows above the options and the bottom bar do not overlap.
    const QList<QWidget *> stacked{w.view->findChild<PasswordDisplay *>(),
                                   w.find<QLabel>("exponentLabel"),
                                   w.find<WholeNumberSlider>("lengthSlider"), options,
                                   w.find<QPushButton>("regenerateButton")};
    int bottom = -1;
    for (QWidget *widget : stacked) {
        const QRect box(widget->mapTo(w.view.get(), QPoint(0, 0)), widget->size());
        QVERIFY2(box.top() > bottom, widget->metaObject()->className());
        QVERIFY(w.view->rect().contains(box));
        bottom = box.bottom();
    }

    // A short panel does not scroll.
    QTest::keyClick(w.find<QComboBox>("modePicker"), Qt::Key_End);
    QTRY_COMPARE(w.find<QScrollArea>("options")->verticalScrollBar()->maximum(), 0);
}

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
