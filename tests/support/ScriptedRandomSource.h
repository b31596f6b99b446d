#pragma once

#include "core/RandomSource.h"

#include <QTest>

// Replays fixed 32-bit values and counts the draws; running out fails the test.
struct ScriptedRandomSource final : RandomSource
{
    explicit ScriptedRandomSource(QList<quint32> values)
        : script(std::move(values))
    {}

    quint32 randomUInt32() override
    {
        if (drawn < script.size())
            return script.at(drawn++);
        QTest::qFail("the scripted random sequence ran out", __FILE__, __LINE__);
        return 0xFFFF'FFFFu; // never rejected, so that a drawing loop ends
    }

    QList<quint32> script;
    qsizetype drawn = 0;
};
