#pragma once

#include <QMainWindow>

class ContentView;
class GeneratorModel;

// The one window: the generator's content under a File and an Edit menu.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(GeneratorModel &model, QWidget *parent = nullptr);

private:
    void buildFileMenu();
    void buildEditMenu();
    void addTextCommand(QMenu *menu, const QString &title, QKeySequence::StandardKey key);

    ContentView *m_content;
};
