#include "ui/history/HistoryView.h"

#include "core/GeneratorModel.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/style/SeparatorLine.h"
#include "ui/style/Symbols.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

HistoryView::HistoryView(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_content(new QStackedWidget(this))
    , m_rows(new HistoryListModel(model, this))
    , m_list(new QListView(m_content))
    , m_emptyState(makeEmptyState())
{
    setWindowTitle(tr("History"));
    m_list->setModel(m_rows);
    m_list->setItemDelegate(new HistoryRowDelegate(m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setAccessibleName(tr("History"));
    // A click copies the row; the keys are handled in eventFilter. The panel
    // stays open either way.
    connect(m_list, &QListView::clicked, this,
            [this](const QModelIndex &index) { copyRow(index.row()); });
    m_list->installEventFilter(this);
    setFocusProxy(m_list);
    m_content->addWidget(m_emptyState);
    m_content->addWidget(m_list);

    auto *divider = new SeparatorLine(this);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_content, 1);
    column->addWidget(divider);
    column->addWidget(makeFooter());

    // After every edit the arrow keys start again at the newest row.
    for (auto edit : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_rows, edit, this, &HistoryView::followRows);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &HistoryView::followRows);
    followRows();
}

bool HistoryView::showsEmptyState() const
{
    return m_content->currentWidget() == m_emptyState;
}

QWidget *HistoryView::makeEmptyState()
{
    auto *placeholder = new QWidget(m_content);
    auto *column = new QVBoxLayout(placeholder);
    column->setSpacing(6);
    column->addStretch(1);
    auto *symbol = new QLabel(placeholder);
    symbol->setPixmap(Symbols::icon(QStringLiteral("clock")).pixmap(32, 32));
    symbol->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(tr("No history yet"), placeholder);
    title->setFont(Theme::font(15, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    auto *description =
        new StyledLabel(tr("Passwords you regenerate past will collect here."),
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
    auto *note = new StyledLabel(tr("Kept in memory only \u2014 cleared when you quit."),
                                 Theme::TextStyle::caption, Theme::Foreground::secondary, footer);
    // One line in English; a longer language takes a second one.
    note->setWordWrap(true);
    row->addWidget(note, 1);
    m_clearButton = new QPushButton(tr("Clear"), footer);
    m_clearButton->setAutoDefault(false);
    markDestructive();
    connect(m_clearButton, &QPushButton::clicked, this, [this] { m_model.clearHistory(); });
    row->addWidget(m_clearButton);
    return footer;
}

void HistoryView::followRows()
{
    const bool empty = m_rows->rowCount() == 0;
    m_content->setCurrentWidget(empty ? m_emptyState : m_list);
    m_clearButton->setEnabled(!empty);
    if (!empty)
        m_list->selectionModel()->setCurrentIndex(m_rows->index(0), QItemSelectionModel::NoUpdate);
}

// A destructive action: its title in the standard red of the present
// palette, except while disabled, where the style's muted look stays.
void HistoryView::markDestructive()
{
    QPalette palette = m_clearButton->palette();
    // A title is text: 4.5:1 against the button colour, the least for body
    // text, which also leaves room for styles that shade the face around it
    // and for faces whose thin strokes never reach full ink.
    const QColor red = Theme::legible(Theme::standard(Theme::Standard::red, palette),
                                      palette.color(QPalette::Button), palette, 4.5);
    palette.setColor(QPalette::Active, QPalette::ButtonText, red);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, red);
    palette.setColor(
        QPalette::Disabled, QPalette::ButtonText,
        QApplication::palette(m_clearButton).color(QPalette::Disabled, QPalette::ButtonText));
    m_clearButton->setPalette(palette);
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
    if (watched != m_list
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
    copyRow(m_list->currentIndex().row());
    return true;
}

void HistoryView::copyRow(int row)
{
    if (row >= 0 && row < m_model.history().size())
        m_model.copy(m_model.history().at(row));
    // A copied row is done with: nothing stays highlighted.
    m_list->clearSelection();
}

void HistoryView::hideEvent(QHideEvent *event)
{
    // Nothing carries over to the next opening but the place of the arrow
    // keys, back at the newest row.
    m_list->clearSelection();
    followRows();
    QWidget::hideEvent(event);
}
