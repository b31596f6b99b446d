#include "core/GeneratorModel.h"
#include "services/PreferencesStore.h"
#include "services/SettingsJson.h"
#include "support/TemporaryPreferences.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

// The real store, with every write noted in a shared log of events.
class LoggingStore final : public SettingsStore
{
public:
    explicit LoggingStore(QStringList &log)
        : log(log)
    {}
    Settings load() const override { return store.load(); }
    void save(const Settings &settings) override
    {
        store.save(settings);
        log.append(QStringLiteral("saved"));
        ++saves;
    }

    int saves = 0;

private:
    PreferencesStore store;
    QStringList &log;
};

struct CopyMade
{
    QString text;
    std::optional<std::chrono::milliseconds> autoClearAfter;
};

// A model over the real store in a temporary folder, with every signal
// noted in the same log as the store's writes.
class Fixture
{
public:
    explicit Fixture(CopyTimings timings = {})
    {
        model = std::make_unique<GeneratorModel>(ModelServices{
            .store = store,
            .copyToClipboard =
                [this](const QString &text, std::optional<std::chrono::milliseconds> delay) {
                    copies.append({text, delay});
                },
            .timings = timings});
        const auto note = [this](const char *name) {
            return [this, name] { log.append(QLatin1StringView(name)); };
        };
        QObject::connect(model.get(), &GeneratorModel::currentChanged, note("current"));
        QObject::connect(model.get(), &GeneratorModel::historyChanged, note("history"));
        QObject::connect(model.get(), &GeneratorModel::errorMessageChanged, note("errorMessage"));
        QObject::connect(model.get(), &GeneratorModel::didCopyChanged, note("didCopy"));
        QObject::connect(model.get(), &GeneratorModel::settingsChanged, note("settings"));
    }

    void edit(const std::function<void(Settings &)> &change)
    {
        Settings settings = model->settings();
        change(settings);
        model->setSettings(settings);
    }

    TemporaryPreferences preferences;
    QStringList log;
    LoggingStore store{log};
    QList<CopyMade> copies;
    std::unique_ptr<GeneratorModel> model;
};

} // namespace

class TestGeneratorModel : public QObject
{
    Q_OBJECT

private slots:
    void startsWithAPasswordAndWritesNothing();
    void startsFromStoredSettings();
    void equalSettingsChangeNothing();
    void changeIsStoredAndAnsweredBeforeItIsAnnounced();
    void everyFieldCountsAsAChange();
    void historyKeepsTheTwentyNewest();
    void failureShowsMessageAndKeepsHistory();
    void identicalTextsAreBothKept();
    void clearHistoryAlwaysNotifies();
    void copyHandsOverTextAndDelay_data();
    void copyHandsOverTextAndDelay();
    void copiedFlagFallsAfterTheLatestCopy();
    void resetNeverOutlivesTheModel();
};

void TestGeneratorModel::startsWithAPasswordAndWritesNothing()
{
    Fixture f;
    QVERIFY(f.model->current());
    QCOMPARE(f.model->current()->text.size(), 16);
    QVERIFY(!f.model->errorMessage());
    QVERIFY(f.model->history().isEmpty());
    QVERIFY(!f.model->didCopy());
    QCOMPARE(f.store.saves, 0);
    QVERIFY(!QFile::exists(f.preferences.fileName()));
}

void TestGeneratorModel::startsFromStoredSettings()
{
    TemporaryPreferences preferences;
    preferences.store(QByteArray(R"({"mode":"words","wordCount":7,"separators":"-"})"));
    PreferencesStore store;
    const GeneratorModel model({.store = store});
    QCOMPARE(model.settings().mode, GeneratorMode::words);
    QVERIFY(model.current());
    QCOMPARE(model.current()->text.split(u'-').size(), 7);
}

void TestGeneratorModel::equalSettingsChangeNothing()
{
    Fixture f;
    const GeneratedPassword shown = *f.model->current();
    f.edit([](Settings &s) { s.length = 16; });
    f.model->setSettings(Settings());
    QCOMPARE(f.log, QStringList());
    QCOMPARE(*f.model->current(), shown);
}

void TestGeneratorModel::changeIsStoredAndAnsweredBeforeItIsAnnounced()
{
    Fixture f;
    const GeneratedPassword before = *f.model->current();
    QString seenByObserver;
    QObject::connect(f.model.get(), &GeneratorModel::settingsChanged, f.model.get(),
                     [&] { seenByObserver = f.model->current()->text; });

    f.edit([](Settings &s) { s.length = 20; });

    QCOMPARE(f.log, (QStringList{"saved", "current", "settings"}));
    QCOMPARE(seenByObserver.size(), 20);
    QVERIFY(*f.model->current() != before);
    QVERIFY(f.model->history().isEmpty());
    const std::optional<Settings> stored =
        SettingsJson::decode(f.preferences.storedValue().toByteArray());
    QVERIFY(stored);
    QCOMPARE(stored->length, 20);
}

void TestGeneratorModel::everyFieldCountsAsAChange()
{
    Fixture f;
    const GeneratedPassword before = *f.model->current();
    f.edit([](Settings &s) { s.autoClearClipboard = false; });
    QCOMPARE(f.store.saves, 1);
    QVERIFY(*f.model->current() != before);
    QVERIFY(f.model->history().isEmpty());
}

void TestGeneratorModel::historyKeepsTheTwentyNewest()
{
    Fixture f;
    const GeneratedPassword first = *f.model->current();
    GeneratedPassword previous;
    for (int i = 0; i < 21; ++i) {
        previous = *f.model->current();
        f.log.clear();
        f.model->regenerate(true);
    }
    QCOMPARE(f.model->history().size(), 20);
    QVERIFY(!f.model->history().contains(first));
    QCOMPARE(f.model->history().first(), previous);
    // The 21st entry went in and the oldest came out: two edits, two signals.
    QCOMPARE(f.log, (QStringList{"history", "history", "current"}));
    QCOMPARE(f.store.saves, 0);
}

void TestGeneratorModel::failureShowsMessageAndKeepsHistory()
{
    Fixture f;
    f.model->regenerate(true);
    const QList<GeneratedPassword> history = f.model->history();
    QCOMPARE(history.size(), 1);

    f.log.clear();
    f.edit([](Settings &s) { s.enabledCharacters = CharacterSet::fromText("x"); });
    QVERIFY(!f.model->current());
    QCOMPARE(
        f.model->errorMessage(),
        std::optional(QStringLiteral("Turn on at least one character to generate a password.")));
    QCOMPARE(f.log, (QStringList{"saved", "current", "errorMessage", "settings"}));

    f.model->regenerate(true); // nothing on show, so nothing to record
    QCOMPARE(f.model->history(), history);

    f.log.clear();
    f.edit([](Settings &s) { s.enabledCharacters = CharacterSet::fromText("xy"); });
    QVERIFY(f.model->current());
    QVERIFY(!f.model->errorMessage());
    QCOMPARE(f.log, (QStringList{"saved", "current", "errorMessage", "settings"}));
    QCOMPARE(f.model->history(), history);
}

void TestGeneratorModel::identicalTextsAreBothKept()
{
    Fixture f;
    f.edit([](Settings &s) {
        s.enabledCharacters = CharacterSet::fromText("ab");
        s.length = 4;
    });
    // One text in sixteen repeats the one before; wait for such a pair.
    QString previous = f.model->current()->text;
    int rounds = 0;
    do {
        previous = f.model->current()->text;
        f.model->regenerate(true);
    } while (f.model->current()->text != previous && ++rounds < 2000);
    QCOMPARE(f.model->current()->text, previous);

    f.model->regenerate(true);
    const QList<GeneratedPassword> &history = f.model->history();
    QCOMPARE(history.at(0).text, history.at(1).text);
    QVERIFY(history.at(0) != history.at(1));
}

void TestGeneratorModel::clearHistoryAlwaysNotifies()
{
    Fixture f;
    f.model->clearHistory();
    QCOMPARE(f.log, QStringList{"history"});
    f.model->regenerate(true);
    f.log.clear();
    f.model->clearHistory();
    QCOMPARE(f.log, QStringList{"history"});
    QVERIFY(f.model->history().isEmpty());
}

void TestGeneratorModel::copyHandsOverTextAndDelay_data()
{
    QTest::addColumn<bool>("autoClear");
    QTest::addColumn<bool>("fromHistory");
    QTest::newRow("auto-clear on") << true << false;
    QTest::newRow("auto-clear off") << false << false;
    QTest::newRow("history entry") << true << true;
}

void TestGeneratorModel::copyHandsOverTextAndDelay()
{
    QFETCH(bool, autoClear);
    QFETCH(bool, fromHistory);
    Fixture f;
    f.edit([&](Settings &s) { s.autoClearClipboard = autoClear; });
    f.model->regenerate(true);
    const GeneratedPassword record = fromHistory ? f.model->history().first() : *f.model->current();
    f.log.clear();
    f.model->copy(record);

    QCOMPARE(f.copies.size(), 1);
    QCOMPARE(f.copies.first().text, record.text);
    QCOMPARE(f.copies.first().autoClearAfter, autoClear ? std::optional(60'000ms) : std::nullopt);
    QVERIFY(f.model->didCopy());
    QCOMPARE(f.log, QStringList{"didCopy"});

    // A piece of it goes the same way, without the acknowledgement.
    f.log.clear();
    f.model->copyText(record.text.left(3));
    QCOMPARE(f.copies.size(), 2);
    QCOMPARE(f.copies.last().text, record.text.left(3));
    QCOMPARE(f.copies.last().autoClearAfter, f.copies.first().autoClearAfter);
    QCOMPARE(f.log, QStringList());
}

void TestGeneratorModel::copiedFlagFallsAfterTheLatestCopy()
{
    Fixture f({60'000ms, 600ms});
    QSignalSpy changes(f.model.get(), &GeneratorModel::didCopyChanged);
    f.model->copy(*f.model->current());
    QTest::qWait(300);
    f.model->copy(*f.model->current());
    QElapsedTimer sinceSecondCopy;
    sinceSecondCopy.start();

    QTRY_VERIFY_WITH_TIMEOUT(!f.model->didCopy(), 10'000);
    // The first copy's reset was cancelled: it rose once and fell once,
    // no earlier than the full delay after the second copy.
    QCOMPARE(changes.size(), 2);
    QVERIFY(sinceSecondCopy.elapsed() >= 600);
}

void TestGeneratorModel::resetNeverOutlivesTheModel()
{
    Fixture f({60'000ms, 50ms});
    f.model->copy(*f.model->current());
    f.model.reset();
    // A reset still pending would touch freed memory here, which the
    // sanitizer build of scripts/test reports as a failure.
    QTest::qWait(150);
    QCOMPARE(f.copies.size(), 1);
}

QTEST_GUILESS_MAIN(TestGeneratorModel)
#include "tst_generatormodel.moc"
