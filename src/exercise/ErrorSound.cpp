#include "exercise/ErrorSound.h"

#include "app/Paths.h"
#include "platform/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

const QString kSoundFileName = QStringLiteral("error.wav");

QString FindSoundFile() {
    const QString here = QDir::current().absoluteFilePath(kSoundFileName);
    if (QFileInfo::exists(here))
        return here;
    const QString besideProgram = QDir(PathToQString(GetProgramFolder())).filePath(kSoundFileName);
    return QFileInfo::exists(besideProgram) ? besideProgram : QString();
}

// Lives as long as the application; null when there is no sound file.
QSoundEffect* ErrorSoundEffect() {
    static QSoundEffect* const effect = []() -> QSoundEffect* {
        const QString path = FindSoundFile();
        if (path.isEmpty())
            return nullptr;
        auto* sound = new QSoundEffect(QCoreApplication::instance());
        sound->setSource(QUrl::fromLocalFile(path));
        return sound;
    }();
    return effect;
}

} // namespace

void LoadErrorSound() {
    ErrorSoundEffect();
}

void PlayErrorSound() {
    if (QSoundEffect* sound = ErrorSoundEffect())
        sound->play();
}
