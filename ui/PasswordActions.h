#pragma once

#include <QObject>

class GeneratorModel;
class QAction;

// The commands on the password, each one action that the menu, its shortcut
// and the window's button all trigger: a new password, and a copy of the
// one on show.
class PasswordActions : public QObject
{
    Q_OBJECT

public:
    explicit PasswordActions(GeneratorModel &model, QObject *parent = nullptr);

    QAction *regenerate() const { return m_regenerate; }
    QAction *copyPassword() const { return m_copyPassword; }

private:
    QAction *m_regenerate;
    QAction *m_copyPassword;
};
