#include "ui/PasswordDisplay.h"

#include "ui/EaseOutAnimation.h"
#include "ui/FittedText.h"
#include "ui/Theme.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <cmath>

namespace {

char32_t firstScalar(QStringView character)
{
    if (character.size() > 1 && character.at(0).isHighSurrogate()
        && character.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(character.at(0), character.at(1));
    return character.at(0).unicode();
}

QColor colorOf(QStringView character, const QPalette &palette)
{
    const char32_t scalar = firstScalar(character);
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
    , shown(makeContent())
    , fade(new EaseOutAnimation(fadeSeconds, this))
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setFocusPolicy(Qt::NoFocus);
    connect(fade, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(fade, &QAbstractAnimation::finished, this, [this] {
        fadingOut.reset();
        update();
    });
}

PasswordDisplay::~PasswordDisplay() = default;

void PasswordDisplay::setPassword(const std::optional<GeneratedPassword> &password,
                                  const std::optional<QString> &errorMessage)
{
    const std::optional<QUuid> before = current ? std::optional(current->id) : std::nullopt;
    const std::optional<QUuid> after = password ? std::optional(password->id) : std::nullopt;
    const QString textBefore = shown->text();
    current = password;
    message = errorMessage;
    std::unique_ptr<FittedText> next = makeContent();
    if (before != after) {
        // Only a new password fades in; a refresh of the same one does not.
        fadingOut = std::move(shown);
        fade->restart();
    }
    if (before != after || next->text() != textBefore)
        select(0, 0);
    shown = std::move(next);

    setFocusPolicy(isSelectable() ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(isSelectable() ? Qt::IBeamCursor : Qt::ArrowCursor);
    setAccessibleName(shown->text().trimmed());
    updateGeometry();
    update();
}

QList<QTextLayout::FormatRange> PasswordDisplay::styled(const QString &text,
                                                        const QPalette &palette)
{
    QList<QTextLayout::FormatRange> runs;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        runs.append(
            run(start, end - start, colorOf(QStringView(text).mid(start, end - start), palette)));
        start = end;
    }
    return runs;
}

const FittedText &PasswordDisplay::content() const
{
    shown->fit(textRect().width());
    return *shown;
}

bool PasswordDisplay::isFading() const
{
    return fade->state() == QAbstractAnimation::Running;
}

std::unique_ptr<FittedText> PasswordDisplay::makeContent() const
{
    if (message) {
        FittedText::Style style{Theme::font(Theme::TextStyle::callout)};
        const QColor secondary = Theme::foreground(Theme::Foreground::secondary, palette());
        return std::make_unique<FittedText>(*message, QList{run(0, message->size(), secondary)},
                                            style);
    }
    if (current) {
        FittedText::Style style{Theme::monospacedFont(13, QFont::Medium), QTextOption::WrapAnywhere,
                                maxLines, minimumScale};
        return std::make_unique<FittedText>(current->text, styled(current->text, palette()), style);
    }
    // A lone space keeps the empty box one line high.
    return std::make_unique<FittedText>(QStringLiteral(" "), QList<QTextLayout::FormatRange>{},
                                        FittedText::Style{Theme::font(Theme::TextStyle::body)});
}

bool PasswordDisplay::isSelectable() const
{
    return !message && current && !current->text.isEmpty();
}

QRectF PasswordDisplay::textRect() const
{
    return QRectF(rect()).adjusted(horizontalPadding, verticalPadding, -horizontalPadding,
                                   -verticalPadding);
}

QString PasswordDisplay::selectedText() const
{
    const qsizetype from = qMin(anchor, cursor);
    return shown->text().mid(from, qMax(anchor, cursor) - from);
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
    anchor = from;
    cursor = to;
    update();
}

QSize PasswordDisplay::sizeHint() const
{
    constexpr int width = 320;
    return {width, heightForWidth(width)};
}

QSize PasswordDisplay::minimumSizeHint() const
{
    const int width = 2 * horizontalPadding + 40;
    return {width, heightForWidth(width)};
}

bool PasswordDisplay::hasHeightForWidth() const
{
    return true;
}

int PasswordDisplay::heightForWidth(int width) const
{
    const qreal textHeight = shown->heightFor(width - 2 * horizontalPadding);
    return int(std::ceil(textHeight)) + 2 * verticalPadding;
}

bool PasswordDisplay::event(QEvent *event)
{
    // Copy belongs to a selection while this box has focus, even when a
    // menu command uses the same keys; without one the command keeps them.
    if (event->type() == QEvent::ShortcutOverride && isSelectable()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->matches(QKeySequence::Copy) && anchor != cursor)
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
        shown = makeContent();
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
    const qreal progress = fade->progress();
    if (fadingOut && progress < 1) {
        painter.setOpacity(1 - progress);
        fadingOut->fit(area.width());
        fadingOut->draw(painter, area.topLeft());
    }
    painter.setOpacity(progress);
    shown->fit(area.width());
    shown->draw(painter, area.topLeft(), selectionFormats());
    // A caret shows only to keyboard users, who need it to select.
    if (isSelectable() && anchor == cursor && Theme::showsFocusRing(this)) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawLine(shown->caretAt(cursor).translated(area.topLeft()));
    }
}

QList<QTextLayout::FormatRange> PasswordDisplay::selectionFormats() const
{
    if (anchor == cursor)
        return {};
    QTextLayout::FormatRange selection;
    selection.start = int(qMin(anchor, cursor));
    selection.length = int(qAbs(cursor - anchor));
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
    select(event->modifiers() & Qt::ShiftModifier ? anchor : at, at);
}

void PasswordDisplay::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !isSelectable()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    select(anchor, positionAt(event->position().toPoint()));
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
        {QKeySequence::MoveToNextChar, false, text.nextPosition(cursor)},
        {QKeySequence::SelectNextChar, true, text.nextPosition(cursor)},
        {QKeySequence::MoveToPreviousChar, false, text.previousPosition(cursor)},
        {QKeySequence::SelectPreviousChar, true, text.previousPosition(cursor)},
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
            select(move.extend ? anchor : move.to, move.to);
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
    QAction *copy = menu.addAction(QStringLiteral("Copy"), this, &PasswordDisplay::copySelection);
    copy->setEnabled(anchor != cursor);
    menu.addAction(QStringLiteral("Select All"), this, &PasswordDisplay::selectAll);
    menu.exec(event->globalPos());
}
