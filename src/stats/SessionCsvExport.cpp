#include "stats/SessionCsvExport.h"

#include "core/MachineText.h"
#include "stats/StatisticModel.h"

#include <QSaveFile>
#include <QStringList>

QString SessionCsvExport::text(const StatisticModel &model)
{
    using M = StatisticModel;
    QString out = QStringLiteral(
        "Time,Duration,TrafficIn,TrafficOut,TrafficSum,Cost,Speed,ConnectName,UserName\n");
    for (int r = 0; r < model.rowCount(); ++r) {
        using namespace MachineText;
        const QStringList fields = {isoTime(model.value(r, M::Session)),
                                    csvField(wholeSeconds(model.value(r, M::Duration))),
                                    csvField(model.value(r, M::TrafficIn)),
                                    csvField(model.value(r, M::TrafficOut)),
                                    csvField(model.value(r, M::TrafficSum)),
                                    csvField(model.value(r, M::Cost)),
                                    csvField(model.value(r, M::Speed)),
                                    csvField(model.value(r, M::ISP)),
                                    csvField(model.value(r, M::UserName))};
        out += fields.join(QLatin1Char(','));
        out += QLatin1Char('\n');
    }
    return out;
}

bool SessionCsvExport::write(const StatisticModel &model, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(text(model).toUtf8());
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
