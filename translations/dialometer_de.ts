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
    <name>DialDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The connection could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>NetworkManager gave reason %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reason is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection was disconnected by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device was disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network service stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP configuration was invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VPN service did not start in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VPN service failed to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid secrets (password) were given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The login failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection profile was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A connection it depends on failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The software device could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is no longer managed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device could not be configured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No IP configuration could be obtained.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP configuration expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authentication supplicant disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authentication supplicant&apos;s configuration failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authentication supplicant failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authentication supplicant timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PPP service failed to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PPP service disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PPP service failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DHCP client failed to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DHCP client reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DHCP client failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared connection service failed to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared connection service failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link-local addressing service failed to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link-local addressing service reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link-local addressing service failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No carrier could be established.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dialing request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dialing attempt failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem could not be initialized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The access point name (APN) could not be selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem is not searching for a network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration with the network was denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration with the network timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration with the network failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM PIN check failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device&apos;s firmware is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkManager went to sleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The carrier (cable or line) was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bluetooth connection failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No SIM card is inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM PIN is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM PUK is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM card is the wrong one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The InfiniBand mode is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ADSL (RFC 2684) bridge failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A secondary connection failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DCB or FCoE setup failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The teamd control failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM PIN was incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another connection was activated on the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parent device changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parent device&apos;s management changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Open vSwitch database failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP address is already in use on the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP method is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SR-IOV configuration failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The peer was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkManager is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no connection profile named “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connections are edited with the network connection editor (%1), which is not installed. Install the package network-manager-gnome, or edit the connections in the network settings of your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkManagerDialAttempt</name>
    <message>
        <source>Connecting to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkManager stopped.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An entry needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; is listed twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Provider:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No provider has a plan with a traffic or cost cap. A plan is set in Settings &gt; Tariffs &gt; Plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use by day</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The traffic cap is reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 a day keeps you under the cost cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cost cap is reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traffic by day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost by day: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
