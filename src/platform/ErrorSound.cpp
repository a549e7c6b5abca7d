// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ErrorSound.h"

#include "platform/QtText.h"
#include "platform/WaveFile.h"

#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QThread>

namespace {

const QString kSoundFileName = QStringLiteral("error.wav");

QString FindSoundFile(const std::string& programFolder) {
    const QString here = QDir::current().absoluteFilePath(kSoundFileName);
    if (QFile::exists(here))
        return here;
    const QString besideProgram = QDir(PathToQString(programFolder)).filePath(kSoundFileName);
    return QFile::exists(besideProgram) ? besideProgram : QString();
}

std::optional<WaveSound> ReadSoundFile(const std::string& programFolder) {
    const QString path = FindSoundFile(programFolder);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return ParseWave(std::string_view(bytes.constData(), bytes.size()));
}

QAudioSink* OpenDefaultOutput(const QAudioFormat& format) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return nullptr;
    return new QAudioSink(device, format);
}

} // namespace

CErrorSound::CErrorSound(std::string programFolder)
    : CErrorSound(std::move(programFolder), &OpenDefaultOutput) {}

CErrorSound::CErrorSound(std::string programFolder, SinkOpener openSink,
                         std::chrono::milliseconds quietTime)
    : m_programFolder(std::move(programFolder)), m_openSink(std::move(openSink)),
      m_quietTime(quietTime) {}

CErrorSound::~CErrorSound() {
    if (!m_thread)
        return;
    m_thread->quit();
    m_thread->wait();
}

void CErrorSound::Load() {
    if (m_loaded)
        return;
    m_loaded = true;
    const std::optional<WaveSound> sound = ReadSoundFile(m_programFolder);
    if (!sound)
        return;
    // Qt's sound system is made here, in the program's main thread, before
    // the player's thread opens a stream: it outlives that thread.
    QMediaDevices::defaultAudioOutput();
    m_thread = std::make_unique<QThread>();
    m_player = new SoundPlayer(m_openSink, *sound, m_quietTime);
    m_player->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, m_player, &QObject::deleteLater);
    m_thread->start();
}

void CErrorSound::Play() {
    Load();
    if (m_player)
        QMetaObject::invokeMethod(m_player, &SoundPlayer::Play, Qt::QueuedConnection);
}
