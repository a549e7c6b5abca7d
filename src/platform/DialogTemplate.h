// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <map>
#include <vector>

class QDialog;
class QWidget;

// The fixed layouts of the program's windows, kept as data: each window has
// one table of controls placed in dialog units, and BuildDialog makes the Qt
// widgets from it. Dialog units follow the dialog font, so the windows keep
// their proportions at any screen density and font size.

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdHelp = 57670;
constexpr int kNoId = -1;

enum class ControlKind {
    PushButton,
    DefaultButton,     // pressed by Enter anywhere in the dialog
    DefaultLookButton, // drawn as a default button, pressed by Enter only when focused
    Label,             // left-aligned static text, wrapped
    CentredLabel,      // centred static text, wrapped
    VCentredLabel,     // left-aligned, vertically centred, one line
    ProgramIcon,       // the application icon
    GroupBox,
    ListBox,  // sorted the Polish way
    ComboBox, // drop-down list, sorted the Polish way
    LineEdit,
    CheckBox,
    Separator,   // a disabled, thin vertical bar
    Placeholder, // a widget the dialog supplies itself
};

struct ControlSpec {
    int id;
    ControlKind kind;
    int x, y, width, height; // dialog units
    const char* text;        // UTF-8
};

struct DialogTemplate {
    const char* title; // UTF-8
    int width, height; // dialog units, client area
    std::vector<ControlSpec> controls;
};

// The font of every dialog: the desktop's sans-serif at 8 points.
QFont DialogFont();

// Converts a rectangle in dialog units to pixels for the given font.
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height);

// The controls of a built dialog, by id.
class DialogControls {
public:
    void Add(int id, QWidget* widget) { m_byId[id] = widget; }
    QWidget* operator[](int id) const;
    template <typename T> T* Get(int id) const { return static_cast<T*>((*this)[id]); }

private:
    std::map<int, QWidget*> m_byId;
};

// Gives the dialog its title, font and fixed size and creates its controls in
// table order (which is the tab order). A dialog that would not fit its
// screen takes a smaller font, down to 9 pixels; below that its controls
// scroll inside it. reservedBelow keeps that many pixels of the screen free
// below the controls for what the dialog adds there. Placeholder controls are taken from
// supplied (by id) and only placed. Buttons with the ids kIdOk and kIdCancel
// accept and reject the dialog.
DialogControls BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                           const std::map<int, QWidget*>& supplied = {}, int reservedBelow = 0);

// The room a dialog's client area may take: its screen's available area less
// a window frame.
QSize RoomForDialog(const QDialog& dialog);

// The object name of the control with the given id, by which tests and
// accessibility tools find it.
QString ControlName(int id);
