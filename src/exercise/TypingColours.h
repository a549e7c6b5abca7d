// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/TypingModel.h"

#include <QList>
#include <QTextLayout>

// The colours of one line of the typing field as the pupil reads it: a model
// line in a quiet colour, and in the pupil's line every character that
// differs from the model above it in red on pink. Only the look changes; the
// text, the caret and the judgement stay the session's.
QList<QTextLayout::FormatRange> TypingColours(const CTypingModel& typing, int line);
