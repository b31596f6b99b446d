#include "app/TessellonApp.h"
#include "support/ModelFixture.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRow.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/chips/GroupToggleButton.h"
#include "ui/controls/LabeledRow.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/controls/WholeNumberSlider.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryPanel.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/history/HistoryView.h"
#include "ui/history/MiddleElision.h"
#include "ui/style/SeparatorLine.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVariantAnimation>

using namespace Qt::StringLiterals;

namespace {

// The window at its ideal size over the real model, its settings in memory.
struct Window : ModelFixture
{
    explicit Window(GeneratorMode mode = GeneratorMode::basic, CopyTimings timings = {})
        : ModelFixture({.start = {.mode = mode}, .timings = timings})
        , view(*model)
    {
        view.resize(view.sizeHint());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    template <typename T = QWidget> T *find(const char *name = nullptr) const
    {
        return view.findChild<T *>(QString::fromLatin1(name));
    }
    QWidget *panel() const { return find<QScrollArea>("options")->widget(); }
    const Settings &settings() const { return model->settings(); }
    QString hint() const
    {
        auto *l = panel()->findChild<QLabel *>();
        return l ? l->text() : "";
    }

    ContentView view;
};

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    void groupButtonsToggleTheirGroup()
    {
        Window w;
        const auto buttons = w.panel()->findChildren<GroupToggleButton *>();
        for (GroupToggleButton *button : buttons) {
            QCOMPARE(button->state(), ToggleState::on);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(button->state(), ToggleState::off);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(w.settings().enabledCharacters, Settings().enabledCharacters);
        }
        // Partly on: one press adds the missing ones and removes none.
        w.model->setSettings(
            {.enabledCharacters = Settings().enabledCharacters.subtracting({u"5"_s})});
        QCOMPARE(buttons.at(2)->state(), ToggleState::partial);
        QTest::keyClick(buttons.at(2), Qt::Key_Space);
        QCOMPARE(w.settings().enabledCharacters, Settings().enabledCharacters);
    }

    void eachModesPanel_data()
    {
        QTest::addColumn<QList<int>>("keys"); // on the picker, from Basic
        QTest::addColumn<GeneratorMode>("mode");
        QTest::addColumn<QStringList>("hints"); // at first, after a chip, all off
        QTest::addColumn<double>("position");   // where a drag of the count lets go
        QTest::addColumn<int>("stored");
        QTest::newRow("advanced") << QList{int(Qt::Key_Down)} << GeneratorMode::advanced
                                  << QStringList(3) << 7.5 << 8;
        QTest::newRow("words") << QList{int(Qt::Key_End)} << GeneratorMode::words
                               << QStringList{"Words are joined by this character.",
                                              "Each join picks one at random, which makes it "
                                              "stronger.",
                                              "No separator — the words run together."}
                               << 3.2 << 3;
        QTest::newRow("back to basic") << QList{int(Qt::Key_End), int(Qt::Key_Home)}
                                       << GeneratorMode::basic << QStringList(3) << 7.49 << 7;
    }

    void eachModesPanel()
    {
        QFETCH(QList<int>, keys);
        QFETCH(GeneratorMode, mode);
        QFETCH(QStringList, hints);
        QFETCH(double, position);
        QFETCH(int, stored);
        Window w;
        auto *picker = w.find<QComboBox>("modePicker");
        for (int key : keys)
            QTest::keyClick(picker, Qt::Key(key));
        QVERIFY(w.settings().mode == mode && w.model->current()->mode == mode);
        QWidget *panel = w.panel()->findChild<QWidget *>({}, Qt::FindDirectChildrenOnly);
        QCOMPARE(panel->metaObject()->className(), picker->currentText() + u"Controls"_s);
        const bool words = mode == GeneratorMode::words;
        auto *slider = w.find<WholeNumberSlider>(words ? "wordsSlider" : "lengthSlider");
        QVERIFY(!w.find(words ? "lengthSlider" : "wordsSlider")->isVisible());

        // Tab goes from the count through every stop of the new panel to the bottom bar.
        QWidgetList stops = panel->findChildren<QWidget *>(), tabbed;
        stops.removeIf([](QWidget *each) { return !(each->focusPolicy() & Qt::TabFocus); });
        stops << picker << w.find("optionsButton") << w.find("regenerateButton");
        slider->setFocus();
        while (tabbed.size() < stops.size()) {
            QTest::keyClick(w.view.focusWidget(), Qt::Key_Tab);
            tabbed << w.view.focusWidget();
        }
        QCOMPARE(tabbed, stops);

        // A chip flips its character; the title turns the row all on, then off.
        ChipRow *chips = panel->findChildren<ChipRow *>().last();
        QCOMPARE(w.hint(), hints.at(0));
        CharacterChip *chip = chips->chips().last();
        const bool wasOn = chip->isChecked();
        QTest::mouseClick(chip, Qt::LeftButton);
        QVERIFY(chip->isChecked() != wasOn);
        QCOMPARE(w.hint(), hints.at(1));
        QTest::mouseClick(chips->title(), Qt::LeftButton);
        QCOMPARE(chips->state(), ToggleState::on);
        QTest::mouseClick(chips->title(), Qt::LeftButton);
        QCOMPARE(w.hint(), hints.at(2));
        const CharacterSet &selected =
            words ? w.settings().separators : w.settings().enabledCharacters;
        for (CharacterChip *each : chips->chips())
            QVERIFY(!each->isChecked() && !selected.contains(each->character()));

        // Stored rounded, halves up; keys and screen readers move whole numbers.
        const auto value = [&] { return words ? w.settings().wordCount : w.settings().length; };
        slider->setExactValue(position);
        QCOMPARE(value(), stored);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(value(), stored + 1);
        auto *reader = QAccessible::queryAccessibleInterface(slider)->valueInterface();
        QCOMPARE(reader->currentValue().toInt(), stored + 1);
        const QList range{reader->minimumValue().toInt(), reader->maximumValue().toInt()};
        QCOMPARE(range, (words ? QList{3, 12} : QList{4, 128}));
        reader->setCurrentValue(range.at(1));
        QCOMPARE(value(), range.at(1));
    }

    void copyAndOptions()
    {
        Window w(GeneratorMode::basic, {.acknowledgement = std::chrono::milliseconds(300)});
        auto *copy = w.find<QPushButton>("copyButton");
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(w.copiedTexts, QStringList{w.model->current()->text});
        QCOMPARE(copy->text(), u"Copied"_s);
        QTRY_COMPARE(copy->text(), u"Copy"_s);

        const QList<QAction *> items = w.find<QToolButton>("optionsButton")->menu()->actions();
        QVERIFY(items.size() == 4 && items.at(2)->isSeparator());
        QVERIFY(!items.at(0)->isChecked() && items.at(1)->isChecked());
        QCOMPARE(items.at(3)->text(), u"76 characters in the pool"_s);
        items.at(0)->trigger();
        QVERIFY(w.settings().excludeAmbiguous);
        QCOMPARE(items.at(3)->text(), u"71 characters in the pool"_s);
        items.at(1)->trigger();
        QVERIFY(!w.settings().autoClearClipboard);

        // No password: nothing to copy, no strength and no pool to tell.
        w.model->setSettings({.enabledCharacters = {}});
        QVERIFY(!copy->isEnabled() && items.at(3)->text().isEmpty());
        QCOMPARE(w.find<QLabel>("exponentLabel")->text(), u"—"_s);
        QVERIFY(w.find<QLabel>("exponentLabel")->toolTip().isEmpty());
    }

    void historyCopiesAndClears()
    {
        Window w;
        auto *button = w.find<QToolButton>("historyButton");
        QCOMPARE(button->toolTip(), u"Recently generated passwords"_s);
        QVERIFY(!button->isEnabled());
        // A changed setting replaces the password without keeping it.
        QTest::keyClick(w.find("lengthSlider"), Qt::Key_Right);
        QVERIFY(!button->isEnabled());
        QTest::mouseClick(w.find("regenerateButton"), Qt::LeftButton);
        QVERIFY(button->isEnabled() && w.model->history().size() == 1);
        w.model->regenerate();
        w.model->regenerate();

        QTest::mouseClick(button, Qt::LeftButton);
        HistoryView *view = w.view.historyPanel()->view();
        QListView *list = view->list();
        const auto row = [list](int i) { return list->model()->index(i, 0); };
        QCOMPARE(view->size(), QSize(340, 320));
        QCOMPARE(w.view.historyPanel()->size(), QSize(340, 320 + 9)); // the arrow
        // Open, with the list ready for the arrow keys.
        QVERIFY(view->isVisible() && QApplication::focusWidget() == list);
        QVERIFY(list->isVisible() && list->model()->rowCount() == 3);
        // A click, Return and Ctrl+C copy a row through the model; the panel stays.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row(1)).center());
        QVERIFY(w.model->didCopy());
        list->setCurrentIndex(row(2));
        QTest::keyClick(list, Qt::Key_Return);
        list->setCurrentIndex(row(0));
        QTest::keySequence(list, QKeySequence::Copy);
        const auto &history = w.model->history();
        QCOMPARE(w.copiedTexts, (QStringList{history[1].text, history[2].text, history[0].text}));
        QVERIFY(view->isVisible() && !list->selectionModel()->hasSelection());
        list->setCurrentIndex(row(2)); // left on the oldest, highlighted
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
        // Opened again: no row highlighted, the arrow keys at the newest.
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!list->selectionModel()->hasSelection() && list->currentIndex() == row(0));
        QTest::keyClick(list, Qt::Key_Escape);

        // The footer's divider: the text colour at 10 % over what lies around it.
        QTest::mouseClick(button, Qt::LeftButton);
        const QImage drawn = view->grab().toImage();
        const QPoint middle = view->findChild<SeparatorLine *>()->geometry().center();
        const QRgb line = drawn.pixelColor(middle).rgb(),
                   around = drawn.pixelColor(middle + QPoint(0, 2)).rgb(),
                   ink = view->palette().color(QPalette::WindowText).rgb();
        for (const auto part : std::initializer_list<int (*)(QRgb)>{qRed, qGreen, qBlue})
            QVERIFY2(qAbs(part(line) - (part(around) + 0.1 * (part(ink) - part(around)))) <= 3,
                     qPrintable(QColor(line).name()));
        QTest::mouseClick(view->clearButton(), Qt::LeftButton);
        QVERIFY(w.model->history().isEmpty() && view->showsEmptyState());
        QVERIFY(!view->clearButton()->isEnabled() && !button->isEnabled());
    }

    // Each edit of the history reaches the view as that edit: a row in at the
    // top, the oldest out at the limit, all of them out at Clear.
    void historyRowsFollowEachEdit()
    {
        ModelFixture f;
        HistoryListModel rows(*f.model);
        QAbstractItemModelTester tester(&rows,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&rows, &QAbstractItemModel::rowsInserted),
            removed(&rows, &QAbstractItemModel::rowsRemoved),
            reset(&rows, &QAbstractItemModel::modelReset);
        for (int i = 0; i < 21; ++i)
            f.model->regenerate();
        QCOMPARE(rows.rowCount(), 20);
        QCOMPARE(inserted.size(), 21);
        QCOMPARE(inserted.last().mid(1), (QVariantList{0, 0}));
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.last().mid(1), (QVariantList{20, 20}));
        QVERIFY(reset.isEmpty());
        const GeneratedPassword &newest = f.model->history().first();
        QCOMPARE(rows.index(0).data().toString(), newest.text);
        QCOMPARE(rows.index(0).data(HistoryListModel::entropyRole).toDouble(), newest.entropyBits);
        QCOMPARE(rows.index(19).data().toString(), f.model->history().last().text);
        f.model->clearHistory();
        QVERIFY(rows.rowCount() == 0 && reset.size() == 1);
        f.model->clearHistory(); // already empty: nothing to tell
        QCOMPARE(reset.size(), 1);
    }

    // The panel opens below the content; with no room there, above the whole
    // window; with room on neither side, over the content: never over the
    // menu bar. The test screen is 800 high.
    void historyPanelPlacement_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("where"); // below, above, over the content
        QTest::newRow("below") << QRect(0, 0, 620, 450) << 0;
        QTest::newRow("above") << QRect(0, 400, 620, 450) << 1;
        QTest::newRow("on neither side") << QRect(0, 0, 620, 700) << 2;
    }

    void historyPanelPlacement()
    {
        QFETCH(QRect, window);
        QFETCH(int, where);
        ModelFixture fixture;
        fixture.model->regenerate();
        MainWindow main(*fixture.model);
        main.setGeometry(window);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto *view = main.findChild<ContentView *>();
        QTest::mouseClick(view->findChild<QToolButton *>("historyButton"), Qt::LeftButton);
        const QRect panel = view->historyPanel()->geometry();
        const QRect content(view->mapToGlobal(QPoint()), view->size());
        QVERIFY(main.screen()->availableGeometry().contains(panel));
        const QList<bool> placed{panel.top() >= content.bottom(),
                                 panel.bottom() < main.geometry().top(),
                                 panel.top() >= content.top() && panel.top() < content.bottom()};
        QVERIFY2(placed.at(where), qPrintable(QDebug::toString(panel)));
    }

    void textsForAPassword()
    {
        const auto made = [](double bits, qint64 pool, GeneratorMode mode = GeneratorMode::basic) {
            return std::optional(GeneratedPassword{QUuid(), QString(), bits, pool, 8, mode});
        };
        QCOMPARE(ContentView::poolSummary(made(65, 12'000, GeneratorMode::words), QLocale("en_US")),
                 u"12,000 words available"_s);
        QCOMPARE(ContentView::exponentLabel(made(51.7, 94)), u"2⁵¹"_s);
        QCOMPARE(ContentView::crackTimeHelp(made(40, 94)),
                 u"About 5 seconds to crack at 100 billion guesses per second."_s);
        // History rows: the rating with its power, and long texts cut in the middle.
        QCOMPARE(HistoryRowDelegate::ratingText(63.9), u"Fair · 2⁶³"_s);
        const QFont font;
        const qreal twoLines = 2 * wrappedHeight(u"x"_s, font, 200); // lines as laid out
        QCOMPARE(middleElided(u"short_one"_s, font, 200, 2), u"short_one"_s);
        const QString whole = u"first_"_s + u"middle_"_s.repeated(20) + u"last"_s;
        const QString shown = middleElided(whole, font, 200, 2);
        QVERIFY(shown.startsWith(u"first_") && shown.endsWith(u"last") && shown.contains(u'…'));
        // As much as fits is kept: one character more on each side of the cut
        // would need a third line.
        const qsizetype cut = shown.indexOf(u'…');
        const QString more = whole.left(cut + 1) + u'…' + whole.right(shown.size() - cut);
        QVERIFY(wrappedHeight(shown, font, 200) <= twoLines
                && wrappedHeight(more, font, 200) > twoLines);
    }

    // The fixed measures, as numbers.
    void fixedMeasures()
    {
        Window w;
        const auto at = [&](QWidget *widget) { return widget->mapTo(&w.view, QPoint()); };
        auto *display = w.find<PasswordDisplay>();
        QCOMPARE(at(display), QPoint(14, 14));
        QCOMPARE(at(w.find("copyButton")).x() - (at(display).x() + display->width()), 8);
        // The exponent takes one width whatever its digits, in the faces in
        // force (the suite runs once for each common face).
        auto *exponent = w.find<QLabel>("exponentLabel");
        QCOMPARE(exponent->width(), 52);
        // Row titles end on their 78-wide column; the accessory stands 10 apart.
        auto *meter = w.find<StrengthMeter>();
        QCOMPARE(at(exponent).x() - (at(meter).x() + meter->width()), 10);
        QLabel *title = w.find<LabeledRow>()->titleLabel();
        QCOMPARE(at(title).x() + title->width(), 14 + 78);
        QCOMPARE(title->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        for (const QString &family :
             {exponent->font().family(),
              QFontDatabase::systemFont(QFontDatabase::FixedFont).family()}) {
            QFont font(family);
            font.setPixelSize(130); // large, so that a fraction of a pixel shows
            exponent->setFont(font);
            QList<int> shown;
            for (const QString &text : {u"2¹¹"_s, u"2⁸⁸"_s, u"11"_s, u"88"_s}) {
                exponent->setText(text);
                shown << exponent->sizeHint().width();
            }
            QVERIFY2(shown[0] == shown[1] && shown[2] == shown[3], qPrintable(family));
        }
        QWidget *bar = w.find("regenerateButton");
        QCOMPARE(w.view.width() - (at(bar).x() + bar->width()), 14);
        // Every control column starts on one edge: padding, title column, spacing.
        for (QWidget *each : QWidgetList{w.find("lengthSlider"), w.find<StrengthMeter>(),
                                         w.find<GroupToggleButton>(), w.find<CharacterChip>()})
            QCOMPARE(at(each).x(), 14 + 78 + 10);
        // Regenerate is filled from top to bottom, as tall as the mode picker.
        QCOMPARE(bar->height(), 22);
        QCOMPARE(w.find("modePicker")->height(), 22);
        const QImage face = bar->grab().toImage();
        for (int y : {1, 20})
            QCOMPARE(face.pixelColor(6, y), bar->palette().color(QPalette::Highlight));
        QCOMPARE(display->findChild<QVariantAnimation *>()->duration(), 150);
        using T = Theme::TextStyle;
        for (const auto &[style, pixels] :
             {std::pair(T::body, 13), {T::callout, 12}, {T::caption, 10}, {T::caption2, 10}})
            QCOMPARE(Theme::font(style).pixelSize(), pixels);
    }

    void advancedPanelTypesAndScrolls()
    {
        Window w(GeneratorMode::advanced);
        QTest::keyClicks(w.panel()->findChild<QLineEdit *>(), u"a b"_s);
        QCOMPARE(w.store.saves, 3); // one a keystroke
        QCOMPARE(w.store.stored.additionalCharacters, u"a b"_s);
        // The smallest window scrolls the options.
        w.view.resize(1, 1);
        QTRY_COMPARE(w.view.size(), QSize(560, 360));
        auto *options = w.find<QScrollArea>("options");
        QTRY_VERIFY(options->verticalScrollBar()->maximum() > 0);
        // The rows above the options and the bottom bar stay apart and inside.
        int bottom = -1;
        for (QWidget *each :
             QWidgetList{w.find<PasswordDisplay>(), w.find("exponentLabel"), w.find("lengthSlider"),
                         options, w.find("regenerateButton")}) {
            const QRect box(each->mapTo(&w.view, QPoint()), each->size());
            QVERIFY2(box.top() > bottom && w.view.rect().contains(box),
                     each->metaObject()->className());
            bottom = box.bottom();
        }
        // A short panel does not scroll.
        QTest::keyClick(w.find("modePicker"), Qt::Key_End);
        QTRY_COMPARE(options->verticalScrollBar()->maximum(), 0);
    }

    // The window with its menus, as the program puts it together.
    void commandsReachFromAnywhere()
    {
        ModelFixture f({.start = {.enabledCharacters = {}}}); // no password at first
        MainWindow window(*f.model);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Keys go where the user's would: to the widget with the focus.
        const auto press = [](QKeyCombination keys) {
            QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        };
        QCOMPARE(window.centralWidget()->size(), QSize(620, 430));
        QStringList titles; // "Menu/Item" without mnemonics; a separator has no item title
        QHash<QString, QAction *> items;
        for (QAction *menu : window.menuBar()->actions()) {
            for (QAction *item : menu->menu()->actions()) {
                titles << menu->text().remove(u'&') + u'/' + item->text().remove(u'&');
                items.insert(titles.last(), item);
            }
        }
        // A single window: no command opens another one.
        QCOMPARE(titles,
                 (QStringList{"File/Quit", "Edit/Cut", "Edit/Copy", "Edit/Paste", "Edit/Select All",
                              "Edit/", "Edit/Regenerate", "Edit/Copy Password"}));

        // Without a password Copy Password stays on offer but copies nothing.
        QVERIFY(items["Edit/Copy Password"]->isEnabled());
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QVERIFY(f.copiedTexts.isEmpty() && !f.model->didCopy());
        f.model->setSettings({});

        // Text commands act on the focused text: no copy of the password.
        auto *display = window.findChild<PasswordDisplay *>();
        display->setFocus();
        items["Edit/Select All"]->trigger();
        QCOMPARE(display->selectedText(), f.model->current()->text);
        items["Edit/Copy"]->trigger();
        QCOMPARE(f.copiedTexts, QStringList{f.model->current()->text});
        QVERIFY(!f.model->didCopy());

        // The history panel takes the focus from the window; both commands
        // still reach. The end-to-end suite presses them on the window.
        press(Qt::CTRL | Qt::Key_R);
        QTest::mouseClick(window.findChild<QToolButton *>("historyButton"), Qt::LeftButton);
        QVERIFY(window.findChild<ContentView *>()->historyPanel()->isAncestorOf(
            QApplication::focusWidget()));
        press(Qt::CTRL | Qt::Key_R);
        QCOMPARE(f.model->history().size(), 2);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QVERIFY(f.model->didCopy() && f.copiedTexts.last() == f.model->current()->text);
    }

    // Before the process stops on a failed random source, a dialog says why.
    void randomSourceFailureIsTold()
    {
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + u'|' + box->text();
                box->accept();
            }
        });
        TessellonApp::tellRandomSourceFailure("the source failed");
        QCOMPARE(shown,
                 u"Tessellon|Tessellon has to stop: the system's secure random source failed."_s);
    }
};

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
