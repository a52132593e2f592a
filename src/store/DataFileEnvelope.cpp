#include "store/DataFileEnvelope.h"

#include <QtEndian>

#include <cstring>

namespace {

// Little-endian word access: byte k of the buffer is bits 8k..8k+7.
inline quint64 loadWord(const unsigned char *p)
{
    return qFromLittleEndian<quint64>(p);
}

inline void storeWord(unsigned char *p, quint64 w)
{
    qToLittleEndian<quint64>(w, p);
}

} // namespace

void ScrambleStream(QByteArray &stream)
{
    const qsizetype n = stream.size();
    if (n == 0)
        return;
    auto *b = reinterpret_cast<unsigned char *>(stream.data());

    // Forward, a word at a time: each byte takes its neighbour, which is still
    // plain because the word to the right has not been touched yet.
    qsizetype i = 0;
    for (; i + 8 < n; i += 8) {
        const quint64 w = loadWord(b + i);
        const quint64 next = b[i + 8];
        storeWord(b + i, w ^ ((w >> 8) | (next << 56)));
    }
    for (; i + 1 < n; ++i)
        b[i] ^= b[i + 1];
    b[n - 1] ^= kEnvelopeKey;
}

void UnscrambleStream(QByteArray &stream)
{
    const qsizetype n = stream.size();
    if (n == 0)
        return;
    auto *b = reinterpret_cast<unsigned char *>(stream.data());

    // Each plain byte is the XOR of all stored bytes from it to the end (the
    // last one XORed with the key): a suffix XOR, run from the end.
    b[n - 1] ^= kEnvelopeKey;
    const qsizetype head = n - 1;     // bytes still to decode
    const qsizetype words = head / 8; // whole words among them
    qsizetype i = head - 1;
    for (; i >= words * 8; --i)
        b[i] ^= b[i + 1];

    quint64 carry = b[words * 8];
    for (qsizetype w = words - 1; w >= 0; --w) {
        unsigned char *p = b + w * 8;
        quint64 x = loadWord(p);
        // Suffix XOR inside the word: byte k becomes bytes k..7 XORed.
        x ^= x >> 8;
        x ^= x >> 16;
        x ^= x >> 32;
        x ^= carry * 0x0101010101010101ULL;
        storeWord(p, x);
        carry = x & 0xFF;
    }
}
