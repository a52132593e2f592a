<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ConfigLists</name>
    <message>
        <source>from %1 to %2 tariff &quot;%3&quot;</source>
        <translation>von %1 bis %2 Tarif „%3“</translation>
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
    <name>TPlan</name>
    <message>
        <source>Plan</source>
        <translation type="unfinished">Tarifplan</translation>
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
</TS>
