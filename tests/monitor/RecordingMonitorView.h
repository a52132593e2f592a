#pragma once

#include "monitor/MonitorView.h"

#include <QHash>
#include <QList>
#include <QString>

// Keeps the last state of everything the monitor shows, and the calls that
// are events (tray images, balloons, graph samples) in order.
class RecordingMonitorView final : public MonitorView
{
public:
    struct Balloon
    {
        QString title;
        QString text;
        int timeoutSeconds = 0;
    };

    QHash<Field, QString> texts;
    int sentLight = -1;
    int receivedLight = -1;
    QList<int> lightCalls; // the image, plus 10 for Led_R
    int glyph = -1;
    QString statusText;
    QList<int> trayImages;
    QString hint;
    QString tariffText;
    QList<Balloon> balloons;
    int balloonTimerStarts = 0;
    QList<qint32> samples;

    QString text(Field field) const { return texts.value(field); }

    void setText(Field field, const QString &value) override { texts.insert(field, value); }
    void setLightImage(Light light, int image) override
    {
        (light == Light::Sent ? sentLight : receivedLight) = image;
        lightCalls.append((light == Light::Sent ? 0 : 10) + image);
    }
    void setStatusGlyph(int image) override { glyph = image; }
    void setStatusText(const QString &value) override { statusText = value; }
    void SetTrayImage(int index) override { trayImages.append(index); }
    void setTrayHint(const QString &value) override { hint = value; }
    void showBalloon(const QString &title, const QString &value, int timeoutSeconds) override
    {
        balloons.append({title, value, timeoutSeconds});
    }
    void startBalloonTimer() override { ++balloonTimerStarts; }
    void AddValue(qint32 value) override { samples.append(value); }
    void setTariffText(const QString &value) override { tariffText = value; }
};
