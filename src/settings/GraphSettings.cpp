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
    const QString section = QStringLiteral("Graph");
    const QString vert = GetSectionValue(config, section, QStringLiteral("VertAx"));
    const QString hor = GetSectionValue(config, section, QStringLiteral("HorAx"));
    graph.setGridStyle(gridStyle(vert, hor));
    graph.setStyle(trendStyle(GetSectionValue(config, section, QStringLiteral("Type"))));
}

} // namespace GraphSettings
