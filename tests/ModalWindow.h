// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <typeinfo>

#include <gtest/gtest.h>

// Acts on the next modal window of type T as soon as it is the active modal
// window, from inside the event loop of whoever opened it. A window that
// does not come within a few seconds fails the test, and the modal windows
// open then are closed so that the test ends instead of hanging.
template <typename T> void OnNextModal(std::function<void(T&)> action, int triesLeft = 500) {
    QTimer::singleShot(10, qApp, [action, triesLeft] {
        if (auto* window = dynamic_cast<T*>(QApplication::activeModalWidget())) {
            action(*window);
        } else if (triesLeft > 0) {
            OnNextModal<T>(action, triesLeft - 1);
        } else {
            ADD_FAILURE() << "no " << typeid(T).name() << " window came";
            while (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
}

// Answers the next question of the program ("Tak" or "Nie") and keeps its
// text in asked; then, when given, runs before the answer, to wait for what
// comes after it.
inline void AnswerNextQuestion(bool yes, QString* asked = nullptr,
                               std::function<void()> then = {}) {
    OnNextModal<QMessageBox>([yes, asked, then](QMessageBox& box) {
        if (asked)
            *asked = box.text();
        if (then)
            then();
        for (QAbstractButton* button : box.buttons())
            if (button->text() == (yes ? QStringLiteral("&Tak") : QStringLiteral("&Nie")))
                button->click();
    });
}
