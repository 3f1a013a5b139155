#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {

const SmallTable& SmallReadingTable() {
  static const SmallTable table({{u"a ha he ke", u"呵"}, {u"hang heng xing", u"行"}, {u"hao", u"好"}, {u"zhong", u"中"}},
                                4);
  return table;
}

const SmallTable& SmallCodeTable() {
  static const SmallTable table({{u"nt", u"好"}, {u"oi", u"中"}, {u"oj", u"呵"}, {u"oo", u"〇"}, {u"rj", u"行"}}, 5);
  return table;
}

}  // namespace tavrel::testing
