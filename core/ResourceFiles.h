#pragma once

#include <QString>

// Files shipped beside the program (see resources/CMakeLists.txt).
namespace ResourceFiles {

// The path of a shipped file, given relative to the resource folder, or an
// empty text when it is found nowhere.
QString locate(const QString &relativePath);

} // namespace ResourceFiles
