#pragma once

#include <QString>

// The text with every ASCII digit replaced by its superscript form; all
// other characters pass through unchanged.
QString superscripted(const QString &text);

// The whole number of bits, rounded down; 0 for a figure that is not a
// number or lies beyond 64 bits, which no generator produces.
qint64 wholeBits(double bits);

// The size of a search space as the window writes it: "2⁹⁵" for 95.3 bits.
QString powerOfTwo(double bits);
