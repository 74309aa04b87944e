#pragma once
// Line lists shared by the tests: joining expected pieces, and the result
// lines of the first channel example.

#include <initializer_list>
#include <string>
#include <vector>

namespace fluvara::test {

// The pieces one after the other.
std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts);

// All 25 result lines of the first channel example: Q 500 l/s, Is 2 o/oo,
// kst 30 everywhere, b 100 cm, hp 100 cm, both banks at 45 degrees.
const std::vector<std::string>& FirstChannelExampleLines();

}  // namespace fluvara::test
