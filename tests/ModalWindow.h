#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal window of type T as soon as it is the active modal
// window, from inside the event loop of whoever opened it.
template <typename T> void OnNextModal(std::function<void(T&)> action) {
    QTimer::singleShot(10, qApp, [action] {
        if (auto* window = dynamic_cast<T*>(QApplication::activeModalWidget()))
            action(*window);
        else
            OnNextModal<T>(action);
    });
}
