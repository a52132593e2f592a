<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ConfigLists</name>
    <message>
        <source>from %1 to %2 tariff &quot;%3&quot;</source>
        <translation>с %1 до %2, тариф «%3»</translation>
    </message>
</context>
<context>
    <name>DialDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start with the desktop session</source>
        <translation>&amp;Запускать вместе с сеансом рабочего стола</translation>
    </message>
    <message>
        <source>&amp;Calculate cost</source>
        <translation>&amp;Считать стоимость</translation>
    </message>
    <message>
        <source>Used user &amp;mode</source>
        <translation>&amp;Использовать режим пользователей</translation>
    </message>
    <message>
        <source>&amp;Watch every network connection</source>
        <translation>Следить за &amp;всеми сетевыми подключениями</translation>
    </message>
    <message>
        <source>Set &amp;password to protect your settings</source>
        <translation>Защищать настройки п&amp;аролем</translation>
    </message>
    <message>
        <source>Set passwor&amp;d...</source>
        <translation>Задать паро&amp;ль...</translation>
    </message>
    <message>
        <source>Flying window</source>
        <translation>Плавающее окно</translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>T&amp;ype</source>
        <translation>Ви&amp;д</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>С заливкой</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Show &amp;vertical axis</source>
        <translation>Показывать &amp;вертикальную ось</translation>
    </message>
    <message>
        <source>Show &amp;horizontal axis</source>
        <translation>Показывать гори&amp;зонтальную ось</translation>
    </message>
</context>
<context>
    <name>ListEditorDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
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
        <translation>Тарифный план</translation>
    </message>
    <message>
        <source>A day past the end of a month means the month&apos;s last day</source>
        <translation>День после конца месяца означает последний день месяца</translation>
    </message>
    <message>
        <source>Period &amp;begins on day</source>
        <translation>&amp;Начало периода, день</translation>
    </message>
    <message>
        <source>Warn when this share of a cap is used</source>
        <translation>Предупреждать, когда израсходована эта доля лимита</translation>
    </message>
    <message>
        <source>&amp;Warn at</source>
        <translation>Пр&amp;едупреждать при</translation>
    </message>
    <message>
        <source>Warn at percent of a cap</source>
        <translation>Предупреждать при проценте лимита</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Tra&amp;ffic cap</source>
        <translation>Лимит тра&amp;фика</translation>
    </message>
    <message>
        <source>Traffic cap in MB</source>
        <translation>Лимит трафика в MB</translation>
    </message>
    <message>
        <source>Megabytes received plus sent per period</source>
        <translation>Мегабайты, полученные и отправленные за период</translation>
    </message>
    <message>
        <source>C&amp;ost cap</source>
        <translation>&amp;Лимит стоимости</translation>
    </message>
    <message>
        <source>&amp;Hang up when a cap is reached</source>
        <translation>От&amp;ключаться при достижении лимита</translation>
    </message>
</context>
<context>
    <name>ProviderIdleBox</name>
    <message>
        <source>Idle line</source>
        <translation>Простой линии</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Hang up when idle for minutes</source>
        <translation>Бездействие до отключения в минутах</translation>
    </message>
    <message>
        <source>Hang up when the line has carried almost nothing for this long; never for 0</source>
        <translation>Отключаться, если линия столько времени почти ничего не передавала; 0 — никогда</translation>
    </message>
    <message>
        <source>Hang up whe&amp;n idle for</source>
        <translation>&amp;Бездействие до отключения</translation>
    </message>
    <message>
        <source> bytes/s</source>
        <translation> байт/с</translation>
    </message>
    <message>
        <source>Idle is less than bytes per second</source>
        <translation>Простоем считается менее байт в секунду</translation>
    </message>
    <message>
        <source>Received plus sent, on average over those minutes</source>
        <translation>Получено плюс отправлено, в среднем за эти минуты</translation>
    </message>
    <message>
        <source>Idle is le&amp;ss than</source>
        <translation>Простоем считается &amp;менее</translation>
    </message>
</context>
<context>
    <name>SettingsPageHost</name>
    <message>
        <source>Enter new password</source>
        <translation>Введите новый пароль</translation>
    </message>
    <message>
        <source>Re-enter password</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <source>Incorrect password !!!</source>
        <translation>Неверный пароль!</translation>
    </message>
</context>
<context>
    <name>TISPEdit</name>
    <message>
        <source>ISP</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>ISP already exist</source>
        <translation>Такой провайдер уже есть</translation>
    </message>
    <message>
        <source>Delete setting for ISP?</source>
        <translation>Удалить настройки провайдера?</translation>
    </message>
</context>
<context>
    <name>TISPList</name>
    <message>
        <source>ISP List</source>
        <translation>Список провайдеров</translation>
    </message>
    <message>
        <source>Phonebook entries</source>
        <translation>Записи телефонной книги</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Выбрать</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>Plan</source>
        <translation type="unfinished">Тарифный план</translation>
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
    <name>TRangeTimeEdit</name>
    <message>
        <source>New</source>
        <translation>Новый интервал</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить интервал</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;С</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;По</translation>
    </message>
    <message>
        <source>Tariff &amp;name</source>
        <translation>&amp;Название тарифа</translation>
    </message>
    <message>
        <source>Edit tariff type</source>
        <translation>Изменить тип тарифа</translation>
    </message>
    <message>
        <source>Incorrect time range!!!</source>
        <translation>Неверный интервал времени!</translation>
    </message>
    <message>
        <source>Choose tariff type</source>
        <translation>Выберите тип тарифа</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Общие</translation>
    </message>
    <message>
        <source>&amp;Tariffs</source>
        <translation>&amp;Тарифы</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Пользователи</translation>
    </message>
    <message>
        <source>Traffic g&amp;raph</source>
        <translation>&amp;График трафика</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>П&amp;рименить</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
    <name>TTariffTypesEdit</name>
    <message>
        <source>Tariff types</source>
        <translation>Типы тарифов</translation>
    </message>
    <message>
        <source>Tariff types already exist</source>
        <translation>Такой тип тарифа уже есть</translation>
    </message>
    <message>
        <source>Delete tariff type?</source>
        <translation>Удалить тип тарифа?</translation>
    </message>
    <message>
        <source>Tariff type is used</source>
        <translation>Тип тарифа используется</translation>
    </message>
</context>
<context>
    <name>TTypesEdit</name>
    <message>
        <source>Cost for 1 minute</source>
        <translation>Стоимость 1 минуты</translation>
    </message>
    <message>
        <source>Cost for 1Mb received bytes</source>
        <translation>Стоимость 1Mb полученных байт</translation>
    </message>
    <message>
        <source>Cost for 1Mb sent bytes</source>
        <translation>Стоимость 1Mb отправленных байт</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый тип</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить тип</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Название</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Введите название</translation>
    </message>
    <message>
        <source>Enter cost value</source>
        <translation>Введите стоимость</translation>
    </message>
</context>
<context>
    <name>TariffsPage</name>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>&amp;ISP</source>
        <translation>Про&amp;вайдер</translation>
    </message>
    <message>
        <source>Edit ISP</source>
        <translation>Изменить провайдеров</translation>
    </message>
    <message>
        <source>Default &amp;cost</source>
        <translation>&amp;Стоимость по умолчанию</translation>
    </message>
    <message>
        <source>Edit tariff type</source>
        <translation>Изменить тип тарифа</translation>
    </message>
    <message>
        <source>Time ranges by day</source>
        <translation>Интервалы времени по дням</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Pay</source>
        <translation>Пл&amp;ата</translation>
    </message>
    <message>
        <source>Pay for start of connection</source>
        <translation>Плата за установку соединения</translation>
    </message>
    <message>
        <source>for start of connection</source>
        <translation>за установку соединения</translation>
    </message>
    <message>
        <source>Delete tariff?</source>
        <translation>Удалить тариф?</translation>
    </message>
</context>
<context>
    <name>UsersPage</name>
    <message>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>П&amp;ароль</translation>
    </message>
    <message>
        <source>New user</source>
        <translation>Новый пользователь</translation>
    </message>
    <message>
        <source>Enter user name</source>
        <translation>Введите имя пользователя</translation>
    </message>
    <message>
        <source>User already exist</source>
        <translation>Такой пользователь уже есть</translation>
    </message>
    <message>
        <source>Edit user</source>
        <translation>Изменить пользователя</translation>
    </message>
    <message>
        <source>Delete user?</source>
        <translation>Удалить пользователя?</translation>
    </message>
</context>
</TS>
