#include "platform/ErrorSound.h"

#include "platform/Paths.h"
#include "platform/QtText.h"
#include "platform/SoundFeed.h"

#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <QPointer>
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

std::optional<WaveSound> ReadSoundFile() {
    const QString path = FindSoundFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return ParseWave(std::string_view(bytes.constData(), bytes.size()));
}

QAudioFormat FormatOf(const WaveSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

QAudioSink* OpenDefaultOutput(const QAudioFormat& format) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return nullptr;
    return new QAudioSink(device, format);
}

} // namespace

// Keeps one audio stream open and plays the sound into it on demand. A
// stream opened and closed for every beep loses the start or the end of a
// short sound; an open one also starts each beep at once. It owns the sink.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    SoundPlayer(QAudioSink* sink, const WaveSound& sound)
        : m_sink(sink), m_samples(sound.samples),
          m_silence(sound.bitsPerSample == 8 ? char(0x80) : char(0)) {
        m_sink->setParent(this);
        m_output = m_sink->start();
        m_feedTimer.setInterval(kFeedIntervalMs);
        connect(&m_feedTimer, &QTimer::timeout, this, &SoundPlayer::Feed);
        connect(m_sink, &QAudioSink::stateChanged, this, &SoundPlayer::SleepWhenPlayed);
        m_sink->suspend();
    }

    // False for a stream that never opened, that its sound server closed,
    // or that stopped playing what it was given.
    bool CanPlay() const { return m_output && m_sink->state() != QAudio::StoppedState; }

    void Play() {
        if (m_sink->state() == QAudio::SuspendedState)
            m_sink->resume();
        const QAudioFormat format = m_sink->format();
        m_position = 0;
        m_silenceLeft = static_cast<size_t>(
            format.bytesForFrames(format.framesForBytes(kTrailingBuffers * m_sink->bufferSize())));
        m_stallWatch = {};
        m_feedTimer.start();
        Feed();
    }

private:
    // Writes what the stream has room for: the rest of the sound, then
    // silence that carries its end out of the buffers. A stream that takes
    // nothing more is stopped at once, so that neither the feed nor the
    // sink's own timer ticks on between beeps.
    void Feed() {
        if (!CanPlay() || m_stallWatch.Stalled(m_sink->processedUSecs())) {
            m_feedTimer.stop();
            m_sink->stop();
            return;
        }
        const SoundChunk chunk =
            NextSoundChunk(static_cast<size_t>(std::max<qsizetype>(m_sink->bytesFree(), 0)),
                           static_cast<size_t>(m_sink->format().bytesPerFrame()),
                           m_samples.size() - m_position, m_silenceLeft);
        std::string bytes = m_samples.substr(m_position, chunk.sound);
        bytes.append(chunk.silence, m_silence);
        m_position += chunk.sound;
        m_silenceLeft -= chunk.silence;
        if (!bytes.empty())
            m_output->write(bytes.data(), static_cast<qint64>(bytes.size()));
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
    size_t m_position = 0;
    size_t m_silenceLeft = 0;
    // The sink deletes its stream's device when the stream closes.
    QPointer<QIODevice> m_output;
    QTimer m_feedTimer;
    CStallWatch m_stallWatch;
};

CErrorSound::CErrorSound() : CErrorSound(&OpenDefaultOutput) {}

CErrorSound::CErrorSound(SinkOpener openSink) : m_openSink(std::move(openSink)) {}

CErrorSound::~CErrorSound() {
    delete m_player;
}

void CErrorSound::Load() {
    if (!m_loaded)
        m_sound = ReadSoundFile();
    m_loaded = true;
    if (!m_sound || m_player)
        return;
    if (QAudioSink* sink = m_openSink(FormatOf(*m_sound))) {
        sink->setBufferSize(sink->format().bytesForDuration(kBufferMs * 1000));
        m_player = new SoundPlayer(sink, *m_sound);
    }
}

// A player is let go later, from the event loop: a closing sink may run
// pending events, which must not reach the key handler that called this.
void CErrorSound::Play() {
    if (m_player && !m_player->CanPlay()) {
        m_player->deleteLater();
        m_player = nullptr;
    }
    Load();
    if (m_player && m_player->CanPlay())
        m_player->Play();
}

#include "ErrorSound.moc"
