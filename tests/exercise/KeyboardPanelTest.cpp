// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/KeyboardPanel.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/HandsView.h"
#include "exercise/KeyboardPainter.h"
#include "exercise/KeyboardView.h"
#include "exercise/TeachingAids.h"
#include "exercise/TypingEdit.h"
#include "exercise/TypingModel.h"

#include "keyboard/PolishKeyboard.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"

#include "TempFolder.h"
#include "platform/ProgramContext.h"

#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <set>

namespace {

// An exercise window on screen with the given lines (UTF-8).
class KeyboardPanelTest : public testing::Test {
protected:
    void Open(std::initializer_list<const char*> lines) {
        StringList cp1250;
        for (const char* line : lines)
            cp1250.push_back(Utf8ToCp1250(line));
        m_exercise.SetLines(cp1250);
        m_exercise.show();
    }

    CTypingEdit& Typing() { return *m_exercise.findChild<CTypingEdit*>(); }

    // Types one character as the keyboard sends it, AltGr letters included:
    // a capital comes with Shift.
    void Type(const QString& text) {
        const bool capital = text.size() == 1 && text[0].isUpper();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown,
                      capital ? Qt::ShiftModifier : Qt::NoModifier, text);
        QApplication::sendEvent(&Typing(), &key);
    }

    // The keyboard follows a key a moment after the typed character.
    static void LetTheKeyboardFollow() {
        QTest::qSleep(5);
        QApplication::processEvents();
    }

    std::set<int> LitKeys() const {
        LetTheKeyboardFollow();
        std::set<int> lit;
        for (int key = 0; key < static_cast<int>(PolishKeyboard().size()); ++key)
            if (m_exercise.Keyboard().View().IsLit(key))
                lit.insert(key);
        return lit;
    }

    QString ChordLine() const {
        LetTheKeyboardFollow();
        return m_exercise.Keyboard().ChordLine();
    }

    // The colours the field draws the characters of one line in, by column.
    std::map<int, QColor> ColoursOfLine(int line) {
        std::map<int, QColor> colours;
        for (const QTextLayout::FormatRange& range : Typing().LineColours(line))
            for (int column = range.start; column < range.start + range.length; ++column)
                colours[column] = range.format.foreground().color();
        return colours;
    }

    // Each test starts, and leaves the next, with the account's aids shown:
    // hiding the keyboard keeps that choice.
    struct AidsShownAround {
        AidsShownAround() { KeepAidsShown({}, {}, true); }
        ~AidsShownAround() { KeepAidsShown({}, {}, true); }
    } m_aidsShown;
    CExerciseSession m_session{TickSource::SteadyClock()};
    CExerciseDlg m_exercise{m_session};
};

std::set<int> KeysOf(const char* utf8Character) {
    const ChordKeys keys = KeysOf(*ChordOf(Utf8ToCp1250(utf8Character)[0]));
    return {keys.begin(), keys.end()};
}

const QColor kWrong{200, 0, 0};

} // namespace

TEST_F(KeyboardPanelTest, TheKeyExpectedNextIsLitAndNamedAfterEveryKey) {
    Open({"Ża ą"});
    EXPECT_EQ(LitKeys(), (std::set{ChordOf('z')->key, RightShiftKey(), RightAltKey()}));
    EXPECT_EQ(ChordLine(), QStringLiteral("Ż: prawy Shift (prawy mały palec) + prawy Alt "
                                          "(prawy kciuk) + Z (lewy mały palec)"));
    Type(QStringLiteral("Ż"));
    EXPECT_EQ(LitKeys(), KeysOf("a"));
    EXPECT_EQ(ChordLine(), QStringLiteral("a: A (lewy mały palec)"));
    Type(QStringLiteral("a"));
    EXPECT_EQ(LitKeys(), KeysOf(" "));
    EXPECT_EQ(ChordLine(), QStringLiteral("spacja: Spacja (kciuk)"));
    Type(QStringLiteral(" "));
    EXPECT_EQ(LitKeys(), KeysOf("ą"));
    EXPECT_EQ(ChordLine(), QStringLiteral("ą: prawy Alt (prawy kciuk) + A (lewy mały palec)"));
    Type(QStringLiteral("ą"));
    EXPECT_EQ(LitKeys(), KeysOf("\r"));
    EXPECT_EQ(ChordLine(), QStringLiteral("Enter (prawy mały palec)"));
    QTest::keyClick(&Typing(), Qt::Key_Return);
    EXPECT_TRUE(LitKeys().empty());
    EXPECT_EQ(ChordLine(), QString());
}

// A sign of print pasted into a lesson is typed with right Alt, as the
// line under the keyboard tells.
TEST_F(KeyboardPanelTest, SignsOfPrintAreTypedWithRightAlt) {
    Open({"„a” – 5 €"});
    EXPECT_EQ(LitKeys(), (std::set{ChordOf('v')->key, RightAltKey()}));
    EXPECT_EQ(ChordLine(),
              QStringLiteral("„: prawy Alt (prawy kciuk) + V (lewy palec wskazujący)"));
    for (const QChar sign : QStringLiteral("„a” – 5"))
        Type(sign);
    EXPECT_EQ(ChordLine(), QStringLiteral("spacja: Spacja (kciuk)"));
    Type(QStringLiteral(" "));
    EXPECT_EQ(LitKeys(), (std::set{ChordOf('5')->key, RightAltKey()}));
    EXPECT_EQ(ChordLine(),
              QStringLiteral("€: prawy Alt (prawy kciuk) + 5 (lewy palec wskazujący)"));
    EXPECT_EQ(m_session.Typing().Errors(), 0);
}

// The hint follows the slip at once, and from the next key on the line
// again describes the key expected now.
TEST_F(KeyboardPanelTest, PlainLetterForAPolishOneBringsAHintUntilTheNextKey) {
    Open({"ąbd", "c"});
    Type(QStringLiteral("a"));
    EXPECT_EQ(ChordLine(), QStringLiteral("Pamiętaj: ą to prawy Alt (prawy kciuk) + A (lewy mały "
                                          "palec), nie samo a"));
    EXPECT_EQ(LitKeys(), KeysOf("b"));
    Type(QStringLiteral("b"));
    EXPECT_EQ(ChordLine(), QStringLiteral("d: D (lewy palec środkowy)"));
    QTest::keyClick(&Typing(), Qt::Key_Backspace);
    QTest::keyClick(&Typing(), Qt::Key_Backspace);
    EXPECT_EQ(ChordLine(), QStringLiteral("ą: prawy Alt (prawy kciuk) + A (lewy mały palec)"));
}

// The next key's fingers light on the hands too; the space bar lights both
// thumbs.
TEST_F(KeyboardPanelTest, TheHandsShowTheFingersOfTheNextChord) {
    Open({"Ł "});
    const CHandsView& hands = m_exercise.Keyboard().Hands();
    EXPECT_TRUE(hands.IsLit(Finger::RightRing));
    EXPECT_TRUE(hands.IsLit(Finger::LeftLittle)) << "the left Shift";
    EXPECT_TRUE(hands.IsLit(Finger::RightThumb)) << "right Alt";
    EXPECT_FALSE(hands.IsLit(Finger::RightLittle));
    Type(QStringLiteral("Ł"));
    LetTheKeyboardFollow();
    EXPECT_TRUE(hands.IsLit(Finger::LeftThumb));
    EXPECT_TRUE(hands.IsLit(Finger::RightThumb));
    EXPECT_FALSE(hands.IsLit(Finger::RightRing));
}

// A letter in the case Shift did not ask for shows Caps Lock on: a bar over
// the text says so, and the keyboard marks the key, unlike the key to
// press, until a letter shows it off again. Without the aids, neither.
TEST_F(KeyboardPanelTest, CapsLockIsToldInABarAndMarkedOnTheKeyboard) {
    Open({"abc"});
    EXPECT_TRUE(m_exercise.CapsLockBar().isHidden());
    QKeyEvent capital(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
    QApplication::sendEvent(&Typing(), &capital);
    EXPECT_FALSE(m_exercise.CapsLockBar().isHidden());
    EXPECT_TRUE(m_exercise.CapsLockBar().text().startsWith(QStringLiteral("Włączony Caps Lock")));
    EXPECT_TRUE(m_exercise.Keyboard().View().IsCapsLockMarked());
    EXPECT_FALSE(LitKeys().contains(CapsLockKey())) << "Caps Lock is no key to press";
    EXPECT_EQ(m_exercise.Keyboard().WarningLine(), QString());
    QTest::keyClick(&Typing(), Qt::Key_CapsLock);
    EXPECT_TRUE(m_exercise.CapsLockBar().isHidden());
    EXPECT_FALSE(m_exercise.Keyboard().View().IsCapsLockMarked());
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_B, Qt::ShiftModifier, QStringLiteral("b"));
    QApplication::sendEvent(&Typing(), &shifted);
    EXPECT_FALSE(m_exercise.CapsLockBar().isHidden());
    m_exercise.ShowKeyboard(false);
    EXPECT_TRUE(m_exercise.CapsLockBar().isHidden()) << "the window is the plain one";
}

// A lesson of Polish letters on a layout that cannot type them is told
// above the keyboard, whatever Caps Lock does.
TEST(KeyboardPanelLayout, APolishLessonOnAnotherLayoutIsToldAboveTheKeyboard) {
    const QString layoutWarning =
        QStringLiteral("Ustaw polski układ klawiatury (Polski programisty)");
    const auto warningFor = [](const char* layout, const char* line) {
        CExerciseSession session{TickSource::SteadyClock()};
        CExerciseDlg exercise(session, {}, nullptr,
                              [layout] { return std::optional<std::string>(layout); });
        exercise.SetLines({Utf8ToCp1250(line)});
        return exercise.Keyboard().WarningLine();
    };
    EXPECT_EQ(warningFor("us", "Ala ma żółwia"), layoutWarning);
    EXPECT_EQ(warningFor("pl", "Ala ma żółwia"), QString());
    EXPECT_EQ(warningFor("us", "Ala ma kota"), QString());

    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session, {}, nullptr, [] { return std::optional<std::string>("de"); });
    exercise.SetLines({Utf8ToCp1250("aą")});
    QKeyEvent capital(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
    QApplication::sendEvent(exercise.findChild<CTypingEdit*>(), &capital);
    EXPECT_EQ(exercise.Keyboard().WarningLine(), layoutWarning);
    EXPECT_FALSE(exercise.CapsLockBar().isHidden());
    QTest::keyClick(exercise.findChild<CTypingEdit*>(), Qt::Key_CapsLock);
    EXPECT_EQ(exercise.Keyboard().WarningLine(), layoutWarning);
    exercise.ShowKeyboard(false);
    exercise.ShowKeyboard(true);
    EXPECT_EQ(exercise.Keyboard().WarningLine(), layoutWarning) << "F2 twice changes nothing";
    // A Polish letter that arrives shows the layout types them after all.
    QKeyEvent polish(QEvent::KeyPress, Qt::Key_A, Qt::GroupSwitchModifier, QStringLiteral("ą"));
    QApplication::sendEvent(exercise.findChild<CTypingEdit*>(), &polish);
    EXPECT_EQ(exercise.Keyboard().WarningLine(), QString());
}

TEST_F(KeyboardPanelTest, WrongCharactersAreMarkedUntilCorrected) {
    Open({"abc"});
    Type(QStringLiteral("a"));
    Type(QStringLiteral("x"));
    EXPECT_EQ(ColoursOfLine(1), (std::map<int, QColor>{{1, kWrong}}));
    EXPECT_EQ(ColoursOfLine(0).size(), 3u);
    EXPECT_NE(ColoursOfLine(0)[0], kWrong);

    QTest::keyClick(&Typing(), Qt::Key_Backspace);
    Type(QStringLiteral("b"));
    EXPECT_TRUE(ColoursOfLine(1).empty());
    EXPECT_EQ(m_session.Typing().Text(), "abc\r\nab");
    EXPECT_EQ(m_session.Typing().Errors(), 1);
}

TEST_F(KeyboardPanelTest, HiddenKeyboardLeavesTheExerciseWindowAloneAndStaysHidden) {
    Open({"abc"});
    const QSize alone = DialogUnitsToPixels(m_exercise.font(), 0, 0, 402, 255).size();
    ASSERT_TRUE(m_exercise.IsKeyboardShown());
    EXPECT_GT(m_exercise.height(), alone.height());

    m_exercise.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_exercise));
    QTest::keyClick(&Typing(), Qt::Key_F2);
    EXPECT_FALSE(m_exercise.IsKeyboardShown());
    EXPECT_EQ(m_exercise.size(), alone);
    // The window's own controls only, and typed text is never coloured.
    EXPECT_TRUE(m_exercise.findChild<QCheckBox*>()->isHidden());
    Type(QStringLiteral("x"));
    EXPECT_EQ(m_session.Typing().Typed(), 1);
    EXPECT_TRUE(ColoursOfLine(0).empty());
    EXPECT_TRUE(ColoursOfLine(1).empty());
    QTest::keyClick(&Typing(), Qt::Key_F2);
    EXPECT_EQ(ColoursOfLine(1), (std::map<int, QColor>{{0, kWrong}}));
    QTest::keyClick(&Typing(), Qt::Key_F2);

    CExerciseSession next{TickSource::SteadyClock()};
    CExerciseDlg nextExercise(next);
    EXPECT_FALSE(nextExercise.IsKeyboardShown());
    nextExercise.ShowKeyboard(true);
    EXPECT_TRUE(nextExercise.IsKeyboardShown());
}

// On a lab account that a class shares, one pupil's choice is not the next
// pupil's.
TEST(KeyboardChoice, EachPupilKeepsTheirOwn) {
    TempFolder program;
    const PupilsFolder pupils = PortableFolders(program.Path()).pupils;
    {
        CExerciseSession session{TickSource::SteadyClock()};
        CExerciseDlg exercise(session, {pupils, "Ala", {}, {}});
        EXPECT_TRUE(exercise.IsKeyboardShown());
        exercise.ShowKeyboard(false);
    }
    CExerciseSession olasSession{TickSource::SteadyClock()};
    CExerciseDlg olas(olasSession, {pupils, "Ola", {}, {}});
    EXPECT_TRUE(olas.IsKeyboardShown());
    CExerciseSession alasSession{TickSource::SteadyClock()};
    CExerciseDlg alas(alasSession, {pupils, "Ala", {}, {}});
    EXPECT_FALSE(alas.IsKeyboardShown());
    EXPECT_EQ(ReadFile(program / "Data/Pupils/Ala/wybory.dat"), "tastrum wybory 1\npomoce=0\n");
}

// At 200 % (the test runs once more with QT_SCALE_FACTOR=2) the keyboard is
// drawn at the screen's pixel density, not enlarged from a picture drawn
// for 100 %: the same as painting it straight onto the screen.
TEST(KeyboardView, IsDrawnAtTheScreensPixelDensity) {
    CKeyboardView view;
    view.resize(600, 200);
    view.Light(ChordOf(Utf8ToCp1250("Ż")[0]));
    view.show();
    const double ratio = view.devicePixelRatioF();
    const auto paintedStraight = [&](QImage::Format format) {
        QImage straight(view.size() * ratio, format);
        straight.setDevicePixelRatio(ratio);
        straight.fill(view.palette().color(QPalette::Window));
        QPainter painter(&straight);
        painter.setFont(view.font());
        std::vector<bool> lit(PolishKeyboard().size());
        for (const int key : KeysOf(*ChordOf(Utf8ToCp1250("Ż")[0])))
            lit[key] = true;
        PaintKeyboard(painter, view.rect(), {.lit = lit});
        return straight;
    };
    const QImage shown = view.grab().toImage();
    ASSERT_EQ(shown.size(), view.size() * ratio);
    EXPECT_TRUE(shown == paintedStraight(shown.format()));

    // A picture enlarged from 100 % repeats each of its pixels in a square
    // of ratio × ratio; a sharp one has finer detail.
    if (ratio == 2) {
        bool finer = false;
        for (int y = 0; y + 1 < shown.height() && !finer; y += 2)
            for (int x = 0; x + 1 < shown.width() && !finer; x += 2)
                finer = shown.pixel(x, y) != shown.pixel(x + 1, y) ||
                        shown.pixel(x, y) != shown.pixel(x, y + 1) ||
                        shown.pixel(x, y) != shown.pixel(x + 1, y + 1);
        EXPECT_TRUE(finer);
    }

    // At a new size the keyboard is drawn anew, not copied from the old one.
    view.resize(500, 150);
    const QImage resized = view.grab().toImage();
    EXPECT_TRUE(resized == paintedStraight(resized.format()));
}

namespace {

// What the widgets of the program repaint, and how often anything asks for
// a new layout, while it watches.
class RepaintLog : public QObject {
public:
    RepaintLog() { qApp->installEventFilter(this); }
    ~RepaintLog() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            m_painted[watched] += static_cast<QPaintEvent*>(event)->region();
        else if (event->type() == QEvent::LayoutRequest)
            ++m_layoutRequests;
        return false;
    }

    // The widgets below parent that were repainted.
    std::set<QObject*> PaintedBelow(const QWidget& parent) const {
        std::set<QObject*> painted;
        for (const auto& [widget, region] : m_painted.asKeyValueRange())
            if (parent.isAncestorOf(qobject_cast<QWidget*>(widget)))
                painted.insert(widget);
        return painted;
    }
    QRegion Painted(const QWidget& widget) const {
        return m_painted.value(const_cast<QWidget*>(&widget));
    }
    int LayoutRequests() const { return m_layoutRequests; }
    void Clear() {
        m_painted.clear();
        m_layoutRequests = 0;
    }

private:
    QHash<QObject*, QRegion> m_painted;
    int m_layoutRequests = 0;
};

// What the window shows in the widget's place (the window's backing store)
// against the widget painted afresh: a part left out of a repaint would keep
// its old look.
bool ShowsAsPaintedAfresh(QWidget& widget) {
    const QWidget& window = *widget.window();
    const auto* shown = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    if (!shown)
        return false;
    const double ratio = widget.devicePixelRatioF();
    const QRect place(widget.mapTo(&window, QPoint(0, 0)) * ratio, widget.size() * ratio);
    return shown->copy(place).convertToFormat(QImage::Format_RGB32) ==
           widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// A keystroke repaints the key put out and the key lit, the fingers that
// change and the line under the keyboard, and lays nothing out again; what
// stays lit is not drawn again at all. At 200 % too (see above).
TEST(KeyboardView, AKeystrokeRepaintsOnlyWhatItChanges) {
    CKeyboardPanel panel;
    panel.resize(700, 160);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    CTypingModel typing;
    typing.SetModelText({Utf8ToCp1250("aabŁ a")});
    panel.Follow(typing);
    const auto type = [&](const char* utf8) {
        const char ch = Utf8ToCp1250(utf8)[0];
        const std::optional<char> expected = typing.ExpectedChar();
        typing.OnChar(ch);
        panel.Follow(typing, expected, ch);
        QApplication::processEvents();
    };
    QApplication::processEvents();
    RepaintLog log;

    type("a");
    EXPECT_TRUE(log.PaintedBelow(panel).empty()) << "the same key comes next";

    type("a");
    const CKeyboardView& view = panel.View();
    const CHandsView& hands = panel.Hands();
    const QRect keyA = KeyRectIn(view.rect(), ChordOf('a')->key);
    const QRect keyB = KeyRectIn(view.rect(), ChordOf('b')->key);
    EXPECT_EQ(log.Painted(view), QRegion(keyA) + keyB);
    EXPECT_FALSE(log.Painted(hands).isEmpty());
    EXPECT_LT(log.Painted(hands).boundingRect().right(), hands.width() / 2)
        << "both fingers are on the left hand";
    EXPECT_EQ(log.PaintedBelow(panel).size(), 3u) << "the keyboard, the hands and the line";
    EXPECT_EQ(log.LayoutRequests(), 0);
    EXPECT_TRUE(ShowsAsPaintedAfresh(panel));

    // Shift and right Alt, both thumbs for the space bar, and a slip.
    for (const char* key : {"b", "Ł", " ", "x"}) {
        log.Clear();
        type(key);
        EXPECT_EQ(log.LayoutRequests(), 0);
        EXPECT_TRUE(ShowsAsPaintedAfresh(panel)) << key;
    }
}

// However small the keyboard, a lit key is still its finger's colour with
// a frame around it, and its letter stands where an unlit key has it.
TEST(KeyboardView, ALitKeyKeepsItsFingersColourAtEverySize) {
    const int key = ChordOf('y')->key;
    for (const QSize size : {QSize(600, 200), QSize(300, 75)}) {
        QImage lit(size, QImage::Format_RGB32), unlit(size, QImage::Format_RGB32);
        for (QImage* image : {&lit, &unlit}) {
            image->fill(Qt::white);
            QPainter painter(image);
            std::vector<bool> lights(PolishKeyboard().size());
            lights[key] = image == &lit;
            PaintKeyboard(painter, QRect(QPoint(0, 0), size), {.lit = lights});
        }
        const QRect rect = KeyRectIn(QRect(QPoint(0, 0), size), key);
        int fingerColoured = 0, alike = 0, inside = 0;
        for (int y = rect.top() + 3; y <= rect.bottom() - 3; ++y)
            for (int x = rect.left() + 3; x <= rect.right() - 3; ++x, ++inside) {
                fingerColoured +=
                    lit.pixelColor(x, y) == FingerColour(PolishKeyboard()[key].finger);
                alike += lit.pixel(x, y) == unlit.pixel(x, y);
            }
        EXPECT_GT(fingerColoured, inside / 2) << size.width();
        EXPECT_GT(alike, inside * 9 / 10) << "the label is drawn as on an unlit key";
    }
}
