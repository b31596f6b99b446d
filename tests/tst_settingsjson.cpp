#include "services/SettingsJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// How the defaults are stored: all eight members, sets as text in code order.
const QByteArray defaults =
    R"({"mode":"basic","length":16,"wordCount":5,"additionalCharacters":"","separators":"_",)"
    R"("enabledCharacters":"#$%&*+-/0123456789=@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\^_)"
    R"(abcdefghijklmnopqrstuvwxyz~","excludeAmbiguous":false,"autoClearClipboard":true})";

} // namespace

class TestSettingsJson : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("changes"); // from the defaults; none when rejected
        const auto row = [](const char *json, const char *changes = nullptr) {
            QTest::newRow(QByteArray(json).replace('\n', "\\n"))
                << QByteArray(json) << QByteArray(changes);
        };
        // Absent and null members keep their defaults, the counts are clamped
        // into 4...128 and 3...12, and a set holds each character once.
        row("{}", "{}");
        row(R"({"mode":null,"length":null,"separators":null,"excludeAmbiguous":null})", "{}");
        row(R"({"length":-9223372036854775808,"wordCount":9223372036854775807})",
            R"({"length":4,"wordCount":12})");
        row(R"({"length":129,"wordCount":2})", R"({"length":128,"wordCount":3})");
        row(R"({"length":3,"wordCount":13})", R"({"length":4,"wordCount":12})");
        row(R"({"enabledCharacters":"aab\u00e9\ud83d\ude00e\u0301","separators":""})",
            R"({"enabledCharacters":"ab\u00e9\ud83d\ude00","separators":""})");
        // Characters that join their neighbours once the set is run together
        // are read as they will be read after a save.
        row(R"({"enabledCharacters":"e\u0602\r\n\u15e9"})",
            R"({"enabledCharacters":"\r\ne\u0602\u15e9"})");
        // Every member, among keys escaped or nested, unknown members, any
        // order and spacing; written back with the sets sorted.
        row("{\"additionalCharacters\":\" \\t\\\"\\\\|\", \"\\u006cength\" :\n 20 , "
            R"("x":{"length":"no"},"y":[1,{}],"mode":"advanced","wordCount":3,)"
            R"("enabledCharacters":"b😀a！","separators":".-","excludeAmbiguous":true,)"
            R"("autoClearClipboard":false})",
            R"({"additionalCharacters":" \t\u0022\u005c|","length":20,"mode":"advanced",)"
            R"("wordCount":3,"enabledCharacters":"ab！😀","separators":"-.",)"
            R"("excludeAmbiguous":true,"autoClearClipboard":false})");
        // A byte-order mark before the document is allowed, whatever follows.
        row("\xEF\xBB\xBF{\"length\":20}", R"({"length":20})");
        row("\xEF\xBB\xBF{\"mode\":\"words\"}", R"({"mode":"words"})");
        // Spoiled whole by text that is not JSON (raw control characters,
        // unknown escapes, lone surrogates, bytes that are not UTF-8), by a
        // member of the wrong type, a number that is not a 64-bit integer
        // literal, an unknown mode, or no object at all.
        for (const char *json :
             {"{\"separators\":\"\t\",\"length\":20}", "{\"separators\":\"a\nb\"}",
              "{\"separators\":\"\x1F\"}", R"({"separators":"\x41","length":20})",
              "{\"separators\":\"\\'\"}", R"({"separators":"\ud800","length":20})",
              R"({"separators":"\udc00"})", R"({"separators":"\ud83dx"})",
              "{\"separators\":\"\xFF\"}", "{\"length\":20} \xEF\xBB\xBF", R"({"length":20,})",
              R"({"length":020})", R"({'length':20})"})
            row(json);
        for (const char *json :
             {R"({"mode":"fancy","length":8})", R"({"mode":"Words"})", R"({"mode":" basic"})",
              R"({"mode":"word"})", R"({"mode":1})", R"({"length":"16"})", R"({"length":1e1})",
              R"({"length":9223372036854775808})", R"({"length":-9223372036854775809})",
              R"({"wordCount":5.0})", R"({"length":5,"length":5.5})", R"({"excludeAmbiguous":1})",
              R"({"separators":["-"]})", R"({"additionalCharacters":{}})", R"([{"mode":"words"}])",
              R"({"mode":"words")"})
            row(json);
    }

    void decodes()
    {
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, changes);
        const std::optional<Settings> settings = SettingsJson::decode(json);
        QCOMPARE(settings.has_value(), !changes.isNull());
        if (!settings)
            return;
        QJsonObject expected = object(defaults);
        for (const QString &key : object(changes).keys())
            expected.insert(key, object(changes).value(key));
        QCOMPARE(object(SettingsJson::encode(*settings)), expected);
        // Saving and reading again changes nothing.
        QCOMPARE(SettingsJson::decode(SettingsJson::encode(*settings)), settings);
    }
};

QTEST_APPLESS_MAIN(TestSettingsJson)
#include "tst_settingsjson.moc"
