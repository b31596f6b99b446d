// The real window on the run's theme (GTK Adwaita, Adwaita:dark, or Fusion dark), by its pixels:
// each enabled control's symbol or title against what lies behind, in every mode, history open.
#include "support/ModelFixture.h"
#include "support/Palettes.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/controls/LabeledRow.h"
#include "ui/history/HistoryPanel.h"
#include "ui/history/HistoryView.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// WCAG 2 relative luminance.
static double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// Behind: the median colour by luminance (a gradient face has no commonest one); the symbol or
// title: the colour standing out most, in two pixels at least (one is an edge's blend). WCAG 2.
static double measured(const QList<QImage> &areas)
{
    QHash<QRgb, int> counts;
    QList<double> levels;
    for (const QImage &area : areas) {
        for (int i = 0; i < area.width() * area.height(); ++i) {
            const QRgb pixel = area.pixel(i % area.width(), i / area.width()) | 0xFF000000;
            ++counts[pixel];
            levels << luminance(pixel);
        }
    }
    std::ranges::sort(levels);
    const double behind = levels.at(levels.size() / 2) + 0.05;
    double best = 1;
    for (const auto [pixel, count] : counts.asKeyValueRange()) {
        const double level = luminance(pixel) + 0.05;
        if (count >= 2)
            best = std::max({best, level / behind, behind / level});
    }
    return best;
}

class TestContrast : public QObject
{
    Q_OBJECT

    // The faintest ratio of each kind of element where seen, and its least.
    QMap<QString, std::pair<double, double>> m_table;

    void measure(const QString &where, QWidget *window)
    {
        const QImage shot = window->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const auto area = [&](QWidget *widget, QRect box = {}) {
            box = (box.isNull() ? widget->rect() : box).translated(widget->mapTo(window, QPoint()));
            return shot.copy(QRect(box.topLeft() * scale, box.size() * scale));
        };
        const auto note = [&](const QString &what, const QList<QImage> &areas, double least) {
            const QString key = where.leftJustified(9) + "  " + what;
            const double ratio = std::min(m_table.value(key, {99, 0}).first, measured(areas));
            m_table.insert(key, {ratio, least});
        };
        // Off toggles and row titles are faint on purpose, yet seen (1.5:1). Chips of a state share
        // colours, not strokes (a thin "_" misses full ink in some faces): measured together.
        QMap<QString, QList<QImage>> chips;
        for (auto *button : window->findChildren<QAbstractButton *>()) {
            if (!button->isVisible() || !button->isEnabled())
                continue;
            const auto *toggle = qobject_cast<ToggleButton *>(button);
            const auto *title = qobject_cast<ChipRowTitle *>(button);
            const bool faint = (toggle && toggle->state() == ToggleState::off)
                               || (title && title->rowState() == ToggleState::off);
            const QString name =
                button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
            if (qobject_cast<CharacterChip *>(button))
                chips[faint ? "chips, off" : "chips, on"] << area(button);
            else
                note(title ? "row title " + name : name, {area(button)}, faint ? 1.5 : 3);
        }
        for (auto chip = chips.cbegin(); chip != chips.cend(); ++chip)
            note(chip.key(), chip.value(), chip.key().endsWith("off") ? 1.5 : 3);
        for (auto *picker : window->findChildren<QComboBox *>())
            note("mode picker", {area(picker)}, 3);
        for (auto *row : window->findChildren<LabeledRow *>())
            if (row->titleLabel()->isVisible())
                note("title " + row->titleLabel()->text(), {area(row->titleLabel())}, 3);
        const int line = QFontMetrics(Theme::font(Theme::TextStyle::caption2)).height();
        for (const HistoryView *history : window->findChildren<HistoryView *>()) {
            QListView *list = history->list();
            for (int i = 0; i < list->model()->rowCount(); ++i) {
                const QModelIndex index = list->model()->index(i, 0);
                const QRect row = list->visualRect(index);
                note("history rows", {area(list->viewport(), row)}, 3);
                if (!list->selectionModel()->isSelected(index))
                    continue;
                // A pressed row's rating and copy symbol, in its last line.
                const QRect rating(row.left() + 22, row.bottom() - 3 - line,
                                   row.width() - 38 - line, line);
                const QRect symbol(rating.topRight() + QPoint(1, 0), QSize(line + 8, line));
                note("history rating", {area(list->viewport(), rating)}, 3);
                note("history copy symbol", {area(list->viewport(), symbol)}, 1.5);
            }
        }
    }

private slots:
    void everyControlStandsOut()
    {
        const QByteArray theme = qgetenv("GTK_THEME");
        if (theme.isEmpty()) {
            QApplication::setStyle("Fusion");
            QApplication::setPalette(Palettes::dark());
        }
        // The theme asked for is the one in force: dark means a dark window.
        const bool dark = theme.isEmpty() || theme.endsWith(":dark");
        QCOMPARE(QApplication::palette().color(QPalette::Window).lightness() < 128, dark);
        ModelFixture f;
        MainWindow window(*f.model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (GeneratorMode mode :
             {GeneratorMode::basic, GeneratorMode::advanced, GeneratorMode::words}) {
            // "_" alone would leave the passphrase's chips to the thinnest of strokes.
            f.model->setSettings(
                {.mode = mode, .additionalCharacters = u"é€"_s, .separators = {u"_"_s, u"#"_s}});
            QTest::qWait(300); // the password fades in
            measure(rawValue(mode), &window);
        }
        f.model->regenerate();
        measure("+history", &window); // the History button, now enabled
        auto *view = window.findChild<ContentView *>();
        QTest::mouseClick(view->findChild<QToolButton *>("historyButton"), Qt::LeftButton);
        HistoryPanel *panel = view->historyPanel();
        QTRY_VERIFY(panel->isVisible());
        QTest::qWait(300);
        measure("history", panel);
        QListView *list = panel->view()->list();
        list->setCurrentIndex(list->model()->index(0, 0));
        measure("pressed", panel);

        qInfo("contrast on %s",
              theme.isEmpty() ? "Fusion, dark palette" : ("GTK " + theme).constData());
        int faint = 0;
        for (const auto &[what, measure] : m_table.asKeyValueRange()) {
            const auto [ratio, least] = measure;
            faint += ratio < least;
            qInfo("%-39s  %5.2f:1 (at least %g)%s", qPrintable(what), ratio, least,
                  ratio < least ? "  TOO FAINT" : "");
        }
        QVERIFY(m_table.size() > 30);
        QCOMPARE(faint, 0);
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
