// The model: its settings, its history, its failures and its copies.
#include "support/ModelFixture.h"
#include "support/ScriptedRandomSource.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

class TestGeneratorModel : public QObject
{
    Q_OBJECT

private slots:
    void changeIsStoredAndAnsweredBeforeItIsAnnounced()
    {
        ModelFixture f;
        const GeneratedPassword before = *f.model->current();
        f.model->setSettings({.length = 16}); // equal settings change nothing
        QCOMPARE(f.log, QStringList());
        QCOMPARE(*f.model->current(), before);

        f.model->setSettings({.length = 20});
        QCOMPARE(f.log, (QStringList{"saved", "current", "settings"}));
        QCOMPARE(f.model->current()->text.size(), 20);
        QCOMPARE(f.store.stored.length, 20);
        // A change of a field no password depends on still makes a new one.
        const GeneratedPassword twenty = *f.model->current();
        f.model->setSettings({.length = 20, .autoClearClipboard = false});
        QCOMPARE(f.store.saves, 2);
        QVERIFY(*f.model->current() != twenty);
        QVERIFY(f.model->history().isEmpty());
    }

    void historyKeepsTheTwentyNewestEvenWhenEqual()
    {
        // Every draw is 0: every password is "aaaa", yet each is its own entry.
        ScriptedRandomSource random(QList<quint32>(4 * 23, 0));
        ModelFixture f(
            {.start = {.length = 4, .enabledCharacters = {"a", "b"}}, .random = &random});
        f.model->clearHistory(); // already empty: nothing to tell
        QVERIFY(f.log.isEmpty());
        QString dropped; // shares the oldest entry's buffer, as a view's copy does
        for (int i = 0; i < 21; ++i) {
            f.log.clear();
            if (i == 20)
                dropped = f.model->history().last().text;
            f.model->regenerate();
        }
        const QList<GeneratedPassword> &history = f.model->history();
        QVERIFY(history.at(0).text == "aaaa" && history.at(1).text == "aaaa");
        QVERIFY(history.at(0) != history.at(1));
        // What a view still holds of a dropped or cleared entry reads as
        // zeros: the model wiped the buffer they share.
        const QString zeros(4, u'\0'), newest = history.first().text;
        QCOMPARE(dropped, zeros);
        // The 21st entry went in and the oldest came out: each edit told.
        QCOMPARE(f.log, (QStringList{"added", "dropped", "history", "current"}));
        QCOMPARE(f.store.saves, 0);
        f.log.clear();
        f.model->clearHistory();
        QCOMPARE(f.log, (QStringList{"cleared", "history"}));
        QVERIFY(history.isEmpty() && newest == zeros);
    }

    void failureShowsMessageAndKeepsHistory_data()
    {
        QTest::addColumn<Settings>("failing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("one character") << Settings{.enabledCharacters = {"x"}}
                                       << "Turn on at least one character to generate a password."
                                       << QStringList{"ant", "bee"};
        QTest::newRow("no word list") << Settings{.mode = GeneratorMode::words}
                                      << "The word list couldn't be loaded." << QStringList{};
    }

    void failureShowsMessageAndKeepsHistory()
    {
        QFETCH(Settings, failing);
        QFETCH(QString, message);
        QFETCH(QStringList, words);
        ModelFixture f({.words = [&]() -> const QStringList & { return words; }});
        f.model->regenerate();
        const QList<GeneratedPassword> history = f.model->history();
        QCOMPARE(history.size(), 1);

        f.log.clear();
        f.model->setSettings(failing);
        QVERIFY(!f.model->current());
        QCOMPARE(f.model->errorMessage(), std::optional(message));
        QCOMPARE(f.log, (QStringList{"saved", "current", "errorMessage", "settings"}));
        f.model->regenerate(); // nothing on show, so nothing to record
        QCOMPARE(f.model->history(), history);

        f.log.clear();
        f.model->setSettings(Settings());
        QVERIFY(f.model->current() && !f.model->errorMessage());
        QCOMPARE(f.log, (QStringList{"saved", "current", "errorMessage", "settings"}));
        QCOMPARE(f.model->history(), history);
    }

    // A minute, as a number; the end-to-end suite sees the clear off and a
    // current password's copy go through the same way.
    void copyHandsOverTextAndDelay()
    {
        ModelFixture f;
        f.model->regenerate();
        const GeneratedPassword record = f.model->history().first();
        f.log.clear();
        f.model->copy(record);
        QCOMPARE(f.copiedTexts, QStringList{record.text});
        QCOMPARE(f.copyDelays.first(), std::optional(60'000ms));
        QVERIFY(f.model->didCopy());
        QCOMPARE(f.log, QStringList{"didCopy"});

        // A piece of it goes the same way, without the acknowledgement.
        f.log.clear();
        f.model->copyText(record.text.left(3));
        QCOMPARE(f.copiedTexts, (QStringList{record.text, record.text.left(3)}));
        QCOMPARE(f.copyDelays.last(), f.copyDelays.first());
        QCOMPARE(f.log, QStringList());

        // The tests of the built programs may shorten the minute, never lengthen it.
        const std::pair<const char *, std::chrono::milliseconds> asked[] = {
            {"1500", 1500ms}, {"120000", 60'000ms}, {"-5", 60'000ms}, {"soon", 60'000ms}};
        for (const auto &[value, delay] : asked) {
            qputenv("TESSELLON_TEST_CLEAR_AFTER_MS", value);
            QCOMPARE(CopyTimings().autoClear, delay);
        }
        qunsetenv("TESSELLON_TEST_CLEAR_AFTER_MS");
    }

    void copiedFlagFallsAfterTheLatestCopy()
    {
        ModelFixture f({.timings = {60'000ms, 400ms}});
        QSignalSpy changes(f.model.get(), &GeneratorModel::didCopyChanged);
        f.model->copy(*f.model->current());
        QTest::qWait(200);
        f.model->copy(*f.model->current());
        QElapsedTimer sinceSecondCopy;
        sinceSecondCopy.start();
        QTRY_VERIFY_WITH_TIMEOUT(!f.model->didCopy(), 10'000);
        // The first copy's reset was cancelled: one rise, one fall, late enough.
        QCOMPARE(changes.size(), 2);
        QVERIFY(sinceSecondCopy.elapsed() >= 400);
        // A reset pending when the model goes would be a use after free.
        f.model->copy(*f.model->current());
        f.model.reset();
        QTest::qWait(500);
    }
};

QTEST_MAIN(TestGeneratorModel)
#include "tst_generatormodel.moc"
