#include "plans/PlanUsage.h"

#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "core/TextForms.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

constexpr qint64 kOneHourMs = 3600 * 1000;

QDate startDayIn(int periodStart, int year, int month)
{
    const QDate first(year, month, 1);
    return QDate(year, month, std::min(periodStart, first.daysInMonth()));
}

// The text of a Line's attribute; pugixml hands out UTF-8.
QString lineText(const pugi::xml_node &line, const char *name)
{
    return QString::fromUtf8(line.attribute(name).value());
}

qint64 lineCount(const pugi::xml_node &line, const char *name)
{
    bool ok = false;
    const qint64 value = lineText(line, name).trimmed().toLongLong(&ok, 10);
    return ok ? value : 0;
}

} // namespace

PlanPeriod PlanPeriod::containing(int periodStart, const QDateTime &at)
{
    const int day = std::clamp(periodStart, 1, 31);
    const QDate today = at.date();
    QDate start = startDayIn(day, today.year(), today.month());
    if (today < start) {
        const QDate before = today.addMonths(-1);
        start = startDayIn(day, before.year(), before.month());
    }
    const QDate after = QDate(start.year(), start.month(), 1).addMonths(1);
    const QDate end = startDayIn(day, after.year(), after.month());
    // startOfDay() takes a daylight-saving gap at midnight into account.
    return {start.startOfDay(), end.startOfDay()};
}

QList<QDate> PlanPeriod::months(const QDateTime &at) const
{
    const QDate last = std::min(end.date().addDays(-1), at.date());
    QList<QDate> result;
    for (QDate month(start.date().year(), start.date().month(), 1); month <= last;
         month = month.addMonths(1))
        result.append(month);
    return result;
}

PlanUsage::PlanUsage(ProviderPlan plan, const QDateTime &at)
    : m_plan(std::move(plan)), m_at(at), m_period(PlanPeriod::containing(m_plan.periodStart, at)),
      m_startDays(TextForms::toDays(m_period.start)), m_endDays(TextForms::toDays(m_period.end)),
      m_atDays(TextForms::toDays(at))
{
}

bool PlanUsage::add(const PlanSession &session)
{
    if (session.time < m_startDays || session.time >= m_endDays || session.time > m_atDays)
        return false;
    ++m_sessions;
    m_durationDays += session.durationDays;
    // Traffic counters are never negative; a damaged value counts nothing,
    // and counters near the largest a damaged month file holds stop there
    // instead of overflowing.
    for (const qint64 bytes : {session.bytesIn, session.bytesOut}) {
        if (__builtin_add_overflow(m_bytes, std::max<qint64>(bytes, 0), &m_bytes))
            m_bytes = std::numeric_limits<qint64>::max();
    }
    m_cost += session.cost;
    return true;
}

void PlanUsage::advanceTo(const QDateTime &at)
{
    if (at <= m_at)
        return;
    m_at = at;
    m_atDays = TextForms::toDays(at);
}

std::optional<double> PlanUsage::projected(double value) const
{
    // Real elapsed time, so a daylight-saving change inside the period
    // shortens or lengthens it by its hour.
    const qint64 elapsed = m_period.start.msecsTo(m_at);
    if (elapsed < kOneHourMs)
        return std::nullopt;
    return value * double(m_period.start.msecsTo(m_period.end)) / double(elapsed);
}

std::optional<double> PlanUsage::projectedTrafficMB() const
{
    return projected(trafficMB());
}

std::optional<double> PlanUsage::projectedCost() const
{
    return projected(m_cost);
}

void CountMonthFiles(const QString &logsDir, QList<PlanUsage> &usages,
                     const CountedSession &counted)
{
    // The months the periods need, each read once for all providers; the
    // providers' names as the files hold them (UTF-8), so that a Line of
    // another provider costs one look-up.
    QList<QDate> months;
    for (const PlanUsage &usage : std::as_const(usages)) {
        for (const QDate &month : usage.period().months(usage.at())) {
            if (!months.contains(month))
                months.append(month);
        }
    }
    std::sort(months.begin(), months.end());
    QHash<QByteArray, QList<qsizetype>> byName;
    for (qsizetype i = 0; i < usages.size(); ++i)
        byName[usages[i].plan().name.toUtf8()].append(i);

    for (const QDate &month : std::as_const(months)) {
        const QString fileName = logsDir + QLatin1Char('/') + statsFileName(month);
        if (!QFileInfo::exists(fileName))
            continue;
        XmlDocument document;
        if (!LoadDocument(fileName, document)) {
            qCWarning(lcPlan) << "month file" << fileName
                              << "cannot be read; its sessions are left out of the plans";
            continue;
        }
        const pugi::xml_node data = document.root().child("Data");
        for (pugi::xml_node line = data.first_child(); line; line = line.next_sibling()) {
            const auto found = byName.constFind(QByteArray(line.attribute("ConnectName").value()));
            if (found == byName.constEnd())
                continue;
            PlanSession session;
            if (!TextForms::parseDateTime(lineText(line, "Time"), &session.time))
                continue;
            // An empty or unreadable value counts nothing (the readers leave
            // the value as it was).
            TextForms::parseDuration(lineText(line, "Duration"), &session.durationDays);
            TextForms::parseNumber(lineText(line, "Cost"), &session.cost);
            session.bytesIn = lineCount(line, "TrafficIn");
            session.bytesOut = lineCount(line, "TrafficOut");
            for (qsizetype i : found.value()) {
                if (usages[i].add(session) && counted)
                    counted(i, session);
            }
        }
    }
}
