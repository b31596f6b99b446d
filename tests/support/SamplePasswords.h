#pragma once

#include "core/GeneratedPassword.h"

// Made-up passwords: never a generated secret in a test's output or a rendered image.
namespace SamplePasswords {

inline GeneratedPassword sample(const QString &text)
{
    return {.id = QUuid::createUuid(), .text = text};
}

} // namespace SamplePasswords
