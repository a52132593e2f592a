<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CliText</name>
    <message>
        <source>option --%1 is given twice</source>
        <translation>Option --%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>cannot be opened: %1; its providers are not watched</source>
        <translation>kann nicht geöffnet werden: %1; seine Anbieter werden nicht überwacht</translation>
    </message>
    <message>
        <source>cannot be opened: %1; the bytes count from this tool&apos;s start</source>
        <translation>kann nicht geöffnet werden: %1; die Bytes zählen ab dem Start dieses Werkzeugs</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (expected text or json)</source>
        <translation>unbekanntes Format „%1“ (erwartet: text oder json)</translation>
    </message>
    <message>
        <source>Back end: %1</source>
        <translation>Backend: %1</translation>
    </message>
    <message>
        <source>Phonebook entries: none</source>
        <translation>Telefonbucheinträge: keine</translation>
    </message>
    <message>
        <source>Phonebook entries:</source>
        <translation>Telefonbucheinträge:</translation>
    </message>
    <message>
        <source>Active connections: none</source>
        <translation>Aktive Verbindungen: keine</translation>
    </message>
    <message>
        <source>Active connections:</source>
        <translation>Aktive Verbindungen:</translation>
    </message>
    <message>
        <source>%1 (interface %2, handle %3)</source>
        <translation>%1 (Schnittstelle %2, Kennung %3)</translation>
    </message>
    <message>
        <source>no statistics</source>
        <translation>keine Statistik</translation>
    </message>
    <message>
        <source>received: %1 bytes, %2 frames, compression %3%</source>
        <translation>Empfangen: %1 Bytes, %2 Frames, Kompression %3%</translation>
    </message>
    <message>
        <source>sent:     %1 bytes, %2 frames, compression %3%</source>
        <translation>Gesendet:  %1 Bytes, %2 Frames, Kompression %3%</translation>
    </message>
    <message>
        <source>speed:    %1 bit/s</source>
        <translation>Tempo:     %1 bit/s</translation>
    </message>
    <message>
        <source>connected: %1</source>
        <translation>Verbunden: %1</translation>
    </message>
    <message>
        <source>counted as the program counts it (its journal of this connection)</source>
        <translation>gezählt wie vom Programm (sein Journal dieser Verbindung)</translation>
    </message>
    <message>
        <source>bytes counted from this tool&apos;s start (the program&apos;s journal does not name this connection)</source>
        <translation>Bytes gezählt ab dem Start dieses Werkzeugs (das Journal des Programms nennt diese Verbindung nicht)</translation>
    </message>
    <message>
        <source>give one phonebook entry</source>
        <translation>einen Telefonbucheintrag angeben</translation>
    </message>
    <message>
        <source>the back end cannot dial</source>
        <translation>das Backend kann nicht wählen</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Verbunden: %1</translation>
    </message>
    <message>
        <source>the dial was withdrawn</source>
        <translation>die Einwahl wurde abgebrochen</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>erwartet keine Argumente</translation>
    </message>
    <message>
        <source>a connection is still up</source>
        <translation>eine Verbindung besteht noch</translation>
    </message>
    <message>
        <source>No connection.</source>
        <translation>Keine Verbindung.</translation>
    </message>
    <message>
        <source>Hung up: %1</source>
        <translation>Getrennt: %1</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>usage: cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz] [--minutes M] [--received-mb X] [--sent-mb Y]</source>
        <translation>Aufruf: cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz] [--minutes M] [--received-mb X] [--sent-mb Y]</translation>
    </message>
    <message>
        <source>%1 is missing; %2</source>
        <translation>%1 fehlt; %2</translation>
    </message>
    <message>
        <source>--at &quot;%1&quot; is not a date and time like 2026-12-09T05:00:00</source>
        <translation>--at „%1“ ist kein Datum mit Uhrzeit wie 2026-12-09T05:00:00</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number (use &quot;.&quot; as the decimal point)</source>
        <translation>%1 „%2“ ist keine Zahl („.“ als Dezimaltrennzeichen verwenden)</translation>
    </message>
    <message>
        <source>no provider named &quot;%1&quot;</source>
        <translation>kein Anbieter namens „%1“</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>is a folder, not a data file</source>
        <translation>ist ein Ordner, keine Datendatei</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a data file of this program (no XML once unscrambled: %1)</source>
        <translation>keine Datendatei dieses Programms (nach dem Entschlüsseln kein XML: %1)</translation>
    </message>
    <message>
        <source>usage: decode FILE</source>
        <translation>Aufruf: decode FILE</translation>
    </message>
    <message>
        <source>usage: encode OUT [--in FILE]</source>
        <translation>Aufruf: encode OUT [--in FILE]</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>not well-formed XML, nothing written: %1</source>
        <translation>kein wohlgeformtes XML, nichts geschrieben: %1</translation>
    </message>
    <message>
        <source>cannot be written (is the folder there and writable?); the file is unchanged</source>
        <translation>kann nicht geschrieben werden (gibt es den Ordner und ist er beschreibbar?); die Datei ist unverändert</translation>
    </message>
    <message>
        <source>Usage: dialometer-cli [--home DIR] COMMAND [ARGUMENTS]

Reads and writes Dialometer&apos;s data files from a terminal.

Commands:
  decode FILE                    write the plain XML of a data file to standard output
  encode OUT [--in FILE]         write plain XML (FILE or standard input) as the data
                                 file OUT; XML that is not well-formed is refused
  sessions [FILE...] [--format text|csv|json]
                                 the sessions of month files (default: this month&apos;s
                                 file in the data folder) and their totals
  months [--format text|csv|json]
                                 one line per month file in the data folder
  cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz]
       [--minutes M] [--received-mb X] [--sent-mb Y]
                                 the price of an interval by the provider&apos;s schedule
  usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily]
        [--format text|csv|json]
                                 each provider&apos;s plan: use of the billing period that
                                 holds the moment (default: now), caps, projection;
                                 --daily adds each day of the period and the daily
                                 budget (csv only with --daily)
  price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS]
        [--format text|json]
                                 each provider&apos;s tariff in force and until when, the
                                 cost of M minutes (default 60) from then and the
                                 cheapest start within HOURS (default 24)
  status [--format text|json]    phonebook entries and active connections
  dial ENTRY                     dial a phonebook entry and wait until it is up
  hangup                         hang up every connection

Options:
  --home DIR    the data folder (default: DIALOMETER_HOME, a portable folder beside
                the program, or ~/.local/share/dialometer)
  --help        show this text
  --version     show the version

Dates, times and numbers of the text output follow the user&apos;s regional settings.
Exit status: 0 success, 1 a data error, 2 a usage error.
</source>
        <translation>Aufruf: dialometer-cli [--home DIR] COMMAND [ARGUMENTS]

Liest und schreibt die Datendateien von Dialometer im Terminal.

Befehle:
  decode FILE                    das reine XML einer Datendatei auf die
                                 Standardausgabe schreiben
  encode OUT [--in FILE]         reines XML (FILE oder die Standardeingabe) als
                                 Datendatei OUT schreiben; nicht wohlgeformtes
                                 XML wird abgelehnt
  sessions [FILE...] [--format text|csv|json]
                                 die Sitzungen von Monatsdateien (Vorgabe: die
                                 Datei dieses Monats im Datenordner) und ihre
                                 Summen
  months [--format text|csv|json]
                                 eine Zeile je Monatsdatei im Datenordner
  cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz]
       [--minutes M] [--received-mb X] [--sent-mb Y]
                                 der Preis eines Zeitraums nach den Tarifzeiten
                                 des Anbieters
  usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily]
        [--format text|csv|json]
                                 das Tarifpaket jedes Anbieters: Verbrauch im
                                 Abrechnungszeitraum, der den Zeitpunkt enthält
                                 (Vorgabe: jetzt), Obergrenzen, Hochrechnung;
                                 --daily fügt jeden Tag des Zeitraums und das
                                 Tagesbudget hinzu (csv nur mit --daily)
  price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS]
        [--format text|json]
                                 der geltende Tarif jedes Anbieters und bis wann
                                 er gilt, die Kosten von M Minuten (Vorgabe 60)
                                 ab dann und der günstigste Beginn innerhalb von
                                 HOURS Stunden (Vorgabe 24)
  status [--format text|json]    Telefonbucheinträge und aktive Verbindungen
  dial ENTRY                     einen Telefonbucheintrag wählen und warten, bis
                                 die Verbindung steht
  hangup                         alle Verbindungen trennen

Optionen:
  --home DIR    der Datenordner (Vorgabe: DIALOMETER_HOME, ein portabler Ordner
                neben dem Programm oder ~/.local/share/dialometer)
  --help        diesen Text anzeigen
  --version     die Version anzeigen

Datum, Uhrzeit und Zahlen der Textausgabe folgen den Regionaleinstellungen.
Rückgabewert: 0 Erfolg, 1 ein Datenfehler, 2 ein Aufruffehler.
</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Tariff now</source>
        <translation>Tarif jetzt</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>Pro Minute</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Cost of %1 min</source>
        <translation>Kosten für %1 min</translation>
    </message>
    <message>
        <source>Cheapest start</source>
        <translation>Günstigster Beginn</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>usage: price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS] [--format text|json]</source>
        <translation>Aufruf: price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS] [--format text|json]</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>%1 „%2“ ist keine ganze Zahl von 1 bis %3</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text or json)</source>
        <translation>unbekanntes Format „%1“ (text oder json)</translation>
    </message>
    <message>
        <source>not a statistics file: %1</source>
        <translation>keine Statistikdatei: %1</translation>
    </message>
    <message>
        <source>not a statistics file: its rows do not match its lines</source>
        <translation>keine Statistikdatei: ihre Tabellenzeilen passen nicht zu ihren Einträgen</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) could not be read under the current regional settings (%1) and are left empty</source>
        <translation>
            <numerusform>%n Wert konnte mit den aktuellen Regionaleinstellungen (%1) nicht gelesen werden und bleibt leer</numerusform>
            <numerusform>%n Werte konnten mit den aktuellen Regionaleinstellungen (%1) nicht gelesen werden und bleiben leer</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text, csv or json)</source>
        <translation>unbekanntes Format „%1“ (text, csv oder json)</translation>
    </message>
    <message>
        <source>Total: 1 session</source>
        <translation>Summe: 1 Sitzung</translation>
    </message>
    <message numerus="yes">
        <source>Total: %n sessions</source>
        <translation>
            <numerusform>Summe: %n Sitzung</numerusform>
            <numerusform>Summe: %n Sitzungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Traffic In</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Traffic Out</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Traffic Sum</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>no such data folder</source>
        <translation>Datenordner nicht vorhanden</translation>
    </message>
    <message>
        <source>usage: months [--format text|csv|json]</source>
        <translation>Aufruf: months [--format text|csv|json]</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Period start</source>
        <translation>Zeitraum ab</translation>
    </message>
    <message>
        <source>Period end</source>
        <translation>Zeitraum bis</translation>
    </message>
    <message>
        <source>Traffic MB</source>
        <translation>Datenmenge MB</translation>
    </message>
    <message>
        <source>Cap MB</source>
        <translation>Grenze MB</translation>
    </message>
    <message>
        <source>Projected MB</source>
        <translation>Hochgerechnet MB</translation>
    </message>
    <message>
        <source>Cost cap</source>
        <translation>Kostengrenze</translation>
    </message>
    <message>
        <source>Projected cost</source>
        <translation>Kosten hochgerechnet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Tage übrig</translation>
    </message>
    <message>
        <source>MB a day</source>
        <translation>MB pro Tag</translation>
    </message>
    <message>
        <source>Cost a day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>usage: usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily] [--format text|csv|json]</source>
        <translation>Aufruf: usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily] [--format text|csv|json]</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text or json; csv with --daily)</source>
        <translation>unbekanntes Format „%1“ (text oder json; csv mit --daily)</translation>
    </message>
</context>
<context>
    <name>ConfigLists</name>
    <message>
        <source>from %1 to %2 tariff &quot;%3&quot;</source>
        <translation>von %1 bis %2 Tarif „%3“</translation>
    </message>
</context>
<context>
    <name>ConnectionServiceFactory</name>
    <message>
        <source>Invalid simulation scenario: %1</source>
        <translation>Ungültiges Simulationsszenario: %1</translation>
    </message>
    <message>
        <source>Unknown back end &quot;%1&quot; in DIALOMETER_BACKEND (expected networkmanager, pppd or sim).</source>
        <translation>Unbekanntes Backend „%1“ in DIALOMETER_BACKEND (erwartet: networkmanager, pppd oder sim).</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>the file there could not be read, so it is not written over</source>
        <translation>die vorhandene Datei konnte nicht gelesen werden und wird daher nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>DialDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The connection could not be made.</source>
        <translation>Die Verbindung konnte nicht hergestellt werden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt …</translation>
    </message>
</context>
<context>
    <name>FilterExpression</name>
    <message>
        <source>&lt;p&gt;Type text to keep the rows whose cell contains it (case is ignored).&lt;/p&gt;&lt;p&gt;Or compare the cell&apos;s value: &lt;b&gt;=&lt;/b&gt;, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;lt;&lt;/b&gt;, &lt;b&gt;&amp;lt;=&lt;/b&gt;, &lt;b&gt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;gt;=&lt;/b&gt; followed by a number, date, time or duration written as the grid shows them, for example &lt;b&gt;&amp;gt;1000&lt;/b&gt;, &lt;b&gt;&amp;gt;=%1&lt;/b&gt;, &lt;b&gt;&amp;lt;%2&lt;/b&gt; (a duration of an hour and a half).&lt;/p&gt;&lt;p&gt;A date alone stands for the whole day. &lt;b&gt;=&lt;/b&gt; alone keeps empty cells, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt; alone filled ones.&lt;/p&gt;&lt;p&gt;The filter applies as you type. An expression that cannot be read is marked and filters nothing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geben Sie einen Text ein, um die Zeilen zu behalten, deren Zelle ihn enthält (Groß- und Kleinschreibung wird nicht beachtet).&lt;/p&gt;&lt;p&gt;Oder vergleichen Sie den Wert der Zelle: &lt;b&gt;=&lt;/b&gt;, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;lt;&lt;/b&gt;, &lt;b&gt;&amp;lt;=&lt;/b&gt;, &lt;b&gt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;gt;=&lt;/b&gt;, gefolgt von einer Zahl, einem Datum, einer Uhrzeit oder einer Dauer in der Schreibweise der Tabelle, zum Beispiel &lt;b&gt;&amp;gt;1000&lt;/b&gt;, &lt;b&gt;&amp;gt;=%1&lt;/b&gt;, &lt;b&gt;&amp;lt;%2&lt;/b&gt; (eine Dauer von anderthalb Stunden).&lt;/p&gt;&lt;p&gt;Ein Datum allein steht für den ganzen Tag. &lt;b&gt;=&lt;/b&gt; allein behält leere Zellen, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt; allein gefüllte.&lt;/p&gt;&lt;p&gt;Der Filter wirkt während der Eingabe. Ein Ausdruck, der nicht gelesen werden kann, wird markiert und filtert nichts.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>FilterHeader</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;This expression cannot be read; it filters nothing.&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Dieser Ausdruck kann nicht gelesen werden; er filtert nichts.&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filter row</source>
        <translation>Filterzeile</translation>
    </message>
    <message>
        <source>Filter %1</source>
        <translation>%1 filtern</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Cannot be read; filters nothing</source>
        <translation>Kann nicht gelesen werden; filtert nichts</translation>
    </message>
</context>
<context>
    <name>FormParts</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start with the desktop session</source>
        <translation>Mit der &amp;Desktop-Sitzung starten</translation>
    </message>
    <message>
        <source>&amp;Calculate cost</source>
        <translation>&amp;Kosten berechnen</translation>
    </message>
    <message>
        <source>Used user &amp;mode</source>
        <translation>Benutzer&amp;modus verwenden</translation>
    </message>
    <message>
        <source>&amp;Watch every network connection</source>
        <translation>Alle &amp;Netzwerkverbindungen überwachen</translation>
    </message>
    <message>
        <source>Set &amp;password to protect your settings</source>
        <translation>Einstellungen mit &amp;Passwort schützen</translation>
    </message>
    <message>
        <source>Set passwor&amp;d...</source>
        <translation>Passwort &amp;festlegen...</translation>
    </message>
    <message>
        <source>Flying window</source>
        <translation>Schwebendes Fenster</translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>T&amp;ype</source>
        <translation>T&amp;yp</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gefüllt</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Show &amp;vertical axis</source>
        <translation>&amp;Vertikale Achse anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;horizontal axis</source>
        <translation>&amp;Horizontale Achse anzeigen</translation>
    </message>
</context>
<context>
    <name>IdleHangUp</name>
    <message numerus="yes">
        <source>No traffic on %1 for %n minutes: the connection was hung up.</source>
        <translation>
            <numerusform>Kein Datenverkehr auf %1 seit %n Minute: Die Verbindung wurde getrennt.</numerusform>
            <numerusform>Kein Datenverkehr auf %1 seit %n Minuten: Die Verbindung wurde getrennt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListEditorDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MonthStatistics</name>
    <message>
        <source>The statistics file &quot;%1&quot; cannot be opened: %2. The file is left as it is and not written while the program runs, so this month&apos;s connections are kept in memory only.</source>
        <translation>Die Statistikdatei „%1“ kann nicht geöffnet werden: %2. Die Datei bleibt unverändert und wird nicht beschrieben, solange das Programm läuft; die Verbindungen dieses Monats werden daher nur im Speicher gehalten.</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>NetworkManager gave reason %1.</source>
        <translation>NetworkManager nannte den Grund %1.</translation>
    </message>
    <message>
        <source>The reason is unknown.</source>
        <translation>Der Grund ist unbekannt.</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>Es wurde kein Grund genannt.</translation>
    </message>
    <message>
        <source>The connection was disconnected by the user.</source>
        <translation>Die Verbindung wurde vom Benutzer getrennt.</translation>
    </message>
    <message>
        <source>The device was disconnected.</source>
        <translation>Das Gerät wurde getrennt.</translation>
    </message>
    <message>
        <source>The network service stopped.</source>
        <translation>Der Netzwerkdienst wurde beendet.</translation>
    </message>
    <message>
        <source>The IP configuration was invalid.</source>
        <translation>Die IP-Konfiguration war ungültig.</translation>
    </message>
    <message>
        <source>The connection timed out.</source>
        <translation>Zeitüberschreitung der Verbindung.</translation>
    </message>
    <message>
        <source>The VPN service did not start in time.</source>
        <translation>Der VPN-Dienst wurde nicht rechtzeitig gestartet.</translation>
    </message>
    <message>
        <source>The VPN service failed to start.</source>
        <translation>Der VPN-Dienst konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No valid secrets (password) were given.</source>
        <translation>Es wurden keine gültigen Zugangsdaten (Passwort) angegeben.</translation>
    </message>
    <message>
        <source>The login failed.</source>
        <translation>Die Anmeldung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The connection profile was removed.</source>
        <translation>Das Verbindungsprofil wurde entfernt.</translation>
    </message>
    <message>
        <source>A connection it depends on failed.</source>
        <translation>Eine Verbindung, von der sie abhängt, ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The software device could not be created.</source>
        <translation>Das Software-Gerät konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The device was removed.</source>
        <translation>Das Gerät wurde entfernt.</translation>
    </message>
    <message>
        <source>The device is no longer managed.</source>
        <translation>Das Gerät wird nicht mehr verwaltet.</translation>
    </message>
    <message>
        <source>The device could not be configured.</source>
        <translation>Das Gerät konnte nicht konfiguriert werden.</translation>
    </message>
    <message>
        <source>No IP configuration could be obtained.</source>
        <translation>Es konnte keine IP-Konfiguration bezogen werden.</translation>
    </message>
    <message>
        <source>The IP configuration expired.</source>
        <translation>Die IP-Konfiguration ist abgelaufen.</translation>
    </message>
    <message>
        <source>The authentication supplicant disconnected.</source>
        <translation>Der Authentifizierungs-Supplicant hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>The authentication supplicant&apos;s configuration failed.</source>
        <translation>Die Konfiguration des Authentifizierungs-Supplicants ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The authentication supplicant failed.</source>
        <translation>Der Authentifizierungs-Supplicant ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The authentication supplicant timed out.</source>
        <translation>Zeitüberschreitung beim Authentifizierungs-Supplicant.</translation>
    </message>
    <message>
        <source>The PPP service failed to start.</source>
        <translation>Der PPP-Dienst konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The PPP service disconnected.</source>
        <translation>Der PPP-Dienst hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>The PPP service failed.</source>
        <translation>Der PPP-Dienst ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DHCP client failed to start.</source>
        <translation>Der DHCP-Client konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The DHCP client reported an error.</source>
        <translation>Der DHCP-Client hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The DHCP client failed.</source>
        <translation>Der DHCP-Client ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The shared connection service failed to start.</source>
        <translation>Der Dienst für gemeinsam genutzte Verbindungen konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The shared connection service failed.</source>
        <translation>Der Dienst für gemeinsam genutzte Verbindungen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The link-local addressing service failed to start.</source>
        <translation>Der Dienst für Link-Local-Adressen konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The link-local addressing service reported an error.</source>
        <translation>Der Dienst für Link-Local-Adressen hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The link-local addressing service failed.</source>
        <translation>Der Dienst für Link-Local-Adressen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>Die Leitung ist besetzt.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>Es gibt kein Freizeichen.</translation>
    </message>
    <message>
        <source>No carrier could be established.</source>
        <translation>Es konnte kein Träger aufgebaut werden.</translation>
    </message>
    <message>
        <source>The dialing request timed out.</source>
        <translation>Zeitüberschreitung bei der Wählanforderung.</translation>
    </message>
    <message>
        <source>The dialing attempt failed.</source>
        <translation>Der Wählversuch ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The modem could not be initialized.</source>
        <translation>Das Modem konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>The access point name (APN) could not be selected.</source>
        <translation>Der Zugangspunkt (APN) konnte nicht ausgewählt werden.</translation>
    </message>
    <message>
        <source>The modem is not searching for a network.</source>
        <translation>Das Modem sucht nicht nach einem Netz.</translation>
    </message>
    <message>
        <source>Registration with the network was denied.</source>
        <translation>Die Anmeldung am Netz wurde abgelehnt.</translation>
    </message>
    <message>
        <source>Registration with the network timed out.</source>
        <translation>Zeitüberschreitung bei der Anmeldung am Netz.</translation>
    </message>
    <message>
        <source>Registration with the network failed.</source>
        <translation>Die Anmeldung am Netz ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The SIM PIN check failed.</source>
        <translation>Die Prüfung der SIM-PIN ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The device&apos;s firmware is missing.</source>
        <translation>Die Firmware des Geräts fehlt.</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep.</source>
        <translation>NetworkManager wurde in den Ruhezustand versetzt.</translation>
    </message>
    <message>
        <source>The carrier (cable or line) was lost.</source>
        <translation>Der Träger (Kabel oder Leitung) ist verloren gegangen.</translation>
    </message>
    <message>
        <source>The modem was not found.</source>
        <translation>Das Modem wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed.</source>
        <translation>Die Bluetooth-Verbindung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>No SIM card is inserted.</source>
        <translation>Es ist keine SIM-Karte eingelegt.</translation>
    </message>
    <message>
        <source>The SIM PIN is required.</source>
        <translation>Die SIM-PIN wird benötigt.</translation>
    </message>
    <message>
        <source>The SIM PUK is required.</source>
        <translation>Die SIM-PUK wird benötigt.</translation>
    </message>
    <message>
        <source>The SIM card is the wrong one.</source>
        <translation>Es ist die falsche SIM-Karte eingelegt.</translation>
    </message>
    <message>
        <source>The InfiniBand mode is not supported.</source>
        <translation>Der InfiniBand-Modus wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The ADSL (RFC 2684) bridge failed.</source>
        <translation>Die ADSL-Bridge (RFC 2684) ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>ModemManager is not available.</source>
        <translation>ModemManager ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found.</source>
        <translation>Das WLAN wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>A secondary connection failed.</source>
        <translation>Eine sekundäre Verbindung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DCB or FCoE setup failed.</source>
        <translation>Die Einrichtung von DCB oder FCoE ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The teamd control failed.</source>
        <translation>Die Steuerung von teamd ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The modem failed.</source>
        <translation>Das Modem ist ausgefallen.</translation>
    </message>
    <message>
        <source>The SIM PIN was incorrect.</source>
        <translation>Die SIM-PIN war falsch.</translation>
    </message>
    <message>
        <source>Another connection was activated on the device.</source>
        <translation>Auf dem Gerät wurde eine andere Verbindung aktiviert.</translation>
    </message>
    <message>
        <source>The parent device changed.</source>
        <translation>Das übergeordnete Gerät hat sich geändert.</translation>
    </message>
    <message>
        <source>The parent device&apos;s management changed.</source>
        <translation>Die Verwaltung des übergeordneten Geräts hat sich geändert.</translation>
    </message>
    <message>
        <source>The Open vSwitch database failed.</source>
        <translation>Die Open-vSwitch-Datenbank ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The IP address is already in use on the network.</source>
        <translation>Die IP-Adresse wird im Netz bereits verwendet.</translation>
    </message>
    <message>
        <source>The IP method is not supported.</source>
        <translation>Die IP-Methode wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The SR-IOV configuration failed.</source>
        <translation>Die SR-IOV-Konfiguration ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The peer was not found.</source>
        <translation>Die Gegenstelle wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>NetworkManager is not running.</source>
        <translation>NetworkManager läuft nicht.</translation>
    </message>
    <message>
        <source>There is no connection profile named “%1”.</source>
        <translation>Es gibt kein Verbindungsprofil namens „%1“.</translation>
    </message>
    <message>
        <source>Connections are edited with the network connection editor (%1), which is not installed. Install the package network-manager-gnome, or edit the connections in the network settings of your desktop.</source>
        <translation>Verbindungen werden mit dem Verbindungseditor (%1) bearbeitet, der nicht installiert ist. Installieren Sie das Paket network-manager-gnome oder bearbeiten Sie die Verbindungen in den Netzwerkeinstellungen Ihrer Arbeitsumgebung.</translation>
    </message>
</context>
<context>
    <name>NetworkManagerDialAttempt</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt …</translation>
    </message>
    <message>
        <source>NetworkManager stopped.</source>
        <translation>NetworkManager wurde beendet.</translation>
    </message>
</context>
<context>
    <name>PhonebookDialog</name>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>An entry needs a name.</source>
        <translation>Ein Eintrag braucht einen Namen.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; is listed twice.</source>
        <translation>Der Eintrag „%1“ ist doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>Entry name:</source>
        <translation>Name des Eintrags:</translation>
    </message>
</context>
<context>
    <name>PlanBox</name>
    <message>
        <source>Plan</source>
        <translation>Tarifplan</translation>
    </message>
    <message>
        <source>A day past the end of a month means the month&apos;s last day</source>
        <translation>Ein Tag nach dem Monatsende steht für den letzten Tag des Monats</translation>
    </message>
    <message>
        <source>Period &amp;begins on day</source>
        <translation>Zeitraum &amp;beginnt am Tag</translation>
    </message>
    <message>
        <source>Warn when this share of a cap is used</source>
        <translation>Warnen, wenn dieser Anteil einer Grenze verbraucht ist</translation>
    </message>
    <message>
        <source>&amp;Warn at</source>
        <translation>&amp;Warnen bei</translation>
    </message>
    <message>
        <source>Warn at percent of a cap</source>
        <translation>Warnen bei Prozent einer Grenze</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Tra&amp;ffic cap</source>
        <translation>&amp;Volumengrenze</translation>
    </message>
    <message>
        <source>Traffic cap in MB</source>
        <translation>Volumengrenze in MB</translation>
    </message>
    <message>
        <source>Megabytes received plus sent per period</source>
        <translation>Empfangene plus gesendete Megabyte je Zeitraum</translation>
    </message>
    <message>
        <source>C&amp;ost cap</source>
        <translation>K&amp;ostengrenze</translation>
    </message>
    <message>
        <source>&amp;Hang up when a cap is reached</source>
        <translation>Verbindung t&amp;rennen, wenn eine Grenze erreicht ist</translation>
    </message>
</context>
<context>
    <name>PlanTracker</name>
    <message>
        <source>The plan&apos;s traffic cap for %1 is reached: the connection was hung up.</source>
        <translation>Das Datenvolumen des Tarifs für %1 ist erreicht: Die Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>The plan&apos;s cost cap for %1 is reached: the connection was hung up.</source>
        <translation>Die Kostengrenze des Tarifs für %1 ist erreicht: Die Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>The plan&apos;s traffic cap for %1 is reached.</source>
        <translation>Das Datenvolumen des Tarifs für %1 ist erreicht.</translation>
    </message>
    <message>
        <source>The plan&apos;s cost cap for %1 is reached.</source>
        <translation>Die Kostengrenze des Tarifs für %1 ist erreicht.</translation>
    </message>
    <message>
        <source>%1 has used %2% of the plan&apos;s traffic cap.</source>
        <translation>%1 hat %2 % des Datenvolumens des Tarifs verbraucht.</translation>
    </message>
    <message>
        <source>%1 has used %2% of the plan&apos;s cost cap.</source>
        <translation>%1 hat %2 % der Kostengrenze des Tarifs verbraucht.</translation>
    </message>
    <message>
        <source>Plan: %1 of %2 (%3%)</source>
        <translation>Tarifplan: %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>Plan: %1 of %2 (%3%), period end about %4</source>
        <translation>Tarifplan: %1 von %2 (%3 %), zum Ende des Zeitraums etwa %4</translation>
    </message>
</context>
<context>
    <name>PppdDialAttempt</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt …</translation>
    </message>
    <message>
        <source>pppd stopped unexpectedly.</source>
        <translation>pppd wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>Could not connect: %1 (pppd exit status %2).</source>
        <translation>Verbindung fehlgeschlagen: %1 (Exit-Status von pppd %2).</translation>
    </message>
    <message>
        <source>%1 could not be run (%2). Is the ppp package installed?</source>
        <translation>%1 konnte nicht ausgeführt werden (%2). Ist das Paket ppp installiert?</translation>
    </message>
</context>
<context>
    <name>PppdExitStatus</name>
    <message>
        <source>pppd ended without a connection</source>
        <translation>pppd wurde ohne Verbindung beendet</translation>
    </message>
    <message>
        <source>pppd met a fatal error</source>
        <translation>pppd hatte einen schwerwiegenden Fehler</translation>
    </message>
    <message>
        <source>the peer&apos;s options are invalid</source>
        <translation>die Optionen der Gegenstelle sind ungültig</translation>
    </message>
    <message>
        <source>pppd is not installed setuid-root and was not run by root</source>
        <translation>pppd ist nicht setuid-root installiert und wurde nicht von root gestartet</translation>
    </message>
    <message>
        <source>the kernel does not support PPP</source>
        <translation>der Kernel unterstützt PPP nicht</translation>
    </message>
    <message>
        <source>pppd was stopped by a signal</source>
        <translation>pppd wurde durch ein Signal beendet</translation>
    </message>
    <message>
        <source>the serial port could not be locked</source>
        <translation>die serielle Schnittstelle konnte nicht gesperrt werden</translation>
    </message>
    <message>
        <source>the serial port could not be opened</source>
        <translation>die serielle Schnittstelle konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the connect script failed (no answer, busy or no carrier)</source>
        <translation>das Verbindungsskript ist fehlgeschlagen (keine Antwort, besetzt oder kein Träger)</translation>
    </message>
    <message>
        <source>the pty command could not be run</source>
        <translation>der pty-Befehl konnte nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>the PPP negotiation failed</source>
        <translation>die PPP-Aushandlung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the peer failed to authenticate itself</source>
        <translation>die Gegenstelle konnte sich nicht authentifizieren</translation>
    </message>
    <message>
        <source>the link was idle and was ended</source>
        <translation>die Verbindung war untätig und wurde beendet</translation>
    </message>
    <message>
        <source>the connect time limit was reached</source>
        <translation>die maximale Verbindungsdauer wurde erreicht</translation>
    </message>
    <message>
        <source>callback was negotiated; an incoming call is expected</source>
        <translation>ein Rückruf wurde vereinbart; ein eingehender Anruf wird erwartet</translation>
    </message>
    <message>
        <source>the peer stopped answering</source>
        <translation>die Gegenstelle antwortet nicht mehr</translation>
    </message>
    <message>
        <source>the modem hung up</source>
        <translation>das Modem hat aufgelegt</translation>
    </message>
    <message>
        <source>a loopback was detected on the serial line</source>
        <translation>auf der seriellen Leitung wurde eine Schleife erkannt</translation>
    </message>
    <message>
        <source>the init script failed</source>
        <translation>das Initialisierungsskript ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>authentication to the peer failed (user name or password)</source>
        <translation>die Authentifizierung bei der Gegenstelle ist fehlgeschlagen (Benutzername oder Passwort)</translation>
    </message>
    <message>
        <source>pppd failed</source>
        <translation>pppd ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>PppdService</name>
    <message>
        <source>There is no peer &quot;%1&quot; in %2.</source>
        <translation>In %2 gibt es keine Gegenstelle „%1“.</translation>
    </message>
    <message>
        <source>pppd&apos;s connections are the peer files in %1. Edit them as root with a text editor (see the pppd and pon manual pages).</source>
        <translation>Die Verbindungen von pppd sind die Dateien der Gegenstellen in %1. Bearbeiten Sie sie als root mit einem Texteditor (siehe die Handbuchseiten von pppd und pon).</translation>
    </message>
</context>
<context>
    <name>ProgramState</name>
    <message>
        <source>The configuration file &quot;%1&quot; cannot be opened: %2. The file is left as it is and not written while the program runs; the program starts with empty settings and does not save them.</source>
        <translation>Die Konfigurationsdatei „%1“ kann nicht geöffnet werden: %2. Die Datei bleibt unverändert und wird nicht geschrieben, solange das Programm läuft; das Programm startet mit leeren Einstellungen und speichert sie nicht.</translation>
    </message>
    <message>
        <source>Dialometer could not save the statistics to %1: %2. The connection is kept and saved again later.</source>
        <translation>Dialometer konnte die Statistik nicht in %1 speichern: %2. Die Verbindung bleibt erhalten und wird später erneut gespeichert.</translation>
    </message>
    <message>
        <source>The plan&apos;s cap for %1 is reached. Dial anyway?</source>
        <translation>Das Limit des Tarifplans für %1 ist erreicht. Trotzdem wählen?</translation>
    </message>
</context>
<context>
    <name>ProviderIdleBox</name>
    <message>
        <source>Idle line</source>
        <translation>Leerlauf</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Hang up when idle for minutes</source>
        <translation>Bei Leerlauf trennen nach Minuten</translation>
    </message>
    <message>
        <source>Hang up when the line has carried almost nothing for this long; never for 0</source>
        <translation>Die Verbindung trennen, wenn die Leitung so lange fast nichts übertragen hat; nie bei 0</translation>
    </message>
    <message>
        <source>Hang up whe&amp;n idle for</source>
        <translation>Bei Leerlauf trennen &amp;nach</translation>
    </message>
    <message>
        <source> bytes/s</source>
        <translation> Byte/s</translation>
    </message>
    <message>
        <source>Idle is less than bytes per second</source>
        <translation>Leerlauf heißt weniger als Byte pro Sekunde</translation>
    </message>
    <message>
        <source>Received plus sent, on average over those minutes</source>
        <translation>Empfangen plus gesendet, im Mittel über diese Minuten</translation>
    </message>
    <message>
        <source>Idle is le&amp;ss than</source>
        <translation>Leerlauf &amp;heißt weniger als</translation>
    </message>
</context>
<context>
    <name>SessionMonitor</name>
    <message>
        <source>Connected...</source>
        <translation>Verbunden …</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Verbindung: %1</translation>
    </message>
    <message>
        <source>Speed: %1 KBps</source>
        <translation>Geschwindigkeit: %1 KBps</translation>
    </message>
    <message>
        <source>Disconnected...</source>
        <translation>Getrennt …</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Sent: %1 bytes</source>
        <translation>Gesendet: %1 Bytes</translation>
    </message>
    <message>
        <source>Received: %1 bytes</source>
        <translation>Empfangen: %1 Bytes</translation>
    </message>
</context>
<context>
    <name>SettingsPageHost</name>
    <message>
        <source>Enter new password</source>
        <translation>Neues Passwort eingeben</translation>
    </message>
    <message>
        <source>Re-enter password</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>Incorrect password !!!</source>
        <translation>Falsches Passwort!</translation>
    </message>
</context>
<context>
    <name>SimulatedModemService</name>
    <message>
        <source>There is no phonebook entry &quot;%1&quot;.</source>
        <translation>Es gibt keinen Telefonbucheintrag „%1“.</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt …</translation>
    </message>
    <message>
        <source>The simulated modem&apos;s phonebook is edited here.</source>
        <translation>Das Telefonbuch des simulierten Modems wird hier bearbeitet.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Another instance holds %1</source>
        <translation>Eine andere Instanz des Programms hält %1</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>StatisticChart</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Traffic In</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Traffic Out</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Chart quantity</source>
        <translation>Größe im Diagramm</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the month, %n points</source>
        <translation>
            <numerusform>%1 des Monats, %n Punkt</numerusform>
            <numerusform>%1 des Monats, %n Punkte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticFooter</name>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>StatisticModel</name>
    <message>
        <source>ISP</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Traffic In</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Traffic Out</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Traffic Sum</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Click to sort by %1</source>
        <translation>Klicken, um nach %1 zu sortieren</translation>
    </message>
</context>
<context>
    <name>StatisticSearchDialog</name>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Nach oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>Match ca&amp;se</source>
        <translation>Groß-/Kleinschreibung &amp;beachten</translation>
    </message>
    <message>
        <source>Match displayed &amp;format</source>
        <translation>Angezeigtes &amp;Format vergleichen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>Alle Spalten</translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation>Beliebiger Teil des Feldes</translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation>Ganzes Feld</translation>
    </message>
    <message>
        <source>Beginning of field</source>
        <translation>Anfang des Feldes</translation>
    </message>
    <message>
        <source>Find &amp;what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;In column:</source>
        <translation>In Spal&amp;te:</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>&amp;Vergleich:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchrichtung</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
</context>
<context>
    <name>StatisticsLog</name>
    <message>
        <source>The statistics document has no root element.</source>
        <translation>Das Statistikdokument hat kein Wurzelelement.</translation>
    </message>
    <message>
        <source>The statistics document has no Struct element.</source>
        <translation>Das Statistikdokument hat kein Struct-Element.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; has an unknown data type &quot;%2&quot;.</source>
        <translation>Die Spalte „%1“ hat einen unbekannten Datentyp „%2“.</translation>
    </message>
    <message>
        <source>The statistics document has no Data element.</source>
        <translation>Das Statistikdokument hat kein Data-Element.</translation>
    </message>
    <message>
        <source>Field &apos;TrafficIn&apos; not found.</source>
        <translation>Das Feld „TrafficIn“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Field &apos;TrafficOut&apos; not found.</source>
        <translation>Das Feld „TrafficOut“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>TISPEdit</name>
    <message>
        <source>ISP</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>ISP already exist</source>
        <translation>Diesen Anbieter gibt es bereits</translation>
    </message>
    <message>
        <source>Delete setting for ISP?</source>
        <translation>Einstellungen des Anbieters löschen?</translation>
    </message>
</context>
<context>
    <name>TISPList</name>
    <message>
        <source>ISP List</source>
        <translation>Anbieterliste</translation>
    </message>
    <message>
        <source>Phonebook entries</source>
        <translation>Telefonbucheinträge</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>If you will close program now, connection data may be incorrect.<byte value="xd"/>
Do you want to close the program?</source>
        <translation>Wenn Sie das Programm jetzt beenden, können die Verbindungsdaten falsch sein.<byte value="xd"/>
Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Current connection:</source>
        <translation>Diese Verbindung:</translation>
    </message>
    <message>
        <source>Current month:</source>
        <translation>Dieser Monat:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Bytes:</source>
        <translation>Bytes:</translation>
    </message>
    <message>
        <source>Packs:</source>
        <translation>Pakete:</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>Kompression:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Disconnected...</source>
        <translation>Getrennt...</translation>
    </message>
    <message>
        <source>Tariff in force</source>
        <translation>Gültiger Tarif</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Tarifplan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Dialometer</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>Plan</source>
        <translation>Tarifplan</translation>
    </message>
    <message>
        <source>&amp;Provider:</source>
        <translation>&amp;Anbieter:</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>No provider has a plan with a traffic or cost cap. A plan is set in Settings &gt; Tariffs &gt; Plan.</source>
        <translation>Kein Anbieter hat einen Tarif mit Datenvolumen oder Kostengrenze. Ein Tarif wird unter Einstellungen &gt; Tarife &gt; Tarif festgelegt.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbraucht</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Hochrechnung</translation>
    </message>
    <message>
        <source>Use by day</source>
        <translation>Verbrauch pro Tag</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Zeitraum: %1 bis %2</translation>
    </message>
    <message>
        <source>Days left: %1</source>
        <translation>Verbleibende Tage: %1</translation>
    </message>
    <message>
        <source>About %1 MB a day keeps you under the cap</source>
        <translation>Mit etwa %1 MB am Tag bleiben Sie unter der Grenze</translation>
    </message>
    <message>
        <source>The traffic cap is reached.</source>
        <translation>Das Datenvolumen ist erreicht.</translation>
    </message>
    <message>
        <source>About %1 a day keeps you under the cost cap</source>
        <translation>Mit etwa %1 am Tag bleiben Sie unter der Kostengrenze</translation>
    </message>
    <message>
        <source>The cost cap is reached.</source>
        <translation>Die Kostengrenze ist erreicht.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>MB a day</source>
        <translation>MB pro Tag</translation>
    </message>
    <message>
        <source>Cost a day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>Traffic by day: %1</source>
        <translation>Datenverkehr pro Tag: %1</translation>
    </message>
    <message>
        <source>Cost by day: %1</source>
        <translation>Kosten pro Tag: %1</translation>
    </message>
</context>
<context>
    <name>TRangeTimeEdit</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>Tariff &amp;name</source>
        <translation>Tarif&amp;name</translation>
    </message>
    <message>
        <source>Edit tariff type</source>
        <translation>Tarifart bearbeiten</translation>
    </message>
    <message>
        <source>Incorrect time range!!!</source>
        <translation>Ungültiger Zeitraum!</translation>
    </message>
    <message>
        <source>Choose tariff type</source>
        <translation>Bitte eine Tarifart wählen</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>A&amp;llgemein</translation>
    </message>
    <message>
        <source>&amp;Tariffs</source>
        <translation>&amp;Tarife</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>Ben&amp;utzer</translation>
    </message>
    <message>
        <source>Traffic g&amp;raph</source>
        <translation>Verkehrs&amp;grafik</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Falsches Passwort</translation>
    </message>
</context>
<context>
    <name>TStatistic</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Data file (*.sn2)</source>
        <translation>Datendatei (*.sn2)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden …</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren …</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>F&amp;ind...</source>
        <translation>&amp;Suchen …</translation>
    </message>
    <message>
        <source>Find Nex&amp;t</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Sort by This Column</source>
        <translation>Nach dieser Spalte s&amp;ortieren</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Previous month</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <source>&amp;Next month</source>
        <translation>&amp;Nächster Monat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: the file is damaged or is not a statistics file.</source>
        <translation>„%1“ kann nicht gelesen werden: Die Datei ist beschädigt oder keine Statistikdatei.</translation>
    </message>
    <message>
        <source>Export writes a CSV file and never a statistics file. Choose a name that does not end in .sn2.</source>
        <translation>Der Export schreibt eine CSV-Datei und nie eine Statistikdatei. Wählen Sie einen Namen, der nicht auf .sn2 endet.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>TTariffTypesEdit</name>
    <message>
        <source>Tariff types</source>
        <translation>Tarifarten</translation>
    </message>
    <message>
        <source>Tariff types already exist</source>
        <translation>Diese Tarifart gibt es bereits</translation>
    </message>
    <message>
        <source>Delete tariff type?</source>
        <translation>Tarifart löschen?</translation>
    </message>
    <message>
        <source>Tariff type is used</source>
        <translation>Die Tarifart wird verwendet</translation>
    </message>
</context>
<context>
    <name>TTypesEdit</name>
    <message>
        <source>Cost for 1 minute</source>
        <translation>Kosten für 1 Minute</translation>
    </message>
    <message>
        <source>Cost for 1Mb received bytes</source>
        <translation>Kosten für 1Mb empfangene Bytes</translation>
    </message>
    <message>
        <source>Cost for 1Mb sent bytes</source>
        <translation>Kosten für 1Mb gesendete Bytes</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Bitte einen Namen eingeben</translation>
    </message>
    <message>
        <source>Enter cost value</source>
        <translation>Bitte einen Preis eingeben</translation>
    </message>
</context>
<context>
    <name>TariffTexts</name>
    <message>
        <source>%1 until %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 an hour</source>
        <translation>%1 pro Stunde</translation>
    </message>
    <message>
        <source>Cheapest within %1 h: %2</source>
        <translation>Am günstigsten innerhalb von %1 h: %2</translation>
    </message>
</context>
<context>
    <name>TariffsPage</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>&amp;ISP</source>
        <translation>Anb&amp;ieter</translation>
    </message>
    <message>
        <source>Edit ISP</source>
        <translation>Anbieter bearbeiten</translation>
    </message>
    <message>
        <source>Default &amp;cost</source>
        <translation>Standard&amp;kosten</translation>
    </message>
    <message>
        <source>Edit tariff type</source>
        <translation>Tarifart bearbeiten</translation>
    </message>
    <message>
        <source>Time ranges by day</source>
        <translation>Zeiträume nach Tagen</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearb&amp;eiten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>&amp;Pay</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>Pay for start of connection</source>
        <translation>Preis je Verbindungsaufbau</translation>
    </message>
    <message>
        <source>for start of connection</source>
        <translation>je Verbindungsaufbau</translation>
    </message>
    <message>
        <source>Delete tariff?</source>
        <translation>Tarif löschen?</translation>
    </message>
</context>
<context>
    <name>TfrmAuthorization</name>
    <message>
        <source>Log in within 30 seconds or the line is hung up</source>
        <translation>Melden Sie sich innerhalb von 30 Sekunden an, sonst wird die Verbindung getrennt</translation>
    </message>
    <message>
        <source>Authorization</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <source>Disconnect (%1)</source>
        <translation>Verbindung trennen (%1)</translation>
    </message>
    <message>
        <source>Select user</source>
        <translation>Wählen Sie einen Benutzer</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Geben Sie das Passwort ein</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Falsches Passwort</translation>
    </message>
</context>
<context>
    <name>TfrmPasswordBox</name>
    <message>
        <source>Enter password</source>
        <translation>Geben Sie das Passwort ein</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show counter</source>
        <translation>Zähler anzeigen</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Tarifplan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Dialometer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einrichten</translation>
    </message>
</context>
<context>
    <name>UsersPage</name>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearb&amp;eiten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>New user</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <source>Enter user name</source>
        <translation>Benutzernamen eingeben</translation>
    </message>
    <message>
        <source>User already exist</source>
        <translation>Diesen Benutzer gibt es bereits</translation>
    </message>
    <message>
        <source>Edit user</source>
        <translation>Benutzer bearbeiten</translation>
    </message>
    <message>
        <source>Delete user?</source>
        <translation>Benutzer löschen?</translation>
    </message>
</context>
<context>
    <name>XmlDocument</name>
    <message>
        <source>unsupported encoding &quot;%1&quot;</source>
        <translation>nicht unterstützte Kodierung „%1“</translation>
    </message>
    <message>
        <source>the text is not valid %1 at byte %2</source>
        <translation>der Text ist bei Byte %2 kein gültiges %1</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 at byte %1</source>
        <translation>der Text ist bei Byte %1 kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 at byte %1 and declares no other encoding</source>
        <translation>der Text ist bei Byte %1 kein gültiges UTF-8 und gibt keine andere Kodierung an</translation>
    </message>
    <message>
        <source>no XML document element</source>
        <translation>kein XML-Dokumentelement</translation>
    </message>
    <message>
        <source>text before the document element at byte %1</source>
        <translation>Text vor dem Dokumentelement bei Byte %1</translation>
    </message>
    <message>
        <source>more than one document element</source>
        <translation>mehr als ein Dokumentelement</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Dialometer already run!!!</source>
        <translation>Dialometer läuft bereits!</translation>
    </message>
    <message>
        <source>Watches the active dial-up or metered connection from the system tray
and counts what it costs.

Environment:
  DIALOMETER_HOME     data folder (configuration and Logs)
  DIALOMETER_BACKEND  networkmanager, pppd or sim
  DIALOMETER_SIM      scenario file of the simulated modem</source>
        <translation>Überwacht die aktive Wähl- oder Volumenverbindung aus dem Systemabschnitt der Kontrollleiste
und zählt, was sie kostet.

Umgebung:
  DIALOMETER_HOME     Datenordner (Konfiguration und Logs)
  DIALOMETER_BACKEND  networkmanager, pppd oder sim
  DIALOMETER_SIM      Szenariodatei des simulierten Modems</translation>
    </message>
    <message>
        <source>Run on the simulated modem with its demo scenario, in a data folder of its own.</source>
        <translation>Mit dem simulierten Modem und seinem Demo-Szenario in einem eigenen Datenordner laufen.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>No connection service is available.</source>
        <translation>Kein Verbindungsdienst verfügbar.</translation>
    </message>
</context>
</TS>
