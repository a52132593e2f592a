#include "monitor/MonitorView.h"

const char *MonitorView::objectName(Field field)
{
    switch (field) {
    case Field::CurTime:
        return "StaticText_curtime";
    case Field::CurCost:
        return "StaticText_curcost";
    case Field::MonthTime:
        return "StaticText_monthtime";
    case Field::MonthCost:
        return "StaticText_monthcost";
    case Field::AccByte:
        return "StaticText_accbyte";
    case Field::SentByte:
        return "StaticText_sentbyte";
    case Field::AccPack:
        return "StaticText_accpack";
    case Field::SentPack:
        return "StaticText_sentpack";
    case Field::AccComp:
        return "StaticText_acccomp";
    case Field::SentComp:
        return "StaticText_sentcomp";
    case Field::Speed:
        return "StaticText_speed";
    case Field::Provider:
        return "lblISP";
    case Field::UserName:
        return "lblUserName";
    }
    return "";
}
