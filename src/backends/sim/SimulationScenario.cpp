#include "backends/sim/SimulationScenario.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace {

// Thrown inside the reader only; fromJson() turns it into the error text.
struct ScenarioError
{
    QString where;
    QString problem;
};

[[noreturn]] void fail(const QString &where, const QString &problem)
{
    throw ScenarioError{where, problem};
}

QString member(const QString &where, const QString &key)
{
    return where.isEmpty() ? key : where + QLatin1Char('.') + key;
}

void checkKeys(const QJsonObject &object, const QString &where, const QStringList &known)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key()))
            fail(member(where, it.key()),
                 QStringLiteral("unknown key (expected one of: %1)").arg(known.join(", ")));
    }
}

QJsonObject objectAt(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        fail(where, QStringLiteral("must be an object"));
    return value.toObject();
}

double numberAt(const QJsonObject &object, const QString &key, const QString &where, double min,
                double max, double fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        fail(member(where, key), QStringLiteral("must be a number"));
    const double d = value.toDouble();
    if (d < min || d > max)
        fail(member(where, key), QStringLiteral("must be between %1 and %2, not %3")
                                     .arg(min, 0, 'g', 15)
                                     .arg(max, 0, 'g', 15)
                                     .arg(d, 0, 'g', 15));
    return d;
}

QString textAt(const QJsonObject &object, const QString &key, const QString &where,
               const QString &fallback, bool required = false)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (required)
            fail(member(where, key), QStringLiteral("is missing"));
        return fallback;
    }
    if (!value.isString() || value.toString().trimmed().isEmpty())
        fail(member(where, key), QStringLiteral("must be a non-empty text"));
    return value.toString();
}

constexpr double kMaxCounter = TrafficProfile::kMaxCounter;
constexpr double kMaxSeconds = 1.0e9;

qint64 msFromSeconds(double seconds)
{
    return qint64(std::llround(seconds * 1000.0));
}

const QStringList kTrafficKeys{"speed",     "receiveRate",   "sendRate",       "variation",
                               "frameSize", "compressionIn", "compressionOut", "samples",
                               "interface", "hangUpDelay"};

// Reads the traffic fields of an object over base; missing fields keep base's.
TrafficProfile readTraffic(const QJsonObject &o, const QString &where, const TrafficProfile &base)
{
    TrafficProfile t = base;
    t.speedBps = qint64(numberAt(o, "speed", where, 0, kMaxCounter, double(base.speedBps)));
    t.receiveRate = numberAt(o, "receiveRate", where, 0, kMaxCounter, base.receiveRate);
    t.sendRate = numberAt(o, "sendRate", where, 0, kMaxCounter, base.sendRate);
    t.variation = numberAt(o, "variation", where, 0, 1, base.variation);
    t.frameSize = qint64(numberAt(o, "frameSize", where, 1, 1.0e6, double(base.frameSize)));
    t.compressionIn =
        quint32(numberAt(o, "compressionIn", where, 0, 100, double(base.compressionIn)));
    t.compressionOut =
        quint32(numberAt(o, "compressionOut", where, 0, 100, double(base.compressionOut)));

    const QJsonValue samples = o.value("samples");
    if (!samples.isUndefined()) {
        const QString sw = member(where, "samples");
        if (!samples.isArray() || samples.toArray().isEmpty())
            fail(sw, QStringLiteral("must be a non-empty list of samples"));
        t.samples.clear();
        const QJsonArray array = samples.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString w = QStringLiteral("%1[%2]").arg(sw).arg(i);
            const QJsonObject s = objectAt(array[i], w);
            checkKeys(s, w, {"at", "received", "sent", "receivedFrames", "sentFrames"});
            if (!s.contains("at"))
                fail(member(w, "at"), QStringLiteral("is missing"));
            TrafficSample sample;
            sample.at = numberAt(s, "at", w, 0, kMaxSeconds, 0);
            sample.received = qint64(numberAt(s, "received", w, 0, kMaxCounter, 0));
            sample.sent = qint64(numberAt(s, "sent", w, 0, kMaxCounter, 0));
            sample.receivedFrames = qint64(numberAt(s, "receivedFrames", w, 0, kMaxCounter, -1));
            sample.sentFrames = qint64(numberAt(s, "sentFrames", w, 0, kMaxCounter, -1));
            if (!t.samples.isEmpty() && sample.at <= t.samples.last().at)
                fail(member(w, "at"), QStringLiteral("must be later than the sample before it"));
            t.samples.append(sample);
        }
    }
    return t;
}

SimulationScenario::DialOutcome readDialOutcome(const QJsonObject &o, const QString &where,
                                                const SimulationScenario::DialOutcome &base,
                                                const QStringList &extraKeys)
{
    checkKeys(o, where, kTrafficKeys + QStringList{"delay", "failure"} + extraKeys);
    SimulationScenario::DialOutcome d = base;
    d.delayMs = msFromSeconds(numberAt(o, "delay", where, 0, 3600, double(base.delayMs) / 1000));
    d.failure = textAt(o, "failure", where, base.failure);
    d.interfaceName = textAt(o, "interface", where, base.interfaceName);
    d.hangUpDelayMs = msFromSeconds(
        numberAt(o, "hangUpDelay", where, 0, 3600, double(base.hangUpDelayMs) / 1000));
    d.traffic = readTraffic(o, where, base.traffic);
    return d;
}

SimulationScenario readScenario(const QJsonObject &root)
{
    SimulationScenario scenario;
    checkKeys(root, QString(), {"phonebook", "connections", "dial"});

    const QJsonValue phonebook = root.value("phonebook");
    if (!phonebook.isUndefined()) {
        if (!phonebook.isArray())
            fail("phonebook", QStringLiteral("must be a list of entry names"));
        QSet<QString> seen;
        const QJsonArray array = phonebook.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString w = QStringLiteral("phonebook[%1]").arg(i);
            if (!array[i].isString() || array[i].toString().trimmed().isEmpty())
                fail(w, QStringLiteral("must be a non-empty text"));
            const QString name = array[i].toString();
            if (seen.contains(name.toLower()))
                fail(w, QStringLiteral("\"%1\" is listed twice").arg(name));
            seen.insert(name.toLower());
            scenario.phonebook.append(name);
        }
    }

    const QJsonValue connections = root.value("connections");
    if (!connections.isUndefined()) {
        if (!connections.isArray())
            fail("connections", QStringLiteral("must be a list of connections"));
        const QJsonArray array = connections.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString w = QStringLiteral("connections[%1]").arg(i);
            const QJsonObject o = objectAt(array[i], w);
            checkKeys(o, w, kTrafficKeys + QStringList{"entry", "start", "end"});
            SimulationScenario::ScheduledConnection c;
            c.entry = textAt(o, "entry", w, QString(), true);
            c.startMs = msFromSeconds(numberAt(o, "start", w, 0, kMaxSeconds, 0));
            if (o.contains("end")) {
                c.endMs = msFromSeconds(numberAt(o, "end", w, 0, kMaxSeconds, 0));
                if (c.endMs <= c.startMs)
                    fail(member(w, "end"), QStringLiteral("must be later than start"));
            }
            c.interfaceName = textAt(o, "interface", w, QString());
            c.hangUpDelayMs = msFromSeconds(numberAt(o, "hangUpDelay", w, 0, 3600, 0));
            c.traffic = readTraffic(o, w, TrafficProfile());
            scenario.connections.append(c);
        }
    }

    const QJsonValue dial = root.value("dial");
    if (!dial.isUndefined()) {
        const QJsonObject o = objectAt(dial, "dial");
        scenario.dialDefault =
            readDialOutcome(o, "dial", SimulationScenario::DialOutcome(), {"entries"});
        const QJsonValue entries = o.value("entries");
        if (!entries.isUndefined()) {
            const QJsonObject e = objectAt(entries, "dial.entries");
            for (auto it = e.begin(); it != e.end(); ++it) {
                const QString w = QStringLiteral("dial.entries[\"%1\"]").arg(it.key());
                scenario.dialByEntry.insert(it.key(), readDialOutcome(objectAt(it.value(), w), w,
                                                                      scenario.dialDefault, {}));
            }
        }
    }
    return scenario;
}

// Line and column (from 1) of a character offset into text.
QString lineAndColumn(const QByteArray &text, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

} // namespace

std::optional<SimulationScenario>
SimulationScenario::fromJson(const QByteArray &json, const QString &sourceName, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("%1: %2: %3")
                         .arg(sourceName, lineAndColumn(json, parseError.offset),
                              parseError.errorString());
        return std::nullopt;
    }
    if (!doc.isObject()) {
        if (error)
            *error = QStringLiteral("%1: the scenario must be a JSON object").arg(sourceName);
        return std::nullopt;
    }
    try {
        return readScenario(doc.object());
    } catch (const ScenarioError &e) {
        if (error)
            *error = QStringLiteral("%1: %2: %3").arg(sourceName, e.where, e.problem);
        return std::nullopt;
    }
}

std::optional<SimulationScenario> SimulationScenario::fromFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return fromJson(file.readAll(), path, error);
}

SimulationScenario SimulationScenario::demo()
{
    SimulationScenario s;
    s.phonebook = {QStringLiteral("Home Dial-up"), QStringLiteral("Office ISDN"),
                   QStringLiteral("Mobile GPRS")};

    DialOutcome &d = s.dialDefault;
    d.delayMs = 2000;
    d.traffic.speedBps = 53333;
    d.traffic.receiveRate = 4200;
    d.traffic.sendRate = 650;
    d.traffic.variation = 0.9;
    d.traffic.frameSize = 560;
    d.traffic.compressionIn = 38;
    d.traffic.compressionOut = 21;

    DialOutcome isdn = d;
    isdn.traffic.speedBps = 64000;
    isdn.traffic.receiveRate = 6800;
    isdn.traffic.sendRate = 1100;
    isdn.traffic.variation = 0.6;
    isdn.traffic.compressionIn = 0;
    isdn.traffic.compressionOut = 0;
    s.dialByEntry.insert(QStringLiteral("Office ISDN"), isdn);

    DialOutcome gprs = d;
    gprs.traffic.speedBps = 40200;
    gprs.traffic.receiveRate = 3000;
    gprs.traffic.sendRate = 900;
    gprs.traffic.variation = 1.0;
    gprs.traffic.compressionIn = 12;
    gprs.traffic.compressionOut = 9;
    s.dialByEntry.insert(QStringLiteral("Mobile GPRS"), gprs);
    return s;
}
