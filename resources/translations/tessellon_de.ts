<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>Zusätzliche Zeichen</translation>
    </message>
</context>
<context>
    <name>Alphabet</name>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Satzzeichen</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Klammern</translation>
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
        <translation>Alle %1 ausschalten</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>Alle %1 einschalten</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>Schaltet die ganze Zeile aus</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>Schaltet die ganze Zeile ein</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>tessellon-clipboard, das die Kopie bereitstellt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>Die Zwischenablage ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>Die Zwischenablage ist nicht erreichbar: Läuft eine grafische Sitzung?</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>--copy ist auf dieser Plattform nicht verfügbar.</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>--copy braucht einen Wayland-Compositor, der „data control“ anbietet (etwa sway oder KDE Plasma); kopieren Sie aus dem Tessellon-Fenster.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>--%1 muss eine ganze Zahl von mindestens %2 sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 muss eine ganze Zahl von %2 bis %3 sein, nicht „%4“.</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>--%1 enthält das Byte 0x%2, das kein gültiger UTF-8-Text ist.</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>--%1 enthält U+%2, ein Zeichen, das weder sichtbar ist noch sich abtippen lässt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>basic, advanced oder words.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>Zeichen pro Passwort, 4 bis 128.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>Wörter pro Passphrase, 3 bis 12.</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>Die Zeichen, aus denen gezogen wird, zusammengeschrieben.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>Zusätzliche Zeichen für den erweiterten Modus.</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>Zeichen zum Verbinden der Wörter; leer für keines.</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>Leicht verwechselbare Zeichen weglassen.</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>Leicht verwechselbare Zeichen behalten.</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>Von den Standardwerten ausgehen, nicht von den Einstellungen des Fensters.</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>Anzahl der Passwörter, jedes neu gezogen.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>Entropie in Bit, Bewertung und Zeit zum Knacken anfügen, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>Ein JSON-Objekt pro Passwort ausgeben.</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>Das erste Passwort in die Zwischenablage kopieren, statt es auszugeben; wird nach einer Minute gelöscht.</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>Mit --copy: die Kopie nicht löschen.</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>--mode muss basic, advanced oder words sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>--exclude-ambiguous und --keep-ambiguous schließen sich gegenseitig aus.</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>--strength und --json schließen sich gegenseitig aus.</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>--no-clear ist nur zusammen mit --copy möglich.</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>Gibt Passwörter oder Passphrasen aus der sicheren Zufallsquelle des Systems aus, eines pro Zeile. Nicht angegebene Optionen stammen aus den Einstellungen des Tessellon-Fensters (die von hier aus nie geändert werden) oder, mit --defaults, aus den Standardwerten.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>Aus jeder eingeschalteten Gruppe mindestens ein Zeichen verwenden.</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>Passwortregeln einer Website: „minlength: 8; required: digit“.</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>Die bekannten Regeln einer Website anwenden.</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>--rules und --site schließen sich gegenseitig aus.</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>Für die Website „%1“ sind keine Regeln bekannt.</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>--rules kann bei „%1“ nicht gelesen werden.</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>Höchstens n Zeichen pro Passphrase; 0 für keine Grenze.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>Anzeigen, was eine Wortlisten-Datei enthält, was davon ausgelassen wird und warum, und beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>--word-list muss %1 oder eine Wortliste sein, und „%2“ ist keine: %3</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>Die Wortliste für Passphrasen: %1 oder eine Datei mit einem Wort je Zeile; bis zur Wahl die der Sprache.</translation>
    </message>
</context>
<context>
    <name>CommandLineUsage</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>Geschätzte Zeit zum Knacken bei 100 Milliarden Versuchen pro Sekunde: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>%1 Wort verfügbar</numerusform>
            <numerusform>%1 Wörter verfügbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>%n Zeichen im Vorrat</numerusform>
            <numerusform>%n Zeichen im Vorrat</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>Zuletzt erzeugte Passwörter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>Leicht verwechselbare Zeichen ausschließen</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>Zwischenablage nach 1 Minute leeren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>Regeln entfernen</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>Regeln entfernen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>Jede gewählte Gruppe mindestens einmal</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>Passwortregeln…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>Jede gewählte Gruppe</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>%n Jahrtausend</numerusform>
            <numerusform>%n Jahrtausende</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n Million Jahre</numerusform>
            <numerusform>%n Millionen Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>%n Milliarde Jahre</numerusform>
            <numerusform>%n Milliarden Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n Billion Jahre</numerusform>
            <numerusform>%n Billionen Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>%n Billiarde Jahre</numerusform>
            <numerusform>%n Billiarden Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n Trillion Jahre</numerusform>
            <numerusform>%n Trillionen Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>praktisch ewig</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>sofort</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>thousands</source>
        <extracomment>Write &quot;thousands&quot; if your language counts large numbers by thousands. If it counts by ten thousands, write the words for 10^4, 10^8, 10^12 and 10^16 years instead, each with %n, parted by &quot;|&quot;: %n万年|%n億年|%n兆年|%n京年</extracomment>
        <translation>thousands</translation>
    </message>
</context>
<context>
    <name>GeneratorError</name>
    <message>
        <source>Turn on at least one character to generate a password.</source>
        <translation>Schalten Sie mindestens ein Zeichen ein, um ein Passwort zu erzeugen.</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>Die Wortliste konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>Die Passwortregeln können bei „%1“ nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>Kein eingeschaltetes Zeichen erfüllt die Regel „%1“.</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>Kein Passwort mit %1 Zeichen erfüllt die Regeln.</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>Nur eines von %1 Passwörtern erfüllt die Regeln: Verlängern Sie das Passwort oder lockern Sie die Regeln.</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>Keine Passphrase mit so vielen Wörtern passt in %1 Zeichen.</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>Nur eine von %1 Passphrasen passt in die Grenze: Wählen Sie weniger Wörter oder eine höhere Grenze.</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>Keine Passwortlänge erfüllt die Regel „%1“.</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>Die Regeln verlangen mehr als 16 Zeichengruppen.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Noch kein Verlauf</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>Passwörter, die Sie durch Neuerzeugen ersetzen, sammeln sich hier.</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>Nur im Arbeitsspeicher – wird beim Beenden gelöscht.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>PasswordActions</name>
    <message>
        <source>Regenerate</source>
        <translation>Neu erzeugen</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Passwort kopieren</translation>
    </message>
</context>
<context>
    <name>PasswordDisplay</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
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
        <translation>Passwortregeln</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>Die Domain einer Website oder die Regeln, die sie veröffentlicht:</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>example.com oder minlength: 8; required: digit</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>Keine Regeln: Passwörter richten sich allein nach den Optionen.</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>Regeln von %1: %2</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Gelesen als: %1</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>Diese Regeln können bei „%1“ nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>Für „%1“ sind keine Regeln bekannt.</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>Erzeugt starke Passwörter und Passphrasen in einem Fenster. Das Fenster behält die zuletzt gewählten Einstellungen; für Passwörter im Terminal oder in einem Skript verwenden Sie tessellon-cli.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Sehr stark</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>%1, 2 to the %2 power</source>
        <translation>%1, 2 hoch %2</translation>
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
        <translation>Tessellon muss beendet werden: Die sichere Zufallsquelle des Systems ist ausgefallen.</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>Tessellon erzeugt nie ein Passwort aus einer schwächeren Quelle. Möglicherweise fehlt dem System der Aufruf getrandom, oder eine Sicherheitsrichtlinie verbietet ihn.</translation>
    </message>
</context>
<context>
    <name>Wordlist</name>
    <message>
        <source>en</source>
        <comment>the name of the shipped word list in this language: en, de, pt_BR, fr or es</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>WordlistVerdict</name>
    <message>
        <source>The file can&apos;t be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>Die Datei ist größer als 4 MiB: So lang ist keine Wortliste.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>Übernommene Wörter: %1, %2 Bit pro Wort.</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>Weniger als zwei verschiedene Wörter.</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>Entfernte Duplikate: %1.</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>Wegen eines unsichtbaren Steuerzeichens ausgelassene Zeilen: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>Wegen eines Leerzeichens im Wort ausgelassene Zeilen: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>Wegen eines Trenners im Wort ausgelassene Zeilen: %1.</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>Weniger als 1.296 Wörter: Jedes bringt weniger als 10,3 Bit, eine Passphrase braucht also mehr davon.</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>Manche Wörter bilden den Anfang anderer: Ohne Trenner zählt die Stärke nur, was sich eindeutig trennen lässt.</translation>
    </message>
</context>
<context>
    <name>WordsControls</name>
    <message>
        <source>Separators</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>No separator — the words run together.</source>
        <translation>Kein Trenner – die Wörter stehen direkt hintereinander.</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>Die Wörter werden durch dieses Zeichen verbunden.</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>Jede Wortgrenze erhält zufällig eines davon, was die Passphrase stärker macht.</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Keine Grenze</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> Zeichen</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>Maximale Länge der Passphrase</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>Aus einer Datei…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>Wortliste auswählen</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>Wortlisten (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>„%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>„%1“ wurde seit der Auswahl geändert: Wählen Sie die Datei erneut, um sie zu verwenden.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>„%1“ kann nicht mehr verwendet werden: %2</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>Kein Trenner – und da manche Wörter andere einleiten, zählt die Stärke nur, was sich eindeutig trennen lässt.</translation>
    </message>
</context>
</TS>
