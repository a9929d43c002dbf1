<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChangeTexts</name>
    <message numerus="yes">
        <location filename="../ui/main/change_texts.cpp" line="+40"/>
        <source>(in %n days)</source>
        <extracomment>How many of the zone&apos;s calendar days until its clocks change.</extracomment>
        <translation>
            <numerusform>(dentro de %n día)</numerusform>
            <numerusform>(dentro de %n días)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(tomorrow)</source>
        <extracomment>The zone&apos;s clocks change on its next calendar day.</extracomment>
        <translation>(mañana)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(in %1)</source>
        <extracomment>%1 how long until the zone&apos;s clocks change later today (&quot;5 h 15 min&quot;, &quot;40 min&quot;).</extracomment>
        <translation>(dentro de %1)</translation>
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
        <translation>Los relojes se adelantan %1 el %2 a las %3 %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clocks go back %1 on %2 at %3 %4</source>
        <extracomment>%1 an amount (&quot;1 h&quot;, &quot;30 min&quot;), %2 a short date (&quot;Sun 26 Oct&quot;), %3 a time (&quot;03:00&quot;) on the zone&apos;s clock before the change, %4 how far away it is (&quot;(in 3 days)&quot;, &quot;(tomorrow)&quot;, &quot;(in 5 h)&quot;). The zone&apos;s offset goes down.</extracomment>
        <translation>Los relojes se atrasan %1 el %2 a las %3 %4</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>then the same time as you instead of %1 ahead</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>entonces la misma hora que usted en vez de %1 más</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then the same time as you instead of %1 behind</source>
        <extracomment>What a change of the zone&apos;s clock does to its difference from the computer&apos;s clock: %1 a duration (&quot;1 h&quot;).</extracomment>
        <translation>entonces la misma hora que usted en vez de %1 menos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>then %1 ahead of you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be ahead of the computer&apos;s, whose time it shows now.</extracomment>
        <translation>entonces %1 por delante de usted en vez de la misma hora</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>then %1 behind you instead of the same time</source>
        <extracomment>%1 a duration (&quot;1 h&quot;): how far the zone&apos;s clock will be behind the computer&apos;s, whose time it shows now.</extracomment>
        <translation>entonces %1 por detrás de usted en vez de la misma hora</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 ahead.</extracomment>
        <translation>entonces %1 por delante de usted en vez de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 behind you instead of %2</source>
        <extracomment>%1 and %2 durations (&quot;5 h&quot;, &quot;6 h&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 behind.</extracomment>
        <translation>entonces %1 por detrás de usted en vez de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>then %1 ahead of you instead of %2 behind</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 ahead of the computer&apos;s instead of %2 behind it.</extracomment>
        <translation>entonces %1 por delante de usted en vez de %2 por detrás</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>then %1 behind you instead of %2 ahead</source>
        <extracomment>%1 and %2 durations (&quot;30 min&quot;): the zone&apos;s clock will be %1 behind the computer&apos;s instead of %2 ahead of it.</extracomment>
        <translation>entonces %1 por detrás de usted en vez de %2 por delante</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+19"/>
        <source>--test-server needs a host name</source>
        <extracomment>A usage error: the option was given without the host to ask.</extracomment>
        <translation>--test-server necesita un nombre de host</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--find needs a text</source>
        <extracomment>A usage error: the option was given without the text to find.</extracomment>
        <translation>--find necesita un texto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown option: %1</source>
        <extracomment>A usage error; %1 is what was typed.</extracomment>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--at needs a time</source>
        <extracomment>A usage error: the option was given without the time to show.</extracomment>
        <translation>--at necesita una hora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--at goes with --print or --tip</source>
        <extracomment>A usage error: --at was given without --print or --tip.</extracomment>
        <translation>--at va con --print o --tip</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>choose one of --print, --tip, --meet, --changes, --test-server and --find</source>
        <extracomment>A usage error: more than one of these options was given.</extracomment>
        <translation>elija solo una de --print, --tip, --meet, --changes, --test-server y --find</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--within goes with --meet or --changes</source>
        <extracomment>A usage error: --within was given without --meet or --changes.</extracomment>
        <translation>--within va con --meet o --changes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--length goes with --meet</source>
        <extracomment>A usage error: --length was given without --meet.</extracomment>
        <translation>--length va con --meet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs a whole number from %2 to %3</source>
        <extracomment>A usage error; %1 is the option, %2 and %3 the least and the most it takes.</extracomment>
        <translation>%1 necesita un número entero de %2 a %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usage: horavia [option]
A world clock: a small window with your clocks, an icon in the notification area.

</source>
        <extracomment>The start of --help: how the program is called and what it is.</extracomment>
        <translation>Uso: horavia [opción]
Un reloj mundial: una pequeña ventana con sus relojes y un icono en el área de notificación.

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without an option the program starts (or brings the running one forward).

</source>
        <translation>Sin ninguna opción, el programa se inicia (o trae al frente el que ya está en ejecución).

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options:
</source>
        <translation>Opciones:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --print              print each enabled clock: label, a tab, its time; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --print              escribe cada reloj activo: etiqueta, un tabulador, su hora;
                       después termina
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --tip                print the notification-area tip line; then exit
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --tip                escribe la línea de información del área de notificación;
                       después termina
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
        <translation>  --at TIME            con --print o --tip: mostrar los relojes a la hora TIME en vez
                       de ahora: ISO 8601 con Z o un desfase (2026-10-14T13:00Z), o una
                       fecha y hora o solo una hora en la zona de este equipo, o seguidas
                       de un lugar o id tz (&quot;15:00 Tokyo&quot;, &quot;3 pm America/Lima&quot;)
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
        <translation>  --meet               mostrar la próxima hora de reunión que conviene a cada reloj
                       activado con horario laboral: los relojes entonces, como --print, y
                       el comienzo en UTC (ISO 8601); si ninguna conviene a todos, la más
                       justa, y en la salida de error quién queda fuera de su horario
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
        <translation>  --changes            escribe cuándo cambia el desfase de los relojes activos, el
                       más próximo primero: etiqueta, un tabulador, el instante en UTC
                       (ISO 8601), un tabulador, el desfase anterior, un tabulador, el
                       nuevo, un tabulador, la frase de la ventana; después termina
                       (estado 1 si no llega ninguno)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --within DAYS        with --meet or --changes: look DAYS ahead (1 to 366; 14 by
                       default, for --changes as set up in the program)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --within DAYS        con --meet o --changes: buscar DAYS días adelante (1 a 366;
                       14 por omisión, para --changes lo ajustado en el programa)
</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>--changes exits with 0 when a change comes within the days, 1 when none does.
</source>
        <extracomment>The end of --help, after the exit statuses. Options are typed as they are.</extracomment>
        <translation>--changes termina con 0 si llega un cambio dentro de los días, con 1 si no.
</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>  --length MINUTES     with --meet: the meeting&apos;s length (15 to 1440; by default as
                       set up in the program, 30 minutes)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --length MINUTES     con --meet: la duración de la reunión (15 a 1440; por omisión
                       la configurada en el programa, 30 minutos)
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
        <translation>  --test-server HOST   pregunta la hora a HOST (Time Protocol, puerto TCP 37; escriba
                       ntp:HOST para NTP, puerto UDP 123); después termina
                       nts:HOST[:PORT] pregunta por NTP protegido con NTS, con el
                       intercambio de claves en el puerto TCP PORT (4460 por defecto)
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  --find TEXT          print the places and zones that TEXT names (a city, country,
                       tz id or zone name), best first: place, a tab, tz id, a tab,
                       zone; then exit (status 1 when nothing matches)
</source>
        <extracomment>An option in --help: the option as typed, then what it does from column 24 on.</extracomment>
        <translation>  --find TEXT          escribe los lugares y zonas que nombra TEXT (una ciudad, un país,
                       un identificador tz o un nombre de zona), los mejores primero:
                       lugar, un tabulador, identificador tz, un tabulador, zona;
                       después termina (estado 1 si no hay ninguna coincidencia)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  -h, --help           show this help
</source>
        <translation>  -h, --help           muestra esta ayuda
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -v, --version        show the version
</source>
        <translation>  -v, --version        muestra la versión
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
Estado de salida: 0 hecho; 1 un fallo (sin base de zonas, sin respuesta del servidor,
nada encontrado, ajustes ilegibles o no guardados, ningún reloj con horario laboral para
--meet); 2 un error de uso, o una hora que no se lee o no existe.
</translation>
    </message>
    <message>
        <location filename="../app/at_time.cpp" line="+73"/>
        <source>--at: &quot;%1&quot; is not a time</source>
        <extracomment>A usage error: the time given to --at does not read as a time; %1 is what was typed.</extracomment>
        <translation>--at: «%1» no es una hora</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>--at: no place or time zone is named in &quot;%1&quot;</source>
        <extracomment>A usage error: --at TIME held a time followed by something that names no place; %1 is what was typed.</extracomment>
        <translation>--at: «%1» no nombra ningún lugar ni zona horaria</translation>
    </message>
</context>
<context>
    <name>HeadlessRun</name>
    <message numerus="yes">
        <location filename="../app/headless_run.cpp" line="+48"/>
        <source>more than %n clocks are stored; only the first %n are read</source>
        <extracomment>Written to standard error; %n is the most clocks the program keeps.</extracomment>
        <translation>
            <numerusform>hay más de %n reloj guardado; solo se lee %n</numerusform>
            <numerusform>hay más de %n relojes guardados; solo se leen los primeros %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetCommand</name>
    <message>
        <location filename="../app/meet_command.cpp" line="+25"/>
        <source>no enabled clock has working hours</source>
        <extracomment>Written to standard error by --meet.</extracomment>
        <translation>ningún reloj activado tiene horario laboral</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../ui/main/message_text.cpp" line="+19"/>
        <source>No timezone information found !</source>
        <translation>¡No se encontró información de zonas horarias!</translation>
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
        <translation>No se pudo leer la configuración de
%1
(%2).

Por ahora, Horavia funciona con su configuración predeterminada y deja este archivo tal como está.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The settings could not be saved to
%1
(%2).

Horavia keeps working with your settings and tries again at the next save.</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason (not translated).</extracomment>
        <translation>No se pudo guardar la configuración en
%1
(%2).

Horavia sigue funcionando con su configuración y volverá a intentarlo la próxima vez que guarde.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot read the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede leer el archivo de configuración «%1»: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot save the settings file &quot;%1&quot;: %2</source>
        <extracomment>One line on standard error: %1 the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede guardar el archivo de configuración «%1»: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>running as root: symbolic links to the settings are followed only when root owns them</source>
        <extracomment>One line on standard error when the program starts as the superuser (root), perhaps with another user&apos;s configuration folder.</extracomment>
        <translation>se ejecuta como root: los enlaces simbólicos a la configuración solo se siguen si pertenecen a root</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>More than %n clocks are stored. Only the first %n are shown, and changes to the clock list are not saved, so that none of the others is lost.</source>
        <translation>
            <numerusform>Hay más de %n reloj guardado. Solo se muestra %n, y los cambios en la lista de relojes no se guardan, para que no se pierda ninguno de los demás.</numerusform>
            <numerusform>Hay más de %n relojes guardados. Solo se muestran los primeros %n, y los cambios en la lista de relojes no se guardan, para que no se pierda ninguno de los demás.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Local time is %n hour(s) off.
Check wether your local timezone is set up correctly!</source>
        <extracomment>The computer&apos;s clock is about %n whole hours away from a time server&apos;s.</extracomment>
        <translation>
            <numerusform>La hora local difiere en %n hora.
¡Compruebe que su zona horaria local esté bien configurada!</numerusform>
            <numerusform>La hora local difiere en %n horas.
¡Compruebe que su zona horaria local esté bien configurada!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The difference between local and atomic time
is %n minutes. Should the local
time be updated ?</source>
        <extracomment>Asked before the computer&apos;s clock is set from a time server; keep the short lines.</extracomment>
        <translation>
            <numerusform>La diferencia entre la hora local y la atómica
es de %n minuto. ¿Desea actualizar
la hora local?</numerusform>
            <numerusform>La diferencia entre la hora local y la atómica
es de %n minutos. ¿Desea actualizar
la hora local?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed setting new date/time. In Windows NT/XP, you need Administrator privileges for this!</source>
        <translation>No se pudo establecer la nueva fecha y hora. En Windows NT/XP se necesitan privilegios de administrador para ello.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system keeps it synchronised itself (automatic time synchronisation is on).</source>
        <translation>No se ajustó el reloj del equipo: el propio sistema lo mantiene sincronizado (la sincronización automática de la hora está activada).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed setting new date/time: you are not allowed to change the system clock.</source>
        <translation>No se pudo establecer la nueva fecha y hora: no tiene permiso para cambiar el reloj del sistema.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the system&apos;s date-time service did not answer.</source>
        <translation>No se ajustó el reloj del equipo: el servicio de fecha y hora del sistema no respondió.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The computer&apos;s clock was not set: the time server&apos;s second answer did not agree with the difference you confirmed.</source>
        <translation>No se ajustó el reloj del equipo: la segunda respuesta del servidor de hora no coincidía con la diferencia que usted confirmó.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server did not answer.</source>
        <translation>El servidor de hora no respondió.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer&apos;s clock was not changed.</source>
        <translation>No se modificó el reloj del equipo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Diferencia confirmada: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference you confirmed: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Diferencia confirmada: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Diferencia en la segunda respuesta: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference in the second answer: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Diferencia en la segunda respuesta: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difference with local time: %1 s</source>
        <extracomment>%1 seconds, server minus computer (&quot;s&quot; is the unit).</extracomment>
        <translation>Diferencia con la hora local: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difference with local time: %1 s (%2 ms)</source>
        <extracomment>%1 seconds, %2 milliseconds, server minus computer.</extracomment>
        <translation>Diferencia con la hora local: %1 s (%2 ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server refuses to answer this computer; it will not be asked again while Horavia runs.</source>
        <translation>El servidor de hora se niega a responder a este equipo; no se le volverá a consultar mientras Horavia esté en ejecución.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time server is not synchronised; its time was not used.</source>
        <translation>El servidor de hora no está sincronizado; no se ha usado su hora.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time server sent an incomplete answer.</source>
        <translation>El servidor de hora envió una respuesta incompleta.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>The time server asks to be queried less often; it will not be asked again for %n minute(s).</source>
        <translation>
            <numerusform>El servidor de hora pide que se le consulte con menos frecuencia; no se le volverá a consultar durante %n minuto.</numerusform>
            <numerusform>El servidor de hora pide que se le consulte con menos frecuencia; no se le volverá a consultar durante %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection failed!</source>
        <translation>¡Error de conexión!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: %1</source>
        <extracomment>NTS: Network Time Security. %1 the technical reason, in English.</extracomment>
        <translation>Error en el intercambio de claves NTS: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTS key exchange failed: no answer within %1 s</source>
        <extracomment>NTS: Network Time Security. %1 seconds (&quot;s&quot; is the unit).</extracomment>
        <translation>Error en el intercambio de claves NTS: sin respuesta en %1 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The time queries could not be loaded: %1</source>
        <extracomment>The program&apos;s own part that asks time servers could not be loaded. %1 the reason, in English.</extracomment>
        <translation>No se pudieron cargar las consultas de hora: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name: %1</source>
        <extracomment>%1 a time server&apos;s name.</extracomment>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Respons time: %1 ms</source>
        <extracomment>%1 milliseconds the time server took to answer.</extracomment>
        <translation>Tiempo de respuesta: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Authenticated: yes (NTS)</source>
        <extracomment>The time server&apos;s answer was authenticated by Network Time Security.</extracomment>
        <translation>Autenticado: sí (NTS)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authenticated: no</source>
        <translation>Autenticado: no</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset: %1 ms</source>
        <extracomment>%1 milliseconds the server is ahead of the computer, one decimal.</extracomment>
        <translation>Desfase: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Round-trip delay: %1 ms</source>
        <extracomment>%1 milliseconds, one decimal.</extracomment>
        <translation>Retardo de ida y vuelta: %1 ms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to use this server :</source>
        <extracomment>Followed by the server&apos;s name, response time and difference.</extracomment>
        <translation>¿Desea usar este servidor?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No active servers found...
Check your internet connection!</source>
        <translation>No se encontraron servidores activos...
¡Compruebe su conexión a Internet!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to delete this timezone permanently ?</source>
        <extracomment>A clock of the list, shown with its zone.</extracomment>
        <translation>¿Seguro que desea eliminar esta zona horaria de forma permanente?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Timezone &apos;%1&apos; can not be used to convert from.</source>
        <extracomment>%1 the zone&apos;s name as the list shows it.</extracomment>
        <translation>La zona horaria «%1» no se puede usar como origen de una conversión.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help page could not be written into the folder
%1</source>
        <extracomment>%1 a folder.</extracomment>
        <translation>No se pudo escribir la página de ayuda en la carpeta
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No web browser could be started to show the help.
The help is in this file:
%1</source>
        <extracomment>%1 the help file.</extracomment>
        <translation>No se pudo iniciar ningún navegador web para mostrar la ayuda.
La ayuda está en este archivo:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not exist on %2 in %3: clocks went from %4 to %5</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set forward.</extracomment>
        <translation>%1 no existe el %2 en %3: los relojes pasaron de %4 a %5</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 happens twice on %2 in %3 (clocks went back from %4 to %5): the first is shown</source>
        <extracomment>%1 a time, %2 a date, %3 a clock&apos;s label, %4 and %5 the times the clock went from and to when it was set back.</extracomment>
        <translation>%1 ocurre dos veces el %2 en %3 (los relojes retrocedieron de %4 a %5): se muestra la primera</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message numerus="yes">
        <location filename="../ui/main/plan_texts.cpp" line="+20"/>
        <source>%n d</source>
        <extracomment>Days, abbreviated as in &quot;2 d 3 h&quot;.</extracomment>
        <translation>
            <numerusform>%n d</numerusform>
            <numerusform>%n d</numerusform>
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
        <translation>ahora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 from now</source>
        <extracomment>%1 a duration such as &quot;5 h 15 min&quot;.</extracomment>
        <translation>dentro de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 ago</source>
        <translation>hace %1</translation>
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
        <translation>%1, %2 — Inicio: volver a ahora</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Planning:</source>
        <extracomment>The label of the line that shows the planned instant below the clocks.</extracomment>
        <translation>Planificación:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>at work</source>
        <extracomment>A clock&apos;s people are within their working hours.</extracomment>
        <translation>trabajando</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>off work</source>
        <extracomment>A clock&apos;s people are outside their working hours, but it is not night there.</extracomment>
        <translation>fuera del trabajo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>It is night (23:00 to 07:00) at the clock and people are not at work.</extracomment>
        <translation>noche</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2, %3 before working hours</source>
        <translation>%1: %2, %3 antes del horario laboral</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2, %3 after working hours</source>
        <extracomment>%1 a clock&apos;s label, %2 its time then, %3 a duration (&quot;1 h 30 min&quot;): the meeting would end that long after the clock&apos;s working hours.</extracomment>
        <translation>%1: %2, %3 después del horario laboral</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Everyone is at work</source>
        <extracomment>A meeting time was found within every clock&apos;s working hours.</extracomment>
        <translation>Todos están trabajando</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No clock has working hours: set them in a clock&apos;s editor, or turn on default working hours in Setup.</source>
        <translation>Ningún reloj tiene horario laboral: defínalo en el editor de un reloj o active el horario laboral predeterminado en Configuración.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Type a time, such as 15:00 or 3 pm, or a date and time.</source>
        <translation>Escriba una hora, como 15:00 o 3 pm, o una fecha y hora.</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../platform/linux/posix_file_system.cpp" line="+94"/>
        <source>it is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>es un enlace simbólico que pertenece a otro usuario (uid %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its folder is a symbolic link owned by another user (uid %1)</source>
        <extracomment>Why the settings file is not read or saved; %1 is the number of the link&apos;s owner.</extracomment>
        <translation>su carpeta es un enlace simbólico que pertenece a otro usuario (uid %1)</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>the file is larger than 64 MiB</source>
        <translation>el archivo ocupa más de 64 MiB</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 is not a folder</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>another program keeps the folder locked</source>
        <translation>otro programa mantiene bloqueada la carpeta</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>no free name for a temporary file</source>
        <translation>no queda ningún nombre libre para un archivo temporal</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <location filename="../ui/main/reason_text.cpp" line="+15"/>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is truncated</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a shared library</source>
        <translation>no es una biblioteca compartida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is built for another kind of computer</source>
        <translation>está compilado para otro tipo de ordenador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its path is not absolute</source>
        <translation>su ruta no es absoluta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the system could not load it</source>
        <translation>el sistema no pudo cargarlo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a loadable part for this program (interface %1, needs %2)</source>
        <extracomment>%1 the interface the file offers, %2 the one the program needs (technical names).</extracomment>
        <translation>no es un módulo cargable para este programa (interfaz %1, se necesita %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 the time server&apos;s name.</extracomment>
        <translation>no se pudo conectar con %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library failed: %1</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>la biblioteca TLS falló: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the TLS library could not export the keys (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>la biblioteca TLS no pudo exportar las claves (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the secure connection failed (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>la conexión segura falló (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server&apos;s certificate was refused (%1)</source>
        <extracomment>%1 the TLS library&apos;s own reason, in English.</extracomment>
        <translation>se rechazó el certificado del servidor (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server closed the connection before the key exchange was over</source>
        <translation>el servidor cerró la conexión antes de terminar el intercambio de claves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server does not offer NTS key establishment</source>
        <translation>el servidor no ofrece el establecimiento de claves NTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server did not recognise a critical record</source>
        <translation>el servidor no reconoció un registro crítico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server called the request bad</source>
        <translation>el servidor consideró incorrecta la solicitud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server had an internal error</source>
        <translation>el servidor tuvo un error interno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server reported error %1</source>
        <extracomment>%1 the error&apos;s number.</extracomment>
        <translation>el servidor informó del error %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server reported an error</source>
        <translation>el servidor informó de un error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent a warning</source>
        <translation>el servidor envió una advertencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 key-exchange records</source>
        <extracomment>%1 the most records the program reads.</extracomment>
        <translation>el servidor envió más de %1 registros de intercambio de claves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent more than %1 KiB of key-exchange records</source>
        <extracomment>%1 the most kibibytes the program reads.</extracomment>
        <translation>el servidor envió más de %1 KiB de registros de intercambio de claves</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no time protocol</source>
        <translation>el servidor no ofrece ningún protocolo de hora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server offered no cipher</source>
        <translation>el servidor no ofrece ningún cifrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent no cookies</source>
        <translation>el servidor no envió ninguna cookie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer NTPv4</source>
        <translation>el servidor no ofrece NTPv4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server does not offer AES-SIV-CMAC-256</source>
        <translation>el servidor no ofrece AES-SIV-CMAC-256</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server sent a cookie larger than %1 bytes</source>
        <extracomment>%1 the largest cookie the program takes, in bytes.</extracomment>
        <translation>el servidor envió una cookie de más de %1 bytes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named no NTP server</source>
        <translation>el servidor no indicó ningún servidor NTP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP server</source>
        <translation>el servidor indicó un servidor NTP ilegible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server named an unreadable NTP port</source>
        <translation>el servidor indicó un puerto NTP ilegible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the server sent an unknown critical record</source>
        <translation>el servidor envió un registro crítico desconocido</translation>
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
        <translation>%1 mañana</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 yesterday</source>
        <extracomment>The marker when the clock&apos;s date is still the computer&apos;s yesterday: %1 is the difference (&quot;−3 h yesterday&quot;).</extracomment>
        <translation>%1 ayer</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../platform/settings_file.cpp" line="+136"/>
        <source>creating its folder: %1</source>
        <translation>al crear su carpeta: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>locking its folder: %1</source>
        <translation>al bloquear su carpeta: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>reading it again before saving: %1</source>
        <translation>al volver a leerlo antes de guardar: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>creating a temporary file: %1</source>
        <translation>al crear un archivo temporal: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>writing: %1</source>
        <translation>al escribir: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>flushing it to disk: %1</source>
        <translation>al volcarlo al disco: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>closing it: %1</source>
        <translation>al cerrarlo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>replacing the old file: %1</source>
        <translation>al reemplazar el archivo anterior: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>flushing its folder to disk: %1</source>
        <translation>al volcar su carpeta al disco: %1</translation>
    </message>
</context>
<context>
    <name>SunAtClock</name>
    <message>
        <location filename="../ui/main/sun_texts.cpp" line="+11"/>
        <source>day</source>
        <extracomment>The sun is above the horizon at a clock&apos;s place.</extracomment>
        <translation>día</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>civil twilight</source>
        <extracomment>The sun is up to 6 degrees below the horizon: still light outside.</extracomment>
        <translation>crepúsculo civil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nautical twilight</source>
        <extracomment>The sun is 6 to 12 degrees below the horizon: dusk or dawn.</extracomment>
        <translation>crepúsculo náutico</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>astronomical twilight</source>
        <extracomment>The sun is 12 to 18 degrees below the horizon: almost dark.</extracomment>
        <translation>crepúsculo astronómico</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>night</source>
        <extracomment>The sun is more than 18 degrees below the horizon at a clock&apos;s place.</extracomment>
        <translation>noche</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: sun up all day</source>
        <extracomment>A clock&apos;s tooltip in polar summer: %1 is the clock&apos;s place.</extracomment>
        <translation>%1: el sol no se pone en todo el día</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: sun down all day</source>
        <extracomment>A clock&apos;s tooltip in polar winter: %1 is the clock&apos;s place.</extracomment>
        <translation>%1: el sol no sale en todo el día</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: sunrise %2, sunset %3</source>
        <extracomment>A clock&apos;s tooltip: %1 the clock&apos;s place, %2 and %3 the times of that day&apos;s sunrise and sunset on the clock.</extracomment>
        <translation>%1: salida del sol %2, puesta del sol %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: sunrise %2, no sunset today</source>
        <extracomment>A clock&apos;s tooltip on a day the sun rises and stays up: %1 the place, %2 the time.</extracomment>
        <translation>%1: salida del sol %2, hoy no se pone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no sunrise today, sunset %2</source>
        <extracomment>A clock&apos;s tooltip on a day the sun sets and stays down: %1 the place, %2 the time.</extracomment>
        <translation>%1: hoy no sale el sol, puesta del sol %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no sunrise or sunset today</source>
        <extracomment>A clock&apos;s tooltip when neither sunrise nor sunset is known: %1 is the place.</extracomment>
        <translation>%1: hoy el sol ni sale ni se pone</translation>
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
        <translation>Este equipo: %1</translation>
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
        <translation>&amp;Etiqueta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Active</source>
        <extracomment>The clock is shown.</extracomment>
        <translation>Ac&amp;tivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Format</source>
        <extracomment>The clock&apos;s time format.</extracomment>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(leave empty to use default)</source>
        <translation>(déjelo vacío para usar el predeterminado)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Working hours</source>
        <extracomment>The box of the clock&apos;s working hours, ticked when the clock has its own.</extracomment>
        <translation>&amp;Horario laboral</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Type a label and choose a zone</source>
        <translation>Escriba una etiqueta y elija una zona</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Place: %1</source>
        <extracomment>Under the place search: the place the clock keeps (for its sunrise and sunset).</extracomment>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>World map</source>
        <translation>Mapa mundial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>World map: %1</source>
        <extracomment>The world map as a screen reader names it: %1 is the zone it shows.</extracomment>
        <translation>Mapa mundial: %1</translation>
    </message>
    <message>
        <location filename="../ui/editor/clock_editor.h" line="+29"/>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListModel</name>
    <message>
        <location filename="../ui/setup/clock_list_model.cpp" line="+47"/>
        <source>Active</source>
        <extracomment>The clock list&apos;s check box, read out by what it switches: the clock is on.</extracomment>
        <translation>Activo</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Name</source>
        <extracomment>Column of the clock list: the clock&apos;s label.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Timezone</source>
        <extracomment>Column of the clock list: the clock&apos;s time zone.</extracomment>
        <translation>Zona horaria</translation>
    </message>
</context>
<context>
    <name>horavia::ClockListPage</name>
    <message>
        <location filename="../ui/setup/clock_list_page.cpp" line="+47"/>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Bajar</translation>
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
        <translation>Mostrar &amp;mapa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Horavia - Convert</source>
        <translation>Horavia - Convertir</translation>
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
        <translation>&amp;A</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>From timezone</source>
        <translation>Zona horaria de origen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To timezone</source>
        <translation>Zona horaria de destino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time to convert</source>
        <translation>Hora a convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted time</source>
        <translation>Hora convertida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert from</source>
        <translation>Buscar un lugar de origen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find a place to convert to</source>
        <translation>Buscar un lugar de destino</translation>
    </message>
</context>
<context>
    <name>horavia::DefaultFormatPage</name>
    <message>
        <location filename="../ui/setup/default_format_page.cpp" line="+14"/>
        <source>Default format</source>
        <translation>Formato predeterminado</translation>
    </message>
    <message>
        <location filename="../ui/setup/default_format_page.h" line="+21"/>
        <source>Hours (0-23)</source>
        <translation>Horas (0-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours with leading zeros (00-23)</source>
        <translation>Horas con cero inicial (00-23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes (0-59)</source>
        <translation>Minutos (0-59)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seconds (0-59)</source>
        <translation>Segundos (0-59)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM or PM, if used then hours will be 0-12</source>
        <translation>AM o PM; si se usa, las horas irán de 0 a 12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the month (1-31)</source>
        <translation>Día del mes (1-31)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of the week (Mon-Sun)</source>
        <translation>Día de la semana (lun-dom)</translation>
    </message>
</context>
<context>
    <name>horavia::MapStrip</name>
    <message>
        <location filename="../ui/convert/map_strip.cpp" line="+35"/>
        <source>World map</source>
        <translation>Mapa mundial</translation>
    </message>
</context>
<context>
    <name>horavia::PlaceSearchBox</name>
    <message>
        <location filename="../ui/editor/place_search_box.cpp" line="+19"/>
        <source>Find a city, country or time zone</source>
        <translation>Buscar una ciudad, un país o una zona horaria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find a place</source>
        <translation>Buscar un lugar</translation>
    </message>
</context>
<context>
    <name>horavia::PlanTimeField</name>
    <message>
        <location filename="../ui/main/plan_time_field.cpp" line="+14"/>
        <source>Plan for … in %1</source>
        <extracomment>The title of the field in which a time is typed for one clock; %1 the clock&apos;s label.</extracomment>
        <translation>Planificar para … en %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Time in %1:</source>
        <extracomment>%1 a clock&apos;s label; the field below takes a time, or a date and time, on that clock.</extracomment>
        <translation>&amp;Hora en %1:</translation>
    </message>
</context>
<context>
    <name>horavia::ServerTestDialog</name>
    <message>
        <location filename="../ui/setup/server_test_dialog.cpp" line="+16"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Testing time servers...</source>
        <translation>Probando servidores de hora...</translation>
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
        <translation>Mostrar &amp;ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load on startup</source>
        <translation>&amp;Cargar al iniciar el sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Always on top</source>
        <translation>&amp;Siempre en primer plano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single click on tray &amp;icon shows/hides window</source>
        <translation>Un clic en el &amp;icono de la bandeja muestra/oculta la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show each clock&apos;s &amp;offset from this computer&apos;s time</source>
        <translation>Mostrar la &amp;diferencia de cada reloj con la hora de este equipo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show day and ni&amp;ght at each clock</source>
        <extracomment>Marks each clock with day, twilight or night at its place.</extracomment>
        <translation>Mostrar día y &amp;noche en cada reloj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort timezones &amp;by</source>
        <translation>&amp;Ordenar zonas horarias por</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort timezones by</source>
        <translation>Ordenar zonas horarias por</translation>
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
        <translation>Fuente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose</source>
        <extracomment>Opens the font dialog.</extracomment>
        <translation>Elegir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default wor&amp;king hours for clocks without their own</source>
        <extracomment>The box of working hours used for every clock that has none of its own.</extracomment>
        <translation>Horario &amp;laboral predeterminado para relojes sin uno propio</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Meeting length</source>
        <extracomment>How long a meeting the planner looks for is.</extracomment>
        <translation>Duración de las &amp;reuniones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meeting length</source>
        <translation>Duración de las reuniones</translation>
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
        <translation>&amp;Mostrar los próximos cambios de hora bajo los relojes de la ventana</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tell changes up to</source>
        <extracomment>Before a spin box of days: &quot;Tell changes up to [14 days] ahead&quot;.</extracomment>
        <translation>Avisar de los cambios hasta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>never</source>
        <extracomment>The number of days ahead set to 0: no change is told.</extracomment>
        <translation>nunca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tell changes up to, days ahead</source>
        <translation>Avisar de los cambios hasta, días de antelación</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> day ahead</source>
        <extracomment>After the spin box&apos;s 1: &quot;Tell changes up to 1 day ahead&quot;.</extracomment>
        <translation> día de antelación</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> days ahead</source>
        <extracomment>After the spin box&apos;s number: &quot;Tell changes up to 14 days ahead&quot;.</extracomment>
        <translation>
            <numerusform> día de antelación</numerusform>
            <numerusform> días de antelación</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tell me the day before a clock&apos;s ne&amp;xt change</source>
        <translation>Avisarme el día an&amp;tes de un cambio de hora</translation>
    </message>
    <message>
        <location filename="../ui/setup/settings_page.h" line="+31"/>
        <source>This desktop does not let programs keep windows on top.</source>
        <translation>Este escritorio no permite que los programas mantengan ventanas en primer plano.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name (Up)</source>
        <translation>Nombre (ascendente)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name (Down)</source>
        <translation>Nombre (descendente)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Up)</source>
        <translation>Diferencia con GMT (ascendente)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMT Offset (Down)</source>
        <translation>Diferencia con GMT (descendente)</translation>
    </message>
</context>
<context>
    <name>horavia::SetupDialog</name>
    <message>
        <location filename="../ui/setup/setup_dialog.cpp" line="+31"/>
        <source>Setup pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Timezones</source>
        <translation>&amp;Zonas horarias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>C&amp;onfiguración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TimeS&amp;ync</source>
        <translation>&amp;Sincronización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default &amp;Format</source>
        <translation>&amp;Formato predeterminado</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../ui/setup/setup_dialog.h" line="+25"/>
        <source>Horavia Timezones</source>
        <translation>Zonas horarias de Horavia</translation>
    </message>
</context>
<context>
    <name>horavia::SwapPicture</name>
    <message>
        <location filename="../ui/convert/swap_picture.cpp" line="+19"/>
        <source>Swap</source>
        <extracomment>Exchanges the two zones.</extracomment>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap zones</source>
        <translation>Intercambiar zonas</translation>
    </message>
</context>
<context>
    <name>horavia::TimeSyncPage</name>
    <message>
        <location filename="../ui/setup/time_sync_page.cpp" line="+38"/>
        <location line="+4"/>
        <source>Server</source>
        <extracomment>Group box title: the time server.</extracomment>
        <translation>Servidor</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Test</source>
        <extracomment>Tests the time server once.</extracomment>
        <translation>Probar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <extracomment>Tests every listed time server and proposes the best.</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>When</source>
        <extracomment>Group box title: when the computer&apos;s clock is synchronised.</extracomment>
        <translation>Cuándo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When sta&amp;rting Horavia</source>
        <translation>Al &amp;iniciar Horavia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;very</source>
        <translation>&amp;Cada</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sync interval</source>
        <translation>Intervalo de sincronización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync interval unit</source>
        <translation>Unidad del intervalo de sincronización</translation>
    </message>
    <message>
        <location filename="../ui/setup/time_sync_page.h" line="+27"/>
        <source>Seconds</source>
        <extracomment>A unit of the synchronisation interval, read as &quot;Every 30 Seconds&quot; with any number.</extracomment>
        <translation>Segundos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Synchronizes your computer&apos;s clock with an atomic clock.</source>
        <translation>Sincroniza el reloj de su equipo con un reloj atómico.</translation>
    </message>
</context>
<context>
    <name>horavia::TrayPresenter</name>
    <message>
        <location filename="../ui/tray/tray_presenter.cpp" line="+59"/>
        <source>&amp;Setup</source>
        <extracomment>Tray menu: opens the setup dialog.</extracomment>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Convert</source>
        <extracomment>Tray menu: opens the time converter.</extracomment>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a &amp;meeting time</source>
        <extracomment>Tray menu: shows the clock window at the next time that suits every clock&apos;s working hours.</extracomment>
        <translation>Buscar hora de &amp;reunión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sync Now!</source>
        <extracomment>Tray menu: sets the computer&apos;s clock from a time server now.</extracomment>
        <translation>¡Sincronizar ahora!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../ui/tray/tray_presenter.h" line="+26"/>
        <source>S&amp;how</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
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
        <translation>a</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Working hours start</source>
        <translation>Inicio del horario laboral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working hours end</source>
        <translation>Fin del horario laboral</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(next day)</source>
        <extracomment>After the end of working hours that lies at or before their start.</extracomment>
        <translation>(día siguiente)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Working hours must end at another time than they start.</source>
        <translation>El horario laboral debe terminar a una hora distinta de la de inicio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose at least one working day.</source>
        <translation>Elija al menos un día laborable.</translation>
    </message>
</context>
<context>
    <name>horavia::WorldMapView</name>
    <message>
        <location filename="../ui/editor/world_map_view.cpp" line="+45"/>
        <source>World map</source>
        <translation>Mapa mundial</translation>
    </message>
</context>
</TS>
