#pragma once

#include <QByteArray>

// The envelope every data file is stored under: each byte but the last is
// XORed with its right-hand neighbour, the last one with a constant. Both
// directions work in place and keep the length.
inline constexpr unsigned char kEnvelopeKey = 0x5B;

void ScrambleStream(QByteArray &stream);
void UnscrambleStream(QByteArray &stream);
