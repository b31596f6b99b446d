#pragma once

#include <QString>

// The text with every ASCII digit replaced by its superscript form; all
// other characters pass through unchanged.
QString superscripted(const QString &text);
