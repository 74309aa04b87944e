#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace fluvara {

// A calculation that cannot give a trustworthy number (division by zero,
// overflow, an invalid operation, a search that does not settle) throws this
// with a German message for the page's error field. The program goes on.
class CalculationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* NotFiniteMessage = "Rechenfehler: Ergebnis ist nicht endlich";

// Throws CalculationError unless every value is a finite number.
void RequireFinite(std::initializer_list<double> values);

}  // namespace fluvara
