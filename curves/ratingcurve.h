#pragma once
// Rating curve of a trapezoidal channel: normal depth h and critical depth
// hgr over the discharge, from 0 to the bankfull discharge (normal depth at
// the profile height), each point found by the channel page's own searches.

#include "channel.h"

#include <optional>
#include <vector>

namespace fluvara {

struct TRatingPoint {
    double Q = 0;  // l/s
    // cm; empty where the search refuses a depth beyond its bound
    std::optional<double> h;
    std::optional<double> hgr;
};

// The discharge whose normal depth is the profile height hp, from the
// Manning-Strickler law at hp (l/s). Throws CalculationError when not finite.
double BankfullDischarge(const TChannelInput& input);

// Normal and critical depth of the channel of input at the discharge Q (l/s),
// bit for bit as CalculateChannel finds them. The empty channel at Q 0.
TRatingPoint RatingPointAt(const TChannelInput& input, double Q);

struct TRatingCurve {
    double Qbankfull = 0;  // l/s
    double hp = 0;         // cm
    // By rising Q from 0 to the larger of Qbankfull and input.Q; both are
    // points of their own, as is input.Q, so the curve passes through the
    // page's result. Denser towards Q 0, where the depths bend most.
    std::vector<TRatingPoint> points;
};

// intervals steps of the discharge. Throws CalculationError when the
// bankfull discharge is not finite.
TRatingCurve RatingCurve(const TChannelInput& input, int intervals);

}  // namespace fluvara
