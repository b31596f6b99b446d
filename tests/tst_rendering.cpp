#include "CharacterChip.h"
#include "ChipRow.h"
#include "GroupToggleButton.h"
#include "LabeledRow.h"
#include "Palettes.h"
#include "PasswordDisplay.h"
#include "SamplePasswords.h"
#include "StrengthMeter.h"
#include "StyledLabel.h"
#include "Superscript.h"
#include "Symbols.h"
#include "Theme.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

// Renders every building block, light and dark, to PNG files in the build
// folder for a look by eye, and checks that the drawing follows the palette.
class TestRendering : public QObject
{
    Q_OBJECT

private slots:
    void gallery_data();
    void gallery();
};

using SamplePasswords::longSample;
using SamplePasswords::sample;

namespace {

QWidget *readout(const QString &text)
{
    auto *label = new StyledLabel(text, Theme::TextStyle::body, Theme::Foreground::primary);
    label->setFont(Theme::font(13, QFont::Medium));
    label->setFixedWidth(52);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

class Gallery : public QWidget
{
public:
    Gallery()
    {
        setAutoFillBackground(true);
        column = new QVBoxLayout(this);
        column->setContentsMargins(14, 14, 14, 14);
        column->setSpacing(10);
        addPasswords();
        addMeters();
        addToggles();
        addSymbols();
        column->addStretch();
    }

    QList<StrengthMeter *> meters;
    QList<PasswordDisplay *> displays;
    CharacterChip *focusedChip = nullptr;
    QSet<QString> on{"!", "#", "$", "%", "(", ")", "_", "-", ".", "A", "B"};

private:
    void addPasswords()
    {
        auto *row = new QHBoxLayout;
        row->setSpacing(8);
        auto *display = addDisplay(sample(QStringLiteral("vR7#kq2-Lm9x!Tz4")), std::nullopt);
        row->addWidget(display);
        row->addWidget(new QPushButton(QStringLiteral("Copy")));
        column->addLayout(row);
        column->addWidget(addDisplay(sample(longSample()), std::nullopt));
        column->addWidget(
            addDisplay(std::nullopt, QStringLiteral("Choose at least two characters.")));

        auto *narrow = new QHBoxLayout;
        narrow->setSpacing(8);
        // Too long for its box even at the smallest size: shrunk, then cut.
        auto *cut = addDisplay(sample(longSample()), std::nullopt);
        cut->setFixedWidth(150);
        narrow->addWidget(cut, 0, Qt::AlignTop);
        auto *selected = addDisplay(sample(QStringLiteral("ox_7_ant-Fig3")), std::nullopt);
        selected->selectAll();
        narrow->addWidget(selected, 0, Qt::AlignTop);
        narrow->addWidget(addDisplay(std::nullopt, std::nullopt), 0, Qt::AlignTop);
        column->addLayout(narrow);
    }

    PasswordDisplay *addDisplay(const std::optional<GeneratedPassword> &password,
                                const std::optional<QString> &message)
    {
        auto *display = new PasswordDisplay;
        display->display(password, message);
        displays.append(display);
        return display;
    }

    void addMeters()
    {
        const struct
        {
            QString title;
            double bits;
        } rows[] = {{"Strength", 95.3}, {"0 bits", 0},   {"52 bits", 52},
                    {"64 bits", 64},    {"80 bits", 80}, {"300 bits", 300}};
        for (const auto &row : rows) {
            auto *meter = new StrengthMeter;
            meter->setBits(row.bits);
            meters.append(meter);
            column->addWidget(new LabeledRow(
                row.title, meter,
                readout(QStringLiteral("2") + superscripted(QString::number(qint64(row.bits))))));
        }
        auto *slider = new QSlider(Qt::Horizontal);
        slider->setRange(4, 128);
        slider->setValue(16);
        column->addWidget(new LabeledRow(QStringLiteral("Length"), slider, readout("16")));
    }

    void addToggles()
    {
        auto *groups = new QHBoxLayout;
        groups->setSpacing(6);
        // A spacer takes no spacing after it in a box layout.
        groups->addSpacing(Theme::titleColumnWidth + Theme::titleColumnSpacing);
        const auto group = [](CharacterGroup::Kind kind, const QString &title) {
            return CharacterGroup{kind, title, {}};
        };
        groups->addWidget(
            new GroupToggleButton(group(CharacterGroup::Kind::uppercase, "A–Z"), true, false, {}));
        groups->addWidget(
            new GroupToggleButton(group(CharacterGroup::Kind::lowercase, "a–z"), false, true, {}));
        groups->addWidget(
            new GroupToggleButton(group(CharacterGroup::Kind::digits, "0–9"), false, false, {}));
        column->addLayout(groups);

        const auto isOn = [this](const QString &c) { return on.contains(c); };
        const auto toggle = [](const QString &) {};
        const auto all = [](bool) {};
        column->addWidget(new ChipRow(QStringLiteral("Symbols"),
                                      {"!", "#", "$", "%", "&", "*", "+", "=", "@", "^", "~"}, isOn,
                                      toggle, all));
        auto *brackets =
            new ChipRow(QStringLiteral("Brackets"), {"(", ")", "[", "]", "{", "}"}, isOn, toggle);
        column->addWidget(brackets);
        column->addWidget(new ChipRow(QStringLiteral("Separators"),
                                      {"!", "#", "$", "%", "&", "*", "+", "=", "@", "^",
                                       "~", "-", "_", ".", ",", ":", ";", "?", "/", "|"},
                                      isOn, toggle, all));
        column->addWidget(new ChipRow(std::nullopt, {"A", "B", "C"}, isOn, toggle));
        focusedChip = brackets->chips().at(1);
    }

    void addSymbols()
    {
        auto *symbols = new QHBoxLayout;
        symbols->addSpacing(Theme::titleColumnWidth + Theme::titleColumnSpacing);
        for (const char *name : {"clock.arrow.circlepath", "gearshape", "doc.on.doc", "clock"}) {
            auto *button = new QToolButton;
            button->setIcon(Symbols::icon(QString::fromLatin1(name)));
            button->setAutoRaise(true);
            symbols->addWidget(button);
        }
        auto *regenerate = new QPushButton(QStringLiteral("Regenerate"));
        QPalette prominent = regenerate->palette();
        prominent.setColor(QPalette::Button, Theme::accent(palette()));
        prominent.setColor(QPalette::ButtonText, Theme::onAccent(palette()));
        regenerate->setPalette(prominent);
        symbols->addStretch();
        symbols->addWidget(regenerate);
        column->addLayout(symbols);
    }

    QVBoxLayout *column;
};

} // namespace

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
    Gallery gallery;
    gallery.resize(620, gallery.heightForWidth(620) > 0 ? gallery.heightForWidth(620)
                                                        : gallery.sizeHint().height());
    gallery.show();
    QVERIFY(QTest::qWaitForWindowActive(&gallery));
    // Show the focus ring as after a Tab.
    gallery.setAttribute(Qt::WA_KeyboardFocusChange);
    gallery.focusedChip->setFocus(Qt::TabFocusReason);
    for (const StrengthMeter *meter : gallery.meters)
        QTRY_VERIFY_WITH_TIMEOUT(!meter->isAnimating(), 2000);
    for (const PasswordDisplay *display : gallery.displays)
        QTRY_VERIFY_WITH_TIMEOUT(!display->isFading(), 2000);

    const QImage image = gallery.grab().toImage();
    const QDir folder(QStringLiteral(TESSELLON_RENDER_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString file = folder.filePath(
        QStringLiteral("gallery-%1.png").arg(QLatin1String(QTest::currentDataTag())));
    QVERIFY2(image.save(file), qPrintable(file));

    QCOMPARE(image.pixelColor(2, 2).rgb(), palette.color(QPalette::Window).rgb());
    // The 300-bit meter is full and drawn in this palette's mint.
    const StrengthMeter *full = gallery.meters.last();
    const QPoint middle = full->mapTo(&gallery, QPoint(full->width() / 2, full->height() / 2));
    QCOMPARE(image.pixelColor(middle).rgb(), excellent.rgb());
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
