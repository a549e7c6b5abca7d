// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TempFolder.h"

#include "platform/ErrorSound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <semaphore>
#include <vector>

namespace {

using namespace std::chrono_literals;

// error.wav: 16-bit mono at 8000 Hz, eight frames of silence.
const std::string kWave = std::string("RIFF\x34\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0"
                                      "\x80\x3e\0\0\x02\0\x10\0data\x10\0\0\0",
                                      44) +
                          std::string(16, '\0');

constexpr int kDeadlineMs = 5000;
// Long enough never to pass during a test.
constexpr std::chrono::milliseconds kNeverQuiet = 1h;

// Opens the streams of an error sound, in the sound's own thread, and keeps
// an eye on them.
class SinkLog {
public:
    CErrorSound::SinkOpener Opener() {
        return [this](const QAudioFormat& format) {
            const std::lock_guard lock(m_mutex);
            m_sinks.emplace_back(new QAudioSink(QAudioDevice(), format));
            return m_sinks.back().data();
        };
    }

    size_t Count() {
        const std::lock_guard lock(m_mutex);
        return m_sinks.size();
    }

    QPointer<QAudioSink> Sink(size_t index) {
        const std::lock_guard lock(m_mutex);
        return m_sinks.at(index);
    }

    bool WaitForCount(size_t count) {
        return QTest::qWaitFor([&] { return Count() == count; }, kDeadlineMs);
    }

private:
    std::mutex m_mutex;
    std::vector<QPointer<QAudioSink>> m_sinks;
};

// A program folder with the sound in it.
struct ProgramWithSound {
    ProgramWithSound() { WriteFile(folder / "error.wav", kWave); }

    const TempFolder folder;
};

} // namespace

TEST(ErrorSound, TheKeyNeverWaitsForTheSoundServer) {
    const ProgramWithSound program;
    std::counting_semaphore<2> serverAnswers(0);
    std::atomic<int> opened = 0;
    std::atomic<int> answered = 0;
    std::atomic<bool> openedOnTheKeysThread = false;
    CErrorSound sound(program.folder.Path(), [&](const QAudioFormat&) -> QAudioSink* {
        openedOnTheKeysThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        answered += serverAnswers.try_acquire_for(10s) ? 1 : 0;
        ++opened;
        return nullptr;
    });

    sound.Play();
    sound.Play(); // the next wrong key, while the first beep still waits
    serverAnswers.release(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened == 2; }, 30'000));
    EXPECT_EQ(answered, 2) << "a key waited for the sound server";
    EXPECT_FALSE(openedOnTheKeysThread);
}

TEST(ErrorSound, OpensANewStreamForTheBeepAfterItsStreamStopped) {
    const ProgramWithSound program;
    SinkLog log;
    {
        CErrorSound sound(program.folder.Path(), log.Opener(), kNeverQuiet);
        sound.Play();
        ASSERT_TRUE(log.WaitForCount(1));
        // Qt stops a stream whose sound server went away (with no sound
        // server at all, the stream never even starts).
        const QPointer<QAudioSink> first = log.Sink(0);
        QMetaObject::invokeMethod(first, &QAudioSink::stop, Qt::BlockingQueuedConnection);
        sound.Play();
        ASSERT_TRUE(log.WaitForCount(2));
        EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, kDeadlineMs))
            << "the stopped stream is let go";
    }
    EXPECT_FALSE(log.Sink(1)) << "the last stream goes with the sound";
}

TEST(ErrorSound, ClosesItsStreamWhenQuiet) {
    const ProgramWithSound program;
    SinkLog log;
    CErrorSound sound(program.folder.Path(), log.Opener(), 0ms);
    sound.Play();
    ASSERT_TRUE(log.WaitForCount(1));
    const QPointer<QAudioSink> stream = log.Sink(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return stream.isNull(); }, kDeadlineMs));
    sound.Play();
    EXPECT_TRUE(log.WaitForCount(2)) << "the next beep opens a new stream";
}

TEST(ErrorSound, WithoutTheSoundFileOpensNoStream) {
    const TempFolder program;
    SinkLog log;
    CErrorSound sound(program.Path(), log.Opener());
    sound.Load();
    sound.Play();
    EXPECT_EQ(log.Count(), 0u);
}
