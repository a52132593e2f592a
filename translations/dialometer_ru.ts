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
    <name>ConfigLists</name>
    <message>
        <source>from %1 to %2 tariff &quot;%3&quot;</source>
        <translation>с %1 до %2, тариф «%3»</translation>
    </message>
</context>
<context>
    <name>ConnectionServiceFactory</name>
    <message>
        <source>Invalid simulation scenario: %1</source>
        <translation>Недопустимый сценарий имитации: %1</translation>
    </message>
    <message>
        <source>Unknown back end &quot;%1&quot; in DIALOMETER_BACKEND (expected networkmanager, pppd or sim).</source>
        <translation>Неизвестный модуль подключения «%1» в DIALOMETER_BACKEND (ожидается networkmanager, pppd или sim).</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>не указано имя файла</translation>
    </message>
    <message>
        <source>the file there could not be read, so it is not written over</source>
        <translation>существующий файл не удалось прочитать, поэтому он не перезаписывается</translation>
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
    <name>FilterExpression</name>
    <message>
        <source>&lt;p&gt;Type text to keep the rows whose cell contains it (case is ignored).&lt;/p&gt;&lt;p&gt;Or compare the cell&apos;s value: &lt;b&gt;=&lt;/b&gt;, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;lt;&lt;/b&gt;, &lt;b&gt;&amp;lt;=&lt;/b&gt;, &lt;b&gt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;gt;=&lt;/b&gt; followed by a number, date, time or duration written as the grid shows them, for example &lt;b&gt;&amp;gt;1000&lt;/b&gt;, &lt;b&gt;&amp;gt;=%1&lt;/b&gt;, &lt;b&gt;&amp;lt;%2&lt;/b&gt; (a duration of an hour and a half).&lt;/p&gt;&lt;p&gt;A date alone stands for the whole day. &lt;b&gt;=&lt;/b&gt; alone keeps empty cells, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt; alone filled ones.&lt;/p&gt;&lt;p&gt;The filter applies as you type. An expression that cannot be read is marked and filters nothing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Введите текст, чтобы оставить строки, в ячейке которых он есть (регистр не учитывается).&lt;/p&gt;&lt;p&gt;Или сравните значение ячейки: &lt;b&gt;=&lt;/b&gt;, &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;lt;&lt;/b&gt;, &lt;b&gt;&amp;lt;=&lt;/b&gt;, &lt;b&gt;&amp;gt;&lt;/b&gt;, &lt;b&gt;&amp;gt;=&lt;/b&gt;, а за ними число, дата, время или длительность в том виде, в каком их показывает таблица, например &lt;b&gt;&amp;gt;1000&lt;/b&gt;, &lt;b&gt;&amp;gt;=%1&lt;/b&gt;, &lt;b&gt;&amp;lt;%2&lt;/b&gt; (длительность полтора часа).&lt;/p&gt;&lt;p&gt;Дата без времени означает весь день. Один знак &lt;b&gt;=&lt;/b&gt; оставляет пустые ячейки, один знак &lt;b&gt;&amp;lt;&amp;gt;&lt;/b&gt; — заполненные.&lt;/p&gt;&lt;p&gt;Фильтр применяется по мере ввода. Выражение, которое не удаётся прочитать, выделяется и ничего не фильтрует.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>FilterHeader</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;This expression cannot be read; it filters nothing.&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Это выражение не удаётся прочитать; оно ничего не фильтрует.&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filter row</source>
        <translation>Строка фильтра</translation>
    </message>
    <message>
        <source>Filter %1</source>
        <translation>Фильтр: %1</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Cannot be read; filters nothing</source>
        <translation>Не удаётся прочитать; ничего не фильтрует</translation>
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
    <name>IdleHangUp</name>
    <message numerus="yes">
        <source>No traffic on %1 for %n minutes: the connection was hung up.</source>
        <translation>
            <numerusform>Нет трафика на %1 в течение %n минуты: соединение разорвано.</numerusform>
            <numerusform>Нет трафика на %1 в течение %n минут: соединение разорвано.</numerusform>
            <numerusform>Нет трафика на %1 в течение %n минут: соединение разорвано.</numerusform>
        </translation>
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
    <name>MonthStatistics</name>
    <message>
        <source>The statistics file &quot;%1&quot; cannot be opened: %2. The file is left as it is and not written while the program runs, so this month&apos;s connections are kept in memory only.</source>
        <translation>Не удаётся открыть файл статистики «%1»: %2. Файл остаётся без изменений и не записывается, пока работает программа, поэтому соединения этого месяца хранятся только в памяти.</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>NetworkManager gave reason %1.</source>
        <translation>NetworkManager сообщил причину %1.</translation>
    </message>
    <message>
        <source>The reason is unknown.</source>
        <translation>Причина неизвестна.</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>Причина не указана.</translation>
    </message>
    <message>
        <source>The connection was disconnected by the user.</source>
        <translation>Соединение разорвано пользователем.</translation>
    </message>
    <message>
        <source>The device was disconnected.</source>
        <translation>Устройство отключено.</translation>
    </message>
    <message>
        <source>The network service stopped.</source>
        <translation>Сетевая служба остановлена.</translation>
    </message>
    <message>
        <source>The IP configuration was invalid.</source>
        <translation>Конфигурация IP недействительна.</translation>
    </message>
    <message>
        <source>The connection timed out.</source>
        <translation>Истекло время ожидания соединения.</translation>
    </message>
    <message>
        <source>The VPN service did not start in time.</source>
        <translation>Служба VPN не запустилась вовремя.</translation>
    </message>
    <message>
        <source>The VPN service failed to start.</source>
        <translation>Не удалось запустить службу VPN.</translation>
    </message>
    <message>
        <source>No valid secrets (password) were given.</source>
        <translation>Не указаны действительные секреты (пароль).</translation>
    </message>
    <message>
        <source>The login failed.</source>
        <translation>Не удалось войти в систему.</translation>
    </message>
    <message>
        <source>The connection profile was removed.</source>
        <translation>Профиль соединения удалён.</translation>
    </message>
    <message>
        <source>A connection it depends on failed.</source>
        <translation>Сбой соединения, от которого оно зависит.</translation>
    </message>
    <message>
        <source>The software device could not be created.</source>
        <translation>Не удалось создать программное устройство.</translation>
    </message>
    <message>
        <source>The device was removed.</source>
        <translation>Устройство удалено.</translation>
    </message>
    <message>
        <source>The device is no longer managed.</source>
        <translation>Устройство больше не управляется.</translation>
    </message>
    <message>
        <source>The device could not be configured.</source>
        <translation>Не удалось настроить устройство.</translation>
    </message>
    <message>
        <source>No IP configuration could be obtained.</source>
        <translation>Не удалось получить конфигурацию IP.</translation>
    </message>
    <message>
        <source>The IP configuration expired.</source>
        <translation>Срок действия конфигурации IP истёк.</translation>
    </message>
    <message>
        <source>The authentication supplicant disconnected.</source>
        <translation>Программа аутентификации (supplicant) отключилась.</translation>
    </message>
    <message>
        <source>The authentication supplicant&apos;s configuration failed.</source>
        <translation>Не удалось настроить программу аутентификации (supplicant).</translation>
    </message>
    <message>
        <source>The authentication supplicant failed.</source>
        <translation>Сбой программы аутентификации (supplicant).</translation>
    </message>
    <message>
        <source>The authentication supplicant timed out.</source>
        <translation>Истекло время ожидания программы аутентификации (supplicant).</translation>
    </message>
    <message>
        <source>The PPP service failed to start.</source>
        <translation>Не удалось запустить службу PPP.</translation>
    </message>
    <message>
        <source>The PPP service disconnected.</source>
        <translation>Служба PPP разорвала соединение.</translation>
    </message>
    <message>
        <source>The PPP service failed.</source>
        <translation>Сбой службы PPP.</translation>
    </message>
    <message>
        <source>The DHCP client failed to start.</source>
        <translation>Не удалось запустить клиент DHCP.</translation>
    </message>
    <message>
        <source>The DHCP client reported an error.</source>
        <translation>Клиент DHCP сообщил об ошибке.</translation>
    </message>
    <message>
        <source>The DHCP client failed.</source>
        <translation>Сбой клиента DHCP.</translation>
    </message>
    <message>
        <source>The shared connection service failed to start.</source>
        <translation>Не удалось запустить службу общего доступа к соединению.</translation>
    </message>
    <message>
        <source>The shared connection service failed.</source>
        <translation>Сбой службы общего доступа к соединению.</translation>
    </message>
    <message>
        <source>The link-local addressing service failed to start.</source>
        <translation>Не удалось запустить службу локальных адресов канала (link-local).</translation>
    </message>
    <message>
        <source>The link-local addressing service reported an error.</source>
        <translation>Служба локальных адресов канала (link-local) сообщила об ошибке.</translation>
    </message>
    <message>
        <source>The link-local addressing service failed.</source>
        <translation>Сбой службы локальных адресов канала (link-local).</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>Линия занята.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>Нет гудка.</translation>
    </message>
    <message>
        <source>No carrier could be established.</source>
        <translation>Не удалось установить несущую.</translation>
    </message>
    <message>
        <source>The dialing request timed out.</source>
        <translation>Истекло время ожидания набора номера.</translation>
    </message>
    <message>
        <source>The dialing attempt failed.</source>
        <translation>Попытка набора номера не удалась.</translation>
    </message>
    <message>
        <source>The modem could not be initialized.</source>
        <translation>Не удалось инициализировать модем.</translation>
    </message>
    <message>
        <source>The access point name (APN) could not be selected.</source>
        <translation>Не удалось выбрать точку доступа (APN).</translation>
    </message>
    <message>
        <source>The modem is not searching for a network.</source>
        <translation>Модем не ищет сеть.</translation>
    </message>
    <message>
        <source>Registration with the network was denied.</source>
        <translation>В регистрации в сети отказано.</translation>
    </message>
    <message>
        <source>Registration with the network timed out.</source>
        <translation>Истекло время ожидания регистрации в сети.</translation>
    </message>
    <message>
        <source>Registration with the network failed.</source>
        <translation>Не удалось зарегистрироваться в сети.</translation>
    </message>
    <message>
        <source>The SIM PIN check failed.</source>
        <translation>Проверка PIN-кода SIM-карты не удалась.</translation>
    </message>
    <message>
        <source>The device&apos;s firmware is missing.</source>
        <translation>Отсутствует микропрограмма устройства.</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep.</source>
        <translation>NetworkManager перешёл в спящий режим.</translation>
    </message>
    <message>
        <source>The carrier (cable or line) was lost.</source>
        <translation>Потеряна несущая (кабель или линия).</translation>
    </message>
    <message>
        <source>The modem was not found.</source>
        <translation>Модем не найден.</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed.</source>
        <translation>Сбой соединения Bluetooth.</translation>
    </message>
    <message>
        <source>No SIM card is inserted.</source>
        <translation>SIM-карта не вставлена.</translation>
    </message>
    <message>
        <source>The SIM PIN is required.</source>
        <translation>Требуется PIN-код SIM-карты.</translation>
    </message>
    <message>
        <source>The SIM PUK is required.</source>
        <translation>Требуется PUK-код SIM-карты.</translation>
    </message>
    <message>
        <source>The SIM card is the wrong one.</source>
        <translation>Вставлена не та SIM-карта.</translation>
    </message>
    <message>
        <source>The InfiniBand mode is not supported.</source>
        <translation>Режим InfiniBand не поддерживается.</translation>
    </message>
    <message>
        <source>The ADSL (RFC 2684) bridge failed.</source>
        <translation>Сбой моста ADSL (RFC 2684).</translation>
    </message>
    <message>
        <source>ModemManager is not available.</source>
        <translation>ModemManager недоступен.</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found.</source>
        <translation>Сеть Wi-Fi не найдена.</translation>
    </message>
    <message>
        <source>A secondary connection failed.</source>
        <translation>Сбой вторичного соединения.</translation>
    </message>
    <message>
        <source>The DCB or FCoE setup failed.</source>
        <translation>Не удалось настроить DCB или FCoE.</translation>
    </message>
    <message>
        <source>The teamd control failed.</source>
        <translation>Сбой управления teamd.</translation>
    </message>
    <message>
        <source>The modem failed.</source>
        <translation>Сбой модема.</translation>
    </message>
    <message>
        <source>The SIM PIN was incorrect.</source>
        <translation>Неверный PIN-код SIM-карты.</translation>
    </message>
    <message>
        <source>Another connection was activated on the device.</source>
        <translation>На устройстве активировано другое соединение.</translation>
    </message>
    <message>
        <source>The parent device changed.</source>
        <translation>Родительское устройство изменилось.</translation>
    </message>
    <message>
        <source>The parent device&apos;s management changed.</source>
        <translation>Изменилось управление родительским устройством.</translation>
    </message>
    <message>
        <source>The Open vSwitch database failed.</source>
        <translation>Сбой базы данных Open vSwitch.</translation>
    </message>
    <message>
        <source>The IP address is already in use on the network.</source>
        <translation>IP-адрес уже используется в сети.</translation>
    </message>
    <message>
        <source>The IP method is not supported.</source>
        <translation>Метод IP не поддерживается.</translation>
    </message>
    <message>
        <source>The SR-IOV configuration failed.</source>
        <translation>Не удалось настроить SR-IOV.</translation>
    </message>
    <message>
        <source>The peer was not found.</source>
        <translation>Удалённая сторона не найдена.</translation>
    </message>
    <message>
        <source>NetworkManager is not running.</source>
        <translation>NetworkManager не запущен.</translation>
    </message>
    <message>
        <source>There is no connection profile named “%1”.</source>
        <translation>Профиля соединения с именем «%1» нет.</translation>
    </message>
    <message>
        <source>Connections are edited with the network connection editor (%1), which is not installed. Install the package network-manager-gnome, or edit the connections in the network settings of your desktop.</source>
        <translation>Соединения изменяются в редакторе сетевых соединений (%1), который не установлен. Установите пакет network-manager-gnome или измените соединения в сетевых настройках вашего рабочего стола.</translation>
    </message>
</context>
<context>
    <name>NetworkManagerDialAttempt</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>NetworkManager stopped.</source>
        <translation>NetworkManager остановлен.</translation>
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
    <name>PlanTracker</name>
    <message>
        <source>The plan&apos;s traffic cap for %1 is reached: the connection was hung up.</source>
        <translation>Лимит трафика тарифного плана для %1 исчерпан: соединение разорвано.</translation>
    </message>
    <message>
        <source>The plan&apos;s cost cap for %1 is reached: the connection was hung up.</source>
        <translation>Лимит стоимости тарифного плана для %1 исчерпан: соединение разорвано.</translation>
    </message>
    <message>
        <source>The plan&apos;s traffic cap for %1 is reached.</source>
        <translation>Лимит трафика тарифного плана для %1 исчерпан.</translation>
    </message>
    <message>
        <source>The plan&apos;s cost cap for %1 is reached.</source>
        <translation>Лимит стоимости тарифного плана для %1 исчерпан.</translation>
    </message>
    <message>
        <source>%1 has used %2% of the plan&apos;s traffic cap.</source>
        <translation>%1: израсходовано %2% лимита трафика тарифного плана.</translation>
    </message>
    <message>
        <source>%1 has used %2% of the plan&apos;s cost cap.</source>
        <translation>%1: израсходовано %2% лимита стоимости тарифного плана.</translation>
    </message>
    <message>
        <source>Plan: %1 of %2 (%3%)</source>
        <translation>Тарифный план: %1 из %2 (%3%)</translation>
    </message>
    <message>
        <source>Plan: %1 of %2 (%3%), period end about %4</source>
        <translation>Тарифный план: %1 из %2 (%3%), к концу периода около %4</translation>
    </message>
</context>
<context>
    <name>PppdDialAttempt</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>pppd stopped unexpectedly.</source>
        <translation>pppd неожиданно завершился.</translation>
    </message>
    <message>
        <source>Could not connect: %1 (pppd exit status %2).</source>
        <translation>Не удалось подключиться: %1 (код завершения pppd %2).</translation>
    </message>
    <message>
        <source>%1 could not be run (%2). Is the ppp package installed?</source>
        <translation>Не удалось запустить %1 (%2). Установлен ли пакет ppp?</translation>
    </message>
</context>
<context>
    <name>PppdExitStatus</name>
    <message>
        <source>pppd ended without a connection</source>
        <translation>pppd завершился, не установив соединение</translation>
    </message>
    <message>
        <source>pppd met a fatal error</source>
        <translation>в pppd произошла неисправимая ошибка</translation>
    </message>
    <message>
        <source>the peer&apos;s options are invalid</source>
        <translation>параметры удалённой стороны недействительны</translation>
    </message>
    <message>
        <source>pppd is not installed setuid-root and was not run by root</source>
        <translation>pppd установлен без setuid-root и запущен не от имени root</translation>
    </message>
    <message>
        <source>the kernel does not support PPP</source>
        <translation>ядро не поддерживает PPP</translation>
    </message>
    <message>
        <source>pppd was stopped by a signal</source>
        <translation>pppd остановлен сигналом</translation>
    </message>
    <message>
        <source>the serial port could not be locked</source>
        <translation>не удалось заблокировать последовательный порт</translation>
    </message>
    <message>
        <source>the serial port could not be opened</source>
        <translation>не удалось открыть последовательный порт</translation>
    </message>
    <message>
        <source>the connect script failed (no answer, busy or no carrier)</source>
        <translation>сбой сценария подключения (нет ответа, занято или нет несущей)</translation>
    </message>
    <message>
        <source>the pty command could not be run</source>
        <translation>не удалось выполнить команду pty</translation>
    </message>
    <message>
        <source>the PPP negotiation failed</source>
        <translation>согласование PPP не удалось</translation>
    </message>
    <message>
        <source>the peer failed to authenticate itself</source>
        <translation>удалённая сторона не прошла аутентификацию</translation>
    </message>
    <message>
        <source>the link was idle and was ended</source>
        <translation>соединение простаивало и было завершено</translation>
    </message>
    <message>
        <source>the connect time limit was reached</source>
        <translation>достигнут предел времени соединения</translation>
    </message>
    <message>
        <source>callback was negotiated; an incoming call is expected</source>
        <translation>согласован обратный вызов; ожидается входящий звонок</translation>
    </message>
    <message>
        <source>the peer stopped answering</source>
        <translation>удалённая сторона перестала отвечать</translation>
    </message>
    <message>
        <source>the modem hung up</source>
        <translation>модем положил трубку</translation>
    </message>
    <message>
        <source>a loopback was detected on the serial line</source>
        <translation>на последовательной линии обнаружена петля</translation>
    </message>
    <message>
        <source>the init script failed</source>
        <translation>сбой сценария инициализации</translation>
    </message>
    <message>
        <source>authentication to the peer failed (user name or password)</source>
        <translation>не удалось пройти аутентификацию на удалённой стороне (имя пользователя или пароль)</translation>
    </message>
    <message>
        <source>pppd failed</source>
        <translation>сбой pppd</translation>
    </message>
</context>
<context>
    <name>PppdService</name>
    <message>
        <source>There is no peer &quot;%1&quot; in %2.</source>
        <translation>В %2 нет удалённой стороны «%1».</translation>
    </message>
    <message>
        <source>pppd&apos;s connections are the peer files in %1. Edit them as root with a text editor (see the pppd and pon manual pages).</source>
        <translation>Соединения pppd — это файлы удалённых сторон в %1. Изменяйте их от имени root в текстовом редакторе (см. справочные страницы pppd и pon).</translation>
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
    <name>SessionMonitor</name>
    <message>
        <source>Connected...</source>
        <translation>Подключено...</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Соединение: %1</translation>
    </message>
    <message>
        <source>Speed: %1 KBps</source>
        <translation>Скорость: %1 KBps</translation>
    </message>
    <message>
        <source>Disconnected...</source>
        <translation>Отключено...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Sent: %1 bytes</source>
        <translation>Отправлено: %1 байт</translation>
    </message>
    <message>
        <source>Received: %1 bytes</source>
        <translation>Принято: %1 байт</translation>
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
    <name>SimulatedModemService</name>
    <message>
        <source>There is no phonebook entry &quot;%1&quot;.</source>
        <translation>В телефонной книге нет записи «%1».</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>The simulated modem&apos;s phonebook is edited here.</source>
        <translation>Телефонная книга имитируемого модема изменяется здесь.</translation>
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
    <name>StatisticChart</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
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
        <source>Cost</source>
        <translation>Стоимость</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Chart quantity</source>
        <translation>Величина на диаграмме</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the month, %n points</source>
        <translation>
            <numerusform>%1 за месяц, %n точка</numerusform>
            <numerusform>%1 за месяц, %n точки</numerusform>
            <numerusform>%1 за месяц, %n точек</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticFooter</name>
    <message>
        <source>Totals</source>
        <translation>Итоги</translation>
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
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сеанс</translation>
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
        <source>Cost</source>
        <translation>Стоимость</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Click to sort by %1</source>
        <translation>Щёлкните, чтобы отсортировать по столбцу «%1»</translation>
    </message>
</context>
<context>
    <name>StatisticSearchDialog</name>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>В&amp;сё</translation>
    </message>
    <message>
        <source>Match ca&amp;se</source>
        <translation>&amp;Учитывать регистр</translation>
    </message>
    <message>
        <source>Match displayed &amp;format</source>
        <translation>Сравнивать &amp;отображаемый формат</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>Все столбцы</translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation>Любая часть поля</translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation>Всё поле</translation>
    </message>
    <message>
        <source>Beginning of field</source>
        <translation>Начало поля</translation>
    </message>
    <message>
        <source>Find &amp;what:</source>
        <translation>&amp;Что искать:</translation>
    </message>
    <message>
        <source>&amp;In column:</source>
        <translation>В с&amp;толбце:</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>Сов&amp;падение:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Найти &amp;далее</translation>
    </message>
</context>
<context>
    <name>StatisticsLog</name>
    <message>
        <source>The statistics document has no root element.</source>
        <translation>В документе статистики нет корневого элемента.</translation>
    </message>
    <message>
        <source>The statistics document has no Struct element.</source>
        <translation>В документе статистики нет элемента Struct.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; has an unknown data type &quot;%2&quot;.</source>
        <translation>У столбца «%1» неизвестный тип данных «%2».</translation>
    </message>
    <message>
        <source>The statistics document has no Data element.</source>
        <translation>В документе статистики нет элемента Data.</translation>
    </message>
    <message>
        <source>Field &apos;TrafficIn&apos; not found.</source>
        <translation>Поле «TrafficIn» не найдено.</translation>
    </message>
    <message>
        <source>Field &apos;TrafficOut&apos; not found.</source>
        <translation>Поле «TrafficOut» не найдено.</translation>
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
        <translation>Тарифный план</translation>
    </message>
    <message>
        <source>&amp;Provider:</source>
        <translation>&amp;Провайдер:</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>No provider has a plan with a traffic or cost cap. A plan is set in Settings &gt; Tariffs &gt; Plan.</source>
        <translation>Ни у одного провайдера нет плана с лимитом трафика или стоимости. План задаётся в разделе Настройки &gt; Тарифы &gt; План.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Израсходовано</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>Лимит</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>Use by day</source>
        <translation>Расход по дням</translation>
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
        <translation>Расходуя около %1 MB в день, вы останетесь в пределах лимита</translation>
    </message>
    <message>
        <source>The traffic cap is reached.</source>
        <translation>Лимит трафика исчерпан.</translation>
    </message>
    <message>
        <source>About %1 a day keeps you under the cost cap</source>
        <translation>Расходуя около %1 в день, вы останетесь в пределах лимита стоимости</translation>
    </message>
    <message>
        <source>The cost cap is reached.</source>
        <translation>Лимит стоимости исчерпан.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
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
        <source>Traffic by day: %1</source>
        <translation>Трафик по дням: %1</translation>
    </message>
    <message>
        <source>Cost by day: %1</source>
        <translation>Стоимость по дням: %1</translation>
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
    <name>TStatistic</name>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Data file (*.sn2)</source>
        <translation>Файл данных (*.sn2)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Загрузить...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>З&amp;акрыть</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>F&amp;ind...</source>
        <translation>&amp;Найти...</translation>
    </message>
    <message>
        <source>Find Nex&amp;t</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>&amp;Sort by This Column</source>
        <translation>&amp;Сортировать по этому столбцу</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Сеансы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Previous month</source>
        <translation>П&amp;редыдущий месяц</translation>
    </message>
    <message>
        <source>&amp;Next month</source>
        <translation>С&amp;ледующий месяц</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2.</source>
        <translation>Не удаётся открыть «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: the file is damaged or is not a statistics file.</source>
        <translation>Не удаётся прочитать «%1»: файл повреждён или не является файлом статистики.</translation>
    </message>
    <message>
        <source>Export writes a CSV file and never a statistics file. Choose a name that does not end in .sn2.</source>
        <translation>Экспорт записывает файл CSV и никогда — файл статистики. Выберите имя, которое не оканчивается на .sn2.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Не удалось записать «%1»: %2</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>«%1» не найдено.</translation>
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
    <name>TariffTexts</name>
    <message>
        <source>%1 until %2</source>
        <translation>%1 до %2</translation>
    </message>
    <message>
        <source>%1 an hour</source>
        <translation>%1 в час</translation>
    </message>
    <message>
        <source>Cheapest within %1 h: %2</source>
        <translation>Дешевле всего в ближайшие %1 ч: %2</translation>
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
<context>
    <name>XmlDocument</name>
    <message>
        <source>unsupported encoding &quot;%1&quot;</source>
        <translation>неподдерживаемая кодировка «%1»</translation>
    </message>
    <message>
        <source>the text is not valid %1 at byte %2</source>
        <translation>текст не является допустимым %1 в байте %2</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 at byte %1</source>
        <translation>текст не является допустимым UTF-8 в байте %1</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 at byte %1 and declares no other encoding</source>
        <translation>текст не является допустимым UTF-8 в байте %1 и не объявляет другую кодировку</translation>
    </message>
    <message>
        <source>no XML document element</source>
        <translation>нет элемента документа XML</translation>
    </message>
    <message>
        <source>text before the document element at byte %1</source>
        <translation>текст перед элементом документа в байте %1</translation>
    </message>
    <message>
        <source>more than one document element</source>
        <translation>больше одного элемента документа</translation>
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
