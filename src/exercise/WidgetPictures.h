// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

// Pictures of one widget, each painted once for one look of it (the keys
// lit, a set of lit fingers, a text) at the widget's size and the screen's
// pixel density, and copied from then on, so that a keystroke costs a copy
// of what it changed. All are painted again once the size or the density
// changes, and forgotten when more looks come than are worth keeping.
template <typename Look> class WidgetPictures {
public:
    explicit WidgetPictures(qsizetype mostKept) : m_mostKept(mostKept) {}

    // The picture of the look; a new one is painted by paint(QPainter&) on
    // the widget's background.
    template <typename Paint>
    QPixmap Of(const QWidget& widget, const Look& look, const Paint& paint) {
        const double ratio = widget.devicePixelRatioF();
        const QSize pixels = widget.size() * ratio;
        if (pixels != m_pixels || ratio != m_ratio) {
            m_pictures.clear();
            m_pixels = pixels;
            m_ratio = ratio;
        }
        if (const auto found = m_pictures.constFind(look); found != m_pictures.cend())
            return *found;
        if (m_pictures.size() >= m_mostKept)
            m_pictures.clear();
        QPixmap picture(pixels);
        picture.setDevicePixelRatio(ratio);
        picture.fill(widget.palette().color(QPalette::Window));
        QPainter painter(&picture);
        painter.setFont(widget.font());
        paint(painter);
        painter.end();
        m_pictures.insert(look, picture);
        return picture;
    }

private:
    qsizetype m_mostKept;
    QSize m_pixels;
    double m_ratio = 0;
    QHash<Look, QPixmap> m_pictures;
};
