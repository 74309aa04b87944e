#pragma once
// The inputs of one reach as a calculation page holds them: what the list
// takes from the page in front and gives to a page.

#include "reach.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fluvara {

struct TPageReach {
    TReachKind kind = TReachKind::Circle;
    std::vector<std::string> fields;  // one text per input field of the kind, in the core's order
    std::vector<int> held;            // the fields the page has (the others are empty); empty: all

    bool Holds(int field) const { return held.empty() || std::find(held.begin(), held.end(), field) != held.end(); }
};

}  // namespace fluvara
