#pragma once

#include "store/XmlDocument.h"

#include <QLocale>

// When a provider's line is hung up for want of traffic, kept as attributes
// of its ISP Item: IdleMinutes (whole minutes; empty or 0: never) and
// IdleBelow (bytes per second received plus sent that count as idle, on
// average over those minutes). Numbers are regional texts.
struct ProviderIdle
{
    static constexpr int kMaxMinutes = 24 * 60;
    static constexpr double kDefaultBelow = 256;

    int minutes = 0; // 0: off
    double bytesPerSecond = kDefaultBelow;

    bool isOn() const { return minutes > 0; }
};

// A value that is missing or unreadable takes its default (IdleMinutes must
// be a whole number, at most a day; IdleBelow must not be negative).
ProviderIdle ReadProviderIdle(pugi::xml_node provider, const QLocale &locale = QLocale::system());
// Stores the values: an attribute that already reads as its value keeps its
// text, a value at its default removes the attribute, so an untouched
// provider gains none.
void WriteProviderIdle(pugi::xml_node provider, const ProviderIdle &idle,
                       const QLocale &locale = QLocale::system());
