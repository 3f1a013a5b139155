// Vesktal's own texts: what the system's calls read from them.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "activator/text.h"

namespace vesktal::testing {
namespace {

TEST(VesktalText, JoinedHoldsThePartsInOrderAndEndsWithANull) {
  const Text text = Joined({u"C:\\中文", u"", u"\\Vesktal.ime"});
  EXPECT_EQ(text.view(), u"C:\\中文\\Vesktal.ime");
  EXPECT_EQ(text.c_str()[text.size()], u'\0');
  EXPECT_EQ(Joined({}).view(), u"");
  EXPECT_EQ(*Joined({}).c_str(), u'\0');
}

TEST(VesktalText, ATextMovedFromIsEmptyAndStillEndsWithANull) {
  CodePageText bytes(3, 'x');
  const CodePageText taken = std::move(bytes);
  EXPECT_EQ(taken.view(), "xxx");
  EXPECT_EQ(taken.c_str()[3], '\0');
  EXPECT_EQ(bytes.size(), 0u);  // NOLINT(bugprone-use-after-move): what a moved-from text is
  EXPECT_EQ(std::string_view(bytes.c_str()), "");
}

}  // namespace
}  // namespace vesktal::testing
