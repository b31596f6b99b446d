#pragma once

#include <QFont>
#include <QString>

// Fits a text into a number of lines of a width, wrapping anywhere; when it
// does not fit, characters from its middle give way to an ellipsis so that
// both its beginning and its end stay visible.
QString middleElided(const QString &text, const QFont &font, qreal width, int maxLines);

// The height of a text wrapped anywhere within a width.
qreal wrappedHeight(const QString &text, const QFont &font, qreal width);
