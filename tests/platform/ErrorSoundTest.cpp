#include "TempFolder.h"

#include "platform/ErrorSound.h"
#include "platform/ProgramContext.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// error.wav: 16-bit mono at 8000 Hz, eight frames of silence.
const std::string kWave = std::string("RIFF\x34\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0"
                                      "\x80\x3e\0\0\x02\0\x10\0data\x10\0\0\0",
                                      44) +
                          std::string(16, '\0');

// Opens the streams of an error sound and keeps an eye on them.
struct SinkLog {
    std::vector<QPointer<QAudioSink>> sinks;

    CErrorSound::SinkOpener Opener() {
        return [this](const QAudioFormat& format) {
            sinks.emplace_back(new QAudioSink(QAudioDevice(), format));
            return sinks.back().data();
        };
    }
};

} // namespace

TEST(ErrorSound, OpensANewStreamForTheBeepAfterItsStreamStopped) {
    const TempFolder program;
    WriteFile(program / "error.wav", kWave);
    const CProgramContext context(program.Path());
    SinkLog log;
    CErrorSound sound(log.Opener());

    sound.Play();
    ASSERT_EQ(log.sinks.size(), 1u);
    // Qt stops a stream whose sound server went away (here, with no sound
    // server, the stream never even starts).
    log.sinks[0]->stop();
    sound.Play();
    EXPECT_EQ(log.sinks.size(), 2u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(log.sinks[0]) << "the stopped stream is let go";
}

TEST(ErrorSound, WithoutTheSoundFileOpensNoStream) {
    const TempFolder program;
    const CProgramContext context(program.Path());
    SinkLog log;
    CErrorSound sound(log.Opener());
    sound.Load();
    sound.Play();
    EXPECT_TRUE(log.sinks.empty());
}
