#include "ui/HistoryView.h"

#include "core/GeneratorModel.h"
#include "ui/HistoryRowDelegate.h"
#include "ui/StyledLabel.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

HistoryView::HistoryView(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , model(model)
    , content(new QStackedWidget(this))
    , rows(new QListWidget(content))
    , emptyState(makeEmptyState())
{
    setWindowTitle(QStringLiteral("History"));
    rows->setItemDelegate(new HistoryRowDelegate(rows));
    rows->setFrameShape(QFrame::NoFrame);
    rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    rows->setAccessibleName(QStringLiteral("History"));
    // A click copies the row; the keys are handled in eventFilter. The panel
    // stays open either way.
    connect(rows, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { copyRow(index.row()); });
    rows->installEventFilter(this);
    setFocusProxy(rows);
    content->addWidget(emptyState);
    content->addWidget(rows);

    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(content, 1);
    column->addWidget(divider);
    column->addWidget(makeFooter());

    connect(&model, &GeneratorModel::historyChanged, this, &HistoryView::refresh);
    refresh();
}

bool HistoryView::showsEmptyState() const
{
    return content->currentWidget() == emptyState;
}

QWidget *HistoryView::makeEmptyState()
{
    auto *placeholder = new QWidget(content);
    auto *column = new QVBoxLayout(placeholder);
    column->setSpacing(6);
    column->addStretch(1);
    auto *symbol = new QLabel(placeholder);
    symbol->setPixmap(Symbols::icon(QStringLiteral("clock")).pixmap(32, 32));
    symbol->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(QStringLiteral("No history yet"), placeholder);
    title->setFont(Theme::font(15, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    auto *description =
        new StyledLabel(QStringLiteral("Passwords you regenerate past will collect here."),
                        Theme::TextStyle::callout, Theme::Foreground::secondary, placeholder);
    description->setAlignment(Qt::AlignCenter);
    description->setWordWrap(true);
    for (QWidget *part : {static_cast<QWidget *>(symbol), static_cast<QWidget *>(title),
                          static_cast<QWidget *>(description)})
        column->addWidget(part);
    column->addStretch(1);
    return placeholder;
}

QWidget *HistoryView::makeFooter()
{
    auto *footer = new QWidget(this);
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(footerPadding, footerPadding, footerPadding, footerPadding);
    row->addWidget(
        new StyledLabel(QStringLiteral("Kept in memory only \u2014 cleared when you quit."),
                        Theme::TextStyle::caption, Theme::Foreground::secondary, footer));
    row->addStretch(1);
    clear = new QPushButton(QStringLiteral("Clear"), footer);
    clear->setAutoDefault(false);
    markDestructive();
    connect(clear, &QPushButton::clicked, this, [this] { model.clearHistory(); });
    row->addWidget(clear);
    return footer;
}

void HistoryView::refresh()
{
    rows->clear();
    for (const GeneratedPassword &entry : model.history()) {
        auto *item = new QListWidgetItem(entry.text, rows);
        item->setData(HistoryRowDelegate::EntropyRole, entry.entropyBits);
    }
    const bool empty = model.history().isEmpty();
    content->setCurrentWidget(empty ? emptyState : rows);
    clear->setEnabled(!empty);
    if (!empty)
        rows->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

// A destructive action: its title in the standard red of the present
// palette, except while disabled, where the style's muted look stays.
void HistoryView::markDestructive()
{
    QPalette palette = clear->palette();
    const QColor red = Theme::standard(Theme::Standard::red, palette);
    palette.setColor(QPalette::Active, QPalette::ButtonText, red);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, red);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                     QApplication::palette(clear).color(QPalette::Disabled, QPalette::ButtonText));
    clear->setPalette(palette);
}

void HistoryView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        markDestructive(); // light and dark have different reds
}

// The list would put Ctrl+C on the clipboard itself, unmarked and never
// cleared; here it copies the row the way a click does, as do Enter and
// Return, which would otherwise only activate the row.
bool HistoryView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != rows
        || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool copies = key->matches(QKeySequence::Copy) || key->key() == Qt::Key_Return
                        || key->key() == Qt::Key_Enter;
    if (!copies)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // ours, not a window shortcut's
        return true;
    }
    copyRow(rows->currentRow());
    return true;
}

void HistoryView::copyRow(int row)
{
    if (row >= 0 && row < model.history().size())
        model.copy(model.history().at(row));
}
