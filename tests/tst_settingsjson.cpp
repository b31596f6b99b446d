#include "services/SettingsJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <random>

namespace {

Settings expected(const std::function<void(Settings &)> &edit)
{
    Settings settings;
    edit(settings);
    return settings;
}

} // namespace

class TestSettingsJson : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void invalidDocuments_data();
    void invalidDocuments();
    void encodesAllMembersSorted();
    void roundTrip_data();
    void roundTrip();
    void mutatedDocumentsNeverEscapeTheRanges();
};

void TestSettingsJson::decodes_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<Settings>("settings");

    QTest::newRow("empty object") << QByteArray("{}") << Settings();
    QTest::newRow("only mode") << QByteArray(R"({"mode":"words"})")
                               << expected([](Settings &s) { s.mode = GeneratorMode::words; });
    QTest::newRow("length below range")
        << QByteArray(R"({"length":2})") << expected([](Settings &s) { s.length = 4; });
    QTest::newRow("length above range")
        << QByteArray(R"({"length":500})") << expected([](Settings &s) { s.length = 128; });
    QTest::newRow("negative length") << QByteArray(R"({"length":-9223372036854775808})")
                                     << expected([](Settings &s) { s.length = 4; });
    QTest::newRow("largest integer") << QByteArray(R"({"wordCount":9223372036854775807})")
                                     << expected([](Settings &s) { s.wordCount = 12; });
    QTest::newRow("word count 0") << QByteArray(R"({"wordCount":0})")
                                  << expected([](Settings &s) { s.wordCount = 3; });
    QTest::newRow("word count 40")
        << QByteArray(R"({"wordCount":40})") << expected([](Settings &s) { s.wordCount = 12; });
    QTest::newRow("empty separators")
        << QByteArray(R"({"separators":""})") << expected([](Settings &s) { s.separators = {}; });
    QTest::newRow("repeats collapse")
        << QByteArray(R"({"enabledCharacters":"aab"})")
        << expected([](Settings &s) { s.enabledCharacters = CharacterSet::fromText("ab"); });
    QTest::newRow("any character, escaped")
        << QByteArray(R"({"enabledCharacters":"\u00e9\ud83d\ude00e\u0301"})")
        << expected([](Settings &s) {
               s.enabledCharacters = CharacterSet::fromText(QStringLiteral("\u00e9\U0001F600"));
           });
    QTest::newRow("nulls are absent")
        << QByteArray(R"({"mode":null,"length":null,"separators":null,"autoClearClipboard":null})")
        << Settings();
    QTest::newRow("escaped key, spaced out")
        << QByteArray("{ \"\\u006cength\" :\n 20 , \"x\":{\"length\":\"no\"} }")
        << expected([](Settings &s) { s.length = 20; });
    QTest::newRow("unknown keys ignored, any order")
        << QByteArray(R"({"x":[1,{}],"autoClearClipboard":false,"mode":"advanced",)"
                      R"("additionalCharacters":" \"|","excludeAmbiguous":true})")
        << expected([](Settings &s) {
               s.autoClearClipboard = false;
               s.mode = GeneratorMode::advanced;
               s.additionalCharacters = QStringLiteral(" \"|");
               s.excludeAmbiguous = true;
           });
}

void TestSettingsJson::decodes()
{
    QFETCH(QByteArray, json);
    QFETCH(Settings, settings);
    const std::optional<Settings> decoded = SettingsJson::decode(json);
    QVERIFY(decoded);
    QCOMPARE(*decoded, settings);
}

void TestSettingsJson::invalidDocuments_data()
{
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("unknown mode spoils a valid length")
        << QByteArray(R"({"mode":"fancy","length":8})");
    QTest::newRow("capitalised mode") << QByteArray(R"({"mode":"Words"})");
    QTest::newRow("mode as number") << QByteArray(R"({"mode":1})");
    QTest::newRow("length as string") << QByteArray(R"({"length":"16"})");
    QTest::newRow("length as fraction") << QByteArray(R"({"length":16.5})");
    QTest::newRow("length with exponent") << QByteArray(R"({"length":1e1})");
    QTest::newRow("length beyond 64 bits") << QByteArray(R"({"length":9223372036854775808})");
    QTest::newRow("length below 64 bits") << QByteArray(R"({"length":-9223372036854775809})");
    QTest::newRow("whole number with fraction") << QByteArray(R"({"wordCount":5.0})");
    QTest::newRow("repeated key, last not integer") << QByteArray(R"({"length":5,"length":5.5})");
    QTest::newRow("switch as number") << QByteArray(R"({"excludeAmbiguous":1})");
    QTest::newRow("set as array") << QByteArray(R"({"separators":["-"]})");
    QTest::newRow("extras as object") << QByteArray(R"({"additionalCharacters":{}})");
    QTest::newRow("top-level array") << QByteArray(R"([{"mode":"words"}])");
    QTest::newRow("top-level string") << QByteArray(R"("words")");
    QTest::newRow("not JSON") << QByteArray("mode=words");
    QTest::newRow("truncated") << QByteArray(R"({"mode":"words")");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("invalid UTF-8") << QByteArray("{\"additionalCharacters\":\"\xff\"}");
}

void TestSettingsJson::invalidDocuments()
{
    QFETCH(QByteArray, json);
    QVERIFY(!SettingsJson::decode(json));
}

void TestSettingsJson::encodesAllMembersSorted()
{
    Settings settings;
    settings.enabledCharacters = CharacterSet::fromText(QStringLiteral("b\U0001F600a\uFF01"));
    settings.separators = CharacterSet::fromText(QStringLiteral(".-"));
    const QJsonObject object = QJsonDocument::fromJson(SettingsJson::encode(settings)).object();
    QCOMPARE(object.size(), 8);
    QCOMPARE(object.value("mode").toString(), QStringLiteral("basic"));
    QCOMPARE(object.value("length").toVariant().typeId(), QMetaType::LongLong);
    QCOMPARE(object.value("enabledCharacters").toString(), QStringLiteral("ab\uFF01\U0001F600"));
    QCOMPARE(object.value("separators").toString(), QStringLiteral("-."));
    QCOMPARE(object.value("additionalCharacters").toString(), QString());
    QVERIFY(object.value("autoClearClipboard").toBool());
    QVERIFY(object.value("excludeAmbiguous").isBool());
}

void TestSettingsJson::roundTrip_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::newRow("defaults") << Settings();
    QTest::newRow("everything changed") << expected([](Settings &s) {
        s.mode = GeneratorMode::advanced;
        s.length = 128;
        s.wordCount = 3;
        s.enabledCharacters = CharacterSet::fromText(QStringLiteral("x\U0001F44D\U0001F3FD"));
        s.additionalCharacters = QStringLiteral("  \t\"\\\n\U0001F600");
        s.separators = {};
        s.excludeAmbiguous = true;
        s.autoClearClipboard = false;
    });
}

void TestSettingsJson::roundTrip()
{
    QFETCH(Settings, settings);
    const QByteArray json = SettingsJson::encode(settings);
    QCOMPARE(SettingsJson::decode(json), std::optional(settings));
    QCOMPARE(SettingsJson::encode(*SettingsJson::decode(json)), json);
}

// Thousands of damaged documents, from a fixed seed so that a failure
// repeats: each must decode to nothing or to a record within the ranges.
void TestSettingsJson::mutatedDocumentsNeverEscapeTheRanges()
{
    std::mt19937_64 random(20261206);
    const auto pick = [&](auto n) { return decltype(n)(random() % quint64(n)); };
    const QList<QByteArray> values{"null",
                                   "true",
                                   "-0",
                                   "1e400",
                                   "9223372036854775807",
                                   "-9223372036854775809",
                                   "\"\\ud800\"",
                                   "[]",
                                   "{}",
                                   QByteArray(5000, '[') + QByteArray(5000, ']'),
                                   '"' + QByteArray(2'000, 'x') + '"'};
    const QByteArray valid = SettingsJson::encode(Settings());
    int decoded = 0;
    for (int round = 0; round < 20'000; ++round) {
        QByteArray json = valid;
        for (int edits = 1 + pick(4); edits > 0; --edits) {
            switch (pick(4)) {
            case 0: // flip a byte
                json[pick(json.size())] = char(random());
                break;
            case 1: // drop a stretch, perhaps a whole member
                json.remove(pick(json.size()), 1 + pick(40));
                break;
            case 2: { // swap a value for one of another type
                const qsizetype colon = json.indexOf(':', pick(json.size()));
                if (colon >= 0)
                    json.insert(colon + 1, values.at(pick(values.size())) + ',' + "\"z\":");
                break;
            }
            default: // a number at or past the 64-bit edge
                json.replace("16", round % 2 ? "9223372036854775808" : "-9223372036854775807");
            }
        }
        const std::optional<Settings> settings = SettingsJson::decode(json);
        if (!settings)
            continue;
        ++decoded;
        QVERIFY(settings->length >= 4 && settings->length <= 128);
        QVERIFY(settings->wordCount >= 3 && settings->wordCount <= 12);
    }
    // The damage must not be so heavy that nothing ever decodes.
    QVERIFY(decoded > 100);
}

QTEST_APPLESS_MAIN(TestSettingsJson)
#include "tst_settingsjson.moc"
