// The whole window over the real model, driven with mouse and keys.
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
#include "ui/text/StyledLabel.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The content at its ideal size, its settings in memory.
struct Window : ShownFixture<ContentView>
{
    using ShownFixture::ShownFixture;
    QWidget *panel() const { return find<QScrollArea>("options")->widget(); }
    const Settings &settings() const { return model->settings(); }
};

class TestContentView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    void basicGroupsCopyAndOptions()
    {
        Window w({.timings = {.acknowledgement = std::chrono::milliseconds(300)}});
        const CharacterSet all = Settings().enabledCharacters;
        const auto buttons = w.panel()->findChildren<GroupToggleButton *>();
        for (GroupToggleButton *button : buttons) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(button->state(), ToggleState::off);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(w.settings().enabledCharacters, all);
        }
        // Partly on: one press adds the missing ones and removes none.
        w.model->setSettings({.enabledCharacters = all.subtracting({u"5"_s})});
        QCOMPARE(buttons.at(2)->state(), ToggleState::partial);
        QTest::keyClick(buttons.at(2), Qt::Key_Space);
        QCOMPARE(w.settings().enabledCharacters, all);
        // 16 of 76 characters: 2 to the 99.97, rounded down; half of it at 1e11 a second.
        auto *exponent = w.find<QLabel>("exponentLabel");
        QCOMPARE(exponent->text() + u'|' + exponent->toolTip(),
                 u"2⁹⁹|About 196 billion years to crack at 100 billion guesses per second."_s);

        auto *copy = w.find<QPushButton>("copyButton");
        QTest::mouseClick(copy, Qt::LeftButton);
        QVERIFY(w.copiedTexts == QStringList{w.model->current()->text}
                && copy->text() == u"Copied");
        QTRY_COMPARE(copy->text(), u"Copy"_s);
        const QList<QAction *> items = w.find<QToolButton>("optionsButton")->menu()->actions();
        QVERIFY(!items.at(0)->isChecked() && items.at(3)->isChecked()
                && items.at(4)->isSeparator());
        QCOMPARE(items.at(5)->text(), u"76 characters in the pool"_s);
        items.at(0)->trigger();
        items.at(3)->trigger();
        QVERIFY(w.settings().excludeAmbiguous && !w.settings().autoClearClipboard);
        QCOMPARE(items.at(5)->text(), u"71 characters in the pool"_s);
        // No password: nothing to copy, no strength and no pool to tell.
        w.model->setSettings({.enabledCharacters = {}});
        QVERIFY(!copy->isEnabled() && items.at(5)->text().isEmpty());
        QCOMPARE(exponent->text() + u'|' + exponent->toolTip(), u"—|"_s);
    }

    // Every group, a site's by address in the dialog; shown under the length, gone in one press.
    void rulesFromTheMenu()
    {
        Window w({.start = {.length = 20}}); // over the site's most
        const QList<QAction *> items = w.find<QToolButton>("optionsButton")->menu()->actions();
        auto *shown = w.find<QLabel>("rulesText");
        QVERIFY(!shown->isVisible());
        items.at(1)->trigger();
        QVERIFY(w.settings().requireEachGroup && items.at(1)->isChecked() && shown->isVisible());

        items.at(2)->trigger();
        auto *dialog = w.view.findChild<QDialog *>();
        auto *field = dialog->findChild<QLineEdit *>("rulesField");
        auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        for (const auto &[typed, read, acceptable] :
             {std::tuple{"minlen: 3", "These rules can't be read at \u201Cminlen: 3\u201D.", false},
              {"nowhere.invalid", "No rules are known for \u201Cnowhere.invalid\u201D.", false},
              {"required:digit", "Read as: required: digit", true},
              {"https://www.163.com/",
               "The rules of https://www.163.com/: minlength: 6; maxlength: 16", true}}) {
            field->clear();
            QTest::keyClicks(field, QString::fromUtf8(typed));
            QCOMPARE(dialog->findChild<QLabel *>("rulesReading")->text(), QString::fromUtf8(read));
            QCOMPARE(ok->isEnabled(), acceptable);
        }
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(w.settings().passwordRules, u"minlength: 6; maxlength: 16"_s);
        QCOMPARE(shown->text(), u"Every chosen group \u00B7 minlength: 6; maxlength: 16"_s);
        QTest::mouseClick(w.find("dropRulesButton"), Qt::LeftButton);
        QVERIFY(!shown->isVisible() && !w.settings().requireEachGroup
                && w.settings().passwordRules.isEmpty());

        w.model->setSettings(Settings{.mode = GeneratorMode::words,
                                      .requireEachGroup = true,
                                      .passwordRules = u"required: digit"_s});
        QVERIFY(!shown->isVisible() && !items.at(1)->isEnabled() && !items.at(2)->isEnabled());
        // The interface's list until another is picked, by its own name.
        auto *list = w.panel()->findChild<QComboBox *>("wordList");
        QCOMPARE(list->currentText(), u"English"_s);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(w.settings().wordList == u"de"_s && list->currentText() == u"Deutsch"_s);
        // A passphrase's limit instead, counted once typed whole.
        auto *limit = w.panel()->findChild<QSpinBox *>("passphraseLimit");
        QCOMPARE(limit->text(), u"No limit"_s);
        limit->setFocus();
        QTest::keyClick(limit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(limit, u"24"_s);
        QCOMPARE(w.settings().passphraseLimit, 0);
        QTest::keyClick(limit, Qt::Key_Return);
        QCOMPARE(w.settings().passphraseLimit, 24);
    }

    // An own list shows its file name and verdict; changed or gone since, it is let go, saying why.
    void ownListAtStart()
    {
        QTemporaryDir home;
        QFile file(home.filePath(u"mine.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("alpha\nbeta\n") && file.flush());
        const QString sha = u"e49c81e2d2f84e259d40e2fb8192f3bcd198b355184845d76d8f58807d0d78ee"_s;
        for (const auto &[name, digest, shown, told] :
             {std::tuple{"mine.txt", sha, "mine.txt", "Words kept: 2, 1.0 bits a word. Fewer"},
              {"mine.txt", u"00"_s, "English",
               "\u201Cmine.txt\u201D has changed since it was chosen: choose it again to use it."},
              {"gone.txt", QString(), "English",
               "\u201Cgone.txt\u201D can't be used any more: The file can't be read."}}) {
            const QString path = home.filePath(QString::fromLatin1(name));
            Window w({.start = {.mode = GeneratorMode::words,
                                .wordList = path,
                                .wordListSha256 = digest}});
            QCOMPARE(w.panel()->findChild<QComboBox *>("wordList")->currentText(),
                     QString::fromLatin1(shown));
            auto *verdict = w.panel()->findChild<QLabel *>("wordListVerdict");
            QVERIFY2(verdict->isVisible() && verdict->text().startsWith(QString::fromUtf8(told)),
                     qPrintable(verdict->text()));
            QCOMPARE(w.settings().wordList, digest == sha ? path : QString());
        }
    }

    void eachModesPanel_data()
    {
        QTest::addColumn<QList<int>>("keys"); // on the picker, from Basic
        QTest::addColumn<GeneratorMode>("mode");
        QTest::addColumn<double>("position"); // where a drag of the count lets go
        QTest::addColumn<int>("stored");
        QTest::newRow("advanced") << QList{int(Qt::Key_Down)} << GeneratorMode::advanced << 7.5
                                  << 8;
        QTest::newRow("words") << QList{int(Qt::Key_End)} << GeneratorMode::words << 3.2 << 3;
        QTest::newRow("back to basic")
            << QList{int(Qt::Key_End), int(Qt::Key_Home)} << GeneratorMode::basic << 7.49 << 7;
    }

    void eachModesPanel()
    {
        QFETCH(QList<int>, keys);
        QFETCH(GeneratorMode, mode);
        QFETCH(double, position);
        QFETCH(int, stored);
        Window w;
        auto *picker = w.find<QComboBox>("modePicker");
        for (int key : keys)
            QTest::keyClick(picker, Qt::Key(key));
        QVERIFY(w.store.stored.mode == mode && w.model->current()->mode == mode);
        QWidget *controls = w.panel()->findChild<QWidget *>({}, Qt::FindDirectChildrenOnly);
        QCOMPARE(controls->metaObject()->className(), picker->currentText() + u"Controls"_s);
        const bool words = mode == GeneratorMode::words;
        auto *slider = w.find<WholeNumberSlider>(words ? "wordsSlider" : "lengthSlider");
        QVERIFY(!w.find(words ? "lengthSlider" : "wordsSlider")->isVisible());

        // Tab runs from the count through the panel's stops to the bottom bar; a spin box is one.
        QWidgetList stops = controls->findChildren<QWidget *>(), tabbed;
        stops.removeIf([](QWidget *each) {
            return !(each->focusPolicy() & Qt::TabFocus) || !each->isVisible()
                   || qobject_cast<QAbstractSpinBox *>(each->parentWidget());
        });
        stops << picker << w.find("optionsButton") << w.find("regenerateButton");
        slider->setFocus();
        while (tabbed.size() < stops.size()) {
            QTest::keyClick(w.view.focusWidget(), Qt::Key_Tab);
            tabbed << w.view.focusWidget();
        }
        QCOMPARE(tabbed, stops);

        // A chip flips its character, the title turns the row all on then off; the hint follows.
        QLabel *hint = controls->findChild<QLabel *>("separatorHint");
        QCOMPARE(bool(hint), words);
        const auto hints = [hint](const char *text) { return !hint || hint->text() == text; };
        ChipRow *chips = controls->findChildren<ChipRow *>().last();
        CharacterChip *chip = chips->chips().last();
        const bool wasOn = chip->isChecked();
        QVERIFY(hints("Words are joined by this character."));
        QTest::mouseClick(chip, Qt::LeftButton);
        QVERIFY(chip->isChecked() != wasOn);
        QVERIFY(hints("Each join picks one at random, which makes it stronger."));
        QTest::mouseClick(chips->title(), Qt::LeftButton);
        QCOMPARE(chips->state(), ToggleState::on);
        QTest::mouseClick(chips->title(), Qt::LeftButton);
        QVERIFY(hints("No separator — the words run together."));
        const CharacterSet &selected =
            words ? w.settings().separators : w.settings().enabledCharacters;
        for (CharacterChip *each : chips->chips())
            QVERIFY(!each->isChecked() && !selected.contains(each->character()));

        // Stored rounded, halves up; keys and screen readers move whole numbers.
        const auto value = [&] { return words ? w.settings().wordCount : w.settings().length; };
        slider->setExactValue(position);
        QCOMPARE(value(), stored);
        QTest::keyClick(slider, Qt::Key_Right);
        auto *reader = QAccessible::queryAccessibleInterface(slider)->valueInterface();
        QVERIFY(value() == stored + 1 && reader->currentValue().toInt() == stored + 1);
        const QList range{reader->minimumValue().toInt(), reader->maximumValue().toInt()};
        QCOMPARE(range, (words ? QList{3, 12} : QList{4, 128}));
        reader->setCurrentValue(range.at(1));
        QCOMPARE(value(), range.at(1));
    }

    // Each edit of the history reaches the open panel's rows as that edit.
    void historyPanel()
    {
        Window w;
        auto *button = w.find<QToolButton>("historyButton");
        QVERIFY(!button->isEnabled());
        QTest::mouseClick(w.find("regenerateButton"), Qt::LeftButton);
        QVERIFY(button->isEnabled() && w.model->history().size() == 1);
        w.find("modePicker")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key_Space);
        HistoryView *view = w.view.historyPanel()->view();
        QListView *list = view->list();
        QVERIFY(view->isVisible() && QApplication::focusWidget() == list);
        QCOMPARE((QList{w.view.historyPanel()->size(), view->size()}),
                 (QList{QSize(340, 320 + 9), QSize(340, 320)})); // and the arrow
        QAbstractItemModel *rows = list->model();
        QAbstractItemModelTester tester(rows,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(rows, &QAbstractItemModel::rowsInserted),
            removed(rows, &QAbstractItemModel::rowsRemoved),
            reset(rows, &QAbstractItemModel::modelReset);
        for (int i = 0; i < 20; ++i)
            w.model->regenerate();
        QVERIFY(inserted.size() == 20 && inserted.last().mid(1) == (QVariantList{0, 0}));
        QVERIFY(removed.size() == 1 && removed.last().mid(1) == (QVariantList{20, 20}));
        const QList<GeneratedPassword> &history = w.model->history();
        const auto row = [rows](int i) { return rows->index(i, 0); };
        QCOMPARE(row(0).data(HistoryListModel::entropyRole).toDouble(), history[0].entropyBits);
        QCOMPARE((QStringList{row(0).data().toString(), row(19).data().toString()}),
                 (QStringList{history[0].text, history[19].text}));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row(1)).center());
        QVERIFY(w.model->didCopy());
        list->setCurrentIndex(row(2));
        QTest::keyClick(list, Qt::Key_Return);
        list->setCurrentIndex(row(0));
        QTest::keySequence(list, QKeySequence::Copy);
        QCOMPARE(w.copiedTexts, (QStringList{history[1].text, history[2].text, history[0].text}));
        QVERIFY(view->isVisible() && !list->selectionModel()->hasSelection());
        list->setCurrentIndex(row(2)); // left on an older one, highlighted
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!list->selectionModel()->hasSelection() && list->currentIndex() == row(0));

        // The footer's divider: the text colour at 10 % over what lies around it.
        const QImage drawn = view->grab().toImage();
        const QPoint middle = view->findChild<SeparatorLine *>()->geometry().center();
        const QColor line = drawn.pixelColor(middle),
                     around = drawn.pixelColor(middle + QPoint(0, 2)),
                     ink = view->palette().color(QPalette::WindowText);
        for (const auto part : {&QColor::red, &QColor::green, &QColor::blue})
            QVERIFY2(qAbs((line.*part)() - 0.9 * (around.*part)() - 0.1 * (ink.*part)()) <= 3,
                     qPrintable(line.name()));
        QTest::mouseClick(view->clearButton(), Qt::LeftButton);
        QVERIFY(history.isEmpty() && rows->rowCount() == 0 && reset.size() == 1);
        QVERIFY(view->showsEmptyState() && !view->clearButton()->isEnabled()
                && !button->isEnabled());
    }

    void textsForAPassword()
    {
        const GeneratedPassword words{QUuid(), QString(), 65, 12'000, 8, GeneratorMode::words};
        QCOMPARE(ContentView::poolSummary(words, QLocale("en_US")), u"12,000 words available"_s);
        QCOMPARE(HistoryRowDelegate::ratingText(63.9), u"Fair · 2⁶³"_s);
        // History rows cut long texts in the middle, keeping as much as fits in two lines.
        const QFont font;
        const qreal twoLines = 2 * wrappedHeight(u"x"_s, font, 200); // lines as laid out
        QCOMPARE(middleElided(u"short_one"_s, font, 200, 2), u"short_one"_s);
        const QString whole = u"first_"_s + u"middle_"_s.repeated(20) + u"last"_s;
        const QString shown = middleElided(whole, font, 200, 2);
        QVERIFY(shown.startsWith(u"first_") && shown.endsWith(u"last") && shown.contains(u'…'));
        const qsizetype cut = shown.indexOf(u'…');
        const QString more = whole.left(cut + 1) + u'…' + whole.right(shown.size() - cut);
        QVERIFY(wrappedHeight(shown, font, 200) <= twoLines
                && wrappedHeight(more, font, 200) > twoLines);
    }

    // The fixed measures, as numbers, at the ideal size and at the smallest.
    void measures()
    {
        Window w;
        auto *display = w.find<PasswordDisplay>();
        auto *exponent = w.find<QLabel>("exponentLabel");
        auto *meter = w.find<StrengthMeter>();
        StyledLabel *title = w.find<LabeledRow>()->titleLabel();
        QWidget *bar = w.find("regenerateButton");
        const auto right = [&w](const QWidget *part) { return w.at(part).x() + part->width(); };
        // Edges 14 in, Copy 8 from the password, the exponent 52 wide and 10 from the meter, titles
        // right aligned in a 78-wide column, a bottom bar 22 high, one edge for all the controls.
        QCOMPARE((QList{w.at(display).x(), w.at(display).y(),
                        w.at(w.find("copyButton")).x() - right(display), exponent->width(),
                        w.at(exponent).x() - right(meter), right(title),
                        w.view.width() - right(bar), bar->height(), w.find("modePicker")->height(),
                        w.at(w.find("lengthSlider")).x(), w.at(meter).x(),
                        w.at(w.find<GroupToggleButton>()).x(), w.at(w.find<CharacterChip>()).x()}),
                 (QList{14, 14, 8, 52, 10, 14 + 78, 14, 22, 22, 102, 102, 102, 102}));
        QCOMPARE(title->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        // Regenerate is filled from top to bottom.
        const QImage face = bar->grab().toImage();
        for (int y : {1, 20})
            QCOMPARE(face.pixelColor(6, y), bar->palette().color(QPalette::Highlight));

        // In Advanced what is typed is saved, one a keystroke.
        QTest::keyClick(w.find("modePicker"), Qt::Key_Down);
        QTest::keyClicks(w.panel()->findChild<QLineEdit *>(), u"a b"_s);
        QVERIFY(w.store.saves == 4 && w.store.stored.additionalCharacters == u"a b");
        // The smallest window scrolls the options, all else apart and inside; a short panel not.
        w.view.resize(1, 1);
        QTRY_COMPARE(w.view.size(), QSize(560, 360));
        auto *options = w.find<QScrollArea>("options");
        QTRY_VERIFY(options->verticalScrollBar()->maximum() > 0);
        int bottom = -1;
        for (QWidget *each : QWidgetList{display, exponent, w.find("lengthSlider"), options, bar}) {
            const QRect box(w.at(each), each->size());
            QVERIFY2(box.top() > bottom && w.view.rect().contains(box),
                     each->metaObject()->className());
            bottom = box.bottom();
        }
        QTest::keyClick(w.find("modePicker"), Qt::Key_End);
        QTRY_COMPARE(options->verticalScrollBar()->maximum(), 0);

        // The exponent takes one width whatever its digits, in the faces in force, large.
        for (QString family : {exponent->font().family(),
                               QFontDatabase::systemFont(QFontDatabase::FixedFont).family()}) {
            QFont font(family);
            font.setPixelSize(130);
            exponent->setFont(font);
            const auto width = [exponent](const QString &text) {
                exponent->setText(text);
                return exponent->sizeHint().width();
            };
            QVERIFY2(width(u"2¹¹"_s) == width(u"2⁸⁸"_s) && width(u"11"_s) == width(u"88"_s),
                     qPrintable(family));
        }
    }

    // The window with its menus, as the program puts it together.
    void commandsReachFromAnywhere()
    {
        ShownFixture<MainWindow> f({.start = {.enabledCharacters = {}}}); // no password at first
        QCOMPARE(f.view.centralWidget()->size(), QSize(620, 430));
        // Keys go where the user's would: to the widget with the focus.
        const auto press = [](QKeyCombination keys) {
            QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        };
        // "Menu/Item Keys", without mnemonics. A single window: no command opens another one.
        QStringList titles;
        for (QAction *menu : f.view.menuBar()->actions())
            for (QAction *item : menu->menu()->actions())
                titles << (menu->text().remove(u'&') + u'/' + item->text().remove(u'&') + u' '
                           + item->shortcut().toString())
                              .trimmed();
        QCOMPARE(titles,
                 (QStringList{"File/Quit", "Edit/Cut Ctrl+X", "Edit/Copy Ctrl+C",
                              "Edit/Paste Ctrl+V", "Edit/Select All Ctrl+A", "Edit/",
                              "Edit/Regenerate Ctrl+R", "Edit/Copy Password Ctrl+Shift+C"}));
        const QList<QAction *> edit = f.view.menuBar()->actions().at(1)->menu()->actions();
        // Without a password Copy Password stays on offer but copies nothing.
        QVERIFY(edit.at(6)->isEnabled());
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QVERIFY(f.copiedTexts.isEmpty() && !f.model->didCopy());
        f.model->setSettings({});
        // Text commands act on the focused text: no copy of the password.
        auto *display = f.view.findChild<PasswordDisplay *>();
        display->setFocus();
        edit.at(3)->trigger(); // Select All
        QCOMPARE(display->selectedText(), f.model->current()->text);
        edit.at(1)->trigger(); // Copy
        QVERIFY(f.copiedTexts == QStringList{f.model->current()->text} && !f.model->didCopy());

        // With the history panel open (it takes the focus), both commands still reach.
        auto *view = f.view.findChild<ContentView *>();
        auto *button = view->findChild<QToolButton *>("historyButton");
        press(Qt::CTRL | Qt::Key_R);
        QTest::mouseClick(button, Qt::LeftButton);
        press(Qt::CTRL | Qt::Key_R);
        QCOMPARE(f.model->history().size(), 2);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QVERIFY(f.model->didCopy() && f.copiedTexts.last() == f.model->current()->text);

        // The panel opens below the content; with no room there, above the whole window; with
        // room on neither side, over the content: never over the menu bar. The screen is 800 high.
        for (const auto &[frame, where] : {std::pair(QRect(0, 0, 620, 450), 0),
                                           {QRect(0, 400, 620, 450), 1},
                                           {QRect(0, 0, 620, 700), 2}}) {
            press(Qt::Key_Escape);
            f.view.setGeometry(frame);
            QTest::mouseClick(button, Qt::LeftButton);
            const QRect panel = view->historyPanel()->geometry();
            const QRect content(view->mapToGlobal(QPoint()), view->size());
            QVERIFY(f.view.screen()->availableGeometry().contains(panel));
            const QList<bool> placed{
                panel.top() >= content.bottom(), panel.bottom() < f.view.geometry().top(),
                panel.top() >= content.top() && panel.top() < content.bottom()};
            QVERIFY2(placed.at(where), qPrintable(QDebug::toString(panel)));
        }
    }

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
