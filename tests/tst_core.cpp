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
#include "core/WordlistVerdict.h"
#include "support/ProcessMemory.h"
#include "support/ScriptedRandomSource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Length and word count alike, so that one number serves both kinds of row.
Settings make(QStringView mode, const QString &pool, qint64 units, const QString &separators = "_",
              bool excludeAmbiguous = false, const QString &extras = {}, const QString &rules = {},
              bool eachGroup = false)
{
    return {.mode = generatorModeFromRawValue(mode).value(),
            .length = units,
            .wordCount = units,
            .enabledCharacters = CharacterSet::fromText(pool),
            .additionalCharacters = extras,
            .separators = CharacterSet::fromText(separators),
            .excludeAmbiguous = excludeAmbiguous,
            .requireEachGroup = eachGroup,
            .passwordRules = rules};
}

Settings basic(const QString &pool, qint64 length, const QString &rules, bool eachGroup = false)
{
    return make(u"basic", pool, length, "_", false, {}, rules, eachGroup);
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    // Each shipped list is the file its notice names, of its size; a file over 4 MiB is refused.
    void wordLists()
    {
        const QDir resources(u"" TESSELLON_SOURCE_DIR "/resources"_s);
        QByteArray notices;
        for (const QString &name : resources.entryList({u"NOTICE-wordlist*"_s})) {
            QFile notice(resources.filePath(name));
            notices += notice.open(QIODevice::ReadOnly) ? notice.readAll() : QByteArray();
        }
        for (const QString &name : {u"en"_s, u"de"_s, u"pt_BR"_s, u"fr"_s, u"es"_s}) {
            QFile file(ResourceFiles::locate(name == "en" ? u"wordlist.txt"_s
                                                          : u"wordlist-%1.txt"_s.arg(name)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(notices.contains(
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()));
            const QStringList &words = Wordlist::words(name);
            QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(),
                     name == "fr" || name == "es" ? 2048 : 7776);
        }
        QTemporaryDir home;
        QFile large(home.filePath(u"big.txt"_s));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(4 * 1024 * 1024 + 1));
        QCOMPARE(Wordlist::own(large.fileName()).summary(),
                 u"The file is larger than 4 MiB: no word list is that long."_s);
    }

    // What the core writes or reads: tables, pools, word lists, passwords, ratings, rules.
    void texts_data()
    {
        using E = GeneratorError;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const QString &expected) {
            QTest::newRow(name) << text << expected;
        };
        QString printable, grouped; // printable ASCII, space aside
        for (char c = '!'; c <= '~'; ++c)
            printable += QLatin1Char(c);
        for (const CharacterGroup &group : Alphabet::all())
            grouped += group.characters.join(QString());
        std::ranges::sort(grouped);
        row("groups: printable but quotes, backtick and bar, once each", grouped,
            QString(printable).remove(QRegularExpression(u"[\"'`|]"_s)));
        row("canonically equal",
            QString::number(CharacterSet::fromText("\u00E9").contains("e\u0301")), "1");

        // Space-joined to show multi-code-point characters.
        const auto pool = [](const QString &enabled, const QString &extras,
                             QStringView mode = u"advanced") {
            return make(mode, enabled, 16, "_", false, extras).effectivePool().join(u' ');
        };
        row("basic ignores extras", pool("ba", "xyz", u"basic"), "a b");
        row("any separator", make(u"words", {}, 3, ".x-0").effectiveSeparators().join(u' '),
            "- . 0 x");
        row("whitespace and repeats dropped", pool("", " a a\tb \u3000c\u00A0d\r\ne\u200B"),
            "a b c d e \u200B");
        row("graphemes in scalar order", pool("！~!", "😀a🇩🇪👍🏽x\u0301x"),
            "! a x x\u0301 ~ ！ 🇩🇪 👍🏽 😀");

        // One word a line: LF ends a line unless CR stands before it.
        const auto entries = [](const QByteArray &f) { return Wordlist::fromData(f).join(u'|'); };
        row("blank lines, last LF", entries("\n\nalpha\n\n\nbeta\n\n"), "alpha|beta");
        row("no last LF; spaces, repeats and UTF-8 kept",
            entries("  \n lead \ncaf\xc3\xa9\n\xf0\x9f\x8c\x8a\ncaf\xc3\xa9"),
            "  | lead |caf\u00e9|\U0001F30A|caf\u00e9");
        row("CR LF is no separator", entries("alpha\r\nbeta\r\n\ngamma"),
            "alpha\r\nbeta\r\n|gamma");
        row("invalid UTF-8", entries("alpha\n\xff\xfe\nbeta"), "");
        row("cut-off UTF-8 sequence", entries("alpha\xc3"), "");

        // Own list, linted: refused lines first, as line:why (0 control, 1 space, 2 separator).
        const auto judged = [](const QByteArray &data) {
            const WordlistVerdict verdict = WordlistVerdict::judge(data);
            if (!verdict.usable())
                return verdict.summary();
            QStringList refused;
            for (const auto &[line, why] : verdict.refused)
                refused << u"%1:%2"_s.arg(line).arg(int(why));
            return (refused << verdict.words.join(u'|')).join(u' ');
        };
        row("blanks and surrounding spaces", judged(" alpha \n\n\tbeta\r\n\u3000gamma\u00A0"),
            "alpha|beta|gamma");
        row("dice form", judged("11111 alpha\n11112\tbeta\n\n"), "alpha|beta");
        row("a number is a word's own unless on every line", judged("12 monkeys\nbeta\ngamma"),
            "1:1 beta|gamma");
        row("NFC, then repeats case-folded", judged("cafe\xcc\x81\ncaf\xc3\xa9\nCAF\xc3\x89\nzoo"),
            "caf\u00e9|zoo");
        row("invisible characters and separators",
            judged("al\xe2\x80\x8bpha\nbe\x01ta\ne-mail\nx\ny"), "1:0 2:0 3:2 x|y");
        row("summary", WordlistVerdict::judge("sun\nsunset\nmoon").summary(),
            "Words kept: 3, 1.6 bits a word. Some words begin others: with no separator, the "
            "strength counts only what can be told apart. Fewer than 1,296 words: each adds less "
            "than 10.3 bits, so a passphrase needs more of them.");
        row("not UTF-8", judged("alpha\n\xff\nbeta"), "The file is not UTF-8 text.");
        row("one word twice", judged("word\nWORD"),
            "Fewer than two different words. Repeats dropped: 1.");

        // Values below 2^32 mod n are drawn again; what is left maps to value % n.
        const auto index = [](quint32 count, const QList<quint32> &script) {
            ScriptedRandomSource random(script);
            const quint32 drawn = random.randomIndex(count);
            return random.drawn < script.size() ? u"stopped early"_s : QString::number(drawn);
        };
        row("one draws nothing", index(1, {}), "0");
        row("three rejects only zero", index(3, {0, 1}), "1");
        row("64 never rejects", index(64, {0}), "0");
        row("76 rejects below 44", index(76, {43, 0, 44}), "44");
        row("largest count", index(0xFFFF'FFFFu, {0, 0xFFFF'FFFEu}), "4294967294");

        // Draws replayed and used up exactly; rules none meets, or too few, draw nothing.
        const auto shownDraw = [](const QString &text, double bits, qint64 pool, qint64 units) {
            return u"%1, %2 bits, %3 of %4"_s.arg(text).arg(bits, 0, 'g', 12).arg(units).arg(pool);
        };
        const auto refusal = [](E::Kind kind, const QString &detail = {}) {
            // The locale's digit groups and its exponent's case (1.7e+38, 1.7E+38) aside.
            return u"refused %1: %2"_s.arg(kind).arg(QString(detail).remove(u',').toLower());
        };
        const auto generated = [&](const Settings &settings, const QList<quint32> &script = {},
                                   const QStringList &words = {}) {
            ScriptedRandomSource random(script);
            const QStringList &list = words.isEmpty() ? Wordlist::words() : words;
            const GenerationResult result = PasswordGenerator::generate(
                settings, random, [&]() -> const QStringList & { return list; });
            if (random.drawn < script.size())
                return u"stopped early"_s;
            if (const auto *error = std::get_if<GeneratorError>(&result))
                return refusal(error->kind, error->detail);
            const auto &drawn = std::get<GeneratedPassword>(result);
            return shownDraw(drawn.text, drawn.entropyBits, drawn.poolSize, drawn.unitCount);
        };
        const auto draws = [&](const char *name, const Settings &settings,
                               const QList<quint32> &script, const QStringList &words,
                               const QString &text, double bits, qint64 pool, qint64 units) {
            row(name, generated(settings, script, words), shownDraw(text, bits, pool, units));
        };
        const auto refuses = [&](const char *name, const Settings &settings, E::Kind kind,
                                 const QString &detail = {}) {
            row(name, generated(settings), refusal(kind, detail));
        };
        const QStringList four{"alpha", "bravo", "charlie", "delta"};
        draws("shipped list; one separator is never drawn", make(u"words", {}, 5),
              {2559, 7776, 7776 + 7775, 7777, 7778, 7776}, {},
              "abacus_zoom_abdomen_abdominal_abacus", 5 * std::log2(7776.0), 7776, 5);
        draws("words first, then separators", make(u"words", {}, 3, ".-"), {2, 0, 3, 1, 0}, four,
              "charlie.alpha-delta", 8, 4, 3);
        draws("no separator", make(u"words", {}, 3, ""), {3, 2, 3}, four, "deltacharliedelta", 6, 4,
              3);
        // Run together, "sunset" may be "sun" + "set": each word but the last loses log2(chain).
        draws("words that begin others", make(u"words", {}, 3, ""), {0, 2, 3},
              {"sun", "sunset", "set", "rise"}, "sunsetrise", 4, 4, 3);
        draws("a longer chain", make(u"words", {}, 2, ""), {2, 1}, {"a", "ab", "abc", "b"}, "abcab",
              4 - std::log2(3.0), 4, 2);
        draws("excluded separator leaves one", make(u"words", {}, 2, "0-", true), {0, 1}, four,
              "alpha-bravo", 4, 4, 2);
        draws("extras in, ambiguous out; 0 rejected", make(u"advanced", "0ab", 3, "_", true, "I c"),
              {0, 2, 3, 1}, {}, "cab", 3 * std::log2(3.0), 3, 3);
        draws("characters of two UTF-16 units", make(u"basic", "a😀e\u0301", 5), {3, 1, 2, 1, 3}, {},
              "a\u00e9😀\u00e9a", 5 * std::log2(3.0), 3, 5);
        // "aba" has no digit: a whole new password is drawn, nothing is patched in.
        draws("a draw that misses a group", basic("ab12", 3, {}, true), {2, 3, 2, 0, 2, 3}, {},
              "1ab", std::log2(64.0 - 2 * 8), 4, 3);
        refuses("one character", make(u"basic", "a", 16), E::emptyAlphabet);
        row("one word", generated(make(u"words", {}, 5), {}, {"only"}),
            refusal(E::wordlistUnavailable));
        for (const auto &[rules, kind] : {std::pair("minlen: 3", E::rulesUnreadable),
                                          {"required: upper", E::ruleUnmet},
                                          {"allowed: [a]", E::ruleUnmet},
                                          {"minlength: 9; maxlength: 8", E::lengthUnmet},
                                          {"minlength: 99999999", E::lengthUnmet},
                                          {"maxlength: 0", E::lengthUnmet}})
            refuses(qPrintable(u"refuses "_s + rules), basic("ab12", 8, rules), kind, rules);
        QString seventeen;
        for (char c = 'a'; c <= 'q'; ++c)
            seventeen += u"required: [%1]; "_s.arg(QLatin1Char(c));
        refuses("seventeen groups", basic("abcdefghijklmnopq", 20, seventeen), E::tooManyGroups);
        refuses("four groups in three characters", basic("aA1-", 3, {}, true),
                E::rulesUnmetAtLength, "3");
        refuses("one draw in 2^19", basic("ab", 20, "max-consecutive: 1"), E::rulesTooRare,
                "524288");
        refuses("one draw in 2^127", basic("ab", 128, "max-consecutive: 1"), E::rulesTooRare,
                "1.7e+38");
        // Three words of three letters and two joins: 11.
        refuses("three words in ten",
                {.mode = GeneratorMode::words, .wordCount = 3, .passphraseLimit = 10},
                E::passphraseTooLong, "10");

        // Too many to enumerate: figures worked out apart.
        const auto figure = [](const Settings &settings) {
            const auto requirements = std::get<Requirements>(Requirements::from(settings));
            return QString::number(requirements.entropyBits(), 'g', 12);
        };
        row("binary, runs of two", figure(basic("ab", 100, "max-consecutive: 2")), "69.9574692292");
        row("digits, no repeat", figure(basic("0123456789", 128, "max-consecutive: 1")),
            "405.902403278");

        // Ratings change at 40, 64, 80 and 112 bits; cracking: half the space at 1e11/s.
        const auto shown = [](double bits) {
            return Strength(bits).label() + ", " + GeneratedPassword{{}, {}, bits}.crackTime();
        };
        row("37 bits", shown(37), "Weak, instantly");
        row("39.99 bits", shown(39.99), "Weak, 5 seconds");
        row("40 bits", shown(40), "Fair, 5 seconds");
        row("63.9 bits", shown(63.9), "Fair, 2 years");
        row("64 bits", shown(64), "Good, 2 years");
        row("80 bits", shown(80), "Strong, 192 thousand years");
        row("111.9 bits", shown(111.9), "Strong, 768 trillion years");
        row("112 bits", shown(112), "Excellent, 823 trillion years");
        row("128 bits", shown(128), "Excellent, 54 quintillion years");

        // Whole units, rounded down; from 1000 years, half to even under a scale word.
        const auto duration = [](double s) { return GeneratedPassword::humanDuration(s); };
        const double year = 31'557'600.0;
        row("NaN", duration(qQNaN()), "effectively forever");
        row("59.9 s", duration(59.9), "59 seconds");
        row("60 s", duration(60), "1 minutes");
        row("3600 s", duration(3600), "1 hours");
        row("86400 s", duration(86'400), "1 days");
        row("a second short of a year", duration(year - 1), "365 days");
        row("a year of 365.25 days", duration(year), "1 years");
        row("999.9 years", duration(999.9 * year), "999 years");
        row("1000 years", duration(1000 * year), "1 thousand years");
        row("999,500 years", duration(999'500 * year), "1000 thousand years");
        row("2,500 years", duration(2'500 * year), "2 thousand years");
        row("1e21 years", duration(1e21 * year), "effectively forever");

        // Only a digit standing alone as a character; a keycap is another.
        row("superscript", superscripted("a -0123456789 1\uFE0F\u20E3"),
            "a -⁰¹²³⁴⁵⁶⁷⁸⁹ 1\uFE0F\u20E3");

        // Rules as sites write them, read back in one spelling; or the part that cannot be read.
        const auto readBack = [](const QString &text) {
            const auto parsed = PasswordRules::parse(text);
            const auto *rules = std::get_if<PasswordRules>(&parsed);
            if (!rules)
                return u"unreadable: "_s + std::get<QString>(parsed);
            return PasswordRules::parse(rules->toText()) == parsed ? rules->toText() : u"?"_s;
        };
        const auto rules = [&](const char *in, const char *out) { row(in, readBack(in), out); };
        rules("allowed: upper; required: digit; max-consecutive: 3; maxlength: 20; minlength: 8; "
              "maxlength: 12; minlength: 10; max-consecutive: 2;",
              "minlength: 10; maxlength: 12; max-consecutive: 2; required: digit; allowed: upper");
        rules("Required: UPPER ;; allowed:lower,ascii-printable,unicode",
              "required: upper; allowed: lower, ascii-printable, unicode");
        rules("required: [-().&@?'#,/\"+]", "required: [\"#&'()+,-./?@]");
        rules("required: [abc]]; required: [;]", "required: [abc]]; required: [;]");
        rules("required: digit; required: digit", "required: digit");
        rules("minlength: 8; minlen: 3; maxlength: 9", "unreadable: minlen: 3");
        for (const char *unreadable : {"required: digits", "required: digit upper", "maxlength: -1",
                                       "max-consecutive: 0", "required: [abc"})
            rules(unreadable, qPrintable(u"unreadable: "_s + unreadable));

        // What the named classes hold (upper, lower and digit: in rows that count or refuse).
        const auto allowed = [&](const char *name) {
            const auto only = std::get<PasswordRules>(PasswordRules::parse(u"allowed: "_s + name));
            QString kept;
            for (const QChar c : printable + u"\u00e9 "_s)
                kept += only.allows(QString(c)) ? QString(c) : QString();
            return kept;
        };
        row("special", allowed("special"), "!\"#$%&'()*+,-.:;<=>?@[]^_`{|}~");
        row("ascii-printable", allowed("ascii-printable"), printable);
        row("unicode", allowed("unicode"), printable + u"\u00e9 "_s);

        // A site's own rules, found by its address.
        const auto site = [](const QString &s) { return SiteRules::rulesFor(s).value_or("none"); };
        row("an address", site(u"https://www.163.com/login"_s), "minlength: 6; maxlength: 16;");
        row("a name, any case, rooted", site(u"163.COM."_s), "minlength: 6; maxlength: 16;");
        row("a name that only starts alike", site(u"163.com.example"_s), "none");
        QStringList unread; // each known site's rules read, and read back alike
        for (const QString &domain : SiteRules::domains())
            if (const QString read = readBack(*SiteRules::rulesFor(domain));
                read.startsWith(u"unreadable") || read == u"?")
                unread << domain;
        row("every site's rules", unread.join(u' '), "");
    }

    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    // What meets the rules or a passphrase limit, counted, against the test's own enumeration.
    void counts_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QString>("alphabet");  // a password's characters, a passphrase's joins
        QTest::addColumn<QStringList>("needs"); // patterns each text matches; after "!", none
        QTest::addColumn<qint64>("length");     // characters or words
        const auto row = [](const char *name, const Settings &settings, const QString &alphabet,
                            const QStringList &needs, qint64 length) {
            QTest::newRow(name) << settings << alphabet << needs << length;
        };
        const auto phrase = [&](const char *name, const QString &joins, qint64 count,
                                qint64 limit) {
            Settings settings = make(u"words", {}, count, joins);
            settings.passphraseLimit = limit;
            row(name, settings, joins, {u"!.{%1}"_s.arg(limit + 1)}, count);
        };
        row("every group", basic("ab12", 4, {}, true), "ab12", {"[ab]", "[12]"}, 4);
        row("overlapping required sets", basic("abc12", 4, "required: [ab]; required: [bc], digit"),
            "abc12", {"[ab]", "[bc12]"}, 4);
        row("a set inside another, so only the required",
            basic("abc1", 3, "required: lower; required: [a]"), "abc", {"[a-z]", "a"}, 3);
        row("a required set that is also a group",
            basic("ab12", 4, "allowed: lower; required: digit", true), "ab12", {"[ab]", "[12]"}, 4);
        row("runs of two and every group", basic("ab1", 6, "max-consecutive: 2", true), "ab1",
            {"[ab]", "1", "!(.)\\1\\1"}, 6);
        row("allowed narrows, maxlength shortens",
            basic("abcd123", 16, "maxlength: 5; allowed: [abc1]"), "abc1", {}, 5);
        row("minlength lengthens", basic("ab", 4, "minlength: 6; allowed: [a]; required: [b]"),
            "ab", {"b"}, 6);
        row("under a maxlength, one UTF-16 unit a character",
            make(u"advanced", "ab", 4, "_", false, "\U0001F600\u00e9", "maxlength: 6"), "ab\u00e9",
            {}, 4);
        row("the extras are a group", make(u"advanced", "ab", 4, "_", false, "\u00e9", {}, true),
            "ab\u00e9", {"[ab]", "\u00e9"}, 4);
        phrase("passphrase, two separators", "-+", 3, 8);
        phrase("passphrase, one separator", "-", 4, 11);
        phrase("passphrase, no separator", "", 3, 5);
    }

    void counts()
    {
        QFETCH(Settings, settings);
        QFETCH(QString, alphabet);
        QFETCH(QStringList, needs);
        QFETCH(qint64, length);
        const bool passphrase = settings.mode == GeneratorMode::words;
        const QStringList words{"a", "bb", "ccc", "dddd", "ee"};
        const GenerationResult drawn = PasswordGenerator::generate(
            settings, RandomSource::system(), [&]() -> const QStringList & { return words; });
        const auto *password = std::get_if<GeneratedPassword>(&drawn);
        const auto meets = [&](const QString &text) {
            return std::ranges::all_of(needs, [&](QString need) {
                const bool never = need.startsWith(u'!');
                return text.contains(QRegularExpression(need.remove(0, never ? 1 : 0))) != never;
            });
        };
        QVERIFY(password && meets(password->text));
        const double counted =
            passphrase ? password->entropyBits
                       : std::get<Requirements>(Requirements::from(settings)).entropyBits();
        const QStringList characters = Characters::graphemes(alphabet);
        QStringList texts{QString()};
        const auto extend = [&](const QStringList &choices) {
            QStringList longer;
            for (const QString &head : std::as_const(texts))
                for (const QString &choice : choices)
                    longer << head + choice;
            texts = longer;
        };
        for (qint64 i = 0; i < length; ++i) {
            if (passphrase && i > 0 && !characters.isEmpty())
                extend(characters);
            extend(passphrase ? words : characters);
        }
        QCOMPARE(qRound64(std::exp2(counted)), std::ranges::count_if(texts, meets));
        QCOMPARE(password->entropyBits, counted);
        QCOMPARE(password->unitCount, length);
        QCOMPARE(password->poolSize, (passphrase ? words : characters).size());
    }

    // The system source favours no index, nor, under rules, any password that meets them.
    void isUniform_data()
    {
        QTest::addColumn<qint64>("outcomes");
        QTest::addColumn<Settings>("settings"); // the defaults: indices below outcomes
        for (qint64 count : {2, 3, 76, 94, 7776})
            QTest::addRow("below %lld", count) << count << Settings();
        // 256 strings less 32 that miss a group and 16 with a run of three.
        QTest::newRow("under rules") << 208ll << basic("ab12", 4, "max-consecutive: 2", true);
    }

    void isUniform()
    {
        QFETCH(qint64, outcomes);
        QFETCH(Settings, settings);
        const qint64 draws = std::max<qint64>(100'000, outcomes * 64);
        QHash<QString, qint64> counts;
        for (qint64 i = 0; i < draws; ++i)
            ++counts[settings == Settings()
                         ? QString::number(RandomSource::system().randomIndex(quint32(outcomes)))
                         : std::get<GeneratedPassword>(PasswordGenerator::generate(settings)).text];
        QCOMPARE(counts.size(), outcomes); // each that may come, and no other
        // Wilson-Hilferty chi-square, tail erring high: a fair source fails at most 1e-6 of runs.
        const double expected = double(draws) / double(outcomes), degrees = double(outcomes - 1);
        double statistic = 0;
        for (qint64 c : std::as_const(counts))
            statistic += (double(c) - expected) * (double(c) - expected) / expected;
        const double v = 2 / (9 * degrees);
        const double p = std::erfc((std::cbrt(statistic / degrees) - 1 + v) / std::sqrt(2 * v)) / 2;
        QVERIFY2(p > 1e-6, qPrintable(QString::number(p)));
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
        const auto pair = std::ranges::adjacent_find(secrets, std::ranges::equal_to(), page);
        QVERIFY(pair != secrets.end());
        const QString first = *pair, second = *std::next(pair);
        const auto locked = [](const auto &s, int i = 0) { return lockedInMemory(s.data() + i); };
        QVERIFY(!locked(first));
        lockInMemory(first);
        lockInMemory(second);
        lockInMemory(first); // counted once
        QVERIFY(locked(first));
        wipeInPlace(first);
        QVERIFY(locked(second));
        wipeInPlace(second);
        QVERIFY(!locked(second));
        const QString spanning(5000, u'x'); // over three pages
        lockInMemory(spanning);
        QVERIFY(locked(spanning) && locked(spanning, 4999));
        unlockFromMemory(spanning);
        QVERIFY(!locked(spanning, 4999) && spanning == QString(5000, u'x'));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
