#pragma once

#include <QString>
#include <QtGlobal>

// Everything a tick of the session monitor shows. The main window implements
// it; tests record the calls. Each call says what to show, not how: a view
// may skip a repaint when a text has not changed.
class MonitorView
{
public:
    // The figures of the main window, each named after its control.
    enum class Field {
        CurTime,   // StaticText_curtime
        CurCost,   // StaticText_curcost
        MonthTime, // StaticText_monthtime
        MonthCost, // StaticText_monthcost
        AccByte,   // StaticText_accbyte
        SentByte,  // StaticText_sentbyte
        AccPack,   // StaticText_accpack
        SentPack,  // StaticText_sentpack
        AccComp,   // StaticText_acccomp
        SentComp,  // StaticText_sentcomp
        Speed,     // StaticText_speed
        Provider,  // lblISP
        UserName,  // lblUserName
    };
    static constexpr int kFieldCount = 13;

    // The two activity lights.
    enum class Light {
        Sent,     // Led_S
        Received, // Led_R
    };

    // Image numbers of the image list the monitor selects.
    enum Image : int {
        DisconnectedGlyph = 0, // red ball
        ConnectedGlyph = 1,    // green ball
        LightIdle = 2,
        LightActive = 3,
        TrayNoTraffic = 4,
        TrayReceiving = 5,
        TraySending = 6,
        TrayBoth = 7,
        TrayDisconnected = 8,
    };

    virtual ~MonitorView() = default;

    // The objectName of a field's control, e.g. "StaticText_curtime", "lblISP".
    static const char *objectName(Field field);

    virtual void setText(Field field, const QString &text) = 0;
    // Image LightIdle or LightActive into Led_S / Led_R.
    virtual void setLightImage(Light light, int image) = 0;
    // The status bar: the connection glyph (image 0 or 1, drawn at (1, 3) of
    // panel 0) and the text of panel 1.
    virtual void setStatusGlyph(int image) = 0;
    virtual void setStatusText(const QString &text) = 0;
    // Image `index` of the image list as the tray icon and application icon.
    virtual void SetTrayImage(int index) = 0;
    // The tray icon's tooltip, at most 255 characters, empty for none. Lines
    // are separated by "\r\n".
    virtual void setTrayHint(const QString &hint) = 0;
    // The tray balloon with the information icon; lines separated by "\r\n".
    virtual void showBalloon(const QString &title, const QString &text, int timeoutSeconds) = 0;
    // Starts Timer2, which hides the balloon 4 seconds later.
    virtual void startBalloonTimer() = 0;
    // One sample (bytes per second) for TrendGraph1.
    virtual void AddValue(qint32 value) = 0;
    // The tariff in force while connected ("Day until 20:00"), empty for none.
    virtual void setTariffText(const QString &) {}
};

// A view that shows nothing: for benchmarks and for running the monitor
// without a window.
class NullMonitorView final : public MonitorView
{
public:
    void setText(Field, const QString &) override {}
    void setLightImage(Light, int) override {}
    void setStatusGlyph(int) override {}
    void setStatusText(const QString &) override {}
    void SetTrayImage(int) override {}
    void setTrayHint(const QString &) override {}
    void showBalloon(const QString &, const QString &, int) override {}
    void startBalloonTimer() override {}
    void AddValue(qint32) override {}
};
