#include "platform/Icons.h"

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 128})
            i.addFile(QStringLiteral(":/icons/tastrum-%1.png").arg(size));
        return i;
    }();
    return icon;
}

QIcon LessonIcon() {
    static const QIcon icon(QStringLiteral(":/icons/lesson-16.png"));
    return icon;
}
