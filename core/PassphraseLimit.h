#pragma once

#include "core/BigCount.h"

#include <QStringList>

// Passphrases that fit in a length limit, as many sites cap a password at
// 20 or so characters. Lengths are in UTF-16 units, as a form's maxlength
// counts them.
namespace PassphraseLimit {

// How many passphrases of `wordCount` words, each join one of the
// separators (none: the words run together), are at most `limit` long.
BigCount countWithin(const QStringList &words, const QStringList &separators, qint64 wordCount,
                     qint64 limit);

} // namespace PassphraseLimit
