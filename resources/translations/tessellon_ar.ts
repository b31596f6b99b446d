<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AdvancedControls</name>
    <message>
        <source>Additional characters</source>
        <translation>أحرف إضافية</translation>
    </message>
</context>
<context>
    <name>Alphabet</name>
    <message>
        <source>Symbols</source>
        <translation>الرموز</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>الترقيم</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>الأقواس</translation>
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
        <translation>تعطيل كل ⁨%1⁩</translation>
    </message>
    <message>
        <source>Turn on all %1</source>
        <translation>تفعيل كل ⁨%1⁩</translation>
    </message>
    <message>
        <source>Turns off the whole row</source>
        <translation>يعطّل الصف بأكمله</translation>
    </message>
    <message>
        <source>Turns on the whole row</source>
        <translation>يفعّل الصف بأكمله</translation>
    </message>
</context>
<context>
    <name>ClipboardHandOff</name>
    <message>
        <source>tessellon-clipboard, which serves the copy, is not installed.</source>
        <translation>البرنامج tessellon-clipboard الذي يقدّم النسخة إلى الحافظة غير مثبّت.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached.</source>
        <translation>تعذّر الوصول إلى الحافظة.</translation>
    </message>
    <message>
        <source>The clipboard couldn&apos;t be reached: is a graphical session running?</source>
        <translation>تعذّر الوصول إلى الحافظة: هل توجد جلسة رسومية قيد التشغيل؟</translation>
    </message>
    <message>
        <source>--copy is not available on this platform.</source>
        <translation>الخيار ⁦--copy⁩ غير متاح على هذه المنصة.</translation>
    </message>
    <message>
        <source>--copy needs a Wayland compositor that offers data control (such as sway or KDE Plasma); copy from the Tessellon window.</source>
        <translation>يتطلب الخيار ⁦--copy⁩ مُركِّب Wayland يدعم بروتوكول data control (مثل sway أو KDE Plasma)؛ انسخ من نافذة Tessellon.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>--%1 must be a whole number of at least %2, not &apos;%3&apos;.</source>
        <translation>يجب أن تكون قيمة ⁦--%1⁩ عددًا صحيحًا لا يقل عن %2، وليس &apos;⁨%3⁩&apos;.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>يجب أن تكون قيمة ⁦--%1⁩ عددًا صحيحًا من %2 إلى %3، وليس &apos;⁨%4⁩&apos;.</translation>
    </message>
    <message>
        <source>--%1 holds the byte 0x%2, which is not UTF-8 text.</source>
        <translation>تحتوي قيمة ⁦--%1⁩ على البايت ⁦0x%2⁩، وهو ليس نصًا بترميز UTF-8.</translation>
    </message>
    <message>
        <source>--%1 holds U+%2, a character that cannot be seen or typed back.</source>
        <translation>تحتوي قيمة ⁦--%1⁩ على ⁦U+%2⁩، وهو حرف لا يُرى ولا يمكن إعادة كتابته.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه المساعدة ثم الخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار ثم الخروج.</translation>
    </message>
    <message>
        <source>basic, advanced or words.</source>
        <translation>الوضع: basic أو advanced أو words.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>وضع</translation>
    </message>
    <message>
        <source>Characters per password, 4 to 128.</source>
        <translation>عدد الأحرف في كل كلمة مرور، من 4 إلى 128.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>عدد</translation>
    </message>
    <message>
        <source>Words per passphrase, 3 to 12.</source>
        <translation>عدد الكلمات في كل عبارة مرور، من 3 إلى 12.</translation>
    </message>
    <message>
        <source>The characters to draw from, written together.</source>
        <translation>الأحرف التي يُختار منها، متتاليةً في نص واحد.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Extra characters for advanced mode.</source>
        <translation>أحرف إضافية للوضع المتقدم.</translation>
    </message>
    <message>
        <source>Characters to join words with; empty for none.</source>
        <translation>الأحرف التي تصل بين الكلمات؛ القيمة الفارغة تعني بلا فاصل.</translation>
    </message>
    <message>
        <source>Leave out characters that are easy to confuse.</source>
        <translation>استبعاد الأحرف الملتبسة.</translation>
    </message>
    <message>
        <source>Keep characters that are easy to confuse.</source>
        <translation>الإبقاء على الأحرف الملتبسة.</translation>
    </message>
    <message>
        <source>Start from the defaults, not the window&apos;s settings.</source>
        <translation>البدء من القيم الافتراضية، لا من إعدادات النافذة.</translation>
    </message>
    <message>
        <source>How many passwords, each drawn anew.</source>
        <translation>عدد كلمات المرور، وتُسحب كل واحدة منها من جديد.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>عدد</translation>
    </message>
    <message>
        <source>Add the entropy in bits, the rating and the crack time, tab-separated.</source>
        <translation>إضافة الإنتروبيا بالبت والتقييم وزمن الكسر، مفصولةً بعلامات جدولة.</translation>
    </message>
    <message>
        <source>Print one JSON object per password.</source>
        <translation>طباعة كائن JSON واحد لكل كلمة مرور.</translation>
    </message>
    <message>
        <source>Copy the first password to the clipboard instead of printing it; cleared after a minute.</source>
        <translation>نسخ أول كلمة مرور إلى الحافظة بدلًا من طباعتها؛ وتُمسح بعد دقيقة.</translation>
    </message>
    <message>
        <source>With --copy: leave the copy in place.</source>
        <translation>مع ⁦--copy⁩: إبقاء النسخة في الحافظة دون مسح.</translation>
    </message>
    <message>
        <source>--mode must be basic, advanced or words, not &apos;%1&apos;.</source>
        <translation>يجب أن تكون قيمة ⁦--mode⁩ هي basic أو advanced أو words، وليس &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <source>--exclude-ambiguous and --keep-ambiguous contradict each other.</source>
        <translation>الخياران ⁦--exclude-ambiguous⁩ و ⁦--keep-ambiguous⁩ متعارضان.</translation>
    </message>
    <message>
        <source>--strength and --json contradict each other.</source>
        <translation>الخياران ⁦--strength⁩ و ⁦--json⁩ متعارضان.</translation>
    </message>
    <message>
        <source>--no-clear only goes with --copy.</source>
        <translation>لا يُستخدم الخيار ⁦--no-clear⁩ إلا مع ⁦--copy⁩.</translation>
    </message>
    <message>
        <source>Prints passwords or passphrases from the system&apos;s secure random source, one per line. Options not given come from the settings of the Tessellon window (never changed from here), or from the defaults with --defaults.</source>
        <translation>يطبع كلمات مرور أو عبارات مرور من مصدر العشوائية الآمن في النظام، واحدة في كل سطر. تؤخذ الخيارات غير المحددة من إعدادات نافذة Tessellon (التي لا تتغير من هنا أبدًا)، أو من القيم الافتراضية مع ⁦--defaults⁩.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>خطأ في الكتابة</translation>
    </message>
    <message>
        <source>Hold at least one character of every group that is on.</source>
        <translation>تضمين حرف واحد على الأقل من كل فئة مفعّلة.</translation>
    </message>
    <message>
        <source>A site&apos;s password rules: &quot;minlength: 8; required: digit&quot;.</source>
        <translation>قواعد كلمات المرور لموقع ما: &quot;⁨minlength: 8; required: digit⁩&quot;.</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>قواعد</translation>
    </message>
    <message>
        <source>Apply the known rules of a site.</source>
        <translation>تطبيق القواعد المعروفة لموقع ما.</translation>
    </message>
    <message>
        <source>domain</source>
        <translation>نطاق</translation>
    </message>
    <message>
        <source>--rules and --site contradict each other.</source>
        <translation>الخياران ⁦--rules⁩ و ⁦--site⁩ متعارضان.</translation>
    </message>
    <message>
        <source>No rules are known for the site &apos;%1&apos;.</source>
        <translation>لا توجد قواعد معروفة للموقع &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <source>--rules cannot be read at &apos;%1&apos;.</source>
        <translation>تعذّرت قراءة قيمة ⁦--rules⁩ عند &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <source>At most n characters in a passphrase; 0 for no limit.</source>
        <translation>الحد الأقصى لعدد أحرف عبارة المرور؛ 0 بلا حد.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>اسم</translation>
    </message>
    <message>
        <source>Tell what a word-list file holds, and what of it is left out and why, then exit.</source>
        <translation>عرض ما يحتويه ملف قائمة الكلمات، وما يُستبعد منه ولماذا، ثم الخروج.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>--word-list must be %1 or a word list, and &apos;%2&apos; is not: %3</source>
        <translation>يجب أن تكون قيمة ⁦--word-list⁩ إحدى ⁨%1⁩ أو قائمة كلمات، والقيمة &apos;⁨%2⁩&apos; ليست كذلك: ⁨%3⁩</translation>
    </message>
    <message>
        <source>The word list for passphrases: %1 or a file of one word a line; the language&apos;s own until chosen.</source>
        <translation>قائمة كلمات عبارات المرور: ⁨%1⁩ أو ملف فيه كلمة في كل سطر؛ قائمة لغة الواجهة ما لم تُختر غيرها.</translation>
    </message>
</context>
<context>
    <name>CommandLineUsage</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>جرّب &apos;⁦%1 --help⁩&apos; لمزيد من المعلومات.
</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Length</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>كلمات</translation>
    </message>
    <message>
        <source>About %1 to crack at 100 billion guesses per second.</source>
        <translation>زمن كسرها التقريبي: %1، بمعدل 100 مليار تخمين في الثانية.</translation>
    </message>
    <message numerus="yes">
        <source>%1 words available</source>
        <translation>
            <numerusform>%1 كلمة متاحة</numerusform>
            <numerusform>%1 كلمة متاحة</numerusform>
            <numerusform>%1 كلمتان متاحتان</numerusform>
            <numerusform>%1 كلمات متاحة</numerusform>
            <numerusform>%1 كلمة متاحة</numerusform>
            <numerusform>%1 كلمة متاحة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters in the pool</source>
        <translation>
            <numerusform>%n حرف في المجموعة</numerusform>
            <numerusform>حرف واحد في المجموعة</numerusform>
            <numerusform>حرفان في المجموعة</numerusform>
            <numerusform>%n أحرف في المجموعة</numerusform>
            <numerusform>%n حرفًا في المجموعة</numerusform>
            <numerusform>%n حرف في المجموعة</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>القوة</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>أساسي</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Recently generated passwords</source>
        <translation>كلمات المرور المولَّدة مؤخرًا</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Exclude ambiguous characters</source>
        <translation>استبعاد الأحرف الملتبسة</translation>
    </message>
    <message>
        <source>Clear clipboard after 1 minute</source>
        <translation>مسح الحافظة بعد دقيقة</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>Drop the Rules</source>
        <translation>إزالة القواعد</translation>
    </message>
    <message>
        <source>Drop the rules</source>
        <translation>إزالة القواعد</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>Every chosen group at least once</source>
        <translation>كل فئة مختارة مرة واحدة على الأقل</translation>
    </message>
    <message>
        <source>Password Rules…</source>
        <translation>قواعد كلمات المرور…</translation>
    </message>
    <message>
        <source>Every chosen group</source>
        <translation>كل فئة مختارة</translation>
    </message>
</context>
<context>
    <name>GeneratedPassword</name>
    <message numerus="yes">
        <source>%n thousand years</source>
        <translation>
            <numerusform>%n ألف سنة</numerusform>
            <numerusform>ألف سنة</numerusform>
            <numerusform>ألفا سنة</numerusform>
            <numerusform>%n آلاف سنة</numerusform>
            <numerusform>%n ألف سنة</numerusform>
            <numerusform>%n ألف سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n million years</source>
        <translation>
            <numerusform>%n مليون سنة</numerusform>
            <numerusform>مليون سنة</numerusform>
            <numerusform>مليونا سنة</numerusform>
            <numerusform>%n ملايين سنة</numerusform>
            <numerusform>%n مليون سنة</numerusform>
            <numerusform>%n مليون سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n billion years</source>
        <translation>
            <numerusform>%n مليار سنة</numerusform>
            <numerusform>مليار سنة</numerusform>
            <numerusform>مليارا سنة</numerusform>
            <numerusform>%n مليارات سنة</numerusform>
            <numerusform>%n مليار سنة</numerusform>
            <numerusform>%n مليار سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trillion years</source>
        <translation>
            <numerusform>%n تريليون سنة</numerusform>
            <numerusform>تريليون سنة</numerusform>
            <numerusform>تريليونا سنة</numerusform>
            <numerusform>%n تريليونات سنة</numerusform>
            <numerusform>%n تريليون سنة</numerusform>
            <numerusform>%n تريليون سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quadrillion years</source>
        <translation>
            <numerusform>%n كوادريليون سنة</numerusform>
            <numerusform>كوادريليون سنة</numerusform>
            <numerusform>كوادريليونا سنة</numerusform>
            <numerusform>%n كوادريليونات سنة</numerusform>
            <numerusform>%n كوادريليون سنة</numerusform>
            <numerusform>%n كوادريليون سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n quintillion years</source>
        <translation>
            <numerusform>%n كوينتليون سنة</numerusform>
            <numerusform>كوينتليون سنة</numerusform>
            <numerusform>كوينتليونا سنة</numerusform>
            <numerusform>%n كوينتليونات سنة</numerusform>
            <numerusform>%n كوينتليون سنة</numerusform>
            <numerusform>%n كوينتليون سنة</numerusform>
        </translation>
    </message>
    <message>
        <source>effectively forever</source>
        <translation>لا نهائي عمليًا</translation>
    </message>
    <message>
        <source>instantly</source>
        <translation>فوري</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ساعة</numerusform>
            <numerusform>ساعة واحدة</numerusform>
            <numerusform>ساعتان</numerusform>
            <numerusform>%n ساعات</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n سنة</numerusform>
            <numerusform>سنة واحدة</numerusform>
            <numerusform>سنتان</numerusform>
            <numerusform>%n سنوات</numerusform>
            <numerusform>%n سنة</numerusform>
            <numerusform>%n سنة</numerusform>
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
        <translation>فعّل حرفًا واحدًا على الأقل لتوليد كلمة مرور.</translation>
    </message>
    <message>
        <source>The word list couldn&apos;t be loaded.</source>
        <translation>تعذّر تحميل قائمة الكلمات.</translation>
    </message>
    <message>
        <source>The password rules can&apos;t be read at “%1”.</source>
        <translation>تعذّرت قراءة قواعد كلمات المرور عند «⁨%1⁩».</translation>
    </message>
    <message>
        <source>No character that is on meets the rule “%1”.</source>
        <translation>لا يستوفي أيّ حرف مفعّل القاعدة «⁨%1⁩».</translation>
    </message>
    <message>
        <source>No password of %1 characters meets the rules.</source>
        <translation>لا توجد كلمة مرور بطول %1 تستوفي القواعد.</translation>
    </message>
    <message>
        <source>Only one password in %1 meets the rules: make it longer or the rules looser.</source>
        <translation>كلمة مرور واحدة فقط من كل %1 تستوفي القواعد: زِد طول كلمة المرور أو خفّف القواعد.</translation>
    </message>
    <message>
        <source>No passphrase of this many words fits in %1 characters.</source>
        <translation>لا توجد عبارة مرور بهذا العدد من الكلمات بطول %1 أو أقل.</translation>
    </message>
    <message>
        <source>Only one passphrase in %1 fits in the limit: use fewer words or a higher limit.</source>
        <translation>عبارة مرور واحدة فقط من كل %1 تتسع ضمن الحد: استخدم كلمات أقل أو حدًّا أعلى.</translation>
    </message>
    <message>
        <source>No password length meets the rule “%1”.</source>
        <translation>لا يوجد طول لكلمة المرور يستوفي القاعدة «⁨%1⁩».</translation>
    </message>
    <message>
        <source>The rules ask for more than 16 groups of characters.</source>
        <translation>تطلب القواعد أكثر من 16 فئة من الأحرف.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>لا يوجد سجل بعد</translation>
    </message>
    <message>
        <source>Passwords you regenerate past will collect here.</source>
        <translation>كلما أعدت التوليد، تُجمع هنا كلمات المرور السابقة.</translation>
    </message>
    <message>
        <source>Kept in memory only — cleared when you quit.</source>
        <translation>محفوظ في الذاكرة فقط — يُمسح عند الخروج.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;لصق</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
</context>
<context>
    <name>PasswordActions</name>
    <message>
        <source>Regenerate</source>
        <translation>إعادة توليد</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>نسخ كلمة المرور</translation>
    </message>
</context>
<context>
    <name>PasswordDisplay</name>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RulesDialog</name>
    <message>
        <source>Password Rules</source>
        <translation>قواعد كلمات المرور</translation>
    </message>
    <message>
        <source>A site&apos;s domain, or the rules it publishes:</source>
        <translation>نطاق موقع ما، أو القواعد التي ينشرها:</translation>
    </message>
    <message>
        <source>example.com or minlength: 8; required: digit</source>
        <translation>⁨example.com⁩ أو ⁨minlength: 8; required: digit⁩</translation>
    </message>
    <message>
        <source>No rules: passwords follow the options alone.</source>
        <translation>بلا قواعد: تتبع كلمات المرور الخيارات وحدها.</translation>
    </message>
    <message>
        <source>The rules of %1: %2</source>
        <translation>قواعد ⁨%1⁩: ⁨%2⁩</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>قُرئت على أنها: ⁨%1⁩</translation>
    </message>
    <message>
        <source>These rules can&apos;t be read at “%1”.</source>
        <translation>تعذّرت قراءة هذه القواعد عند «⁨%1⁩».</translation>
    </message>
    <message>
        <source>No rules are known for “%1”.</source>
        <translation>لا توجد قواعد معروفة للموقع «⁨%1⁩».</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Generates strong passwords and passphrases in a window. The window keeps the settings you chose last time; for passwords in a terminal or a script, use tessellon-cli.</source>
        <translation>يولّد كلمات مرور وعبارات مرور قوية في نافذة. تحتفظ النافذة بالإعدادات التي اخترتها آخر مرة؛ ولكلمات المرور في الطرفية أو في سكربت، استخدم tessellon-cli.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار ثم الخروج.</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>Weak</source>
        <translation>ضعيفة</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>مقبولة</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيدة</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>قوية</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>ممتازة</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>Strength</source>
        <translation>القوة</translation>
    </message>
    <message>
        <source>%1, 2 to the %2 power</source>
        <translation>%1، 2 أُس %2</translation>
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
        <translation>يجب أن يتوقف Tessellon: تعطّل مصدر العشوائية الآمن في النظام.</translation>
    </message>
    <message>
        <source>It never makes a password from a weaker source. The system may be missing the getrandom call, or a security policy may forbid it.</source>
        <translation>فهو لا يولّد كلمة مرور من مصدر أضعف أبدًا. ربما يفتقر النظام إلى الاستدعاء getrandom، أو تمنعه سياسة أمان.</translation>
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
        <translation>تعذّرت قراءة الملف.</translation>
    </message>
    <message>
        <source>The file is larger than 4 MiB: no word list is that long.</source>
        <translation>حجم الملف أكبر من 4 ميبيبايت: لا توجد قائمة كلمات بهذا الطول.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>الملف ليس نصًا بترميز UTF-8.</translation>
    </message>
    <message>
        <source>Words kept: %1, %2 bits a word.</source>
        <translation>الكلمات المعتمدة: %1، بمعدل %2 بت لكل كلمة.</translation>
    </message>
    <message>
        <source>Fewer than two different words.</source>
        <translation>أقل من كلمتين مختلفتين.</translation>
    </message>
    <message>
        <source>Repeats dropped: %1.</source>
        <translation>التكرارات المحذوفة: %1.</translation>
    </message>
    <message>
        <source>Lines left out for an invisible control character: %1.</source>
        <translation>أسطر مستبعدة لاحتوائها على حرف تحكم غير مرئي: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a space inside a word: %1.</source>
        <translation>أسطر مستبعدة لاحتوائها على مسافة داخل كلمة: %1.</translation>
    </message>
    <message>
        <source>Lines left out for a separator inside a word: %1.</source>
        <translation>أسطر مستبعدة لاحتوائها على فاصل داخل كلمة: %1.</translation>
    </message>
    <message>
        <source>Fewer than 1,296 words: each adds less than 10.3 bits, so a passphrase needs more of them.</source>
        <translation>أقل من 1,296 كلمة: تضيف كل كلمة أقل من 10.3 بت، لذا تحتاج عبارة المرور إلى عدد أكبر من الكلمات.</translation>
    </message>
    <message>
        <source>Some words begin others: with no separator, the strength counts only what can be told apart.</source>
        <translation>بعض الكلمات تبدأ بها كلمات أخرى: بلا فاصل، لا تحسب القوة إلا ما يمكن تمييزه يقينًا.</translation>
    </message>
</context>
<context>
    <name>WordsControls</name>
    <message>
        <source>Separators</source>
        <translation>الفواصل</translation>
    </message>
    <message>
        <source>No separator — the words run together.</source>
        <translation>بلا فاصل — تتصل الكلمات ببعضها.</translation>
    </message>
    <message>
        <source>Words are joined by this character.</source>
        <translation>يفصل هذا الحرف بين الكلمات.</translation>
    </message>
    <message>
        <source>Each join picks one at random, which makes it stronger.</source>
        <translation>في كل موضع وصل يُختار أحدها عشوائيًا، مما يجعل عبارة المرور أقوى.</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>بلا حد</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> حرفًا</translation>
    </message>
    <message>
        <source>Longest passphrase</source>
        <translation>الطول الأقصى لعبارة المرور</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>بحد أقصى</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>قائمة الكلمات</translation>
    </message>
    <message>
        <source>List</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>From a File…</source>
        <translation>من ملف…</translation>
    </message>
    <message>
        <source>Choose a Word List</source>
        <translation>اختيار قائمة كلمات</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <translation>قوائم الكلمات (*.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used: %2</source>
        <translation>لا يمكن استخدام «⁨%1⁩»: ⁨%2⁩</translation>
    </message>
    <message>
        <source>“%1” has changed since it was chosen: choose it again to use it.</source>
        <translation>تغيّر «⁨%1⁩» منذ اختياره: اختره مجددًا لاستخدامه.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used any more: %2</source>
        <translation>لم يعد من الممكن استخدام «⁨%1⁩»: ⁨%2⁩</translation>
    </message>
    <message>
        <source>No separator — and as some words begin others, the strength counts only what can be told apart.</source>
        <translation>بلا فاصل — ولأن بعض الكلمات تبدأ بها كلمات أخرى، لا تحسب القوة إلا ما يمكن تمييزه يقينًا.</translation>
    </message>
</context>
</TS>
