// Text1 of Tavrel.exe under the real keyboard and mouse, under Wine, whose
// box moves its caret and deletes by UTF-16 unit: every key, click and drag
// leaves Text1 with whole characters only, and the caret and the selection
// beside whole characters.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/half_characters.h"
#include "tests/form/tavrel_process.h"

namespace tavrel::form::testing {
namespace {

using tavrel::testing::DescribedUnits;
using tavrel::testing::HoldsHalfCharacter;

// Text for a failure's message, in quotes.
std::string Shown(const std::wstring& text) { return '"' + DescribedUnits(text) + '"'; }

const std::wstring kPair = L"\U00020000";  // one character of two units
constexpr POINT kInText1{180, 73};
constexpr int kText1Middle = 73;

// Puts the keyboard's focus into Text1 with a real click, unless it is there.
// The click copies Text1's text: put on the clipboard after it.
void FocusText1(const TavrelProcess& tavrel) {
  if (tavrel.Focus() == tavrel.Box(1)) return;
  tavrel.ClickAt(kInText1.x, kInText1.y);
  EXPECT_TRUE(WaitUntil([&] { return tavrel.Focus() == tavrel.Box(1); }, 3000))
      << "the focus did not come to Text1";
}

// Two clicks close together in time and place make a double click, which
// selects: wait until the next one is a click of its own.
void AwaitTheEndOfADoubleClick() { Sleep(GetDoubleClickTime() + 100); }

// Closes the no-code messages that a change of Text1 may bring, so that the
// keyboard comes back to Text1.
void CloseMessageBoxes(const TavrelProcess& tavrel) {
  for (HWND box : tavrel.MessageBoxes()) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// What Text1 holds once the keys pressed for real and then the sentinel
// letter "z" have come: the sentinel goes where the key left the caret, so a
// caret between the halves of a pair shows as a split pair.
struct KeyOutcome {
  bool sentinel_came = false;
  std::wstring text;
};

KeyOutcome PressThenSentinel(const TavrelProcess& tavrel, const std::string& keys) {
  RunUnix("xdotool key --delay 20 " + keys + " z");
  KeyOutcome outcome;
  outcome.sentinel_came = WaitUntil(
      [&] {
        CloseMessageBoxes(tavrel);
        return tavrel.Text(1).find(L'z') != std::wstring::npos;
      },
      3000);
  outcome.text = tavrel.Text(1);
  return outcome;
}

// The caret and the selection as the sweeps start them, in
// "a" pair pair "b" pair "c" (units: a 0, pairs 1-2 and 3-4, b 5, pair 6-7, c 8).
const std::wstring kSweptText = L"a" + kPair + kPair + L"b" + kPair + L"c";
const std::wstring kPasted = L"q" + kPair;  // what Shift+Insert pastes

TEST(TavrelEditing, NoEditingOrCaretKeyLeavesHalfACharacterOrTheCaretInsideOne) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);

  std::vector<std::string> keys;
  for (const char* modifiers : {"", "shift+", "ctrl+", "ctrl+shift+"})
    for (const char* key : {"BackSpace", "Delete", "KP_Delete", "Insert", "Left", "Right", "Up", "Down", "Home",
                            "End", "Prior", "Next"})
      keys.push_back(std::string(modifiers) + key);
  keys.push_back("ctrl+z");
  keys.push_back("alt+BackSpace");

  struct Place {
    const char* name;
    int caret;
  };
  const Place places[] = {{"just after a pair", 8}, {"just before a pair", 1}, {"between two pairs", 3}};

  for (const std::string& key : keys) {
    for (const Place& place : places) {
      FocusText1(tavrel);
      PutOnClipboard(kPasted);
      tavrel.SetText1(kSweptText);
      tavrel.Select(1, place.caret, place.caret);
      const KeyOutcome outcome = PressThenSentinel(tavrel, key);
      const std::string where = key + " with the caret " + place.name + " (unit " + std::to_string(place.caret) +
                                ") in " + Shown(kSweptText);
      EXPECT_TRUE(outcome.sentinel_came)
          << where << ": the sentinel z typed after it never came; Text1 holds " << Shown(outcome.text);
      EXPECT_FALSE(HoldsHalfCharacter(outcome.text))
          << where << ": Text1 holds half a character, with the sentinel z typed after the key: "
          << Shown(outcome.text);
    }
  }
}

TEST(TavrelEditing, DeletingASelectionBesideACharacterTakesTheSelectionWhole) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);

  struct SelectionCase {
    const char* name;
    int anchor, caret;
  };
  const SelectionCase selections[] = {
      {"\"a\", ending just before a pair", 0, 1},
      {"\"a\", ending just before a pair, selected backwards", 1, 0},
      {"\"b\", between a pair before it and one after it", 5, 6},
      {"\"b\", between two pairs, selected backwards", 6, 5},
      {"\"c\", beginning just after a pair", 8, 9},
      {"\"c\", beginning just after a pair, selected backwards", 9, 8},
      {"a pair and \"b\", from one pair to the next", 3, 6},
      {"a pair and \"b\", from one pair to the next, selected backwards", 6, 3},
  };
  for (const char* key : {"BackSpace", "Delete", "shift+Delete"}) {
    for (const SelectionCase& selection : selections) {
      FocusText1(tavrel);
      PutOnClipboard(kPasted);
      tavrel.SetText1(kSweptText);
      tavrel.Select(1, selection.anchor, selection.caret);
      const std::size_t start = static_cast<std::size_t>(std::min(selection.anchor, selection.caret));
      const std::size_t length = static_cast<std::size_t>(std::abs(selection.anchor - selection.caret));
      const std::wstring expected = std::wstring(kSweptText).replace(start, length, L"z");

      const KeyOutcome outcome = PressThenSentinel(tavrel, key);
      const std::string where = std::string(key) + " over " + selection.name + " in " + Shown(kSweptText);
      EXPECT_TRUE(outcome.sentinel_came) << where << ": the sentinel z typed after it never came";
      EXPECT_FALSE(HoldsHalfCharacter(outcome.text))
          << where << ": Text1 holds half a character, with the sentinel z typed after the key: "
          << Shown(outcome.text);
      EXPECT_EQ(DescribedUnits(outcome.text), DescribedUnits(expected))
          << where << ", then the sentinel z";
    }
  }
}

// Shift+Delete with nothing selected takes the character before the caret,
// as Backspace does: the whole character, which it deletes and does not cut.
TEST(TavrelEditing, ShiftDeleteWithNothingSelectedTakesTheWholeCharacterBeforeTheCaret) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  struct Case {
    std::wstring before;
    const char* keys;
    std::wstring after;
  };
  const Case cases[] = {
      {L"中" + kPair, "End shift+Delete", L"中"},
      {L"a" + kPair + L"b", "End Left shift+Delete", L"ab"},
      {L"中" + kPair, "End shift+KP_Delete", L"中"},
      {L"a" + kPair + L"b", "End Left shift+KP_Delete", L"ab"},
  };
  const std::wstring kept = L"kept";
  for (const Case& c : cases) {
    FocusText1(tavrel);
    PutOnClipboard(kept);  // after the focusing click, which copies
    tavrel.SetText1(c.before);
    RunUnix(std::string("xdotool key --delay 60 ") + c.keys);
    EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(1) == c.after; }, 3000))
        << c.keys << " in " << Shown(c.before) << " gives " << Shown(tavrel.Text(1))
        << ", not " << Shown(c.after);
    std::wstring clipboard;
    EXPECT_TRUE(ReadUnicodeClipboard(clipboard) && clipboard == kept)
        << c.keys << " in " << Shown(c.before) << " put " << Shown(clipboard) << " on the clipboard, which held "
        << Shown(kept);
  }
}

// A click puts the caret on the side of the character that it lands on: on
// its left half before it, on its right half after it.
TEST(TavrelEditing, AClickOnEitherHalfOfACharacterBeyondTheBmpPutsTheCaretOnThatSide) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  std::wstring six_pairs;
  for (int i = 0; i < 6; ++i) six_pairs += kPair;

  struct Case {
    const char* half;
    int character;  // its first unit
    bool right_half;
    std::wstring after;  // once "x" is typed
  };
  const Case cases[] = {
      {"right half of the second character", 2, true, kPair + kPair + L"x" + kPair + kPair + kPair + kPair},
      {"left half of the second character", 2, false, kPair + L"x" + kPair + kPair + kPair + kPair + kPair},
      {"right half of the last character", 10, true, six_pairs + L"x"},
      {"left half of the last character", 10, false, kPair + kPair + kPair + kPair + kPair + L"x" + kPair},
  };
  for (const Case& c : cases) {
    tavrel.SetText1(six_pairs);
    tavrel.Select(1, 12, 12);
    // Each character is as wide as the one before it, which ends where the
    // next one begins.
    const int left = tavrel.LeftEdgeOfUnit(1, c.character);
    const int width = left - tavrel.LeftEdgeOfUnit(1, c.character - 2);
    const int right = left + width;
    ASSERT_GE(width, 8) << "the character lies from x " << left << " to " << right;
    const int x = c.right_half ? right - 3 : left + 3;
    AwaitTheEndOfADoubleClick();
    tavrel.ClickAt(x, kText1Middle);
    RunUnix("xdotool key x");
    EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(1).find(L'x') != std::wstring::npos; }, 3000))
        << "the x typed after the click never came";
    EXPECT_EQ(DescribedUnits(tavrel.Text(1)), DescribedUnits(c.after))
        << "a click on the " << c.half << " (x " << x << ", the character from " << left << " to " << right
        << "), then x";
  }
}

// A drag that comes back over the place where it began keeps that place as
// the selection's anchor, whatever character the pointer crossed.
TEST(TavrelEditing, ADragBackOverItsAnchorThroughACharacterKeepsTheAnchor) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  tavrel.SetText1(L"中" + kPair + L"a");
  const int text_start = tavrel.LeftEdgeOfUnit(1, 0), before_a = tavrel.LeftEdgeOfUnit(1, 3);
  ASSERT_GT(before_a - text_start, 10) << "中 and the pair lie from x " << text_start << " to " << before_a;

  AwaitTheEndOfADoubleClick();
  tavrel.MoveMouseTo(before_a + 1, kText1Middle);
  tavrel.PressMouse(1);
  tavrel.MoveMouseTo(before_a + 10, kText1Middle);
  tavrel.MoveMouseTo(before_a + 20, kText1Middle);  // past "a"
  tavrel.MoveMouseTo(before_a - 3, kText1Middle);   // back onto the right half of the pair
  tavrel.MoveMouseTo(text_start + 3, kText1Middle);
  tavrel.MoveMouseTo(text_start - 6, kText1Middle);  // on to the start of the text
  tavrel.ReleaseMouse(1);
  RunUnix("xdotool key x");
  EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(1).find(L'x') != std::wstring::npos; }, 3000))
      << "the x typed after the drag never came";
  EXPECT_EQ(DescribedUnits(tavrel.Text(1)), DescribedUnits(std::wstring(L"xa")))
      << "a drag from just before \"a\" past it, back onto the right half of the pair and on to the start "
         "of the text, then x";
}

// At the limit, over a selection of one unit, a character of two units has
// no room: a paste of it, or typing it, leaves the text and the selection.
TEST(TavrelEditing, APasteAtTheLimitWithNoRoomForAWholeCharacterLeavesTheSelection) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  const std::wstring full(18, L'a');
  enum class Way { PasteMessage, ControlV, ShiftInsert, Typed };
  struct Case {
    const char* name;
    Way way;
  };
  for (const Case& c : {Case{"WM_PASTE", Way::PasteMessage}, Case{"Ctrl+V", Way::ControlV},
                        Case{"Shift+Insert", Way::ShiftInsert}, Case{"typing the pair", Way::Typed}}) {
    FocusText1(tavrel);
    tavrel.SetText1(full);
    RunUnix("xdotool key --delay 20 End shift+Left");
    ASSERT_TRUE(WaitUntil([&] { return tavrel.Selection(1) == BoxSelection{17, 18}; }, 3000))
        << c.name << ": End, Shift+Left selected " << tavrel.Selection(1).start << " to "
        << tavrel.Selection(1).end;
    PutOnClipboard(kPair);
    switch (c.way) {
      case Way::PasteMessage:
        SendMessageW(tavrel.Box(1), WM_PASTE, 0, 0);
        break;
      case Way::ControlV:
      case Way::ShiftInsert: {
        // Shift+Left after the paste: once the caret has gone one unit on
        // from where the paste left it, the paste's key has been handled. A
        // paste that kept the last unit selected, the caret before it, leaves
        // 16 to 18 selected then, the caret at 16.
        RunUnix(std::string("xdotool key --delay 20 ") + (c.way == Way::ControlV ? "ctrl+v" : "shift+Insert") +
                " shift+Left");
        const TavrelProcess::AnchorAndCaret after_shift_left{18, 16};
        EXPECT_TRUE(WaitUntil([&] { return tavrel.CaretAndAnchor(1) == after_shift_left; }, 3000))
            << c.name << ", then Shift+Left: the selection is " << tavrel.CaretAndAnchor(1).anchor << " (anchor) to "
            << tavrel.CaretAndAnchor(1).caret << " (caret), not 18 to 16: the paste did not keep 17 to 18 "
            << "selected, the caret at 17";
        break;
      }
      case Way::Typed:
        for (wchar_t unit : kPair) SendMessageW(tavrel.Box(1), WM_CHAR, unit, 1);
        break;
    }
    if (c.way == Way::PasteMessage || c.way == Way::Typed) {
      const TavrelProcess::AnchorAndCaret kept{18, 17};
      EXPECT_EQ(tavrel.CaretAndAnchor(1), kept)
          << c.name << ": the selection is " << tavrel.CaretAndAnchor(1).anchor << " (anchor) to "
          << tavrel.CaretAndAnchor(1).caret << " (caret), not 18 to 17";
    }
    const std::wstring text = tavrel.Text(1);
    EXPECT_EQ(text, full) << c.name << " over the last of 18 units, with the clipboard holding "
                          << Shown(kPair) << ": Text1 holds " << text.size()
                          << " units: " << Shown(text);
  }
}


}  // namespace
}  // namespace tavrel::form::testing
