#include "core/GeneratorModel.h"
#include "services/PreferencesStore.h"
#include "support/TemporaryPreferences.h"
#include "ui/ContentView.h"
#include "ui/HistoryPanel.h"
#include "ui/MainWindow.h"
#include "ui/PasswordDisplay.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The program's window over the real model, with copies noted instead of
// reaching the system clipboard.
struct Program
{
    explicit Program(const Settings &start = Settings())
    {
        PreferencesStore().save(start);
        model = std::make_unique<GeneratorModel>(
            ModelServices{.store = store, .copyToClipboard = [this](const QString &text, auto) {
                              copied.append(text);
                          }});
        window = std::make_unique<MainWindow>(*model);
        window->show();
        exposed = QTest::qWaitForWindowActive(window.get());
    }

    QMenu *menu(const QString &title) const
    {
        for (QAction *action : window->menuBar()->actions()) {
            if (action->text().remove(u'&') == title)
                return action->menu();
        }
        return nullptr;
    }

    QAction *command(const QString &title) const
    {
        for (QAction *action : menu("Edit")->actions()) {
            if (action->text().remove(u'&') == title)
                return action;
        }
        return nullptr;
    }

    TemporaryPreferences preferences;
    PreferencesStore store;
    QStringList copied;
    std::unique_ptr<GeneratorModel> model;
    std::unique_ptr<MainWindow> window;
    bool exposed = false;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void menusHoldTheCommandsInOrder();
    void contentStartsAtItsDefaultSize();
    void regenerateShortcutRecordsHistory();
    void copyPasswordShortcutCopiesTheCurrentOne();
    void copyPasswordWithoutPasswordDoesNothing();
    void shortcutsWorkWhileTheHistoryIsOpen();
    void editCommandsActOnTheFocusedText();
};

void TestMainWindow::menusHoldTheCommandsInOrder()
{
    Program program;
    QStringList file;
    for (QAction *action : program.menu("File")->actions())
        file.append(action->text().remove(u'&'));
    QCOMPARE(file, QStringList{"Quit"}); // nothing that opens another window

    QStringList edit;
    for (QAction *action : program.menu("Edit")->actions())
        edit.append(action->isSeparator() ? QStringLiteral("-") : action->text().remove(u'&'));
    QCOMPARE(edit, (QStringList{"Cut", "Copy", "Paste", "Select All", "-", "Regenerate",
                                "Copy Password"}));
    QCOMPARE(program.command("Regenerate")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(program.command("Copy Password")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
}

void TestMainWindow::contentStartsAtItsDefaultSize()
{
    Program program;
    QCOMPARE(program.window->centralWidget()->size(), QSize(620, 430));
}

void TestMainWindow::regenerateShortcutRecordsHistory()
{
    Program program;
    QVERIFY(program.exposed);
    const GeneratedPassword before = *program.model->current();
    QTest::keyClick(program.window.get(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(program.model->history(), QList<GeneratedPassword>{before});
    QVERIFY(*program.model->current() != before);
}

void TestMainWindow::copyPasswordShortcutCopiesTheCurrentOne()
{
    Program program;
    QVERIFY(program.exposed);
    QTest::keyClick(program.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(program.copied, QStringList{program.model->current()->text});
    QVERIFY(program.model->didCopy());
}

void TestMainWindow::copyPasswordWithoutPasswordDoesNothing()
{
    Settings nothing;
    nothing.enabledCharacters = {};
    Program program(nothing);
    QVERIFY(program.exposed);
    QVERIFY(!program.model->current());
    QVERIFY(program.command("Copy Password")->isEnabled());
    program.command("Copy Password")->trigger();
    QVERIFY(program.copied.isEmpty());
    QVERIFY(!program.model->didCopy());
}

void TestMainWindow::shortcutsWorkWhileTheHistoryIsOpen()
{
    Program program;
    QVERIFY(program.exposed);
    program.model->regenerate(true);
    QTest::mouseClick(program.window->findChild<QToolButton *>("historyButton"), Qt::LeftButton);
    auto *view = program.window->findChild<ContentView *>();
    QVERIFY(view->historyPanel()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(program.model->history().size(), 2);
}

void TestMainWindow::editCommandsActOnTheFocusedText()
{
    Program program;
    QVERIFY(program.exposed);
    auto *display = program.window->findChild<PasswordDisplay *>();
    display->setFocus();
    program.command("Select All")->trigger();
    QCOMPARE(display->selectedText(), program.model->current()->text);
    program.command("Copy")->trigger();
    QCOMPARE(program.copied, QStringList{program.model->current()->text});
    QVERIFY(!program.model->didCopy()); // a selection, not the password's own copy
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
