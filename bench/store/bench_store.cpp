// Envelope throughput beside memcpy, and the month file of 10,000 sessions:
// open + table load and one append (with its atomic save), each beside
// pugixml's bare parse or save of the same bytes.
#include "core/TextForms.h"
#include "store/DataFileEnvelope.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"
#include "store/StatisticsLog.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr qsizetype kEnvelopeBytes = 1 << 20;
constexpr int kSessions = 10000;

QByteArray randomMiB()
{
    QByteArray b(kEnvelopeBytes, Qt::Uninitialized);
    QRandomGenerator generator(1);
    generator.fillRange(reinterpret_cast<quint32 *>(b.data()), b.size() / 4);
    return b;
}

QStringList sessionRecord(int i)
{
    const double start = 46000.0 + i * 0.003;
    return {
        QStringLiteral("Time=") + TextForms::dateTimeText(start),
        QStringLiteral("Duration=") + TextForms::dateTimeText(0.0123 + (i % 97) * 0.0007),
        QStringLiteral("TrafficIn=") + QString::number(1234567 + i * 131),
        QStringLiteral("TrafficOut=") + QString::number(234567 + i * 17),
        QStringLiteral("Cost=") + TextForms::numberText(1.25 + (i % 13) * 0.37),
        QStringLiteral("Speed=") + TextForms::numberText(49.333),
        QStringLiteral("ConnectName=") + QStringLiteral("Provider %1").arg(i % 5),
        QStringLiteral("UserName=") + (i % 3 ? QStringLiteral("user%1").arg(i % 4) : QString()),
    };
}

// A month file of kSessions connections, written once per run.
struct MonthFile
{
    QTemporaryDir dir;
    QString path;
    QByteArray plain;

    MonthFile()
    {
        path = dir.filePath(QStringLiteral("25_12.sn2"));
        XmlDocument document;
        NewStatistics(document);
        pugi::xml_node data = document.root().child("Data");
        for (int i = 0; i < kSessions; ++i) {
            pugi::xml_node line = data.append_child("Line");
            for (const QString &text : sessionRecord(i)) {
                setAttributeText(line, PairName(text, QLatin1Char('=')).toUtf8().constData(),
                                 PairValue(text, QLatin1Char('=')));
            }
        }
        plain = document.serialize();
        SaveDocument(path, document);
    }
};

MonthFile &monthFile()
{
    static MonthFile file;
    return file;
}

void BM_Memcpy(benchmark::State &state)
{
    const QByteArray source = randomMiB();
    QByteArray target(source.size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), source.constData(), size_t(source.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * source.size());
}
BENCHMARK(BM_Memcpy);

void BM_Scramble(benchmark::State &state)
{
    QByteArray buffer = randomMiB();
    for (auto _ : state) {
        ScrambleStream(buffer);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * buffer.size());
}
BENCHMARK(BM_Scramble);

void BM_Unscramble(benchmark::State &state)
{
    QByteArray buffer = randomMiB();
    for (auto _ : state) {
        UnscrambleStream(buffer);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * buffer.size());
}
BENCHMARK(BM_Unscramble);

void BM_PugixmlParse(benchmark::State &state)
{
    const QByteArray &plain = monthFile().plain;
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(plain.constData(), size_t(plain.size()),
                                                      pugi::parse_default, pugi::encoding_utf8));
    }
    state.SetBytesProcessed(state.iterations() * plain.size());
    state.counters["fileBytes"] = double(plain.size());
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

void BM_OpenStatisticsAndLoadTable(benchmark::State &state)
{
    const QString &path = monthFile().path;
    for (auto _ : state) {
        XmlDocument document;
        OpenStatistics(path, document);
        SessionTable table;
        LoadStatisticsTable(document, table);
        if (table.rowCount() != kSessions)
            state.SkipWithError("the table did not load");
    }
}
BENCHMARK(BM_OpenStatisticsAndLoadTable)->Unit(benchmark::kMillisecond);

void BM_PugixmlSave(benchmark::State &state)
{
    pugi::xml_document document;
    const QByteArray &plain = monthFile().plain;
    document.load_buffer(plain.constData(), size_t(plain.size()));
    for (auto _ : state) {
        struct Sink : pugi::xml_writer
        {
            std::string text;
            void write(const void *data, size_t size) override
            {
                text.append(static_cast<const char *>(data), size);
            }
        } sink;
        document.save(sink, "", pugi::format_raw | pugi::format_no_declaration);
        benchmark::DoNotOptimize(sink.text.data());
    }
}
BENCHMARK(BM_PugixmlSave)->Unit(benchmark::kMillisecond);

void BM_AppendSession(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("25_12.sn2"));
    QFile::copy(monthFile().path, path);
    MonthStatistics month(path);
    month.open();
    const QStringList record = sessionRecord(kSessions);
    for (auto _ : state)
        month.AppendSession(record);
}
BENCHMARK(BM_AppendSession)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
