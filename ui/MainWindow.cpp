#include "ui/MainWindow.h"

#include "core/GeneratorModel.h"
#include "ui/ContentView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

MainWindow::MainWindow(GeneratorModel &model, QWidget *parent)
    : QMainWindow(parent)
    , m_model(model)
{
    // Read out by screen readers as the window's name, and shown in title bars.
    setWindowTitle(QApplication::applicationDisplayName());
    auto *content = new ContentView(model, this);
    setCentralWidget(content);
    buildFileMenu();
    buildEditMenu();
    // The content gets its full default size; a menu bar inside the window
    // comes on top of it.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(content->sizeHint() + QSize(0, menuHeight));
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

    QAction *regenerate =
        edit->addAction(tr("Regenerate"), this, [this] { m_model.regenerate(true); });
    regenerate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R)); // Cmd+R on macOS
    QAction *copyPassword = edit->addAction(tr("Copy Password"), this, [this] {
        if (m_model.current())
            m_model.copy(*m_model.current());
    });
    copyPassword->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    // They work from anywhere in the program, the history panel included,
    // which takes the focus from the window while it is open.
    for (QAction *action : {regenerate, copyPassword})
        action->setShortcutContext(Qt::ApplicationShortcut);
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
