#pragma once

#include "core/RandomSource.h"

#include <QList>
#include <QTest>

// Replays a fixed sequence of 32-bit values and counts the draws; running
// past the end fails the test instead of inventing values.
class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<quint32> values)
        : script(std::move(values))
    {}

    quint32 randomUInt32() override
    {
        if (drawn >= script.size()) {
            QTest::qFail("the scripted random sequence ran out", __FILE__, __LINE__);
            return 0xFFFF'FFFFu; // never rejected, so that a drawing loop ends
        }
        return script.at(drawn++);
    }

    qsizetype draws() const { return drawn; }

private:
    QList<quint32> script;
    qsizetype drawn = 0;
};
