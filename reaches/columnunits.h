#pragma once
// The units of a list's columns. Files keep the plain names ("Q"); the
// window and the report show them with their units ("Q [l/s]"), and a header
// row may give them so.

#include "reach.h"

#include <string>
#include <string_view>

namespace fluvara {

// The unit of an input or result column by its plain name; "" for a column
// without one (names, yes/no cells, the regime) or one the list does not know.
std::string_view ColumnUnit(TReachKind kind, std::string_view plainName);

// "Q [l/s]"; the name alone when it has no unit.
std::string NameWithUnit(TReachKind kind, std::string_view plainName);

// A header cell split into its name and the unit in brackets at its end:
// "Q [l/s]" gives "Q" and "l/s"; a cell without brackets has no unit.
struct TNameAndUnit {
    std::string_view name;
    std::string_view unit;
    bool hasUnit = false;
};
TNameAndUnit SplitUnit(std::string_view header);

}  // namespace fluvara
