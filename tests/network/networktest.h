#pragma once
// Lists for the network tests: a header of the network's columns and rows
// written as the user types them.

#include "network.h"
#include "reachlist.h"

#include <string>
#include <vector>

namespace fluvara::testing {

inline const std::vector<std::string> NetworkColumns{"Haltung",     "von", "bis",         "L",      "Sohle oben",
                                                     "Sohle unten", "Is",  "Deckel oben", "d",      "kb",
                                                     "AE",          "Psi", "QT",          "h/d zul"};

inline TReachList NetworkList(std::vector<std::vector<std::string>> rows,
                              std::vector<std::string> columns = NetworkColumns)
{
    return MakeList(std::move(columns), std::move(rows));
}

inline TNetworkOptions RainTableOptions()
{
    TNetworkOptions options;
    options.rain.table = {{5, 283.3}, {10, 190}, {15, 146.7}, {20, 120}, {30, 90}, {60, 55}};
    return options;
}

// A result by its column name.
inline std::string Result(const TReachOutcome& outcome, std::string_view name)
{
    const auto names = ResultNames(TReachKind::Network);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return outcome.results.at(i);
    return "(keine Spalte " + std::string(name) + ")";
}

}  // namespace fluvara::testing
