// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/Finger.h"

std::string FingerName(Finger finger) {
    switch (finger) {
    case Finger::LeftLittle:
        return "lewy mały palec";
    case Finger::LeftRing:
        return "lewy palec serdeczny";
    case Finger::LeftMiddle:
        return "lewy palec środkowy";
    case Finger::LeftIndex:
        return "lewy palec wskazujący";
    case Finger::LeftThumb:
        return "lewy kciuk";
    case Finger::Thumb:
        return "kciuk";
    case Finger::RightThumb:
        return "prawy kciuk";
    case Finger::RightIndex:
        return "prawy palec wskazujący";
    case Finger::RightMiddle:
        return "prawy palec środkowy";
    case Finger::RightRing:
        return "prawy palec serdeczny";
    case Finger::RightLittle:
        return "prawy mały palec";
    case Finger::None:
        break;
    }
    return {};
}

bool IsLeftHand(Finger finger) {
    return finger <= Finger::LeftThumb;
}
