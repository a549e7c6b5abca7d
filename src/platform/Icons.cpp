// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

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

// A green arrow pointing at the lesson: "go on here".
QIcon NextLessonIcon() {
    static const QIcon icon = [] {
        constexpr int kSize = 16;
        QPixmap arrow(kSize, kSize);
        arrow.fill(Qt::transparent);
        QPainter painter(&arrow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 90, 0), 1));
        painter.setBrush(QColor(40, 170, 60));
        painter.drawPolygon(QPolygonF({{1, 5}, {8, 5}, {8, 1}, {15, 8}, {8, 15}, {8, 11}, {1, 11}}));
        return QIcon(arrow);
    }();
    return icon;
}
