#include "stats/FilterExpression.h"

#include "core/DateTimeFormat.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QDate>

#include <cmath>

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 1.0 / 1440.0;
// Values are read from texts of whole seconds; this absorbs the rounding of
// the days scale.
constexpr double kTolerance = 1e-9;

// Reads "h:mm", "h:mm:ss" or "d.hh:mm:ss" (the locale's time separator or a
// colon); *precision is a second or a minute, as far as the text goes.
bool readDuration(const QString &text, const QLocale &locale, double *days, double *precision)
{
    QString rest = text;
    const QString sep = TextForms::timeSeparator(locale);
    if (sep != QLatin1String(":"))
        rest.replace(sep, QLatin1String(":"));
    double whole = 0;
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        bool ok = false;
        whole = rest.left(dot).toUInt(&ok);
        if (!ok)
            return false;
        rest = rest.mid(dot + 1);
    }
    const QStringList parts = rest.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    double fields[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        fields[i] = parts[i].toUInt(&ok);
        if (!ok || (i > 0 && (parts[i].size() != 2 || fields[i] > 59)))
            return false;
    }
    *days = whole + fields[0] / 24.0 + fields[1] / 1440.0 + fields[2] / 86400.0;
    *precision = parts.size() == 3 ? kSecond : kMinute;
    return true;
}

// Whether a date-time text gives seconds: the date and the long time read it.
// A text that only the date and the short time read ("3/15/2041 8:22 AM")
// names a minute.
bool hasSeconds(const QString &text, const QLocale &locale)
{
    const DateTimeFormat withSeconds(
        DateTimeFormat(locale.dateFormat(QLocale::ShortFormat)).withFourDigitYear().pattern() +
        QLatin1Char(' ') +
        DateTimeFormat(locale.timeFormat(QLocale::LongFormat)).withoutTimeZone().pattern());
    if (!withSeconds.isReadable())
        return locale.toDateTime(text, withSeconds.pattern()).isValid();
    QDate date;
    QTime time;
    return withSeconds.read(text, locale, &date, &time);
}

// A date, or a date and a time, as the locale writes them; a time without
// seconds is accepted too.
bool readDateTime(const QString &text, const QLocale &locale, double *days, double *precision)
{
    if (TextForms::parseDateTime(text, days, locale)) {
        QDate date;
        QTime time;
        const bool dateOnly = !text.contains(TextForms::timeSeparator(locale)) &&
                              TextForms::splitDays(*days, &date, &time) && time == QTime(0, 0);
        *precision = dateOnly ? 1.0 : hasSeconds(text, locale) ? kSecond : kMinute;
        return true;
    }
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
    double date = 0;
    double time = 0;
    if (blank < 0 || !TextForms::parseDateTime(text.left(blank), &date, locale) ||
        !TextForms::parseTimeOfDay(text.mid(blank + 1), &time, locale))
        return false;
    *days = date + time;
    *precision = kMinute;
    return true;
}

bool readNumber(QString text, const QLocale &locale, double *value)
{
    // The grid shows units after traffic and speed; a typed unit is fine.
    for (const QLatin1String unit : {QLatin1String("kbps"), QLatin1String("b")}) {
        if (text.endsWith(unit, Qt::CaseInsensitive)) {
            text.chop(unit.size());
            break;
        }
    }
    text = text.trimmed();
    bool ok = false;
    const double number = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        return false;
    *value = number;
    return true;
}

} // namespace

FilterExpression FilterExpression::parse(const QString &input, Operand operand,
                                         const QLocale &locale)
{
    FilterExpression e;
    e.m_operand = operand;
    const QString text = input.trimmed();
    if (text.isEmpty())
        return e;

    static const struct
    {
        QLatin1String symbol;
        Op op;
    } kOperators[] = {
        {QLatin1String("<>"), Op::NotEqual},    {QLatin1String(">="), Op::GreaterOrEqual},
        {QLatin1String("<="), Op::LessOrEqual}, {QLatin1String("="), Op::Equal},
        {QLatin1String(">"), Op::Greater},      {QLatin1String("<"), Op::Less}};
    for (const auto &candidate : kOperators) {
        if (text.startsWith(candidate.symbol)) {
            e.m_op = candidate.op;
            e.m_text = text.mid(candidate.symbol.size()).trimmed();
            break;
        }
    }
    if (e.m_op == Op::None) {
        e.m_op = Op::Contains;
        e.m_text = text;
        return e;
    }
    if (e.m_text.isEmpty()) {
        // "=" and "<>" alone ask for empty or filled cells; "<" alone means nothing.
        e.m_emptyOperand = true;
        e.m_readable = e.m_op == Op::Equal || e.m_op == Op::NotEqual;
        return e;
    }

    double precision = 0;
    switch (operand) {
    case Operand::Text:
        return e;
    case Operand::Number:
        e.m_readable = readNumber(e.m_text, locale, &e.m_low);
        break;
    case Operand::DateTime:
        e.m_readable = readDateTime(e.m_text, locale, &e.m_low, &precision);
        break;
    case Operand::Duration:
        e.m_readable = readDuration(e.m_text, locale, &e.m_low, &precision);
        break;
    }
    e.m_high = e.m_low + precision;
    return e;
}

bool FilterExpression::compareNumber(double v) const
{
    const bool point = m_high == m_low;
    const double tolerance = m_operand == Operand::Number ? 0.0 : kTolerance;
    const bool below = v < m_low - tolerance;           // before the operand
    const bool after = point ? v > m_low + tolerance    // beyond a point
                             : v >= m_high - tolerance; // beyond a range
    switch (m_op) {
    case Op::Equal:
        return !below && !after;
    case Op::NotEqual:
        return below || after;
    case Op::Less:
        return below;
    case Op::LessOrEqual:
        return !after;
    case Op::Greater:
        return after;
    case Op::GreaterOrEqual:
        return !below;
    default:
        return true;
    }
}

int FilterExpression::compareText(const QString &value) const
{
    return QString::compare(value, m_text, Qt::CaseInsensitive);
}

bool FilterExpression::matches(const QVariant &value, const QString &shown) const
{
    if (keepsAll())
        return true;
    if (m_op == Op::Contains)
        return shown.contains(m_text, Qt::CaseInsensitive);
    if (m_emptyOperand)
        return value.isNull() == (m_op == Op::Equal);
    if (value.isNull())
        return m_op == Op::NotEqual;
    if (m_operand != Operand::Text)
        return compareNumber(value.toDouble());
    const int c = compareText(value.toString());
    switch (m_op) {
    case Op::Equal:
        return c == 0;
    case Op::NotEqual:
        return c != 0;
    case Op::Less:
        return c < 0;
    case Op::LessOrEqual:
        return c <= 0;
    case Op::Greater:
        return c > 0;
    case Op::GreaterOrEqual:
        return c >= 0;
    default:
        return true;
    }
}

QString FilterExpression::help(const QLocale &locale)
{
    const QDate today = QDate::currentDate();
    const QString date = TextForms::dateTimeText(TextForms::toDays(today.startOfDay()), locale);
    const QString sep = TextForms::timeSeparator(locale);
    return QCoreApplication::translate(
               "FilterExpression",
               "<p>Type text to keep the rows whose cell contains it (case is ignored).</p>"
               "<p>Or compare the cell's value: <b>=</b>, <b>&lt;&gt;</b>, <b>&lt;</b>, "
               "<b>&lt;=</b>, <b>&gt;</b>, <b>&gt;=</b> followed by a number, date, time or "
               "duration written as the grid shows them, for example <b>&gt;1000</b>, "
               "<b>&gt;=%1</b>, <b>&lt;%2</b> (a duration of an hour and a half).</p>"
               "<p>A date alone stands for the whole day. <b>=</b> alone keeps empty cells, "
               "<b>&lt;&gt;</b> alone filled ones.</p>"
               "<p>The filter applies as you type. An expression that cannot be read is "
               "marked and filters nothing.</p>")
        .arg(date.toHtmlEscaped(), (QLatin1Char('1') + sep + QLatin1String("30")).toHtmlEscaped());
}
