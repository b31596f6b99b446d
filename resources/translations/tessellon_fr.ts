<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>Caractères supplémentaires</translation>
    </message>
</context>
<context>
    <name>Alphabet</name>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Ponctuation</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Délimiteurs</translation>
    </message>
</context>
<context>
    <name>ChipRowTitle</name>
    <message>
        <source>lower</source>
        <comment>the row&apos;s title in the tooltip: lower or keep</comment>
        <translation>lower</translation>
    </message>
    <message>
        <source>Turn off all %1</source>
        <translation>Tout désactiver&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>Tout activer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>Désactive toute la ligne</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>Active toute la ligne</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>tessellon-clipboard, qui fournit la copie, n’est pas installé.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>Le presse-papiers est inaccessible.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>Le presse-papiers est inaccessible&#xa0;: une session graphique est-elle ouverte&#xa0;?</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>--copy n’est pas disponible sur cette plateforme.</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>--copy nécessite un compositeur Wayland prenant en charge «&#xa0;data control&#xa0;» (comme sway ou KDE Plasma)&#xa0;; copiez depuis la fenêtre de Tessellon.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>--%1 doit être un nombre entier d’au moins %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 doit être un nombre entier de %2 à %3, et non «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>--%1 contient l’octet 0x%2, qui n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>--%1 contient U+%2, un caractère qu’on ne peut ni voir ni retaper.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>basic, advanced ou words.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>Caractères par mot de passe, de 4 à 128.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>Mots par phrase de passe, de 3 à 12.</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>Les caractères parmi lesquels tirer, écrits à la suite.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>Caractères supplémentaires pour le mode avancé.</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>Caractères qui relient les mots&#xa0;; vide pour aucun.</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>Omettre les caractères ambigus.</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>Conserver les caractères ambigus.</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>Partir des valeurs par défaut, et non des réglages de la fenêtre.</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>Nombre de mots de passe, chacun tiré indépendamment.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>Ajouter l’entropie en bits, l’évaluation et le temps nécessaire pour le casser, séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>Afficher un objet JSON par mot de passe.</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>Copier le premier mot de passe dans le presse-papiers au lieu de l’afficher&#xa0;; effacé au bout d’une minute.</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>Avec --copy&#xa0;: laisser la copie en place.</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>--mode doit valoir basic, advanced ou words, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>--exclude-ambiguous et --keep-ambiguous sont incompatibles.</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>--strength et --json sont incompatibles.</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>--no-clear ne s’emploie qu’avec --copy.</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>Affiche des mots de passe ou des phrases de passe tirés de la source d’aléa sécurisée du système, un par ligne. Les options non précisées reprennent les réglages de la fenêtre de Tessellon (jamais modifiés d’ici), ou les valeurs par défaut avec --defaults.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d’écriture</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>Inclure au moins un caractère de chaque groupe activé.</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>Règles de mot de passe d’un site&#xa0;: «&#xa0;minlength: 8; required: digit&#xa0;».</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>règles</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>Appliquer les règles connues d’un site.</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>domaine</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>--rules et --site sont incompatibles.</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>Aucune règle connue pour le site «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>--rules est illisible au niveau de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>Au plus n caractères par phrase de passe&#xa0;; 0 pour aucune limite.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>Indiquer ce que contient un fichier de liste de mots, ce qui en est écarté et pourquoi, puis quitter.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>--word-list doit valoir %1 ou une liste de mots, et «&#xa0;%2&#xa0;» n’en est pas une&#xa0;: %3</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>La liste de mots des phrases de passe&#xa0;: %1 ou un fichier d’un mot par ligne&#xa0;; celle de la langue tant qu’aucune n’est choisie.</translation>
    </message>
</context>
<context>
    <name>CommandLineUsage</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>Temps de cassage estimé à 100 milliards d’essais par seconde&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>%1 mot disponible</numerusform>
            <numerusform>%1 mots disponibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>%n caractère disponible</numerusform>
            <numerusform>%n caractères disponibles</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Robustesse</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>Mots de passe générés récemment</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>Exclure les caractères ambigus</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>Vider le presse-papiers après 1 minute</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>Retirer les règles</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>Retirer les règles</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>Chaque groupe choisi au moins une fois</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>Règles de mot de passe…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>Chaque groupe choisi</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>mille ans</numerusform>
            <numerusform>%n mille ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n million d’années</numerusform>
            <numerusform>%n millions d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>%n milliard d’années</numerusform>
            <numerusform>%n milliards d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n billion d’années</numerusform>
            <numerusform>%n billions d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>%n billiard d’années</numerusform>
            <numerusform>%n billiards d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n trillion d’années</numerusform>
            <numerusform>%n trillions d’années</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>pratiquement une éternité</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>instantanément</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
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
        <translation>Activez au moins un caractère pour générer un mot de passe.</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>Impossible de charger la liste de mots.</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>Les règles de mot de passe sont illisibles au niveau de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>Aucun caractère activé ne respecte la règle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>Aucun mot de passe de %1 caractères ne respecte les règles.</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>Seul un mot de passe sur %1 respecte les règles&#xa0;: allongez le mot de passe ou assouplissez les règles.</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>Aucune phrase de passe de ce nombre de mots ne tient en %1 caractères.</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>Seule une phrase de passe sur %1 tient dans la limite&#xa0;: choisissez moins de mots ou une limite plus haute.</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>Aucune longueur de mot de passe ne respecte la règle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>Les règles exigent plus de 16 groupes de caractères.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Aucun historique pour l’instant</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>Les mots de passe que vous remplacez en régénérant s’accumuleront ici.</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>Conservé en mémoire uniquement — effacé à la fermeture.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
</context>
<context>
    <name>PasswordActions</name>
    <message>
        <source>Regenerate</source>
        <translation>Régénérer</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Copier le mot de passe</translation>
    </message>
</context>
<context>
    <name>PasswordDisplay</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Règles de mot de passe</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>Le domaine d’un site, ou les règles qu’il publie&#xa0;:</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>example.com ou minlength: 8; required: digit</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>Aucune règle&#xa0;: les mots de passe suivent uniquement les options.</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>Règles de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Interprétation&#xa0;: %1</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>Ces règles sont illisibles au niveau de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>Aucune règle connue pour «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>Génère des mots de passe et des phrases de passe robustes dans une fenêtre. La fenêtre garde les réglages choisis la dernière fois&#xa0;; pour des mots de passe dans un terminal ou un script, utilisez tessellon-cli.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellente</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>Strength</source>
        <translation>Robustesse</translation>
    </message>
    <message>
        <source>%1, 2 to the %2 power</source>
        <translation>%1, 2 puissance %2</translation>
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
        <translation>Tessellon doit s’arrêter&#xa0;: la source d’aléa sécurisée du système a échoué.</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>Tessellon ne génère jamais de mot de passe à partir d’une source plus faible. Il se peut que le système ne dispose pas de l’appel getrandom, ou qu’une politique de sécurité l’interdise.</translation>
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
        <translation>Le fichier est illisible.</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>Le fichier dépasse 4&#xa0;Mio&#xa0;: aucune liste de mots n’est aussi longue.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>Mots retenus&#xa0;: %1, %2&#xa0;bits par mot.</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>Moins de deux mots différents.</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>Doublons écartés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>Lignes écartées pour un caractère de contrôle invisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>Lignes écartées pour un espace dans un mot&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>Lignes écartées pour un séparateur dans un mot&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>Moins de 1&#x202f;296 mots&#xa0;: chacun apporte moins de 10,3&#xa0;bits, il en faut donc davantage par phrase de passe.</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>Certains mots en commencent d’autres&#xa0;: sans séparateur, la force ne compte que ce qui se distingue à coup sûr.</translation>
    </message>
</context>
<context>
    <name>WordsControls</name>
    <message>
        <source>Separators</source>
        <translation>Séparateurs</translation>
    </message>
    <message>
        <source>No separator — the words run together.</source>
        <translation>Aucun séparateur — les mots sont accolés.</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>Les mots sont reliés par ce caractère.</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>Chaque jonction en tire un au hasard, ce qui renforce la phrase de passe.</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> caractères</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>Longueur maximale de la phrase de passe</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Au plus</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>Depuis un fichier…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>Choisir une liste de mots</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>Listes de mots (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas utilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>«&#xa0;%1&#xa0;» a changé depuis qu’il a été choisi&#xa0;: choisissez-le de nouveau pour l’utiliser.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus utilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>Aucun séparateur — et comme certains mots en commencent d’autres, la force ne compte que ce qui se distingue à coup sûr.</translation>
    </message>
</context>
</TS>
