// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/Chord.h"
#include "lessons/TextFileReader.h"
#include "keyboard/PolishKeyboard.h"

#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

// Touch typing's columns, written out apart from the keyboard table.
const std::map<std::string, std::string> kKeysOfFinger{
    {"lewy mały palec", "`1qaz~!QAZ"},
    {"lewy palec serdeczny", "2wsx@WSX"},
    {"lewy palec środkowy", "3edc#EDC"},
    {"lewy palec wskazujący", "45rtfgvb$%RTFGVB"},
    {"prawy palec wskazujący", "67yuhjnm^&YUHJNM"},
    {"prawy palec środkowy", "8ik,*IK<"},
    {"prawy palec serdeczny", "9ol.(OL>"},
    {"prawy mały palec", "0-=p[];'/\\)_+P{}:\"?|"},
};

std::string FingerOfCharacter(char ch) {
    return FingerName(PolishKeyboard()[ChordOf(ch)->key].finger);
}

// What the line under the keyboard says when ch comes next.
std::string LineFor(char ch) {
    return NextKeyText(ch, ChordOf(ch));
}

} // namespace

TEST(PolishKeyboard, EverySignIsTypedByItsFingerWithShiftOnTheOtherHand) {
    for (const auto& [finger, signs] : kKeysOfFinger) {
        for (const char sign : signs) {
            SCOPED_TRACE(std::string(1, sign));
            ASSERT_TRUE(ChordOf(sign));
            EXPECT_EQ(FingerOfCharacter(sign), finger);
            EXPECT_FALSE(ChordOf(sign)->rightAlt);
        }
    }
    EXPECT_EQ(ChordOf('a')->shift, -1);
    EXPECT_EQ(ChordOf('A')->shift, RightShiftKey());
    EXPECT_EQ(ChordOf('P')->shift, LeftShiftKey());
    EXPECT_EQ(ChordOf('?')->shift, LeftShiftKey());
    EXPECT_EQ(ChordOf('!')->shift, RightShiftKey());
    EXPECT_EQ(FingerOfCharacter(' '), "kciuk");
    EXPECT_EQ(FingerOfCharacter(13), "prawy mały palec");
    EXPECT_EQ(FingerOfCharacter('\t'), "lewy mały palec");
}

TEST(PolishKeyboard, PolishLettersTakeRightAltOnTheirPlainLettersKey) {
    const std::string polish = Utf8ToCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const std::string keys = "acelnosxzACELNOSXZ";
    for (size_t i = 0; i < polish.size(); ++i) {
        SCOPED_TRACE(Cp1250ToUtf8(polish.substr(i, 1)));
        const std::optional<Chord> chord = ChordOf(polish[i]);
        ASSERT_TRUE(chord);
        EXPECT_TRUE(chord->rightAlt);
        EXPECT_EQ(chord->key, ChordOf(keys[i])->key);
        EXPECT_EQ(chord->shift, ChordOf(keys[i])->shift);
    }
}

TEST(PolishKeyboard, TheLineUnderTheKeyboardNamesTheChordForAChild) {
    EXPECT_EQ(LineFor(Utf8ToCp1250("ą")[0]), "ą: prawy Alt (prawy kciuk) + A (lewy mały palec)");
    EXPECT_EQ(LineFor(Utf8ToCp1250("Ż")[0]),
              "Ż: prawy Shift (prawy mały palec) + prawy Alt (prawy kciuk) + Z (lewy mały palec)");
    EXPECT_EQ(LineFor(':'), ":: lewy Shift (lewy mały palec) + ; (prawy mały palec)");
    EXPECT_EQ(LineFor('j'), "j: J (prawy palec wskazujący)");
    EXPECT_EQ(LineFor(' '), "spacja: Spacja (kciuk)");
    EXPECT_EQ(LineFor(13), "Enter (prawy mały palec)");
    EXPECT_EQ(LineFor(Utf8ToCp1250("„")[0]),
              "„: prawy Alt (prawy kciuk) + V (lewy palec wskazujący)");
    EXPECT_EQ(LineFor(Utf8ToCp1250("°")[0]), "°: lewy Shift (lewy mały palec) + prawy Alt "
                                             "(prawy kciuk) + 0 (prawy mały palec)");
    EXPECT_EQ(LineFor(Utf8ToCp1250("¤")[0]), "¤: tego znaku nie ma na klawiaturze");
}

// The signs of print that Linux's Polish layout gives with right Alt, and
// with Shift too on the upper level, read off `xkbcomp` for the layout "pl".
TEST(PolishKeyboard, SignsOfPrintTakeRightAltWhereLinuxPutsThem) {
    struct Sign {
        const char* sign;
        char key;
        char shift; // the Shift held: 'L'eft, 'R'ight or ' ' none
    };
    const Sign signs[] = {
        {"„", 'v', ' '}, {"”", 'b', ' '}, {"“", 'b', 'R'}, {"‘", 'v', 'R'}, {"’", 'h', ' '},
        {"–", '-', ' '}, {"—", '-', 'L'}, {"…", 'k', ' '}, {"€", '5', ' '}, {"‰", '5', 'R'},
        {"§", '7', ' '}, {"°", '0', 'L'}, {"«", '9', ' '}, {"»", '0', ' '}, {"±", '9', 'L'},
        {"·", '8', ' '}, {"×", ',', 'L'}, {"÷", '.', 'L'}, {"©", 'r', ' '}, {"®", 'r', 'R'},
        {"™", 't', 'R'}, {"µ", 'm', ' '}, {"•", 'h', 'L'}, {"¬", '`', ' '},
    };
    for (const Sign& sign : signs) {
        SCOPED_TRACE(sign.sign);
        const std::optional<Chord> chord = ChordOf(Utf8ToCp1250(sign.sign)[0]);
        ASSERT_TRUE(chord);
        EXPECT_TRUE(chord->rightAlt);
        EXPECT_EQ(chord->key, ChordOf(sign.key)->key);
        EXPECT_EQ(chord->shift, sign.shift == 'L'   ? LeftShiftKey()
                                : sign.shift == 'R' ? RightShiftKey()
                                                    : -1);
    }
    // A non-breaking space looks like a space: the lesson check reports it.
    EXPECT_FALSE(ChordOf('\xA0'));
}

TEST(PolishKeyboard, PlainLetterForAPolishOneGetsAHint) {
    EXPECT_EQ(PolishLetterHint(Utf8ToCp1250("ź")[0], 'z'),
              "Pamiętaj: ź to prawy Alt (prawy kciuk) + X (lewy palec serdeczny), nie samo z");
    EXPECT_TRUE(PolishLetterHint(Utf8ToCp1250("Ą")[0], 'a'));
    EXPECT_FALSE(PolishLetterHint(Utf8ToCp1250("ą")[0], 's'));
    EXPECT_FALSE(PolishLetterHint('a', 's'));
}

TEST(PolishKeyboard, EveryCharacterOfTheSampleCourseHasAChord) {
    const std::filesystem::path lessons =
        std::filesystem::path(TASTRUM_SOURCE_DIR) / "../data/Data/Lessons";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(lessons)) {
        ++files;
        for (const char ch : ReadTextFile(entry.path().string()).value_or("")) {
            if (ch != '\r' && ch != '\n') {
                EXPECT_TRUE(ChordOf(ch))
                    << Cp1250ToUtf8(std::string(1, ch)) << " in " << entry.path().filename();
            }
        }
    }
    EXPECT_GT(files, 10);
}
