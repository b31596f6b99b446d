#include "ui/PasswordActions.h"

#include "core/GeneratorModel.h"

#include <QAction>

PasswordActions::PasswordActions(GeneratorModel &model, QObject *parent)
    : QObject(parent)
    , m_regenerate(new QAction(tr("Regenerate"), this))
    , m_copyPassword(new QAction(tr("Copy Password"), this))
{
    m_regenerate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R)); // Cmd+R on macOS
    m_copyPassword->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    // They work from anywhere in the program, the history panel included,
    // which takes the focus from the window while it is open.
    for (QAction *action : {m_regenerate, m_copyPassword})
        action->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_regenerate, &QAction::triggered, &model, &GeneratorModel::regenerate);
    // Always on offer, as a menu command stays: with no password on show it
    // copies nothing.
    connect(m_copyPassword, &QAction::triggered, &model, [&model] {
        if (model.current())
            model.copy(*model.current());
    });
}
