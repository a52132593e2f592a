#include "core/DateTimeFormat.h"

#include <QStringView>

namespace {

bool isFieldLetter(QChar c)
{
    switch (c.unicode()) {
    case 'd':
    case 'M':
    case 'y':
    case 'h':
    case 'H':
    case 'm':
    case 's':
    case 'z':
    case 'a':
    case 'A':
    case 't':
        return true;
    default:
        return false;
    }
}

// A literal as QLocale's pattern syntax needs it: quoted when it holds a
// letter or a quote, which would otherwise be taken as a field.
QString quoteLiteral(const QString &text)
{
    bool needsQuotes = false;
    for (QChar c : text) {
        if (c.isLetter() || c == QLatin1Char('\'')) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return text;
    QString quoted = QStringLiteral("'");
    for (QChar c : text) {
        if (c == QLatin1Char('\''))
            quoted += QStringLiteral("''");
        else
            quoted += c;
    }
    quoted += QLatin1Char('\'');
    return quoted;
}

// Reads up to maxDigits decimal digits (any script, also digits outside the
// basic plane, which take two UTF-16 units) at pos.
int readDigits(QStringView text, qsizetype &pos, int maxDigits, int *count)
{
    int value = 0;
    *count = 0;
    while (pos < text.size() && *count < maxDigits) {
        char32_t codePoint = text[pos].unicode();
        qsizetype units = 1;
        if (text[pos].isHighSurrogate() && pos + 1 < text.size() &&
            text[pos + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[pos], text[pos + 1]);
            units = 2;
        }
        if (QChar::category(codePoint) != QChar::Number_DecimalDigit)
            break;
        value = value * 10 + QChar::digitValue(codePoint);
        pos += units;
        ++*count;
    }
    return value;
}

bool matchesAt(QStringView text, qsizetype pos, const QString &word)
{
    return !word.isEmpty() && pos + word.size() <= text.size() &&
           text.mid(pos, word.size()).compare(QStringView(word), Qt::CaseInsensitive) == 0;
}

} // namespace

DateTimeFormat::DateTimeFormat(const QString &pattern)
{
    tokenize(pattern);
    classify();
}

void DateTimeFormat::tokenize(const QString &pattern)
{
    auto appendLiteral = [this](const QString &text, const QString &raw) {
        if (!m_tokens.isEmpty() && m_tokens.last().kind == Kind::Literal) {
            m_tokens.last().text += text;
            m_tokens.last().raw += raw;
        } else {
            m_tokens.append(Token{Kind::Literal, 0, text, raw});
        }
    };

    qsizetype i = 0;
    const qsizetype n = pattern.size();
    while (i < n) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            if (i + 1 < n && pattern[i + 1] == QLatin1Char('\'')) {
                appendLiteral(QStringLiteral("'"), QStringLiteral("''"));
                i += 2;
                continue;
            }
            // Quoted text up to the closing quote; "''" inside is one quote.
            QString text;
            qsizetype j = i + 1;
            while (j < n) {
                if (pattern[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && pattern[j + 1] == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += pattern[j++];
            }
            const qsizetype end = j < n ? j + 1 : n;
            appendLiteral(text, pattern.mid(i, end - i));
            i = end;
            continue;
        }
        if (!isFieldLetter(c)) {
            appendLiteral(QString(c), QString(c));
            ++i;
            continue;
        }
        if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            const bool pair = i + 1 < n && (pattern[i + 1] == QLatin1Char('p') ||
                                            pattern[i + 1] == QLatin1Char('P'));
            const int width = pair ? 2 : 1;
            m_tokens.append(Token{Kind::AmPm, width, QString(c), pattern.mid(i, width)});
            i += width;
            continue;
        }
        qsizetype j = i;
        while (j < n && pattern[j] == c)
            ++j;
        const int width = int(j - i);
        Kind kind = Kind::Other;
        switch (c.unicode()) {
        case 'd':
            kind = width <= 2 ? Kind::Day : Kind::Other; // ddd: day names
            break;
        case 'M':
            kind = width <= 2 ? Kind::Month : width <= 4 ? Kind::MonthName : Kind::Other;
            break;
        case 'y':
            kind = (width == 2 || width == 4) ? Kind::Year : Kind::Other;
            break;
        case 'h':
        case 'H':
            kind = width <= 2 ? Kind::Hour : Kind::Other;
            break;
        case 'm':
            kind = width <= 2 ? Kind::Minute : Kind::Other;
            break;
        case 's':
            kind = width <= 2 ? Kind::Second : Kind::Other;
            break;
        case 't':
            kind = Kind::TimeZone;
            break;
        default:
            kind = Kind::Other; // milliseconds
            break;
        }
        m_tokens.append(Token{kind, width, QString(c), pattern.mid(i, width)});
        i = j;
    }
}

void DateTimeFormat::classify()
{
    m_readable = true;
    m_hasTime = false;
    bool hasAmPm = false;
    bool hasLowerHour = false;
    for (const Token &token : std::as_const(m_tokens)) {
        switch (token.kind) {
        case Kind::MonthName:
            m_hasMonthName = true;
            break;
        case Kind::Other:
        case Kind::TimeZone:
            m_readable = false;
            break;
        case Kind::Hour:
            m_hasTime = true;
            if (token.text == QLatin1String("h"))
                hasLowerHour = true;
            break;
        case Kind::Minute:
        case Kind::Second:
            m_hasTime = true;
            break;
        case Kind::AmPm:
            hasAmPm = true;
            break;
        default:
            break;
        }
    }
    // As in QLocale: "h" counts to 12 only when the pattern has an AM/PM field.
    m_twelveHour = hasAmPm && hasLowerHour;
}

QList<QStringList> DateTimeFormat::monthNames(const QLocale &locale)
{
    QList<QStringList> names;
    for (int month = 1; month <= 12; ++month) {
        QStringList forms;
        for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString &name :
                 {locale.monthName(month, type), locale.standaloneMonthName(month, type)}) {
                if (!name.isEmpty() && !forms.contains(name))
                    forms.append(name);
            }
        }
        names.append(forms);
    }
    return names;
}

void DateTimeFormat::prepareNames(const QLocale &locale)
{
    if (m_hasMonthName)
        m_monthNames = monthNames(locale);
}

QString DateTimeFormat::pattern() const
{
    QString result;
    for (const Token &token : m_tokens)
        result += token.raw;
    return result;
}

DateTimeFormat DateTimeFormat::fromTokens(const QList<Token> &tokens)
{
    QString pattern;
    for (const Token &token : tokens)
        pattern += token.raw;
    return DateTimeFormat(pattern);
}

DateTimeFormat DateTimeFormat::withFourDigitYear() const
{
    QList<Token> tokens = m_tokens;
    for (Token &token : tokens) {
        if (token.kind == Kind::Year && token.width == 2) {
            token.width = 4;
            token.raw = QStringLiteral("yyyy");
        }
    }
    return fromTokens(tokens);
}

DateTimeFormat DateTimeFormat::withoutTimeZone() const
{
    QList<Token> tokens = m_tokens;
    for (qsizetype i = 0; i < tokens.size();) {
        if (tokens[i].kind != Kind::TimeZone) {
            ++i;
            continue;
        }
        const bool atStart = i == 0;
        if (i > 0 && tokens[i - 1].kind == Kind::Literal) {
            QString &text = tokens[i - 1].text;
            while (!text.isEmpty() && (text.back().isSpace() || text.back() == QLatin1Char('(') ||
                                       text.back() == QLatin1Char('[')))
                text.chop(1);
            tokens[i - 1].raw = quoteLiteral(text);
        }
        if (i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Literal) {
            QString &text = tokens[i + 1].text;
            while (!text.isEmpty() &&
                   (text.front() == QLatin1Char(')') || text.front() == QLatin1Char(']') ||
                    (atStart && text.front().isSpace())))
                text.remove(0, 1);
            tokens[i + 1].raw = quoteLiteral(text);
        }
        tokens.removeAt(i);
    }
    tokens.removeIf([](const Token &t) { return t.kind == Kind::Literal && t.text.isEmpty(); });
    return fromTokens(tokens);
}

QString DateTimeFormat::hourMinuteSeparator() const
{
    for (qsizetype i = 0; i + 2 < m_tokens.size(); ++i) {
        if (m_tokens[i].kind == Kind::Hour && m_tokens[i + 1].kind == Kind::Literal &&
            m_tokens[i + 2].kind == Kind::Minute)
            return m_tokens[i + 1].text;
    }
    return QString();
}

int DateTimeFormat::expandTwoDigitYear(int year, TwoDigitYears years)
{
    if (years == TwoDigitYears::Duration)
        return year == 99 ? 1899 : 1900 + year;
    return year < 50 ? 2000 + year : 1900 + year;
}

bool DateTimeFormat::read(const QString &input, const QLocale &locale, QDate *date, QTime *time,
                          TwoDigitYears years) const
{
    if (!m_readable)
        return false;
    const QStringView text(input);
    qsizetype pos = 0;
    int day = -1, month = -1, year = -1, hour = 0, minute = 0, second = 0;
    int amPm = 0; // 1 AM, 2 PM
    bool hasDate = false;
    const QList<QStringList> names =
        m_hasMonthName && m_monthNames.isEmpty() ? monthNames(locale) : QList<QStringList>();
    const QList<QStringList> &months = names.isEmpty() ? m_monthNames : names;

    for (qsizetype i = 0; i < m_tokens.size(); ++i) {
        const Token &token = m_tokens[i];
        switch (token.kind) {
        case Kind::Literal: {
            const QString &lit = token.text;
            for (qsizetype k = 0; k < lit.size(); ++k) {
                if (lit[k].isSpace()) {
                    // Any run of white space (also no-break spaces) for a blank.
                    if (pos >= text.size() || !text[pos].isSpace())
                        return false;
                    while (pos < text.size() && text[pos].isSpace())
                        ++pos;
                    while (k + 1 < lit.size() && lit[k + 1].isSpace())
                        ++k;
                } else {
                    if (pos >= text.size() || text[pos] != lit[k])
                        return false;
                    ++pos;
                }
            }
            break;
        }
        case Kind::Day:
        case Kind::Month:
        case Kind::Year:
        case Kind::Hour:
        case Kind::Minute:
        case Kind::Second: {
            // Fields written side by side have their full width; otherwise a
            // separator ends the digits.
            const bool adjacent = i + 1 < m_tokens.size() && m_tokens[i + 1].kind != Kind::Literal;
            const bool exact = adjacent && token.width >= 2;
            const int maxDigits = exact ? token.width : (token.kind == Kind::Year ? 4 : 2);
            int count = 0;
            const int value = readDigits(text, pos, maxDigits, &count);
            if (count == 0 || (exact && count != token.width))
                return false;
            switch (token.kind) {
            case Kind::Day:
                day = value;
                hasDate = true;
                break;
            case Kind::Month:
                month = value;
                hasDate = true;
                break;
            case Kind::Year:
                year = count <= 2 ? expandTwoDigitYear(value, years) : value;
                hasDate = true;
                break;
            case Kind::Hour:
                hour = value;
                break;
            case Kind::Minute:
                minute = value;
                break;
            default:
                second = value;
                break;
            }
            break;
        }
        case Kind::MonthName: {
            // The longest name that fits ("June" before "Jun").
            qsizetype best = 0;
            for (int m = 0; m < months.size(); ++m) {
                for (const QString &name : months[m]) {
                    if (name.size() > best && matchesAt(text, pos, name)) {
                        best = name.size();
                        month = m + 1;
                    }
                }
            }
            if (best == 0)
                return false;
            pos += best;
            hasDate = true;
            break;
        }
        case Kind::AmPm: {
            const QString candidates[] = {locale.amText(), locale.pmText(), QStringLiteral("AM"),
                                          QStringLiteral("PM")};
            qsizetype best = 0;
            for (int c = 0; c < 4; ++c) {
                if (candidates[c].size() > best && matchesAt(text, pos, candidates[c])) {
                    best = candidates[c].size();
                    amPm = (c % 2 == 0) ? 1 : 2;
                }
            }
            if (best == 0)
                return false;
            pos += best;
            break;
        }
        default:
            return false;
        }
    }
    if (pos != text.size())
        return false;

    QDate resultDate;
    if (hasDate) {
        if (day < 0 || month < 0 || year < 0)
            return false;
        resultDate = QDate(year, month, day);
        if (!resultDate.isValid())
            return false;
    }
    if (m_twelveHour) {
        if (hour < 0 || hour > 12)
            return false;
        if (amPm == 2 && hour < 12)
            hour += 12;
        else if (amPm == 1 && hour == 12)
            hour = 0;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    if (date)
        *date = resultDate;
    if (time)
        *time = QTime(hour, minute, second);
    return true;
}
