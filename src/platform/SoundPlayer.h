// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SoundFeed.h"

#include <QAudioFormat>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>

class QAudioSink;
class QIODevice;
struct WaveSound;

// Plays one short sound into an audio stream of its own, on demand, in the
// thread it lives in. A beep opens the stream, and the stream is closed once
// the beep has played and a quiet time has passed: an open stream keeps the
// sound server awake, while beeps in quick succession find it still open
// and start at once. It owns its streams.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // A new stream for sound of this format, or null when nothing can play
    // it; called in the player's thread.
    using SinkOpener = std::function<QAudioSink*(const QAudioFormat&)>;

    SoundPlayer(SinkOpener openSink, const WaveSound& sound, std::chrono::milliseconds quietTime);

    // Plays the sound from its start, cutting short one still playing.
    void Play();

private:
    bool OpenStream();
    // False for a stream that never opened, that its sound server closed,
    // or that stopped playing what it was given.
    bool CanPlay() const;
    void Feed();
    void WaitForQuiet();
    void CloseStream();

    SinkOpener m_openSink;
    QAudioFormat m_format;
    std::string m_samples;
    char m_silence;
    QAudioSink* m_sink = nullptr;
    // The sink deletes its stream's device when the stream closes.
    QPointer<QIODevice> m_output;
    size_t m_position = 0;
    size_t m_silenceLeft = 0;
    CStallWatch m_stallWatch;
    // Children, so that they move with the player to its thread.
    QTimer m_feedTimer{this};
    QTimer m_quietTimer{this};
};
