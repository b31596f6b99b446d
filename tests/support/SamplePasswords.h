#pragma once

#include "core/GeneratedPassword.h"

// Made-up passwords for the interface tests: never a generated secret in
// a test's output or a rendered image.
namespace SamplePasswords {

inline GeneratedPassword sample(const QString &text)
{
    return {.id = QUuid::createUuid(), .text = text};
}

// 128 characters of every class.
inline QString longSample()
{
    return QStringLiteral("k7#Qm2-Vx9!pR4").repeated(10).left(128);
}

} // namespace SamplePasswords
