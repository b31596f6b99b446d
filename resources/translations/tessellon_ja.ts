<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>追加の文字</translation>
    </message>
</context>
<context>
    <name>Alphabet</name>
    <message>
        <source>Symbols</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>句読点</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>括弧</translation>
    </message>
</context>
<context>
    <name>ChipRowTitle</name>
    <message>
        <source>lower</source>
        <comment>the row&apos;s title in the tooltip: lower or keep</comment>
        <translation>keep</translation>
    </message>
    <message>
        <source>Turn off all %1</source>
        <translation>%1をすべてオフ</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>%1をすべてオン</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>この行をすべてオフにします</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>この行をすべてオンにします</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>コピーを受け持つ tessellon-clipboard がインストールされていません。</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>クリップボードにアクセスできませんでした。</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>クリップボードにアクセスできませんでした。グラフィカルセッションは実行中ですか？</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>--copy はこのプラットフォームでは使用できません。</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>--copy には data control に対応した Wayland コンポジター（sway や KDE Plasma など）が必要です。Tessellon のウィンドウからコピーしてください。</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>--%1 には %2 以上の整数を指定してください（&apos;%3&apos; は無効です）。</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 には %2 から %3 までの整数を指定してください（&apos;%4&apos; は無効です）。</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>--%1 にバイト 0x%2 が含まれています。UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>--%1 に U+%2 が含まれています。目に見えず、入力し直すこともできない文字です。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>basic、advanced、words のいずれか。</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>パスワードの文字数（4〜128）。</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>パスフレーズの単語数（3〜12）。</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>使用する文字。区切らずに続けて指定します。</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>advanced モードで追加する文字。</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>単語をつなぐ文字。空にすると区切りなし。</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>紛らわしい文字を除外します。</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>紛らわしい文字も使用します。</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>ウィンドウの設定ではなく既定値から始めます。</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>出力するパスワードの数（それぞれ新たに生成）。</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>エントロピー（ビット）、強度の評価、解読時間をタブ区切りで追加します。</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>パスワードごとに JSON オブジェクトを1つ出力します。</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>最初のパスワードを出力せずにクリップボードへコピーします。1分後に消去されます。</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>--copy と併用：コピーを消去せずに残します。</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>--mode には basic、advanced、words のいずれかを指定してください（&apos;%1&apos; は無効です）。</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>--exclude-ambiguous と --keep-ambiguous は同時に指定できません。</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>--strength と --json は同時に指定できません。</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>--no-clear は --copy と併用する場合にのみ指定できます。</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>システムの安全な乱数源からパスワードまたはパスフレーズを生成し、1行に1つずつ出力します。指定しなかったオプションには Tessellon ウィンドウの設定（ここから変更されることはありません）が使われ、--defaults を指定した場合は既定値が使われます。</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>書き込みエラー</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>オンにした各グループの文字を少なくとも1つずつ含めます。</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>サイトのパスワードルール（&quot;minlength: 8; required: digit&quot; など）。</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>サイトの既知のルールを適用します。</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>ドメイン</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>--rules と --site は同時に指定できません。</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>サイト &apos;%1&apos; の既知のルールはありません。</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>--rules の &apos;%1&apos; の部分を解釈できません。</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>パスフレーズを最大 n 文字にします。0 で制限なし。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>単語リストのファイルの内容と、除外される部分およびその理由を表示して終了します。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>--word-list には %1 のいずれか、または単語リストを指定してください。&apos;%2&apos; は使用できません：%3</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>パスフレーズの単語リスト（%1、または1行に1語のファイル）。選ぶまでは表示言語のリスト。</translation>
    </message>
</context>
<context>
    <name>CommandLineUsage</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数 &apos;%1&apos; です。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>解読にかかる時間の目安：%1（毎秒1,000億回の推測の場合）</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>%1語から選択</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>%n種類の文字から選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>最近生成したパスワード</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>紛らわしい文字を除外</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>1分後にクリップボードを消去</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピー済み</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>ルールを解除</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>ルールを解除</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>選択した各グループを必ず使用</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>パスワードルール…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>各グループを必ず使用</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>%n千年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n百万年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>%n十億年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n兆年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>%n千兆年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n百京年</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>事実上永遠</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>一瞬</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n年</numerusform>
        </translation>
    </message>
    <message>
        <source>thousands</source>
        <extracomment>Write &quot;thousands&quot; if your language counts large numbers by thousands. If it counts by ten thousands, write the words for 10^4, 10^8, 10^12 and 10^16 years instead, each with %n, parted by &quot;|&quot;: %n万年|%n億年|%n兆年|%n京年</extracomment>
        <translation>%n万年|%n億年|%n兆年|%n京年</translation>
    </message>
</context>
<context>
    <name>GeneratorError</name>
    <message>
        <source>Turn on at least one character to generate a password.</source>
        <translation>パスワードを生成するには、少なくとも1つの文字をオンにしてください。</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>単語リストを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>パスワードルールの「%1」の部分を解釈できません。</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>オンにした文字の中に、ルール「%1」を満たすものがありません。</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>%1文字のパスワードではルールを満たせません。</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>ルールを満たすパスワードは%1個に1つしかありません。パスワードを長くするか、ルールを緩めてください。</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>この単語数のパスフレーズは%1文字に収まりません。</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>制限内に収まるパスフレーズは%1個に1つしかありません。単語数を減らすか、制限を上げてください。</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>ルール「%1」を満たすパスワードの長さがありません。</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>ルールが求める文字グループが16を超えています。</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>履歴はまだありません</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>再生成で置き換わったパスワードがここにたまります。</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>メモリ上にのみ保持され、終了時に消去されます。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PasswordActions</name>
    <message>
        <source>Regenerate</source>
        <translation>再生成</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>パスワードをコピー</translation>
    </message>
</context>
<context>
    <name>PasswordDisplay</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RulesDialog</name>
    <message>
        <source>Password Rules</source>
        <translation>パスワードルール</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>サイトのドメイン、またはサイトが公開しているルール：</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>example.com または minlength: 8; required: digit</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>ルールなし：パスワードはオプションの設定だけに従います。</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>%1 のルール：%2</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>解釈結果：%1</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>このルールの「%1」の部分を解釈できません。</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>「%1」の既知のルールはありません。</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>強力なパスワードとパスフレーズをウィンドウで生成します。ウィンドウは前回選んだ設定を保持します。端末やスクリプトでパスワードを得るには tessellon-cli を使用してください。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>脆弱</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強固</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>非常に強固</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>Strength</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>%1, 2 to the %2 power</source>
        <translation>%1、2の%2乗</translation>
    </message>
</context>
<context>
    <name>TessellonApp</name>
    <message>
        <source>Tessellon</source>
        <translation>Tessellon</translation>
    </message>
    <message>
        <source>Tessellon has to stop: the system&apos;s secure random source failed.</source>
        <translation>システムの安全な乱数源でエラーが発生したため、Tessellon を終了します。</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>Tessellon は、より弱い乱数源からパスワードを作ることはありません。システムに getrandom 呼び出しがないか、セキュリティポリシーで禁止されている可能性があります。</translation>
    </message>
</context>
<context>
    <name>Wordlist</name>
    <message>
        <source>en</source>
        <comment>the name of the shipped word list in this language: en, de, pt_BR, fr or es</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>WordlistVerdict</name>
    <message>
        <source>The file can&apos;t be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>ファイルが 4 MiB を超えています。これほど長い単語リストはありません。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>ファイルが UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>採用した単語：%1語、1語あたり%2ビット。</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>異なる単語が2つ未満です。</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>除外した重複：%1語。</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>見えない制御文字を含むため除外した行：%1。</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>単語内に空白を含むため除外した行：%1。</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>単語内に区切り文字を含むため除外した行：%1。</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>単語が1,296語未満です。1語あたり10.3ビットに届かないため、パスフレーズにはより多くの単語が必要です。</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>他の単語の先頭になる単語があります：区切り文字なしでは、強度は確実に区別できる分だけを数えます。</translation>
    </message>
</context>
<context>
    <name>WordsControls</name>
    <message>
        <source>Separators</source>
        <translation>区切り文字</translation>
    </message>
    <message>
        <source>No separator — the words run together.</source>
        <translation>区切り文字なし — 単語が続けて並びます。</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>単語をこの文字でつなぎます。</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>つなぎ目ごとにランダムに1つ選ぶため、より強くなります。</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source> characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>パスフレーズの最大長</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>ファイルから…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>単語リストを選択</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>単語リスト (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>「%1」は使用できません：%2</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>「%1」は選択後に変更されています。使用するには選択し直してください。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>「%1」は使用できなくなりました：%2</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>区切り文字なし — 他の単語の先頭になる単語があるため、強度は確実に区別できる分だけを数えます。</translation>
    </message>
</context>
</TS>
