<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>附加字符</translation>
    </message>
</context>
<context>
    <name>Alphabet</name>
    <message>
        <source>Symbols</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>标点</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>括号</translation>
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
        <translation>关闭全部%1</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>开启全部%1</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>关闭整行</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>开启整行</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>负责提供复制内容的 tessellon-clipboard 未安装。</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>无法访问剪贴板。</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>无法访问剪贴板：图形会话是否正在运行？</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>--copy 在此平台上不可用。</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>--copy 需要支持 data control 协议的 Wayland 合成器（例如 sway 或 KDE Plasma）；请从 Tessellon 窗口复制。</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>--%1 必须是不小于 %2 的整数，而不是 &apos;%3&apos;。</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 必须是 %2 到 %3 之间的整数，而不是 &apos;%4&apos;。</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>--%1 含有字节 0x%2，不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>--%1 含有 U+%2，该字符既不可见，也无法重新输入。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>basic、advanced 或 words。</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>每个密码的字符数，4 到 128。</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>每个密码短语的单词数，3 到 12。</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>用于抽取的字符，连续写在一起。</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>advanced 模式下的附加字符。</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>用于连接单词的字符；留空则不使用分隔符。</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>排除易混淆字符。</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>保留易混淆字符。</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>从默认值开始，而非窗口中的设置。</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>生成的密码个数，每个都重新抽取。</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>附加以比特为单位的熵、强度评级和破解时间，以制表符分隔。</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>每个密码输出一个 JSON 对象。</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>将第一个密码复制到剪贴板而不输出；一分钟后清除。</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>与 --copy 一起使用：保留复制的内容，不清除。</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>--mode 必须是 basic、advanced 或 words，而不是 &apos;%1&apos;。</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>--exclude-ambiguous 与 --keep-ambiguous 相互冲突。</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>--strength 与 --json 相互冲突。</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>--no-clear 只能与 --copy 一起使用。</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>使用系统的安全随机源生成密码或密码短语，每行一个。未指定的选项取自 Tessellon 窗口的设置（此处绝不会更改这些设置）；若指定 --defaults，则取默认值。</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>写入错误</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>从每个已开启的字符组中至少选用一个字符。</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>网站的密码规则：&quot;minlength: 8; required: digit&quot;。</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>应用某个网站的已知规则。</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>域名</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>--rules 与 --site 相互冲突。</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>网站 &apos;%1&apos; 没有已知的规则。</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>无法解析 --rules 中的 &apos;%1&apos;。</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>密码短语最多 n 个字符；0 表示不限。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>显示单词列表文件的内容、其中被排除的部分及原因，然后退出。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>--word-list 必须是 %1 之一或单词列表，而 &apos;%2&apos; 不是：%3</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>密码短语的单词列表：%1 或每行一个单词的文件；未选择时使用界面语言的列表。</translation>
    </message>
</context>
<context>
    <name>CommandLineUsage</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数 &apos;%1&apos;。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>请尝试执行 &apos;%1 --help&apos; 获取更多信息。
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>预计破解时间：%1（按每秒 1000 亿次猜测计算）</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>可选单词 %1 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>字符池中有 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>最近生成的密码</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>排除易混淆字符</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>1 分钟后清除剪贴板</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>移除规则</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>移除规则</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>每个所选字符组至少出现一次</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>密码规则…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>每个所选字符组都出现</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>%n 千年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n 百万年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>%n 十亿年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n 万亿年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>%n 千万亿年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n 百亿亿年</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>近乎永久</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>瞬间</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n 年</numerusform>
        </translation>
    </message>
    <message>
        <source>thousands</source>
        <extracomment>Write &quot;thousands&quot; if your language counts large numbers by thousands. If it counts by ten thousands, write the words for 10^4, 10^8, 10^12 and 10^16 years instead, each with %n, parted by &quot;|&quot;: %n万年|%n億年|%n兆年|%n京年</extracomment>
        <translation>%n 万年|%n 亿年|%n 万亿年|%n 亿亿年</translation>
    </message>
</context>
<context>
    <name>GeneratorError</name>
    <message>
        <source>Turn on at least one character to generate a password.</source>
        <translation>请至少开启一个字符以生成密码。</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>无法加载单词列表。</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>无法解析密码规则中的“%1”。</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>没有已开启的字符能满足规则“%1”。</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>%1 个字符的密码无法满足规则。</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>每 %1 个密码中只有 1 个满足规则：请加长密码或放宽规则。</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>这么多单词的密码短语无法容纳在 %1 个字符内。</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>每 %1 个密码短语中只有 1 个符合长度限制：请减少单词数或提高限制。</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>没有任何密码长度能满足规则“%1”。</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>规则要求的字符组超过 16 个。</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>暂无历史记录</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>重新生成后，之前的密码会保存在这里。</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>仅保存在内存中——退出时清除。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PasswordActions</name>
    <message>
        <source>Regenerate</source>
        <translation>重新生成</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>复制密码</translation>
    </message>
</context>
<context>
    <name>PasswordDisplay</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
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
        <translation>密码规则</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>网站的域名，或网站公布的规则：</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>example.com 或 minlength: 8; required: digit</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>无规则：密码仅按选项生成。</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>%1 的规则：%2</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>解析为：%1</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>无法解析这些规则中的“%1”。</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>没有“%1”的已知规则。</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>在窗口中生成强密码和密码短语。窗口会保留您上次选择的设置；如需在终端或脚本中获取密码，请使用 tessellon-cli。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>极强</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>%1, 2 to the %2 power</source>
        <translation>%1，2 的 %2 次方</translation>
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
        <translation>Tessellon 必须停止运行：系统的安全随机源出现故障。</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>Tessellon 绝不会使用更弱的随机源生成密码。系统可能缺少 getrandom 调用，或者安全策略禁止了该调用。</translation>
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
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>文件大于 4 MiB：没有这么长的单词列表。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>该文件不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>保留的单词：%1 个，每个单词 %2 比特。</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>不同的单词少于两个。</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>已去除的重复项：%1 个。</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>因含有不可见控制字符而排除的行：%1。</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>因单词内含有空格而排除的行：%1。</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>因单词内含有分隔符而排除的行：%1。</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>单词少于 1296 个：每个单词提供的熵不足 10.3 比特，因此密码短语需要更多单词。</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>有些单词是其他单词的开头：不用分隔符时，强度只计算能确定区分的部分。</translation>
    </message>
</context>
<context>
    <name>WordsControls</name>
    <message>
        <source>Separators</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>No separator — the words run together.</source>
        <translation>无分隔符——单词直接相连。</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>单词之间用此字符连接。</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>每处连接随机选用其中一个，使密码短语更强。</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>不限</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> 个字符</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>密码短语最大长度</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>最多</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>单词列表</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>从文件选择…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>选择单词列表</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>单词列表 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>无法使用“%1”：%2</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>“%1”在选择后已被修改：请重新选择后再使用。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>“%1”已无法使用：%2</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>无分隔符——由于有些单词是其他单词的开头，强度只计算能确定区分的部分。</translation>
    </message>
</context>
</TS>
