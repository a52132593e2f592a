<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
