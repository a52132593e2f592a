<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DialDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The connection could not be made.</source>
        <translation>Не удалось установить подключение.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Подключение к %1…</translation>
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
        <translation>Телефонная книга</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>An entry needs a name.</source>
        <translation>У записи должно быть имя.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; is listed twice.</source>
        <translation>Запись «%1» указана дважды.</translation>
    </message>
    <message>
        <source>Entry name:</source>
        <translation>Имя записи:</translation>
    </message>
</context>
<context>
    <name>ProgramState</name>
    <message>
        <source>The configuration file &quot;%1&quot; cannot be opened: %2. The file is left as it is and not written while the program runs; the program starts with empty settings and does not save them.</source>
        <translation>Не удаётся открыть файл конфигурации «%1»: %2. Файл остаётся без изменений и не записывается, пока программа работает; программа запускается с пустыми настройками и не сохраняет их.</translation>
    </message>
    <message>
        <source>Dialometer could not save the statistics to %1: %2. The connection is kept and saved again later.</source>
        <translation>Dialometer не удалось сохранить статистику в %1: %2. Сведения о подключении сохранены и будут записаны позже.</translation>
    </message>
    <message>
        <source>The plan&apos;s cap for %1 is reached. Dial anyway?</source>
        <translation>Лимит тарифного плана для %1 исчерпан. Всё равно подключиться?</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>Another instance holds %1</source>
        <translation>%1 занят другим экземпляром программы</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Не удаётся заблокировать %1: %2</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>If you will close program now, connection data may be incorrect.<byte value="xd"/>
Do you want to close the program?</source>
        <translation>Если закрыть программу сейчас, данные о подключении могут оказаться неверными.<byte value="xd"/>
Закрыть программу?</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Абонент</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Стоимость</translation>
    </message>
    <message>
        <source>Current connection:</source>
        <translation>Это подключение:</translation>
    </message>
    <message>
        <source>Current month:</source>
        <translation>Этот месяц:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Послано</translation>
    </message>
    <message>
        <source>Bytes:</source>
        <translation>Байт:</translation>
    </message>
    <message>
        <source>Packs:</source>
        <translation>Пакетов:</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>Сжатие:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скор.:</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Disconnected...</source>
        <translation>Отключено...</translation>
    </message>
    <message>
        <source>Tariff in force</source>
        <translation>Действующий тариф</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Тарифный план</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Подключения</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
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
        <translation>Период: с %1 по %2</translation>
    </message>
    <message>
        <source>Days left: %1</source>
        <translation>Осталось дней: %1</translation>
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
        <translation>Войдите в течение 30 секунд, иначе линия будет отключена</translation>
    </message>
    <message>
        <source>Authorization</source>
        <translation>Авторизация</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Disconnect (%1)</source>
        <translation>Отключиться (%1)</translation>
    </message>
    <message>
        <source>Select user</source>
        <translation>Выберите пользователя</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Неверный пароль</translation>
    </message>
</context>
<context>
    <name>TfrmPasswordBox</name>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Пароль</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show counter</source>
        <translation>Показать счётчик</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Тарифный план</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Подключения</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настроить</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Dialometer already run!!!</source>
        <translation>Dialometer уже запущен!</translation>
    </message>
    <message>
        <source>Watches the active dial-up or metered connection from the system tray
and counts what it costs.

Environment:
  DIALOMETER_HOME     data folder (configuration and Logs)
  DIALOMETER_BACKEND  networkmanager, pppd or sim
  DIALOMETER_SIM      scenario file of the simulated modem</source>
        <translation>Следит за активным коммутируемым или лимитным подключением из системного лотка
и подсчитывает его стоимость.

Переменные окружения:
  DIALOMETER_HOME     папка данных (конфигурация и Logs)
  DIALOMETER_BACKEND  networkmanager, pppd или sim
  DIALOMETER_SIM      файл сценария имитируемого модема</translation>
    </message>
    <message>
        <source>Run on the simulated modem with its demo scenario, in a data folder of its own.</source>
        <translation>Работать с имитируемым модемом по демонстрационному сценарию в отдельной папке данных.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>неожиданный аргумент %1</translation>
    </message>
    <message>
        <source>No connection service is available.</source>
        <translation>Нет доступной службы подключений.</translation>
    </message>
</context>
</TS>
