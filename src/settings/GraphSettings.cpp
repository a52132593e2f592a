#include "settings/GraphSettings.h"

#include "store/ConfigDocument.h"

namespace GraphSettings {

TrendGraph::TGridStyle gridStyle(const QString &vertAx, const QString &horAx)
{
    const QLatin1String one("1");
    if ((vertAx == one && horAx == one) || (vertAx.isEmpty() && horAx.isEmpty()))
        return TrendGraph::gsFull;
    if (vertAx == one)
        return TrendGraph::gsXGrid;
    if (horAx == one)
        return TrendGraph::gsYGrid;
    return TrendGraph::gsNone;
}

TrendGraph::TTrendStyle trendStyle(const QString &type)
{
    bool ok = false;
    switch (type.trimmed().toInt(&ok)) {
    case 0:
        return ok ? TrendGraph::ts3D : TrendGraph::tsFilled;
    case 2:
        return TrendGraph::tsLine;
    case 3:
        return TrendGraph::tsScatter;
    default:
        return TrendGraph::tsFilled;
    }
}

void apply(XmlDocument &config, TrendGraph &graph)
{
    const auto read = [&config](const ConfigKey &key) {
        return GetSectionValue(config, key.sectionName(), key.keyName());
    };
    graph.setGridStyle(gridStyle(read(ConfigKeys::VertAx), read(ConfigKeys::HorAx)));
    graph.setStyle(trendStyle(read(ConfigKeys::GraphType)));
}

} // namespace GraphSettings
