// The window in each shipped language, and in a never-installed pseudo-language: each text in ⟦ ⟧.
#include "core/Wordlist.h"
#include "startup/Translations.h"
#include "support/ModelFixture.h"
#include "ui/MainWindow.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/history/HistoryPanel.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/text/FittedText.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// What assistive technology reads of a node and of all below it.
static QStringList readOut(QAccessibleInterface *node, int depth = 0)
{
    QStringList texts;
    for (const QAccessible::Text role :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        texts << node->text(role);
    for (int i = 0; depth < 40 && i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            texts << readOut(child, depth + 1);
    }
    return texts;
}

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // The first of the user's languages with a catalogue, unless English leads, named as its file
    // ("pt_BR" for "pt-BR"). Its word list if shipped, else English, until a shipped one is picked.
    void languageChosen_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("words");
        const auto row = [](const char *name, const QStringList &languages, const char *chosen,
                            const char *words = "en") {
            QTest::newRow(name) << languages << QString(chosen) << QString(words);
        };
        row("German", {"de-DE", "de"}, "de", "de");
        row("Brazilian Portuguese", {"pt-BR"}, "pt_BR", "pt_BR");
        row("Chinese with its script", {"zh-Hans-CN", "zh-CN"}, "zh_CN");
        row("a language without one, then Spanish", {"it-IT", "es"}, "es");
        row("Portugal's Portuguese, then French", {"pt-PT", "fr"}, "fr");
        row("English first", {"en-GB", "de"}, "");
        row("the C locale", {"C"}, "");
        row("none", {}, "");
    }

    void languageChosen()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QFETCH(QString, words);
        const auto regenerate = [] { return qApp->translate("PasswordActions", "Regenerate"); };
        {
            const Translations translations(languages);
            QCOMPARE(translations.language(), chosen);
            QCOMPARE(regenerate() == u"Regenerate", chosen.isEmpty());
            for (const auto &[picked, list] :
                 {std::pair{QString(), words}, {u"xx"_s, words}, {u"pt_BR"_s, u"pt_BR"_s}})
                QCOMPARE(Wordlist::chosen({.mode = GeneratorMode::words, .wordList = picked}), list);
        }
        QCOMPARE(regenerate(), u"Regenerate");
    }

    // The window in each language and mode, its history open: each label, button and picker shows
    // its whole text; in the pseudo-language, no word is left in English.
    void windowInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Settings>("settings");
        // Advanced shows the rules row too; its rules are the site's own words.
        const Settings rules{.mode = GeneratorMode::advanced,
                             .requireEachGroup = true,
                             .passwordRules = u"minlength: 8"_s};
        for (const QString &language : QStringLiteral("pseudo," TESSELLON_LANGUAGES).split(u','))
            for (const auto &[name, settings] :
                 {std::pair{"basic", Settings()},
                  {"advanced", rules},
                  {"words", Settings{.mode = GeneratorMode::words}},
                  {"every character off",
                   Settings{.mode = GeneratorMode::advanced, .enabledCharacters = {}}}})
                QTest::addRow("%s, %s", qPrintable(language), name) << language << settings;
    }

    void windowInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(Settings, settings);
        const Translations catalogue({language});
        QCOMPARE(catalogue.language(), language);
        ShownFixture<MainWindow> w({.start = settings});
        w.model->regenerate();
        if (!w.model->history().isEmpty()) {
            QTest::mouseClick(w.find("historyButton"), Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowExposed(w.find<HistoryPanel>()));
        }
        QStringList faults;
        if (language != u"pseudo") {
            for (QWidget *widget : w.view.findChildren<QWidget *>()) {
                const auto *label = qobject_cast<const QLabel *>(widget);
                if (!widget->isVisible() || widget->width() == 0
                    || !(label || widget->inherits("QAbstractButton")
                         || widget->inherits("QComboBox")))
                    continue;
                // A wrapped label may take more lines, if it has the height.
                const QSize needed = label && label->wordWrap()
                                         ? QSize(0, label->heightForWidth(label->width()))
                                         : QSize(widget->sizeHint().width(), 0);
                if (needed.width() > widget->width() || needed.height() > widget->height())
                    faults << QDebug::toString(widget) + u" needs "_s + QDebug::toString(needed)
                                  + u" has "_s + QDebug::toString(widget->size());
            }
        } else {
            // Never translated: passwords, our name, a site's rules, lists named in their language.
            QStringList texts,
                kept{w.model->current() ? w.model->current()->text : QString(),
                     QGuiApplication::applicationDisplayName(), settings.passwordRules};
            for (const GeneratedPassword &password : w.model->history())
                kept << password.text;
            for (const QString &list : Wordlist::names())
                kept << Wordlist::autonym(list);
            // Tool tips, hints, menus (read only when open) and what assistive technology reads.
            for (const QWidget *widget : w.view.findChildren<QWidget *>()) {
                texts << widget->toolTip() << widget->accessibleName();
                if (const auto *field = qobject_cast<const QLineEdit *>(widget))
                    texts << field->placeholderText();
            }
            for (const QAction *action : w.view.findChildren<QAction *>())
                texts << action->text() << action->toolTip();
            texts << readOut(QAccessible::queryAccessibleInterface(&w.view));
            if (HistoryPanel *panel = w.find<HistoryPanel>()) // a window of its own
                texts << readOut(QAccessible::queryAccessibleInterface(panel));
            QVERIFY2(texts.size() > 60, qPrintable(QString::number(texts.size())));
            static const QRegularExpression translated(u"⟦[^⟦⟧]*⟧"_s), word(u"[A-Za-z]{2,}"_s);
            for (QString text : texts) {
                const QString whole = text;
                for (const QString &known : kept)
                    text.remove(known);
                while (text.contains(translated)) // inside out: a translated text may hold another
                    text.remove(translated);
                if (const QRegularExpressionMatch found = word.match(text); found.hasMatch())
                    faults << found.captured() + u" left in English in "_s + whole;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Years in each language's own scale: Japanese and Chinese count by ten thousands.
    void yearsInTheLanguagesScale()
    {
        for (const auto &[language, years, written] :
             {std::tuple{"ja", 1.96e11, u"1960億年"_s},
              {"ja", 2.5e5, u"25万年"_s},
              {"zh_CN", 1.96e11, u"1960 亿年"_s},
              {"zh_CN", 3.1e13, u"31 万亿年"_s},
              {"fr", 1.96e11, u"196 milliards d’années"_s}}) {
            const Translations catalogue({QString::fromLatin1(language)});
            QCOMPARE(GeneratedPassword::humanDuration(years * 31'557'600), written);
        }
    }

    // In Arabic the window mirrors, but a password reads left to right in the display and the
    // history's rows, even one that starts with an Arabic letter and holds what bidi moves.
    void arabicMirrorsButPasswordsReadLeftToRight()
    {
        const Translations arabic({u"ar"_s});
        const QString password = u"\u0628(]1-a!{+"_s; // brackets, punctuation, digit, Latin
        PasswordDisplay display;
        display.setPassword(GeneratedPassword{QUuid::createUuid(), password, 40}, std::nullopt);
        display.resize(400, display.heightForWidth(400));
        QTextLayout row(FittedText::inOrder(password), HistoryRowDelegate::textFont());
        HistoryRowDelegate::layOutPassword(row, 400);
        QCOMPARE((QList{display.content().lineCount(), row.lineCount()}), (QList{1, 1}));
        // Each caret right of the one before (those at the ends border the override's marks).
        QVERIFY(display.content().caretAt(1).x1() > 0);
        for (int i = 2; i < password.size(); ++i)
            QVERIFY2(display.content().caretAt(i).x1() > display.content().caretAt(i - 1).x1()
                         && row.lineAt(0).cursorToX(i + 1) > row.lineAt(0).cursorToX(i),
                     qPrintable(QString::number(i)));

        // Chips line up from their title's side: mirrored.
        ShownFixture<MainWindow> w;
        const QList<CharacterChip *> chips = w.view.findChildren<CharacterChip *>();
        QVERIFY(chips.size() > 2 && chips[0]->y() == chips[1]->y()
                && chips[1]->x() < chips[0]->x());
        QCOMPARE(chips[0]->geometry().right(), chips[0]->parentWidget()->contentsRect().right());

        // A range such as "0–9" reads as in English: its title is drawn alike.
        const auto range = [](Qt::LayoutDirection direction) {
            QGuiApplication::setLayoutDirection(direction); // as the catalogue sets it
            ChipRowTitle title(u"0–9"_s);
            title.resize(title.sizeHint());
            return title.grab().toImage();
        };
        QCOMPARE(range(Qt::RightToLeft), range(Qt::LeftToRight));
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
