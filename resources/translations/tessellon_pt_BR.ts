<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>Caracteres adicionais</translation>
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
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Parênteses</translation>
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
        <translation>Desativar %1 por completo</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>Ativar %1 por completo</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>Desativa a linha inteira</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>Ativa a linha inteira</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>O tessellon-clipboard, que mantém a cópia disponível, não está instalado.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>Não foi possível acessar a área de transferência.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>Não foi possível acessar a área de transferência: há uma sessão gráfica em execução?</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>--copy não está disponível nesta plataforma.</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>--copy requer um compositor Wayland com suporte a data control (como sway ou KDE Plasma); copie pela janela do Tessellon.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>--%1 deve ser um número inteiro maior ou igual a %2, não &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 deve ser um número inteiro de %2 a %3, não &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>--%1 contém o byte 0x%2, que não é texto UTF-8.</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>--%1 contém U+%2, um caractere que não pode ser visto nem digitado de novo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>basic, advanced ou words.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>Caracteres por senha, de 4 a 128.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>Palavras por frase secreta, de 3 a 12.</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>Os caracteres a sortear, escritos juntos.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>Caracteres extras para o modo avançado.</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>Caracteres para unir as palavras; vazio para nenhum.</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>Omite caracteres ambíguos.</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>Mantém caracteres ambíguos.</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>Parte dos valores padrão, não das configurações da janela.</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>Quantidade de senhas, cada uma gerada de forma independente.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>Acrescenta a entropia em bits, a classificação e o tempo para quebrar, separados por tabulação.</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>Imprime um objeto JSON por senha.</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>Copia a primeira senha para a área de transferência em vez de imprimi-la; ela é apagada após um minuto.</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>Com --copy: não apaga a cópia.</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>--mode deve ser basic, advanced ou words, não &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>--exclude-ambiguous e --keep-ambiguous se contradizem.</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>--strength e --json se contradizem.</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>--no-clear só pode ser usado com --copy.</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>Imprime senhas ou frases secretas obtidas da fonte aleatória segura do sistema, uma por linha. As opções não informadas vêm das configurações da janela do Tessellon (que nunca são alteradas daqui) ou, com --defaults, dos valores padrão.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erro de escrita</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>Inclui pelo menos um caractere de cada grupo ativado.</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>Regras de senha de um site: &quot;minlength: 8; required: digit&quot;.</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>regras</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>Aplica as regras conhecidas de um site.</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>domínio</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>--rules e --site se contradizem.</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>Não há regras conhecidas para o site &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>Não foi possível ler --rules em &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>No máximo n caracteres por frase secreta; 0 para não ter limite.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>Informa o que um arquivo de lista de palavras contém, o que fica de fora e por quê, e sai.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>--word-list deve ser %1 ou uma lista de palavras, e &apos;%2&apos; não é: %3</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>A lista de palavras das frases secretas: %1 ou um arquivo com uma palavra por linha; a do idioma até que se escolha uma.</translation>
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
        <translation>Tente &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>Tempo estimado para quebrá-la a 100 bilhões de tentativas por segundo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>%1 palavra disponível</numerusform>
            <numerusform>%1 palavras disponíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>%n caractere no conjunto</numerusform>
            <numerusform>%n caracteres no conjunto</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Segurança</translation>
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
        <translation>Avançado</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>Senhas geradas recentemente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>Excluir caracteres ambíguos</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>Limpar a área de transferência após 1 minuto</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>Remover regras</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>Remover regras</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>Cada grupo escolhido pelo menos uma vez</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>Regras de senha…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>Cada grupo escolhido</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>mil anos</numerusform>
            <numerusform>%n mil anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n milhão de anos</numerusform>
            <numerusform>%n milhões de anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>%n bilhão de anos</numerusform>
            <numerusform>%n bilhões de anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n trilhão de anos</numerusform>
            <numerusform>%n trilhões de anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>%n quatrilhão de anos</numerusform>
            <numerusform>%n quatrilhões de anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n quintilhão de anos</numerusform>
            <numerusform>%n quintilhões de anos</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>praticamente uma eternidade</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>instantaneamente</translation>
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
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n ano</numerusform>
            <numerusform>%n anos</numerusform>
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
        <translation>Ative pelo menos um caractere para gerar uma senha.</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>Não foi possível carregar a lista de palavras.</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>Não foi possível ler as regras de senha em “%1”.</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>Nenhum caractere ativado atende à regra “%1”.</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>Nenhuma senha de %1 caracteres atende às regras.</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>Só uma em cada %1 senhas atende às regras: aumente o tamanho ou flexibilize as regras.</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>Nenhuma frase secreta com tantas palavras cabe em %1 caracteres.</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>Só uma em cada %1 frases secretas cabe no limite: use menos palavras ou um limite maior.</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>Nenhum tamanho de senha atende à regra “%1”.</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>As regras pedem mais de 16 grupos de caracteres.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Nenhum histórico ainda</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>As senhas que você deixar para trás ao regenerar vão se acumulando aqui.</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>Mantido só na memória — apagado ao sair.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
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
        <translation>Copiar senha</translation>
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
        <translation>Selecionar tudo</translation>
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
        <translation>Regras de senha</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>O domínio de um site, ou as regras que ele publica:</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>example.com ou minlength: 8; required: digit</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>Sem regras: as senhas seguem apenas as opções.</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>Regras de %1: %2</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Interpretação: %1</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>Não foi possível ler estas regras em “%1”.</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>Não há regras conhecidas para “%1”.</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>Gera senhas e frases secretas fortes em uma janela. A janela mantém as configurações que você escolheu da última vez; para senhas em um terminal ou script, use o tessellon-cli.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>Fraca</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Razoável</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
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
        <translation>Segurança</translation>
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
        <translation>O Tessellon precisa ser encerrado: a fonte aleatória segura do sistema falhou.</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>Ele nunca gera uma senha a partir de uma fonte menos segura. Talvez o sistema não tenha a chamada getrandom, ou uma política de segurança a proíba.</translation>
    </message>
</context>
<context>
    <name>Wordlist</name>
    <message>
        <source>en</source>
        <comment>the name of the shipped word list in this language: en, de, pt_BR, fr or es</comment>
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>WordlistVerdict</name>
    <message>
        <source>The file can&apos;t be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>O arquivo tem mais de 4 MiB: nenhuma lista de palavras é tão longa.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>O arquivo não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>Palavras aproveitadas: %1, %2 bits por palavra.</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>Menos de duas palavras diferentes.</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>Repetições descartadas: %1.</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>Linhas descartadas por um caractere de controle invisível: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>Linhas descartadas por um espaço dentro de uma palavra: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>Linhas descartadas por um separador dentro de uma palavra: %1.</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>Menos de 1.296 palavras: cada uma acrescenta menos de 10,3 bits, então uma frase secreta precisa de mais delas.</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>Algumas palavras começam outras: sem separador, a força só conta o que se pode distinguir.</translation>
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
        <translation>Sem separador — as palavras ficam juntas.</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>As palavras são unidas por este caractere.</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>Cada junção sorteia um deles, o que deixa a frase secreta mais forte.</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> caracteres</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>Tamanho máximo da frase secreta</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Lista de palavras</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>De um arquivo…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>Escolher uma lista de palavras</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>Listas de palavras (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>Não é possível usar “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>“%1” mudou desde que foi escolhido: escolha-o de novo para usá-lo.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>Não é mais possível usar “%1”: %2</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>Sem separador — e como algumas palavras começam outras, a força só conta o que se pode distinguir.</translation>
    </message>
</context>
</TS>
