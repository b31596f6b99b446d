// The window in each shipped language and in a pseudo-language that wraps
// every text in ⟦ ⟧ (built beside the others, never installed).
#include "core/PasswordGenerator.h"
#include "core/Wordlist.h"
#include "startup/Translations.h"
#include "support/ModelFixture.h"
#include "ui/MainWindow.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/history/HistoryPanel.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/text/FittedText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The window with a history, shown at its own size, with the history panel
// open over it where there is a history to show.
struct Window : ModelFixture
{
    explicit Window(const Settings &settings)
        : ModelFixture({.start = settings})
        , window(*model)
    {
        model->regenerate();
        model->regenerate();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (model->history().isEmpty())
            return;
        QTest::mouseClick(window.findChild<QWidget *>("historyButton"), Qt::LeftButton);
        QVERIFY(panel() && QTest::qWaitForWindowExposed(panel()));
    }

    HistoryPanel *panel() const { return window.findChild<HistoryPanel *>(); }

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

    // The window in each language and mode, with the history panel open: each
    // label, button and picker shows its whole text; in the pseudo-language,
    // no word is left in English but the passwords and the program's name.
    void windowInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<GeneratorMode>("mode");
        QTest::addColumn<bool>("noCharacters");
        for (const QString &language : QStringLiteral("pseudo," TESSELLON_LANGUAGES).split(u',')) {
            for (const auto &[name, mode, off] :
                 {std::tuple{"basic", GeneratorMode::basic, false},
                  {"advanced", GeneratorMode::advanced, false},
                  {"words", GeneratorMode::words, false},
                  {"every character off", GeneratorMode::advanced, true}})
                QTest::addRow("%s, %s", qPrintable(language), name) << language << mode << off;
        }
    }

    void windowInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(GeneratorMode, mode);
        QFETCH(bool, noCharacters);
        const Translations catalogue({language});
        QCOMPARE(catalogue.language(), language);
        // Advanced shows the rules row too; its rules are the site's own words.
        Settings settings{.mode = mode,
                          .requireEachGroup = mode == GeneratorMode::advanced,
                          .passwordRules =
                              mode == GeneratorMode::advanced ? u"minlength: 8"_s : QString()};
        if (noCharacters)
            settings.enabledCharacters = CharacterSet();
        Window w(settings);
        int faults = 0;
        if (language != u"pseudo") {
            for (QWidget *widget : w.window.findChildren<QWidget *>()) {
                const auto *label = qobject_cast<const QLabel *>(widget);
                if (!widget->isVisible() || widget->width() == 0
                    || !(label || qobject_cast<QAbstractButton *>(widget)
                         || qobject_cast<QComboBox *>(widget)))
                    continue;
                // A wrapped label may take more lines, if it has the height.
                const QSize needed = label && label->wordWrap()
                                         ? QSize(0, label->heightForWidth(label->width()))
                                         : QSize(widget->sizeHint().width(), 0);
                if (needed.width() > widget->width() || needed.height() > widget->height()) {
                    qWarning() << widget
                               << QAccessible::queryAccessibleInterface(widget)->text(
                                      QAccessible::Name)
                               << "needs" << needed << "has" << widget->size();
                    ++faults;
                }
            }
        } else {
            QStringList passwords;
            if (w.model->current())
                passwords << w.model->current()->text;
            for (const GeneratedPassword &password : w.model->history())
                passwords << password.text;
            // What the window shows or tells: what assistive technology reads,
            // tool tips, hints, and the menus, read only when open.
            QStringList texts;
            for (const QWidget *widget : w.window.findChildren<QWidget *>()) {
                texts << widget->toolTip() << widget->accessibleName();
                if (const auto *field = qobject_cast<const QLineEdit *>(widget))
                    texts << field->placeholderText();
            }
            for (const QAction *action : w.window.findChildren<QAction *>())
                texts << action->text() << action->toolTip();
            for (QObject *window : QObjectList{&w.window, w.panel()}) // the panel is a window
                collectAccessible(QAccessible::queryAccessibleInterface(window), texts);
            QVERIFY2(texts.size() > 60, qPrintable(QString::number(texts.size())));
            static const QRegularExpression translated(u"⟦[^⟦⟧]*⟧"_s), word(u"[A-Za-z]{2,}"_s);
            for (QString text : texts) {
                const QString whole = text;
                for (const QString &password : passwords)
                    text.remove(password);
                // Inside out: a translated text may hold another.
                for (qsizetype before = -1; before != text.size();) {
                    before = text.size();
                    text.remove(translated);
                }
                text.remove(QGuiApplication::applicationDisplayName());
                text.remove(settings.passwordRules);
                for (const QString &list : Wordlist::names()) // named in their own languages
                    text.remove(Wordlist::autonym(list));
                if (const QRegularExpressionMatch found = word.match(text); found.hasMatch()) {
                    qWarning() << found.captured() << "left in English in" << whole;
                    ++faults;
                }
            }
        }
        QCOMPARE(faults, 0);
    }

    // Passphrases in the interface's language where its list ships, else
    // English, until a list is chosen; a list not shipped falls back so.
    void passphrasesInTheLanguage()
    {
        for (const QString &language : QStringLiteral(TESSELLON_LANGUAGES).split(u',')) {
            const Translations catalogue({language});
            const QString own = language == u"de" || language == u"pt_BR" ? language : u"en"_s;
            for (const auto &[chosen, expected] :
                 {std::pair{QString(), own}, {u"fr"_s, own}, {u"pt_BR"_s, u"pt_BR"_s}}) {
                const Settings settings{.mode = GeneratorMode::words, .wordList = chosen};
                const auto password =
                    std::get<GeneratedPassword>(PasswordGenerator::generate(settings));
                for (const QString &word : password.text.split(u'_'))
                    QVERIFY2(Wordlist::words(expected).contains(word),
                             qPrintable(language + u' ' + word));
            }
        }
    }

    // Years in the large in each language's own scale: Japanese and Chinese
    // count by ten thousands.
    void yearsInTheLanguagesScale_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("years");
        QTest::addColumn<QString>("written");
        for (const auto &[language, years, written] :
             {std::tuple{"ja", 1.96e11, u"1960億年"_s},
              {"ja", 2.5e5, u"25万年"_s},
              {"ja", 5.4e19, u"5400京年"_s},
              {"ja", 5000.0, u"5000年"_s},
              {"zh_CN", 1.96e11, u"1960 亿年"_s},
              {"zh_CN", 3.1e13, u"31 万亿年"_s},
              {"fr", 1.96e11, u"196 milliards d’années"_s}})
            QTest::addRow("%s, %g", language, years) << language << years << written;
    }

    void yearsInTheLanguagesScale()
    {
        QFETCH(QString, language);
        QFETCH(double, years);
        QFETCH(QString, written);
        const Translations catalogue({language});
        QCOMPARE(GeneratedPassword::humanDuration(years * 31'557'600), written);
    }

    // In Arabic the window mirrors, but a password reads left to right in the
    // display, the history's rows and the copy: even one that starts with an
    // Arabic letter and holds what the bidirectional algorithm moves.
    void arabicMirrorsButPasswordsReadLeftToRight()
    {
        const Translations arabic({u"ar"_s});
        QCOMPARE(arabic.language(), u"ar");
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        const QString password = u"\u0628(]1-a!{+"_s; // brackets, punctuation, digit, Latin
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
        // Each caret between two characters right of the one before (the two
        // at the ends border the override's marks, and are ambiguous).
        QVERIFY(display.content().caretAt(1).x1() > 0);
        for (int i = 2; i < password.size(); ++i) {
            QVERIFY2(display.content().caretAt(i).x1() > display.content().caretAt(i - 1).x1(),
                     qPrintable(QString::number(i)));
            QVERIFY2(row.lineAt(0).cursorToX(i + 1) > row.lineAt(0).cursorToX(i),
                     qPrintable(QString::number(i)));
        }
        Window w({});
        QCOMPARE(w.window.layoutDirection(), Qt::RightToLeft);
        QTest::keyClick(&w.window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.copiedTexts.value(0), w.model->current()->text);

        // The meter fills from its leading edge, and chips line up from their
        // title's side: each is the left-to-right window's, mirrored.
        auto *meter = w.window.findChild<StrengthMeter *>();
        QTest::qWait(400); // its glide
        const auto ends = [meter](Qt::LayoutDirection direction) {
            meter->setLayoutDirection(direction);
            const QImage bar = meter->grab().toImage();
            const int y = bar.height() / 2;
            return std::pair(bar.pixelColor(3, y), bar.pixelColor(bar.width() - 4, y));
        };
        const auto [left, right] = ends(Qt::RightToLeft);
        QVERIFY(left != right);
        QCOMPARE(ends(Qt::LeftToRight), std::pair(right, left));
        const QList<CharacterChip *> chips = w.window.findChildren<CharacterChip *>();
        QVERIFY(chips.size() > 2 && chips[0]->y() == chips[1]->y());
        QCOMPARE(chips[0]->geometry().right(), chips[0]->parentWidget()->contentsRect().right());
        QVERIFY(chips[1]->x() < chips[0]->x());

        // A range such as "0–9" reads as in English: its title is drawn alike.
        const auto drawn = [](Qt::LayoutDirection direction) {
            QGuiApplication::setLayoutDirection(direction);
            ChipRowTitle title(u"0–9"_s);
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
