#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class PixelCanvas;
class QPainter;

// A self-drawn scrolling chart of the most recent integer samples: each new
// sample enters at the right edge and the oldest leaves at the left.
//
// Naming: every property keeps its design name for Qt's property system
// (MinVal, MaxVal, ...). Getters are the lowerCamel form of that name
// (minVal(), gridXstep(), backGroundColor()), setters are set + the name
// (setMinVal(), setGridXstep()). AddValue() and the OnChangeDescret signal
// keep their design names as well.
//
// Coordinates follow raster conventions: a rectangle (x1, y1, x2, y2) covers
// x1 .. x2-1 and y1 .. y2-1, and a line leaves out its end point.
class TrendGraph : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 MinVal READ minVal WRITE setMinVal)
    Q_PROPERTY(qint32 MaxVal READ maxVal WRITE setMaxVal)
    Q_PROPERTY(qint32 Divisions READ divisions WRITE setDivisions)
    Q_PROPERTY(TTrendOptions Options READ options WRITE setOptions)
    Q_PROPERTY(TTrendStyle Style READ style WRITE setStyle)
    Q_PROPERTY(QColor ColorBase READ colorBase WRITE setColorBase)
    Q_PROPERTY(QColor BackGroundColor READ backGroundColor WRITE setBackGroundColor)
    Q_PROPERTY(TGridStyle GridStyle READ gridStyle WRITE setGridStyle)
    Q_PROPERTY(QColor GridColor READ gridColor WRITE setGridColor)
    Q_PROPERTY(qint32 GridXstep READ gridXstep WRITE setGridXstep)
    Q_PROPERTY(qint32 GridYstep READ gridYstep WRITE setGridYstep)
    Q_PROPERTY(bool AutoScale READ autoScale WRITE setAutoScale)
    Q_PROPERTY(quint16 Descret READ descret WRITE setDescret)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(quint16 Level READ level)
    Q_PROPERTY(qint32 Peak READ peak)
    Q_PROPERTY(QList<qint32> Values READ values)

public:
    enum TTrendStyle { tsBar, tsLine, tsScatter, ts3D, tsFilled };
    Q_ENUM(TTrendStyle)
    enum TTrendOption { toValues = 0x1, toTwin = 0x2 };
    Q_DECLARE_FLAGS(TTrendOptions, TTrendOption)
    Q_FLAG(TTrendOptions)
    enum TGridStyle { gsNone, gsXGrid, gsYGrid, gsFull };
    Q_ENUM(TGridStyle)

    // Number of sample slots; Divisions of them are shown.
    static constexpr int MaxSamples = 240;

    explicit TrendGraph(QWidget *parent = nullptr);

    qint32 minVal() const { return m_minVal; }
    void setMinVal(qint32 value);
    qint32 maxVal() const { return m_maxVal; }
    void setMaxVal(qint32 value);
    qint32 divisions() const { return m_divisions; }
    void setDivisions(qint32 value);
    TTrendOptions options() const { return m_options; }
    void setOptions(TTrendOptions value);
    TTrendStyle style() const { return m_style; }
    void setStyle(TTrendStyle value);
    QColor colorBase() const { return m_colorBase; }
    void setColorBase(const QColor &value);
    QColor backGroundColor() const { return m_backGroundColor; }
    void setBackGroundColor(const QColor &value);
    TGridStyle gridStyle() const { return m_gridStyle; }
    void setGridStyle(TGridStyle value);
    QColor gridColor() const { return m_gridColor; }
    void setGridColor(const QColor &value);
    qint32 gridXstep() const { return m_gridXstep; }
    void setGridXstep(qint32 value);
    qint32 gridYstep() const { return m_gridYstep; }
    void setGridYstep(qint32 value);
    bool autoScale() const { return m_autoScale; }
    void setAutoScale(bool value);
    quint16 descret() const { return m_descret; }
    void setDescret(quint16 value);
    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    // Colour of the main series and of the caption.
    QColor color() const { return m_color; }
    void setColor(const QColor &value);

    quint16 level() const { return m_level; }
    qint32 peak() const { return m_peak; }
    // All slots, oldest shown first; slots from Divisions on are not drawn.
    QList<qint32> values() const;
    QList<qint32> twinValues() const;
    // Feeds the twin series (slot by slot, missing slots become 0).
    void setTwinValues(const QList<qint32> &values);

    // Appends one sample to the main series and schedules a repaint.
    void AddValue(qint32 value);

    // The whole control drawn off screen, at the given device pixel ratio.
    QImage render(qreal devicePixelRatio = 1.0) const;

    // Each of red, green and blue moved by delta and clamped to 0 .. 255.
    static QColor ShadeColor(const QColor &color, int delta);

    QSize sizeHint() const override { return QSize(221, 60); }

signals:
    // The scale level changed; emitted only while something is connected.
    void OnChangeDescret(TrendGraph *sender, quint16 Level);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintInto(QImage &image) const;
    void paintGrid(PixelCanvas &canvas, QRgb &outline) const;
    void paintBars(PixelCanvas &canvas, QPainter &painter, QRgb outline) const;
    void paintLines(PixelCanvas &canvas) const;
    void paintScatter(PixelCanvas &canvas) const;
    void paintFilled(PixelCanvas &canvas) const;
    void paint3D(PixelCanvas &canvas, QPainter &painter) const;
    void paintLabel(QPainter &painter, int centreX, int y, const QString &text) const;
    void paintCaption(QPainter &painter) const;
    // Height in pixels above the bottom edge of a sample in the given room.
    int sampleHeight(qint32 value, int room) const;

    qint32 m_minVal = 0;
    qint32 m_maxVal = 100;
    qint32 m_divisions = 20;
    TTrendOptions m_options;
    TTrendStyle m_style = tsBar;
    QColor m_colorBase = QColor(0, 255, 255);
    QColor m_backGroundColor = QColor(255, 255, 255);
    TGridStyle m_gridStyle = gsFull;
    QColor m_gridColor = QColor(192, 192, 192);
    qint32 m_gridXstep = 10;
    qint32 m_gridYstep = 10;
    bool m_autoScale = false;
    quint16 m_descret = 100;
    QString m_caption;
    QColor m_color = QColor(255, 0, 0);

    std::array<qint32, MaxSamples> m_values{};
    std::array<qint32, MaxSamples> m_twinValues{};
    qint32 m_peak = 0;
    quint16 m_level = 1;
    int m_depth3DX = 10;
    int m_depth3DY = 10;

    mutable QImage m_frame; // reused between repaints
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TrendGraph::TTrendOptions)
