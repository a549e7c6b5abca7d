#include "platform/Settings.h"

std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("tastrum"), QStringLiteral("tastrum"));
}

std::string SchoolPupilsFolder() {
    const QString variable = qEnvironmentVariable("TASTRUM_PUPILS");
    if (!variable.isEmpty())
        return variable.toStdString();
    return ProgramSettings()->value(QStringLiteral("PupilsFolder")).toString().toStdString();
}
