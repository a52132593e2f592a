<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CliText</name>
    <message>
        <source>option --%1 is given twice</source>
        <translation>параметр --%1 указан дважды</translation>
    </message>
    <message>
        <source>cannot be opened: %1; its providers are not watched</source>
        <translation>не удаётся открыть: %1; его провайдеры не отслеживаются</translation>
    </message>
    <message>
        <source>cannot be opened: %1; the bytes count from this tool&apos;s start</source>
        <translation>не удаётся открыть: %1; байты считаются с запуска этой утилиты</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (expected text or json)</source>
        <translation>неизвестный формат «%1» (ожидается text или json)</translation>
    </message>
    <message>
        <source>Back end: %1</source>
        <translation>Модуль подключения: %1</translation>
    </message>
    <message>
        <source>Phonebook entries: none</source>
        <translation>Записи телефонной книги: нет</translation>
    </message>
    <message>
        <source>Phonebook entries:</source>
        <translation>Записи телефонной книги:</translation>
    </message>
    <message>
        <source>Active connections: none</source>
        <translation>Активные подключения: нет</translation>
    </message>
    <message>
        <source>Active connections:</source>
        <translation>Активные подключения:</translation>
    </message>
    <message>
        <source>%1 (interface %2, handle %3)</source>
        <translation>%1 (интерфейс %2, дескриптор %3)</translation>
    </message>
    <message>
        <source>no statistics</source>
        <translation>нет статистики</translation>
    </message>
    <message>
        <source>received: %1 bytes, %2 frames, compression %3%</source>
        <translation>получено:    байт %1, кадров %2, сжатие %3%</translation>
    </message>
    <message>
        <source>sent:     %1 bytes, %2 frames, compression %3%</source>
        <translation>отправлено:  байт %1, кадров %2, сжатие %3%</translation>
    </message>
    <message>
        <source>speed:    %1 bit/s</source>
        <translation>скорость:    %1 bit/s</translation>
    </message>
    <message>
        <source>connected: %1</source>
        <translation>длительность: %1</translation>
    </message>
    <message>
        <source>counted as the program counts it (its journal of this connection)</source>
        <translation>подсчитано так же, как в программе (по её журналу этого подключения)</translation>
    </message>
    <message>
        <source>bytes counted from this tool&apos;s start (the program&apos;s journal does not name this connection)</source>
        <translation>байты считаются с запуска этой утилиты (в журнале программы нет этого подключения)</translation>
    </message>
    <message>
        <source>give one phonebook entry</source>
        <translation>укажите одну запись телефонной книги</translation>
    </message>
    <message>
        <source>the back end cannot dial</source>
        <translation>модуль подключения не может набрать номер</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Подключено: %1</translation>
    </message>
    <message>
        <source>the dial was withdrawn</source>
        <translation>набор номера отменён</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>не принимает аргументов</translation>
    </message>
    <message>
        <source>a connection is still up</source>
        <translation>подключение всё ещё активно</translation>
    </message>
    <message>
        <source>No connection.</source>
        <translation>Нет подключений.</translation>
    </message>
    <message>
        <source>Hung up: %1</source>
        <translation>Отключено: %1</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>usage: cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz] [--minutes M] [--received-mb X] [--sent-mb Y]</source>
        <translation>использование: cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz] [--minutes M] [--received-mb X] [--sent-mb Y]</translation>
    </message>
    <message>
        <source>%1 is missing; %2</source>
        <translation>не указан %1; %2</translation>
    </message>
    <message>
        <source>--at &quot;%1&quot; is not a date and time like 2026-12-09T05:00:00</source>
        <translation>--at «%1» — не дата и время вида 2026-12-09T05:00:00</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number (use &quot;.&quot; as the decimal point)</source>
        <translation>%1 «%2» — не число (десятичный разделитель — «.»)</translation>
    </message>
    <message>
        <source>no provider named &quot;%1&quot;</source>
        <translation>нет провайдера с именем «%1»</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>is a folder, not a data file</source>
        <translation>это папка, а не файл данных</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>не удаётся открыть: %1</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>not a data file of this program (no XML once unscrambled: %1)</source>
        <translation>не файл данных этой программы (после расшифровки это не XML: %1)</translation>
    </message>
    <message>
        <source>usage: decode FILE</source>
        <translation>использование: decode FILE</translation>
    </message>
    <message>
        <source>usage: encode OUT [--in FILE]</source>
        <translation>использование: encode OUT [--in FILE]</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>not well-formed XML, nothing written: %1</source>
        <translation>XML составлен неправильно, ничего не записано: %1</translation>
    </message>
    <message>
        <source>cannot be written (is the folder there and writable?); the file is unchanged</source>
        <translation>не удаётся записать (существует ли папка и доступна ли она для записи?); файл не изменён</translation>
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
        <translation>Использование: dialometer-cli [--home DIR] COMMAND [ARGUMENTS]

Читает и записывает файлы данных Dialometer из терминала.

Команды:
  decode FILE                    вывести простой XML файла данных на стандартный
                                 вывод
  encode OUT [--in FILE]         записать простой XML (FILE или стандартный ввод)
                                 как файл данных OUT; неправильно составленный
                                 XML отклоняется
  sessions [FILE...] [--format text|csv|json]
                                 сеансы из файлов месяцев (по умолчанию: файл
                                 этого месяца в папке данных) и их итоги
  months [--format text|csv|json]
                                 по строке на каждый файл месяца в папке данных
  cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz]
       [--minutes M] [--received-mb X] [--sent-mb Y]
                                 стоимость интервала по расписанию тарифов
                                 провайдера
  usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily]
        [--format text|csv|json]
                                 тарифный план каждого провайдера: расход за
                                 расчётный период, в который попадает момент
                                 (по умолчанию: сейчас), лимиты, прогноз;
                                 --daily добавляет каждый день периода и
                                 дневной лимит (csv только с --daily)
  price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS]
        [--format text|json]
                                 действующий тариф каждого провайдера и срок его
                                 действия, стоимость M минут (по умолчанию 60)
                                 с этого момента и самое дешёвое начало
                                 в пределах HOURS часов (по умолчанию 24)
  status [--format text|json]    записи телефонной книги и активные подключения
  dial ENTRY                     набрать запись телефонной книги и дождаться
                                 подключения
  hangup                         разорвать все подключения

Параметры:
  --home DIR    папка данных (по умолчанию: DIALOMETER_HOME, переносная папка
                рядом с программой или ~/.local/share/dialometer)
  --help        показать эту справку
  --version     показать версию

Даты, время и числа в текстовом выводе следуют региональным настройкам
пользователя.
Код возврата: 0 — успех, 1 — ошибка данных, 2 — ошибка вызова.
</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Tariff now</source>
        <translation>Тариф сейчас</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>За минуту</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Cost of %1 min</source>
        <translation>Стоимость %1 min</translation>
    </message>
    <message>
        <source>Cheapest start</source>
        <translation>Дешевле всего с</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Стоимость</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Тариф</translation>
    </message>
    <message>
        <source>usage: price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS] [--format text|json]</source>
        <translation>использование: price [--provider NAME] [--at YYYY-MM-DDTHH:MM:SS] [--minutes M] [--within HOURS] [--format text|json]</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>%1 «%2» — не целое число от 1 до %3</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text or json)</source>
        <translation>неизвестный формат «%1» (text или json)</translation>
    </message>
    <message>
        <source>not a statistics file: %1</source>
        <translation>не файл статистики: %1</translation>
    </message>
    <message>
        <source>not a statistics file: its rows do not match its lines</source>
        <translation>не файл статистики: строки таблицы не совпадают с записями</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) could not be read under the current regional settings (%1) and are left empty</source>
        <translation>
            <numerusform>%n значение не удалось прочитать при текущих региональных настройках (%1); такие значения оставлены пустыми</numerusform>
            <numerusform>%n значения не удалось прочитать при текущих региональных настройках (%1); такие значения оставлены пустыми</numerusform>
            <numerusform>%n значений не удалось прочитать при текущих региональных настройках (%1); такие значения оставлены пустыми</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text, csv or json)</source>
        <translation>неизвестный формат «%1» (text, csv или json)</translation>
    </message>
    <message>
        <source>Total: 1 session</source>
        <translation>Итого: 1 сеанс</translation>
    </message>
    <message numerus="yes">
        <source>Total: %n sessions</source>
        <translation>
            <numerusform>Итого: %n сеанс</numerusform>
            <numerusform>Итого: %n сеанса</numerusform>
            <numerusform>Итого: %n сеансов</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Traffic In</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Traffic Out</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Traffic Sum</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>no such data folder</source>
        <translation>папка данных не найдена</translation>
    </message>
    <message>
        <source>usage: months [--format text|csv|json]</source>
        <translation>использование: months [--format text|csv|json]</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Сеансы</translation>
    </message>
    <message>
        <source>Period start</source>
        <translation>Начало периода</translation>
    </message>
    <message>
        <source>Period end</source>
        <translation>Конец периода</translation>
    </message>
    <message>
        <source>Traffic MB</source>
        <translation>Трафик, MB</translation>
    </message>
    <message>
        <source>Cap MB</source>
        <translation>Лимит, MB</translation>
    </message>
    <message>
        <source>Projected MB</source>
        <translation>Прогноз, MB</translation>
    </message>
    <message>
        <source>Cost cap</source>
        <translation>Лимит стоимости</translation>
    </message>
    <message>
        <source>Projected cost</source>
        <translation>Прогноз стоимости</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Осталось дней</translation>
    </message>
    <message>
        <source>MB a day</source>
        <translation>MB в день</translation>
    </message>
    <message>
        <source>Cost a day</source>
        <translation>Стоимость в день</translation>
    </message>
    <message>
        <source>usage: usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily] [--format text|csv|json]</source>
        <translation>использование: usage [--at YYYY-MM-DDTHH:MM:SS] [--provider NAME] [--daily] [--format text|csv|json]</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text or json; csv with --daily)</source>
        <translation>неизвестный формат «%1» (text или json; csv — с --daily)</translation>
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
</TS>
