#pragma once

#include <QStyledItemDelegate>

// Draws one history entry (a row of HistoryListModel): its text in at most two lines, cut in the
// middle when longer, and below it the rating dot, the rating with its
// power of two, and a copy symbol.
class QTextLayout;

class HistoryRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int verticalPadding = 3;
    static constexpr int horizontalPadding = 8;
    static constexpr int lineSpacing = 3;
    static constexpr int detailSpacing = 6;
    static constexpr int dotSize = 6;
    static constexpr int maxTextLines = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    // "Good · 2⁷¹" for 71.5 bits.
    static QString ratingText(double bits);
    // The face a row's password is drawn in.
    static QFont textFont();
    // Breaks a row's password, given as FittedText::inOrder() makes it,
    // into lines of the width. Returns the height of the lines.
    static qreal layOutPassword(QTextLayout &layout, qreal width);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    static qreal textWidth(const QStyleOptionViewItem &option);
    void paintDetails(QPainter &painter, const QRect &rect, Qt::LayoutDirection direction,
                      double bits, const QPalette &palette, bool selected) const;
};
