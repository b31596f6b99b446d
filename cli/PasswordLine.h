#pragma once

#include "cli/CommandLineRequest.h"
#include "core/GeneratedPassword.h"

#include <QByteArray>

// One password as tessellon-cli prints it, in UTF-8 with its line end: the
// text alone; or with its entropy in bits, rating and crack time, separated
// by tabs; or as one JSON object, which names the rules a password was
// drawn under when there are any (written as the caller has them: in
// one spelling).
QByteArray passwordLine(const GeneratedPassword &password, CommandLineRequest::Output output,
                        const Settings &settings);
