// The real window on the platform theme that CTest picks for the run (GTK
// with Adwaita or Adwaita:dark, or Fusion with a dark palette), measured
// from its pixels: every enabled control's symbol or title against what
// lies behind it, in every mode and with the history open. Prints the ratios.
#include "support/ModelFixture.h"
#include "support/Palettes.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/chips/ToggleButton.h"
#include "ui/controls/LabeledRow.h"
#include "ui/history/HistoryPanel.h"
#include "ui/history/HistoryView.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QMap>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// What lies behind is the area's median colour by luminance (a face drawn
// as a gradient has no one commonest colour); the symbol or title is the
// colour that stands out from it most, found in two pixels at least (a lone
// pixel is an edge's blend).
double measured(const QImage &area)
{
    QHash<QRgb, int> counts;
    QList<QRgb> pixels;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            pixels.append(area.pixel(x, y) | 0xFF000000);
            ++counts[pixels.last()];
        }
    std::sort(pixels.begin(), pixels.end(),
              [](QRgb a, QRgb b) { return luminance(QColor(a)) < luminance(QColor(b)); });
    const QColor behind(pixels.at(pixels.size() / 2));
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() >= 2)
            best = std::max(best, contrast(QColor(it.key()), behind));
    return best;
}

// One image of the two, the second below the first.
QImage stacked(const QImage &top, const QImage &bottom)
{
    if (top.isNull())
        return bottom;
    QImage both(std::max(top.width(), bottom.width()), top.height() + bottom.height(),
                QImage::Format_ARGB32);
    both.fill(top.pixel(0, 0));
    QPainter painter(&both);
    painter.drawImage(0, 0, top);
    painter.drawImage(0, top.height(), bottom);
    return both;
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

    // The faintest ratio of each kind of element where seen, and its least.
    QMap<QString, std::pair<double, double>> m_table;

    void note(const QString &where, const QString &what, double ratio, double least)
    {
        const QString key = where.leftJustified(9) + "  " + what;
        m_table.insert(key, {std::min(m_table.value(key, {ratio, least}).first, ratio), least});
    }

    void measure(const QString &where, QWidget *window)
    {
        const QImage shot = window->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const auto area = [&](QWidget *widget, QRect box) {
            box.moveTopLeft(widget->mapTo(window, box.topLeft()));
            return shot.copy(
                QRectF(QPointF(box.topLeft()) * scale, QSizeF(box.size()) * scale).toAlignedRect());
        };
        // Chips of one state share their colours but not their strokes: a
        // thin glyph such as "_" never reaches full ink in some faces, so
        // the chips of a state are measured together.
        QMap<QString, QImage> chips;
        for (auto *button : window->findChildren<QAbstractButton *>()) {
            if (!button->isVisible() || !button->isEnabled())
                continue;
            // A toggle or a row title that is off is drawn faint on purpose,
            // yet must be seen; chips are measured by their state.
            const auto *toggle = qobject_cast<ToggleButton *>(button);
            const auto *title = qobject_cast<ChipRowTitle *>(button);
            const bool faint = (toggle && toggle->state() == ToggleState::off)
                               || (title && title->rowState() == ToggleState::off);
            QString what =
                button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
            if (qobject_cast<CharacterChip *>(button)) {
                QImage &strip = chips[faint ? "chips, off" : "chips, on"];
                strip = stacked(strip, area(button, button->rect()));
                continue;
            }
            if (title)
                what = "row title " + what;
            note(where, what, measured(area(button, button->rect())), faint ? 1.5 : 3);
        }
        for (auto chip = chips.cbegin(); chip != chips.cend(); ++chip)
            note(where, chip.key(), measured(chip.value()), chip.key().endsWith("off") ? 1.5 : 3);
        for (auto *picker : window->findChildren<QComboBox *>())
            note(where, "mode picker", measured(area(picker, picker->rect())), 3);
        for (auto *row : window->findChildren<LabeledRow *>())
            if (row->titleLabel()->isVisible())
                note(where, "title " + row->titleLabel()->text(),
                     measured(area(row->titleLabel(), row->titleLabel()->rect())), 3);
        const int line = QFontMetrics(Theme::font(Theme::TextStyle::caption2)).height();
        for (const HistoryView *history : window->findChildren<HistoryView *>()) {
            QListView *list = history->list();
            for (int i = 0; i < list->model()->rowCount(); ++i) {
                const QModelIndex index = list->model()->index(i, 0);
                const QRect row = list->visualRect(index);
                note(where, "history rows", measured(area(list->viewport(), row)), 3);
                if (!list->selectionModel()->isSelected(index))
                    continue;
                // A pressed row's rating and copy symbol, in its last line.
                const QRect details(row.left() + 22, row.bottom() - 3 - line, row.width() - 30,
                                    line);
                note(where, "history rating",
                     measured(area(list->viewport(), details.adjusted(0, 0, -line - 8, 0))), 3);
                note(where, "history copy symbol",
                     measured(area(list->viewport(),
                                   details.adjusted(details.width() - line - 8, 0, 0, 0))),
                     1.5);
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

        qInfo().noquote() << "contrast on"
                          << (theme.isEmpty() ? "Fusion, dark palette" : "GTK " + theme);
        bool allSeen = true;
        for (auto row = m_table.cbegin(); row != m_table.cend(); ++row) {
            const auto [ratio, least] = row.value();
            allSeen &= ratio >= least;
            qInfo().noquote() << QStringLiteral("%1  %2:1 (at least %3)%4")
                                     .arg(row.key(), -39)
                                     .arg(ratio, 5, 'f', 2)
                                     .arg(least)
                                     .arg(ratio >= least ? "" : "  TOO FAINT");
        }
        QVERIFY(m_table.size() > 30);
        QVERIFY(allSeen);
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
