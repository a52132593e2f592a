#pragma once

#include <QIcon>
#include <QPixmap>

// The program's nine images, drawn from SVG so that they stay sharp at any
// size and pixel density. By index:
//   0 red ball, 1 green ball                     (status bar: off / on line)
//   2 dark blue light, 3 light blue light        (activity light: idle / active)
//   4 two computers, both screens dark           (tray: connected, no traffic)
//   5 rear screen lit, 6 front screen lit        (tray: receiving / sending only)
//   7 both screens lit                           (tray: receiving and sending)
//   8 two computers with a red cross             (tray: disconnected)
class ImageList
{
public:
    static constexpr int Count = 9;

    // An icon with pixmaps from 16 to 256 pixels; a null icon for an index
    // out of range. Built once per index and kept until the application ends.
    static QIcon icon(int index);
    // The image rendered as a size x size square at the given pixel ratio;
    // a null pixmap for an index out of range.
    static QPixmap pixmap(int index, int size = 16, qreal dpr = 1);
    // The resource path of an image, e.g. ":/images/4.svg".
    static QString path(int index);
};
