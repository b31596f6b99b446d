#include "ui/controls/PasswordDisplay.h"

#include "core/Characters.h"

#include "ui/style/EaseOutAnimation.h"
#include "ui/style/Theme.h"
#include "ui/text/FittedText.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <cmath>

namespace {

QColor colorOf(QStringView character, const QPalette &palette)
{
    const char32_t scalar = Characters::firstScalar(character);
    if (QChar::isNumber(scalar))
        return Theme::standard(Theme::Standard::orange, palette);
    if (QChar::isLetter(scalar))
        return Theme::foreground(Theme::Foreground::primary, palette);
    return Theme::standard(Theme::Standard::pink, palette);
}

QTextLayout::FormatRange run(qsizetype start, qsizetype length, const QColor &color)
{
    QTextLayout::FormatRange result;
    result.start = int(start);
    result.length = int(length);
    result.format.setForeground(color);
    return result;
}

} // namespace

PasswordDisplay::PasswordDisplay(QWidget *parent)
    : QWidget(parent)
    , m_content(makeContent())
    , m_fade(new EaseOutAnimation(fadeSeconds, this))
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setFocusPolicy(Qt::NoFocus);
    connect(m_fade, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(m_fade, &QAbstractAnimation::finished, this, [this] {
        m_fadingOut.reset();
        update();
    });
}

PasswordDisplay::~PasswordDisplay() = default;

void PasswordDisplay::setPassword(const std::optional<GeneratedPassword> &password,
                                  const std::optional<QString> &errorMessage)
{
    const std::optional<QUuid> before = m_password ? std::optional(m_password->id) : std::nullopt;
    const std::optional<QUuid> after = password ? std::optional(password->id) : std::nullopt;
    const QString textBefore = m_content->text();
    m_password = password;
    m_errorMessage = errorMessage;
    std::unique_ptr<FittedText> next = makeContent();
    if (before != after) {
        // Only a new password fades in; a refresh of the same one does not.
        m_fadingOut = std::move(m_content);
        m_fade->restart();
    }
    if (before != after || next->text() != textBefore)
        select(0, 0);
    m_content = std::move(next);

    setFocusPolicy(isSelectable() ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(isSelectable() ? Qt::IBeamCursor : Qt::ArrowCursor);
    setAccessibleName(m_content->text().trimmed());
    updateGeometry();
    update();
}

QList<QTextLayout::FormatRange> PasswordDisplay::styled(const QString &text,
                                                        const QPalette &palette)
{
    QList<QTextLayout::FormatRange> runs;
    const QList<qsizetype> cuts = Characters::boundaries(text);
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        const QStringView character = QStringView(text).mid(cuts[i], cuts[i + 1] - cuts[i]);
        runs.append(run(cuts[i], character.size(), colorOf(character, palette)));
    }
    return runs;
}

const FittedText &PasswordDisplay::content() const
{
    m_content->fit(textRect().width());
    return *m_content;
}

std::unique_ptr<FittedText> PasswordDisplay::makeContent() const
{
    if (m_errorMessage) {
        FittedText::Style style{Theme::font(Theme::TextStyle::callout)};
        const QColor secondary = Theme::foreground(Theme::Foreground::secondary, palette());
        return std::make_unique<FittedText>(
            *m_errorMessage, QList{run(0, m_errorMessage->size(), secondary)}, style);
    }
    if (m_password) {
        FittedText::Style style{Theme::monospacedFont(13, QFont::Medium), QTextOption::WrapAnywhere,
                                maxLines, minimumScale, true};
        return std::make_unique<FittedText>(m_password->text, styled(m_password->text, palette()),
                                            style);
    }
    // A lone space keeps the empty box one line high.
    return std::make_unique<FittedText>(QStringLiteral(" "), QList<QTextLayout::FormatRange>{},
                                        FittedText::Style{Theme::font(Theme::TextStyle::body)});
}

bool PasswordDisplay::isSelectable() const
{
    return !m_errorMessage && m_password && !m_password->text.isEmpty();
}

QRectF PasswordDisplay::textRect() const
{
    return QRectF(rect()).adjusted(horizontalPadding, verticalPadding, -horizontalPadding,
                                   -verticalPadding);
}

QString PasswordDisplay::selectedText() const
{
    const qsizetype from = qMin(m_anchor, m_cursor);
    return m_content->text().mid(from, qMax(m_anchor, m_cursor) - from);
}

void PasswordDisplay::selectAll()
{
    if (isSelectable())
        select(0, content().visibleLength());
}

void PasswordDisplay::copySelection()
{
    const QString text = selectedText();
    if (!text.isEmpty())
        emit copyRequested(text);
}

void PasswordDisplay::select(qsizetype from, qsizetype to)
{
    m_anchor = from;
    m_cursor = to;
    update();
}

QSize PasswordDisplay::sizeHint() const
{
    constexpr int width = 320;
    return {width, heightForWidth(width)};
}

QSize PasswordDisplay::minimumSizeHint() const
{
    // Narrow, yet as high as at the ideal width: the layout asks the height
    // for the width it really gives, and fitting the text to a sliver would
    // load the face at every smaller size before the window first shows.
    return {2 * horizontalPadding + 40, sizeHint().height()};
}

bool PasswordDisplay::hasHeightForWidth() const
{
    return true;
}

int PasswordDisplay::heightForWidth(int width) const
{
    const qreal textHeight = m_content->heightFor(width - 2 * horizontalPadding);
    return int(std::ceil(textHeight)) + 2 * verticalPadding;
}

bool PasswordDisplay::event(QEvent *event)
{
    // Copy belongs to a selection while this box has focus, even when a
    // menu command uses the same keys; without one the command keeps them.
    if (event->type() == QEvent::ShortcutOverride && isSelectable()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->matches(QKeySequence::Copy) && m_anchor != m_cursor)
            || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void PasswordDisplay::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_content = makeContent();
        update();
    }
    QWidget::changeEvent(event);
}

void PasswordDisplay::paintBox(QPainter &painter) const
{
    const QRectF box = rect();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        Theme::withOpacity(Theme::foreground(Theme::Foreground::quaternary, palette()), 0.5));
    painter.drawRoundedRect(box, cornerRadius, cornerRadius);
    // The border lies wholly inside the box.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Theme::separator(palette()), 1));
    const QRectF edge = box.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(edge, cornerRadius - 0.5, cornerRadius - 0.5);
}

void PasswordDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBox(painter);
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, rect(), cornerRadius, palette());

    const QRectF area = textRect();
    painter.setClipRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(Theme::foreground(Theme::Foreground::primary, palette()));
    const qreal progress = m_fade->progress();
    if (m_fadingOut && progress < 1) {
        painter.setOpacity(1 - progress);
        m_fadingOut->fit(area.width());
        m_fadingOut->draw(painter, area.topLeft());
    }
    painter.setOpacity(progress);
    m_content->fit(area.width());
    m_content->draw(painter, area.topLeft(), selectionFormats());
    // A caret shows only to keyboard users, who need it to select.
    if (isSelectable() && m_anchor == m_cursor && Theme::showsFocusRing(this)) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawLine(m_content->caretAt(m_cursor).translated(area.topLeft()));
    }
}

QList<QTextLayout::FormatRange> PasswordDisplay::selectionFormats() const
{
    if (m_anchor == m_cursor)
        return {};
    QTextLayout::FormatRange selection;
    selection.start = int(qMin(m_anchor, m_cursor));
    selection.length = int(qAbs(m_cursor - m_anchor));
    selection.format.setBackground(palette().brush(QPalette::Highlight));
    selection.format.setForeground(palette().brush(QPalette::HighlightedText));
    return {selection};
}

qsizetype PasswordDisplay::positionAt(const QPoint &point) const
{
    return content().positionAt(QPointF(point) - textRect().topLeft());
}

void PasswordDisplay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isSelectable()) {
        QWidget::mousePressEvent(event);
        return;
    }
    const qsizetype at = positionAt(event->position().toPoint());
    select(event->modifiers() & Qt::ShiftModifier ? m_anchor : at, at);
}

void PasswordDisplay::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !isSelectable()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    select(m_anchor, positionAt(event->position().toPoint()));
}

void PasswordDisplay::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A password is one word: a double click takes all of it.
    if (event->button() == Qt::LeftButton && isSelectable())
        selectAll();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void PasswordDisplay::keyPressEvent(QKeyEvent *event)
{
    if (!isSelectable()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Copy))
        copySelection();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (!moveCursor(event))
        QWidget::keyPressEvent(event);
}

bool PasswordDisplay::moveCursor(QKeyEvent *event)
{
    const FittedText &text = content();
    struct Move
    {
        QKeySequence::StandardKey key;
        bool extend;
        qsizetype to;
    };
    const Move moves[] = {
        {QKeySequence::MoveToNextChar, false, text.nextPosition(m_cursor)},
        {QKeySequence::SelectNextChar, true, text.nextPosition(m_cursor)},
        {QKeySequence::MoveToPreviousChar, false, text.previousPosition(m_cursor)},
        {QKeySequence::SelectPreviousChar, true, text.previousPosition(m_cursor)},
        {QKeySequence::MoveToStartOfLine, false, 0},
        {QKeySequence::MoveToStartOfDocument, false, 0},
        {QKeySequence::SelectStartOfLine, true, 0},
        {QKeySequence::SelectStartOfDocument, true, 0},
        {QKeySequence::MoveToEndOfLine, false, text.visibleLength()},
        {QKeySequence::MoveToEndOfDocument, false, text.visibleLength()},
        {QKeySequence::SelectEndOfLine, true, text.visibleLength()},
        {QKeySequence::SelectEndOfDocument, true, text.visibleLength()},
    };
    for (const Move &move : moves) {
        if (event->matches(move.key)) {
            select(move.extend ? m_anchor : move.to, move.to);
            return true;
        }
    }
    return false;
}

void PasswordDisplay::contextMenuEvent(QContextMenuEvent *event)
{
    if (!isSelectable())
        return;
    QMenu menu(this);
    QAction *copy = menu.addAction(tr("Copy"), this, &PasswordDisplay::copySelection);
    copy->setEnabled(m_anchor != m_cursor);
    menu.addAction(tr("Select All"), this, &PasswordDisplay::selectAll);
    menu.exec(event->globalPos());
}
