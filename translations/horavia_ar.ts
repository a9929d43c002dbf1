<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ChangeTexts</name>
    <message numerus="yes">
        <location filename="../ui/main/change_texts.cpp" line="+40"/>
        <source>(in %n days)</source>
        <extracomment>How many of the zone&apos;s calendar days until its clocks change.</extracomment>
        <translation>
            <numerusform>(بعد %n يوم)</numerusform>
            <numerusform>(بعد يوم واحد)</numerusform>
            <numerusform>(بعد يومين)</numerusform>
            <numerusform>(بعد %n أيام)</numerusform>
            <numerusform>(بعد %n يومًا)</numerusform>
            <numerusform>(بعد %n يوم)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(tomorrow)</source>
        <extracomment>The zone&apos;s clocks change on its next calendar day.</extracomment>
        <translation>(غدًا)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(in %1)</source>
        <extracomment>%1 how long until the zone&apos;s clocks change later today (&quot;5 h 15 min&quot;, &quot;40 min&quot;).</extracomment>
        <translation>(بعد %1)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>HH:mm</source>
        <extracomment>The time of day the zone&apos;s clocks change at, as Qt&apos;s QTime::toString writes it (&quot;03:00&quot;). Use the way your language writes a time on a 24-hour clock.</extracomment>
        <translation>HH:mm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clocks go forward %1 on %2 at %3 %4</source>
        <extracomment>%1 an amount (&quot;1 h&quot;, &quot;30 min&quot;), %2 a short date (&quot;Sun 29 Mar&quot;), %3 a time (&quot;02:00&quot;) on the zone&apos;s clock before the change, %4 how far away it is (&quot;(in 3 days)&quot;, &quot;(tomorrow)&quot;, &quot;(in 5 h)&quot;). The zone&apos;s offset goes up.</extracomment>
        <translation>تُقدَّم الساعات %1 يوم %2 عند %3 %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clocks go back %1 on %2 at %3 %4</source>
        <extracomment>%1 an amount (&quot;1 h&quot;, &quot;30 min&quot;), %2 a short date (&quot;Sun 26 Oct&quot;), %3 a time (&quot;03:00&quot;) on the zone&apos;s clock before the change, %4 how far away it is (&quot;(in 3 days)&quot;, &quot;(tomorrow)&quot;, &quot;(in 5 h)&quot;). The zone&apos;s offset goes down.</extracomment>
        <translation>تُؤخَّر الساعات %1 يوم %2 عند %3 %4</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>then the same time as you instead of %1 ahead</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>ثم الوقت نفسه لديك بدلًا من التقدم عليك %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then the same time as you instead of %1 behind</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>ثم الوقت نفسه لديك بدلًا من التأخر عنك %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>then %1 ahead of you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be ahead of the computer&apos;s, whose time it shows now.</extracomment>
        <translation>ثم متقدمة عليك %1 بدلًا من الوقت نفسه</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then %1 behind you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be behind the computer&apos;s, whose time it shows now.</extracomment>
        <translation>ثم متأخرة عنك %1 بدلًا من الوقت نفسه</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 ahead.</extracomment>
        <translation>ثم متقدمة عليك %1 بدلًا من %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 behind you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 behind.</extracomment>
        <translation>ثم متأخرة عنك %1 بدلًا من %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2 behind</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 behind it.</extracomment>
        <translation>ثم متقدمة عليك %1 بدلًا من التأخر عنك %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>then %1 behind you instead of %2 ahead</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 ahead of it.</extracomment>
        <translation>ثم متأخرة عنك %1 بدلًا من التقدم عليك %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+19"/>
        <source>--test-server needs a host name</source>
        <extracomment>A usage error: the option was given without the host to ask.</extracomment>
        <translation>يتطلب الخيار --test-server اسم مضيف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--find needs a text</source>
        <extracomment>A usage error: the option was given without the text to find.</extracomment>
        <translation>يتطلب الخيار --find نصًا للبحث عنه</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown option: %1</source>
        <extracomment>A usage error; %1 is what was typed.</extracomment>
        <translation>خيار غير معروف: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--at needs a time</source>
        <extracomment>A usage error: the option was given without the time to show.</extracomment>
        <translation>يحتاج --at إلى وقت</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--at goes with --print or --tip</source>
        <extracomment>A usage error: --at was given without --print or --tip.</extracomment>
        <translation>يُستخدم --at مع --print أو --tip فقط</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>choose one of --print, --tip, --meet, --changes, --test-server and --find</source>
        <extracomment>A usage error: more than one of these options was given.</extracomment>
        <translation>اختر واحدًا فقط من --print و--tip و--meet و--changes و--test-server و--find</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--within goes with --meet or --changes</source>
        <extracomment>A usage error: --within was given without --meet or --changes.</extracomment>
        <translation>لا يُستخدم --within إلا مع --meet أو --changes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--length goes with --meet</source>
        <extracomment>A usage error: --length was given without --meet.</extracomment>
        <translation>لا يُستخدم --length إلا مع --meet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs a whole number from %2 to %3</source>
        <extracomment>A usage error; %1 is the option, %2 and %3 the least and the most it takes.</extracomment>
        <translation>يحتاج %1 إلى عدد صحيح من %2 إلى %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usage: horavia [option]
A world clock: a small window with your clocks, an icon in the notification area.

</source>
        <extracomment>The start of --help: how the program is called and what it is.</extracomment>
        <translation>الاستخدام: horavia [option]
ساعة عالمية: نافذة صغيرة تعرض ساعاتك، وأيقونة في منطقة الإشعارات.

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without an option the program starts (or brings the running one forward).

</source>
        <translation>من دون خيار يبدأ البرنامج (أو يُظهر النسخة العاملة منه في المقدمة).

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options:
</source>
        <translation>الخيارات:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --print              print each enabled clock: label, a tab, its time; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --print              يطبع كل ساعة مفعّلة: تسميتها، فعلامة جدولة، فوقتها؛ ثم يخرج
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --tip                print the notification-area tip line; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --tip                يطبع سطر تلميح أيقونة منطقة الإشعارات؛ ثم يخرج
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --at TIME            with --print or --tip: show the clocks at TIME instead of now:
                       ISO 8601 with Z or an offset (2026-10-14T13:00Z), or a date
                       and time or a time alone in this computer&apos;s zone, or followed
                       by a place or tz id (&quot;15:00 Tokyo&quot;, &quot;3 pm America/Lima&quot;)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on. TIME is typed as it is in the help&apos;s other lines.</extracomment>
        <translation>  --at TIME            مع --print أو --tip: إظهار الساعات عند TIME بدلًا من الآن:
                       ISO 8601 مع Z أو فارق (2026-10-14T13:00Z)، أو تاريخ ووقت أو وقت
                       فقط في منطقة هذا الحاسوب، أو يليهما مكان أو معرّف tz
                       (&quot;15:00 Tokyo&quot;، &quot;3 pm America/Lima&quot;)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --meet               print the next meeting time that suits every enabled clock
                       with working hours: the clocks then, as --print does, and
                       the start in UTC (ISO 8601); when none suits everybody, the
                       fairest, and on standard error who is outside working hours
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --meet               إظهار أقرب وقت اجتماع يناسب كل ساعة مفعّلة لها ساعات عمل:
                       الساعات حينها كما يفعل --print، وبدايته بتوقيت UTC ‏(ISO 8601)؛ وإن
                       لم يناسب أي وقت الجميع فالأعدل، مع ذكر من هو خارج ساعات العمل في
                       مخرج الأخطاء
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --changes            print when the enabled clocks&apos; offsets change next, soonest
                       first: label, a tab, the instant in UTC (ISO 8601), a tab,
                       the old offset, a tab, the new one, a tab, the sentence the
                       window shows; then exit (status 1 when none comes)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --changes            يطبع متى يتغير فرق الساعات المفعّلة عن UTC في المرة القادمة،
                       الأقرب أولًا: التسمية، فعلامة جدولة، فاللحظة بتوقيت UTC
                       (ISO 8601)، فعلامة جدولة، فالفرق القديم، فعلامة جدولة، فالجديد،
                       فعلامة جدولة، فجملة النافذة؛ ثم يخرج (برمز الحالة 1 إن لم يأتِ تغيير)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --within DAYS        with --meet or --changes: look DAYS ahead (1 to 366; 14 by
                       default, for --changes as set up in the program)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --within DAYS        مع --meet أو --changes: يبحث DAYS يومًا مقدمًا (من 1 إلى 366؛
                       14 افتراضيًا، ولـ --changes كما ضُبط في البرنامج)
</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>--changes exits with 0 when a change comes within the days, 1 when none does.
</source>
        <extracomment>The end of --help, after the exit statuses. Options are typed as they are.</extracomment>
        <translation>يخرج --changes بالرمز 0 إذا جاء تغيير خلال الأيام، وبالرمز 1 إن لم يأتِ.
</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>  --length MINUTES     with --meet: the meeting&apos;s length (15 to 1440; by default as
                       set up in the program, 30 minutes)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --length MINUTES     مع --meet: مدة الاجتماع (من 15 إلى 1440؛ افتراضيًا كما
                       ضُبطت في البرنامج، 30 دقيقة)
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  --test-server HOST   ask HOST for the time (Time Protocol, TCP port 37; write
                       ntp:HOST for NTP, UDP port 123); then exit
                       nts:HOST[:PORT] asks over NTP secured by NTS, the key
                       exchange on TCP port PORT, 4460 by default
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --test-server HOST   يسأل HOST عن الوقت (Time Protocol، منفذ TCP رقم 37؛ اكتب
                       ntp:HOST لاستخدام NTP، منفذ UDP رقم 123)؛ ثم يخرج
                       nts:HOST[:PORT] يسأل عبر NTP المؤمَّن بـ NTS، ويجري تبادل
                       المفاتيح على منفذ TCP رقم PORT، وهو 4460 افتراضيًا
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  --find TEXT          print the places and zones that TEXT names (a city, country,
                       tz id or zone name), best first: place, a tab, tz id, a tab,
                       zone; then exit (status 1 when nothing matches)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --find TEXT          يطبع الأماكن والمناطق التي يدل عليها TEXT (مدينة، بلد، معرّف tz
                       أو اسم منطقة)، الأفضل أولًا: المكان، فعلامة جدولة، فمعرّف tz،
                       فعلامة جدولة، فالمنطقة؛ ثم يخرج (برمز الحالة 1 إن لم يطابقه شيء)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  -h, --help           show this help
</source>
        <translation>  -h, --help           يعرض هذه المساعدة
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -v, --version        show the version
</source>
        <translation>  -v, --version        يعرض رقم الإصدار
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Exit status: 0 done; 1 a failure (no zone database, no answer from the server, nothing
found, the settings could not be read or saved, no clock with working hours for --meet);
2 a usage error, or a time that does not read or does not exist.
</source>
        <extracomment>The end of --help: the exit statuses. Options are typed as they are.</extracomment>
        <translation>
حالة الخروج: 0 تم؛ 1 إخفاق (لا قاعدة بيانات للمناطق، لا رد من الخادم، لم يُعثر على
شيء، تعذّر قراءة الإعدادات أو حفظها، لا ساعة لها ساعات عمل لـ --meet)؛ 2 خطأ في
الاستخدام، أو وقت لا يُقرأ أو غير موجود.
</translation>
    </message>
    <message>
        <location filename="../app/at_time.cpp" line="+73"/>
        <source>--at: &quot;%1&quot; is not a time</source>
        <extracomment>A usage error: the time given to --at does not read as a time; %1 is what was typed.</extracomment>
        <translation>--at: &quot;%1&quot; ليس وقتًا</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>--at: no place or time zone is named in &quot;%1&quot;</source>
        <extracomment>A usage error: --at TIME held a time followed by something that names no place; %1 is what was typed.</extracomment>
        <translation>--at: لا يسمّي &quot;%1&quot; مكانًا ولا منطقة زمنية</translation>
    </message>
</context>
<context>
    <name>HeadlessRun</name>
    <message numerus="yes">
        <location filename="../app/headless_run.cpp" line="+48"/>
        <source>more than %n clocks are stored; only the first %n are read</source>
        <extracomment>Written to standard error; %n is the most clocks the program keeps.</extracomment>
        <translation>
            <numerusform>توجد أكثر من %n ساعة مخزّنة؛ ولا يُقرأ إلا أول %n منها</numerusform>
            <numerusform>توجد أكثر من ساعة واحدة مخزّنة؛ ولا تُقرأ إلا الأولى منها</numerusform>
            <numerusform>توجد أكثر من ساعتين مخزّنتين؛ ولا تُقرأ إلا الأوليان منها</numerusform>
            <numerusform>توجد أكثر من %n ساعات مخزّنة؛ ولا يُقرأ إلا أول %n منها</numerusform>
            <numerusform>توجد أكثر من %n ساعة مخزّنة؛ ولا يُقرأ إلا أول %n منها</numerusform>
            <numerusform>توجد أكثر من %n ساعة مخزّنة؛ ولا يُقرأ إلا أول %n منها</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetCommand</name>
    <message>
        <location filename="../app/meet_command.cpp" line="+25"/>
        <source>no enabled clock has working hours</source>
        <extracomment>Written to standard error by --meet.</extracomment>
        <translation>لا توجد ساعة مفعّلة لها ساعات عمل</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../ui/main/message_text.cpp" line="+19"/>
        <source>No timezone information found !</source>
        <translation>لم يُعثر على معلومات المناطق الزمنية!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1(%2, %3, %4, %5) = %6</source>
        <extracomment>A stored setting that could not be read: %1 the reading routine, %2 the application, %3 the section, %4 the key, %5 the default, %6 the stored text.</extracomment>
        <translation>%1(%2, %3, %4, %5) = %6</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The settings could not be read from
%1
(%2).

Horavia works with its default settings for now and leaves this file as it is.</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason (not translated).</extracomment>
        <translation>تعذّرت قراءة الإعدادات من
%1
(%2).

يعمل Horavia بإعداداته الافتراضية في الوقت الحالي ويترك هذا الملف كما هو.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The settings could not be saved to
%1
(%2).

Horavia keeps working with your settings and tries again at the next save.</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason (not translated).</extracomment>
        <translation>تعذّر حفظ الإعدادات في
%1
(%2).

يواصل Horavia العمل بإعداداتك، وسيحاول مجددًا عند الحفظ التالي.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot read the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>تعذّرت قراءة ملف الإعدادات &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot save the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>تعذّر حفظ ملف الإعدادات &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>running as root: symbolic links to the settings are followed only when root owns them</source>
        <extracomment>One line on standard error when the program starts as the superuser (root), perhaps with another user&apos;s configuration folder.</extracomment>
        <translation>يعمل بصلاحيات root: لا تُتبع الروابط الرمزية إلى الإعدادات إلا إذا كان مالكها root</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>More than %n clocks are stored. Only the first %n are shown, and changes to the clock list are not saved, so that none of the others is lost.</source>
        <translation>
            <numerusform>توجد أكثر من %n ساعة مخزّنة. لا يُعرض إلا أول %n منها، ولا تُحفظ التغييرات على قائمة الساعات كي لا يضيع شيء من الساعات الأخرى.</numerusform>
            <numerusform>توجد أكثر من ساعة واحدة مخزّنة. لا تُعرض إلا الأولى منها، ولا تُحفظ التغييرات على قائمة الساعات كي لا يضيع شيء من الساعات الأخرى.</numerusform>
            <numerusform>توجد أكثر من ساعتين مخزّنتين. لا تُعرض إلا الأوليان منها، ولا تُحفظ التغييرات على قائمة الساعات كي لا يضيع شيء من الساعات الأخرى.</numerusform>
            <numerusform>توجد أكثر من %n ساعات مخزّنة. لا يُعرض إلا أول %n منها، ولا تُحفظ التغييرات على قائمة الساعات كي لا يضيع شيء من الساعات الأخرى.</numerusform>
            <numerusform>توجد أكثر من %n ساعة مخزّنة. لا يُعرض إلا أول %n منها، ولا تُحفظ التغييرات على قائمة الساعات كي لا يضيع شيء من الساعات الأخرى.</numerusform>
            <numerusform>توجد أكثر من %n ساعة مخزّنة. لا يُعرض إلا أول %n منها، ولا تُحفظ التغييرات على قائمة الساعات كي لا يضيع شيء من الساعات الأخرى.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Local time is %n hour(s) off.
Check wether your local timezone is set up correctly!</source>
        <extracomment>The computer&apos;s clock is about %n whole hours away from a time server&apos;s.</extracomment>
        <translation>
            <numerusform>يختلف الوقت المحلي بمقدار %n ساعة.
تحقّق من أن منطقتك الزمنية المحلية مضبوطة بشكل صحيح!</numerusform>
            <numerusform>يختلف الوقت المحلي بمقدار ساعة واحدة.
تحقّق من أن منطقتك الزمنية المحلية مضبوطة بشكل صحيح!</numerusform>
            <numerusform>يختلف الوقت المحلي بمقدار ساعتين.
تحقّق من أن منطقتك الزمنية المحلية مضبوطة بشكل صحيح!</numerusform>
            <numerusform>يختلف الوقت المحلي بمقدار %n ساعات.
تحقّق من أن منطقتك الزمنية المحلية مضبوطة بشكل صحيح!</numerusform>
            <numerusform>يختلف الوقت المحلي بمقدار %n ساعة.
تحقّق من أن منطقتك الزمنية المحلية مضبوطة بشكل صحيح!</numerusform>
            <numerusform>يختلف الوقت المحلي بمقدار %n ساعة.
تحقّق من أن منطقتك الزمنية المحلية مضبوطة بشكل صحيح!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The difference between local and atomic time
is %n minutes. Should the local
time be updated ?</source>
        <extracomment>Asked before the computer&apos;s clock is set from a time server; keep the short lines.</extracomment>
        <translation>
            <numerusform>الفرق بين الوقت المحلي والوقت الذري
هو %n دقيقة. هل تريد تحديث
الوقت المحلي؟</numerusform>
            <numerusform>الفرق بين الوقت المحلي والوقت الذري
هو دقيقة واحدة. هل تريد تحديث
الوقت المحلي؟</numerusform>
            <numerusform>الفرق بين الوقت المحلي والوقت الذري
هو دقيقتان. هل تريد تحديث
الوقت المحلي؟</numerusform>
            <numerusform>الفرق بين الوقت المحلي والوقت الذري
هو %n دقائق. هل تريد تحديث
الوقت المحلي؟</numerusform>
            <numerusform>الفرق بين الوقت المحلي والوقت الذري
هو %n دقيقة. هل تريد تحديث
الوقت المحلي؟</numerusform>
            <numerusform>الفرق بين الوقت المحلي والوقت الذري
هو %n دقيقة. هل تريد تحديث
الوقت المحلي؟</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed setting new date/time. In Windows NT/XP, you need Administrator privileges for this!</source>
        <translation>فشل ضبط التاريخ/الوقت الجديد. في Windows NT/XP تحتاج إلى صلاحيات المسؤول لذلك!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system keeps it synchronised itself (automatic time synchronisation is on).</source>
        <translation>لم تُضبط ساعة الحاسوب: النظام يتولى مزامنتها بنفسه (المزامنة التلقائية للوقت مفعّلة).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed setting new date/time: you are not allowed to change the system clock.</source>
        <translation>فشل ضبط التاريخ/الوقت الجديد: غير مسموح لك بتغيير ساعة النظام.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system&apos;s date-time service did not answer.</source>
        <translation>لم تُضبط ساعة الحاسوب: لم تستجب خدمة التاريخ والوقت في النظام.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the time server&apos;s second answer did not agree with the difference you confirmed.</source>
        <translation>لم تُضبط ساعة الحاسوب: لم يتوافق الرد الثاني لخادم الوقت مع الفرق الذي أكدته.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server did not answer.</source>
        <translation>لم يستجب خادم الوقت.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer&apos;s clock was not changed.</source>
        <translation>لم تتغير ساعة الحاسوب.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>الفرق الذي أكدته: %1 ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>الفرق الذي أكدته: %1 ثانية (%2 مللي ثانية)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>الفرق في الرد الثاني: %1 ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>الفرق في الرد الثاني: %1 ثانية (%2 مللي ثانية)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difference with local time: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>الفرق عن الوقت المحلي: %1 ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference with local time: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>الفرق عن الوقت المحلي: %1 ثانية (%2 مللي ثانية)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server refuses to answer this computer; it will not be asked again while Horavia runs.</source>
        <translation>يرفض خادم الوقت الرد على هذا الحاسوب؛ لن يُسأل مرة أخرى ما دام Horavia قيد التشغيل.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server is not synchronised; its time was not used.</source>
        <translation>خادم الوقت غير متزامن؛ لم يُستخدم الوقت الذي أرسله.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server sent an incomplete answer.</source>
        <translation>أرسل خادم الوقت ردًا غير مكتمل.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>The time server asks to be queried less often; it will not be asked again for %n minute(s).</source>
        <translation>
            <numerusform>يطلب خادم الوقت تقليل مرات الاستعلام منه؛ لن يُسأل مرة أخرى لمدة %n دقيقة.</numerusform>
            <numerusform>يطلب خادم الوقت تقليل مرات الاستعلام منه؛ لن يُسأل مرة أخرى لمدة دقيقة واحدة.</numerusform>
            <numerusform>يطلب خادم الوقت تقليل مرات الاستعلام منه؛ لن يُسأل مرة أخرى لمدة دقيقتين.</numerusform>
            <numerusform>يطلب خادم الوقت تقليل مرات الاستعلام منه؛ لن يُسأل مرة أخرى لمدة %n دقائق.</numerusform>
            <numerusform>يطلب خادم الوقت تقليل مرات الاستعلام منه؛ لن يُسأل مرة أخرى لمدة %n دقيقة.</numerusform>
            <numerusform>يطلب خادم الوقت تقليل مرات الاستعلام منه؛ لن يُسأل مرة أخرى لمدة %n دقيقة.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection failed!</source>
        <translation>فشل الاتصال!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: %1</source>
        <extracomment>NTS: Network Time Security. %1 the technical reason, in English.</extracomment>
        <translation>فشل تبادل مفاتيح NTS: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: no answer within %1 s</source>
        <extracomment>NTS: Network Time Security. %1 seconds (&quot;s&quot; is the unit).</extracomment>
        <translation>فشل تبادل مفاتيح NTS: لم يصل رد خلال %1 ثانية</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time queries could not be loaded: %1</source>
        <extracomment>The program&apos;s own part that asks time servers could not be loaded. %1 the reason, in English.</extracomment>
        <translation>تعذّر تحميل استعلامات الوقت: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name: %1</source>
        <extracomment>%1 a time server&apos;s name.</extracomment>
        <translation>الاسم: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Respons time: %1 ms</source>
        <extracomment>%1 milliseconds the time server took to answer.</extracomment>
        <translation>زمن الاستجابة: %1 مللي ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Authenticated: yes (NTS)</source>
        <extracomment>The time server&apos;s answer was authenticated by Network Time Security.</extracomment>
        <translation>المصادقة: نعم (NTS)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authenticated: no</source>
        <translation>المصادقة: لا</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset: %1 ms</source>
        <extracomment>%1 milliseconds the server is ahead of the computer, one decimal.</extracomment>
        <translation>الإزاحة: %1 مللي ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Round-trip delay: %1 ms</source>
        <extracomment>%1 milliseconds, one decimal.</extracomment>
        <translation>زمن الذهاب والإياب: %1 مللي ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to use this server :</source>
        <extracomment>Followed by the server&apos;s name, response time and difference.</extracomment>
        <translation>هل تريد استخدام هذا الخادم:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No active servers found...
Check your internet connection!</source>
        <translation>لم يُعثر على خوادم نشطة...
تحقّق من اتصالك بالإنترنت!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to delete this timezone permanently ?</source>
        <extracomment>A clock of the list, shown with its zone.</extracomment>
        <translation>هل أنت متأكد من أنك تريد حذف هذه المنطقة الزمنية نهائيًا؟</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Timezone &apos;%1&apos; can not be used to convert from.</source>
        <extracomment>%1 the zone&apos;s name as the list shows it.</extracomment>
        <translation>لا يمكن استخدام المنطقة الزمنية «%1» للتحويل منها.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help page could not be written into the folder
%1</source>
        <extracomment>%1 a folder.</extracomment>
        <translation>تعذّرت كتابة صفحة المساعدة في المجلد
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No web browser could be started to show the help.
The help is in this file:
%1</source>
        <extracomment>%1 the help file.</extracomment>
        <translation>تعذّر تشغيل متصفح ويب لعرض المساعدة.
المساعدة موجودة في هذا الملف:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not exist on %2 in %3: clocks went from %4 to %5</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set forward.</extracomment>
        <translation>الوقت %1 غير موجود يوم %2 في %3: انتقلت الساعات من %4 إلى %5</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 happens twice on %2 in %3 (clocks went back from %4 to %5): the first is shown</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set back.</extracomment>
        <translation>الوقت %1 يتكرر مرتين يوم %2 في %3 (أُرجعت الساعات من %4 إلى %5): تُعرض المرة الأولى</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message numerus="yes">
        <location filename="../ui/main/plan_texts.cpp" line="+20"/>
        <source>%n d</source>
        <extracomment>Days, abbreviated as in &quot;2 d 3 h&quot;.</extracomment>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n h</source>
        <extracomment>Hours, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n س</numerusform>
            <numerusform>%n س</numerusform>
            <numerusform>%n س</numerusform>
            <numerusform>%n س</numerusform>
            <numerusform>%n س</numerusform>
            <numerusform>%n س</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n min</source>
        <extracomment>Minutes, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n د</numerusform>
            <numerusform>%n د</numerusform>
            <numerusform>%n د</numerusform>
            <numerusform>%n د</numerusform>
            <numerusform>%n د</numerusform>
            <numerusform>%n د</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>now</source>
        <extracomment>The planned instant is less than a minute away from the present.</extracomment>
        <translation>الآن</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 from now</source>
        <extracomment>%1 a duration such as &quot;5 h 15 min&quot;.</extracomment>
        <translation>بعد %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 ago</source>
        <translation>قبل %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ddd d MMM</source>
        <extracomment>The planned date as Qt&apos;s QDate::toString writes it: short weekday, day, short month (&quot;Tue 14 Oct&quot;). Reorder the fields as your language writes a short date.</extracomment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2 — Home: back to now</source>
        <extracomment>The planning line: %1 the planned date, %2 how far it is from now (&quot;5 h 15 min from now&quot;).</extracomment>
        <translation>%1، %2 — Home: العودة إلى الآن</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Planning:</source>
        <extracomment>The label of the line that shows the planned instant below the clocks.</extracomment>
        <translation>التخطيط:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>at work</source>
        <extracomment>A clock&apos;s people are within their working hours.</extracomment>
        <translation>في العمل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>off work</source>
        <extracomment>A clock&apos;s people are outside their working hours, but it is not night there.</extracomment>
        <translation>خارج العمل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>It is night (23:00 to 07:00) at the clock and people are not at work.</extracomment>
        <translation>ليل</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2, %3 before working hours</source>
        <translation>%1: %2، قبل ساعات العمل بـ %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2, %3 after working hours</source>
        <extracomment>%1 a clock&apos;s label, %2 its time then, %3 a duration (&quot;1 h 30 min&quot;): the meeting would end that long after the clock&apos;s working hours.</extracomment>
        <translation>%1: %2، بعد ساعات العمل بـ %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Everyone is at work</source>
        <extracomment>A meeting time was found within every clock&apos;s working hours.</extracomment>
        <translation>الجميع في العمل</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No clock has working hours: set them in a clock&apos;s editor, or turn on default working hours in Setup.</source>
        <translation>لا توجد ساعة لها ساعات عمل: حدّدها في محرر الساعة، أو شغّل ساعات العمل الافتراضية في الإعداد.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Type a time, such as 15:00 or 3 pm, or a date and time.</source>
        <translation>اكتب وقتًا، مثل 15:00 أو 3 pm، أو تاريخًا ووقتًا.</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../platform/linux/posix_file_system.cpp" line="+94"/>
        <source>it is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>هذا رابط رمزي يملكه مستخدم آخر (uid %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its folder is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>مجلده رابط رمزي يملكه مستخدم آخر (uid %1)</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>it is a folder, not a file</source>
        <translation>هذا مجلد وليس ملفًا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>the file is larger than 64 MiB</source>
        <translation>حجم الملف أكبر من 64 MiB</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 is not a folder</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>%1 ليس مجلدًا</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>another program keeps the folder locked</source>
        <translation>برنامج آخر يُبقي المجلد مقفلًا</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>no free name for a temporary file</source>
        <translation>لا يتوفر اسم متاح لملف مؤقت</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <location filename="../ui/main/reason_text.cpp" line="+15"/>
        <source>the file is missing</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is truncated</source>
        <translation>الملف مبتور</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged</source>
        <translation>الملف تالف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a shared library</source>
        <translation>ليس مكتبة مشتركة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is built for another kind of computer</source>
        <translation>مبني لنوع آخر من الحواسيب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its path is not absolute</source>
        <translation>مساره ليس مطلقًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the system could not load it</source>
        <translation>تعذر على النظام تحميله</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a loadable part for this program (interface %1, needs %2)</source>
        <extracomment>%1 the interface the file offers, %2 the one the program needs (technical names).</extracomment>
        <translation>ليس جزءًا قابلًا للتحميل لهذا البرنامج (الواجهة %1، والمطلوب %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 the time server&apos;s name.</extracomment>
        <translation>تعذر الاتصال بـ %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library failed: %1</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>فشلت مكتبة TLS: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library could not export the keys (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>تعذر على مكتبة TLS تصدير المفاتيح (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the secure connection failed (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>فشل الاتصال الآمن (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server&apos;s certificate was refused (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>رُفضت شهادة الخادم (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server closed the connection before the key exchange was over</source>
        <translation>أغلق الخادم الاتصال قبل انتهاء تبادل المفاتيح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server does not offer NTS key establishment</source>
        <translation>لا يوفر الخادم إنشاء مفاتيح NTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server did not recognise a critical record</source>
        <translation>لم يتعرف الخادم على سجل حرج</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server called the request bad</source>
        <translation>عدّ الخادم الطلب غير صالح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server had an internal error</source>
        <translation>حدث خطأ داخلي في الخادم</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server reported error %1</source>
        <extracomment>%1 the error&apos;s number.</extracomment>
        <translation>أبلغ الخادم عن الخطأ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server reported an error</source>
        <translation>أبلغ الخادم عن خطأ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent a warning</source>
        <translation>أرسل الخادم تحذيرًا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 key-exchange records</source>
        <extracomment>%1 the most records the program reads.</extracomment>
        <translation>أرسل الخادم أكثر من %1 من سجلات تبادل المفاتيح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 KiB of key-exchange records</source>
        <extracomment>%1 the most kibibytes the program reads.</extracomment>
        <translation>أرسل الخادم أكثر من %1 كيلوبايت من سجلات تبادل المفاتيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no time protocol</source>
        <translation>لا يوفر الخادم أي بروتوكول للوقت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no cipher</source>
        <translation>لا يوفر الخادم أي تشفير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent no cookies</source>
        <translation>لم يرسل الخادم أي ملفات تعريف ارتباط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer NTPv4</source>
        <translation>لا يوفر الخادم NTPv4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer AES-SIV-CMAC-256</source>
        <translation>لا يوفر الخادم AES-SIV-CMAC-256</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent a cookie larger than %1 bytes</source>
        <extracomment>%1 the largest cookie the program takes, in bytes.</extracomment>
        <translation>أرسل الخادم ملف تعريف ارتباط أكبر من %1 بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named no NTP server</source>
        <translation>لم يحدد الخادم أي خادم NTP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP server</source>
        <translation>حدد الخادم خادم NTP غير مقروء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP port</source>
        <translation>حدد الخادم منفذ NTP غير مقروء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent an unknown critical record</source>
        <translation>أرسل الخادم سجلًا حرجًا غير معروف</translation>
    </message>
</context>
<context>
    <name>RelativeOffset</name>
    <message>
        <location filename="../ui/main/relative_offset_text.cpp" line="+13"/>
        <source>±0</source>
        <extracomment>The marker after a clock&apos;s time when its zone&apos;s time is the computer&apos;s.</extracomment>
        <translation>±0</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>−%n h</source>
        <extracomment>A clock&apos;s zone is %n whole hours behind the computer&apos;s (&quot;−3 h&quot;, with a true minus sign). Keep it short.</extracomment>
        <translation>
            <numerusform>−%n ساعة</numerusform>
            <numerusform>−%n ساعة</numerusform>
            <numerusform>−%n ساعتان</numerusform>
            <numerusform>−%n ساعات</numerusform>
            <numerusform>−%n ساعة</numerusform>
            <numerusform>−%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>+%n h</source>
        <extracomment>A clock&apos;s zone is %n whole hours ahead of the computer&apos;s (&quot;+9 h&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>+%n ساعة</numerusform>
            <numerusform>+%n ساعة</numerusform>
            <numerusform>+%n ساعتان</numerusform>
            <numerusform>+%n ساعات</numerusform>
            <numerusform>+%n ساعة</numerusform>
            <numerusform>+%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 %n</source>
        <extracomment>The hours of the marker followed by the minutes beyond them: %1 is the signed hours (&quot;−3 h&quot;), %n the minutes (English &quot;−3 h 30&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>%1 و%n دقيقة</numerusform>
            <numerusform>%1 و%n دقيقة</numerusform>
            <numerusform>%1 و%n دقيقتان</numerusform>
            <numerusform>%1 و%n دقائق</numerusform>
            <numerusform>%1 و%n دقيقة</numerusform>
            <numerusform>%1 و%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 tomorrow</source>
        <extracomment>The marker when the clock&apos;s date is already the computer&apos;s tomorrow: %1 is the difference (&quot;+9 h tomorrow&quot;).</extracomment>
        <translation>%1 غدًا</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 yesterday</source>
        <extracomment>The marker when the clock&apos;s date is still the computer&apos;s yesterday: %1 is the difference (&quot;−3 h yesterday&quot;).</extracomment>
        <translation>%1 أمس</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../platform/settings_file.cpp" line="+136"/>
        <source>creating its folder: %1</source>
        <translation>عند إنشاء مجلده: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>locking its folder: %1</source>
        <translation>عند قفل مجلده: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>reading it again before saving: %1</source>
        <translation>عند إعادة قراءته قبل الحفظ: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is read-only</source>
        <translation>الملف للقراءة فقط</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>creating a temporary file: %1</source>
        <translation>عند إنشاء ملف مؤقت: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>writing: %1</source>
        <translation>عند الكتابة: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>flushing it to disk: %1</source>
        <translation>عند ترحيله إلى القرص: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>closing it: %1</source>
        <translation>عند إغلاقه: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>replacing the old file: %1</source>
        <translation>عند استبدال الملف القديم: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>flushing its folder to disk: %1</source>
        <translation>عند ترحيل مجلده إلى القرص: %1</translation>
    </message>
</context>
<context>
    <name>SunAtClock</name>
    <message>
        <location filename="../ui/main/sun_texts.cpp" line="+11"/>
        <source>day</source>
        <extracomment>The sun is above the horizon at a clock&apos;s place.</extracomment>
        <translation>نهار</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>civil twilight</source>
        <extracomment>The sun is up to 6 degrees below the horizon: still light outside.</extracomment>
        <translation>شفق مدني</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nautical twilight</source>
        <extracomment>The sun is 6 to 12 degrees below the horizon: dusk or dawn.</extracomment>
        <translation>شفق بحري</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>astronomical twilight</source>
        <extracomment>The sun is 12 to 18 degrees below the horizon: almost dark.</extracomment>
        <translation>شفق فلكي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>The sun is more than 18 degrees below the horizon at a clock&apos;s place.</extracomment>
        <translation>ليل</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: sun up all day</source>
        <extracomment>A clock&apos;s tooltip in polar summer: %1 is the clock&apos;s place.</extracomment>
        <translation>%1: الشمس لا تغيب طوال اليوم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: sun down all day</source>
        <extracomment>A clock&apos;s tooltip in polar winter: %1 is the clock&apos;s place.</extracomment>
        <translation>%1: الشمس لا تشرق طوال اليوم</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: sunrise %2, sunset %3</source>
        <extracomment>A clock&apos;s tooltip: %1 the clock&apos;s place, %2 and %3 the times of that day&apos;s sunrise and sunset on the clock.</extracomment>
        <translation>%1: الشروق %2، الغروب %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: sunrise %2, no sunset today</source>
        <extracomment>A clock&apos;s tooltip on a day the sun rises and stays up: %1 the place, %2 the time.</extracomment>
        <translation>%1: الشروق %2، لا غروب اليوم</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no sunrise today, sunset %2</source>
        <extracomment>A clock&apos;s tooltip on a day the sun sets and stays down: %1 the place, %2 the time.</extracomment>
        <translation>%1: لا شروق اليوم، الغروب %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no sunrise or sunset today</source>
        <extracomment>A clock&apos;s tooltip when neither sunrise nor sunset is known: %1 is the place.</extracomment>
        <translation>%1: لا شروق ولا غروب اليوم</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeLines</name>
    <message>
        <location filename="../ui/main/change_lines.cpp" line="+17"/>
        <source>%1; %2</source>
        <extracomment>A text followed by more about it: a change&apos;s sentence and what it does to the difference from this computer, or a clock row and its next change.</extracomment>
        <translation>%1؛ %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This computer: %1</source>
        <extracomment>The clock window&apos;s top line: this computer&apos;s own next change of offset, %1 its sentence (&quot;Clocks go back 1 h on Sun 26 Oct at 03:00 (in 3 days)&quot;).</extracomment>
        <translation>هذا الحاسوب: %1</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeNotifier</name>
    <message>
        <location filename="../ui/program/change_notifier.cpp" line="+47"/>
        <source>%1: %2</source>
        <extracomment>A notification a day before clocks change: %1 the clocks&apos; labels (&quot;London, Dublin and Lisbon&quot;), %2 the change (&quot;Clocks go back 1 h on Sun 26 Oct at 02:00 (tomorrow)&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>horavia::ClockEditor</name>
    <message>
        <location filename="../ui/editor/clock_editor.cpp" line="+64"/>
        <source>&amp;Label</source>
        <extracomment>The clock&apos;s name, shown above its time.</extracomment>
        <translation>التسمية (&amp;L)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Active</source>
        <extracomment>The clock is shown.</extracomment>
        <translation>مفعّلة (&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Format</source>
        <extracomment>The clock&apos;s time format.</extracomment>
        <translation>التنسيق (&amp;F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(leave empty to use default)</source>
        <translation>(اتركه فارغًا لاستخدام التنسيق الافتراضي)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Working hours</source>
        <extracomment>The box of the clock&apos;s working hours, ticked when the clock has its own.</extracomment>
        <translation>ساعات ال&amp;عمل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>موافق (&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>إلغاء (&amp;C)</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Type a label and choose a zone</source>
        <translation>اكتب تسمية واختر منطقة زمنية</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Place: %1</source>
        <extracomment>Under the place search: the place the clock keeps (for its sunrise and sunset).</extracomment>
        <translation>المكان: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>World map</source>
        <translation>خريطة العالم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>World map: %1</source>
        <extracomment>The world map as a screen reader names it: %1 is the zone it shows.</extracomment>
        <translation>خريطة العالم: %1</translation>
    </message>
    <message>
        <location filename="../ui/editor/clock_editor.h" line="+29"/>
        <source>(no name)</source>
        <translation>(بلا اسم)</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListModel</name>
    <message>
        <location filename="../ui/setup/clock_list_model.cpp" line="+47"/>
        <source>Active</source>
        <extracomment>The clock list&apos;s check box, read out by what it switches: the clock is on.</extracomment>
        <translation>مفعّلة</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Name</source>
        <extracomment>Column of the clock list: the clock&apos;s label.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <extracomment>Column of the clock list: the clock&apos;s time zone.</extracomment>
        <translation>المنطقة الزمنية</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListPage</name>
    <message>
        <location filename="../ui/setup/clock_list_page.cpp" line="+47"/>
        <source>Clocks</source>
        <translation>الساعات</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;New</source>
        <translation>جديد (&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>حذف (&amp;D)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>نقل لأسفل</translation>
    </message>
</context>
<context>
    <name>horavia::ClockWindow</name>
    <message>
        <location filename="../ui/main/clock_window.cpp" line="+273"/>
        <source>%1, %2, %3</source>
        <extracomment>A clock row while planning: %1 the clock&apos;s label, %2 its time, %3 whether people there are at work (&quot;Tokyo, 23:10, night&quot;).</extracomment>
        <translation>%1، %2، %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <extracomment>A clock row as a screen reader reads it: %1 is the clock&apos;s label, %2 its time.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2</source>
        <comment>row and sun</comment>
        <extracomment>A clock row as a screen reader reads it, then the sun at the clock: %1 the row (&quot;Tokyo, 23:10&quot;), %2 the word for day, twilight or night there.</extracomment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>horavia::ConverterWindow</name>
    <message>
        <location filename="../ui/convert/converter_window.cpp" line="+59"/>
        <source>Show &amp;map</source>
        <extracomment>Shows the world map, with the night side, below the converted times.</extracomment>
        <translation>إظهار الخريطة (&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horavia - Convert</source>
        <translation>Horavia - تحويل</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;From</source>
        <extracomment>The zone a time is converted from.</extracomment>
        <translation>من (&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;To</source>
        <extracomment>The zone a time is converted to.</extracomment>
        <translation>إلى (&amp;T)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>From timezone</source>
        <translation>المنطقة الزمنية المحوَّل منها</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To timezone</source>
        <translation>المنطقة الزمنية المحوَّل إليها</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time to convert</source>
        <translation>الوقت المراد تحويله</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted time</source>
        <translation>الوقت المحوَّل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert from</source>
        <translation>ابحث عن مكان للتحويل منه</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert to</source>
        <translation>ابحث عن مكان للتحويل إليه</translation>
    </message>
</context>
<context>
    <name>horavia::DefaultFormatPage</name>
    <message>
        <location filename="../ui/setup/default_format_page.cpp" line="+14"/>
        <source>Default format</source>
        <translation>التنسيق الافتراضي</translation>
    </message>
    <message>
        <location filename="../ui/setup/default_format_page.h" line="+21"/>
        <source>Hours (0-23)</source>
        <translation>الساعات (0-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours with leading zeros (00-23)</source>
        <translation>الساعات بأصفار بادئة (00-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes (0-59)</source>
        <translation>الدقائق (0-59)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seconds (0-59)</source>
        <translation>الثواني (0-59)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM or PM, if used then hours will be 0-12</source>
        <translation>AM أو PM، وعند استخدامه تكون الساعات 0-12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the month (1-31)</source>
        <translation>يوم الشهر (1-31)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the week (Mon-Sun)</source>
        <translation>يوم الأسبوع (الاثنين-الأحد)</translation>
    </message>
</context>
<context>
    <name>horavia::MapStrip</name>
    <message>
        <location filename="../ui/convert/map_strip.cpp" line="+35"/>
        <source>World map</source>
        <translation>خريطة العالم</translation>
    </message>
</context>
<context>
    <name>horavia::PlaceSearchBox</name>
    <message>
        <location filename="../ui/editor/place_search_box.cpp" line="+19"/>
        <source>Find a city, country or time zone</source>
        <translation>ابحث عن مدينة أو بلد أو منطقة زمنية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find a place</source>
        <translation>ابحث عن مكان</translation>
    </message>
</context>
<context>
    <name>horavia::PlanTimeField</name>
    <message>
        <location filename="../ui/main/plan_time_field.cpp" line="+14"/>
        <source>Plan for … in %1</source>
        <extracomment>The title of the field in which a time is typed for one clock; %1 the clock&apos;s label.</extracomment>
        <translation>التخطيط لـ … في %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Time in %1:</source>
        <extracomment>%1 a clock&apos;s label; the field below takes a time, or a date and time, on that clock.</extracomment>
        <translation>الوقت في %1 (&amp;T):</translation>
    </message>
</context>
<context>
    <name>horavia::ServerTestDialog</name>
    <message>
        <location filename="../ui/setup/server_test_dialog.cpp" line="+16"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Testing time servers...</source>
        <translation>جارٍ اختبار خوادم الوقت...</translation>
    </message>
</context>
<context>
    <name>horavia::SettingsPage</name>
    <message numerus="yes">
        <location filename="../ui/setup/settings_page.cpp" line="+55"/>
        <source>%1 %n pts</source>
        <extracomment>The font sample: %1 is the font&apos;s name, %n its size in points.</extracomment>
        <translation>
            <numerusform>%1 %n نقطة</numerusform>
            <numerusform>%1 %n نقطة</numerusform>
            <numerusform>%1 %n نقطة</numerusform>
            <numerusform>%1 %n نقاط</numerusform>
            <numerusform>%1 %n نقطة</numerusform>
            <numerusform>%1 %n نقطة</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Show &amp;window</source>
        <translation>إظهار النافذة (&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load on startup</source>
        <translation>التشغيل عند بدء النظام (&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Always on top</source>
        <translation>دائمًا في المقدمة (&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single click on tray &amp;icon shows/hides window</source>
        <translation>نقرة واحدة على أيقونة منطقة الإشعارات تُظهر النافذة أو تخفيها (&amp;I)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show each clock&apos;s &amp;offset from this computer&apos;s time</source>
        <translation>إظهار فرق كل ساعة عن وقت هذا الحاسوب (&amp;O)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show day and ni&amp;ght at each clock</source>
        <extracomment>Marks each clock with day, twilight or night at its place.</extracomment>
        <translation>إظهار النهار والليل عند كل ساعة (&amp;G)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort timezones &amp;by</source>
        <translation>فرز المناطق الزمنية حسب (&amp;B)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort timezones by</source>
        <translation>فرز المناطق الزمنية حسب</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AM/&amp;PM</source>
        <extracomment>The 12-hour clock.</extracomment>
        <translation>ص/م (&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2&amp;4 h</source>
        <extracomment>The 24-hour clock.</extracomment>
        <translation>2&amp;4 ساعة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose</source>
        <extracomment>Opens the font dialog.</extracomment>
        <translation>اختيار</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default wor&amp;king hours for clocks without their own</source>
        <extracomment>The box of working hours used for every clock that has none of its own.</extracomment>
        <translation>ساعات العمل ال&amp;افتراضية للساعات التي ليس لها ساعات خاصة</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Meeting length</source>
        <extracomment>How long a meeting the planner looks for is.</extracomment>
        <translation>مدة الا&amp;جتماع</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meeting length</source>
        <translation>مدة الاجتماع</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n min</source>
        <extracomment>A meeting&apos;s length in minutes.</extracomment>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show clock changes ahead &amp;under the clocks in the window</source>
        <translation>إظهار تغييرات الساعة القادمة تحت الساعات في النافذة (&amp;U)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tell changes up to</source>
        <extracomment>Before a spin box of days: &quot;Tell changes up to [14 days] ahead&quot;.</extracomment>
        <translation>الإخبار بالتغييرات قبلها بـ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>never</source>
        <extracomment>The number of days ahead set to 0: no change is told.</extracomment>
        <translation>أبدًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tell changes up to, days ahead</source>
        <translation>الإخبار بالتغييرات قبلها بعدد من الأيام</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> day ahead</source>
        <extracomment>After the spin box&apos;s 1: &quot;Tell changes up to 1 day ahead&quot;.</extracomment>
        <translation> يوم واحد</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> days ahead</source>
        <extracomment>After the spin box&apos;s number: &quot;Tell changes up to 14 days ahead&quot;.</extracomment>
        <translation>
            <numerusform> يوم</numerusform>
            <numerusform> يوم</numerusform>
            <numerusform> يومين</numerusform>
            <numerusform> أيام</numerusform>
            <numerusform> يومًا</numerusform>
            <numerusform> يوم</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tell me the day before a clock&apos;s ne&amp;xt change</source>
        <translation>تنبيهي في اليوم السابق لتغيير الساعة (&amp;G)</translation>
    </message>
    <message>
        <location filename="../ui/setup/settings_page.h" line="+31"/>
        <source>This desktop does not let programs keep windows on top.</source>
        <translation>لا يسمح سطح المكتب هذا للبرامج بإبقاء النوافذ في المقدمة.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name (Up)</source>
        <translation>الاسم (تصاعديًا)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name (Down)</source>
        <translation>الاسم (تنازليًا)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Up)</source>
        <translation>فرق التوقيت عن GMT (تصاعديًا)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Down)</source>
        <translation>فرق التوقيت عن GMT (تنازليًا)</translation>
    </message>
</context>
<context>
    <name>horavia::SetupDialog</name>
    <message>
        <location filename="../ui/setup/setup_dialog.cpp" line="+31"/>
        <source>Setup pages</source>
        <translation>صفحات الإعداد</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Timezones</source>
        <translation>المناطق الزمنية (&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>الإعدادات (&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TimeS&amp;ync</source>
        <translation>مزامنة الوقت (&amp;Y)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default &amp;Format</source>
        <translation>التنسيق الافتراضي (&amp;F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/setup/setup_dialog.h" line="+25"/>
        <source>Horavia Timezones</source>
        <translation>Horavia - المناطق الزمنية</translation>
    </message>
</context>
<context>
    <name>horavia::SwapPicture</name>
    <message>
        <location filename="../ui/convert/swap_picture.cpp" line="+19"/>
        <source>Swap</source>
        <extracomment>Exchanges the two zones.</extracomment>
        <translation>تبديل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap zones</source>
        <translation>تبديل المنطقتين</translation>
    </message>
</context>
<context>
    <name>horavia::TimeSyncPage</name>
    <message>
        <location filename="../ui/setup/time_sync_page.cpp" line="+38"/>
        <location line="+4"/>
        <source>Server</source>
        <extracomment>Group box title: the time server.</extracomment>
        <translation>الخادم</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Test</source>
        <extracomment>Tests the time server once.</extracomment>
        <translation>اختبار</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <extracomment>Tests every listed time server and proposes the best.</extracomment>
        <translation>تلقائي</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>When</source>
        <extracomment>Group box title: when the computer&apos;s clock is synchronised.</extracomment>
        <translation>متى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When sta&amp;rting Horavia</source>
        <translation>عند بدء تشغيل Horavia (&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;very</source>
        <translation>كل (&amp;V)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sync interval</source>
        <translation>فاصل المزامنة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync interval unit</source>
        <translation>وحدة فاصل المزامنة</translation>
    </message>
    <message>
        <location filename="../ui/setup/time_sync_page.h" line="+27"/>
        <source>Seconds</source>
        <extracomment>A unit of the synchronisation interval, read as &quot;Every 30 Seconds&quot; with any number.</extracomment>
        <translation>ثانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>يوم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weeks</source>
        <translation>أسبوع</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Synchronizes your computer&apos;s clock with an atomic clock.</source>
        <translation>يزامن ساعة حاسوبك مع ساعة ذرية.</translation>
    </message>
</context>
<context>
    <name>horavia::TrayPresenter</name>
    <message>
        <location filename="../ui/tray/tray_presenter.cpp" line="+59"/>
        <source>&amp;Setup</source>
        <extracomment>Tray menu: opens the setup dialog.</extracomment>
        <translation>الإعداد (&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Convert</source>
        <extracomment>Tray menu: opens the time converter.</extracomment>
        <translation>تحويل (&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a &amp;meeting time</source>
        <extracomment>Tray menu: shows the clock window at the next time that suits every clock&apos;s working hours.</extracomment>
        <translation>البحث عن موعد اجتماع (&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sync Now!</source>
        <extracomment>Tray menu: sets the computer&apos;s clock from a time server now.</extracomment>
        <translation>مزامنة الآن!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/tray/tray_presenter.h" line="+26"/>
        <source>S&amp;how</source>
        <translation>إظهار (&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide</source>
        <translation>إخفاء (&amp;H)</translation>
    </message>
</context>
<context>
    <name>horavia::WorkingHoursBox</name>
    <message>
        <location filename="../ui/editor/working_hours_box.cpp" line="+51"/>
        <source>from</source>
        <extracomment>Working hours: the time the working day starts.</extracomment>
        <translation>من</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to</source>
        <extracomment>Working hours: the time the working day ends.</extracomment>
        <translation>إلى</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Working hours start</source>
        <translation>بداية ساعات العمل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working hours end</source>
        <translation>نهاية ساعات العمل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(next day)</source>
        <extracomment>After the end of working hours that lies at or before their start.</extracomment>
        <translation>(اليوم التالي)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Working hours must end at another time than they start.</source>
        <translation>يجب أن تنتهي ساعات العمل في وقت غير وقت بدايتها.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose at least one working day.</source>
        <translation>اختر يوم عمل واحدًا على الأقل.</translation>
    </message>
</context>
<context>
    <name>horavia::WorldMapView</name>
    <message>
        <location filename="../ui/editor/world_map_view.cpp" line="+45"/>
        <source>World map</source>
        <translation>خريطة العالم</translation>
    </message>
</context>
</TS>
