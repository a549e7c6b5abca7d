// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SoundPlayer.h"

#include "platform/WaveFile.h"

#include <QAudioSink>
#include <QIODevice>

#include <algorithm>

namespace {

// How much sound waits in the stream's buffer: a short buffer keeps the
// beep close to the key that caused it.
constexpr int kBufferMs = 40;
constexpr int kFeedIntervalMs = 10;
constexpr int kTrailingBuffers = 3;

QAudioFormat FormatOf(const WaveSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

SoundPlayer::SoundPlayer(SinkOpener openSink, const WaveSound& sound,
                         std::chrono::milliseconds quietTime)
    : m_openSink(std::move(openSink)), m_format(FormatOf(sound)), m_samples(sound.samples),
      m_silence(sound.bitsPerSample == 8 ? char(0x80) : char(0)) {
    m_feedTimer.setInterval(kFeedIntervalMs);
    connect(&m_feedTimer, &QTimer::timeout, this, &SoundPlayer::Feed);
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(quietTime);
    connect(&m_quietTimer, &QTimer::timeout, this, &SoundPlayer::CloseStream);
}

// A stream that its sound server closed or that hangs is let go, and the
// beep opens a new one.
void SoundPlayer::Play() {
    m_quietTimer.stop();
    if (m_sink && !CanPlay())
        CloseStream();
    if (!m_sink && !OpenStream())
        return;
    m_position = 0;
    m_silenceLeft = static_cast<size_t>(
        m_format.bytesForFrames(m_format.framesForBytes(kTrailingBuffers * m_sink->bufferSize())));
    m_stallWatch = {};
    m_feedTimer.start();
    Feed();
}

bool SoundPlayer::OpenStream() {
    m_sink = m_openSink(m_format);
    if (!m_sink)
        return false;
    m_sink->setParent(this);
    m_sink->setBufferSize(m_format.bytesForDuration(kBufferMs * 1000));
    m_output = m_sink->start();
    return true;
}

bool SoundPlayer::CanPlay() const {
    return m_output && m_sink->state() != QAudio::StoppedState;
}

// Writes what the stream has room for: the rest of the sound, then silence
// that carries its end out of the buffers. A stream that takes nothing more
// is stopped at once, so that the feed does not tick on.
void SoundPlayer::Feed() {
    if (!CanPlay() || m_stallWatch.Stalled(m_sink->processedUSecs())) {
        m_sink->stop();
        WaitForQuiet();
        return;
    }
    const SoundChunk chunk =
        NextSoundChunk(static_cast<size_t>(std::max<qsizetype>(m_sink->bytesFree(), 0)),
                       static_cast<size_t>(m_format.bytesPerFrame()),
                       m_samples.size() - m_position, m_silenceLeft);
    std::string bytes = m_samples.substr(m_position, chunk.sound);
    bytes.append(chunk.silence, m_silence);
    m_position += chunk.sound;
    m_silenceLeft -= chunk.silence;
    if (!bytes.empty())
        m_output->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (m_position == m_samples.size() && m_silenceLeft == 0)
        WaitForQuiet();
}

// The stream is closed only after it has played all it was given, so that
// nothing of the beep is cut off.
void SoundPlayer::WaitForQuiet() {
    m_feedTimer.stop();
    m_quietTimer.start();
}

// The sink is deleted from the event loop: a closing sink runs pending
// events, and a beep among them must not start halfway through this.
void SoundPlayer::CloseStream() {
    m_feedTimer.stop();
    m_quietTimer.stop();
    m_sink->stop();
    m_sink->deleteLater();
    m_sink = nullptr;
}
