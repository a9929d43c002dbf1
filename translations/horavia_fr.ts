<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChangeTexts</name>
    <message numerus="yes">
        <location filename="../ui/main/change_texts.cpp" line="+40"/>
        <source>(in %n days)</source>
        <extracomment>How many of the zone&apos;s calendar days until its clocks change.</extracomment>
        <translation>
            <numerusform>(dans %n jour)</numerusform>
            <numerusform>(dans %n jours)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(tomorrow)</source>
        <extracomment>The zone&apos;s clocks change on its next calendar day.</extracomment>
        <translation>(demain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(in %1)</source>
        <extracomment>%1 how long until the zone&apos;s clocks change later today (&quot;5 h 15 min&quot;, &quot;40 min&quot;).</extracomment>
        <translation>(dans %1)</translation>
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
        <translation>Les horloges avancent de %1 le %2 à %3 %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clocks go back %1 on %2 at %3 %4</source>
        <extracomment>%1 an amount (&quot;1 h&quot;, &quot;30 min&quot;), %2 a short date (&quot;Sun 26 Oct&quot;), %3 a time (&quot;03:00&quot;) on the zone&apos;s clock before the change, %4 how far away it is (&quot;(in 3 days)&quot;, &quot;(tomorrow)&quot;, &quot;(in 5 h)&quot;). The zone&apos;s offset goes down.</extracomment>
        <translation>Les horloges reculent de %1 le %2 à %3 %4</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>then the same time as you instead of %1 ahead</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>puis la même heure que vous au lieu de %1 d’avance</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then the same time as you instead of %1 behind</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>puis la même heure que vous au lieu de %1 de retard</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>then %1 ahead of you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be ahead of the computer&apos;s, whose time it shows now.</extracomment>
        <translation>puis %1 d’avance sur vous au lieu de la même heure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then %1 behind you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be behind the computer&apos;s, whose time it shows now.</extracomment>
        <translation>puis %1 de retard sur vous au lieu de la même heure</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 ahead.</extracomment>
        <translation>puis %1 d’avance sur vous au lieu de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 behind you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 behind.</extracomment>
        <translation>puis %1 de retard sur vous au lieu de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2 behind</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 behind it.</extracomment>
        <translation>puis %1 d’avance sur vous au lieu de %2 de retard</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>then %1 behind you instead of %2 ahead</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 ahead of it.</extracomment>
        <translation>puis %1 de retard sur vous au lieu de %2 d’avance</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+19"/>
        <source>--test-server needs a host name</source>
        <extracomment>A usage error: the option was given without the host to ask.</extracomment>
        <translation>--test-server nécessite un nom d&apos;hôte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--find needs a text</source>
        <extracomment>A usage error: the option was given without the text to find.</extracomment>
        <translation>--find nécessite un texte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown option: %1</source>
        <extracomment>A usage error; %1 is what was typed.</extracomment>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--at needs a time</source>
        <extracomment>A usage error: the option was given without the time to show.</extracomment>
        <translation>--at demande une heure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--at goes with --print or --tip</source>
        <extracomment>A usage error: --at was given without --print or --tip.</extracomment>
        <translation>--at s’emploie avec --print ou --tip</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>choose one of --print, --tip, --meet, --changes, --test-server and --find</source>
        <extracomment>A usage error: more than one of these options was given.</extracomment>
        <translation>choisissez une seule option parmi --print, --tip, --meet, --changes, --test-server et --find</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--within goes with --meet or --changes</source>
        <extracomment>A usage error: --within was given without --meet or --changes.</extracomment>
        <translation>--within s’emploie avec --meet ou --changes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--length goes with --meet</source>
        <extracomment>A usage error: --length was given without --meet.</extracomment>
        <translation>--length s’emploie avec --meet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs a whole number from %2 to %3</source>
        <extracomment>A usage error; %1 is the option, %2 and %3 the least and the most it takes.</extracomment>
        <translation>%1 demande un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usage: horavia [option]
A world clock: a small window with your clocks, an icon in the notification area.

</source>
        <extracomment>The start of --help: how the program is called and what it is.</extracomment>
        <translation>Utilisation&#xa0;: horavia [option]
Une horloge mondiale&#xa0;: une petite fenêtre avec vos horloges, une icône dans la zone de notification.

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without an option the program starts (or brings the running one forward).

</source>
        <translation>Sans option, le programme démarre (ou met au premier plan celui qui est déjà lancé).

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options:
</source>
        <translation>Options&#xa0;:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --print              print each enabled clock: label, a tab, its time; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --print              affiche chaque horloge active&#xa0;: libellé, une tabulation,
                       son heure&#xa0;; puis quitte
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --tip                print the notification-area tip line; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --tip                affiche la ligne d&apos;info-bulle de la zone de notification&#xa0;;
                       puis quitte
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
        <translation>  --at TIME            avec --print ou --tip : montrer les horloges à TIME au lieu de
                       maintenant : ISO 8601 avec Z ou un décalage (2026-10-14T13:00Z),
                       ou une date et une heure, ou une heure seule, dans le fuseau de cet
                       ordinateur, ou suivies d’un lieu ou d’un tz id (&quot;15:00 Tokyo&quot;)
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
        <translation>  --meet               afficher la prochaine heure de réunion qui convient à chaque
                       horloge activée ayant des heures de travail : les horloges à ce
                       moment, comme --print, et le début en UTC (ISO 8601) ; si aucune ne
                       convient à tous, la plus équitable, et sur la sortie d’erreur qui
                       est hors de ses heures de travail
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
        <translation>  --changes            affiche quand le décalage des horloges actives change
                       prochainement, le plus proche d’abord : libellé, une tabulation,
                       l’instant en UTC (ISO 8601), une tabulation, l’ancien décalage,
                       une tabulation, le nouveau, une tabulation, la phrase de la
                       fenêtre ; puis quitte (code de sortie 1 s’il n’y en a aucun)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --within DAYS        with --meet or --changes: look DAYS ahead (1 to 366; 14 by
                       default, for --changes as set up in the program)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --within DAYS        avec --meet ou --changes : chercher sur DAYS jours (1 à 366 ;
                       14 par défaut, pour --changes comme réglé dans le programme)
</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>--changes exits with 0 when a change comes within the days, 1 when none does.
</source>
        <extracomment>The end of --help, after the exit statuses. Options are typed as they are.</extracomment>
        <translation>--changes sort avec 0 si un changement arrive dans les jours, 1 sinon.
</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>  --length MINUTES     with --meet: the meeting&apos;s length (15 to 1440; by default as
                       set up in the program, 30 minutes)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --length MINUTES     avec --meet : la durée de la réunion (15 à 1440 ; par défaut
                       celle réglée dans le programme, 30 minutes)
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
        <translation>  --test-server HOST   demande l&apos;heure à HOST (Time Protocol, port TCP 37&#xa0;;
                       écrire ntp:HOST pour NTP, port UDP 123)&#xa0;; puis quitte
                       nts:HOST[:PORT] interroge en NTP sécurisé par NTS,
                       l&apos;échange de clés se faisant sur le port TCP PORT,
                       4460 par défaut
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  --find TEXT          print the places and zones that TEXT names (a city, country,
                       tz id or zone name), best first: place, a tab, tz id, a tab,
                       zone; then exit (status 1 when nothing matches)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --find TEXT          affiche les lieux et fuseaux que TEXT désigne (ville, pays,
                       identifiant tz ou nom de fuseau), du plus pertinent au
                       moins pertinent&#xa0;: lieu, une tabulation, identifiant tz,
                       une tabulation, fuseau&#xa0;; puis quitte (code de sortie 1
                       si rien ne correspond)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  -h, --help           show this help
</source>
        <translation>  -h, --help           affiche cette aide
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -v, --version        show the version
</source>
        <translation>  -v, --version        affiche la version
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
Code de sortie : 0 fait ; 1 un échec (pas de base des fuseaux, pas de réponse du serveur,
rien trouvé, réglages illisibles ou non enregistrés, aucune horloge avec heures de travail
pour --meet) ; 2 une erreur d’usage, ou une heure illisible ou qui n’existe pas.
</translation>
    </message>
    <message>
        <location filename="../app/at_time.cpp" line="+73"/>
        <source>--at: &quot;%1&quot; is not a time</source>
        <extracomment>A usage error: the time given to --at does not read as a time; %1 is what was typed.</extracomment>
        <translation>--at : « %1 » n’est pas une heure</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>--at: no place or time zone is named in &quot;%1&quot;</source>
        <extracomment>A usage error: --at TIME held a time followed by something that names no place; %1 is what was typed.</extracomment>
        <translation>--at : « %1 » ne nomme aucun lieu ni fuseau horaire</translation>
    </message>
</context>
<context>
    <name>HeadlessRun</name>
    <message numerus="yes">
        <location filename="../app/headless_run.cpp" line="+48"/>
        <source>more than %n clocks are stored; only the first %n are read</source>
        <extracomment>Written to standard error; %n is the most clocks the program keeps.</extracomment>
        <translation>
            <numerusform>plus de %n horloge est enregistrée&#xa0;; seule %n est lue</numerusform>
            <numerusform>plus de %n horloges sont enregistrées&#xa0;; seules les %n premières sont lues</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetCommand</name>
    <message>
        <location filename="../app/meet_command.cpp" line="+25"/>
        <source>no enabled clock has working hours</source>
        <extracomment>Written to standard error by --meet.</extracomment>
        <translation>aucune horloge activée n’a d’heures de travail</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../ui/main/message_text.cpp" line="+19"/>
        <source>No timezone information found !</source>
        <translation>Aucune information de fuseau horaire trouvée&#xa0;!</translation>
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
        <translation>Impossible de lire les paramètres depuis
%1
(%2).

Horavia utilise pour l&apos;instant ses paramètres par défaut et laisse ce fichier tel quel.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The settings could not be saved to
%1
(%2).

Horavia keeps working with your settings and tries again at the next save.</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason (not translated).</extracomment>
        <translation>Impossible d&apos;enregistrer les paramètres dans
%1
(%2).

Horavia continue de fonctionner avec vos paramètres et réessaiera lors du prochain enregistrement.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot read the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>impossible de lire le fichier de paramètres «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot save the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>impossible d&apos;enregistrer le fichier de paramètres «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>running as root: symbolic links to the settings are followed only when root owns them</source>
        <extracomment>One line on standard error when the program starts as the superuser (root), perhaps with another user&apos;s configuration folder.</extracomment>
        <translation>exécution en tant que root&#xa0;: les liens symboliques vers les paramètres ne sont suivis que s&apos;ils appartiennent à root</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>More than %n clocks are stored. Only the first %n are shown, and changes to the clock list are not saved, so that none of the others is lost.</source>
        <translation>
            <numerusform>Plus de %n horloge est enregistrée. Seule %n est affichée, et les modifications de la liste des horloges ne sont pas enregistrées, afin qu&apos;aucune des autres ne soit perdue.</numerusform>
            <numerusform>Plus de %n horloges sont enregistrées. Seules les %n premières sont affichées, et les modifications de la liste des horloges ne sont pas enregistrées, afin qu&apos;aucune des autres ne soit perdue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Local time is %n hour(s) off.
Check wether your local timezone is set up correctly!</source>
        <extracomment>The computer&apos;s clock is about %n whole hours away from a time server&apos;s.</extracomment>
        <translation>
            <numerusform>L&apos;heure locale est décalée de %n heure.
Vérifiez que votre fuseau horaire local est correctement configuré&#xa0;!</numerusform>
            <numerusform>L&apos;heure locale est décalée de %n heures.
Vérifiez que votre fuseau horaire local est correctement configuré&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The difference between local and atomic time
is %n minutes. Should the local
time be updated ?</source>
        <extracomment>Asked before the computer&apos;s clock is set from a time server; keep the short lines.</extracomment>
        <translation>
            <numerusform>La différence entre l&apos;heure locale et l&apos;heure
atomique est de %n minute. Faut-il mettre
à jour l&apos;heure locale&#xa0;?</numerusform>
            <numerusform>La différence entre l&apos;heure locale et l&apos;heure
atomique est de %n minutes. Faut-il mettre
à jour l&apos;heure locale&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed setting new date/time. In Windows NT/XP, you need Administrator privileges for this!</source>
        <translation>Échec du réglage de la nouvelle date/heure. Sous Windows NT/XP, il faut des droits d&apos;administrateur pour cela&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system keeps it synchronised itself (automatic time synchronisation is on).</source>
        <translation>L&apos;horloge de l&apos;ordinateur n&apos;a pas été réglée&#xa0;: le système la synchronise lui-même (la synchronisation automatique de l&apos;heure est activée).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed setting new date/time: you are not allowed to change the system clock.</source>
        <translation>Échec du réglage de la nouvelle date/heure&#xa0;: vous n&apos;êtes pas autorisé à modifier l&apos;horloge du système.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system&apos;s date-time service did not answer.</source>
        <translation>L&apos;horloge de l&apos;ordinateur n&apos;a pas été réglée&#xa0;: le service de date et d&apos;heure du système n&apos;a pas répondu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the time server&apos;s second answer did not agree with the difference you confirmed.</source>
        <translation>L&apos;horloge de l&apos;ordinateur n&apos;a pas été réglée&#xa0;: la deuxième réponse du serveur de temps ne concordait pas avec la différence que vous avez confirmée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server did not answer.</source>
        <translation>Le serveur de temps n&apos;a pas répondu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer&apos;s clock was not changed.</source>
        <translation>L&apos;horloge de l&apos;ordinateur n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Différence confirmée&#xa0;: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Différence confirmée&#xa0;: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Différence dans la deuxième réponse&#xa0;: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Différence dans la deuxième réponse&#xa0;: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difference with local time: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Différence avec l&apos;heure locale&#xa0;: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference with local time: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Différence avec l&apos;heure locale&#xa0;: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server refuses to answer this computer; it will not be asked again while Horavia runs.</source>
        <translation>Le serveur de temps refuse de répondre à cet ordinateur&#xa0;; il ne sera plus interrogé tant que Horavia est en cours d&apos;exécution.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server is not synchronised; its time was not used.</source>
        <translation>Le serveur de temps n&apos;est pas synchronisé&#xa0;; son heure n&apos;a pas été utilisée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server sent an incomplete answer.</source>
        <translation>Le serveur de temps a envoyé une réponse incomplète.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>The time server asks to be queried less often; it will not be asked again for %n minute(s).</source>
        <translation>
            <numerusform>Le serveur de temps demande à être interrogé moins souvent&#xa0;; il ne sera plus interrogé pendant %n minute.</numerusform>
            <numerusform>Le serveur de temps demande à être interrogé moins souvent&#xa0;; il ne sera plus interrogé pendant %n minutes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection failed!</source>
        <translation>Échec de la connexion&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: %1</source>
        <extracomment>NTS: Network Time Security. %1 the technical reason, in English.</extracomment>
        <translation>Échec de l&apos;échange de clés NTS&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: no answer within %1 s</source>
        <extracomment>NTS: Network Time Security. %1 seconds (&quot;s&quot; is the unit).</extracomment>
        <translation>Échec de l&apos;échange de clés NTS&#xa0;: aucune réponse en %1 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time queries could not be loaded: %1</source>
        <extracomment>The program&apos;s own part that asks time servers could not be loaded. %1 the reason, in English.</extracomment>
        <translation>Les requêtes d&apos;heure n&apos;ont pas pu être chargées&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name: %1</source>
        <extracomment>%1 a time server&apos;s name.</extracomment>
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Respons time: %1 ms</source>
        <extracomment>%1 milliseconds the time server took to answer.</extracomment>
        <translation>Temps de réponse&#xa0;: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Authenticated: yes (NTS)</source>
        <extracomment>The time server&apos;s answer was authenticated by Network Time Security.</extracomment>
        <translation>Authentifié&#xa0;: oui (NTS)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authenticated: no</source>
        <translation>Authentifié&#xa0;: non</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset: %1 ms</source>
        <extracomment>%1 milliseconds the server is ahead of the computer, one decimal.</extracomment>
        <translation>Décalage&#xa0;: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Round-trip delay: %1 ms</source>
        <extracomment>%1 milliseconds, one decimal.</extracomment>
        <translation>Délai aller-retour&#xa0;: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to use this server :</source>
        <extracomment>Followed by the server&apos;s name, response time and difference.</extracomment>
        <translation>Voulez-vous utiliser ce serveur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No active servers found...
Check your internet connection!</source>
        <translation>Aucun serveur actif trouvé...
Vérifiez votre connexion Internet&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to delete this timezone permanently ?</source>
        <extracomment>A clock of the list, shown with its zone.</extracomment>
        <translation>Voulez-vous vraiment supprimer définitivement ce fuseau horaire&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Timezone &apos;%1&apos; can not be used to convert from.</source>
        <extracomment>%1 the zone&apos;s name as the list shows it.</extracomment>
        <translation>Le fuseau horaire «&#xa0;%1&#xa0;» ne peut pas servir de fuseau de départ pour une conversion.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help page could not be written into the folder
%1</source>
        <extracomment>%1 a folder.</extracomment>
        <translation>Impossible d&apos;écrire la page d&apos;aide dans le dossier
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No web browser could be started to show the help.
The help is in this file:
%1</source>
        <extracomment>%1 the help file.</extracomment>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher l&apos;aide.
L&apos;aide se trouve dans ce fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not exist on %2 in %3: clocks went from %4 to %5</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set forward.</extracomment>
        <translation>%1 n’existe pas le %2 à %3 : les horloges sont passées de %4 à %5</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 happens twice on %2 in %3 (clocks went back from %4 to %5): the first is shown</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set back.</extracomment>
        <translation>%1 a lieu deux fois le %2 à %3 (les horloges ont reculé de %4 à %5) : la première est affichée</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message numerus="yes">
        <location filename="../ui/main/plan_texts.cpp" line="+20"/>
        <source>%n d</source>
        <extracomment>Days, abbreviated as in &quot;2 d 3 h&quot;.</extracomment>
        <translation>
            <numerusform>%n j</numerusform>
            <numerusform>%n j</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n h</source>
        <extracomment>Hours, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n h</numerusform>
            <numerusform>%n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n min</source>
        <extracomment>Minutes, abbreviated as in &quot;5 h 15 min&quot;.</extracomment>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>now</source>
        <extracomment>The planned instant is less than a minute away from the present.</extracomment>
        <translation>maintenant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 from now</source>
        <extracomment>%1 a duration such as &quot;5 h 15 min&quot;.</extracomment>
        <translation>dans %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 ago</source>
        <translation>il y a %1</translation>
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
        <translation>%1, %2 — Origine : retour à maintenant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Planning:</source>
        <extracomment>The label of the line that shows the planned instant below the clocks.</extracomment>
        <translation>Planification :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>at work</source>
        <extracomment>A clock&apos;s people are within their working hours.</extracomment>
        <translation>au travail</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>off work</source>
        <extracomment>A clock&apos;s people are outside their working hours, but it is not night there.</extracomment>
        <translation>hors travail</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>It is night (23:00 to 07:00) at the clock and people are not at work.</extracomment>
        <translation>nuit</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2, %3 before working hours</source>
        <translation>%1 : %2, %3 avant les heures de travail</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2, %3 after working hours</source>
        <extracomment>%1 a clock&apos;s label, %2 its time then, %3 a duration (&quot;1 h 30 min&quot;): the meeting would end that long after the clock&apos;s working hours.</extracomment>
        <translation>%1 : %2, %3 après les heures de travail</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Everyone is at work</source>
        <extracomment>A meeting time was found within every clock&apos;s working hours.</extracomment>
        <translation>Tout le monde est au travail</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No clock has working hours: set them in a clock&apos;s editor, or turn on default working hours in Setup.</source>
        <translation>Aucune horloge n’a d’heures de travail : définissez-les dans l’éditeur d’une horloge, ou activez les heures de travail par défaut dans les Paramètres.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Type a time, such as 15:00 or 3 pm, or a date and time.</source>
        <translation>Saisissez une heure, par exemple 15:00 ou 3 pm, ou une date et une heure.</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../platform/linux/posix_file_system.cpp" line="+94"/>
        <source>it is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>c&apos;est un lien symbolique appartenant à un autre utilisateur (uid %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its folder is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>son dossier est un lien symbolique appartenant à un autre utilisateur (uid %1)</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>the file is larger than 64 MiB</source>
        <translation>le fichier dépasse 64 Mio</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 is not a folder</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>another program keeps the folder locked</source>
        <translation>un autre programme maintient le dossier verrouillé</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>no free name for a temporary file</source>
        <translation>aucun nom disponible pour un fichier temporaire</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <location filename="../ui/main/reason_text.cpp" line="+15"/>
        <source>the file is missing</source>
        <translation>le fichier est absent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a shared library</source>
        <translation>ce n’est pas une bibliothèque partagée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is built for another kind of computer</source>
        <translation>il est conçu pour un autre type d’ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its path is not absolute</source>
        <translation>son chemin n’est pas absolu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the system could not load it</source>
        <translation>le système n’a pas pu le charger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a loadable part for this program (interface %1, needs %2)</source>
        <extracomment>%1 the interface the file offers, %2 the one the program needs (technical names).</extracomment>
        <translation>ce n’est pas un module chargeable pour ce programme (interface %1, il faut %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 the time server&apos;s name.</extracomment>
        <translation>connexion impossible à %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library failed: %1</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>la bibliothèque TLS a échoué : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library could not export the keys (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>la bibliothèque TLS n’a pas pu exporter les clés (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the secure connection failed (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>la connexion sécurisée a échoué (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server&apos;s certificate was refused (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>le certificat du serveur a été refusé (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server closed the connection before the key exchange was over</source>
        <translation>le serveur a fermé la connexion avant la fin de l’échange de clés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server does not offer NTS key establishment</source>
        <translation>le serveur ne propose pas l’établissement de clés NTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server did not recognise a critical record</source>
        <translation>le serveur n’a pas reconnu un enregistrement critique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server called the request bad</source>
        <translation>le serveur a jugé la requête incorrecte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server had an internal error</source>
        <translation>le serveur a eu une erreur interne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server reported error %1</source>
        <extracomment>%1 the error&apos;s number.</extracomment>
        <translation>le serveur a signalé l’erreur %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server reported an error</source>
        <translation>le serveur a signalé une erreur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent a warning</source>
        <translation>le serveur a envoyé un avertissement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 key-exchange records</source>
        <extracomment>%1 the most records the program reads.</extracomment>
        <translation>le serveur a envoyé plus de %1 enregistrements d’échange de clés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 KiB of key-exchange records</source>
        <extracomment>%1 the most kibibytes the program reads.</extracomment>
        <translation>le serveur a envoyé plus de %1 Kio d’enregistrements d’échange de clés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no time protocol</source>
        <translation>le serveur ne propose aucun protocole horaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no cipher</source>
        <translation>le serveur ne propose aucun chiffrement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent no cookies</source>
        <translation>le serveur n’a envoyé aucun cookie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer NTPv4</source>
        <translation>le serveur ne propose pas NTPv4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer AES-SIV-CMAC-256</source>
        <translation>le serveur ne propose pas AES-SIV-CMAC-256</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent a cookie larger than %1 bytes</source>
        <extracomment>%1 the largest cookie the program takes, in bytes.</extracomment>
        <translation>le serveur a envoyé un cookie de plus de %1 octets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named no NTP server</source>
        <translation>le serveur n’a indiqué aucun serveur NTP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP server</source>
        <translation>le serveur a indiqué un serveur NTP illisible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP port</source>
        <translation>le serveur a indiqué un port NTP illisible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent an unknown critical record</source>
        <translation>le serveur a envoyé un enregistrement critique inconnu</translation>
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
            <numerusform>−%n h</numerusform>
            <numerusform>−%n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>+%n h</source>
        <extracomment>A clock&apos;s zone is %n whole hours ahead of the computer&apos;s (&quot;+9 h&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>+%n h</numerusform>
            <numerusform>+%n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 %n</source>
        <extracomment>The hours of the marker followed by the minutes beyond them: %1 is the signed hours (&quot;−3 h&quot;), %n the minutes (English &quot;−3 h 30&quot;). Keep it short.</extracomment>
        <translation>
            <numerusform>%1 %n min</numerusform>
            <numerusform>%1 %n min</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 tomorrow</source>
        <extracomment>The marker when the clock&apos;s date is already the computer&apos;s tomorrow: %1 is the difference (&quot;+9 h tomorrow&quot;).</extracomment>
        <translation>%1 demain</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 yesterday</source>
        <extracomment>The marker when the clock&apos;s date is still the computer&apos;s yesterday: %1 is the difference (&quot;−3 h yesterday&quot;).</extracomment>
        <translation>%1 hier</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../platform/settings_file.cpp" line="+136"/>
        <source>creating its folder: %1</source>
        <translation>création de son dossier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>locking its folder: %1</source>
        <translation>verrouillage de son dossier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>reading it again before saving: %1</source>
        <translation>relecture avant l&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>creating a temporary file: %1</source>
        <translation>création d&apos;un fichier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>writing: %1</source>
        <translation>écriture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>flushing it to disk: %1</source>
        <translation>écriture forcée sur le disque&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>closing it: %1</source>
        <translation>fermeture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>replacing the old file: %1</source>
        <translation>remplacement de l&apos;ancien fichier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>flushing its folder to disk: %1</source>
        <translation>écriture forcée de son dossier sur le disque&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SunAtClock</name>
    <message>
        <location filename="../ui/main/sun_texts.cpp" line="+11"/>
        <source>day</source>
        <extracomment>The sun is above the horizon at a clock&apos;s place.</extracomment>
        <translation>jour</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>civil twilight</source>
        <extracomment>The sun is up to 6 degrees below the horizon: still light outside.</extracomment>
        <translation>crépuscule civil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nautical twilight</source>
        <extracomment>The sun is 6 to 12 degrees below the horizon: dusk or dawn.</extracomment>
        <translation>crépuscule nautique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>astronomical twilight</source>
        <extracomment>The sun is 12 to 18 degrees below the horizon: almost dark.</extracomment>
        <translation>crépuscule astronomique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>The sun is more than 18 degrees below the horizon at a clock&apos;s place.</extracomment>
        <translation>nuit</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: sun up all day</source>
        <extracomment>A clock&apos;s tooltip in polar summer: %1 is the clock&apos;s place.</extracomment>
        <translation>%1 : le soleil ne se couche pas de la journée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: sun down all day</source>
        <extracomment>A clock&apos;s tooltip in polar winter: %1 is the clock&apos;s place.</extracomment>
        <translation>%1 : le soleil ne se lève pas de la journée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: sunrise %2, sunset %3</source>
        <extracomment>A clock&apos;s tooltip: %1 the clock&apos;s place, %2 and %3 the times of that day&apos;s sunrise and sunset on the clock.</extracomment>
        <translation>%1 : lever du soleil %2, coucher du soleil %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: sunrise %2, no sunset today</source>
        <extracomment>A clock&apos;s tooltip on a day the sun rises and stays up: %1 the place, %2 the time.</extracomment>
        <translation>%1 : lever du soleil %2, pas de coucher aujourd&apos;hui</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no sunrise today, sunset %2</source>
        <extracomment>A clock&apos;s tooltip on a day the sun sets and stays down: %1 the place, %2 the time.</extracomment>
        <translation>%1 : pas de lever aujourd&apos;hui, coucher du soleil %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no sunrise or sunset today</source>
        <extracomment>A clock&apos;s tooltip when neither sunrise nor sunset is known: %1 is the place.</extracomment>
        <translation>%1 : ni lever ni coucher du soleil aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeLines</name>
    <message>
        <location filename="../ui/main/change_lines.cpp" line="+17"/>
        <source>%1; %2</source>
        <extracomment>A text followed by more about it: a change&apos;s sentence and what it does to the difference from this computer, or a clock row and its next change.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This computer: %1</source>
        <extracomment>The clock window&apos;s top line: this computer&apos;s own next change of offset, %1 its sentence (&quot;Clocks go back 1 h on Sun 26 Oct at 03:00 (in 3 days)&quot;).</extracomment>
        <translation>Cet ordinateur : %1</translation>
    </message>
</context>
<context>
    <name>horavia::ChangeNotifier</name>
    <message>
        <location filename="../ui/program/change_notifier.cpp" line="+47"/>
        <source>%1: %2</source>
        <extracomment>A notification a day before clocks change: %1 the clocks&apos; labels (&quot;London, Dublin and Lisbon&quot;), %2 the change (&quot;Clocks go back 1 h on Sun 26 Oct at 02:00 (tomorrow)&quot;).</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>horavia::ClockEditor</name>
    <message>
        <location filename="../ui/editor/clock_editor.cpp" line="+64"/>
        <source>&amp;Label</source>
        <extracomment>The clock&apos;s name, shown above its time.</extracomment>
        <translation>&amp;Libellé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Active</source>
        <extracomment>The clock is shown.</extracomment>
        <translation>&amp;Active</translation>
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
        <translation>(laisser vide pour utiliser le format par défaut)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Working hours</source>
        <extracomment>The box of the clock&apos;s working hours, ticked when the clock has its own.</extracomment>
        <translation>&amp;Heures de travail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Type a label and choose a zone</source>
        <translation>Saisissez un libellé et choisissez un fuseau horaire</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Place: %1</source>
        <extracomment>Under the place search: the place the clock keeps (for its sunrise and sunset).</extracomment>
        <translation>Lieu : %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>World map: %1</source>
        <extracomment>The world map as a screen reader names it: %1 is the zone it shows.</extracomment>
        <translation>Carte du monde&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/editor/clock_editor.h" line="+29"/>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListModel</name>
    <message>
        <location filename="../ui/setup/clock_list_model.cpp" line="+47"/>
        <source>Active</source>
        <extracomment>The clock list&apos;s check box, read out by what it switches: the clock is on.</extracomment>
        <translation>Active</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Name</source>
        <extracomment>Column of the clock list: the clock&apos;s label.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <extracomment>Column of the clock list: the clock&apos;s time zone.</extracomment>
        <translation>Fuseau horaire</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListPage</name>
    <message>
        <location filename="../ui/setup/clock_list_page.cpp" line="+47"/>
        <source>Clocks</source>
        <translation>Horloges</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Descendre</translation>
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
        <translation>Afficher la &amp;carte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horavia - Convert</source>
        <translation>Horavia - Conversion</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;From</source>
        <extracomment>The zone a time is converted from.</extracomment>
        <translation>&amp;De</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;To</source>
        <extracomment>The zone a time is converted to.</extracomment>
        <translation>&amp;Vers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>From timezone</source>
        <translation>Fuseau horaire de départ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To timezone</source>
        <translation>Fuseau horaire d&apos;arrivée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time to convert</source>
        <translation>Heure à convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted time</source>
        <translation>Heure convertie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert from</source>
        <translation>Rechercher le lieu de départ de la conversion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert to</source>
        <translation>Rechercher le lieu d&apos;arrivée de la conversion</translation>
    </message>
</context>
<context>
    <name>horavia::DefaultFormatPage</name>
    <message>
        <location filename="../ui/setup/default_format_page.cpp" line="+14"/>
        <source>Default format</source>
        <translation>Format par défaut</translation>
    </message>
    <message>
        <location filename="../ui/setup/default_format_page.h" line="+21"/>
        <source>Hours (0-23)</source>
        <translation>Heures (0-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours with leading zeros (00-23)</source>
        <translation>Heures avec zéro initial (00-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes (0-59)</source>
        <translation>Minutes (0-59)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seconds (0-59)</source>
        <translation>Secondes (0-59)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM or PM, if used then hours will be 0-12</source>
        <translation>AM ou PM&#xa0;; si utilisé, les heures vont de 0 à 12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the month (1-31)</source>
        <translation>Jour du mois (1-31)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the week (Mon-Sun)</source>
        <translation>Jour de la semaine (lun.-dim.)</translation>
    </message>
</context>
<context>
    <name>horavia::MapStrip</name>
    <message>
        <location filename="../ui/convert/map_strip.cpp" line="+35"/>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
</context>
<context>
    <name>horavia::PlaceSearchBox</name>
    <message>
        <location filename="../ui/editor/place_search_box.cpp" line="+19"/>
        <source>Find a city, country or time zone</source>
        <translation>Rechercher une ville, un pays ou un fuseau horaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find a place</source>
        <translation>Rechercher un lieu</translation>
    </message>
</context>
<context>
    <name>horavia::PlanTimeField</name>
    <message>
        <location filename="../ui/main/plan_time_field.cpp" line="+14"/>
        <source>Plan for … in %1</source>
        <extracomment>The title of the field in which a time is typed for one clock; %1 the clock&apos;s label.</extracomment>
        <translation>Planifier pour … à %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Time in %1:</source>
        <extracomment>%1 a clock&apos;s label; the field below takes a time, or a date and time, on that clock.</extracomment>
        <translation>&amp;Heure à %1 :</translation>
    </message>
</context>
<context>
    <name>horavia::ServerTestDialog</name>
    <message>
        <location filename="../ui/setup/server_test_dialog.cpp" line="+16"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Testing time servers...</source>
        <translation>Test des serveurs de temps...</translation>
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
        <translation>Afficher la fe&amp;nêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load on startup</source>
        <translation>&amp;Lancer au démarrage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Always on top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single click on tray &amp;icon shows/hides window</source>
        <translation>Un simple clic sur l&apos;&amp;icône de notification affiche/masque la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show each clock&apos;s &amp;offset from this computer&apos;s time</source>
        <translation>Afficher le décala&amp;ge de chaque horloge par rapport à l&apos;heure de cet ordinateur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show day and ni&amp;ght at each clock</source>
        <extracomment>Marks each clock with day, twilight or night at its place.</extracomment>
        <translation>Afficher le &amp;jour et la nuit de chaque horloge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort timezones &amp;by</source>
        <translation>T&amp;rier les fuseaux horaires par</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort timezones by</source>
        <translation>Trier les fuseaux horaires par</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AM/&amp;PM</source>
        <extracomment>The 12-hour clock.</extracomment>
        <translation>AM/P&amp;M</translation>
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
        <translation>Police</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose</source>
        <extracomment>Opens the font dialog.</extracomment>
        <translation>Choisir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default wor&amp;king hours for clocks without their own</source>
        <extracomment>The box of working hours used for every clock that has none of its own.</extracomment>
        <translation>Heures de travail par &amp;défaut pour les horloges sans les leurs</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Meeting length</source>
        <extracomment>How long a meeting the planner looks for is.</extracomment>
        <translation>Durée des ré&amp;unions</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meeting length</source>
        <translation>Durée des réunions</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n min</source>
        <extracomment>A meeting&apos;s length in minutes.</extracomment>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show clock changes ahead &amp;under the clocks in the window</source>
        <translation>Afficher les &amp;changements d&apos;heure à venir sous les horloges de la fenêtre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tell changes up to</source>
        <extracomment>Before a spin box of days: &quot;Tell changes up to [14 days] ahead&quot;.</extracomment>
        <translation>Annoncer les changements jusqu&apos;à</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>never</source>
        <extracomment>The number of days ahead set to 0: no change is told.</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tell changes up to, days ahead</source>
        <translation>Annoncer les changements jusqu&apos;à, jours à l&apos;avance</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> day ahead</source>
        <extracomment>After the spin box&apos;s 1: &quot;Tell changes up to 1 day ahead&quot;.</extracomment>
        <translation> jour à l&apos;avance</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> days ahead</source>
        <extracomment>After the spin box&apos;s number: &quot;Tell changes up to 14 days ahead&quot;.</extracomment>
        <translation>
            <numerusform> jour à l&apos;avance</numerusform>
            <numerusform> jours à l&apos;avance</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tell me the day before a clock&apos;s ne&amp;xt change</source>
        <translation>M&apos;a&amp;vertir la veille d&apos;un changement d&apos;heure</translation>
    </message>
    <message>
        <location filename="../ui/setup/settings_page.h" line="+31"/>
        <source>This desktop does not let programs keep windows on top.</source>
        <translation>Cet environnement de bureau ne permet pas aux programmes de garder des fenêtres au premier plan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name (Up)</source>
        <translation>Nom (croissant)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name (Down)</source>
        <translation>Nom (décroissant)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Up)</source>
        <translation>Décalage GMT (croissant)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Down)</source>
        <translation>Décalage GMT (décroissant)</translation>
    </message>
</context>
<context>
    <name>horavia::SetupDialog</name>
    <message>
        <location filename="../ui/setup/setup_dialog.cpp" line="+31"/>
        <source>Setup pages</source>
        <translation>Pages de configuration</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Timezones</source>
        <translation>&amp;Fuseaux horaires</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TimeS&amp;ync</source>
        <translation>S&amp;ynchronisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default &amp;Format</source>
        <translation>Format par &amp;défaut</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../ui/setup/setup_dialog.h" line="+25"/>
        <source>Horavia Timezones</source>
        <translation>Horavia - Fuseaux horaires</translation>
    </message>
</context>
<context>
    <name>horavia::SwapPicture</name>
    <message>
        <location filename="../ui/convert/swap_picture.cpp" line="+19"/>
        <source>Swap</source>
        <extracomment>Exchanges the two zones.</extracomment>
        <translation>Inverser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap zones</source>
        <translation>Inverser les fuseaux horaires</translation>
    </message>
</context>
<context>
    <name>horavia::TimeSyncPage</name>
    <message>
        <location filename="../ui/setup/time_sync_page.cpp" line="+38"/>
        <location line="+4"/>
        <source>Server</source>
        <extracomment>Group box title: the time server.</extracomment>
        <translation>Serveur</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Test</source>
        <extracomment>Tests the time server once.</extracomment>
        <translation>Tester</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <extracomment>Tests every listed time server and proposes the best.</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>When</source>
        <extracomment>Group box title: when the computer&apos;s clock is synchronised.</extracomment>
        <translation>Quand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When sta&amp;rting Horavia</source>
        <translation>Au déma&amp;rrage de Horavia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;very</source>
        <translation>À &amp;intervalles de</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sync interval</source>
        <translation>Intervalle de synchronisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync interval unit</source>
        <translation>Unité de l&apos;intervalle de synchronisation</translation>
    </message>
    <message>
        <location filename="../ui/setup/time_sync_page.h" line="+27"/>
        <source>Seconds</source>
        <extracomment>A unit of the synchronisation interval, read as &quot;Every 30 Seconds&quot; with any number.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Synchronizes your computer&apos;s clock with an atomic clock.</source>
        <translation>Synchronise l&apos;horloge de votre ordinateur avec une horloge atomique.</translation>
    </message>
</context>
<context>
    <name>horavia::TrayPresenter</name>
    <message>
        <location filename="../ui/tray/tray_presenter.cpp" line="+59"/>
        <source>&amp;Setup</source>
        <extracomment>Tray menu: opens the setup dialog.</extracomment>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Convert</source>
        <extracomment>Tray menu: opens the time converter.</extracomment>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a &amp;meeting time</source>
        <extracomment>Tray menu: shows the clock window at the next time that suits every clock&apos;s working hours.</extracomment>
        <translation>Trouver une heure de &amp;réunion</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sync Now!</source>
        <extracomment>Tray menu: sets the computer&apos;s clock from a time server now.</extracomment>
        <translation>Synchroniser maintenant&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../ui/tray/tray_presenter.h" line="+26"/>
        <source>S&amp;how</source>
        <translation>A&amp;fficher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
</context>
<context>
    <name>horavia::WorkingHoursBox</name>
    <message>
        <location filename="../ui/editor/working_hours_box.cpp" line="+51"/>
        <source>from</source>
        <extracomment>Working hours: the time the working day starts.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to</source>
        <extracomment>Working hours: the time the working day ends.</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Working hours start</source>
        <translation>Début des heures de travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working hours end</source>
        <translation>Fin des heures de travail</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(next day)</source>
        <extracomment>After the end of working hours that lies at or before their start.</extracomment>
        <translation>(jour suivant)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Working hours must end at another time than they start.</source>
        <translation>Les heures de travail doivent se terminer à une autre heure que celle de leur début.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose at least one working day.</source>
        <translation>Choisissez au moins un jour de travail.</translation>
    </message>
</context>
<context>
    <name>horavia::WorldMapView</name>
    <message>
        <location filename="../ui/editor/world_map_view.cpp" line="+45"/>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
</context>
</TS>
