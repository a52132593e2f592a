// The text-form readers and writers under several locales: what a reader
// accepts, the writer writes so that the reader takes it back.
#include "FuzzSupport.h"

#include "core/TextForms.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

namespace {

const QLocale &localeFor(int index)
{
    static const QList<QLocale> locales = {QLocale::c(),
                                           QLocale(QStringLiteral("en_US")),
                                           QLocale(QStringLiteral("de_DE")),
                                           QLocale(QStringLiteral("fr_FR")),
                                           QLocale(QStringLiteral("ru_RU")),
                                           QLocale(QStringLiteral("fi_FI")),
                                           QLocale(QStringLiteral("ja_JP")),
                                           QLocale(QStringLiteral("ar_EG")),
                                           QLocale(QStringLiteral("fa_IR")),
                                           QLocale(QStringLiteral("hi_IN"))};
    return locales[index % locales.size()];
}

void numberReadsBack(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return;
    const QString text = TextForms::numberText(value, locale);
    double back = 0;
    FUZZ_CHECK(TextForms::parseNumber(text, &back, locale));
    // Fifteen significant digits survive (cut toward zero at the very ends).
    FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14);
}

// Date-times of the years 1800 to 2199: the program's own dates and any a
// file may plausibly hold.
void dateTimeReadsBack(double days, const QLocale &locale)
{
    if (!(days > -36522 && days < 109574))
        return;
    const QString text = TextForms::dateTimeText(days, locale);
    double back = 0;
    FUZZ_CHECK(TextForms::parseDateTime(text, &back, locale));
    FUZZ_CHECK(std::fabs(back - days) < 1.0 / 86400.0);
}

void durationIsWellFormed(double days, const QLocale &locale)
{
    const QString text = TextForms::durationText(days, locale);
    // A sign, if any, only in front.
    FUZZ_CHECK(text.lastIndexOf(QLatin1Char('-')) <= 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QLocale &locale = localeFor(input.ConsumeIntegral<uint8_t>());
    switch (input.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: {
        const double value = input.ConsumeFloatingPoint<double>();
        numberReadsBack(value, locale);
        durationIsWellFormed(value, locale);
        dateTimeReadsBack(value, locale);
        TextForms::timeOfDayText(value, locale);
        TextForms::moneyText(value, locale);
        if (std::isfinite(value))
            TextForms::speedText(qint64(std::fmod(value, 9.0e18)), locale);
        break;
    }
    case 1: {
        const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
        double value = 0;
        if (TextForms::parseNumber(text, &value, locale))
            numberReadsBack(value, locale);
        break;
    }
    case 2: {
        const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
        double days = 0;
        if (TextForms::parseDateTime(text, &days, locale)) {
            dateTimeReadsBack(days, locale);
            durationIsWellFormed(days, locale);
        }
        break;
    }
    case 3: {
        const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
        double fraction = 0;
        if (TextForms::parseTimeOfDay(text, &fraction, locale)) {
            const QString written = TextForms::timeOfDayText(fraction, locale);
            double back = -1;
            FUZZ_CHECK(TextForms::parseTimeOfDay(written, &back, locale));
            FUZZ_CHECK(written == TextForms::timeOfDayText(back, locale));
        }
        break;
    }
    default: {
        const double value = input.ConsumeFloatingPoint<double>();
        durationIsWellFormed(value, locale);
        TextForms::fromDays(value);
        QDate date;
        QTime time;
        TextForms::splitDays(value, &date, &time);
        break;
    }
    }
    return 0;
}
