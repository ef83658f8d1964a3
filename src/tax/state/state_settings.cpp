#include "tax/state/state_settings.h"

namespace corvanta {

const std::array<BracketLine, kTableLines>& NewYorkDefaults::table() {
    static const std::array<BracketLine, kTableLines> lines{{
        {0, 0, 0.04f},
        {308, 12.31f, 0.045f},
        {423, 17.5f, 0.0525f},
        {500, 21.54f, 0.059f},
        {769, 37.42f, 0.0685f},
        {3462, 221.85f, 0.0764f},
        {3846, 251.23f, 0.0814f},
        {5769, 407.85f, 0.0735f},
        {kUnusedMinRange, 0, 0},
        {kUnusedMinRange, 0, 0},
    }};
    return lines;
}

const std::array<float, kTableLines>& NewYorkDefaults::singleAllowance() {
    static const std::array<float, kTableLines> values{268.3f, 306.8f, 345.3f, 383.8f, 422.3f,
                                                       460.8f, 499.3f, 537.8f, 576.3f, 614.8f};
    return values;
}

const std::array<float, kTableLines>& NewYorkDefaults::marriedAllowance() {
    static const std::array<float, kTableLines> values{287.5f, 326,    364.5f, 403,    441.5f,
                                                       480,    518.5f, 557,    595.5f, 634};
    return values;
}

}  // namespace corvanta
