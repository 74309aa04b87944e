#include "ClassicNumbers.h"

#include <clocale>

namespace fluvara {

void KeepClassicNumbers() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace fluvara
