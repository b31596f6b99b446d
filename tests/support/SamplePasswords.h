#pragma once

#include "GeneratedPassword.h"

// Made-up passwords for the interface tests: never a generated secret in
// a test's output or a rendered image.
namespace SamplePasswords {

inline GeneratedPassword sample(const QString &text)
{
    GeneratedPassword password;
    password.id = QUuid::createUuid();
    password.text = text;
    return password;
}

// 128 characters of every class.
inline QString longSample()
{
    QString text;
    while (text.size() < 128)
        text += QStringLiteral("k7#Qm2-Vx9!pR4");
    return text.left(128);
}

} // namespace SamplePasswords
