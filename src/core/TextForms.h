#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The texts the program shows and stores, under the user's regional
// conventions (QLocale::system(), which follows LC_ALL / LC_NUMERIC /
// LC_TIME / LANG). Date-times are doubles of days since 30 December 1899
// 00:00, the fraction being the time of day; durations use the same scale.
namespace TextForms {

// Days since 30 December 1899 for a local date-time, and back.
double toDays(const QDateTime &local);
QDateTime fromDays(double days);
// The time of day of a local date-time as a fraction of a day, in ms steps.
double timeOfDay(const QDateTime &local);
// The calendar date and clock time of a days value, without going through a
// time zone (so no time is lost in a daylight-saving gap). False when the
// value is not finite or out of range.
bool splitDays(double days, QDate *date, QTime *time);

// Number text: general format, at most 15 significant digits, the locale's
// decimal separator, no group separator; "E" and the exponent (no "+", no
// leading zeros) when the magnitude is below 0.00001 or has more than 15
// integer digits: "9,5367431640625E-7", "1E20", "0", "-2,5".
QString numberText(double value, const QLocale &locale = QLocale::system());
// Reads a number text (or plain decimal text) under the locale. False when
// the text is not a number; *value is then untouched.
bool parseNumber(const QString &text, double *value, const QLocale &locale = QLocale::system());

// Date-time text: the short date (four-digit year), then, unless the time of
// day is exactly 00:00:00, a blank and the long time (without time zone).
QString dateTimeText(double days, const QLocale &locale = QLocale::system());
// The short date (four-digit year) of a calendar date.
QString shortDateText(const QDate &date, const QLocale &locale = QLocale::system());
// Reads a date-time text written by dateTimeText (a date alone, or a date and
// a time). A two-digit year means 1950..2049. False when unreadable.
bool parseDateTime(const QString &text, double *days, const QLocale &locale = QLocale::system());
// Reads a duration stored as a date-time text (days counted from 30 December
// 1899): the same forms, but a two-digit year 99 means 1899 and any other yy
// 1900 + yy. False when unreadable.
bool parseDuration(const QString &text, double *days, const QLocale &locale = QLocale::system());

// Duration text: "hh:nn:ss" joined by the locale's time separator, seconds
// truncated; from one day on, the whole days and "." in front: "1.02:03:04".
QString durationText(double days, const QLocale &locale = QLocale::system());
// Money text: "#,##0.00 " (group separators, two decimals, one trailing blank).
QString moneyText(double value, const QLocale &locale = QLocale::system());
// Count text: "#,##0" (group separators, no decimals; "0" for zero).
QString countText(qint64 value, const QLocale &locale = QLocale::system());
// Hint count text: "#,##" (group separators; the empty text for zero).
QString hintCountText(qint64 value, const QLocale &locale = QLocale::system());
// Speed text: the number text of bits per second / 1000.
QString speedText(qint64 bitsPerSecond, const QLocale &locale = QLocale::system());

// Time of day "HH:mm" with the locale's time separator, and its reader
// (also accepts seconds). False when the text is not a valid time of day.
QString timeOfDayText(double fraction, const QLocale &locale = QLocale::system());
bool parseTimeOfDay(const QString &text, double *fraction,
                    const QLocale &locale = QLocale::system());
// The locale's time separator (":" in most locales).
QString timeSeparator(const QLocale &locale = QLocale::system());

} // namespace TextForms
