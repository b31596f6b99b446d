// Draws the interface for a look by eye: every building block, and the
// whole window in each mode with its history, light and dark, and in each
// language in light, into PNG files. Passwords come from a fixed sequence,
// never from the system source, so no image ever holds a real secret.
#include "core/GeneratorModel.h"
#include "startup/Translations.h"
#include "support/ModelFixture.h"
#include "support/Palettes.h"
#include "support/SamplePasswords.h"
#include "ui/ContentView.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRow.h"
#include "ui/chips/GroupToggleButton.h"
#include "ui/controls/LabeledRow.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/history/HistoryPanel.h"
#include "ui/style/Symbols.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// A fixed sequence that looks random enough for a picture.
class SampleRandomSource final : public RandomSource
{
public:
    quint32 randomUInt32() override
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state;
    }

private:
    quint32 m_state = 20161;
};

bool save(QWidget &widget, const QDir &folder, const QString &name)
{
    // Let fades and meters settle before the picture is taken.
    QTest::qWait(400);
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = widget.grab().save(file);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write",
                 qPrintable(file));
    return saved;
}

QWidget *buildingBlocks()
{
    using namespace SamplePasswords;
    auto *gallery = new QWidget;
    gallery->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(gallery);
    column->setContentsMargins(14, 14, 14, 14);

    const std::pair<std::optional<GeneratedPassword>, std::optional<QString>> contents[] = {
        {sample(QStringLiteral("vR7#kq2-Lm9x!Tz4")), std::nullopt},
        {sample(QStringLiteral("k7#Qm2-Vx9!pR4").repeated(10).left(128)), std::nullopt},
        {std::nullopt, QStringLiteral("Turn on at least one character to generate a password.")}};
    for (const auto &[password, message] : contents) {
        auto *display = new PasswordDisplay;
        display->setPassword(password, message);
        column->addWidget(display);
    }
    for (const double bits : {0.0, 52.0, 64.0, 80.0, 95.3, 300.0}) {
        auto *meter = new StrengthMeter;
        meter->setBits(bits);
        auto *readout = new QLabel(QString::number(qint64(bits)));
        readout->setFixedWidth(52);
        column->addWidget(new LabeledRow(QStringLiteral("Strength"), meter, readout));
    }

    auto *groups = new QWidget;
    QHBoxLayout *groupRow = LabeledRow::untitledRow(groups, 6);
    using Kind = CharacterGroup::Kind;
    const std::pair<CharacterGroup, ToggleState> toggles[] = {
        {{Kind::uppercase, "A–Z", {}}, ToggleState::on},
        {{Kind::lowercase, "a–z", {}}, ToggleState::partial},
        {{Kind::digits, "0–9", {}}, ToggleState::off}};
    for (const auto &[group, state] : toggles) {
        auto *button = new GroupToggleButton(group);
        button->setState(state);
        groupRow->addWidget(button);
    }
    column->addWidget(groups);

    const CharacterSet on{"!", "#", "$", "(", ")"};
    for (const auto &[title, characters] :
         {std::pair{"Symbols", QStringList{"!", "#", "$", "%", "&", "*", "+", "=", "@", "^",
                                           "~", "-", "_", ".", ",", ":", ";", "?", "/", "|"}},
          std::pair{"Brackets", QStringList{"(", ")", "[", "]", "{", "}"}}}) {
        auto *row = new ChipRow(QString::fromUtf8(title), characters);
        row->setSelection(on);
        column->addWidget(row);
    }

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
    gallery->resize(620, gallery->sizeHint().height());
    return gallery;
}

// NAME is the theme, and after it the language where one is shown.
bool drawWindow(GeneratorMode mode, const QDir &folder, const QString &name,
                Settings settings = {})
{
    SampleRandomSource random;
    settings.mode = mode;
    ModelFixture fixture({.start = settings, .random = &random});
    for (int i = 0; i < 4; ++i)
        fixture.model->regenerate();
    ContentView view(*fixture.model);
    view.resize(620, 430);
    view.show();
    bool saved = save(view, folder, QStringLiteral("window-%1-%2").arg(rawValue(mode), name));
    if (mode == GeneratorMode::words) {
        HistoryPanel panel(*fixture.model);
        panel.popUp(&view);
        saved = save(panel, folder, QStringLiteral("history-%1").arg(name)) && saved;
    }
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QDir folder(arguments.value(1, QStringLiteral("renders")));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }
    bool saved = true;
    for (const auto &[theme, palette] : {std::pair{QStringLiteral("light"), Palettes::light()},
                                         std::pair{QStringLiteral("dark"), Palettes::dark()}}) {
        QApplication::setPalette(palette);
        std::unique_ptr<QWidget> blocks(buildingBlocks());
        blocks->show();
        saved = save(*blocks, folder, QStringLiteral("gallery-") + theme) && saved;
        for (GeneratorMode mode : allGeneratorModes)
            saved = drawWindow(mode, folder, theme) && saved;
    }
    // Each language the window speaks, in the light theme.
    QApplication::setPalette(Palettes::light());
    saved = drawWindow(GeneratorMode::basic, folder, QStringLiteral("light-rules"),
                       {.requireEachGroup = true,
                        .passwordRules = QStringLiteral(
                            "minlength: 8; maxlength: 64; max-consecutive: 2; required: digit; "
                            "required: upper; required: lower; required: [!#$%&()*-/@\\^_`|~]")})
            && saved;
    for (const QString &language : QStringLiteral(TESSELLON_LANGUAGES).split(u',')) {
        const Translations translations({language});
        for (GeneratorMode mode : allGeneratorModes)
            saved = drawWindow(mode, folder, QStringLiteral("light-") + language) && saved;
    }
    return saved ? 0 : 1;
}
