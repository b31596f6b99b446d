#include "ui/MainWindow.h"

#include "core/GeneratorModel.h"
#include "ui/ContentView.h"
#include "ui/PasswordActions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

MainWindow::MainWindow(GeneratorModel &model, QWidget *parent)
    : QMainWindow(parent)
{
    // Read out by screen readers as the window's name, and shown in title bars.
    setWindowTitle(QApplication::applicationDisplayName());
    m_content = new ContentView(model, this);
    setCentralWidget(m_content);
    buildFileMenu();
    buildEditMenu();
    // The content gets its full default size; a menu bar inside the window
    // comes on top of it.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(m_content->sizeHint() + QSize(0, menuHeight));
}

void MainWindow::buildFileMenu()
{
    // A single-window program: no command opens another one.
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *quit = file->addAction(tr("&Quit"), qApp, &QApplication::quit);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
}

void MainWindow::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    addTextCommand(edit, tr("Cu&t"), QKeySequence::Cut);
    addTextCommand(edit, tr("&Copy"), QKeySequence::Copy);
    addTextCommand(edit, tr("&Paste"), QKeySequence::Paste);
    addTextCommand(edit, tr("Select &All"), QKeySequence::SelectAll);
    edit->addSeparator();

    const PasswordActions &actions = m_content->actions();
    edit->addActions({actions.regenerate(), actions.copyPassword()});
}

// The standard commands act on whatever text has the focus, as its own key
// would: text widgets take their shortcuts first, so this serves the menu.
void MainWindow::addTextCommand(QMenu *menu, const QString &title, QKeySequence::StandardKey key)
{
    QAction *action = menu->addAction(title, this, [key] {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return;
        const QKeyCombination combination = QKeySequence(key)[0];
        QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
        QApplication::sendEvent(focus, &press);
    });
    action->setShortcut(key);
}
