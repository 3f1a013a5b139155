#include "tables/codes/code_table.h"

#include <array>

namespace tavrel {
namespace {

// The places of the chain; a place whose slice is not built yet is skipped.
constexpr std::array<TableSlice, 9> kPlaces = {{
    {"CodeOf_AA_DB", nullptr},
    {"CodeOf_DC_GD", nullptr},
    {"CodeOf_GE_JF", nullptr},
    {"CodeOf_JG_MH", nullptr},
    {"CodeOf_MI_PJ", nullptr},
    {"CodeOf_PK_SL", nullptr},
    {"CodeOf_SM_VO", nullptr},
    {"CodeOf_VP_YQ", nullptr},
    {"CodeOf_YR_ZZ", nullptr},
}};

constexpr LookupChain kCodeChain{kPlaces};

}  // namespace

const LookupChain& CodeSlices() { return kCodeChain; }

}  // namespace tavrel
