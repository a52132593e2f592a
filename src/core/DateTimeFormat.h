#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTime>

// A date/time pattern in QLocale's syntax ("dd.MM.yyyy HH:mm:ss"), split into
// fields and literals once, so that the locale's patterns can be adjusted
// (four-digit year, no time zone) and texts read back quickly: a month file
// holds two date-time texts per line and is read whole at start-up.
class DateTimeFormat
{
public:
    // How a year of one or two digits is read. Points in time fall in
    // 1950..2049. A duration is a date-time counted from 30 December 1899, so
    // its year is 1899 or a little later: 99 is 1899, any other yy 1900 + yy.
    enum class TwoDigitYears { PointInTime, Duration };

    explicit DateTimeFormat(const QString &pattern = QString());

    // The pattern as QLocale::toString() takes it.
    QString pattern() const;
    // True when every field is one that read() understands (numeric day,
    // month, year, hours, minutes, seconds, month names and the AM/PM
    // marker). Other patterns (day names, time zones) need QLocale.
    bool isReadable() const { return m_readable; }
    bool hasTime() const { return m_hasTime; }
    // Looks the locale's month names up once for read(); without this they
    // are looked up on every read.
    void prepareNames(const QLocale &locale);

    // Reads a whole text written with this pattern. A year of one or two
    // digits is expanded as years says. Any white space matches a blank of
    // the pattern. Without time fields the time is 00:00.
    bool read(const QString &text, const QLocale &locale, QDate *date, QTime *time,
              TwoDigitYears years = TwoDigitYears::PointInTime) const;

    // The pattern with a lone two-digit year "yy" made "yyyy".
    DateTimeFormat withFourDigitYear() const;
    // The pattern without its time-zone field and the blanks or brackets
    // around it.
    DateTimeFormat withoutTimeZone() const;
    // The text between the hour and the minute fields, or the empty text.
    QString hourMinuteSeparator() const;

    // Years written with one or two digits: 50..99 are 1950..1999, 0..49 are
    // 2000..2049; for a duration 99 is 1899 and yy otherwise 1900 + yy.
    static int expandTwoDigitYear(int year, TwoDigitYears years = TwoDigitYears::PointInTime);

private:
    enum class Kind {
        Literal,
        Day,
        Month,
        MonthName,
        Year,
        Hour,
        Minute,
        Second,
        AmPm,
        TimeZone,
        Other
    };
    struct Token
    {
        Kind kind = Kind::Literal;
        int width = 0; // letters of a field
        QString text;  // a literal's text (quotes removed)
        QString raw;   // as written in the pattern
    };

    void tokenize(const QString &pattern);
    void classify();
    static DateTimeFormat fromTokens(const QList<Token> &tokens);
    static QList<QStringList> monthNames(const QLocale &locale);

    QList<Token> m_tokens;
    bool m_readable = true;
    bool m_hasTime = false;
    bool m_twelveHour = false;
    bool m_hasMonthName = false;
    // Per month (0..11) its long, short and stand-alone names.
    QList<QStringList> m_monthNames;
};
