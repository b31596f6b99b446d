#include "support/Palettes.h"
#include "support/SamplePasswords.h"
#include "ui/FittedText.h"
#include "ui/PasswordDisplay.h"
#include "ui/Theme.h"

#include <QAction>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace SamplePasswords;

Q_DECLARE_METATYPE(std::optional<GeneratedPassword>)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestPasswordDisplay : public QObject
{
    Q_OBJECT

private slots:
    void styledColoursEachCharacter_data();
    void styledColoursEachCharacter();
    void contentThatCannotBeSelected_data();
    void contentThatCannotBeSelected();
    void longPasswordFitsThreeLines_data();
    void longPasswordFitsThreeLines();
    void fadesOnlyForANewId();
    void selectsAndCopies();
};

void TestPasswordDisplay::styledColoursEachCharacter_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QColor>>("runs");

    using Runs = QList<QColor>;
    const QPalette light = Palettes::light();
    const QColor primary(0x20, 0x20, 0x20);
    const QColor orange(0xFF, 0x95, 0x00);
    const QColor pink(0xFF, 0x2D, 0x55);
    QTest::newRow("a Z 9 -") << light << "aZ9-" << Runs{primary, primary, orange, pink};
    QTest::newRow("dark values") << Palettes::dark() << "a9-"
                                 << Runs{QColor(0xE8, 0xE8, 0xE8), QColor(0xFF, 0x9F, 0x0A),
                                         QColor(0xFF, 0x37, 0x5F)};
    QTest::newRow("passphrase separators")
        << light << "ox_7 ant"
        << Runs{primary, primary, pink, orange, pink, primary, primary, primary};
    QTest::newRow("letter with combining accent is one run")
        << light << QStringLiteral("e\u0301") << Runs{primary};
    QTest::newRow("non-ASCII digit and letter")
        << light << QStringLiteral("\u0663\u03BB") << Runs{orange, primary};
    QTest::newRow("symbol outside the BMP") << light << QStringLiteral("\U0001F600") << Runs{pink};
    QTest::newRow("empty") << light << "" << Runs{};
}

void TestPasswordDisplay::styledColoursEachCharacter()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, text);
    QFETCH(QList<QColor>, runs);

    // Runs follow on without gaps and cover the text: with their number
    // known, that fixes the length of each.
    const QList<QTextLayout::FormatRange> styled = PasswordDisplay::styled(text, palette);
    QCOMPARE(styled.size(), runs.size());
    qsizetype end = 0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        QCOMPARE(styled.at(i).start, end);
        QVERIFY(styled.at(i).length > 0);
        end += styled.at(i).length;
        QCOMPARE_COLOR(styled.at(i).format.foreground().color(), runs.at(i));
    }
    QCOMPARE(end, text.size());
}

void TestPasswordDisplay::contentThatCannotBeSelected_data()
{
    QTest::addColumn<std::optional<GeneratedPassword>>("password");
    QTest::addColumn<std::optional<QString>>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QFont>("font");

    const QString message = QStringLiteral("Choose at least two characters.");
    const std::optional<GeneratedPassword> noPassword;
    const std::optional<QString> noMessage;
    QTest::newRow("error message wins")
        << std::optional(sample(QStringLiteral("q8-Lw"))) << std::optional(message) << message
        << Theme::font(Theme::TextStyle::callout);
    QTest::newRow("nothing: one space")
        << noPassword << noMessage << " " << Theme::font(Theme::TextStyle::body);
    QTest::newRow("empty password") << std::optional(sample(QString())) << noMessage << ""
                                    << Theme::monospacedFont(13, QFont::Medium);
}

void TestPasswordDisplay::contentThatCannotBeSelected()
{
    QFETCH(std::optional<GeneratedPassword>, password);
    QFETCH(std::optional<QString>, message);
    QFETCH(QString, shown);
    QFETCH(QFont, font);

    PasswordDisplay display;
    display.setPassword(password, message);
    display.resize(400, display.heightForWidth(400));
    const FittedText &content = display.content();
    QCOMPARE(content.text(), shown);
    QCOMPARE(content.pixelSize(), font.pixelSize());
    // One line high, padded by 8 above and below.
    QCOMPARE(content.lineCount(), 1);
    QCOMPARE(display.height(), int(std::ceil(QFontMetricsF(font).height())) + 2 * 8);
    QCOMPARE(display.focusPolicy(), Qt::NoFocus);
    display.selectAll();
    QVERIFY(display.selectedText().isEmpty());
}

void TestPasswordDisplay::longPasswordFitsThreeLines_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<bool>("truncated");

    QTest::newRow("the window's narrowest display") << 444 << false << false;
    QTest::newRow("narrower: shrinks") << 300 << true << false;
    QTest::newRow("far too narrow: shrinks, then cuts") << 140 << true << true;
}

void TestPasswordDisplay::longPasswordFitsThreeLines()
{
    QFETCH(int, width);
    QFETCH(bool, shrunk);
    QFETCH(bool, truncated);

    PasswordDisplay display;
    display.setPassword(sample(longSample()), std::nullopt);
    const int height = display.heightForWidth(width);
    display.resize(width, height);
    const FittedText &content = display.content();
    QVERIFY(content.lineCount() <= 3);
    QVERIFY(content.pixelSize() >= 0.6 * 13);
    QCOMPARE(content.pixelSize() < 13, shrunk);
    QCOMPARE(content.isTruncated(), truncated);
    QCOMPARE(height, int(std::ceil(content.boundingSize().height())) + 16);
    QVERIFY(content.boundingSize().width() <= width - 20);
    if (truncated)
        QCOMPARE(content.pixelSize(), 8);
}

void TestPasswordDisplay::fadesOnlyForANewId()
{
    PasswordDisplay display;
    const GeneratedPassword first = sample(QStringLiteral("Hb3=tt"));
    display.setPassword(first, std::nullopt);
    QVERIFY(display.isFading());
    QTRY_VERIFY_WITH_TIMEOUT(!display.isFading(), 2000);

    display.setPassword(first, std::nullopt);
    QVERIFY(!display.isFading());
    display.setPassword(sample(first.text), std::nullopt);
    QVERIFY(display.isFading());
    QTRY_VERIFY_WITH_TIMEOUT(!display.isFading(), 2000);

    display.setPassword(std::nullopt, QStringLiteral("No word list."));
    QVERIFY(display.isFading());
}

void TestPasswordDisplay::selectsAndCopies()
{
    QWidget window;
    auto *display = new PasswordDisplay(&window);
    const QString text = QStringLiteral("Tm4-pz");
    display->setPassword(sample(text), std::nullopt);
    display->resize(300, display->heightForWidth(300));
    // A window command on the copy keys, as a menu's "Copy Password" might be.
    int commands = 0;
    auto *command = new QAction(&window);
    command->setShortcut(QKeySequence::Copy);
    connect(command, &QAction::triggered, [&] { ++commands; });
    window.addAction(command);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(display->focusPolicy(), Qt::StrongFocus);
    display->setFocus();
    QSignalSpy copies(display, &PasswordDisplay::copyRequested);
    // Without a selection the keys go on to the window.
    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(commands, 1);
    QCOMPARE(copies.size(), 0);

    const int y = display->height() / 2;
    QTest::mousePress(display, Qt::LeftButton, {}, QPoint(10, y));
    QTest::mouseMove(display, QPoint(290, y));
    QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(290, y));
    QCOMPARE(display->selectedText(), text);
    QTest::keyClick(display, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(display->selectedText(), text.left(5));
    QTest::keyClick(display, Qt::Key_Home);
    QTest::keyClick(display, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(display, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(display->selectedText(), text.left(2));

    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(commands, 1);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(copies.first().first().toString(), text.left(2));

    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(20, y));
    QCOMPARE(display->selectedText(), text);
    display->setPassword(sample(QStringLiteral("other9")), std::nullopt);
    QVERIFY(display->selectedText().isEmpty());
}

QTEST_MAIN(TestPasswordDisplay)
#include "tst_passworddisplay.moc"
