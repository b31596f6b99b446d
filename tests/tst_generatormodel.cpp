// The model: its settings, its history, its failures and its copies.
#include "support/ModelFixture.h"
#include "support/ProcessMemory.h"
#include "support/ScriptedRandomSource.h"

#include <QTest>

using namespace std::chrono_literals;

class TestGeneratorModel : public QObject
{
    Q_OBJECT

private slots:
    // Stored and answered before it is told; a failure shows a message and keeps the history.
    void settingsChanges()
    {
        const QStringList noWords;
        ModelFixture f({.words = [&]() -> const QStringList & { return noWords; }});
        f.model->regenerate();
        const QList<GeneratedPassword> history = f.model->history();
        const auto change = [&](const Settings &settings, const QStringList &log,
                                const QString &error = {}) {
            const std::optional<GeneratedPassword> before = f.model->current();
            f.log.clear();
            f.model->setSettings(settings);
            QCOMPARE(f.log, log);
            QCOMPARE(f.store.stored, settings);
            QCOMPARE(f.model->errorMessage().value_or(QString()), error);
            QCOMPARE(f.model->current() != before, log.contains("current"));
            if (f.model->current())
                QCOMPARE(f.model->current()->text.size(), settings.length);
            else
                f.model->regenerate(); // nothing on show, so nothing to record
        };
        const QStringList made{"saved", "current", "settings"},
            failed{"saved", "current", "errorMessage", "settings"};
        change({.length = 16}, {}); // equal settings change nothing
        change({.length = 20}, made);
        change({.length = 20, .autoClearClipboard = false}, made); // no password depends on it
        change({.enabledCharacters = {"x"}}, failed,
               "Turn on at least one character to generate a password.");
        change({.mode = GeneratorMode::words}, {"saved", "errorMessage", "settings"},
               "The word list couldn't be loaded.");
        change(Settings(), failed);
        QCOMPARE(f.model->history(), history);
    }

    void historyKeepsTheTwentyNewestEvenWhenEqual()
    {
        // Every draw is 0: every password is "aaaa", yet each is its own entry.
        ScriptedRandomSource random(QList<quint32>(4 * 22, 0));
        ModelFixture f(
            {.start = {.length = 4, .enabledCharacters = {"a", "b"}}, .random = &random});
        f.model->clearHistory(); // already empty: nothing to tell
        QVERIFY(f.log.isEmpty());
        for (int i = 0; i < 20; ++i)
            f.model->regenerate();
        // Shares the oldest entry's buffer, as a view's copy does.
        const QString dropped = f.model->history().last().text;
        f.log.clear();
        f.model->regenerate();
        const QList<GeneratedPassword> &history = f.model->history();
        QCOMPARE(history.size(), 20);
        QVERIFY(history.at(0).text == "aaaa" && history.at(1).text == "aaaa");
        QVERIFY(history.at(0) != history.at(1)); // each its own entry, known by its id
        QCOMPARE(f.log, (QStringList{"added", "dropped", "history", "current"}));
        QCOMPARE(f.store.saves, 0);
        // What a view still holds of a dropped or cleared entry reads as zeros.
        const QString zeros(4, u'\0'), newest = history.first().text;
        QCOMPARE(dropped, zeros);
        QVERIFY(lockedInMemory(newest.constData()));
        QVERIFY(lockedInMemory(f.model->current()->text.constData()));
        f.log.clear();
        f.model->clearHistory();
        QCOMPARE(f.log, (QStringList{"cleared", "history"}));
        QVERIFY(history.isEmpty() && newest == zeros);
    }

    // A minute before the clear, as a number; "copied" falls a while after the latest copy.
    void copies()
    {
        ModelFixture f({.timings = {.acknowledgement = 400ms}});
        f.model->regenerate();
        const GeneratedPassword record = f.model->history().first();
        f.log.clear();
        // A piece of a password goes the same way, without the acknowledgement.
        f.model->copyText(record.text.left(3));
        QVERIFY(f.log.isEmpty());
        f.model->copy(record);
        QCOMPARE(f.copiedTexts, (QStringList{record.text.left(3), record.text}));
        QCOMPARE(f.copyDelays, (QList{std::optional(60'000ms), std::optional(60'000ms)}));
        QCOMPARE(f.log, QStringList{"didCopy"});
        QTest::qWait(200);
        f.model->copy(record);
        const auto secondCopy = std::chrono::steady_clock::now();
        QTRY_VERIFY_WITH_TIMEOUT(!f.model->didCopy(), 10'000);
        // The first copy's reset was cancelled: one rise, one fall, late enough.
        QVERIFY(std::chrono::steady_clock::now() - secondCopy >= 400ms);
        QCOMPARE(f.log, (QStringList{"didCopy", "didCopy"}));
        // A reset pending when the model goes would be a use after free.
        f.model->copy(record);
        f.model.reset();
        QTest::qWait(500);

        // The tests of the built programs may shorten the minute, never lengthen it.
        const auto clearAfter = [](const char *value) {
            qputenv("TESSELLON_TEST_CLEAR_AFTER_MS", value);
            return CopyTimings().autoClear;
        };
        QCOMPARE(clearAfter("1500"), 1500ms);
        for (const char *value : {"120000", "-5", "soon"})
            QCOMPARE(clearAfter(value), 60'000ms);
        qunsetenv("TESSELLON_TEST_CLEAR_AFTER_MS");
    }
};

QTEST_MAIN(TestGeneratorModel)
#include "tst_generatormodel.moc"
