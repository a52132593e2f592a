#pragma once

#include "widgets/TrendGraph.h"

#include <QString>

class XmlDocument;

// The look of the trend graph as the configuration's Graph section gives it.
namespace GraphSettings {

// VertAx and HorAx: both "1" or both empty, the full grid; otherwise the grid
// lines of the settings that are "1".
TrendGraph::TGridStyle gridStyle(const QString &vertAx, const QString &horAx);
// Type: "0" 3D, "1" Filled, "2" Line, "3" Scatter; anything else Filled.
TrendGraph::TTrendStyle trendStyle(const QString &type);
// Sets the graph's GridStyle and Style from the document (reading the
// settings adds their elements when missing).
void apply(XmlDocument &config, TrendGraph &graph);

} // namespace GraphSettings
