#include "ui/CharacterChip.h"
#include "ui/ChipRow.h"
#include "ui/GroupToggleButton.h"
#include "ui/LabeledRow.h"
#include "support/Palettes.h"
#include "ui/PasswordDisplay.h"
#include "support/SamplePasswords.h"
#include "ui/StrengthMeter.h"
#include "ui/Symbols.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QToolButton>

using namespace SamplePasswords;

// Draws the building blocks, light and dark, to PNG files in the build
// folder for a look by eye, and checks that the drawing follows the palette.
class TestRendering : public QObject
{
    Q_OBJECT

private slots:
    void gallery_data();
    void gallery();
};

void TestRendering::gallery_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QColor>("excellent");
    QTest::newRow("light") << Palettes::light() << QColor(0x00, 0xC7, 0xBE);
    QTest::newRow("dark") << Palettes::dark() << QColor(0x63, 0xE6, 0xE2);
}

void TestRendering::gallery()
{
    QFETCH(QPalette, palette);
    QFETCH(QColor, excellent);

    // Symbols take the application's palette, the widgets their own.
    QApplication::setPalette(palette);
    QWidget gallery;
    gallery.setAutoFillBackground(true);
    auto *column = new QVBoxLayout(&gallery);
    column->setContentsMargins(14, 14, 14, 14);

    const std::pair<std::optional<GeneratedPassword>, std::optional<QString>> contents[] = {
        {sample(QStringLiteral("vR7#kq2-Lm9x!Tz4")), std::nullopt},
        {sample(longSample()), std::nullopt},
        {std::nullopt, QStringLiteral("Choose at least two characters.")},
        {std::nullopt, std::nullopt}};
    QList<PasswordDisplay *> displays;
    for (const auto &[password, message] : contents) {
        displays.append(new PasswordDisplay);
        displays.last()->display(password, message);
        column->addWidget(displays.last());
    }
    displays.first()->selectAll();

    QList<StrengthMeter *> meters;
    for (const double bits : {0.0, 52.0, 64.0, 80.0, 95.3, 300.0}) {
        meters.append(new StrengthMeter);
        meters.last()->setBits(bits);
        auto *readout = new QLabel(QString::number(qint64(bits)));
        readout->setFixedWidth(52);
        column->addWidget(new LabeledRow(QStringLiteral("Strength"), meters.last(), readout));
    }

    auto *groups = new QWidget;
    QHBoxLayout *groupRow = LabeledRow::untitledRow(groups, 6);
    using Kind = CharacterGroup::Kind;
    groupRow->addWidget(new GroupToggleButton({Kind::uppercase, "A–Z", {}}, true, false, {}));
    groupRow->addWidget(new GroupToggleButton({Kind::lowercase, "a–z", {}}, false, true, {}));
    groupRow->addWidget(new GroupToggleButton({Kind::digits, "0–9", {}}, false, false, {}));
    column->addWidget(groups);

    const QSet<QString> on{"!", "#", "$", "(", ")", "A"};
    const auto isOn = [&on](const QString &c) { return on.contains(c); };
    const auto toggle = [](const QString &) {};
    column->addWidget(new ChipRow(QStringLiteral("Symbols"),
                                  {"!", "#", "$", "%", "&", "*", "+", "=", "@", "^",
                                   "~", "-", "_", ".", ",", ":", ";", "?", "/", "|"},
                                  isOn, toggle, [](bool) {}));
    auto *brackets =
        new ChipRow(QStringLiteral("Brackets"), {"(", ")", "[", "]", "{", "}"}, isOn, toggle);
    column->addWidget(brackets);
    column->addWidget(new ChipRow(std::nullopt, {"A", "B", "C"}, isOn, toggle));

    auto *symbols = new QWidget;
    QHBoxLayout *symbolRow = LabeledRow::untitledRow(symbols, 6);
    for (const char *name : {"clock.arrow.circlepath", "gearshape", "doc.on.doc", "clock"}) {
        auto *button = new QToolButton;
        button->setIcon(Symbols::icon(QString::fromLatin1(name)));
        button->setAutoRaise(true);
        symbolRow->addWidget(button);
    }
    symbolRow->addStretch();
    column->addWidget(symbols);

    gallery.resize(620, gallery.heightForWidth(620) > 0 ? gallery.heightForWidth(620)
                                                        : gallery.sizeHint().height());
    gallery.show();
    QVERIFY(QTest::qWaitForWindowActive(&gallery));
    // Show the focus ring as after a Tab.
    gallery.setAttribute(Qt::WA_KeyboardFocusChange);
    brackets->chips().at(1)->setFocus(Qt::TabFocusReason);
    for (const StrengthMeter *meter : meters)
        QTRY_VERIFY_WITH_TIMEOUT(!meter->isAnimating(), 2000);
    for (const PasswordDisplay *display : displays)
        QTRY_VERIFY_WITH_TIMEOUT(!display->isFading(), 2000);

    const QImage image = gallery.grab().toImage();
    const QDir folder(QStringLiteral(TESSELLON_RENDER_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString file = folder.filePath(
        QStringLiteral("gallery-%1.png").arg(QLatin1String(QTest::currentDataTag())));
    QVERIFY2(image.save(file), qPrintable(file));

    QCOMPARE(image.pixelColor(2, 2).rgb(), palette.color(QPalette::Window).rgb());
    // The 300-bit meter is full and drawn in this palette's mint.
    const StrengthMeter *full = meters.last();
    const QPoint middle = full->mapTo(&gallery, QPoint(full->width() / 2, full->height() / 2));
    QCOMPARE(image.pixelColor(middle).rgb(), excellent.rgb());
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
