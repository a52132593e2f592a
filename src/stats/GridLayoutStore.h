#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The statistics grid's column layout in the user's settings (organisation
// and application "Dialometer", the native format): the group
// "TStatistic.DBGridEh" holds one value "DBGridEh.<field>" per column, seven
// integers separated by commas.
class GridLayoutStore
{
public:
    struct Column
    {
        int position = 0;
        int width = 0;
        int marker = 0; // 0 none, 1 down (ascending), 2 up (descending)
        int visible = 1;
        int sortPlace = 0; // place among the sort-marked columns, 0 when unmarked
        int dropDownRows = 7;
        int dropDownWidth = 0;
    };

    static const QString &group();
    // The layouts by field name; a value that cannot be read is left out.
    static QHash<QString, Column> read();
    // Replaces the whole group with the given columns.
    static void write(const QList<QPair<QString, Column>> &columns);

    static bool parse(const QString &text, Column *column);
    static QString format(const Column &column);
};
