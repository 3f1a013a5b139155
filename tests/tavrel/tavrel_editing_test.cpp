// Text1 of Tavrel.exe under the real keyboard and mouse, under Wine, whose
// box moves its caret and deletes by UTF-16 unit: every key, click and drag
// leaves Text1 with whole characters only, and the caret and the selection
// beside whole characters.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/surrogates.h"
#include "tests/support/half_characters.h"
#include "tests/tavrel/tavrel_process.h"
#include "tests/tavrel/window_places.h"

namespace tavrel::form::testing {
namespace {

using tavrel::testing::DescribedUnits;
using tavrel::testing::HoldsHalfCharacter;

// Text for a failure's message, in quotes.
std::string Shown(const std::wstring& text) { return '"' + DescribedUnits(text) + '"'; }

const std::wstring kPair = L"\U00020000";  // one character of two units
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


// ---- The caret and the selection counted in characters, beside a text's twin.

// A case's text is a pattern in which every "@" stands for one character: the
// pair, or, in the case's twin, the one-unit ideograph 文, with which Wine's
// box does everything right. The same steps give the same result on both,
// counted in characters.
const std::wstring kTwinCharacter = L"文";

std::wstring Made(const std::wstring& pattern, const std::wstring& character) {
  std::wstring text;
  for (wchar_t unit : pattern) text += unit == L'@' ? character : std::wstring(1, unit);
  return text;
}

struct Version {
  const char* name;
  std::wstring character;
};
const Version kVersions[] = {{"with the pair", kPair}, {"with its twin 文", kTwinCharacter}};

// The units of the character that starts at a unit of the text.
DWORD LengthOfCharacterAt(const std::wstring& text, DWORD at) {
  return static_cast<DWORD>(tavrel::CharacterLength(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), at));
}

// Units of the text's first n characters.
DWORD UnitOfCharacter(const std::wstring& text, int characters) {
  DWORD unit = 0;
  for (int i = 0; i < characters && unit < text.size(); ++i) unit += LengthOfCharacterAt(text, unit);
  return unit;
}

// Characters before a unit; -1 for a place between the halves of a pair.
int CharacterOfUnit(const std::wstring& text, DWORD unit) {
  int characters = 0;
  DWORD at = 0;
  for (; at < unit && at < text.size(); ++characters) at += LengthOfCharacterAt(text, at);
  return at == unit ? characters : -1;
}

// A selection counted in characters: where its anchor and its caret are.
struct InCharacters {
  int anchor = 0, caret = 0;
  friend bool operator==(const InCharacters&, const InCharacters&) = default;
};

InCharacters Counted(const std::wstring& text, TavrelProcess::AnchorAndCaret selection) {
  return {CharacterOfUnit(text, selection.anchor), CharacterOfUnit(text, selection.caret)};
}

std::string Shown(InCharacters selection) {
  const auto place = [](int characters) {
    return characters < 0 ? std::string("between the halves of a pair") : std::to_string(characters);
  };
  return "anchor " + place(selection.anchor) + ", caret " + place(selection.caret);
}

std::string Shown(TavrelProcess::AnchorAndCaret selection) {
  return "units: anchor " + std::to_string(selection.anchor) + ", caret " + std::to_string(selection.caret);
}

// Text1 and its selection, counted in characters.
struct BoxState {
  std::wstring text;  // the pattern: each pair, or each twin, as "@"
  InCharacters selection;
  TavrelProcess::AnchorAndCaret units{};  // as read, for a failure's message
  friend bool operator==(const BoxState& a, const BoxState& b) {
    return a.text == b.text && a.selection == b.selection;
  }
};

std::wstring PatternOf(const std::wstring& text, const std::wstring& character) {
  std::wstring pattern;
  for (std::size_t at = 0; at < text.size();) {
    if (text.compare(at, character.size(), character) == 0) {
      pattern += L'@';
      at += character.size();
    } else {
      pattern += text[at++];
    }
  }
  return pattern;
}

BoxState StateOf(const TavrelProcess& tavrel, const std::wstring& character) {
  const std::wstring text = tavrel.Text(1);
  const TavrelProcess::AnchorAndCaret units = tavrel.CaretAndAnchor(1);
  return {PatternOf(text, character), Counted(text, units), units};
}

std::string Shown(const BoxState& state) {
  return Shown(state.text) + ", " + Shown(state.selection) + " (" + Shown(state.units) + ")";
}

// Where the pointer goes on a character: on its left or its right quarter.
enum class Quarter { Left, Right };
struct Spot {
  int character;
  Quarter quarter;
};

std::string Shown(Spot spot) {
  return std::string(spot.quarter == Quarter::Left ? "left" : "right") + " quarter of character " +
         std::to_string(spot.character);
}

// The left edge of every character of Text1's text and the end of its last
// one, in the window's client pixels. The end is where the caret goes after
// the last unit; so this moves the caret, and Text1 must have the focus.
std::vector<int> CharacterEdges(const TavrelProcess& tavrel) {
  const std::wstring text = tavrel.Text(1);
  std::vector<int> edges;
  for (DWORD unit = 0; unit < text.size(); unit = UnitOfCharacter(text, CharacterOfUnit(text, unit) + 1))
    edges.push_back(tavrel.LeftEdgeOfUnit(1, static_cast<int>(unit)));
  const int size = static_cast<int>(text.size());
  tavrel.Select(1, size, size);
  POINT end{tavrel.InputState().rcCaret.left, 0};
  MapWindowPoints(tavrel.Box(1), tavrel.Window(), &end, 1);
  edges.push_back(end.x);
  return edges;
}

int XOf(const std::vector<int>& edges, Spot spot) {
  const int left = edges[spot.character], right = edges[spot.character + 1];
  const int quarter = std::max(1, (right - left) / 4);
  return spot.quarter == Quarter::Left ? left + quarter : right - quarter - 1;
}

// xdotool's steps that move the real pointer to a place of the window.
std::string MoveTo(const TavrelProcess& tavrel, int x) {
  const POINT origin = tavrel.Origin();
  return " mousemove " + std::to_string(origin.x + x) + " " + std::to_string(origin.y + kText1Middle);
}

// xdotool's steps that move the real pointer on from x `from` to x `to` a
// few pixels at a time, as a hand moves it.
std::string MovesFromTo(const TavrelProcess& tavrel, int from, int to) {
  const int step = to > from ? 5 : -5;
  std::string steps;
  for (int x = from + step; (to - x) * step > 0; x += step) steps += MoveTo(tavrel, x);
  return steps + MoveTo(tavrel, to);
}

// A press at the first x, held while the pointer goes on through the others,
// as a hand drags, then the release.
std::string DragThrough(const TavrelProcess& tavrel, const std::vector<int>& xs) {
  std::string steps = MoveTo(tavrel, xs.front()) + " mousedown 1";
  for (std::size_t i = 1; i < xs.size(); ++i) steps += MovesFromTo(tavrel, xs[i - 1], xs[i]);
  return steps + " mouseup 1";
}

// Runs xdotool's steps, which end in the release of a click or a drag that
// began in Text1, and waits until Tavrel has handled the release: it then
// copies Text1's text.
bool RunUntilCopied(const std::string& steps) {
  const DWORD copies = GetClipboardSequenceNumber();
  RunUnix("xdotool" + steps);
  return WaitUntil([&] { return GetClipboardSequenceNumber() != copies; }, 3000);
}

// A double click whose second press is held: once its first click has been
// copied and Text1 has the mouse again, the box has handled the second
// press.
bool DoubleClickAndHold(const TavrelProcess& tavrel, int x) {
  const DWORD copies = GetClipboardSequenceNumber();
  RunUnix("xdotool" + MoveTo(tavrel, x) + " click 1 mousedown 1");
  return WaitUntil([&] {
           return GetClipboardSequenceNumber() != copies && tavrel.InputState().hwndCapture == tavrel.Box(1);
         }, 3000) && tavrel.Responds();
}

// The release of a held button: once Text1 has let go of the mouse and
// Tavrel answers, the box has handled it.
bool ReleaseWithSteps(const TavrelProcess& tavrel, const std::string& steps) {
  RunUnix("xdotool" + steps + " mouseup 1");
  return WaitUntil([&] { return tavrel.InputState().hwndCapture != tavrel.Box(1); }, 3000) && tavrel.Responds();
}

void SelectCharacters(const TavrelProcess& tavrel, InCharacters selection) {
  const std::wstring text = tavrel.Text(1);
  tavrel.Select(1, static_cast<int>(UnitOfCharacter(text, selection.anchor)),
                static_cast<int>(UnitOfCharacter(text, selection.caret)));
}

// Waits until Text1 and its selection are as expected, and tells whether
// they came.
bool AwaitState(const TavrelProcess& tavrel, const std::wstring& character, const BoxState& expected) {
  return WaitUntil([&] {
    CloseMessageBoxes(tavrel);
    return StateOf(tavrel, character) == expected;
  }, 3000);
}

// A Shift+click, or a Shift+press dragged on, moves the caret to the side of
// the character the pointer stops on, and the anchor stays where it was.
TEST(TavrelEditing, AShiftClickOrShiftDragMovesOnlyTheCaretToTheSideOfTheCharacterItStopsOn) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  struct Case {
    const char* name;
    std::wstring pattern;
    const char* keys;        // pressed to make the first selection; none: it is set
    InCharacters selection;  // the first selection
    std::vector<Spot> path;  // one spot: a Shift+click; more: a Shift+press there, dragged through the others
    InCharacters after_pointer;
    const char* then_keys;
    std::wstring then_text;
    InCharacters then_selection;
  };
  const Case cases[] = {
      {"@ selected backwards, a Shift+click on the left half of @, where the caret is, then x", L"中@a",
       "End Left shift+Left", {2, 1}, {{1, Quarter::Left}}, {2, 1}, "x", L"中xa", {2, 2}},
      {"a selected, a Shift+click on the left half of @, then x", L"中@a", "End Left shift+Right", {2, 3},
       {{1, Quarter::Left}}, {2, 1}, "x", L"中xa", {2, 2}},
      {"b@c selected, a Shift+click on the right half of the first @, onto the anchor, then Shift+End",
       L"a@b@cd", nullptr, {2, 5}, {{1, Quarter::Right}}, {2, 2}, "shift+End", L"a@b@cd", {2, 6}},
      {"b@c selected, a Shift+press on c dragged to the right half of the first @, onto the anchor, then "
       "Shift+End",
       L"a@b@cd", nullptr, {2, 5}, {{4, Quarter::Left}, {1, Quarter::Right}}, {2, 2}, "shift+End", L"a@b@cd",
       {2, 6}},
      {"@ selected backwards, a Shift+press on a dragged to the left half of @, then x", L"中@a",
       "End Left shift+Left", {2, 1}, {{2, Quarter::Right}, {1, Quarter::Left}}, {2, 1}, "x", L"中xa", {2, 2}},
      {"the caret before d, a Shift+press on the left half of the first @ dragged across the anchor to the "
       "right half of c, then x",
       L"a@b@cd", nullptr, {5, 5}, {{1, Quarter::Left}, {4, Quarter::Right}}, {5, 5}, "x", L"a@b@cxd", {6, 6}},
      {"the caret before d, a Shift+press on c dragged to the right half of the second @, then x", L"a@b@cd",
       nullptr, {5, 5}, {{4, Quarter::Right}, {3, Quarter::Right}}, {5, 4}, "x", L"a@b@xd", {5, 5}},
  };
  FocusText1(tavrel);
  for (const Case& c : cases) {
    for (const Version& version : kVersions) {
      const std::wstring text = Made(c.pattern, version.character);
      const std::string where = std::string(c.name) + ", in " + Shown(text) + " (" + version.name + ")";
      tavrel.SetText1(text);
      const std::vector<int> edges = CharacterEdges(tavrel);
      if (c.keys == nullptr) {
        SelectCharacters(tavrel, c.selection);
      } else {
        RunUnix(std::string("xdotool key --delay 20 ") + c.keys);
      }
      ASSERT_TRUE(AwaitState(tavrel, version.character, {c.pattern, c.selection}))
          << where << ": the first selection is " << Shown(StateOf(tavrel, version.character));

      std::vector<int> xs;
      for (Spot spot : c.path) xs.push_back(XOf(edges, spot));
      AwaitTheEndOfADoubleClick();
      const std::string pointer =
          xs.size() == 1 ? MoveTo(tavrel, xs.front()) + " keydown shift click 1 keyup shift"
                         : " keydown shift" + DragThrough(tavrel, xs) + " keyup shift";
      ASSERT_TRUE(RunUntilCopied(pointer)) << where << ": the click's release never came";
      EXPECT_TRUE(StateOf(tavrel, version.character) == (BoxState{c.pattern, c.after_pointer}))
          << where << ": after the pointer, " << Shown(StateOf(tavrel, version.character)) << ", not "
          << Shown(c.after_pointer);

      RunUnix(std::string("xdotool key --delay 20 ") + c.then_keys);
      EXPECT_TRUE(AwaitState(tavrel, version.character, {c.then_text, c.then_selection}))
          << where << ": " << Shown(StateOf(tavrel, version.character)) << ", not " << Shown(c.then_text) << ", "
          << Shown(c.then_selection);
    }
  }
}

// A double click selects a word and a double click's drag goes on from it by
// whole characters: a lone character keeps its selection on the release, and
// a drag back over a character puts the caret on its side.
TEST(TavrelEditing, ADoubleClickAndItsDragSelectWholeCharactersWhileHeldAndOnTheRelease) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  struct Held {
    Spot spot;  // the first is the double click, the others where it is dragged
    InCharacters selection;
  };
  struct Case {
    const char* name;
    std::wstring pattern;
    std::vector<Held> path;
    InCharacters released;
    std::wstring after_z;  // once "z" is typed
    bool jumps = false;    // the pointer goes from spot to spot in one move, as a quick hand
  };
  const Case cases[] = {
      {"a double click on the left half of a lone @", L"@", {{{0, Quarter::Left}, {0, 1}}}, {0, 1}, L"z"},
      {"a double click on the right half of a lone @", L"@", {{{0, Quarter::Right}, {0, 1}}}, {0, 1}, L"z"},
      {"a double click on b, dragged to the right half of @ and on to its left half", L"x@ abc",
       {{{4, Quarter::Left}, {3, 6}}, {{1, Quarter::Right}, {3, 2}}, {{1, Quarter::Left}, {3, 1}}}, {3, 1},
       L"xzabc"},
      {"a double click on b, the pointer jumping to the right half of @ and on to its left half", L"x@ abc",
       {{{4, Quarter::Left}, {3, 6}}, {{1, Quarter::Right}, {3, 2}}, {{1, Quarter::Left}, {3, 1}}}, {3, 1},
       L"xzabc", true},
  };
  FocusText1(tavrel);
  for (const Case& c : cases) {
    for (const Version& version : kVersions) {
      const std::wstring text = Made(c.pattern, version.character);
      const std::string where = std::string(c.name) + ", in " + Shown(text) + " (" + version.name + ")";
      tavrel.SetText1(text);
      const std::vector<int> edges = CharacterEdges(tavrel);
      tavrel.Select(1, 0, 0);
      AwaitTheEndOfADoubleClick();
      ASSERT_TRUE(DoubleClickAndHold(tavrel, XOf(edges, c.path.front().spot)))
          << where << ": the double click's second press never came";
      int last_x = XOf(edges, c.path.front().spot);
      for (std::size_t i = 0; i < c.path.size(); ++i) {
        const Held& held = c.path[i];
        if (i > 0) {
          const int to = XOf(edges, held.spot);
          RunUnix("xdotool" + (c.jumps ? MoveTo(tavrel, to) : MovesFromTo(tavrel, last_x, to)));
          last_x = to;
        }
        EXPECT_TRUE(AwaitState(tavrel, version.character, {c.pattern, held.selection}))
            << where << ": held on the " << Shown(held.spot) << ", " << Shown(StateOf(tavrel, version.character))
            << ", not " << Shown(held.selection);
      }
      ASSERT_TRUE(ReleaseWithSteps(tavrel, "")) << where << ": the release never came";
      EXPECT_TRUE(StateOf(tavrel, version.character) == (BoxState{c.pattern, c.released}))
          << where << ": released, " << Shown(StateOf(tavrel, version.character)) << ", not "
          << Shown(c.released);
      RunUnix("xdotool key z");
      const InCharacters typed{CharacterOfUnit(c.after_z, static_cast<DWORD>(c.after_z.find(L'z')) + 1),
                               CharacterOfUnit(c.after_z, static_cast<DWORD>(c.after_z.find(L'z')) + 1)};
      EXPECT_TRUE(AwaitState(tavrel, version.character, {c.after_z, typed}))
          << where << ", released, then z: " << Shown(StateOf(tavrel, version.character)) << ", not "
          << Shown(c.after_z);
    }
  }
}

// Ctrl+BackSpace, Ctrl+H and Ctrl+Shift+BackSpace just after a character do
// what they do after 文, whose box knows no pairs.
TEST(TavrelEditing, ControlBackspaceJustAfterAPairDoesWhatItDoesAfterAOneUnitCharacter) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  struct Case {
    const char* keys;
    std::wstring after_x;  // "a@", End, the keys, then x
  };
  const Case cases[] = {
      {"ctrl+BackSpace", L"a@x"},
      {"ctrl+h", L"a@x"},
      {"ctrl+shift+BackSpace", L"a@x"},
  };
  for (const Case& c : cases) {
    for (const Version& version : kVersions) {
      FocusText1(tavrel);
      const std::wstring text = Made(L"a@", version.character);
      tavrel.SetText1(text);
      RunUnix(std::string("xdotool key --delay 20 End ") + c.keys + " x");
      const InCharacters after{static_cast<int>(c.after_x.size()), static_cast<int>(c.after_x.size())};
      EXPECT_TRUE(AwaitState(tavrel, version.character, {c.after_x, after}))
          << "End, " << c.keys << ", x in " << Shown(text) << " (" << version.name << "): "
          << Shown(StateOf(tavrel, version.character)) << ", not " << Shown(c.after_x);
    }
  }
}

// A half of a pair alone on the clipboard is left out of whatever pastes into
// Text1, and the rest goes in: by the keys, the box's context menu, the
// middle button and the message.
TEST(TavrelEditing, ALoneHalfOnTheClipboardIsNeverPastedIntoText1) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  enum class Way { ControlV, ShiftInsert, MenuKey, MiddleButton, ReplaceSelection, PasteMessage };
  struct WayCase {
    const char* name;
    Way way;
  };
  const WayCase ways[] = {
      {"Ctrl+V", Way::ControlV},
      {"Shift+Insert", Way::ShiftInsert},
      {"the context menu's Paste, chosen with its key", Way::MenuKey},
      {"a middle click", Way::MiddleButton},
      {"EM_REPLACESEL", Way::ReplaceSelection},
      {"WM_PASTE", Way::PasteMessage},
  };
  struct Case {
    const char* name;
    std::wstring pattern;
    int caret;  // in characters
    std::wstring pasted;
    std::wstring after;
  };
  const std::wstring high(1, wchar_t(0xD840)), low(1, wchar_t(0xDC00));
  const Case cases[] = {
      {"a high half", L"ab", 1, high, L"ab"},
      {"a low half", L"ab", 1, low, L"ab"},
      {"a low half, straight after a character", L"a@b", 2, low, L"a@b"},
      {"x, a high half, y", L"ab", 1, L"x" + high + L"y", L"axyb"},
      {"a high half and a pair, at the limit", std::wstring(16, L'a'), 16, high + kPair, std::wstring(16, L'a') + L"@"},
  };
  for (const WayCase& way : ways) {
    for (const Case& c : cases) {
      for (const Version& version : kVersions) {
        // A text without a pair has no twin; an "@" of the result that was
        // pasted stays a pair.
        if (&version != &kVersions[0] && c.pattern.find(L'@') == std::wstring::npos) continue;
        FocusText1(tavrel);
        const std::wstring text = Made(c.pattern, version.character);
        const std::string where = std::string(way.name) + " of " + c.name + " " + Shown(c.pasted) +
                                  " with the caret at character " + std::to_string(c.caret) + " of " +
                                  Shown(text) + " (" + version.name + ")";
        tavrel.SetText1(text);
        SelectCharacters(tavrel, {c.caret, c.caret});
        PutOnClipboard(c.pasted);
        // Home after the paste: once the caret is at the start, the paste has
        // been handled.
        switch (way.way) {
          case Way::ControlV:
            RunUnix("xdotool key --delay 20 ctrl+v Home");
            break;
          case Way::ShiftInsert:
            RunUnix("xdotool key --delay 20 shift+Insert Home");
            break;
          case Way::MenuKey: {
            AwaitTheEndOfADoubleClick();
            RunUnix("xdotool" + MoveTo(tavrel, kInText1.x) + " click 3");
            ASSERT_TRUE(WaitUntil([&] { return !tavrel.ShownMenus().empty(); }, 3000))
                << where << ": no context menu";
            RunUnix("xdotool key p");
            EXPECT_TRUE(WaitUntil([&] { return tavrel.ShownMenus().empty(); }, 3000))
                << where << ": the context menu stays";
            RunUnix("xdotool key Home");
            break;
          }
          case Way::MiddleButton:
            // A second middle click soon after the first is a double click,
            // on which the box pastes nothing.
            AwaitTheEndOfADoubleClick();
            RunUnix("xdotool" + MoveTo(tavrel, kInText1.x) + " click 2 key Home");
            break;
          case Way::ReplaceSelection:
            SendMessageW(tavrel.Box(1), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.pasted.c_str()));
            RunUnix("xdotool key Home");
            break;
          case Way::PasteMessage:
            SendMessageW(tavrel.Box(1), WM_PASTE, 0, 0);
            RunUnix("xdotool key Home");
            break;
        }
        EXPECT_TRUE(AwaitState(tavrel, version.character, {c.after, {0, 0}}))
            << where << ", then Home: " << Shown(StateOf(tavrel, version.character)) << ", not "
            << Shown(c.after);
        EXPECT_FALSE(HoldsHalfCharacter(tavrel.Text(1))) << where;
      }
    }
  }
}


// The whole class of pointer steps and word-deleting keys, each on a text
// with pairs and on its twin, with the pointer at the same quarter of the
// same character: the text and the selection after each, counted in
// characters, are the same on both. The twin's 文 stands where each pair
// stands; a double click's and a word key's texts keep each pair between
// spaces, since Wine's box counts a pair as a letter of the word around it
// and 文 as a word of its own.
TEST(TavrelEditing, EveryShiftClickDragDoubleClickAndWordKeyGivesWhatItGivesOnTheTwin) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  const DWORD began = GetTickCount();
  enum class Kind { ShiftClick, ShiftDrag, DoubleClick, DoubleClickDrag, Keys };
  struct Step {
    Kind kind;
    std::wstring pattern;
    InCharacters selection;   // set before the step
    std::vector<Spot> spots;  // where the pointer presses, then where it is dragged
    std::string keys;
  };
  const std::wstring swept = L"a@b@cd";    // units with the pair: a 0, @ 1-2, b 3, @ 4-5, c 6, d 7
  const std::wstring spaced = L"ab @ c @";  // a 0, b 1, 2, @ 3-4, 5, c 6, 7, @ 8-9
  std::vector<Step> steps;
  // Consecutive presses land on different characters, so that no two make
  // a double click unasked.
  std::vector<Spot> spots;
  for (Quarter quarter : {Quarter::Left, Quarter::Right})
    for (int character = 0; character < 6; ++character) spots.push_back({character, quarter});
  const std::vector<std::vector<Spot>> drags = {{{1, Quarter::Left}, {3, Quarter::Right}},
                                                {{4, Quarter::Left}, {1, Quarter::Right}},
                                                {{0, Quarter::Right}, {4, Quarter::Right}},
                                                {{3, Quarter::Left}, {0, Quarter::Left}}};
  for (int anchor = 0; anchor <= 6; ++anchor)
    for (int caret = 0; caret <= 6; ++caret) {
      for (Spot spot : spots) steps.push_back({Kind::ShiftClick, swept, {anchor, caret}, {spot}, {}});
      for (const std::vector<Spot>& drag : drags) steps.push_back({Kind::ShiftDrag, swept, {anchor, caret}, drag, {}});
    }
  const int order[] = {0, 4, 1, 5, 2, 6, 3, 7};
  for (Quarter quarter : {Quarter::Left, Quarter::Right})
    for (int character : order) steps.push_back({Kind::DoubleClick, spaced, {0, 0}, {{character, quarter}}, {}});
  for (int character : order)
    steps.push_back({Kind::DoubleClickDrag, spaced, {0, 0},
                     {{character, Quarter::Left}, {(character + 3) % 8, character % 2 ? Quarter::Left : Quarter::Right}},
                     {}});
  for (const char* key : {"ctrl+BackSpace", "ctrl+shift+BackSpace", "ctrl+h"})
    for (int caret = 0; caret <= 6; ++caret) steps.push_back({Kind::Keys, swept, {caret, caret}, {}, key});
  for (const char* key : {"ctrl+BackSpace", "ctrl+shift+BackSpace", "ctrl+h", "ctrl+Delete", "ctrl+shift+Delete",
                          "ctrl+KP_Delete"})
    for (int caret = 0; caret <= 8; ++caret) steps.push_back({Kind::Keys, spaced, {caret, caret}, {}, key});

  const auto described = [](const Step& step) {
    std::string name;
    switch (step.kind) {
      case Kind::ShiftClick:
        name = "a Shift+click on the " + Shown(step.spots[0]);
        break;
      case Kind::ShiftDrag:
        name = "a Shift+press on the " + Shown(step.spots[0]) + " dragged to the " + Shown(step.spots[1]);
        break;
      case Kind::DoubleClick:
        name = "a double click on the " + Shown(step.spots[0]);
        break;
      case Kind::DoubleClickDrag:
        name = "a double click on the " + Shown(step.spots[0]) + " dragged to the " + Shown(step.spots[1]);
        break;
      case Kind::Keys:
        name = step.keys + ", then z";
        break;
    }
    return name + ", from " + Shown(step.selection) + " (characters)";
  };

  // Each step's results on one version: the state once the step is done, and
  // for a double click the state while its second press is held.
  struct Result {
    BoxState held, done;
    bool came = true;
  };
  std::vector<Result> results[2];
  FocusText1(tavrel);
  for (int v = 0; v < 2; ++v) {
    const Version& version = kVersions[v];
    std::wstring edges_of;
    std::vector<int> edges;
    AwaitTheEndOfADoubleClick();
    for (const Step& step : steps) {
      const std::wstring text = Made(step.pattern, version.character);
      if (edges_of != text) {
        tavrel.SetText1(text);
        edges = CharacterEdges(tavrel);
        edges_of = text;
      }
      if (tavrel.Text(1) != text) tavrel.SetText1(text);
      SelectCharacters(tavrel, step.selection);
      std::vector<int> xs;
      for (Spot spot : step.spots) xs.push_back(XOf(edges, spot));
      Result result;
      switch (step.kind) {
        case Kind::ShiftClick:
          result.came = RunUntilCopied(MoveTo(tavrel, xs[0]) + " keydown shift click 1 keyup shift");
          break;
        case Kind::ShiftDrag:
          result.came = RunUntilCopied(" keydown shift" + DragThrough(tavrel, xs) + " keyup shift");
          break;
        case Kind::DoubleClick:
        case Kind::DoubleClickDrag: {
          result.came = DoubleClickAndHold(tavrel, xs[0]);
          result.held = StateOf(tavrel, version.character);
          const std::string moves = step.kind == Kind::DoubleClickDrag ? MovesFromTo(tavrel, xs[0], xs[1]) : "";
          result.came = ReleaseWithSteps(tavrel, moves) && result.came;
          break;
        }
        case Kind::Keys:
          result.came = PressThenSentinel(tavrel, step.keys).sentinel_came;
          break;
      }
      result.done = StateOf(tavrel, version.character);
      results[v].push_back(result);
    }
  }
  int differences = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    const Result &pair = results[0][i], &twin = results[1][i];
    const std::string where = described(step) + ", in " + Shown(step.pattern) + " (@: the pair, or 文)";
    EXPECT_TRUE(pair.came) << where << ": the step's effect never came with the pair";
    EXPECT_TRUE(twin.came) << where << ": the step's effect never came with the twin";
    const bool held_differs = (step.kind == Kind::DoubleClick || step.kind == Kind::DoubleClickDrag) &&
                              !(pair.held == twin.held);
    if (held_differs) {
      ++differences;
      ADD_FAILURE() << where << ", held: with the pair " << Shown(pair.held) << "; with the twin "
                    << Shown(twin.held);
    }
    if (!(pair.done == twin.done)) {
      ++differences;
      ADD_FAILURE() << where << ": with the pair " << Shown(pair.done) << "; with the twin " << Shown(twin.done);
    }
  }
  const DWORD took = GetTickCount() - began;
  RecordProperty("steps", static_cast<int>(steps.size()));
  RecordProperty("milliseconds", static_cast<int>(took));
  std::printf("the twin sweep: %zu steps on each text, %d differences, %lu ms\n", steps.size(), differences,
              static_cast<unsigned long>(took));
}

}  // namespace
}  // namespace tavrel::form::testing
