// The window in each language it ships with, and in a pseudo-language that
// wraps every text in ⟦ ⟧ (built beside the others, never installed):
// nothing is left in English, nothing is cut short, and in Arabic the
// window mirrors while passwords still read left to right.
#include "core/Alphabet.h"
#include "startup/Translations.h"
#include "support/ModelFixture.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/history/HistoryPanel.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/text/FittedText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The window in one mode with a history, shown at its own size, and the
// history panel open over it where there is a history to show.
struct Window : ModelFixture
{
    explicit Window(GeneratorMode mode, const Settings &settings = {})
        : ModelFixture({.start =
                            [&] {
                                Settings start = settings;
                                start.mode = mode;
                                return start;
                            }()})
        , window(*model)
    {
        model->regenerate();
        model->regenerate();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (model->history().isEmpty())
            return;
        QTest::mouseClick(window.findChild<QToolButton *>("historyButton"), Qt::LeftButton);
        QVERIFY(panel() && QTest::qWaitForWindowExposed(panel()));
    }

    HistoryPanel *panel() const { return window.findChild<ContentView *>()->historyPanel(); }

    // Every widget of the window and of the panel.
    QList<QWidget *> widgets() const
    {
        QList<QWidget *> all = window.findChildren<QWidget *>();
        if (panel())
            all += panel()->findChildren<QWidget *>() << panel();
        return all;
    }

    // What the generator made: data, not interface text.
    QStringList passwords() const
    {
        QStringList texts;
        for (const GeneratedPassword &password : model->history())
            texts << password.text;
        return texts << (model->current() ? model->current()->text : QString());
    }

    MainWindow window;
};

void collectAccessible(QAccessibleInterface *node, QStringList &texts, int depth = 0)
{
    if (!node || depth > 40)
        return;
    for (const QAccessible::Text role :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        texts << node->text(role);
    for (int i = 0; i < node->childCount(); ++i)
        collectAccessible(node->child(i), texts, depth + 1);
}

void collectMenu(const QMenu *menu, QStringList &texts)
{
    for (const QAction *action : menu->actions()) {
        texts << action->text() << action->toolTip();
        if (action->menu())
            collectMenu(action->menu(), texts);
    }
}

// Every text the window shows or tells: labels, buttons, items, hints, tool
// tips, menus and what assistive technology reads.
QStringList interfaceTexts(const Window &w)
{
    QStringList texts;
    for (const QWidget *widget : w.widgets()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            texts << field->placeholderText();
        if (const auto *picker = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < picker->count(); ++i)
                texts << picker->itemText(i);
        }
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            collectMenu(menu, texts);
    }
    for (const QAction *action : w.window.menuBar()->actions()) {
        texts << action->text();
        collectMenu(action->menu(), texts);
    }
    collectAccessible(QAccessible::queryAccessibleInterface(const_cast<MainWindow *>(&w.window)),
                      texts);
    if (w.panel())
        collectAccessible(QAccessible::queryAccessibleInterface(w.panel()), texts);
    return texts;
}

// The English a text still holds once the translated parts (inside out:
// a translated phrase may hold another), the generator's passwords and the
// program's name are taken out: any word of two Latin letters or more.
QString englishLeftIn(QString text, const QStringList &passwords)
{
    static const QRegularExpression translated(QStringLiteral("⟦[^⟦⟧]*⟧"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (const QString &password : passwords) {
        if (!password.isEmpty())
            text.remove(password);
    }
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(translated);
    }
    text.remove(QGuiApplication::applicationDisplayName());
    const QRegularExpressionMatch found = word.match(text);
    return found.hasMatch() ? found.captured() : QString();
}

// A text that does not fit its widget: wider than the widget allows, or,
// wrapped, taller.
QString cutShort(const QWidget *widget)
{
    const QString name =
        QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        return needed > label->height() ? QStringLiteral("%1 '%2' needs %3 px of height, has %4")
                                              .arg(name, label->text())
                                              .arg(needed)
                                              .arg(label->height())
                                        : QString();
    }
    const QSize needed = widget->sizeHint();
    if (needed.width() <= widget->width())
        return QString();
    QString text = widget->accessibleName();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (const auto *picker = qobject_cast<const QComboBox *>(widget))
        text = picker->currentText();
    return QStringLiteral("%1 '%2' needs %3 px of width, has %4")
        .arg(name, text)
        .arg(needed.width())
        .arg(widget->width());
}

const QStringList shippedLanguages = QStringLiteral(TESSELLON_LANGUAGES).split(u',');

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // The first of the user's languages that has a catalogue, unless English
    // comes first; the system's names ("pt-BR") as the files' ("pt_BR").
    void languageChosen_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Chinese with its script") << QStringList{"zh-Hans-CN", "zh-CN"} << "zh_CN";
        QTest::newRow("a language without one, then Spanish") << QStringList{"it-IT", "es"} << "es";
        QTest::newRow("Portugal's Portuguese, then French") << QStringList{"pt-PT", "fr"} << "fr";
        QTest::newRow("English first") << QStringList{"en-GB", "de"} << "";
        QTest::newRow("the C locale") << QStringList{"C"} << "";
        QTest::newRow("none") << QStringList() << "";
    }

    void languageChosen()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        {
            const Translations translations(languages);
            QCOMPARE(translations.language(), chosen);
            QCOMPARE(QCoreApplication::translate("PasswordActions", "Regenerate") == u"Regenerate",
                     chosen.isEmpty());
        }
        QCOMPARE(QCoreApplication::translate("PasswordActions", "Regenerate"), u"Regenerate");
    }

    void nothingLeftInEnglish_data()
    {
        QTest::addColumn<GeneratorMode>("mode");
        QTest::addColumn<bool>("noCharacters");
        QTest::newRow("basic") << GeneratorMode::basic << false;
        QTest::newRow("advanced") << GeneratorMode::advanced << false;
        QTest::newRow("words") << GeneratorMode::words << false;
        QTest::newRow("advanced, every character off") << GeneratorMode::advanced << true;
    }

    void nothingLeftInEnglish()
    {
        QFETCH(GeneratorMode, mode);
        QFETCH(bool, noCharacters);
        const Translations pseudo({QStringLiteral("pseudo")});
        QCOMPARE(pseudo.language(), u"pseudo");
        Settings settings;
        if (noCharacters)
            settings.enabledCharacters = CharacterSet();
        const Window w(mode, settings);
        const QStringList texts = interfaceTexts(w);
        QVERIFY2(texts.size() > 60, qPrintable(QString::number(texts.size())));
        QStringList english;
        for (const QString &text : texts) {
            if (const QString left = englishLeftIn(text, w.passwords()); !left.isEmpty())
                english << QStringLiteral("'%1' in '%2'").arg(left, text);
        }
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    }

    // Every label, button and picker shows its whole text in every language,
    // in each mode, with the history panel open.
    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<GeneratorMode>("mode");
        for (const QString &language : shippedLanguages) {
            for (const auto &[name, mode] : {std::pair{"basic", GeneratorMode::basic},
                                             {"advanced", GeneratorMode::advanced},
                                             {"words", GeneratorMode::words}})
                QTest::addRow("%s, %s", qPrintable(language), name) << language << mode;
        }
    }

    void everyTextFits()
    {
        QFETCH(QString, language);
        QFETCH(GeneratorMode, mode);
        const Translations catalogue({language});
        QCOMPARE(catalogue.language(), language);
        const Window w(mode);
        QStringList clipped;
        for (const QWidget *widget : w.widgets()) {
            if (!widget->isVisible() || widget->width() == 0)
                continue;
            const bool hasText = qobject_cast<const QLabel *>(widget)
                                 || qobject_cast<const QAbstractButton *>(widget)
                                 || qobject_cast<const QComboBox *>(widget);
            if (const QString cut = hasText ? cutShort(widget) : QString(); !cut.isEmpty())
                clipped << cut;
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    // In Arabic the window mirrors, but a password is a sequence of
    // characters: the character at each position from the left is the
    // password's character at that index, in the display and in the rows
    // of the history, and the copy is the password itself. The password
    // starts with an Arabic letter (an extra character of advanced mode),
    // which would make it a right-to-left paragraph, and holds what the
    // bidirectional algorithm then moves: brackets, which it also mirrors,
    // neutral punctuation, digits and a Latin letter.
    void arabicMirrorsButPasswordsReadLeftToRight()
    {
        const Translations arabic({QStringLiteral("ar")});
        QCOMPARE(arabic.language(), u"ar");
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        const QString password = QStringLiteral("\u0628(]1-a!{+");
        PasswordDisplay display;
        display.setPassword(GeneratedPassword{QUuid::createUuid(), password, 40}, std::nullopt);
        display.resize(400, display.heightForWidth(400));
        display.show();
        QVERIFY(QTest::qWaitForWindowExposed(&display));
        QCOMPARE(display.layoutDirection(), Qt::RightToLeft);
        QTextLayout row(FittedText::inOrder(password), HistoryRowDelegate::textFont());
        HistoryRowDelegate::layOutPassword(row, 400);
        QCOMPARE(display.content().lineCount(), 1);
        QCOMPARE(row.lineCount(), 1);
        // The caret between each two characters, in the display and in a
        // row: each further right than the one before, the first right of
        // the first character (the places at either end border the
        // override's marks, and are ambiguous).
        for (int i = 2; i < password.size(); ++i) {
            QVERIFY2(display.content().caretAt(i).x1() > display.content().caretAt(i - 1).x1(),
                     qPrintable(QString::number(i)));
            QVERIFY2(row.lineAt(0).cursorToX(i + 1) > row.lineAt(0).cursorToX(i),
                     qPrintable(QString::number(i)));
        }
        QVERIFY(display.content().caretAt(1).x1() > 0);

        Window w(GeneratorMode::basic);
        QCOMPARE(w.window.layoutDirection(), Qt::RightToLeft);
        QTest::keyClick(&w.window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.copiedTexts.value(0), w.model->current()->text);

        // A range such as "0–9" reads as it does in English: the title drawn
        // in the mirrored window is the one drawn in a left-to-right one.
        const auto drawn = [](Qt::LayoutDirection direction) {
            QGuiApplication::setLayoutDirection(direction);
            ChipRowTitle title(Alphabet::digits().title());
            title.resize(title.sizeHint());
            return title.grab().toImage();
        };
        const QImage english = drawn(Qt::LeftToRight);
        QCOMPARE(drawn(Qt::RightToLeft), english);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
