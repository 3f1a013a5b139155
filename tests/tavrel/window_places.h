// Places in Tavrel's window at 96 dots per inch, in its client pixels, where
// the tests point the mouse.
#pragma once

#include <windows.h>

namespace tavrel::form::testing {

constexpr POINT kOnBackground{150, 36};
constexpr POINT kOnLine1{150, 56};
constexpr POINT kOnLabel1{50, 72};
constexpr POINT kOnLabel3{45, 13};
constexpr POINT kOnLabel4{96, 187};
constexpr POINT kOnClose{283, 19};
constexpr POINT kOnMinimize{263, 19};
constexpr POINT kInText1{180, 73};

}  // namespace tavrel::form::testing
