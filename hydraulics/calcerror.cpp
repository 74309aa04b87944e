#include "calcerror.h"

#include <cmath>

namespace fluvara {

void RequireFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            throw CalculationError(NotFiniteMessage);
}

}  // namespace fluvara
