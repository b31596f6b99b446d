// The core: character tables, settings, the word list, drawing and rating.
#include "core/Alphabet.h"
#include "core/Characters.h"
#include "core/PasswordGenerator.h"
#include "core/PasswordRules.h"
#include "core/Requirements.h"
#include "core/ResourceFiles.h"
#include "core/SecretWipe.h"
#include "core/SiteRules.h"
#include "core/Strength.h"
#include "core/Superscript.h"
#include "core/Wordlist.h"
#include "support/ChiSquare.h"
#include "support/ProcessMemory.h"
#include "support/ScriptedRandomSource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <barrier>
#include <cmath>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Length and word count alike, so that one number serves both kinds of row.
Settings make(QStringView mode, const QString &pool, qint64 units, const QString &separators = "_",
              bool excludeAmbiguous = false, const QString &extras = {})
{
    return {.mode = generatorModeFromRawValue(mode).value(),
            .length = units,
            .wordCount = units,
            .enabledCharacters = CharacterSet::fromText(pool),
            .additionalCharacters = extras,
            .separators = CharacterSet::fromText(separators),
            .excludeAmbiguous = excludeAmbiguous};
}

// Draws replayed and used up exactly; no words: the shipped list; no text: an error.
struct Replay
{
    Settings settings;
    QStringList words;
    QList<quint32> script;
    QString text;
    double bits;
    qint64 poolSize;
};

Settings withRules(Settings settings, const QString &rules, bool eachGroup = false)
{
    settings.passwordRules = rules;
    settings.requireEachGroup = eachGroup;
    return settings;
}

// The test's own reading of a row: what a password may hold, the sets it
// must each touch, the longest run of one character.
struct Demands
{
    QString alphabet;
    QStringList needs; // regular expression classes
    int maxRun = 0;

    bool metBy(const QString &text) const
    {
        static const QRegularExpression runs(u"(.)\\1*"_s);
        for (const auto &run : runs.globalMatch(text)) {
            if (maxRun > 0 && run.capturedLength() > maxRun)
                return false;
        }
        return std::ranges::all_of(
            needs, [&](const QString &need) { return text.contains(QRegularExpression(need)); });
    }

    // Every string of the length over the alphabet, counted one by one.
    qint64 count(qint64 length) const
    {
        const QStringList characters = Characters::graphemes(alphabet);
        qint64 met = 0;
        QList<qsizetype> digits(length, 0);
        for (bool more = true; more;) {
            QString text;
            for (qsizetype d : digits)
                text += characters[d];
            met += metBy(text);
            more = false;
            for (qsizetype &d : digits) {
                if (++d < characters.size()) {
                    more = true;
                    break;
                }
                d = 0;
            }
        }
        return met;
    }
};

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // Printable ASCII but space, quotes, backtick and bar, each in one group.
        QString grouped;
        for (const CharacterGroup &group : Alphabet::all())
            grouped += group.characters.join(QString());
        QTest::newRow("grouped") << QString::number(grouped.size()) << "90";
        QTest::newRow("groups") << CharacterSet::fromText(grouped).toText()
                                << "!#$%&()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
                                   "abcdefghijklmnopqrstuvwxyz{}~";
        QTest::newRow("title") << Alphabet::uppercase().title() << "A\u2013Z"; // an en dash
        QTest::newRow("ambiguous") << Alphabet::ambiguous().toText() << "01IOl";
        QTest::newRow("separator choices")
            << Settings::separatorChoices().join(QString()) << "-_=+*^~/\\@#$%&!?,.:;";
        QTest::newRow("canonically equal")
            << QString::number(CharacterSet::fromText("\u00E9").contains("e\u0301")) << "1";

        // Space-joined to show multi-code-point characters; exclusion is in generates().
        const auto pool = [](const Settings &settings) {
            return settings.effectivePool().join(u' ');
        };
        QTest::newRow("basic ignores extras")
            << pool(make(u"basic", "ba", 16, "_", false, "xyz")) << "a b";
        QTest::newRow("any separator")
            << make(u"words", {}, 3, ".x-0").effectiveSeparators().join(u' ') << "- . 0 x";
        QTest::newRow("whitespace and repeats dropped")
            << pool(make(u"advanced", "", 16, "_", false, " a a\tb \u3000c\u00A0d\r\ne\u200B"))
            << "a b c d e \u200B";
        QTest::newRow("extras join enabled")
            << pool(make(u"advanced", "ba", 16, "_", false, "\"'`|c")) << "\" ' ` a b c |";
        QTest::newRow("graphemes in scalar order")
            << pool(make(u"advanced", "！~!", 16, "_", false, "😀a🇩🇪👍🏽x\u0301x"))
            << "! a x x\u0301 ~ ！ 🇩🇪 👍🏽 😀";

        // One word a line: LF ends a line unless CR stands before it.
        const auto entries = [](const QByteArray &data) {
            return Wordlist::fromData(data).join(u'|');
        };
        QTest::newRow("blank lines and the last LF add nothing")
            << entries("\n\nalpha\n\n\nbeta\n\n") << "alpha|beta";
        QTest::newRow("no last LF; spaces, repeats and UTF-8 kept")
            << entries("  \n lead \ncaf\xc3\xa9\n\xf0\x9f\x8c\x8a\ncaf\xc3\xa9")
            << "  | lead |caf\u00e9|\U0001F30A|caf\u00e9";
        QTest::newRow("CR LF is no separator")
            << entries("alpha\r\nbeta\r\n\ngamma") << "alpha\r\nbeta\r\n|gamma";
        QTest::newRow("invalid UTF-8") << entries("alpha\n\xff\xfe\nbeta") << "";
        QTest::newRow("cut-off UTF-8 sequence") << entries("alpha\xc3") << "";

        // Ratings change at 40, 64, 80 and 112 bits; cracking: half the space at 1e11/s.
        const auto shown = [](double bits) {
            return Strength(bits).label() + ", " + GeneratedPassword{{}, {}, bits}.crackTime();
        };
        QTest::newRow("37 bits") << shown(37) << "Weak, instantly";
        QTest::newRow("39.99 bits") << shown(39.99) << "Weak, 5 seconds";
        QTest::newRow("40 bits") << shown(40) << "Fair, 5 seconds";
        QTest::newRow("63.9 bits") << shown(63.9) << "Fair, 2 years";
        QTest::newRow("64 bits") << shown(64) << "Good, 2 years";
        QTest::newRow("80 bits") << shown(80) << "Strong, 192 thousand years";
        QTest::newRow("111.9 bits") << shown(111.9) << "Strong, 768 trillion years";
        QTest::newRow("112 bits") << shown(112) << "Excellent, 823 trillion years";
        QTest::newRow("128 bits") << shown(128) << "Excellent, 54 quintillion years";

        // Whole units, rounded down; from 1000 years, half to even under a scale word.
        const auto duration = [](double seconds) {
            return GeneratedPassword::humanDuration(seconds);
        };
        const double year = 31'557'600.0;
        QTest::newRow("NaN") << duration(qQNaN()) << "effectively forever";
        QTest::newRow("59.9 s") << duration(59.9) << "59 seconds";
        QTest::newRow("60 s") << duration(60) << "1 minutes";
        QTest::newRow("3600 s") << duration(3600) << "1 hours";
        QTest::newRow("86400 s") << duration(86'400) << "1 days";
        QTest::newRow("a second short of a year") << duration(year - 1) << "365 days";
        QTest::newRow("a year of 365.25 days") << duration(year) << "1 years";
        QTest::newRow("999.9 years") << duration(999.9 * year) << "999 years";
        QTest::newRow("1000 years") << duration(1000 * year) << "1 thousand years";
        QTest::newRow("999,500 years") << duration(999'500 * year) << "1000 thousand years";
        QTest::newRow("2,500 years") << duration(2'500 * year) << "2 thousand years";
        QTest::newRow("1e21 years") << duration(1e21 * year) << "effectively forever";

        // Only a digit standing alone as a character; a keycap is another.
        QTest::newRow("superscript")
            << superscripted("a -0123456789 1\uFE0F\u20E3") << "a -⁰¹²³⁴⁵⁶⁷⁸⁹ 1\uFE0F\u20E3";
    }

    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    // Threads racing to the first use all get the one list, from the shipped file.
    void shippedListLoadsOnce()
    {
        std::array<const QString *, 8> seen{};
        std::barrier start(seen.size());
        {
            std::vector<std::jthread> threads;
            for (const QString *&data : seen)
                threads.emplace_back([&] {
                    start.arrive_and_wait();
                    data = Wordlist::words().constData();
                });
        }
        for (const QString *data : seen)
            QCOMPARE(data, Wordlist::words().constData());
    }

    // Each shipped list is the file its notice names: 7,776 distinct words
    // of lower-case letters (and the EFF's few hyphens).
    void shippedLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("sha256");
        QTest::newRow("en")
            << "en"
            << "wordlist.txt"
            << "6d557f0693958fb5e650b68b5bee585eb82cf4da32965505c789e924743bc522"_ba;
        QTest::newRow("de")
            << "de"
            << "wordlist-de.txt"
            << "dc384a9c07454a2708eab76bb27b84d1f41a735493e454ef0b884efd1e90364f"_ba;
        QTest::newRow("pt_BR")
            << "pt_BR"
            << "wordlist-pt_BR.txt"
            << "e03a241cb53f251c9124ca85886e0316490319cca0eaea2c53883e89cefcafba"_ba;
    }

    void shippedLists()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QByteArray, sha256);
        QFile shipped(ResourceFiles::locate(file));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(QCryptographicHash::hash(shipped.readAll(), QCryptographicHash::Sha256).toHex(),
                 sha256);
        const QStringList &words = Wordlist::words(name);
        QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), 7776);
        static const QRegularExpression letters(u"[\\p{Ll}-]+"_s); // the EFF's "drop-down"
        for (const QString &word : words)
            QVERIFY2(letters.match(word).capturedLength() == word.size(), qPrintable(word));
        QCOMPARE(Wordlist::chosen(Settings{.wordList = name}), name);
    }

    // Values below 2^32 mod n are drawn again; what is left maps to value % n.
    void randomIndex_data()
    {
        QTest::addColumn<quint32>("count");
        QTest::addColumn<QList<quint32>>("script");
        QTest::addColumn<quint32>("index");
        QTest::newRow("one draws nothing") << 1u << QList<quint32>{} << 0u;
        QTest::newRow("three rejects only zero") << 3u << QList<quint32>{0, 1} << 1u;
        QTest::newRow("64 never rejects") << 64u << QList<quint32>{0} << 0u;
        QTest::newRow("76 rejects below 44") << 76u << QList<quint32>{43, 0, 44} << 44u;
        QTest::newRow("7776 rejects below 2560") << 7776u << QList<quint32>{2559, 2560} << 2560u;
        QTest::newRow("top of the range") << 7776u << QList<quint32>{0xFFFF'FFFFu} << 2559u;
        QTest::newRow("largest count")
            << 0xFFFF'FFFFu << QList<quint32>{0, 0xFFFF'FFFEu} << 0xFFFF'FFFEu;
    }

    void randomIndex()
    {
        QFETCH(quint32, count);
        QFETCH(QList<quint32>, script);
        QFETCH(quint32, index);
        ScriptedRandomSource random(script);
        QCOMPARE(random.randomIndex(count), index);
        QCOMPARE(random.draws(), script.size());
    }

    void generates_data()
    {
        QTest::addColumn<Replay>("replay");
        const QStringList four{"alpha", "bravo", "charlie", "delta"};
        QTest::newRow("shipped list; one separator is never drawn")
            << Replay(make(u"words", {}, 5), {}, {2559, 7776, 7776 + 7775, 7777, 7778, 7776},
                      "abacus_zoom_abdomen_abdominal_abacus", 5 * std::log2(7776.0), 7776);
        QTest::newRow("words first, then separators") << Replay(
            make(u"words", {}, 3, ".-"), four, {2, 0, 3, 1, 0}, "charlie.alpha-delta", 8, 4);
        QTest::newRow("no separator")
            << Replay(make(u"words", {}, 3, ""), four, {3, 2, 3}, "deltacharliedelta", 6, 4);
        QTest::newRow("excluded separator leaves one")
            << Replay(make(u"words", {}, 2, "0-", true), four, {0, 1}, "alpha-bravo", 4, 4);
        QTest::newRow("extras in, ambiguous out; 0 rejected")
            << Replay(make(u"advanced", "0ab", 3, "_", true, "I c"), {}, {0, 2, 3, 1}, "cab",
                      3 * std::log2(3.0), 3);
        QTest::newRow("characters of two UTF-16 units among one-unit ones")
            << Replay(make(u"basic", "a😀e\u0301", 5), {}, {3, 1, 2, 1, 3}, "a\u00e9😀\u00e9a",
                      5 * std::log2(3.0), 3);
        // "aba" has no digit: a whole new password is drawn, nothing is patched in.
        QTest::newRow("a draw that misses a group, drawn again whole")
            << Replay(withRules(make(u"basic", "ab12", 3), {}, true), {}, {2, 3, 2, 0, 2, 3}, "1ab",
                      std::log2(64.0 - 2 * 8), 4);
        // Fewer than two characters or words: an error, and nothing drawn.
        QTest::newRow("one character") << Replay(make(u"basic", "a", 16), {}, {}, {}, 0, 0);
        QTest::newRow("one word") << Replay(make(u"words", {}, 5), {"only"}, {}, {}, 0, 0);
    }

    void generates()
    {
        QFETCH(Replay, replay);
        const auto words = [&]() -> const QStringList & {
            return replay.words.isEmpty() ? Wordlist::words() : replay.words;
        };
        ScriptedRandomSource random(replay.script);
        const GenerationResult result = PasswordGenerator::generate(replay.settings, random, words);
        QCOMPARE(random.draws(), replay.script.size());
        if (replay.text.isNull()) {
            QCOMPARE(std::get<GeneratorError>(result), replay.settings.mode == GeneratorMode::words
                                                           ? GeneratorError::wordlistUnavailable
                                                           : GeneratorError::emptyAlphabet);
            return;
        }
        const GeneratedPassword &password = std::get<GeneratedPassword>(result);
        QCOMPARE(password.text, replay.text);
        QCOMPARE(password.entropyBits, replay.bits);
        QCOMPARE(password.poolSize, replay.poolSize);
        QCOMPARE(password.unitCount, replay.settings.length);
    }

    // The passwords that meet the rules, counted exactly: against the
    // test's own enumeration, or against figures worked out apart.
    void countsRules_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<Demands>("demands");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<double>("bits"); // NaN: enumerate
        const double each = std::nan("");
        const auto row = [](const char *name, Settings settings, Demands demands, qint64 length,
                            double bits) {
            QTest::newRow(name) << settings << demands << length << bits;
        };
        row("every group", withRules(make(u"basic", "ab12", 4), {}, true),
            {"ab12", {"[ab]", "[12]"}}, 4, each);
        row("overlapping required sets",
            withRules(make(u"basic", "abc12", 4), "required: [ab]; required: [bc], digit"),
            {"abc12", {"[ab]", "[bc12]"}}, 4, each);
        row("a set inside another",
            withRules(make(u"basic", "abc1", 3), "required: lower; required: [a]"),
            {"abc", {"[a-z]", "a"}}, 3, each); // with nothing allowed, only the required
        row("a required set that is also a group",
            withRules(make(u"basic", "ab12", 4), "allowed: lower; required: digit", true),
            {"ab12", {"[ab]", "[12]"}}, 4, each);
        row("runs of two and every group",
            withRules(make(u"basic", "ab1", 6), "max-consecutive: 2", true),
            {"ab1", {"[ab]", "1"}, 2}, 6, each);
        row("allowed narrows, maxlength shortens",
            withRules(make(u"basic", "abcd123", 16), "maxlength: 5; allowed: [abc1]"), {"abc1", {}},
            5, each);
        row("minlength lengthens",
            withRules(make(u"basic", "ab", 4), "minlength: 6; allowed: [a]; required: [b]"),
            {"ab", {"b"}}, 6, each);
        row("under a maxlength, one UTF-16 unit a character",
            withRules(make(u"advanced", "ab", 4, "_", false, "\U0001F600\u00e9"), "maxlength: 6"),
            {"ab\u00e9", {}}, 4, each);
        row("the extras are a group",
            withRules(make(u"advanced", "ab", 4, "_", false, "\u00e9"), {}, true),
            {"ab\u00e9", {"[ab]", "\u00e9"}}, 4, each);
        row("every group of the defaults", withRules(Settings(), {}, true), {}, 16,
            99.74388296389596);
        row("binary, runs of two", withRules(make(u"basic", "ab", 100), "max-consecutive: 2"), {},
            100, 69.95746922924867);
        row("digits, no repeat", withRules(make(u"basic", "0123456789", 128), "max-consecutive: 1"),
            {}, 128, 405.90240327806106);
    }

    void countsRules()
    {
        QFETCH(Settings, settings);
        QFETCH(Demands, demands);
        QFETCH(qint64, length);
        QFETCH(double, bits);
        const auto requirements = std::get<Requirements>(Requirements::from(settings));
        QCOMPARE(requirements.length(), length);
        if (!std::isnan(bits)) {
            QCOMPARE(requirements.entropyBits(), bits);
            return;
        }
        QCOMPARE(qRound64(std::exp2(requirements.entropyBits())), demands.count(length));
        const auto password = std::get<GeneratedPassword>(PasswordGenerator::generate(settings));
        QCOMPARE(password.entropyBits, requirements.entropyBits());
        QCOMPARE(password.poolSize, Characters::graphemes(demands.alphabet).size());
        QVERIFY2(demands.metBy(password.text), qPrintable(password.text));
    }

    // Passphrases within a length limit: counted against the test's own
    // enumeration of every passphrase, or figures worked out apart for the
    // shipped list; each drawn one fits.
    void passphraseLimit_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("separators");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<double>("bits"); // NaN: enumerate
        const QStringList few{"a", "bb", "ccc", "dddd", "ee"};
        const double each = std::nan("");
        QTest::newRow("two separators") << few << "-+" << 3ll << 8ll << each;
        QTest::newRow("one separator") << few << "-" << 4ll << 11ll << each;
        QTest::newRow("none") << few << "" << 3ll << 5ll << each;
        QTest::newRow("shipped, 3 words in 20")
            << QStringList() << "_" << 3ll << 20ll << 36.31257624707826;
        QTest::newRow("shipped, 4 words in 24, two separators")
            << QStringList() << "._" << 4ll << 24ll << 49.198348490342894;
    }

    void passphraseLimit()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, separators);
        QFETCH(qint64, count);
        QFETCH(qint64, limit);
        QFETCH(double, bits);
        Settings settings = make(u"words", {}, count, separators);
        settings.passphraseLimit = limit;
        const QStringList &list = words.isEmpty() ? Wordlist::words() : words;
        const auto password = std::get<GeneratedPassword>(PasswordGenerator::generate(
            settings, RandomSource::system(), [&]() -> const QStringList & { return list; }));
        QVERIFY(password.text.size() <= limit);
        if (!std::isnan(bits)) {
            QCOMPARE(password.entropyBits, bits);
            return;
        }
        // Every sequence of words and joins, counted one by one.
        const QStringList joins =
            separators.isEmpty() ? QStringList{""} : separators.split("", Qt::SkipEmptyParts);
        qint64 fitting = 0;
        const qint64 units = 2 * count - 1, choices = list.size() * joins.size();
        for (qint64 n = 0, all = qint64(std::pow(double(choices), double(count))) / joins.size();
             n < all; ++n) {
            QString text;
            for (qint64 i = 0, rest = n; i < units; ++i) {
                const QStringList &from = i % 2 ? joins : list;
                text += from.at(rest % from.size());
                rest /= from.size();
            }
            fitting += text.size() <= limit;
        }
        QCOMPARE(qRound64(std::exp2(password.entropyBits)), fitting);
    }

    // Rules no password meets, or too few: told, nothing drawn.
    void refusesRules_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<GeneratorError>("error");
        const auto row = [](const char *name, Settings settings, GeneratorError::Kind kind,
                            const QString &detail) {
            QTest::newRow(name) << settings << GeneratorError(kind, detail);
        };
        row("unreadable", withRules(Settings(), "minlen: 3"), GeneratorError::rulesUnreadable,
            "minlen: 3");
        row("a required set with nothing on",
            withRules(make(u"basic", "ab12", 8), "required: upper"), GeneratorError::ruleUnmet,
            "required: upper");
        row("one character allowed", withRules(make(u"basic", "ab", 8), "allowed: [a]"),
            GeneratorError::ruleUnmet, "allowed: [a]");
        row("lengths that cross", withRules(Settings(), "minlength: 9; maxlength: 8"),
            GeneratorError::lengthUnmet, "minlength: 9; maxlength: 8");
        row("longer than any password", withRules(Settings(), "minlength: 99999999"),
            GeneratorError::lengthUnmet, "minlength: 99999999");
        row("no character at all", withRules(Settings(), "maxlength: 0"),
            GeneratorError::lengthUnmet, "maxlength: 0");
        QString seventeen;
        for (char c = 'a'; c <= 'q'; ++c)
            seventeen += u"required: [%1]; "_s.arg(QLatin1Char(c));
        row("seventeen groups", withRules(make(u"basic", "abcdefghijklmnopq", 20), seventeen),
            GeneratorError::tooManyGroups, {});
        row("four groups in three characters", withRules(make(u"basic", "aA1-", 3), {}, true),
            GeneratorError::rulesUnmetAtLength, "3");
        row("one draw in 2^19", withRules(make(u"basic", "ab", 20), "max-consecutive: 1"),
            GeneratorError::rulesTooRare, "524288");
        row("one draw in 2^127", withRules(make(u"basic", "ab", 128), "max-consecutive: 1"),
            GeneratorError::rulesTooRare, "1.7e+38");
        Settings passphrase = make(u"words", {}, 3);
        passphrase.passphraseLimit = 10; // three words of three letters and two joins: 11
        row("three words in ten", passphrase, GeneratorError::passphraseTooLong, "10");
    }

    void refusesRules()
    {
        QFETCH(Settings, settings);
        QFETCH(GeneratorError, error);
        ScriptedRandomSource random({});
        GeneratorError refused =
            std::get<GeneratorError>(PasswordGenerator::generate(settings, random));
        // The locale's digit groups and its exponent's case (1.7e+38, 1.7E+38) aside.
        refused.detail = refused.detail.remove(u',').toLower();
        QCOMPARE(refused.kind, error.kind);
        QCOMPARE(refused.detail, error.detail);
    }

    // Rules as sites publish them, read back in one spelling, or the part
    // that cannot be read; and a site's own rules found by its address.
    void readsRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("unreadable");
        const auto row = [](const char *text, const char *read, const char *unreadable = nullptr) {
            QTest::newRow(text) << QString(text) << QString(read) << QString(unreadable);
        };
        row("max-consecutive: 2; minlength: 10; maxlength: 15; allowed: upper; required: digit, "
            "special;",
            "minlength: 10; maxlength: 15; max-consecutive: 2; required: digit, special; allowed: "
            "upper");
        row("Required: UPPER ;; allowed:lower,ascii-printable,unicode",
            "required: upper; allowed: lower, ascii-printable, unicode");
        row("required: [-().&@?'#,/\"+]", "required: [\"#&'()+,-./?@]");
        row("required: [abc]]; required: [;]", "required: [abc]]; required: [;]");
        row("required: digit; required: digit", "required: digit");
        row("minlength: 8; minlength: 10; maxlength: 20; maxlength: 12; max-consecutive: 3; "
            "max-consecutive: 2",
            "minlength: 10; maxlength: 12; max-consecutive: 2");
        row("minlength: 8; minlen: 3; maxlength: 9", "", "minlen: 3");
        row("required: digits", "", "required: digits");
        row("required: digit upper", "", "required: digit upper");
        row("maxlength: -1", "", "maxlength: -1");
        row("max-consecutive: 0", "", "max-consecutive: 0");
        row("required: [abc", "", "required: [abc");
    }

    void readsRules()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QFETCH(QString, unreadable);
        const auto parsed = PasswordRules::parse(text);
        if (!unreadable.isNull()) {
            QCOMPARE(std::get<QString>(parsed), unreadable);
            return;
        }
        QCOMPARE(std::get<PasswordRules>(parsed).toText(), read);
        QCOMPARE(std::get<PasswordRules>(PasswordRules::parse(read)),
                 std::get<PasswordRules>(parsed));
        for (const QString &site : {u"https://www.163.com/login"_s, u"163.COM."_s})
            QCOMPARE(SiteRules::rulesFor(site), u"minlength: 6; maxlength: 16;"_s);
        QCOMPARE(SiteRules::rulesFor(u"163.com.example"_s), std::nullopt);
        QCOMPARE(SiteRules::domains().size(), 434);
    }

    // The named classes hold what sites mean by them; every known site's
    // rules are read, and read back alike.
    void classesAndSites()
    {
        QString printable;
        for (char c = '!'; c <= '~'; ++c)
            printable += QLatin1Char(c);
        const auto held = [&](const char *name) {
            const auto rules = std::get<PasswordRules>(PasswordRules::parse(u"allowed: "_s + name));
            QString kept;
            for (const QChar c : printable + u"\u00e9 "_s)
                kept += rules.allows(QString(c)) ? QString(c) : QString();
            return kept;
        };
        QCOMPARE(held("upper"), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s);
        QCOMPARE(held("lower"), u"abcdefghijklmnopqrstuvwxyz"_s);
        QCOMPARE(held("digit"), u"0123456789"_s);
        QCOMPARE(held("special"), u"!\"#$%&'()*+,-.:;<=>?@[]^_`{|}~"_s);
        QCOMPARE(held("ascii-printable"), printable);
        QCOMPARE(held("unicode"), printable + u"\u00e9 "_s);
        for (const QString &site : SiteRules::domains()) {
            const auto rules = PasswordRules::parse(*SiteRules::rulesFor(site));
            QVERIFY2(std::holds_alternative<PasswordRules>(rules), qPrintable(site));
            const QString again = std::get<PasswordRules>(rules).toText();
            QCOMPARE(std::get<PasswordRules>(PasswordRules::parse(again)).toText(), again);
        }
    }

    // Under rules the system source still favours no password that meets them.
    void rulesAreUniform()
    {
        const Settings settings = withRules(make(u"basic", "ab12", 4), "max-consecutive: 2", true);
        const qint64 meeting = Demands{"ab12", {"[ab]", "[12]"}, 2}.count(4);
        QHash<QString, qint64> counts;
        for (qint64 i = 0; i < meeting * 400; ++i)
            ++counts[std::get<GeneratedPassword>(PasswordGenerator::generate(settings)).text];
        QCOMPARE(counts.size(), meeting); // each that meets them, and no other
        const double p = ChiSquare::pValue(counts.values());
        QVERIFY2(p > ChiSquare::falseAlarmRate, qPrintable(QString::number(p)));
    }

    // The system source favours no index.
    void isUniform()
    {
        for (quint32 count : {2u, 3u, 76u, 94u, 7776u}) {
            QHash<quint32, qint64> counts;
            for (qint64 i = 0; i < std::max<qint64>(100'000, count * 64ll); ++i)
                ++counts[RandomSource::system().randomIndex(count)];
            QCOMPARE(quint32(counts.size()), count);
            const double p = ChiSquare::pValue(counts.values());
            QVERIFY2(p > ChiSquare::falseAlarmRate,
                     qPrintable(QStringLiteral("below %1: p = %2").arg(count).arg(p)));
        }
    }

    // A failing source stops the process, telling why, showing no password; EINTR is retried.
    void systemSourceFailures()
    {
        for (bool failing : {true, false}) {
            QProcess child;
            child.start(QCoreApplication::applicationDirPath() + "/random_failure_child",
                        {failing ? "fail" : "interrupted"});
            QVERIFY(child.waitForFinished(60'000));
            QCOMPARE(child.exitStatus() == QProcess::CrashExit, failing);
            QCOMPARE(child.readAllStandardOutput(),
                     failing ? "told: the system's secure random source failed; stopping rather "
                               "than use a weaker one.\n"
                             : "generated 16 characters\n");
            QCOMPARE(child.readAllStandardError().contains("secure random source failed"), failing);
        }
    }

    // A secret's pages stay out of swap until the last secret on them is wiped or let go.
    void lockedUntilWiped()
    {
        QList<QString> secrets; // two of them share a page
        for (int i = 0; i < 64; ++i)
            secrets << QString::number(1000 + i);
        const auto page = [](const QString &text) { return quintptr(text.constData()) / 4096; };
        qsizetype b = 1;
        while (b < secrets.size() && page(secrets[b]) != page(secrets[b - 1]))
            ++b;
        QVERIFY(b < secrets.size());
        const QString first = secrets[b - 1], second = secrets[b];
        QVERIFY(!lockedInMemory(first.constData()));
        lockInMemory(first);
        lockInMemory(second);
        lockInMemory(first); // counted once
        QVERIFY(lockedInMemory(first.constData()));
        wipeInPlace(first);
        QVERIFY(lockedInMemory(second.constData()));
        wipeInPlace(second);
        QVERIFY(!lockedInMemory(second.constData()));
        const QString spanning(5000, u'x'); // over three pages
        lockInMemory(spanning);
        QVERIFY(lockedInMemory(spanning.constData())
                && lockedInMemory(spanning.constData() + 4999));
        unlockFromMemory(spanning);
        QVERIFY(!lockedInMemory(spanning.constData() + 4999) && spanning == QString(5000, u'x'));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
