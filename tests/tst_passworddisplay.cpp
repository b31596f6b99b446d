#include "EaseOutAnimation.h"
#include "FittedText.h"
#include "Palettes.h"
#include "PasswordDisplay.h"
#include "SamplePasswords.h"
#include "Theme.h"

#include <QAction>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using Palettes::sameColor;

using SamplePasswords::longSample;
using SamplePasswords::sample;

namespace {

struct Run
{
    qsizetype start;
    qsizetype length;
    QColor color;
};

} // namespace

Q_DECLARE_METATYPE(QList<Run>)

class TestPasswordDisplay : public QObject
{
    Q_OBJECT

private slots:
    void styledColoursEachCharacter_data();
    void styledColoursEachCharacter();
    void errorMessageWins();
    void absentPasswordKeepsOneLine();
    void emptyPasswordShowsNothing();
    void longPasswordFitsThreeLines_data();
    void longPasswordFitsThreeLines();
    void fadesOnlyForANewId();
    void selectsAndCopies();
    void copyKeysGoToASelectionFirst();
};

void TestPasswordDisplay::styledColoursEachCharacter_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Run>>("runs");

    const QPalette light = Palettes::light();
    const QPalette dark = Palettes::dark();
    const QColor primary(0x20, 0x20, 0x20);
    const QColor orange(0xFF, 0x95, 0x00);
    const QColor pink(0xFF, 0x2D, 0x55);
    QTest::newRow("a Z 9 -") << light << "aZ9-"
                             << QList<Run>{
                                    {0, 1, primary}, {1, 1, primary}, {2, 1, orange}, {3, 1, pink}};
    QTest::newRow("dark values") << dark << "a9-"
                                 << QList<Run>{{0, 1, QColor(0xE8, 0xE8, 0xE8)},
                                               {1, 1, QColor(0xFF, 0x9F, 0x0A)},
                                               {2, 1, QColor(0xFF, 0x37, 0x5F)}};
    QTest::newRow("passphrase separators")
        << light << "ox_7 ant"
        << QList<Run>{{0, 1, primary}, {1, 1, primary}, {2, 1, pink},    {3, 1, orange},
                      {4, 1, pink},    {5, 1, primary}, {6, 1, primary}, {7, 1, primary}};
    QTest::newRow("letter with combining accent is one run")
        << light << QStringLiteral("e\u0301") << QList<Run>{{0, 2, primary}};
    QTest::newRow("non-ASCII digit and letter")
        << light << QStringLiteral("\u0663\u03BB") << QList<Run>{{0, 1, orange}, {1, 1, primary}};
    QTest::newRow("symbol outside the BMP")
        << light << QStringLiteral("\U0001F600") << QList<Run>{{0, 2, pink}};
    QTest::newRow("empty") << light << "" << QList<Run>{};
}

void TestPasswordDisplay::styledColoursEachCharacter()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, text);
    QFETCH(QList<Run>, runs);

    const QList<QTextLayout::FormatRange> styled = PasswordDisplay::styled(text, palette);
    QCOMPARE(styled.size(), runs.size());
    QString joined;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        QCOMPARE(styled.at(i).start, runs.at(i).start);
        QCOMPARE(styled.at(i).length, runs.at(i).length);
        QVERIFY2(sameColor(styled.at(i).format.foreground().color(), runs.at(i).color),
                 qPrintable(QString::number(i)));
        joined += text.mid(styled.at(i).start, styled.at(i).length);
    }
    QCOMPARE(joined, text);
}

void TestPasswordDisplay::errorMessageWins()
{
    PasswordDisplay display;
    display.setPalette(Palettes::light());
    const QString message = QStringLiteral("Choose at least two characters.");
    display.display(sample(QStringLiteral("q8-Lw")), message);
    display.resize(400, display.heightForWidth(400));
    QCOMPARE(display.content().text(), message);
    QCOMPARE(display.content().pixelSize(), 12);
    QCOMPARE(display.focusPolicy(), Qt::NoFocus);
    QVERIFY(display.selectedText().isEmpty());
}

void TestPasswordDisplay::absentPasswordKeepsOneLine()
{
    PasswordDisplay display;
    display.display(std::nullopt, std::nullopt);
    display.resize(400, display.heightForWidth(400));
    QCOMPARE(display.content().text(), QStringLiteral(" "));
    QCOMPARE(display.content().lineCount(), 1);
    const qreal line = QFontMetricsF(Theme::font(Theme::TextStyle::body)).height();
    QCOMPARE(display.heightForWidth(400), int(std::ceil(line)) + 2 * 8);
}

void TestPasswordDisplay::emptyPasswordShowsNothing()
{
    PasswordDisplay display;
    display.display(sample(QString()), std::nullopt);
    display.resize(400, display.heightForWidth(400));
    QCOMPARE(display.content().text(), QString());
    QVERIFY(PasswordDisplay::styled(QString(), display.palette()).isEmpty());
    QVERIFY(display.heightForWidth(400) >= 2 * 8);
    QCOMPARE(display.focusPolicy(), Qt::NoFocus);
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
    display.display(sample(longSample()), std::nullopt);
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
    auto *fade = display.findChild<EaseOutAnimation *>();
    QVERIFY(fade);
    QCOMPARE(fade->duration(), 150);
    QCOMPARE(fade->easingCurve(), EaseOutAnimation::curve());

    GeneratedPassword first = sample(QStringLiteral("Hb3=tt"));
    display.display(first, std::nullopt);
    QVERIFY(display.isFading());
    QTRY_VERIFY_WITH_TIMEOUT(!display.isFading(), 2000);

    display.display(first, std::nullopt);
    QVERIFY(!display.isFading());
    display.display(sample(QStringLiteral("Hb3=tt")), std::nullopt);
    QVERIFY(display.isFading());
    QTRY_VERIFY_WITH_TIMEOUT(!display.isFading(), 2000);

    display.display(std::nullopt, QStringLiteral("No word list."));
    QVERIFY(display.isFading());
}

void TestPasswordDisplay::selectsAndCopies()
{
    PasswordDisplay display;
    const QString text = QStringLiteral("Tm4-pz");
    display.display(sample(text), std::nullopt);
    display.resize(300, display.heightForWidth(300));
    QCOMPARE(display.focusPolicy(), Qt::StrongFocus);

    const int y = display.height() / 2;
    QTest::mousePress(&display, Qt::LeftButton, {}, QPoint(10, y));
    QTest::mouseMove(&display, QPoint(290, y));
    QTest::mouseRelease(&display, Qt::LeftButton, {}, QPoint(290, y));
    QCOMPARE(display.selectedText(), text);

    QTest::keyClick(&display, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(display.selectedText(), text.left(5));
    QTest::keyClick(&display, Qt::Key_Home);
    QTest::keyClick(&display, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&display, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(display.selectedText(), text.left(2));

    QSignalSpy copies(&display, &PasswordDisplay::copyRequested);
    QTest::keySequence(&display, QKeySequence::Copy);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(copies.first().first().toString(), text.left(2));

    QTest::mouseDClick(&display, Qt::LeftButton, {}, QPoint(20, y));
    QCOMPARE(display.selectedText(), text);
    display.display(sample(QStringLiteral("other9")), std::nullopt);
    QVERIFY(display.selectedText().isEmpty());
}

void TestPasswordDisplay::copyKeysGoToASelectionFirst()
{
    QWidget window;
    auto *display = new PasswordDisplay(&window);
    display->display(sample(QStringLiteral("Jr5+wd")), std::nullopt);
    display->resize(300, display->heightForWidth(300));
    // A window command on the same keys, as a menu's "Copy Password" might be.
    int commands = 0;
    auto *command = new QAction(&window);
    command->setShortcut(QKeySequence::Copy);
    connect(command, &QAction::triggered, [&] { ++commands; });
    window.addAction(command);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    display->setFocus();
    QSignalSpy copies(display, &PasswordDisplay::copyRequested);

    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(commands, 1);
    QCOMPARE(copies.size(), 0);
    display->selectAll();
    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(commands, 1);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(copies.first().first().toString(), QStringLiteral("Jr5+wd"));
}

QTEST_MAIN(TestPasswordDisplay)
#include "tst_passworddisplay.moc"
