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
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <barrier>
#include <cmath>
#include <future>
#include <numeric>
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

Settings withRules(Settings settings, const QString &rules, bool eachGroup = false)
{
    settings.passwordRules = rules;
    settings.requireEachGroup = eachGroup;
    return settings;
}

Settings basic(const QString &pool, qint64 length, const QString &rules, bool eachGroup = false)
{
    return withRules(make(u"basic", pool, length), rules, eachGroup);
}

// The test's own reading of a row: the sets a password must each touch, the
// longest run of one character; a passphrase only its length limit.
struct Demands
{
    QString alphabet;  // a password's characters, or a passphrase's separators
    QStringList needs; // regular expression classes
    int maxRun = 0;

    bool metBy(const QString &text, const Settings &settings) const
    {
        const auto has = [&](const QString &pattern) {
            return text.contains(QRegularExpression(pattern));
        };
        return (maxRun == 0 || !has(u"(.)\\1{%1}"_s.arg(maxRun)))
               && (settings.passphraseLimit == 0 || text.size() <= settings.passphraseLimit)
               && std::ranges::all_of(needs, has);
    }
};

// Every text of one choice per position, counted one by one.
qint64 countEvery(const QList<QStringList> &positions, const auto &meets, qsizetype at = 0,
                  const QString &head = {})
{
    if (at == positions.size())
        return meets(head);
    qint64 met = 0;
    for (const QString &choice : positions[at])
        met += countEvery(positions, meets, at + 1, head + choice);
    return met;
}

// Pearson's chi-square test against the uniform distribution: the chance of
// counts at least this uneven, by Wilson and Hilferty's approximation, which
// far out in the tail overstates it (so never raises a false alarm).
double uniformity(const QList<qint64> &counts)
{
    const double expected =
        double(std::accumulate(counts.cbegin(), counts.cend(), qint64(0))) / double(counts.size());
    double statistic = 0;
    for (qint64 c : counts)
        statistic += (double(c) - expected) * (double(c) - expected) / expected;
    const double degrees = double(counts.size() - 1), v = 2 / (9 * degrees);
    return 0.5 * std::erfc((std::cbrt(statistic / degrees) - 1 + v) / std::sqrt(2 * v));
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    // What the core writes or reads: tables, pools, word lists, ratings, rules, shipped files.
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const QString &expected) {
            QTest::newRow(name) << text << expected;
        };
        // Printable ASCII but space, quotes, backtick and bar, each in one group.
        QString grouped;
        for (const CharacterGroup &group : Alphabet::all())
            grouped += group.characters.join(QString());
        row("grouped", QString::number(grouped.size()), "90");
        row("groups", CharacterSet::fromText(grouped).toText(),
            "!#$%&()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
            "abcdefghijklmnopqrstuvwxyz{}~");
        row("title", Alphabet::uppercase().title(), "A\u2013Z"); // an en dash
        row("ambiguous", Alphabet::ambiguous().toText(), "01IOl");
        row("separator choices", Settings::separatorChoices().join(QString()),
            "-_=+*^~/\\@#$%&!?,.:;");
        row("canonically equal",
            QString::number(CharacterSet::fromText("\u00E9").contains("e\u0301")), "1");

        // Space-joined to show multi-code-point characters; exclusion is in generates().
        const auto pool = [](const QString &enabled, const QString &extras,
                             QStringView mode = u"advanced") {
            return make(mode, enabled, 16, "_", false, extras).effectivePool().join(u' ');
        };
        row("basic ignores extras", pool("ba", "xyz", u"basic"), "a b");
        row("any separator", make(u"words", {}, 3, ".x-0").effectiveSeparators().join(u' '),
            "- . 0 x");
        row("whitespace and repeats dropped", pool("", " a a\tb \u3000c\u00A0d\r\ne\u200B"),
            "a b c d e \u200B");
        row("extras join enabled", pool("ba", "\"'`|c"), "\" ' ` a b c |");
        row("graphemes in scalar order", pool("！~!", "😀a🇩🇪👍🏽x\u0301x"),
            "! a x x\u0301 ~ ！ 🇩🇪 👍🏽 😀");

        // One word a line: LF ends a line unless CR stands before it.
        const auto entries = [](const QByteArray &data) {
            return Wordlist::fromData(data).join(u'|');
        };
        row("blank lines and the last LF add nothing", entries("\n\nalpha\n\n\nbeta\n\n"),
            "alpha|beta");
        row("no last LF; spaces, repeats and UTF-8 kept",
            entries("  \n lead \ncaf\xc3\xa9\n\xf0\x9f\x8c\x8a\ncaf\xc3\xa9"),
            "  | lead |caf\u00e9|\U0001F30A|caf\u00e9");
        row("CR LF is no separator", entries("alpha\r\nbeta\r\n\ngamma"),
            "alpha\r\nbeta\r\n|gamma");
        row("invalid UTF-8", entries("alpha\n\xff\xfe\nbeta"), "");
        row("cut-off UTF-8 sequence", entries("alpha\xc3"), "");

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
        const auto duration = [](double seconds) {
            return GeneratedPassword::humanDuration(seconds);
        };
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

        // Rules as sites publish them, read back in one spelling (which reads
        // as the same rules), or the part that cannot be read.
        const auto rules = [](const char *text, const char *expected) {
            const auto parsed = PasswordRules::parse(QString(text));
            QString read = u"unreadable: "_s;
            if (const auto *rules = std::get_if<PasswordRules>(&parsed))
                read = PasswordRules::parse(rules->toText()) == parsed ? rules->toText() : "?";
            else
                read += std::get<QString>(parsed);
            QTest::newRow(text) << read << QString(expected);
        };
        rules("max-consecutive: 2; minlength: 10; maxlength: 15; allowed: upper; required: digit, "
              "special;",
              "minlength: 10; maxlength: 15; max-consecutive: 2; required: digit, special; "
              "allowed: upper");
        rules("Required: UPPER ;; allowed:lower,ascii-printable,unicode",
              "required: upper; allowed: lower, ascii-printable, unicode");
        rules("required: [-().&@?'#,/\"+]", "required: [\"#&'()+,-./?@]");
        rules("required: [abc]]; required: [;]", "required: [abc]]; required: [;]");
        rules("required: digit; required: digit", "required: digit");
        rules("minlength: 8; minlength: 10; maxlength: 20; maxlength: 12; max-consecutive: 3; "
              "max-consecutive: 2",
              "minlength: 10; maxlength: 12; max-consecutive: 2");
        rules("minlength: 8; minlen: 3; maxlength: 9", "unreadable: minlen: 3");
        for (const char *unreadable : {"required: digits", "required: digit upper", "maxlength: -1",
                                       "max-consecutive: 0", "required: [abc"})
            rules(unreadable, qPrintable(u"unreadable: "_s + unreadable));

        // The named classes hold what sites mean by them.
        QString printable;
        for (char c = '!'; c <= '~'; ++c)
            printable += QLatin1Char(c);
        for (const auto &[name, held] : {std::pair{"upper", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s},
                                         {"lower", u"abcdefghijklmnopqrstuvwxyz"_s},
                                         {"digit", u"0123456789"_s},
                                         {"special", u"!\"#$%&'()*+,-.:;<=>?@[]^_`{|}~"_s},
                                         {"ascii-printable", printable},
                                         {"unicode", printable + u"\u00e9 "_s}}) {
            const auto rules = std::get<PasswordRules>(PasswordRules::parse(u"allowed: "_s + name));
            QString kept;
            for (const QChar c : printable + u"\u00e9 "_s)
                kept += rules.allows(QString(c)) ? QString(c) : QString();
            row(name, kept, held);
        }

        // Each shipped list is the file its notice names.
        const auto sha256 = [](const char *file) {
            QFile shipped(ResourceFiles::locate(file));
            return shipped.open(QIODevice::ReadOnly)
                       ? QCryptographicHash::hash(shipped.readAll(), QCryptographicHash::Sha256)
                             .toHex()
                       : QByteArray();
        };
        row("wordlist.txt", sha256("wordlist.txt"),
            "6d557f0693958fb5e650b68b5bee585eb82cf4da32965505c789e924743bc522");
        row("wordlist-de.txt", sha256("wordlist-de.txt"),
            "dc384a9c07454a2708eab76bb27b84d1f41a735493e454ef0b884efd1e90364f");
        row("wordlist-pt_BR.txt", sha256("wordlist-pt_BR.txt"),
            "e03a241cb53f251c9124ca85886e0316490319cca0eaea2c53883e89cefcafba");
        row("wordlist-fr.txt", sha256("wordlist-fr.txt"),
            "431c1d074225d2b7e82db857d7c3ea58051df546e7c8b74c1f6dcab36351fd56");
        row("wordlist-es.txt", sha256("wordlist-es.txt"),
            "0c639b0d58b6e56c18dcf418017ff341418a129e45fbf303361e8569edb02efe");

        // A site's own rules, found by its address.
        const auto site = [](const QString &address) {
            return SiteRules::rulesFor(address).value_or(u"none"_s);
        };
        row("an address", site(u"https://www.163.com/login"_s), "minlength: 6; maxlength: 16;");
        row("a name, any case, rooted", site(u"163.COM."_s), "minlength: 6; maxlength: 16;");
        row("a name that only starts alike", site(u"163.com.example"_s), "none");
        row("known sites", QString::number(SiteRules::domains().size()), "434");
        QStringList unread; // each known site's rules read, and read back alike
        for (const QString &site : SiteRules::domains()) {
            const auto parsed = PasswordRules::parse(*SiteRules::rulesFor(site));
            const auto *rules = std::get_if<PasswordRules>(&parsed);
            if (!rules || PasswordRules::parse(rules->toText()) != parsed)
                unread << site;
        }
        row("every site's rules", unread.join(u' '), "");
    }

    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    // Threads racing to the first use all get the one list, from the shipped file. Each
    // shipped list holds distinct words of lower-case letters (and the EFF's few hyphens).
    void shippedLists()
    {
        std::barrier start(8);
        std::vector<std::future<const QString *>> seen;
        for (int i = 0; i < 8; ++i)
            seen.push_back(std::async(std::launch::async, [&] {
                start.arrive_and_wait();
                return Wordlist::words().constData();
            }));
        for (auto &data : seen)
            QCOMPARE(data.get(), Wordlist::words().constData());
        static const QRegularExpression letters(u"[\\p{Ll}-]+"_s); // the EFF's "drop-down"
        for (const auto &[name, size] : {std::pair(u"en"_s, 7776),
                                         {u"de"_s, 7776},
                                         {u"pt_BR"_s, 7776},
                                         {u"fr"_s, 2048},
                                         {u"es"_s, 2048}}) {
            const QStringList &words = Wordlist::words(name);
            QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), size);
            for (const QString &word : words)
                QVERIFY2(letters.match(word).capturedLength() == word.size(), qPrintable(word));
            QCOMPARE(Wordlist::chosen(Settings{.wordList = name}), name);
        }
    }

    // A list of one's own, read as the linter reads it: NFC first, blank
    // lines and dice numbers gone, repeats case-folded, lines refused by number.
    void judgesOwnLists_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("refused"); // line:why, why 0 control, 1 space, 2 separator
        QTest::addColumn<QString>("summary"); // null: not compared
        const auto row = [](const char *name, const QByteArray &data, const QString &kept,
                            const QString &refused, const QString &summary = {}) {
            QTest::newRow(name) << data << kept << refused << summary;
        };
        row("blanks and surrounding spaces", " alpha \n\n\tbeta\r\n\u3000gamma\u00A0",
            "alpha|beta|gamma", "",
            u"Words kept: 3, 1.6 bits a word. Fewer than 1,296 words: each adds less than "
            "10.3 bits, so a passphrase needs more of them."_s);
        row("dice form", "11111 alpha\n11112\tbeta\n\n", "alpha|beta", "");
        row("words that begin others", "sun\nsunset\n", "sun|sunset", "",
            u"Words kept: 2, 1.0 bits a word. Some words begin others: with no separator, the "
            "strength counts only what can be told apart. Fewer than 1,296 words: each adds "
            "less than 10.3 bits, so a passphrase needs more of them."_s);
        row("a number is a word's own unless every line has one", "12 monkeys\nbeta\ngamma",
            "beta|gamma", "1:1");
        row("NFC, then repeats case-folded", "cafe\xcc\x81\ncaf\xc3\xa9\nCAF\xc3\x89\nzoo",
            "caf\u00e9|zoo", "",
            u"Words kept: 2, 1.0 bits a word. Repeats dropped: 2. Fewer "
            "than 1,296 words: each adds less than 10.3 bits, so a "
            "passphrase needs more of them."_s);
        row("invisible characters and separators", "al\xe2\x80\x8bpha\nbe\x01ta\ne-mail\nx\ny",
            "x|y", "1:0|2:0|3:2");
        row("not UTF-8", "alpha\n\xff\nbeta", "", "", u"The file is not UTF-8 text."_s);
        row("one word twice", "word\nWORD", "word", "",
            u"Fewer than two different words. Repeats dropped: 1."_s);
    }

    void judgesOwnLists()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, kept);
        QFETCH(QString, refused);
        QFETCH(QString, summary);
        const WordlistVerdict verdict = WordlistVerdict::judge(data);
        QCOMPARE(verdict.words.join(u'|'), kept);
        QStringList lines;
        for (const auto &[line, why] : verdict.refused)
            lines << u"%1:%2"_s.arg(line).arg(int(why));
        QCOMPARE(lines.join(u'|'), refused);
        QCOMPARE(verdict.usable(), kept.contains(u'|'));
        if (!summary.isNull())
            QCOMPARE(verdict.summary(), summary);
    }

    // The file as chosen, or the interface's list: a file changed since, or
    // gone, or over the size limit is not taken for the one chosen.
    void ownListChosenOnlyAsItWas()
    {
        QTemporaryDir home;
        const QString path = home.filePath(u"mine.txt"_s), big = home.filePath(u"big.txt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("alpha\nbeta\n") > 0);
        file.close();
        QFile large(big);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(4 * 1024 * 1024 + 1));
        const auto chosen = [&](const QString &list, const QString &digest) {
            return Wordlist::chosen(Settings{.wordList = list, .wordListSha256 = digest});
        };
        QCOMPARE(chosen(path, {}), path);
        QCOMPARE(Wordlist::chosenWords(Settings{.wordList = path}).join(u' '), u"alpha beta"_s);
        QCOMPARE(
            chosen(path, u"e49c81e2d2f84e259d40e2fb8192f3bcd198b355184845d76d8f58807d0d78ee"_s),
            path);
        QCOMPARE(chosen(path, u"00"_s), Wordlist::forInterface());
        QCOMPARE(chosen(home.filePath(u"gone.txt"_s), {}), Wordlist::forInterface());
        QCOMPARE(Wordlist::own(big).summary(),
                 u"The file is larger than 4 MiB: no word list is that long."_s);
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

    // Draws replayed and used up exactly; no words: the shipped list. Rules
    // no password meets, or too few, are told, and nothing is drawn.
    void generates_data()
    {
        using E = GeneratorError;
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<GenerationResult>("result");
        QTest::addColumn<QList<quint32>>("script");
        QTest::addColumn<QStringList>("words");
        const auto row = [](const char *name, const Settings &settings,
                            const GenerationResult &result, const QList<quint32> &script = {},
                            const QStringList &words = {}) {
            QTest::newRow(name) << settings << result << script << words;
        };
        const auto drawn = [](const QString &text, double bits, qint64 pool, qint64 units) {
            return GenerationResult(GeneratedPassword{{}, text, bits, pool, units});
        };
        const auto refused = [](E::Kind kind, const QString &detail = {}) {
            return GenerationResult(GeneratorError(kind, detail));
        };
        const QStringList four{"alpha", "bravo", "charlie", "delta"};
        row("shipped list; one separator is never drawn", make(u"words", {}, 5),
            drawn("abacus_zoom_abdomen_abdominal_abacus", 5 * std::log2(7776.0), 7776, 5),
            {2559, 7776, 7776 + 7775, 7777, 7778, 7776});
        row("words first, then separators", make(u"words", {}, 3, ".-"),
            drawn("charlie.alpha-delta", 8, 4, 3), {2, 0, 3, 1, 0}, four);
        row("no separator", make(u"words", {}, 3, ""), drawn("deltacharliedelta", 6, 4, 3),
            {3, 2, 3}, four);
        // Run together, "sunset" may be "sun" + "set": each word but the last may split two
        // ways, a bit less each; the chain "a", "ab", "abc" takes log2(3).
        row("no separator, words that begin others", make(u"words", {}, 3, ""),
            drawn("sunsetrise", 4, 4, 3), {0, 2, 3}, {"sun", "sunset", "set", "rise"});
        row("a longer chain", make(u"words", {}, 2, ""), drawn("abcab", 4 - std::log2(3.0), 4, 2),
            {2, 1}, {"a", "ab", "abc", "b"});
        row("excluded separator leaves one", make(u"words", {}, 2, "0-", true),
            drawn("alpha-bravo", 4, 4, 2), {0, 1}, four);
        row("extras in, ambiguous out; 0 rejected", make(u"advanced", "0ab", 3, "_", true, "I c"),
            drawn("cab", 3 * std::log2(3.0), 3, 3), {0, 2, 3, 1});
        row("characters of two UTF-16 units among one-unit ones", make(u"basic", "a😀e\u0301", 5),
            drawn("a\u00e9😀\u00e9a", 5 * std::log2(3.0), 3, 5), {3, 1, 2, 1, 3});
        // "aba" has no digit: a whole new password is drawn, nothing is patched in.
        row("a draw that misses a group, drawn again whole", basic("ab12", 3, {}, true),
            drawn("1ab", std::log2(64.0 - 2 * 8), 4, 3), {2, 3, 2, 0, 2, 3});
        row("one character", make(u"basic", "a", 16), refused(E::emptyAlphabet));
        row("one word", make(u"words", {}, 5), refused(E::wordlistUnavailable), {}, {"only"});
        row("unreadable rules", withRules(Settings(), "minlen: 3"),
            refused(E::rulesUnreadable, "minlen: 3"));
        row("a required set with nothing on", basic("ab12", 8, "required: upper"),
            refused(E::ruleUnmet, "required: upper"));
        row("one character allowed", basic("ab", 8, "allowed: [a]"),
            refused(E::ruleUnmet, "allowed: [a]"));
        row("lengths that cross", withRules(Settings(), "minlength: 9; maxlength: 8"),
            refused(E::lengthUnmet, "minlength: 9; maxlength: 8"));
        row("longer than any password", withRules(Settings(), "minlength: 99999999"),
            refused(E::lengthUnmet, "minlength: 99999999"));
        row("no character at all", withRules(Settings(), "maxlength: 0"),
            refused(E::lengthUnmet, "maxlength: 0"));
        QString seventeen;
        for (char c = 'a'; c <= 'q'; ++c)
            seventeen += u"required: [%1]; "_s.arg(QLatin1Char(c));
        row("seventeen groups", basic("abcdefghijklmnopq", 20, seventeen),
            refused(E::tooManyGroups));
        row("four groups in three characters", basic("aA1-", 3, {}, true),
            refused(E::rulesUnmetAtLength, "3"));
        row("one draw in 2^19", basic("ab", 20, "max-consecutive: 1"),
            refused(E::rulesTooRare, "524288"));
        row("one draw in 2^127", basic("ab", 128, "max-consecutive: 1"),
            refused(E::rulesTooRare, "1.7e+38"));
        Settings passphrase = make(u"words", {}, 3);
        passphrase.passphraseLimit = 10; // three words of three letters and two joins: 11
        row("three words in ten", passphrase, refused(E::passphraseTooLong, "10"));
    }

    void generates()
    {
        QFETCH(Settings, settings);
        QFETCH(GenerationResult, result);
        QFETCH(QList<quint32>, script);
        QFETCH(QStringList, words);
        ScriptedRandomSource random(script);
        const GenerationResult got =
            PasswordGenerator::generate(settings, random, [&]() -> const QStringList & {
                return words.isEmpty() ? Wordlist::words() : words;
            });
        QCOMPARE(random.draws(), script.size());
        const auto shown = [&](const GenerationResult &result) {
            // The locale's digit groups and its exponent's case (1.7e+38, 1.7E+38) aside.
            if (const auto *error = std::get_if<GeneratorError>(&result))
                return u"refused %1: %2"_s.arg(error->kind)
                    .arg(QString(error->detail).remove(u',').toLower());
            const auto &password = std::get<GeneratedPassword>(result);
            return u"%1, %2 bits, %3 of %4"_s.arg(password.text)
                .arg(password.entropyBits, 0, 'g', 12)
                .arg(password.unitCount)
                .arg(password.poolSize);
        };
        QCOMPARE(shown(got), shown(result));
    }

    // The passwords that meet the rules, and the passphrases within a length
    // limit, counted exactly: against the test's own enumeration, or figures
    // worked out apart; each drawn one meets them.
    void counts_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<Demands>("demands");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<double>("bits");       // NaN: enumerate
        QTest::addColumn<QStringList>("words"); // none: the shipped list
        const double each = std::nan("");
        const auto row = [](const char *name, Settings settings, Demands demands, qint64 length,
                            double bits) {
            QTest::newRow(name) << settings << demands << length << bits << QStringList();
        };
        const auto phrase = [](const char *name, const QString &separators, qint64 count,
                               qint64 limit, double bits, const QStringList &words) {
            Settings settings = make(u"words", {}, count, separators);
            settings.passphraseLimit = limit;
            QTest::newRow(name) << settings << Demands{separators, {}} << count << bits << words;
        };
        row("every group", basic("ab12", 4, {}, true), {"ab12", {"[ab]", "[12]"}}, 4, each);
        row("overlapping required sets", basic("abc12", 4, "required: [ab]; required: [bc], digit"),
            {"abc12", {"[ab]", "[bc12]"}}, 4, each);
        row("a set inside another", basic("abc1", 3, "required: lower; required: [a]"),
            {"abc", {"[a-z]", "a"}}, 3, each); // with nothing allowed, only the required
        row("a required set that is also a group",
            basic("ab12", 4, "allowed: lower; required: digit", true), {"ab12", {"[ab]", "[12]"}},
            4, each);
        row("runs of two and every group", basic("ab1", 6, "max-consecutive: 2", true),
            {"ab1", {"[ab]", "1"}, 2}, 6, each);
        row("allowed narrows, maxlength shortens",
            basic("abcd123", 16, "maxlength: 5; allowed: [abc1]"), {"abc1", {}}, 5, each);
        row("minlength lengthens", basic("ab", 4, "minlength: 6; allowed: [a]; required: [b]"),
            {"ab", {"b"}}, 6, each);
        row("under a maxlength, one UTF-16 unit a character",
            withRules(make(u"advanced", "ab", 4, "_", false, "\U0001F600\u00e9"), "maxlength: 6"),
            {"ab\u00e9", {}}, 4, each);
        row("the extras are a group",
            withRules(make(u"advanced", "ab", 4, "_", false, "\u00e9"), {}, true),
            {"ab\u00e9", {"[ab]", "\u00e9"}}, 4, each);
        row("binary, runs of two", basic("ab", 100, "max-consecutive: 2"), {}, 100,
            69.95746922924867);
        row("digits, no repeat", basic("0123456789", 128, "max-consecutive: 1"), {}, 128,
            405.90240327806106);
        const QStringList few{"a", "bb", "ccc", "dddd", "ee"};
        phrase("passphrase, two separators", "-+", 3, 8, each, few);
        phrase("passphrase, one separator", "-", 4, 11, each, few);
        phrase("passphrase, no separator", "", 3, 5, each, few);
        phrase("shipped, 4 words in 24, two separators", "._", 4, 24, 49.198348490342894, {});
    }

    void counts()
    {
        QFETCH(Settings, settings);
        QFETCH(Demands, demands);
        QFETCH(qint64, length);
        QFETCH(double, bits);
        QFETCH(QStringList, words);
        const bool passphrase = settings.mode == GeneratorMode::words;
        const QStringList &list = words.isEmpty() ? Wordlist::words() : words;
        const GenerationResult drawn = PasswordGenerator::generate(
            settings, RandomSource::system(), [&]() -> const QStringList & { return list; });
        const auto *password = std::get_if<GeneratedPassword>(&drawn);
        const auto meets = [&](const QString &text) { return demands.metBy(text, settings); };
        // Only rules for figures alone may be too rare to draw under.
        QVERIFY(password ? meets(password->text) : !std::isnan(bits));
        double counted = password ? password->entropyBits : 0;
        if (!passphrase) {
            const auto requirements = std::get<Requirements>(Requirements::from(settings));
            QCOMPARE(requirements.length(), length);
            counted = requirements.entropyBits();
        }
        if (!std::isnan(bits)) {
            QCOMPARE(counted, bits);
            return;
        }
        // A password's characters; a passphrase's words, each join one of the
        // separators or none.
        const QStringList characters = Characters::graphemes(demands.alphabet);
        QList<QStringList> positions;
        for (qint64 i = 0; i < length; ++i) {
            if (passphrase && i > 0)
                positions << (characters.isEmpty() ? QStringList{""} : characters);
            positions << (passphrase ? list : characters);
        }
        QCOMPARE(qRound64(std::exp2(counted)), countEvery(positions, meets));
        QCOMPARE(password->entropyBits, counted);
        QCOMPARE(password->unitCount, length);
        QCOMPARE(password->poolSize, positions.last().size());
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
        const auto draw = [&] {
            if (settings == Settings())
                return QString::number(RandomSource::system().randomIndex(quint32(outcomes)));
            return std::get<GeneratedPassword>(PasswordGenerator::generate(settings)).text;
        };
        QHash<QString, qint64> counts;
        for (qint64 i = 0; i < std::max<qint64>(100'000, outcomes * 64); ++i)
            ++counts[draw()];
        QCOMPARE(counts.size(), outcomes); // each that may come, and no other
        // A fair source fails this in at most one run in a million.
        const double p = uniformity(counts.values());
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
