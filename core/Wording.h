#pragma once

#include <QString>

// Texts people read come in their language. What scripts read
// (tessellon-cli's standard output: ratings and crack times) stays in
// English, the language of the source, whatever catalogue is installed.
enum class Wording { userLanguage, english };

// A text marked with QT_TRANSLATE_NOOP (or, with a count, QT_TRANSLATE_N_NOOP)
// in the wording asked for. With a count, "%n" stands for it, in the
// form the language needs for that number.
QString worded(Wording wording, const char *context, const char *text, int count = -1);
