<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>Caracteres adicionales</translation>
    </message>
</context>
<context>
    <name>Alphabet</name>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Paréntesis</translation>
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
        <translation>Desactivar %1 por completo</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>Activar %1 por completo</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>Desactiva toda la fila</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>Activa toda la fila</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>tessellon-clipboard, que mantiene disponible la copia, no está instalado.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>No se pudo acceder al portapapeles.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>No se pudo acceder al portapapeles: ¿hay una sesión gráfica en marcha?</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>--copy no está disponible en esta plataforma.</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>--copy necesita un compositor Wayland que ofrezca data control (como sway o KDE Plasma); copia desde la ventana de Tessellon.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>--%1 debe ser un número entero mayor o igual que %2, no &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 debe ser un número entero entre %2 y %3, no &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>--%1 contiene el byte 0x%2, que no es texto UTF-8.</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>--%1 contiene U+%2, un carácter que no se puede ver ni volver a escribir.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>basic, advanced o words.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>Caracteres por contraseña, de 4 a 128.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>Palabras por frase de contraseña, de 3 a 12.</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>Los caracteres entre los que elegir, escritos seguidos.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>Caracteres adicionales para el modo avanzado.</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>Caracteres para unir las palabras; vacío para ninguno.</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>Omite los caracteres ambiguos.</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>Conserva los caracteres ambiguos.</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>Parte de los valores predeterminados, no de la configuración de la ventana.</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>Número de contraseñas, cada una generada de forma independiente.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>Añade la entropía en bits, el nivel de seguridad y el tiempo estimado para romper la contraseña, separados por tabuladores.</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>Imprime un objeto JSON por contraseña.</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>Copia la primera contraseña al portapapeles en lugar de imprimirla; se borra al cabo de un minuto.</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>Con --copy: no borra la copia.</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>--mode debe ser basic, advanced o words, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>--exclude-ambiguous y --keep-ambiguous se contradicen.</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>--strength y --json se contradicen.</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>--no-clear solo puede usarse con --copy.</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>Imprime contraseñas o frases de contraseña obtenidas de la fuente aleatoria segura del sistema, una por línea. Las opciones no indicadas se toman de la configuración de la ventana de Tessellon (que nunca se modifica desde aquí) o, con --defaults, de los valores predeterminados.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>Incluye al menos un carácter de cada grupo activado.</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>Reglas de contraseña de un sitio: &quot;minlength: 8; required: digit&quot;.</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>reglas</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>Aplica las reglas conocidas de un sitio.</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>dominio</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>--rules y --site se contradicen.</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>No se conocen reglas para el sitio &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>--rules no se puede leer en &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>Como máximo n caracteres por frase de contraseña; 0 para no poner límite.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>Indica qué contiene un archivo de lista de palabras, qué se descarta y por qué, y termina.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>--word-list debe ser %1 o una lista de palabras, y &apos;%2&apos; no lo es: %3</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>La lista de palabras de las frases de contraseña: %1 o un archivo de una palabra por línea; la del idioma mientras no se elija otra.</translation>
    </message>
</context>
<context>
    <name>CommandLineUsage</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Prueba &apos;%1 --help&apos; para más información.
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>Tiempo estimado para romperla a cien mil millones de intentos por segundo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>%1 palabra disponible</numerusform>
            <numerusform>%1 palabras disponibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>%n carácter en el conjunto</numerusform>
            <numerusform>%n caracteres en el conjunto</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>Contraseñas generadas recientemente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>Excluir caracteres ambiguos</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>Borrar el portapapeles tras 1 minuto</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>Quitar reglas</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>Quitar reglas</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>Cada grupo elegido al menos una vez</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>Reglas de contraseña…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>Cada grupo elegido</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>mil años</numerusform>
            <numerusform>%n mil años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n millón de años</numerusform>
            <numerusform>%n millones de años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>mil millones de años</numerusform>
            <numerusform>%n mil millones de años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n billón de años</numerusform>
            <numerusform>%n billones de años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>mil billones de años</numerusform>
            <numerusform>%n mil billones de años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n trillón de años</numerusform>
            <numerusform>%n trillones de años</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>prácticamente una eternidad</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>al instante</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
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
        <translation>Activa al menos un carácter para generar una contraseña.</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>No se pudo cargar la lista de palabras.</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>Las reglas de contraseña no se pueden leer en “%1”.</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>Ningún carácter activado cumple la regla “%1”.</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>Ninguna contraseña de %1 caracteres cumple las reglas.</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>Solo una de cada %1 contraseñas cumple las reglas: alarga la contraseña o flexibiliza las reglas.</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>Ninguna frase de contraseña con tantas palabras cabe en %1 caracteres.</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>Solo una de cada %1 frases de contraseña cabe en el límite: usa menos palabras o un límite mayor.</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>Ninguna longitud de contraseña cumple la regla “%1”.</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>Las reglas piden más de 16 grupos de caracteres.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Aún no hay historial</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>Las contraseñas que dejes atrás al regenerar se irán guardando aquí.</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>Solo se guarda en memoria — se borra al salir.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>PasswordActions</name>
    <message>
        <source>Regenerate</source>
        <translation>Regenerar</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Copiar contraseña</translation>
    </message>
</context>
<context>
    <name>PasswordDisplay</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
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
        <translation>Reglas de contraseña</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>El dominio de un sitio, o las reglas que publica:</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>example.com o minlength: 8; required: digit</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>Sin reglas: las contraseñas siguen solo las opciones.</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>Reglas de %1: %2</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Interpretación: %1</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>Estas reglas no se pueden leer en “%1”.</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>No se conocen reglas para “%1”.</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>Genera contraseñas y frases de contraseña seguras en una ventana. La ventana conserva la configuración que elegiste la última vez; para contraseñas en una terminal o un script, usa tessellon-cli.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>Débil</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>Strength</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>%1, 2 to the %2 power</source>
        <translation>%1, 2 elevado a %2</translation>
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
        <translation>Tessellon tiene que cerrarse: ha fallado la fuente aleatoria segura del sistema.</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>Nunca genera contraseñas a partir de una fuente menos segura. Puede que el sistema no disponga de la llamada getrandom o que una política de seguridad la prohíba.</translation>
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
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>El archivo ocupa más de 4 MiB: ninguna lista de palabras es tan larga.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>Palabras conservadas: %1, %2 bits por palabra.</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>Menos de dos palabras distintas.</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>Repeticiones descartadas: %1.</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>Líneas descartadas por un carácter de control invisible: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>Líneas descartadas por un espacio dentro de una palabra: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>Líneas descartadas por un separador dentro de una palabra: %1.</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>Menos de 1296 palabras: cada una aporta menos de 10,3 bits, así que una frase de contraseña necesita más.</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>Algunas palabras empiezan otras: sin separador, la fortaleza solo cuenta lo que se puede distinguir.</translation>
    </message>
</context>
<context>
    <name>WordsControls</name>
    <message>
        <source>Separators</source>
        <translation>Separadores</translation>
    </message>
    <message>
        <source>No separator — the words run together.</source>
        <translation>Sin separador — las palabras van juntas.</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>Las palabras se unen con este carácter.</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>Cada unión elige uno al azar, lo que hace más segura la frase de contraseña.</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> caracteres</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>Longitud máxima de la frase de contraseña</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>Desde un archivo…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>Elegir una lista de palabras</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>Listas de palabras (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>“%1” no se puede usar: %2</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>“%1” ha cambiado desde que se eligió: vuelve a elegirlo para usarlo.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>“%1” ya no se puede usar: %2</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>Sin separador — y como algunas palabras empiezan otras, la fortaleza solo cuenta lo que se puede distinguir.</translation>
    </message>
</context>
</TS>
