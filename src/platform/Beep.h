// Tones through the sound device, standing in for the system's Beep service.
#pragma once

#include <QtGlobal>

#include <vector>

struct ToneRequest {
    qint32 frequency;   // hertz
    qint32 duration;    // milliseconds
    bool operator==(const ToneRequest&) const = default;
};

// Sounds a tone and returns when it has ended. False for a frequency outside 37..32767 Hz,
// which the system service refuses too. Without a sound device the desktop's bell stands in.
bool BeepTone(qint32 frequency, qint32 duration);

// The news chime: five rising tones of 75 ms from 1000 to 3000 Hz.
void PlayNewsBeep();

// Every tone asked for since the last clear, in order, whether or not it could sound.
const std::vector<ToneRequest>& BeepRecord();
void ClearBeepRecord();

// One tone as 16-bit mono samples at `sampleRate`, with short fades so that it starts and ends
// without a click.
std::vector<qint16> ToneSamples(qint32 frequency, qint32 duration, int sampleRate);
