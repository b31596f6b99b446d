#pragma once

#include "core/GeneratedPassword.h"

#include <QTextLayout>
#include <QWidget>

#include <memory>
#include <optional>

class EaseOutAnimation;
class FittedText;

// The framed box that shows the current password coloured by character
// class (digits orange, letters in the text colour, everything else pink),
// or the error message in its place. The password can be selected and
// copied; a new password (a new id) fades in.
class PasswordDisplay : public QWidget
{
    Q_OBJECT

public:
    static constexpr int horizontalPadding = 10;
    static constexpr int verticalPadding = 8;
    static constexpr qreal cornerRadius = 6;
    static constexpr int maxLines = 3;
    static constexpr qreal minimumScale = 0.6;
    static constexpr double fadeSeconds = 0.15;

    explicit PasswordDisplay(QWidget *parent = nullptr);
    ~PasswordDisplay() override;

    void setPassword(const std::optional<GeneratedPassword> &password,
                     const std::optional<QString> &errorMessage);
    const std::optional<GeneratedPassword> &password() const { return m_password; }
    const std::optional<QString> &errorMessage() const { return m_errorMessage; }

    // One run per character, coloured by its class, over the whole text.
    static QList<QTextLayout::FormatRange> styled(const QString &text, const QPalette &palette);

    // What the box shows, laid out for its present width.
    const FittedText &content() const;

    QString selectedText() const;
    void selectAll();
    // Hands the selection on through copyRequested: a piece of a password is
    // a secret too, so it goes the way of every copy, marked and cleared.
    void copySelection();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

signals:
    void copyRequested(const QString &text);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    std::unique_ptr<FittedText> makeContent() const;
    bool isSelectable() const;
    QRectF textRect() const;
    qsizetype positionAt(const QPoint &point) const;
    void select(qsizetype from, qsizetype to);
    bool moveCursor(QKeyEvent *event);
    QList<QTextLayout::FormatRange> selectionFormats() const;
    void paintBox(QPainter &painter) const;

    std::optional<GeneratedPassword> m_password;
    std::optional<QString> m_errorMessage;
    std::unique_ptr<FittedText> m_content;
    std::unique_ptr<FittedText> m_fadingOut;
    EaseOutAnimation *m_fade;
    qsizetype m_anchor = 0;
    qsizetype m_cursor = 0;
};
