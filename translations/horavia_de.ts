<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChangeTexts</name>
    <message numerus="yes">
        <location filename="../ui/main/change_texts.cpp" line="+40"/>
        <source>(in %n days)</source>
        <extracomment>How many of the zone&apos;s calendar days until its clocks change.</extracomment>
        <translation>
            <numerusform>(in %n Tag)</numerusform>
            <numerusform>(in %n Tagen)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(tomorrow)</source>
        <extracomment>The zone&apos;s clocks change on its next calendar day.</extracomment>
        <translation>(morgen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(in %1)</source>
        <extracomment>%1 how long until the zone&apos;s clocks change later today (&quot;5 h 15 min&quot;, &quot;40 min&quot;).</extracomment>
        <translation>(in %1)</translation>
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
        <translation>Die Uhren werden am %2 um %3 um %1 vorgestellt %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clocks go back %1 on %2 at %3 %4</source>
        <extracomment>%1 an amount (&quot;1 h&quot;, &quot;30 min&quot;), %2 a short date (&quot;Sun 26 Oct&quot;), %3 a time (&quot;03:00&quot;) on the zone&apos;s clock before the change, %4 how far away it is (&quot;(in 3 days)&quot;, &quot;(tomorrow)&quot;, &quot;(in 5 h)&quot;). The zone&apos;s offset goes down.</extracomment>
        <translation>Die Uhren werden am %2 um %3 um %1 zurückgestellt %4</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>then the same time as you instead of %1 ahead</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>dann dieselbe Zeit wie bei Ihnen statt %1 voraus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then the same time as you instead of %1 behind</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>dann dieselbe Zeit wie bei Ihnen statt %1 zurück</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>then %1 ahead of you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be ahead of the computer&apos;s, whose time it shows now.</extracomment>
        <translation>dann %1 vor Ihnen statt derselben Zeit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then %1 behind you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be behind the computer&apos;s, whose time it shows now.</extracomment>
        <translation>dann %1 hinter Ihnen statt derselben Zeit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 ahead.</extracomment>
        <translation>dann %1 vor Ihnen statt %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 behind you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 behind.</extracomment>
        <translation>dann %1 hinter Ihnen statt %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2 behind</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 behind it.</extracomment>
        <translation>dann %1 vor Ihnen statt %2 hinter Ihnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>then %1 behind you instead of %2 ahead</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 ahead of it.</extracomment>
        <translation>dann %1 hinter Ihnen statt %2 vor Ihnen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+19"/>
        <source>--test-server needs a host name</source>
        <extracomment>A usage error: the option was given without the host to ask.</extracomment>
        <translation>--test-server benötigt einen Hostnamen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--find needs a text</source>
        <extracomment>A usage error: the option was given without the text to find.</extracomment>
        <translation>--find benötigt einen Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown option: %1</source>
        <extracomment>A usage error; %1 is what was typed.</extracomment>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--at needs a time</source>
        <extracomment>A usage error: the option was given without the time to show.</extracomment>
        <translation>--at braucht eine Zeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--at goes with --print or --tip</source>
        <extracomment>A usage error: --at was given without --print or --tip.</extracomment>
        <translation>--at geht nur mit --print oder --tip</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>choose one of --print, --tip, --meet, --changes, --test-server and --find</source>
        <extracomment>A usage error: more than one of these options was given.</extracomment>
        <translation>nur eine der Optionen --print, --tip, --meet, --changes, --test-server und --find angeben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--within goes with --meet or --changes</source>
        <extracomment>A usage error: --within was given without --meet or --changes.</extracomment>
        <translation>--within geht nur mit --meet oder --changes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--length goes with --meet</source>
        <extracomment>A usage error: --length was given without --meet.</extracomment>
        <translation>--length geht nur mit --meet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs a whole number from %2 to %3</source>
        <extracomment>A usage error; %1 is the option, %2 and %3 the least and the most it takes.</extracomment>
        <translation>%1 braucht eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usage: horavia [option]
A world clock: a small window with your clocks, an icon in the notification area.

</source>
        <extracomment>The start of --help: how the program is called and what it is.</extracomment>
        <translation>Aufruf: horavia [Option]
Eine Weltuhr: ein kleines Fenster mit Ihren Uhren, ein Symbol im Infobereich.

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without an option the program starts (or brings the running one forward).

</source>
        <translation>Ohne Option startet das Programm (oder holt das laufende in den Vordergrund).

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options:
</source>
        <translation>Optionen:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --print              print each enabled clock: label, a tab, its time; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --print              jede aktive Uhr ausgeben: Bezeichnung, ein Tabulator, ihre
                       Uhrzeit; dann beenden
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --tip                print the notification-area tip line; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --tip                die Tooltip-Zeile des Infobereichs ausgeben; dann beenden
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
        <translation>  --at TIME            mit --print oder --tip: die Uhren zur Zeit TIME statt jetzt
                       zeigen: ISO 8601 mit Z oder Versatz (2026-10-14T13:00Z), oder
                       Datum und Uhrzeit oder nur Uhrzeit in der Zone dieses Computers,
                       oder gefolgt von Ort oder tz-ID (&quot;15:00 Tokyo&quot;, &quot;3 pm America/Lima&quot;)
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
        <translation>  --meet               den nächsten Termin ausgeben, der jeder eingeschalteten Uhr mit
                       Arbeitszeiten passt: die Uhren dann, wie --print, und den Beginn
                       in UTC (ISO 8601); passt keiner allen, den gerechtesten und auf der
                       Standardfehlerausgabe, wer außerhalb der Arbeitszeit ist
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
        <translation>  --changes            ausgeben, wann sich der UTC-Abstand der aktiven Uhren als
                       Nächstes ändert, früheste zuerst: Bezeichnung, ein Tabulator,
                       der Zeitpunkt in UTC (ISO 8601), ein Tabulator, der alte Abstand,
                       ein Tabulator, der neue, ein Tabulator, der Satz des Fensters;
                       dann beenden (Status 1, wenn keine Änderung kommt)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --within DAYS        with --meet or --changes: look DAYS ahead (1 to 366; 14 by
                       default, for --changes as set up in the program)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --within DAYS        mit --meet oder --changes: DAYS Tage vorausschauen (1 bis
                       366; sonst 14, für --changes wie im Programm eingestellt)
</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>--changes exits with 0 when a change comes within the days, 1 when none does.
</source>
        <extracomment>The end of --help, after the exit statuses. Options are typed as they are.</extracomment>
        <translation>--changes endet mit 0, wenn innerhalb der Tage eine Änderung kommt, sonst mit 1.
</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>  --length MINUTES     with --meet: the meeting&apos;s length (15 to 1440; by default as
                       set up in the program, 30 minutes)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --length MINUTES     mit --meet: Dauer des Termins (15 bis 1440; sonst wie im
                       Programm eingestellt, 30 Minuten)
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
        <translation>  --test-server HOST   HOST nach der Zeit fragen (Time Protocol, TCP-Port 37; für
                       NTP, UDP-Port 123, ntp:HOST schreiben); dann beenden
                       nts:HOST[:PORT] fragt über NTP, gesichert durch NTS; der
                       Schlüsselaustausch läuft über TCP-Port PORT (Standard: 4460)
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  --find TEXT          print the places and zones that TEXT names (a city, country,
                       tz id or zone name), best first: place, a tab, tz id, a tab,
                       zone; then exit (status 1 when nothing matches)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --find TEXT          die Orte und Zonen ausgeben, die TEXT bezeichnet (Stadt, Land,
                       tz-ID oder Zonenname), beste zuerst: Ort, ein Tabulator, tz-ID,
                       ein Tabulator, Zone; dann beenden (Status 1, wenn nichts passt)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  -h, --help           show this help
</source>
        <translation>  -h, --help           diese Hilfe anzeigen
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -v, --version        show the version
</source>
        <translation>  -v, --version        die Version anzeigen
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
Exit-Status: 0 erledigt; 1 ein Fehler (keine Zonendatenbank, keine Antwort vom Server,
nichts gefunden, Einstellungen nicht lesbar oder speicherbar, keine Uhr mit Arbeitszeiten
für --meet); 2 ein Aufruffehler oder eine Zeit, die nicht lesbar ist oder nicht existiert.
</translation>
    </message>
    <message>
        <location filename="../app/at_time.cpp" line="+73"/>
        <source>--at: &quot;%1&quot; is not a time</source>
        <extracomment>A usage error: the time given to --at does not read as a time; %1 is what was typed.</extracomment>
        <translation>--at: „%1“ ist keine Zeit</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>--at: no place or time zone is named in &quot;%1&quot;</source>
        <extracomment>A usage error: --at TIME held a time followed by something that names no place; %1 is what was typed.</extracomment>
        <translation>--at: „%1“ nennt keinen Ort und keine Zeitzone</translation>
    </message>
</context>
<context>
    <name>HeadlessRun</name>
    <message numerus="yes">
        <location filename="../app/headless_run.cpp" line="+48"/>
        <source>more than %n clocks are stored; only the first %n are read</source>
        <extracomment>Written to standard error; %n is the most clocks the program keeps.</extracomment>
        <translation>
            <numerusform>mehr als %n Uhr gespeichert; nur %n Uhr wird gelesen</numerusform>
            <numerusform>mehr als %n Uhren gespeichert; nur die ersten %n werden gelesen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetCommand</name>
    <message>
        <location filename="../app/meet_command.cpp" line="+25"/>
        <source>no enabled clock has working hours</source>
        <extracomment>Written to standard error by --meet.</extracomment>
        <translation>keine eingeschaltete Uhr hat Arbeitszeiten</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../ui/main/message_text.cpp" line="+19"/>
        <source>No timezone information found !</source>
        <translation>Keine Zeitzoneninformationen gefunden!</translation>
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
        <translation>Die Einstellungsdatei konnte nicht gelesen werden:
%1
(%2).

Horavia arbeitet vorerst mit den Standardeinstellungen und lässt diese Datei unverändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The settings could not be saved to
%1
(%2).

Horavia keeps working with your settings and tries again at the next save.</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason (not translated).</extracomment>
        <translation>Die Einstellungsdatei konnte nicht gespeichert werden:
%1
(%2).

Horavia arbeitet mit Ihren Einstellungen weiter und versucht es beim nächsten Speichern erneut.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot read the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>Einstellungsdatei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot save the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>Einstellungsdatei &quot;%1&quot; kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>running as root: symbolic links to the settings are followed only when root owns them</source>
        <extracomment>One line on standard error when the program starts as the superuser (root), perhaps with another user&apos;s configuration folder.</extracomment>
        <translation>läuft als root: symbolischen Verknüpfungen zu den Einstellungen wird nur gefolgt, wenn sie root gehören</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>More than %n clocks are stored. Only the first %n are shown, and changes to the clock list are not saved, so that none of the others is lost.</source>
        <translation>
            <numerusform>Es sind mehr als %n Uhr gespeichert. Nur %n Uhr wird angezeigt, und Änderungen an der Uhrenliste werden nicht gespeichert, damit keine der übrigen verloren geht.</numerusform>
            <numerusform>Es sind mehr als %n Uhren gespeichert. Nur die ersten %n werden angezeigt, und Änderungen an der Uhrenliste werden nicht gespeichert, damit keine der übrigen verloren geht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Local time is %n hour(s) off.
Check wether your local timezone is set up correctly!</source>
        <extracomment>The computer&apos;s clock is about %n whole hours away from a time server&apos;s.</extracomment>
        <translation>
            <numerusform>Die Ortszeit weicht um %n Stunde ab.
Prüfen Sie, ob Ihre lokale Zeitzone richtig eingestellt ist!</numerusform>
            <numerusform>Die Ortszeit weicht um %n Stunden ab.
Prüfen Sie, ob Ihre lokale Zeitzone richtig eingestellt ist!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The difference between local and atomic time
is %n minutes. Should the local
time be updated ?</source>
        <extracomment>Asked before the computer&apos;s clock is set from a time server; keep the short lines.</extracomment>
        <translation>
            <numerusform>Der Unterschied zwischen Ortszeit und
Atomzeit beträgt %n Minute. Soll die
Ortszeit angepasst werden?</numerusform>
            <numerusform>Der Unterschied zwischen Ortszeit und
Atomzeit beträgt %n Minuten. Soll die
Ortszeit angepasst werden?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed setting new date/time. In Windows NT/XP, you need Administrator privileges for this!</source>
        <translation>Datum und Uhrzeit konnten nicht gesetzt werden. Unter Windows NT/XP benötigen Sie dafür Administratorrechte!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system keeps it synchronised itself (automatic time synchronisation is on).</source>
        <translation>Die Uhr des Computers wurde nicht gestellt: Das System hält sie selbst synchron (die automatische Zeitsynchronisation ist eingeschaltet).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed setting new date/time: you are not allowed to change the system clock.</source>
        <translation>Datum und Uhrzeit konnten nicht gesetzt werden: Sie haben keine Berechtigung, die Systemuhr zu ändern.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system&apos;s date-time service did not answer.</source>
        <translation>Die Uhr des Computers wurde nicht gestellt: Der Datums- und Zeitdienst des Systems hat nicht geantwortet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the time server&apos;s second answer did not agree with the difference you confirmed.</source>
        <translation>Die Uhr des Computers wurde nicht gestellt: Die zweite Antwort des Zeitservers stimmte nicht mit der von Ihnen bestätigten Abweichung überein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server did not answer.</source>
        <translation>Der Zeitserver hat nicht geantwortet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer&apos;s clock was not changed.</source>
        <translation>Die Uhr des Computers wurde nicht geändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Von Ihnen bestätigte Abweichung: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Von Ihnen bestätigte Abweichung: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Abweichung in der zweiten Antwort: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Abweichung in der zweiten Antwort: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difference with local time: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Abweichung von der Ortszeit: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference with local time: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Abweichung von der Ortszeit: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server refuses to answer this computer; it will not be asked again while Horavia runs.</source>
        <translation>Der Zeitserver verweigert diesem Computer die Antwort; er wird nicht erneut gefragt, solange Horavia läuft.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server is not synchronised; its time was not used.</source>
        <translation>Der Zeitserver ist nicht synchronisiert; seine Zeit wurde nicht verwendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server sent an incomplete answer.</source>
        <translation>Der Zeitserver hat eine unvollständige Antwort gesendet.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>The time server asks to be queried less often; it will not be asked again for %n minute(s).</source>
        <translation>
            <numerusform>Der Zeitserver bittet darum, seltener abgefragt zu werden; er wird %n Minute lang nicht erneut gefragt.</numerusform>
            <numerusform>Der Zeitserver bittet darum, seltener abgefragt zu werden; er wird %n Minuten lang nicht erneut gefragt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection failed!</source>
        <translation>Verbindung fehlgeschlagen!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: %1</source>
        <extracomment>NTS: Network Time Security. %1 the technical reason, in English.</extracomment>
        <translation>NTS-Schlüsselaustausch fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: no answer within %1 s</source>
        <extracomment>NTS: Network Time Security. %1 seconds (&quot;s&quot; is the unit).</extracomment>
        <translation>NTS-Schlüsselaustausch fehlgeschlagen: keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time queries could not be loaded: %1</source>
        <extracomment>The program&apos;s own part that asks time servers could not be loaded. %1 the reason, in English.</extracomment>
        <translation>Die Zeitabfragen konnten nicht geladen werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name: %1</source>
        <extracomment>%1 a time server&apos;s name.</extracomment>
        <translation>Name: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Respons time: %1 ms</source>
        <extracomment>%1 milliseconds the time server took to answer.</extracomment>
        <translation>Antwortzeit: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Authenticated: yes (NTS)</source>
        <extracomment>The time server&apos;s answer was authenticated by Network Time Security.</extracomment>
        <translation>Authentifiziert: ja (NTS)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authenticated: no</source>
        <translation>Authentifiziert: nein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset: %1 ms</source>
        <extracomment>%1 milliseconds the server is ahead of the computer, one decimal.</extracomment>
        <translation>Versatz: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Round-trip delay: %1 ms</source>
        <extracomment>%1 milliseconds, one decimal.</extracomment>
        <translation>Umlaufzeit: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to use this server :</source>
        <extracomment>Followed by the server&apos;s name, response time and difference.</extracomment>
        <translation>Möchten Sie diesen Server verwenden:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No active servers found...
Check your internet connection!</source>
        <translation>Keine aktiven Server gefunden...
Prüfen Sie Ihre Internetverbindung!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to delete this timezone permanently ?</source>
        <extracomment>A clock of the list, shown with its zone.</extracomment>
        <translation>Möchten Sie diese Zeitzone wirklich endgültig löschen?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Timezone &apos;%1&apos; can not be used to convert from.</source>
        <extracomment>%1 the zone&apos;s name as the list shows it.</extracomment>
        <translation>Die Zeitzone „%1“ kann nicht als Ausgangszone für die Umrechnung verwendet werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help page could not be written into the folder
%1</source>
        <extracomment>%1 a folder.</extracomment>
        <translation>Die Hilfeseite konnte nicht in diesen Ordner geschrieben werden:
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No web browser could be started to show the help.
The help is in this file:
%1</source>
        <extracomment>%1 the help file.</extracomment>
        <translation>Es konnte kein Webbrowser gestartet werden, um die Hilfe anzuzeigen.
Die Hilfe befindet sich in dieser Datei:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not exist on %2 in %3: clocks went from %4 to %5</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set forward.</extracomment>
        <translation>%1 gibt es am %2 in %3 nicht: die Uhren sprangen von %4 auf %5</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 happens twice on %2 in %3 (clocks went back from %4 to %5): the first is shown</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set back.</extracomment>
        <translation>%1 kommt am %2 in %3 zweimal vor (die Uhren wurden von %4 auf %5 zurückgestellt): das erste Mal wird gezeigt</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message numerus="yes">
        <location filename="../ui/main/plan_texts.cpp" line="+20"/>
        <source>%n d</source>
        <extracomment>Days, abbreviated as in &quot;2 d 3 h&quot;.</extracomment>
        <translation>
            <numerusform>%n T</numerusform>
            <numerusform>%n T</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n h</source>
        <extracomment>Hours, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n Std.</numerusform>
            <numerusform>%n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n min</source>
        <extracomment>Minutes, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>now</source>
        <extracomment>The planned instant is less than a minute away from the present.</extracomment>
        <translation>jetzt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 from now</source>
        <extracomment>%1 a duration such as &quot;5 h 15 min&quot;.</extracomment>
        <translation>in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 ago</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ddd d MMM</source>
        <extracomment>The planned date as Qt&apos;s QDate::toString writes it: short weekday, day, short month (&quot;Tue 14 Oct&quot;). Reorder the fields as your language writes a short date.</extracomment>
        <translation>ddd d. MMM</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2 — Home: back to now</source>
        <extracomment>The planning line: %1 the planned date, %2 how far it is from now (&quot;5 h 15 min from now&quot;).</extracomment>
        <translation>%1, %2 — Pos1: zurück zu jetzt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Planning:</source>
        <extracomment>The label of the line that shows the planned instant below the clocks.</extracomment>
        <translation>Planung:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>at work</source>
        <extracomment>A clock&apos;s people are within their working hours.</extracomment>
        <translation>bei der Arbeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>off work</source>
        <extracomment>A clock&apos;s people are outside their working hours, but it is not night there.</extracomment>
        <translation>Feierabend</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>It is night (23:00 to 07:00) at the clock and people are not at work.</extracomment>
        <translation>Nacht</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2, %3 before working hours</source>
        <translation>%1: %2, %3 vor der Arbeitszeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2, %3 after working hours</source>
        <extracomment>%1 a clock&apos;s label, %2 its time then, %3 a duration (&quot;1 h 30 min&quot;): the meeting would end that long after the clock&apos;s working hours.</extracomment>
        <translation>%1: %2, %3 nach der Arbeitszeit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Everyone is at work</source>
        <extracomment>A meeting time was found within every clock&apos;s working hours.</extracomment>
        <translation>Alle sind bei der Arbeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No clock has working hours: set them in a clock&apos;s editor, or turn on default working hours in Setup.</source>
        <translation>Keine Uhr hat Arbeitszeiten: Legen Sie sie im Editor einer Uhr fest oder schalten Sie in den Einstellungen Standard-Arbeitszeiten ein.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Type a time, such as 15:00 or 3 pm, or a date and time.</source>
        <translation>Geben Sie eine Uhrzeit ein, etwa 15:00 oder 3 pm, oder ein Datum mit Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../platform/linux/posix_file_system.cpp" line="+94"/>
        <source>it is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>es ist eine symbolische Verknüpfung, die einem anderen Benutzer gehört (UID %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its folder is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>ihr Ordner ist eine symbolische Verknüpfung, die einem anderen Benutzer gehört (UID %1)</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>the file is larger than 64 MiB</source>
        <translation>die Datei ist größer als 64 MiB</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 is not a folder</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>another program keeps the folder locked</source>
        <translation>ein anderes Programm hält den Ordner gesperrt</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>no free name for a temporary file</source>
        <translation>kein freier Name für eine temporäre Datei</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <location filename="../ui/main/reason_text.cpp" line="+15"/>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is truncated</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a shared library</source>
        <translation>es ist keine gemeinsam genutzte Bibliothek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is built for another kind of computer</source>
        <translation>es ist für eine andere Art von Computer erstellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its path is not absolute</source>
        <translation>sein Pfad ist nicht absolut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the system could not load it</source>
        <translation>das System konnte es nicht laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a loadable part for this program (interface %1, needs %2)</source>
        <extracomment>%1 the interface the file offers, %2 the one the program needs (technical names).</extracomment>
        <translation>es ist kein ladbarer Teil für dieses Programm (Schnittstelle %1, benötigt %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 the time server&apos;s name.</extracomment>
        <translation>keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library failed: %1</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>die TLS-Bibliothek ist gescheitert: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library could not export the keys (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>die TLS-Bibliothek konnte die Schlüssel nicht exportieren (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the secure connection failed (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>die sichere Verbindung ist gescheitert (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server&apos;s certificate was refused (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>das Zertifikat des Servers wurde abgelehnt (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server closed the connection before the key exchange was over</source>
        <translation>der Server hat die Verbindung vor dem Ende des Schlüsselaustauschs geschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server does not offer NTS key establishment</source>
        <translation>der Server bietet keinen NTS-Schlüsselaustausch an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server did not recognise a critical record</source>
        <translation>der Server hat einen kritischen Datensatz nicht erkannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server called the request bad</source>
        <translation>der Server hat die Anfrage als fehlerhaft bezeichnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server had an internal error</source>
        <translation>der Server hatte einen internen Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server reported error %1</source>
        <extracomment>%1 the error&apos;s number.</extracomment>
        <translation>der Server hat Fehler %1 gemeldet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server reported an error</source>
        <translation>der Server hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent a warning</source>
        <translation>der Server hat eine Warnung gesendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 key-exchange records</source>
        <extracomment>%1 the most records the program reads.</extracomment>
        <translation>der Server hat mehr als %1 Schlüsselaustausch-Datensätze gesendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 KiB of key-exchange records</source>
        <extracomment>%1 the most kibibytes the program reads.</extracomment>
        <translation>der Server hat mehr als %1 KiB Schlüsselaustausch-Datensätze gesendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no time protocol</source>
        <translation>der Server bietet kein Zeitprotokoll an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no cipher</source>
        <translation>der Server bietet kein Verschlüsselungsverfahren an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent no cookies</source>
        <translation>der Server hat keine Cookies gesendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer NTPv4</source>
        <translation>der Server bietet kein NTPv4 an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer AES-SIV-CMAC-256</source>
        <translation>der Server bietet kein AES-SIV-CMAC-256 an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent a cookie larger than %1 bytes</source>
        <extracomment>%1 the largest cookie the program takes, in bytes.</extracomment>
        <translation>der Server hat ein Cookie größer als %1 Byte gesendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named no NTP server</source>
        <translation>der Server hat keinen NTP-Server genannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP server</source>
        <translation>der Server hat einen unlesbaren NTP-Server genannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP port</source>
        <translation>der Server hat einen unlesbaren NTP-Port genannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent an unknown critical record</source>
        <translation>der Server hat einen unbekannten kritischen Datensatz gesendet</translation>
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
            <numerusform>−%n Std.</numerusform>
            <numerusform>−%n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>+%n h</source>
        <extracomment>A clock&apos;s zone is %n whole hours ahead of the computer&apos;s (&quot;+9 h&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>+%n Std.</numerusform>
            <numerusform>+%n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 %n</source>
        <extracomment>The hours of the marker followed by the minutes beyond them: %1 is the signed hours (&quot;−3 h&quot;), %n the minutes (English &quot;−3 h 30&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>%1 %n Min.</numerusform>
            <numerusform>%1 %n Min.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 tomorrow</source>
        <extracomment>The marker when the clock&apos;s date is already the computer&apos;s tomorrow: %1 is the difference (&quot;+9 h tomorrow&quot;).</extracomment>
        <translation>%1 morgen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 yesterday</source>
        <extracomment>The marker when the clock&apos;s date is still the computer&apos;s yesterday: %1 is the difference (&quot;−3 h yesterday&quot;).</extracomment>
        <translation>%1 gestern</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../platform/settings_file.cpp" line="+136"/>
        <source>creating its folder: %1</source>
        <translation>beim Anlegen ihres Ordners: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>locking its folder: %1</source>
        <translation>beim Sperren ihres Ordners: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>reading it again before saving: %1</source>
        <translation>beim erneuten Lesen vor dem Speichern: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>creating a temporary file: %1</source>
        <translation>beim Anlegen einer temporären Datei: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>writing: %1</source>
        <translation>beim Schreiben: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>flushing it to disk: %1</source>
        <translation>beim Übertragen auf den Datenträger: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>closing it: %1</source>
        <translation>beim Schließen: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>replacing the old file: %1</source>
        <translation>beim Ersetzen der alten Datei: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>flushing its folder to disk: %1</source>
        <translation>beim Übertragen ihres Ordners auf den Datenträger: %1</translation>
    </message>
</context>
<context>
    <name>SunAtClock</name>
    <message>
        <location filename="../ui/main/sun_texts.cpp" line="+11"/>
        <source>day</source>
        <extracomment>The sun is above the horizon at a clock&apos;s place.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>civil twilight</source>
        <extracomment>The sun is up to 6 degrees below the horizon: still light outside.</extracomment>
        <translation>bürgerliche Dämmerung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nautical twilight</source>
        <extracomment>The sun is 6 to 12 degrees below the horizon: dusk or dawn.</extracomment>
        <translation>nautische Dämmerung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>astronomical twilight</source>
        <extracomment>The sun is 12 to 18 degrees below the horizon: almost dark.</extracomment>
        <translation>astronomische Dämmerung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>The sun is more than 18 degrees below the horizon at a clock&apos;s place.</extracomment>
        <translation>Nacht</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: sun up all day</source>
        <extracomment>A clock&apos;s tooltip in polar summer: %1 is the clock&apos;s place.</extracomment>
        <translation>%1: Sonne den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: sun down all day</source>
        <extracomment>A clock&apos;s tooltip in polar winter: %1 is the clock&apos;s place.</extracomment>
        <translation>%1: Sonne den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: sunrise %2, sunset %3</source>
        <extracomment>A clock&apos;s tooltip: %1 the clock&apos;s place, %2 and %3 the times of that day&apos;s sunrise and sunset on the clock.</extracomment>
        <translation>%1: Sonnenaufgang %2, Sonnenuntergang %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: sunrise %2, no sunset today</source>
        <extracomment>A clock&apos;s tooltip on a day the sun rises and stays up: %1 the place, %2 the time.</extracomment>
        <translation>%1: Sonnenaufgang %2, heute kein Sonnenuntergang</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no sunrise today, sunset %2</source>
        <extracomment>A clock&apos;s tooltip on a day the sun sets and stays down: %1 the place, %2 the time.</extracomment>
        <translation>%1: heute kein Sonnenaufgang, Sonnenuntergang %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no sunrise or sunset today</source>
        <extracomment>A clock&apos;s tooltip when neither sunrise nor sunset is known: %1 is the place.</extracomment>
        <translation>%1: heute weder Sonnenaufgang noch Sonnenuntergang</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeLines</name>
    <message>
        <location filename="../ui/main/change_lines.cpp" line="+17"/>
        <source>%1; %2</source>
        <extracomment>A text followed by more about it: a change&apos;s sentence and what it does to the difference from this computer, or a clock row and its next change.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This computer: %1</source>
        <extracomment>The clock window&apos;s top line: this computer&apos;s own next change of offset, %1 its sentence (&quot;Clocks go back 1 h on Sun 26 Oct at 03:00 (in 3 days)&quot;).</extracomment>
        <translation>Dieser Computer: %1</translation>
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
        <translation>&amp;Bezeichnung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Active</source>
        <extracomment>The clock is shown.</extracomment>
        <translation>A&amp;ktiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Format</source>
        <extracomment>The clock&apos;s time format.</extracomment>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(leave empty to use default)</source>
        <translation>(leer lassen für Standardformat)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Working hours</source>
        <extracomment>The box of the clock&apos;s working hours, ticked when the clock has its own.</extracomment>
        <translation>Arbeits&amp;zeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Type a label and choose a zone</source>
        <translation>Bezeichnung eingeben und Zone wählen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Place: %1</source>
        <extracomment>Under the place search: the place the clock keeps (for its sunrise and sunset).</extracomment>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>World map: %1</source>
        <extracomment>The world map as a screen reader names it: %1 is the zone it shows.</extracomment>
        <translation>Weltkarte: %1</translation>
    </message>
    <message>
        <location filename="../ui/editor/clock_editor.h" line="+29"/>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListModel</name>
    <message>
        <location filename="../ui/setup/clock_list_model.cpp" line="+47"/>
        <source>Active</source>
        <extracomment>The clock list&apos;s check box, read out by what it switches: the clock is on.</extracomment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Name</source>
        <extracomment>Column of the clock list: the clock&apos;s label.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <extracomment>Column of the clock list: the clock&apos;s time zone.</extracomment>
        <translation>Zeitzone</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListPage</name>
    <message>
        <location filename="../ui/setup/clock_list_page.cpp" line="+47"/>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>horavia::ClockWindow</name>
    <message>
        <location filename="../ui/main/clock_window.cpp" line="+273"/>
        <source>%1, %2, %3</source>
        <extracomment>A clock row while planning: %1 the clock&apos;s label, %2 its time, %3 whether people there are at work (&quot;Tokyo, 23:10, night&quot;).</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <extracomment>A clock row as a screen reader reads it: %1 is the clock&apos;s label, %2 its time.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2</source>
        <comment>row and sun</comment>
        <extracomment>A clock row as a screen reader reads it, then the sun at the clock: %1 the row (&quot;Tokyo, 23:10&quot;), %2 the word for day, twilight or night there.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>horavia::ConverterWindow</name>
    <message>
        <location filename="../ui/convert/converter_window.cpp" line="+59"/>
        <source>Show &amp;map</source>
        <extracomment>Shows the world map, with the night side, below the converted times.</extracomment>
        <translation>&amp;Karte zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horavia - Convert</source>
        <translation>Horavia - Umrechnen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;From</source>
        <extracomment>The zone a time is converted from.</extracomment>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;To</source>
        <extracomment>The zone a time is converted to.</extracomment>
        <translation>&amp;Nach</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>From timezone</source>
        <translation>Ausgangszeitzone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To timezone</source>
        <translation>Zielzeitzone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time to convert</source>
        <translation>Umzurechnende Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted time</source>
        <translation>Umgerechnete Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert from</source>
        <translation>Ausgangsort suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert to</source>
        <translation>Zielort suchen</translation>
    </message>
</context>
<context>
    <name>horavia::DefaultFormatPage</name>
    <message>
        <location filename="../ui/setup/default_format_page.cpp" line="+14"/>
        <source>Default format</source>
        <translation>Standardformat</translation>
    </message>
    <message>
        <location filename="../ui/setup/default_format_page.h" line="+21"/>
        <source>Hours (0-23)</source>
        <translation>Stunden (0-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours with leading zeros (00-23)</source>
        <translation>Stunden mit führender Null (00-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes (0-59)</source>
        <translation>Minuten (0-59)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seconds (0-59)</source>
        <translation>Sekunden (0-59)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM or PM, if used then hours will be 0-12</source>
        <translation>AM oder PM; falls verwendet, laufen die Stunden von 0-12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the month (1-31)</source>
        <translation>Tag des Monats (1-31)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the week (Mon-Sun)</source>
        <translation>Wochentag (Mo-So)</translation>
    </message>
</context>
<context>
    <name>horavia::MapStrip</name>
    <message>
        <location filename="../ui/convert/map_strip.cpp" line="+35"/>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
</context>
<context>
    <name>horavia::PlaceSearchBox</name>
    <message>
        <location filename="../ui/editor/place_search_box.cpp" line="+19"/>
        <source>Find a city, country or time zone</source>
        <translation>Stadt, Land oder Zeitzone suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find a place</source>
        <translation>Ort suchen</translation>
    </message>
</context>
<context>
    <name>horavia::PlanTimeField</name>
    <message>
        <location filename="../ui/main/plan_time_field.cpp" line="+14"/>
        <source>Plan for … in %1</source>
        <extracomment>The title of the field in which a time is typed for one clock; %1 the clock&apos;s label.</extracomment>
        <translation>Planen für … in %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Time in %1:</source>
        <extracomment>%1 a clock&apos;s label; the field below takes a time, or a date and time, on that clock.</extracomment>
        <translation>&amp;Zeit in %1:</translation>
    </message>
</context>
<context>
    <name>horavia::ServerTestDialog</name>
    <message>
        <location filename="../ui/setup/server_test_dialog.cpp" line="+16"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Testing time servers...</source>
        <translation>Zeitserver werden getestet...</translation>
    </message>
</context>
<context>
    <name>horavia::SettingsPage</name>
    <message numerus="yes">
        <location filename="../ui/setup/settings_page.cpp" line="+55"/>
        <source>%1 %n pts</source>
        <extracomment>The font sample: %1 is the font&apos;s name, %n its size in points.</extracomment>
        <translation>
            <numerusform>%1 %n pt</numerusform>
            <numerusform>%1 %n pt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Show &amp;window</source>
        <translation>&amp;Fenster anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load on startup</source>
        <translation>Beim Systemstart &amp;laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Always on top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single click on tray &amp;icon shows/hides window</source>
        <translation>Einfachklick auf das &amp;Symbol im Infobereich zeigt/verbirgt das Fenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show each clock&apos;s &amp;offset from this computer&apos;s time</source>
        <translation>&amp;Abweichung jeder Uhr von der Zeit dieses Computers anzeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show day and ni&amp;ght at each clock</source>
        <extracomment>Marks each clock with day, twilight or night at its place.</extracomment>
        <translation>Ta&amp;g und Nacht bei jeder Uhr anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort timezones &amp;by</source>
        <translation>Zeitzonen sortieren &amp;nach</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort timezones by</source>
        <translation>Zeitzonen sortieren nach</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AM/&amp;PM</source>
        <extracomment>The 12-hour clock.</extracomment>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2&amp;4 h</source>
        <extracomment>The 24-hour clock.</extracomment>
        <translation>2&amp;4 h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose</source>
        <extracomment>Opens the font dialog.</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default wor&amp;king hours for clocks without their own</source>
        <extracomment>The box of working hours used for every clock that has none of its own.</extracomment>
        <translation>Standard-Arbeits&amp;zeit für Uhren ohne eigene</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Meeting length</source>
        <extracomment>How long a meeting the planner looks for is.</extracomment>
        <translation>&amp;Besprechungsdauer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meeting length</source>
        <translation>Besprechungsdauer</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n min</source>
        <extracomment>A meeting&apos;s length in minutes.</extracomment>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show clock changes ahead &amp;under the clocks in the window</source>
        <translation>Kommende Zeitumstellungen &amp;unter den Uhren im Fenster zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tell changes up to</source>
        <extracomment>Before a spin box of days: &quot;Tell changes up to [14 days] ahead&quot;.</extracomment>
        <translation>Umstellungen melden bis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>never</source>
        <extracomment>The number of days ahead set to 0: no change is told.</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tell changes up to, days ahead</source>
        <translation>Umstellungen melden bis, Tage im Voraus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> day ahead</source>
        <extracomment>After the spin box&apos;s 1: &quot;Tell changes up to 1 day ahead&quot;.</extracomment>
        <translation> Tag im Voraus</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> days ahead</source>
        <extracomment>After the spin box&apos;s number: &quot;Tell changes up to 14 days ahead&quot;.</extracomment>
        <translation>
            <numerusform> Tag im Voraus</numerusform>
            <numerusform> Tage im Voraus</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tell me the day before a clock&apos;s ne&amp;xt change</source>
        <translation>Am &amp;Tag vor einer Zeitumstellung benachrichtigen</translation>
    </message>
    <message>
        <location filename="../ui/setup/settings_page.h" line="+31"/>
        <source>This desktop does not let programs keep windows on top.</source>
        <translation>Diese Arbeitsumgebung erlaubt Programmen nicht, Fenster im Vordergrund zu halten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name (Up)</source>
        <translation>Name (aufsteigend)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name (Down)</source>
        <translation>Name (absteigend)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Up)</source>
        <translation>GMT-Versatz (aufsteigend)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Down)</source>
        <translation>GMT-Versatz (absteigend)</translation>
    </message>
</context>
<context>
    <name>horavia::SetupDialog</name>
    <message>
        <location filename="../ui/setup/setup_dialog.cpp" line="+31"/>
        <source>Setup pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Timezones</source>
        <translation>&amp;Zeitzonen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TimeS&amp;ync</source>
        <translation>Zeits&amp;ynchronisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default &amp;Format</source>
        <translation>Standard&amp;format</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/setup/setup_dialog.h" line="+25"/>
        <source>Horavia Timezones</source>
        <translation>Horavia-Zeitzonen</translation>
    </message>
</context>
<context>
    <name>horavia::SwapPicture</name>
    <message>
        <location filename="../ui/convert/swap_picture.cpp" line="+19"/>
        <source>Swap</source>
        <extracomment>Exchanges the two zones.</extracomment>
        <translation>Tauschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap zones</source>
        <translation>Zonen tauschen</translation>
    </message>
</context>
<context>
    <name>horavia::TimeSyncPage</name>
    <message>
        <location filename="../ui/setup/time_sync_page.cpp" line="+38"/>
        <location line="+4"/>
        <source>Server</source>
        <extracomment>Group box title: the time server.</extracomment>
        <translation>Server</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Test</source>
        <extracomment>Tests the time server once.</extracomment>
        <translation>Testen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <extracomment>Tests every listed time server and proposes the best.</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>When</source>
        <extracomment>Group box title: when the computer&apos;s clock is synchronised.</extracomment>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When sta&amp;rting Horavia</source>
        <translation>Beim &amp;Start von Horavia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;very</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sync interval</source>
        <translation>Synchronisationsintervall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync interval unit</source>
        <translation>Einheit des Synchronisationsintervalls</translation>
    </message>
    <message>
        <location filename="../ui/setup/time_sync_page.h" line="+27"/>
        <source>Seconds</source>
        <extracomment>A unit of the synchronisation interval, read as &quot;Every 30 Seconds&quot; with any number.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Synchronizes your computer&apos;s clock with an atomic clock.</source>
        <translation>Synchronisiert die Uhr Ihres Computers mit einer Atomuhr.</translation>
    </message>
</context>
<context>
    <name>horavia::TrayPresenter</name>
    <message>
        <location filename="../ui/tray/tray_presenter.cpp" line="+59"/>
        <source>&amp;Setup</source>
        <extracomment>Tray menu: opens the setup dialog.</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Convert</source>
        <extracomment>Tray menu: opens the time converter.</extracomment>
        <translation>&amp;Umrechnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a &amp;meeting time</source>
        <extracomment>Tray menu: shows the clock window at the next time that suits every clock&apos;s working hours.</extracomment>
        <translation>Besprechungs&amp;termin finden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sync Now!</source>
        <extracomment>Tray menu: sets the computer&apos;s clock from a time server now.</extracomment>
        <translation>Jetzt synchronisieren!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../ui/tray/tray_presenter.h" line="+26"/>
        <source>S&amp;how</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
</context>
<context>
    <name>horavia::WorkingHoursBox</name>
    <message>
        <location filename="../ui/editor/working_hours_box.cpp" line="+51"/>
        <source>from</source>
        <extracomment>Working hours: the time the working day starts.</extracomment>
        <translation>von</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to</source>
        <extracomment>Working hours: the time the working day ends.</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Working hours start</source>
        <translation>Beginn der Arbeitszeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working hours end</source>
        <translation>Ende der Arbeitszeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(next day)</source>
        <extracomment>After the end of working hours that lies at or before their start.</extracomment>
        <translation>(nächster Tag)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Working hours must end at another time than they start.</source>
        <translation>Die Arbeitszeit muss zu einer anderen Uhrzeit enden, als sie beginnt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose at least one working day.</source>
        <translation>Wählen Sie mindestens einen Arbeitstag.</translation>
    </message>
</context>
<context>
    <name>horavia::WorldMapView</name>
    <message>
        <location filename="../ui/editor/world_map_view.cpp" line="+45"/>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
</context>
</TS>
