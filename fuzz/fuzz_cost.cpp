// A configuration priced by the cost engine at fuzzed times and quantities.
// The input: the fuzzed parameters first, then the configuration's XML.
#include "FuzzSupport.h"

#include "core/Clock.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QDateTime>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // Any moment from 1900 to 2200, local time.
    const qint64 msSinceEpoch =
        input.ConsumeIntegralInRange<qint64>(-2208988800000LL, 7258118400000LL);
    const double timeOfDay = input.ConsumeBool() ? input.ConsumeFloatingPoint<double>()
                                                 : input.ConsumeProbability<double>();
    const bool asTexts = input.ConsumeBool();
    IntervalQuantities quantities;
    QStringList texts;
    if (asTexts) {
        for (const char *name : {"Minute=", "Input=", "Output="})
            texts << QString::fromLatin1(name) +
                         QString::fromStdString(input.ConsumeRandomLengthString(24));
    } else {
        quantities.minutes = input.ConsumeFloatingPoint<double>();
        quantities.megabytesIn = input.ConsumeFloatingPoint<double>();
        quantities.megabytesOut = input.ConsumeFloatingPoint<double>();
    }
    const int providerIndex = input.ConsumeIntegralInRange<int>(0, 3);
    // A restart's gap: up to a week and a day.
    const qint64 spanMs = input.ConsumeIntegralInRange<qint64>(0, 8 * 86400000LL);
    const std::vector<uint8_t> xml = input.ConsumeRemainingBytes<uint8_t>();

    XmlDocument config;
    if (!config.parse(FuzzSupport::bytesOf(xml.data(), xml.size())))
        return 0;
    EnsureConfigSections(config);
    pugi::xml_node provider = config.root().child("ISP").first_child();
    for (int i = 0; i < providerIndex && provider; ++i)
        provider = provider.next_sibling();

    const ManualClock clock(QDateTime::fromMSecsSinceEpoch(msSinceEpoch));
    const IntervalPrice price = asTexts
                                    ? PriceInterval(config, provider, texts, timeOfDay, clock)
                                    : PriceInterval(config, provider, quantities, timeOfDay, clock);
    TariffTypeAt(provider, clock.now().date(), TextForms::timeOfDay(clock.now()));
    (void)price;
    SpanCost(config, provider, clock.now(), clock.now().addMSecs(spanMs), quantities.megabytesIn,
             quantities.megabytesOut);
    return 0;
}
