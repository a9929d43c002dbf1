<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChangeTexts</name>
    <message numerus="yes">
        <location filename="../ui/main/change_texts.cpp" line="+40"/>
        <source>(in %n days)</source>
        <extracomment>How many of the zone&apos;s calendar days until its clocks change.</extracomment>
        <translation>
            <numerusform>（%n 天后）</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(tomorrow)</source>
        <extracomment>The zone&apos;s clocks change on its next calendar day.</extracomment>
        <translation>（明天）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(in %1)</source>
        <extracomment>%1 how long until the zone&apos;s clocks change later today (&quot;5 h 15 min&quot;, &quot;40 min&quot;).</extracomment>
        <translation>（%1后）</translation>
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
        <translation>时钟将于 %2 %3 拨快 %1 %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clocks go back %1 on %2 at %3 %4</source>
        <extracomment>%1 an amount (&quot;1 h&quot;, &quot;30 min&quot;), %2 a short date (&quot;Sun 26 Oct&quot;), %3 a time (&quot;03:00&quot;) on the zone&apos;s clock before the change, %4 how far away it is (&quot;(in 3 days)&quot;, &quot;(tomorrow)&quot;, &quot;(in 5 h)&quot;). The zone&apos;s offset goes down.</extracomment>
        <translation>时钟将于 %2 %3 拨慢 %1 %4</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>then the same time as you instead of %1 ahead</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>之后与您时间相同，而不是快 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then the same time as you instead of %1 behind</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>之后与您时间相同，而不是慢 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>then %1 ahead of you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be ahead of the computer&apos;s, whose time it shows now.</extracomment>
        <translation>之后比您快 %1，而不是时间相同</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then %1 behind you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be behind the computer&apos;s, whose time it shows now.</extracomment>
        <translation>之后比您慢 %1，而不是时间相同</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 ahead.</extracomment>
        <translation>之后比您快 %1，而不是 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 behind you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 behind.</extracomment>
        <translation>之后比您慢 %1，而不是 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2 behind</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 behind it.</extracomment>
        <translation>之后比您快 %1，而不是慢 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>then %1 behind you instead of %2 ahead</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 ahead of it.</extracomment>
        <translation>之后比您慢 %1，而不是快 %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+19"/>
        <source>--test-server needs a host name</source>
        <extracomment>A usage error: the option was given without the host to ask.</extracomment>
        <translation>--test-server 需要一个主机名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--find needs a text</source>
        <extracomment>A usage error: the option was given without the text to find.</extracomment>
        <translation>--find 需要一段文本</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown option: %1</source>
        <extracomment>A usage error; %1 is what was typed.</extracomment>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--at needs a time</source>
        <extracomment>A usage error: the option was given without the time to show.</extracomment>
        <translation>--at 需要一个时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--at goes with --print or --tip</source>
        <extracomment>A usage error: --at was given without --print or --tip.</extracomment>
        <translation>--at 只能与 --print 或 --tip 一起使用</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>choose one of --print, --tip, --meet, --changes, --test-server and --find</source>
        <extracomment>A usage error: more than one of these options was given.</extracomment>
        <translation>只能选择 --print、--tip、--meet、--changes、--test-server 和 --find 中的一个</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--within goes with --meet or --changes</source>
        <extracomment>A usage error: --within was given without --meet or --changes.</extracomment>
        <translation>--within 只能与 --meet 或 --changes 一起使用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--length goes with --meet</source>
        <extracomment>A usage error: --length was given without --meet.</extracomment>
        <translation>--length 只能与 --meet 一起使用</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs a whole number from %2 to %3</source>
        <extracomment>A usage error; %1 is the option, %2 and %3 the least and the most it takes.</extracomment>
        <translation>%1 需要 %2 到 %3 之间的整数</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usage: horavia [option]
A world clock: a small window with your clocks, an icon in the notification area.

</source>
        <extracomment>The start of --help: how the program is called and what it is.</extracomment>
        <translation>用法：horavia [选项]
一个世界时钟：一个显示您的各个时钟的小窗口，以及通知区域中的一个图标。

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without an option the program starts (or brings the running one forward).

</source>
        <translation>不带选项时，程序将启动（或将正在运行的程序调到前台）。

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options:
</source>
        <translation>选项：
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --print              print each enabled clock: label, a tab, its time; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --print              输出每个已启用的时钟：标签、制表符、时间；然后退出
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --tip                print the notification-area tip line; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --tip                输出通知区域的提示行；然后退出
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
        <translation>  --at TIME            与 --print 或 --tip 一起：显示 TIME 时刻而非现在的时钟：
                       带 Z 或偏移的 ISO 8601（2026-10-14T13:00Z），或本机时区的日期和
                       时间或仅时间，或其后跟地点或 tz id（&quot;15:00 Tokyo&quot;、
                       &quot;3 pm America/Lima&quot;）
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
        <translation>  --meet               输出适合每个设有工作时间的已启用时钟的下一个会议时间：
                       当时的各时钟（同 --print）以及 UTC 开始时间（ISO 8601）；若没有
                       适合所有人的时间，则给出最公平的，并在标准错误中列出谁在工作时间之外
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
        <translation>  --changes            输出已启用时钟的 UTC 偏移下一次变化的时间，最近的在前：
                       标签、制表符、UTC 时刻（ISO 8601）、制表符、原偏移、
                       制表符、新偏移、制表符、窗口中的句子；然后退出
                       （没有变化时状态码为 1）
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --within DAYS        with --meet or --changes: look DAYS ahead (1 to 366; 14 by
                       default, for --changes as set up in the program)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --within DAYS        与 --meet 或 --changes 一起：向后查找 DAYS 天（1 到 366；
                       默认 14，--changes 按程序中的设置）
</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>--changes exits with 0 when a change comes within the days, 1 when none does.
</source>
        <extracomment>The end of --help, after the exit statuses. Options are typed as they are.</extracomment>
        <translation>--changes 在期限内有变化时以 0 退出，没有时以 1 退出。
</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>  --length MINUTES     with --meet: the meeting&apos;s length (15 to 1440; by default as
                       set up in the program, 30 minutes)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --length MINUTES     与 --meet 一起：会议时长（15 到 1440；默认为程序中的
                       设置，30 分钟）
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
        <translation>  --test-server HOST   向 HOST 询问时间（时间协议，TCP 端口 37；写作
                       ntp:HOST 则使用 NTP，UDP 端口 123）；然后退出
                       nts:HOST[:PORT] 通过受 NTS 保护的 NTP 询问，密钥
                       交换使用 TCP 端口 PORT，默认为 4460
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  --find TEXT          print the places and zones that TEXT names (a city, country,
                       tz id or zone name), best first: place, a tab, tz id, a tab,
                       zone; then exit (status 1 when nothing matches)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --find TEXT          输出 TEXT 所指的地点和时区（城市、国家、tz id
                       或时区名称），最佳匹配在前：地点、制表符、tz id、
                       制表符、时区；然后退出（无匹配时状态码为 1）
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  -h, --help           show this help
</source>
        <translation>  -h, --help           显示此帮助
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -v, --version        show the version
</source>
        <translation>  -v, --version        显示版本
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
退出状态：0 完成；1 失败（没有时区数据库、服务器无应答、未找到任何结果、
设置无法读取或保存、--meet 没有设有工作时间的时钟）；2 用法错误，
或时间无法读取或不存在。
</translation>
    </message>
    <message>
        <location filename="../app/at_time.cpp" line="+73"/>
        <source>--at: &quot;%1&quot; is not a time</source>
        <extracomment>A usage error: the time given to --at does not read as a time; %1 is what was typed.</extracomment>
        <translation>--at：“%1”不是时间</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>--at: no place or time zone is named in &quot;%1&quot;</source>
        <extracomment>A usage error: --at TIME held a time followed by something that names no place; %1 is what was typed.</extracomment>
        <translation>--at：“%1”中没有地点或时区</translation>
    </message>
</context>
<context>
    <name>HeadlessRun</name>
    <message numerus="yes">
        <location filename="../app/headless_run.cpp" line="+48"/>
        <source>more than %n clocks are stored; only the first %n are read</source>
        <extracomment>Written to standard error; %n is the most clocks the program keeps.</extracomment>
        <translation>
            <numerusform>存储的时钟超过 %n 个；只读取前 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetCommand</name>
    <message>
        <location filename="../app/meet_command.cpp" line="+25"/>
        <source>no enabled clock has working hours</source>
        <extracomment>Written to standard error by --meet.</extracomment>
        <translation>没有已启用的时钟设有工作时间</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../ui/main/message_text.cpp" line="+19"/>
        <source>No timezone information found !</source>
        <translation>未找到时区信息！</translation>
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
        <translation>无法从以下位置读取设置：
%1
（%2）。

Horavia 暂时使用默认设置运行，并保持该文件不变。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The settings could not be saved to
%1
(%2).

Horavia keeps working with your settings and tries again at the next save.</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason (not translated).</extracomment>
        <translation>无法将设置保存到：
%1
（%2）。

Horavia 将继续使用您的设置运行，并在下次保存时重试。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot read the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>无法读取设置文件“%1”：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot save the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>无法保存设置文件“%1”：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>running as root: symbolic links to the settings are followed only when root owns them</source>
        <extracomment>One line on standard error when the program starts as the superuser (root), perhaps with another user&apos;s configuration folder.</extracomment>
        <translation>正在以 root 身份运行：仅当指向设置的符号链接属于 root 时才会跟随</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>More than %n clocks are stored. Only the first %n are shown, and changes to the clock list are not saved, so that none of the others is lost.</source>
        <translation>
            <numerusform>存储的时钟超过 %n 个。仅显示前 %n 个，且对时钟列表的更改不会保存，以免丢失其余时钟。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Local time is %n hour(s) off.
Check wether your local timezone is set up correctly!</source>
        <extracomment>The computer&apos;s clock is about %n whole hours away from a time server&apos;s.</extracomment>
        <translation>
            <numerusform>本地时间偏差 %n 小时。
请检查您的本地时区设置是否正确！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The difference between local and atomic time
is %n minutes. Should the local
time be updated ?</source>
        <extracomment>Asked before the computer&apos;s clock is set from a time server; keep the short lines.</extracomment>
        <translation>
            <numerusform>本地时间与原子时间相差
%n 分钟。是否更新
本地时间？</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed setting new date/time. In Windows NT/XP, you need Administrator privileges for this!</source>
        <translation>设置新的日期/时间失败。在 Windows NT/XP 中，此操作需要管理员权限！</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system keeps it synchronised itself (automatic time synchronisation is on).</source>
        <translation>未设置计算机时钟：系统会自行同步时钟（自动时间同步已开启）。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed setting new date/time: you are not allowed to change the system clock.</source>
        <translation>设置新的日期/时间失败：您无权更改系统时钟。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system&apos;s date-time service did not answer.</source>
        <translation>未设置计算机时钟：系统的日期时间服务没有响应。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the time server&apos;s second answer did not agree with the difference you confirmed.</source>
        <translation>未设置计算机时钟：时间服务器的第二次应答与您确认的差值不一致。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server did not answer.</source>
        <translation>时间服务器没有响应。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer&apos;s clock was not changed.</source>
        <translation>计算机时钟未被更改。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>您确认的差值：%1 秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>您确认的差值：%1 秒（%2 毫秒）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>第二次应答中的差值：%1 秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>第二次应答中的差值：%1 秒（%2 毫秒）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difference with local time: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>与本地时间的差值：%1 秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference with local time: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>与本地时间的差值：%1 秒（%2 毫秒）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server refuses to answer this computer; it will not be asked again while Horavia runs.</source>
        <translation>时间服务器拒绝应答此计算机；在 Horavia 运行期间将不再向其询问。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server is not synchronised; its time was not used.</source>
        <translation>时间服务器未同步；未使用其时间。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server sent an incomplete answer.</source>
        <translation>时间服务器发送的应答不完整。</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>The time server asks to be queried less often; it will not be asked again for %n minute(s).</source>
        <translation>
            <numerusform>时间服务器要求降低查询频率；%n 分钟内将不再向其询问。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection failed!</source>
        <translation>连接失败！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: %1</source>
        <extracomment>NTS: Network Time Security. %1 the technical reason, in English.</extracomment>
        <translation>NTS 密钥交换失败：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: no answer within %1 s</source>
        <extracomment>NTS: Network Time Security. %1 seconds (&quot;s&quot; is the unit).</extracomment>
        <translation>NTS 密钥交换失败：%1 秒内无应答</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time queries could not be loaded: %1</source>
        <extracomment>The program&apos;s own part that asks time servers could not be loaded. %1 the reason, in English.</extracomment>
        <translation>无法加载时间查询组件：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name: %1</source>
        <extracomment>%1 a time server&apos;s name.</extracomment>
        <translation>名称：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Respons time: %1 ms</source>
        <extracomment>%1 milliseconds the time server took to answer.</extracomment>
        <translation>响应时间：%1 毫秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Authenticated: yes (NTS)</source>
        <extracomment>The time server&apos;s answer was authenticated by Network Time Security.</extracomment>
        <translation>已认证：是（NTS）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authenticated: no</source>
        <translation>已认证：否</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset: %1 ms</source>
        <extracomment>%1 milliseconds the server is ahead of the computer, one decimal.</extracomment>
        <translation>偏移：%1 毫秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Round-trip delay: %1 ms</source>
        <extracomment>%1 milliseconds, one decimal.</extracomment>
        <translation>往返延迟：%1 毫秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to use this server :</source>
        <extracomment>Followed by the server&apos;s name, response time and difference.</extracomment>
        <translation>是否使用此服务器：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No active servers found...
Check your internet connection!</source>
        <translation>未找到可用的服务器……
请检查您的互联网连接！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to delete this timezone permanently ?</source>
        <extracomment>A clock of the list, shown with its zone.</extracomment>
        <translation>确定要永久删除此时区吗？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Timezone &apos;%1&apos; can not be used to convert from.</source>
        <extracomment>%1 the zone&apos;s name as the list shows it.</extracomment>
        <translation>时区“%1”不能用作转换的源时区。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help page could not be written into the folder
%1</source>
        <extracomment>%1 a folder.</extracomment>
        <translation>无法将帮助页面写入文件夹
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No web browser could be started to show the help.
The help is in this file:
%1</source>
        <extracomment>%1 the help file.</extracomment>
        <translation>无法启动 Web 浏览器来显示帮助。
帮助位于此文件中：
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not exist on %2 in %3: clocks went from %4 to %5</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set forward.</extracomment>
        <translation>%2 在 %3 不存在 %1：时钟从 %4 跳到 %5</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 happens twice on %2 in %3 (clocks went back from %4 to %5): the first is shown</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set back.</extracomment>
        <translation>%2 在 %3 的 %1 出现两次（时钟从 %4 拨回到 %5）：显示第一次</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message numerus="yes">
        <location filename="../ui/main/plan_texts.cpp" line="+20"/>
        <source>%n d</source>
        <extracomment>Days, abbreviated as in &quot;2 d 3 h&quot;.</extracomment>
        <translation>
            <numerusform>%n天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n h</source>
        <extracomment>Hours, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n min</source>
        <extracomment>Minutes, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n分钟</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>now</source>
        <extracomment>The planned instant is less than a minute away from the present.</extracomment>
        <translation>现在</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 from now</source>
        <extracomment>%1 a duration such as &quot;5 h 15 min&quot;.</extracomment>
        <translation>%1后</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 ago</source>
        <translation>%1前</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ddd d MMM</source>
        <extracomment>The planned date as Qt&apos;s QDate::toString writes it: short weekday, day, short month (&quot;Tue 14 Oct&quot;). Reorder the fields as your language writes a short date.</extracomment>
        <translation>M月d日 ddd</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2 — Home: back to now</source>
        <extracomment>The planning line: %1 the planned date, %2 how far it is from now (&quot;5 h 15 min from now&quot;).</extracomment>
        <translation>%1，%2 — Home：回到现在</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Planning:</source>
        <extracomment>The label of the line that shows the planned instant below the clocks.</extracomment>
        <translation>计划：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>at work</source>
        <extracomment>A clock&apos;s people are within their working hours.</extracomment>
        <translation>工作中</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>off work</source>
        <extracomment>A clock&apos;s people are outside their working hours, but it is not night there.</extracomment>
        <translation>下班</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>It is night (23:00 to 07:00) at the clock and people are not at work.</extracomment>
        <translation>夜间</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2, %3 before working hours</source>
        <translation>%1：%2，早于工作时间%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2, %3 after working hours</source>
        <extracomment>%1 a clock&apos;s label, %2 its time then, %3 a duration (&quot;1 h 30 min&quot;): the meeting would end that long after the clock&apos;s working hours.</extracomment>
        <translation>%1：%2，晚于工作时间%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Everyone is at work</source>
        <extracomment>A meeting time was found within every clock&apos;s working hours.</extracomment>
        <translation>所有人都在工作时间内</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No clock has working hours: set them in a clock&apos;s editor, or turn on default working hours in Setup.</source>
        <translation>没有时钟设置了工作时间：请在时钟编辑器中设置，或在设置中打开默认工作时间。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Type a time, such as 15:00 or 3 pm, or a date and time.</source>
        <translation>请输入时间（如 15:00 或 3 pm），或日期和时间。</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../platform/linux/posix_file_system.cpp" line="+94"/>
        <source>it is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>这是属于其他用户的符号链接（uid %1）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its folder is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>其所在文件夹是属于其他用户的符号链接（uid %1）</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>it is a folder, not a file</source>
        <translation>这是一个文件夹，而不是文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a regular file</source>
        <translation>这不是一个普通文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>the file is larger than 64 MiB</source>
        <translation>文件大于 64 MiB</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 is not a folder</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>another program keeps the folder locked</source>
        <translation>另一个程序锁定了该文件夹</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>no free name for a temporary file</source>
        <translation>没有可用于临时文件的空闲名称</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <location filename="../ui/main/reason_text.cpp" line="+15"/>
        <source>the file is missing</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is truncated</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a shared library</source>
        <translation>这不是共享库</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is built for another kind of computer</source>
        <translation>它是为另一种计算机构建的</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its path is not absolute</source>
        <translation>其路径不是绝对路径</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the system could not load it</source>
        <translation>系统无法加载它</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a loadable part for this program (interface %1, needs %2)</source>
        <extracomment>%1 the interface the file offers, %2 the one the program needs (technical names).</extracomment>
        <translation>它不是本程序可加载的组件（接口 %1，需要 %2）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 the time server&apos;s name.</extracomment>
        <translation>无法连接到 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library failed: %1</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>TLS 库出错：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library could not export the keys (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>TLS 库无法导出密钥（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the secure connection failed (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>安全连接失败（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server&apos;s certificate was refused (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>服务器的证书被拒绝（%1）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server closed the connection before the key exchange was over</source>
        <translation>服务器在密钥交换完成前关闭了连接</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server does not offer NTS key establishment</source>
        <translation>服务器不提供 NTS 密钥建立</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server did not recognise a critical record</source>
        <translation>服务器无法识别一条关键记录</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server called the request bad</source>
        <translation>服务器认为请求有误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server had an internal error</source>
        <translation>服务器发生内部错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server reported error %1</source>
        <extracomment>%1 the error&apos;s number.</extracomment>
        <translation>服务器报告错误 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server reported an error</source>
        <translation>服务器报告了一个错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent a warning</source>
        <translation>服务器发送了一条警告</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 key-exchange records</source>
        <extracomment>%1 the most records the program reads.</extracomment>
        <translation>服务器发送了超过 %1 条密钥交换记录</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 KiB of key-exchange records</source>
        <extracomment>%1 the most kibibytes the program reads.</extracomment>
        <translation>服务器发送了超过 %1 KiB 的密钥交换记录</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no time protocol</source>
        <translation>服务器不提供时间协议</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no cipher</source>
        <translation>服务器不提供加密算法</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent no cookies</source>
        <translation>服务器没有发送 Cookie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer NTPv4</source>
        <translation>服务器不提供 NTPv4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer AES-SIV-CMAC-256</source>
        <translation>服务器不提供 AES-SIV-CMAC-256</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent a cookie larger than %1 bytes</source>
        <extracomment>%1 the largest cookie the program takes, in bytes.</extracomment>
        <translation>服务器发送的 Cookie 大于 %1 字节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named no NTP server</source>
        <translation>服务器没有指定 NTP 服务器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP server</source>
        <translation>服务器指定的 NTP 服务器无法读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP port</source>
        <translation>服务器指定的 NTP 端口无法读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent an unknown critical record</source>
        <translation>服务器发送了一条未知的关键记录</translation>
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
            <numerusform>−%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>+%n h</source>
        <extracomment>A clock&apos;s zone is %n whole hours ahead of the computer&apos;s (&quot;+9 h&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>+%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 %n</source>
        <extracomment>The hours of the marker followed by the minutes beyond them: %1 is the signed hours (&quot;−3 h&quot;), %n the minutes (English &quot;−3 h 30&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>%1%n分</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 tomorrow</source>
        <extracomment>The marker when the clock&apos;s date is already the computer&apos;s tomorrow: %1 is the difference (&quot;+9 h tomorrow&quot;).</extracomment>
        <translation>%1 明天</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 yesterday</source>
        <extracomment>The marker when the clock&apos;s date is still the computer&apos;s yesterday: %1 is the difference (&quot;−3 h yesterday&quot;).</extracomment>
        <translation>%1 昨天</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../platform/settings_file.cpp" line="+136"/>
        <source>creating its folder: %1</source>
        <translation>创建其所在文件夹时：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>locking its folder: %1</source>
        <translation>锁定其所在文件夹时：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>reading it again before saving: %1</source>
        <translation>保存前重新读取时：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is read-only</source>
        <translation>该文件是只读的</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>creating a temporary file: %1</source>
        <translation>创建临时文件时：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>writing: %1</source>
        <translation>写入时：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>flushing it to disk: %1</source>
        <translation>将其刷新到磁盘时：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>closing it: %1</source>
        <translation>关闭时：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>replacing the old file: %1</source>
        <translation>替换旧文件时：%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>flushing its folder to disk: %1</source>
        <translation>将其所在文件夹刷新到磁盘时：%1</translation>
    </message>
</context>
<context>
    <name>SunAtClock</name>
    <message>
        <location filename="../ui/main/sun_texts.cpp" line="+11"/>
        <source>day</source>
        <extracomment>The sun is above the horizon at a clock&apos;s place.</extracomment>
        <translation>白天</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>civil twilight</source>
        <extracomment>The sun is up to 6 degrees below the horizon: still light outside.</extracomment>
        <translation>民用晨昏蒙影</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nautical twilight</source>
        <extracomment>The sun is 6 to 12 degrees below the horizon: dusk or dawn.</extracomment>
        <translation>航海晨昏蒙影</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>astronomical twilight</source>
        <extracomment>The sun is 12 to 18 degrees below the horizon: almost dark.</extracomment>
        <translation>天文晨昏蒙影</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>The sun is more than 18 degrees below the horizon at a clock&apos;s place.</extracomment>
        <translation>夜晚</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: sun up all day</source>
        <extracomment>A clock&apos;s tooltip in polar summer: %1 is the clock&apos;s place.</extracomment>
        <translation>%1：太阳全天不落</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: sun down all day</source>
        <extracomment>A clock&apos;s tooltip in polar winter: %1 is the clock&apos;s place.</extracomment>
        <translation>%1：太阳全天不升起</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: sunrise %2, sunset %3</source>
        <extracomment>A clock&apos;s tooltip: %1 the clock&apos;s place, %2 and %3 the times of that day&apos;s sunrise and sunset on the clock.</extracomment>
        <translation>%1：日出 %2，日落 %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: sunrise %2, no sunset today</source>
        <extracomment>A clock&apos;s tooltip on a day the sun rises and stays up: %1 the place, %2 the time.</extracomment>
        <translation>%1：日出 %2，今天无日落</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no sunrise today, sunset %2</source>
        <extracomment>A clock&apos;s tooltip on a day the sun sets and stays down: %1 the place, %2 the time.</extracomment>
        <translation>%1：今天无日出，日落 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no sunrise or sunset today</source>
        <extracomment>A clock&apos;s tooltip when neither sunrise nor sunset is known: %1 is the place.</extracomment>
        <translation>%1：今天既无日出也无日落</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeLines</name>
    <message>
        <location filename="../ui/main/change_lines.cpp" line="+17"/>
        <source>%1; %2</source>
        <extracomment>A text followed by more about it: a change&apos;s sentence and what it does to the difference from this computer, or a clock row and its next change.</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This computer: %1</source>
        <extracomment>The clock window&apos;s top line: this computer&apos;s own next change of offset, %1 its sentence (&quot;Clocks go back 1 h on Sun 26 Oct at 03:00 (in 3 days)&quot;).</extracomment>
        <translation>本计算机：%1</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeNotifier</name>
    <message>
        <location filename="../ui/program/change_notifier.cpp" line="+47"/>
        <source>%1: %2</source>
        <extracomment>A notification a day before clocks change: %1 the clocks&apos; labels (&quot;London, Dublin and Lisbon&quot;), %2 the change (&quot;Clocks go back 1 h on Sun 26 Oct at 02:00 (tomorrow)&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>horavia::ClockEditor</name>
    <message>
        <location filename="../ui/editor/clock_editor.cpp" line="+64"/>
        <source>&amp;Label</source>
        <extracomment>The clock&apos;s name, shown above its time.</extracomment>
        <translation>标签(&amp;L)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Active</source>
        <extracomment>The clock is shown.</extracomment>
        <translation>启用(&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Format</source>
        <extracomment>The clock&apos;s time format.</extracomment>
        <translation>格式(&amp;F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(leave empty to use default)</source>
        <translation>（留空则使用默认格式）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <translation>时区</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Working hours</source>
        <extracomment>The box of the clock&apos;s working hours, ticked when the clock has its own.</extracomment>
        <translation>工作时间(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Type a label and choose a zone</source>
        <translation>输入标签并选择时区</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Place: %1</source>
        <extracomment>Under the place search: the place the clock keeps (for its sunrise and sunset).</extracomment>
        <translation>地点：%1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>World map</source>
        <translation>世界地图</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>World map: %1</source>
        <extracomment>The world map as a screen reader names it: %1 is the zone it shows.</extracomment>
        <translation>世界地图：%1</translation>
    </message>
    <message>
        <location filename="../ui/editor/clock_editor.h" line="+29"/>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListModel</name>
    <message>
        <location filename="../ui/setup/clock_list_model.cpp" line="+47"/>
        <source>Active</source>
        <extracomment>The clock list&apos;s check box, read out by what it switches: the clock is on.</extracomment>
        <translation>启用</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Name</source>
        <extracomment>Column of the clock list: the clock&apos;s label.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <extracomment>Column of the clock list: the clock&apos;s time zone.</extracomment>
        <translation>时区</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListPage</name>
    <message>
        <location filename="../ui/setup/clock_list_page.cpp" line="+47"/>
        <source>Clocks</source>
        <translation>时钟</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>horavia::ClockWindow</name>
    <message>
        <location filename="../ui/main/clock_window.cpp" line="+273"/>
        <source>%1, %2, %3</source>
        <extracomment>A clock row while planning: %1 the clock&apos;s label, %2 its time, %3 whether people there are at work (&quot;Tokyo, 23:10, night&quot;).</extracomment>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <extracomment>A clock row as a screen reader reads it: %1 is the clock&apos;s label, %2 its time.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2</source>
        <comment>row and sun</comment>
        <extracomment>A clock row as a screen reader reads it, then the sun at the clock: %1 the row (&quot;Tokyo, 23:10&quot;), %2 the word for day, twilight or night there.</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>horavia::ConverterWindow</name>
    <message>
        <location filename="../ui/convert/converter_window.cpp" line="+59"/>
        <source>Show &amp;map</source>
        <extracomment>Shows the world map, with the night side, below the converted times.</extracomment>
        <translation>显示地图(&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horavia - Convert</source>
        <translation>Horavia - 时间转换</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;From</source>
        <extracomment>The zone a time is converted from.</extracomment>
        <translation>从(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;To</source>
        <extracomment>The zone a time is converted to.</extracomment>
        <translation>到(&amp;T)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>From timezone</source>
        <translation>源时区</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To timezone</source>
        <translation>目标时区</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time to convert</source>
        <translation>要转换的时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted time</source>
        <translation>转换后的时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert from</source>
        <translation>查找要转换的源地点</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert to</source>
        <translation>查找要转换的目标地点</translation>
    </message>
</context>
<context>
    <name>horavia::DefaultFormatPage</name>
    <message>
        <location filename="../ui/setup/default_format_page.cpp" line="+14"/>
        <source>Default format</source>
        <translation>默认格式</translation>
    </message>
    <message>
        <location filename="../ui/setup/default_format_page.h" line="+21"/>
        <source>Hours (0-23)</source>
        <translation>小时（0-23）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours with leading zeros (00-23)</source>
        <translation>带前导零的小时（00-23）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes (0-59)</source>
        <translation>分钟（0-59）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seconds (0-59)</source>
        <translation>秒（0-59）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM or PM, if used then hours will be 0-12</source>
        <translation>AM 或 PM，使用时小时为 0-12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the month (1-31)</source>
        <translation>月中的日（1-31）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the week (Mon-Sun)</source>
        <translation>星期几（周一至周日）</translation>
    </message>
</context>
<context>
    <name>horavia::MapStrip</name>
    <message>
        <location filename="../ui/convert/map_strip.cpp" line="+35"/>
        <source>World map</source>
        <translation>世界地图</translation>
    </message>
</context>
<context>
    <name>horavia::PlaceSearchBox</name>
    <message>
        <location filename="../ui/editor/place_search_box.cpp" line="+19"/>
        <source>Find a city, country or time zone</source>
        <translation>查找城市、国家或时区</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find a place</source>
        <translation>查找地点</translation>
    </message>
</context>
<context>
    <name>horavia::PlanTimeField</name>
    <message>
        <location filename="../ui/main/plan_time_field.cpp" line="+14"/>
        <source>Plan for … in %1</source>
        <extracomment>The title of the field in which a time is typed for one clock; %1 the clock&apos;s label.</extracomment>
        <translation>为 %1 计划时间…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Time in %1:</source>
        <extracomment>%1 a clock&apos;s label; the field below takes a time, or a date and time, on that clock.</extracomment>
        <translation>%1 的时间(&amp;T)：</translation>
    </message>
</context>
<context>
    <name>horavia::ServerTestDialog</name>
    <message>
        <location filename="../ui/setup/server_test_dialog.cpp" line="+16"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Testing time servers...</source>
        <translation>正在测试时间服务器……</translation>
    </message>
</context>
<context>
    <name>horavia::SettingsPage</name>
    <message numerus="yes">
        <location filename="../ui/setup/settings_page.cpp" line="+55"/>
        <source>%1 %n pts</source>
        <extracomment>The font sample: %1 is the font&apos;s name, %n its size in points.</extracomment>
        <translation>
            <numerusform>%1 %n 磅</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Show &amp;window</source>
        <translation>显示窗口(&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load on startup</source>
        <translation>开机时启动(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Always on top</source>
        <translation>总在最前(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single click on tray &amp;icon shows/hides window</source>
        <translation>单击托盘图标显示/隐藏窗口(&amp;I)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show each clock&apos;s &amp;offset from this computer&apos;s time</source>
        <translation>显示每个时钟与本机时间的偏差(&amp;O)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show day and ni&amp;ght at each clock</source>
        <extracomment>Marks each clock with day, twilight or night at its place.</extracomment>
        <translation>在每个时钟上显示白天和黑夜(&amp;G)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort timezones &amp;by</source>
        <translation>时区排序方式(&amp;B)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort timezones by</source>
        <translation>时区排序方式</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AM/&amp;PM</source>
        <extracomment>The 12-hour clock.</extracomment>
        <translation>12 小时制(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2&amp;4 h</source>
        <extracomment>The 24-hour clock.</extracomment>
        <translation>24 小时制(&amp;4)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose</source>
        <extracomment>Opens the font dialog.</extracomment>
        <translation>选择</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default wor&amp;king hours for clocks without their own</source>
        <extracomment>The box of working hours used for every clock that has none of its own.</extracomment>
        <translation>没有自己工作时间的时钟的默认工作时间(&amp;K)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Meeting length</source>
        <extracomment>How long a meeting the planner looks for is.</extracomment>
        <translation>会议时长(&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meeting length</source>
        <translation>会议时长</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n min</source>
        <extracomment>A meeting&apos;s length in minutes.</extracomment>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show clock changes ahead &amp;under the clocks in the window</source>
        <translation>在窗口中各时钟下方显示即将到来的时钟调整(&amp;U)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tell changes up to</source>
        <extracomment>Before a spin box of days: &quot;Tell changes up to [14 days] ahead&quot;.</extracomment>
        <translation>提前告知调整</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>never</source>
        <extracomment>The number of days ahead set to 0: no change is told.</extracomment>
        <translation>从不</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tell changes up to, days ahead</source>
        <translation>提前告知调整的天数</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> day ahead</source>
        <extracomment>After the spin box&apos;s 1: &quot;Tell changes up to 1 day ahead&quot;.</extracomment>
        <translation> 天内</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> days ahead</source>
        <extracomment>After the spin box&apos;s number: &quot;Tell changes up to 14 days ahead&quot;.</extracomment>
        <translation>
            <numerusform> 天内</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tell me the day before a clock&apos;s ne&amp;xt change</source>
        <translation>在时钟调整前一天通知我(&amp;G)</translation>
    </message>
    <message>
        <location filename="../ui/setup/settings_page.h" line="+31"/>
        <source>This desktop does not let programs keep windows on top.</source>
        <translation>此桌面不允许程序将窗口保持在最前。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name (Up)</source>
        <translation>名称（升序）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name (Down)</source>
        <translation>名称（降序）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Up)</source>
        <translation>GMT 偏移（升序）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Down)</source>
        <translation>GMT 偏移（降序）</translation>
    </message>
</context>
<context>
    <name>horavia::SetupDialog</name>
    <message>
        <location filename="../ui/setup/setup_dialog.cpp" line="+31"/>
        <source>Setup pages</source>
        <translation>设置页面</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Timezones</source>
        <translation>时区(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TimeS&amp;ync</source>
        <translation>时间同步(&amp;Y)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default &amp;Format</source>
        <translation>默认格式(&amp;F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/setup/setup_dialog.h" line="+25"/>
        <source>Horavia Timezones</source>
        <translation>Horavia 时区</translation>
    </message>
</context>
<context>
    <name>horavia::SwapPicture</name>
    <message>
        <location filename="../ui/convert/swap_picture.cpp" line="+19"/>
        <source>Swap</source>
        <extracomment>Exchanges the two zones.</extracomment>
        <translation>交换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap zones</source>
        <translation>交换时区</translation>
    </message>
</context>
<context>
    <name>horavia::TimeSyncPage</name>
    <message>
        <location filename="../ui/setup/time_sync_page.cpp" line="+38"/>
        <location line="+4"/>
        <source>Server</source>
        <extracomment>Group box title: the time server.</extracomment>
        <translation>服务器</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Test</source>
        <extracomment>Tests the time server once.</extracomment>
        <translation>测试</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <extracomment>Tests every listed time server and proposes the best.</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>When</source>
        <extracomment>Group box title: when the computer&apos;s clock is synchronised.</extracomment>
        <translation>同步时机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When sta&amp;rting Horavia</source>
        <translation>启动 Horavia 时(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;very</source>
        <translation>每隔(&amp;V)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sync interval</source>
        <translation>同步间隔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync interval unit</source>
        <translation>同步间隔单位</translation>
    </message>
    <message>
        <location filename="../ui/setup/time_sync_page.h" line="+27"/>
        <source>Seconds</source>
        <extracomment>A unit of the synchronisation interval, read as &quot;Every 30 Seconds&quot; with any number.</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>天</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weeks</source>
        <translation>周</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Synchronizes your computer&apos;s clock with an atomic clock.</source>
        <translation>将您的计算机时钟与原子钟同步。</translation>
    </message>
</context>
<context>
    <name>horavia::TrayPresenter</name>
    <message>
        <location filename="../ui/tray/tray_presenter.cpp" line="+59"/>
        <source>&amp;Setup</source>
        <extracomment>Tray menu: opens the setup dialog.</extracomment>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Convert</source>
        <extracomment>Tray menu: opens the time converter.</extracomment>
        <translation>时间转换(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a &amp;meeting time</source>
        <extracomment>Tray menu: shows the clock window at the next time that suits every clock&apos;s working hours.</extracomment>
        <translation>查找会议时间(&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sync Now!</source>
        <extracomment>Tray menu: sets the computer&apos;s clock from a time server now.</extracomment>
        <translation>立即同步！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/tray/tray_presenter.h" line="+26"/>
        <source>S&amp;how</source>
        <translation>显示(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide</source>
        <translation>隐藏(&amp;H)</translation>
    </message>
</context>
<context>
    <name>horavia::WorkingHoursBox</name>
    <message>
        <location filename="../ui/editor/working_hours_box.cpp" line="+51"/>
        <source>from</source>
        <extracomment>Working hours: the time the working day starts.</extracomment>
        <translation>从</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to</source>
        <extracomment>Working hours: the time the working day ends.</extracomment>
        <translation>到</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Working hours start</source>
        <translation>工作开始时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working hours end</source>
        <translation>工作结束时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(next day)</source>
        <extracomment>After the end of working hours that lies at or before their start.</extracomment>
        <translation>(次日)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Working hours must end at another time than they start.</source>
        <translation>工作时间的结束时间必须与开始时间不同。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose at least one working day.</source>
        <translation>请至少选择一个工作日。</translation>
    </message>
</context>
<context>
    <name>horavia::WorldMapView</name>
    <message>
        <location filename="../ui/editor/world_map_view.cpp" line="+45"/>
        <source>World map</source>
        <translation>世界地图</translation>
    </message>
</context>
</TS>
