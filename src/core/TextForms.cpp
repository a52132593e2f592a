#include "core/TextForms.h"

#include "core/DateTimeFormat.h"

#include <QByteArray>
#include <QTimeZone>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr qint64 kMsPerDay = 86400000;
const QDate kDayZero(1899, 12, 30);

// The locale's patterns as this program writes and reads them, worked out
// once per locale: the table loader reads thousands of texts in a row.
struct LocaleForms
{
    explicit LocaleForms(const QLocale &l)
        : locale(l),
          shortDate(DateTimeFormat(l.dateFormat(QLocale::ShortFormat)).withFourDigitYear()),
          longTime(DateTimeFormat(l.timeFormat(QLocale::LongFormat)).withoutTimeZone()),
          shortTime(DateTimeFormat(l.timeFormat(QLocale::ShortFormat)).withoutTimeZone()),
          dateAndLongTime(shortDate.pattern() + QLatin1Char(' ') + longTime.pattern()),
          dateAndShortTime(shortDate.pattern() + QLatin1Char(' ') + shortTime.pattern()),
          decimalPoint(l.decimalPoint()), negativeSign(l.negativeSign()),
          positiveSign(l.positiveSign())
    {
        timeSeparator = shortTime.hourMinuteSeparator();
        if (timeSeparator.isEmpty())
            timeSeparator = longTime.hourMinuteSeparator();
        if (timeSeparator.isEmpty())
            timeSeparator = QStringLiteral(":");
        if (decimalPoint.isEmpty())
            decimalPoint = QStringLiteral(".");
        for (DateTimeFormat *format : {&shortDate, &dateAndLongTime, &dateAndShortTime})
            format->prepareNames(l);
    }

    QLocale locale;
    DateTimeFormat shortDate;
    DateTimeFormat longTime;
    DateTimeFormat shortTime;
    DateTimeFormat dateAndLongTime;
    DateTimeFormat dateAndShortTime;
    QString timeSeparator;
    QString decimalPoint;
    QString negativeSign;
    QString positiveSign;
};

const LocaleForms &formsFor(const QLocale &locale)
{
    thread_local std::unique_ptr<LocaleForms> cached;
    if (!cached || !(cached->locale == locale))
        cached = std::make_unique<LocaleForms>(locale);
    return *cached;
}

// Splits days since day 0 into a date and milliseconds of the day. Before
// day 0 the fraction still counts forward from midnight (-1.25 is 29
// December 1899 06:00), as the representation has it.
bool splitDaysMs(double days, QDate *date, int *ms)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return false;
    qint64 whole = qint64(std::trunc(days));
    qint64 msOfDay = std::llround(std::fabs(days - double(whole)) * double(kMsPerDay));
    if (msOfDay >= kMsPerDay) {
        msOfDay -= kMsPerDay;
        whole += days < 0 ? -1 : 1;
    }
    *date = kDayZero.addDays(whole);
    *ms = int(msOfDay);
    return date->isValid();
}

double joinDays(const QDate &date, int ms)
{
    const qint64 whole = kDayZero.daysTo(date);
    const double fraction = double(ms) / double(kMsPerDay);
    return whole < 0 ? double(whole) - fraction : double(whole) + fraction;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QLocale withGroups(const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l;
}

bool readViaQLocale(const QString &text, const QLocale &locale, const QString &pattern,
                    bool fixTwoDigitYear, DateTimeFormat::TwoDigitYears years, QDate *date,
                    QTime *time)
{
    const QDateTime parsed = locale.toDateTime(text, pattern);
    if (!parsed.isValid())
        return false;
    QDate d = parsed.date();
    if (fixTwoDigitYear)
        d = QDate(DateTimeFormat::expandTwoDigitYear(d.year() % 100, years), d.month(), d.day());
    *date = d;
    *time = parsed.time();
    return d.isValid();
}

bool readDateTime(const QString &input, double *days, const QLocale &locale,
                  DateTimeFormat::TwoDigitYears years)
{
    const LocaleForms &forms = formsFor(locale);
    const QString text = input.trimmed();
    if (text.isEmpty())
        return false;
    QDate date;
    QTime time(0, 0);
    bool ok = false;
    for (const DateTimeFormat *format :
         {&forms.dateAndLongTime, &forms.dateAndShortTime, &forms.shortDate}) {
        if (format->isReadable() && format->read(text, locale, &date, &time, years)) {
            ok = true;
            break;
        }
    }
    if (!ok) {
        // Patterns with names of months or days: QLocale reads those, but
        // slowly and with two-digit years in the 1900s.
        const QString originalDate = locale.dateFormat(QLocale::ShortFormat);
        const bool twoDigit = originalDate != forms.shortDate.pattern();
        const QString candidates[] = {forms.dateAndLongTime.pattern(),
                                      forms.dateAndShortTime.pattern(), forms.shortDate.pattern()};
        for (const QString &pattern : candidates) {
            if (readViaQLocale(text, locale, pattern, false, years, &date, &time)) {
                ok = true;
                break;
            }
        }
        if (!ok && twoDigit) {
            const QString dateFormats[] = {
                originalDate + QLatin1Char(' ') + forms.longTime.pattern(),
                originalDate + QLatin1Char(' ') + forms.shortTime.pattern(), originalDate};
            for (const QString &pattern : dateFormats) {
                if (readViaQLocale(text, locale, pattern, true, years, &date, &time)) {
                    ok = true;
                    break;
                }
            }
        }
    }
    if (!ok || !date.isValid())
        return false;
    *days = joinDays(date, time.isValid() ? time.msecsSinceStartOfDay() : 0);
    return true;
}

} // namespace

namespace TextForms {

double toDays(const QDateTime &local)
{
    if (!local.isValid())
        return 0.0;
    const QDateTime l = local.timeSpec() == Qt::LocalTime ? local : local.toLocalTime();
    // From the local calendar date and clock time, not from UTC seconds: a
    // day with a daylight-saving change is still one whole day.
    return joinDays(l.date(), l.time().msecsSinceStartOfDay());
}

QDateTime fromDays(double days)
{
    QDate date;
    int ms = 0;
    if (!splitDaysMs(days, &date, &ms))
        return QDateTime();
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(ms), Qt::LocalTime);
}

bool splitDays(double days, QDate *date, QTime *time)
{
    QDate d;
    int ms = 0;
    if (!splitDaysMs(days, &d, &ms))
        return false;
    *date = d;
    *time = QTime::fromMSecsSinceStartOfDay(ms);
    return true;
}

double timeOfDay(const QDateTime &local)
{
    if (!local.isValid())
        return 0.0;
    const QDateTime l = local.timeSpec() == Qt::LocalTime ? local : local.toLocalTime();
    return double(l.time().msecsSinceStartOfDay()) / double(kMsPerDay);
}

QString numberText(double value, const QLocale &locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0)
        return QStringLiteral("0");

    // 15 significant digits, correctly rounded, then trailing zeros dropped.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    constexpr int keep = 15;
    if (!std::isfinite(std::strtod(buffer, nullptr))) {
        // Rounded up past the largest double, the text would read back as
        // infinity: cut the digits toward zero instead.
        std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
    }
    QByteArray digits;
    const char *p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && digits.size() < keep)
            digits += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const QString &decimalPoint = formsFor(locale).decimalPoint;
    QString text;
    if (value < 0)
        text += QLatin1Char('-');
    if (exponent < -5 || exponent >= 15) {
        text += QLatin1Char(digits[0]);
        if (digits.size() > 1) {
            text += decimalPoint;
            text += QLatin1String(digits.mid(1));
        }
        text += QLatin1Char('E');
        text += QString::number(exponent);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (digits.size() <= integerDigits) {
            text += QLatin1String(digits);
            text += QString(integerDigits - digits.size(), QLatin1Char('0'));
        } else {
            text += QLatin1String(digits.left(integerDigits));
            text += decimalPoint;
            text += QLatin1String(digits.mid(integerDigits));
        }
    } else {
        text += QLatin1Char('0');
        text += decimalPoint;
        text += QString(-exponent - 1, QLatin1Char('0'));
        text += QLatin1String(digits);
    }
    return text;
}

bool parseNumber(const QString &input, double *value, const QLocale &locale)
{
    const LocaleForms &forms = formsFor(locale);
    const QStringView text = QStringView(input).trimmed();
    QByteArray ascii;
    ascii.reserve(text.size() + 1);
    qsizetype pos = 0;
    auto startsWith = [&](const QString &word) {
        return !word.isEmpty() && text.mid(pos).startsWith(word);
    };
    auto readDigits = [&]() {
        int count = 0;
        while (pos < text.size() && text[pos].isDigit()) {
            ascii += char('0' + text[pos].digitValue());
            ++pos;
            ++count;
        }
        return count;
    };

    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QChar(0x2212))) {
        ascii += '-';
        ++pos;
    } else if (startsWith(forms.negativeSign)) {
        ascii += '-';
        pos += forms.negativeSign.size();
    } else if (pos < text.size() && text[pos] == QLatin1Char('+')) {
        ++pos;
    } else if (startsWith(forms.positiveSign)) {
        pos += forms.positiveSign.size();
    }
    int mantissaDigits = readDigits();
    if (startsWith(forms.decimalPoint)) {
        pos += forms.decimalPoint.size();
        ascii += '.';
        mantissaDigits += readDigits();
    }
    if (mantissaDigits == 0)
        return false;
    if (pos < text.size() && (text[pos] == QLatin1Char('E') || text[pos] == QLatin1Char('e'))) {
        ++pos;
        ascii += 'e';
        if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QChar(0x2212))) {
            ascii += '-';
            ++pos;
        } else if (pos < text.size() && text[pos] == QLatin1Char('+')) {
            ++pos;
        }
        if (readDigits() == 0)
            return false;
    }
    if (pos != text.size())
        return false;
    bool ok = false;
    const double result = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(result))
        return false;
    *value = result;
    return true;
}

QString dateTimeText(double days, const QLocale &locale)
{
    QDate date;
    int ms = 0;
    if (!splitDaysMs(days, &date, &ms))
        return QString();
    const LocaleForms &forms = formsFor(locale);
    QString text = locale.toString(date, forms.shortDate.pattern());
    if (ms != 0) {
        text += QLatin1Char(' ');
        text += locale.toString(QTime::fromMSecsSinceStartOfDay(ms), forms.longTime.pattern());
    }
    return text;
}

QString shortDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, formsFor(locale).shortDate.pattern());
}

bool parseDateTime(const QString &input, double *days, const QLocale &locale)
{
    return readDateTime(input, days, locale, DateTimeFormat::TwoDigitYears::PointInTime);
}

bool parseDuration(const QString &input, double *days, const QLocale &locale)
{
    return readDateTime(input, days, locale, DateTimeFormat::TwoDigitYears::Duration);
}

QString durationText(double days, const QLocale &locale)
{
    if (!std::isfinite(days))
        return QString();
    QString sign;
    if (days < 0) {
        sign = QStringLiteral("-");
        days = -days;
    }
    // Past about 1e11 days the milliseconds leave what a qint64 holds: no
    // text rather than a garbled one.
    const double ms = days * double(kMsPerDay);
    if (ms >= 9.0e18)
        return QString();
    const qint64 totalMs = std::llround(ms);
    const qint64 wholeDays = totalMs / kMsPerDay;
    const qint64 seconds = (totalMs % kMsPerDay) / 1000; // truncated
    const QString &sep = formsFor(locale).timeSeparator;
    QString text = sign;
    if (wholeDays >= 1) {
        text += QString::number(wholeDays);
        text += QLatin1Char('.');
    }
    text += twoDigits(int(seconds / 3600)) + sep + twoDigits(int(seconds / 60 % 60)) + sep +
            twoDigits(int(seconds % 60));
    return text;
}

QString moneyText(double value, const QLocale &locale)
{
    // No "-0.00" for a tiny negative amount.
    if (std::fabs(value) < 0.005)
        value = 0.0;
    return withGroups(locale).toString(value, 'f', 2) + QLatin1Char(' ');
}

QString countText(qint64 value, const QLocale &locale)
{
    return withGroups(locale).toString(value);
}

QString hintCountText(qint64 value, const QLocale &locale)
{
    return value == 0 ? QString() : countText(value, locale);
}

QString speedText(qint64 bitsPerSecond, const QLocale &locale)
{
    return numberText(double(bitsPerSecond) / 1000.0, locale);
}

QString timeOfDayText(double fraction, const QLocale &locale)
{
    qint64 ms = std::isfinite(fraction) ? std::llround(fraction * double(kMsPerDay)) : 0;
    ms = ((ms % kMsPerDay) + kMsPerDay) % kMsPerDay;
    const int minutes = int(ms / 60000);
    return twoDigits(minutes / 60) + formsFor(locale).timeSeparator + twoDigits(minutes % 60);
}

bool parseTimeOfDay(const QString &input, double *fraction, const QLocale &locale)
{
    const LocaleForms &forms = formsFor(locale);
    const QStringView text = QStringView(input).trimmed();
    const QString &sep = forms.timeSeparator;
    qsizetype pos = 0;
    auto number = [&](int maxDigits, int *count) {
        int value = 0;
        *count = 0;
        while (pos < text.size() && *count < maxDigits && text[pos].isDigit()) {
            value = value * 10 + text[pos].digitValue();
            ++pos;
            ++*count;
        }
        return value;
    };
    auto separator = [&]() {
        if (!text.mid(pos).startsWith(sep))
            return false;
        pos += sep.size();
        return true;
    };

    int count = 0;
    int hour = number(2, &count);
    if (count == 0 || !separator())
        return false;
    const int minute = number(2, &count);
    if (count == 0)
        return false;
    int second = 0;
    int ms = 0;
    if (pos < text.size() && separator()) {
        second = number(2, &count);
        if (count == 0)
            return false;
        if (text.mid(pos).startsWith(forms.decimalPoint) ||
            (pos < text.size() && text[pos] == QLatin1Char('.'))) {
            pos += text[pos] == QLatin1Char('.') ? 1 : forms.decimalPoint.size();
            const int digits = number(3, &count);
            if (count == 0)
                return false;
            ms = count == 1 ? digits * 100 : count == 2 ? digits * 10 : digits;
        }
    }
    // An optional AM/PM marker.
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    if (pos < text.size()) {
        const QString markers[] = {locale.amText(), locale.pmText(), QStringLiteral("AM"),
                                   QStringLiteral("PM")};
        int matched = -1;
        for (int i = 0; i < 4; ++i) {
            const QString &m = markers[i];
            if (!m.isEmpty() && text.mid(pos).compare(m, Qt::CaseInsensitive) == 0) {
                matched = i;
                break;
            }
        }
        if (matched < 0 || hour < 1 || hour > 12)
            return false;
        const bool pm = matched % 2 == 1;
        if (pm && hour < 12)
            hour += 12;
        else if (!pm && hour == 12)
            hour = 0;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    *fraction = double(((hour * 60 + minute) * 60 + second) * 1000 + ms) / double(kMsPerDay);
    return true;
}

QString timeSeparator(const QLocale &locale)
{
    return formsFor(locale).timeSeparator;
}

} // namespace TextForms
