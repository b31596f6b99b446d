#include "support/ModelFixture.h"
#include "ui/ContentView.h"
#include "ui/HistoryPanel.h"
#include "ui/MainWindow.h"
#include "ui/PasswordDisplay.h"

#include <QMenuBar>
#include <QTest>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void commandsReachFromAnywhere()
    {
        // The window over the real model, its settings in memory, starting
        // without a password.
        ModelFixture f({.start = {.enabledCharacters = {}}});
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
        QVERIFY(f.copies.isEmpty() && !f.model->didCopy());
        f.model->setSettings({});

        // Text commands act on the focused text; a copied selection is no copy
        // of the password.
        auto *display = window.findChild<PasswordDisplay *>();
        display->setFocus();
        items["Edit/Select All"]->trigger();
        QCOMPARE(display->selectedText(), f.model->current()->text);
        items["Edit/Copy"]->trigger();
        QCOMPARE(f.copiedTexts(), QStringList{f.model->current()->text});
        QVERIFY(!f.model->didCopy());

        const GeneratedPassword first = *f.model->current();
        press(Qt::CTRL | Qt::Key_R);
        QCOMPARE(f.model->history(), QList{first});
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QCOMPARE(f.copiedTexts().last(), f.model->current()->text);
        QVERIFY(f.model->didCopy());
        // The history panel takes the focus from the window; both still reach.
        QTest::mouseClick(window.findChild<QToolButton *>("historyButton"), Qt::LeftButton);
        QVERIFY(window.findChild<ContentView *>()->historyPanel()->isAncestorOf(
            QApplication::focusWidget()));
        press(Qt::CTRL | Qt::Key_R);
        QCOMPARE(f.model->history().size(), 2);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QCOMPARE(f.copiedTexts().last(), f.model->current()->text);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
