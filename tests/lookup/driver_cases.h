// The driver's cases. The small stand-in tables hold rows of the real ones, so
// every case gives the same lines with either, under code page 936 and under
// UTF-8 alike.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavrel::testing {

struct DriverCase {
  const char* name;
  std::u16string input;
  std::u16string code_line;
  std::u16string reading_line;
  std::vector<std::u16string> no_code_messages;
};

// Names the case in test output instead of dumping its bytes.
inline void PrintTo(const DriverCase& c, std::ostream* out) { *out << c.name; }

inline std::vector<DriverCase> DriverCases() {
  const std::u16string no_code_comma = u"无法给 ， 编码";
  return {
      {"spaces_at_both_ends_plain_run_and_words", u"  中行ab好 ", u"oi rj abnt",
       u"zhong hang(heng xing) ab hao", {}},
      {"no_code_between_codes_leaves_two_spaces", u"中，好", u"oi  nt", u"zhong ， hao", {no_code_comma}},
      {"two_no_codes_in_a_row", u"中，，好", u"oi   nt", u"zhong ， ， hao",
       {no_code_comma, no_code_comma}},
      {"plain_only", u"ab c", u"ab c", u"ab c", {}},
      {"plain_then_looked_up", u"ab中", u"aboi", u"ab zhong", {}},
      {"looked_up_then_plain", u"中ab", u"oi ab", u"zhong ab", {}},
      {"plain_on_both_sides", u"a中b", u"aoi b", u"a zhong b", {}},
      {"inner_space_is_plain", u"中 行", u"oi  rj", u"zhong   hang(heng xing)", {}},
      {"four_words", u"呵", u"oj", u"a(ha he ke)", {}},
      {"same_character_twice", u"行行", u"rj rj", u"hang(heng xing) hang(heng xing)", {}},
      {"code_without_reading_shows_itself", u"〇", u"oo", u"〇", {}},
      {"empty", u"", u"", u"", {}},
      {"spaces_only", u"   ", u"", u"", {}},
      {"ideographic_space_is_looked_up", u"中\u3000好", u"oi  nt", u"zhong \u3000 hao",
       {u"无法给 \u3000 编码"}},
      {"ideographic_space_at_the_ends_is_not_trimmed", u"\u3000中\u3000", u"oi", u"\u3000 zhong \u3000",
       {u"无法给 \u3000 编码", u"无法给 \u3000 编码"}},
      {"no_code_at_the_start_leaves_no_trace_in_codes", u"，中", u"oi", u"， zhong", {no_code_comma}},
      {"messages_come_in_input_order", u"，中ａ", u"oi", u"， zhong ａ", {no_code_comma, u"无法给 ａ 编码"}},
      {"tab_is_plain_and_never_trimmed", u"\t中\t好\t", u"\toi \tnt \t", u"\t zhong \t hao \t", {}},
      {"full_width_letter_is_looked_up", u"ａ", u"", u"ａ", {u"无法给 ａ 编码"}},
      {"latin_letter_beyond_ascii_is_looked_up", u"aé", u"a", u"a é", {u"无法给 é 编码"}},
      // The halves of a pair, and lone halves, are "?" on every code page.
      {"surrogate_pair_passes_through", u"中\U00020000好", u"oi \U00020000nt",
       u"zhong \U00020000 hao", {}},
      {"surrogate_pairs_among_plain_text", u" \U0001F600a\U00020000 ", u"\U0001F600a\U00020000",
       u"\U0001F600a\U00020000", {}},
      {"lone_surrogate_halves_pass_through", std::u16string{u'中', char16_t{0xDC00}, u'好', char16_t{0xD840}},
       std::u16string{u'o', u'i', u' ', char16_t{0xDC00}, u'n', u't', u' ', char16_t{0xD840}},
       std::u16string(u"zhong ") + char16_t{0xDC00} + u" hao " + char16_t{0xD840}, {}},
      // One input typed a character at a time: each prefix gives the lines
      // the walk has built so far, trimmed.
      {"typed_1", u"中", u"oi", u"zhong", {}},
      {"typed_2", u"中行", u"oi rj", u"zhong hang(heng xing)", {}},
      {"typed_3", u"中行a", u"oi rj a", u"zhong hang(heng xing) a", {}},
      {"typed_4", u"中行ab", u"oi rj ab", u"zhong hang(heng xing) ab", {}},
      {"typed_5", u"中行ab好", u"oi rj abnt", u"zhong hang(heng xing) ab hao", {}},
  };
}

}  // namespace tavrel::testing
