#include "tables/pinyin/reading_table.h"

#include <array>

namespace tavrel {
namespace {

// The places of the chain; a place whose slice is not built yet is skipped.
constexpr std::array<TableSlice, 36> kPlaces = {{
    {"PinyinOf_A_Bai", nullptr},        {"PinyinOf_Bai_Bi", nullptr},
    {"PinyinOf_Bi_Bo", nullptr},        {"PinyinOf_Bo_Cha", nullptr},
    {"PinyinOf_Cha_Che", nullptr},      {"PinyinOf_Che_Chi", nullptr},
    {"PinyinOf_Chi_Chua", nullptr},     {"PinyinOf_Chuai_Cu", nullptr},
    {"PinyinOf_Cu_Dan", nullptr},       {"PinyinOf_Dan_Dian", nullptr},
    {"PinyinOf_Dian_Dui", nullptr},     {"PinyinOf_Dui_Fa", nullptr},
    {"PinyinOf_Fa_Gai", nullptr},       {"PinyinOf_Gai_Gongli", nullptr},
    {"PinyinOf_Gou_Gui", nullptr},      {"PinyinOf_Gui_He", nullptr},
    {"PinyinOf_He_Hua", nullptr},       {"PinyinOf_Huai_Ji", nullptr},
    {"PinyinOf_Ji_Jiao", nullptr},      {"PinyinOf_Jiao_Ju", nullptr},
    {"PinyinOf_Ju_Ke", nullptr},        {"PinyinOf_Ke_Lai", nullptr},
    {"PinyinOf_Lai_Lin", nullptr},      {"PinyinOf_Lin_Me", nullptr},
    {"PinyinOf_Me_Na", nullptr},        {"PinyinOf_Na_Niu", nullptr},
    {"PinyinOf_Niu_Pianpang", nullptr}, {"PinyinOf_Pianpang_Qiao", nullptr},
    {"PinyinOf_Qiao_Rui", nullptr},     {"PinyinOf_Rui_She", nullptr},
    {"PinyinOf_She_Si", nullptr},       {"PinyinOf_Si_Tian", nullptr},
    {"PinyinOf_Tian_Wen", nullptr},     {"PinyinOf_Wen_Ya", nullptr},
    {"PinyinOf_Yan_Zha", nullptr},      {"PinyinOf_Zha_Zuo", nullptr},
}};

constexpr LookupChain kReadingChain{kPlaces};

}  // namespace

const LookupChain& ReadingSlices() { return kReadingChain; }

}  // namespace tavrel
