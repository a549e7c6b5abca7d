#include "platform/ErrorSound.h"

#include "platform/Paths.h"
#include "platform/QtText.h"
#include "platform/WaveFile.h"

#include <QAudioSink>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace {

const QString kSoundFileName = QStringLiteral("error.wav");
// How much sound waits in the device's buffer: a short buffer keeps the
// beep close to the key that caused it.
constexpr int kBufferMs = 40;
constexpr int kFeedIntervalMs = 10;
constexpr int kTrailingBuffers = 3;

QString FindSoundFile() {
    const QString here = QDir::current().absoluteFilePath(kSoundFileName);
    if (QFile::exists(here))
        return here;
    const QString besideProgram = QDir(PathToQString(GetProgramFolder())).filePath(kSoundFileName);
    return QFile::exists(besideProgram) ? besideProgram : QString();
}

QAudioFormat FormatOf(const WaveSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

// Keeps one audio stream open and plays the sound into it on demand. A
// stream opened and closed for every beep loses the start or the end of a
// short sound; an open one also starts each beep at once.
class SoundPlayer : public QObject {
public:
    SoundPlayer(QAudioSink* sink, std::string samples, char silence)
        : QObject(sink), m_sink(sink), m_samples(std::move(samples)), m_silence(silence),
          m_position(m_samples.size()), m_output(sink->start()) {
        m_feedTimer.setInterval(kFeedIntervalMs);
        connect(&m_feedTimer, &QTimer::timeout, this, &SoundPlayer::Feed);
        connect(sink, &QAudioSink::stateChanged, this, &SoundPlayer::SleepWhenPlayed);
        m_sink->suspend();
    }

    bool IsOpen() const { return m_output && m_sink->error() == QAudio::NoError; }
    void Play() {
        if (m_sink->state() == QAudio::SuspendedState)
            m_sink->resume();
        m_position = 0;
        m_silenceLeft = static_cast<size_t>(kTrailingBuffers * m_sink->bufferSize());
        m_feedTimer.start();
        Feed();
    }

private:
    // Writes what the stream has room for: the rest of the sound, then
    // silence that carries its end out of the buffers.
    void Feed() {
        const qint64 room = m_sink->bytesFree();
        if (room <= 0)
            return;
        const auto size = static_cast<size_t>(room);
        const size_t sound = std::min(size, m_samples.size() - m_position);
        const size_t silence = std::min(size - sound, m_silenceLeft);
        std::string chunk = m_samples.substr(m_position, sound);
        chunk.append(silence, m_silence);
        m_position += sound;
        m_silenceLeft -= silence;
        m_output->write(chunk.data(), static_cast<qint64>(chunk.size()));
        if (m_position == m_samples.size() && m_silenceLeft == 0)
            m_feedTimer.stop();
    }

    // A stream that is open and idle still wakes the program and the sound
    // server many times a second; suspended between beeps, it costs nothing
    // and starts the next beep as fast.
    void SleepWhenPlayed(QAudio::State state) {
        if (state == QAudio::IdleState && !m_feedTimer.isActive())
            m_sink->suspend();
    }

    QAudioSink* m_sink;
    std::string m_samples;
    char m_silence;
    size_t m_position;
    size_t m_silenceLeft = 0;
    QIODevice* m_output;
    QTimer m_feedTimer;
};

namespace {

// Null when there is no sound file, no usable sound in it, or no device
// that can play it. The player belongs to its sink.
SoundPlayer* StartSoundPlayer() {
    const QString path = FindSoundFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    const auto sound = ParseWave(std::string_view(bytes.constData(), bytes.size()));
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!sound || device.isNull() || !device.isFormatSupported(FormatOf(*sound)))
        return nullptr;

    auto* sink = new QAudioSink(device, FormatOf(*sound));
    sink->setBufferSize(sink->format().bytesForDuration(kBufferMs * 1000));
    const char silence = sound->bitsPerSample == 8 ? char(0x80) : char(0);
    auto* player = new SoundPlayer(sink, sound->samples, silence);
    if (player->IsOpen())
        return player;
    delete sink;
    return nullptr;
}

} // namespace

CErrorSound::~CErrorSound() {
    if (m_player)
        delete m_player->parent();
}

void CErrorSound::Load() {
    if (!m_loaded)
        m_player = StartSoundPlayer();
    m_loaded = true;
}

void CErrorSound::Play() {
    Load();
    if (m_player)
        m_player->Play();
}
