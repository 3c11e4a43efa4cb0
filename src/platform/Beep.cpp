#include "platform/Beep.h"

#include <QApplication>
#include <QThread>

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <memory>
#include <numbers>

namespace {

constexpr int kSampleRate = 48000;
constexpr double kAmplitude = 0.3 * 32767;
constexpr int kFadeMs = 3;

std::vector<ToneRequest>& record()
{
    static std::vector<ToneRequest> r;
    return r;
}

// ALSA prints every failed open to stderr; a machine without sound is normal here.
void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}

bool playThroughAlsa(const std::vector<qint16>& samples)
{
    static const bool quieted = (snd_lib_error_set_handler(&quietAlsaError), true);
    Q_UNUSED(quieted);

    snd_pcm_t* raw = nullptr;
    // Opened without blocking so that a device held by another program fails at once.
    if (snd_pcm_open(&raw, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    const std::unique_ptr<snd_pcm_t, int (*)(snd_pcm_t*)> pcm(raw, &snd_pcm_close);
    if (snd_pcm_nonblock(pcm.get(), 0) < 0)
        return false;
    if (snd_pcm_set_params(pcm.get(), SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                           kSampleRate, 1, 50000) < 0)
        return false;

    const qint16* next = samples.data();
    snd_pcm_uframes_t left = samples.size();
    while (left > 0) {
        snd_pcm_sframes_t written = snd_pcm_writei(pcm.get(), next, left);
        if (written < 0) {
            if (snd_pcm_recover(pcm.get(), int(written), 1) < 0)
                return false;
            continue;
        }
        next += written;
        left -= snd_pcm_uframes_t(written);
    }
    // The system service returns when the tone has ended, and callers play tones one after another.
    snd_pcm_drain(pcm.get());
    return true;
}

} // namespace

std::vector<qint16> ToneSamples(qint32 frequency, qint32 duration, int sampleRate)
{
    if (frequency <= 0 || duration <= 0 || sampleRate <= 0)
        return {};
    const auto count = std::size_t(qint64(sampleRate) * duration / 1000);
    const auto fade = std::min(count / 2, std::size_t(sampleRate * kFadeMs / 1000));
    std::vector<qint16> samples(count);
    const double step = 2 * std::numbers::pi * frequency / sampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        double gain = 1.0;
        if (i < fade)
            gain = double(i) / double(fade);
        else if (count - 1 - i < fade)
            gain = double(count - 1 - i) / double(fade);
        samples[i] = qint16(std::lround(kAmplitude * gain * std::sin(step * double(i))));
    }
    return samples;
}

bool BeepTone(qint32 frequency, qint32 duration)
{
    record().push_back({frequency, duration});
    if (frequency < 37 || frequency > 32767)
        return false;
    if (duration <= 0)
        return true;
    if (playThroughAlsa(ToneSamples(frequency, duration, kSampleRate)))
        return true;
    QApplication::beep();
    // The bell does not last the tone's length; the wait keeps the chime's rhythm.
    QThread::msleep(static_cast<unsigned long>(duration));
    return true;
}

void PlayNewsBeep()
{
    for (qint32 frequency = 1000; frequency <= 3000; frequency += 500)
        BeepTone(frequency, 75);
}

const std::vector<ToneRequest>& BeepRecord() { return record(); }

void ClearBeepRecord() { record().clear(); }
