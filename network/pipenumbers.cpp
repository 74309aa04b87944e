#include "pipenumbers.h"

#include "profilereach.h"

#include "calcerror.h"
#include "numbercheck.h"
#include "numberreading.h"
#include "rowcheck.h"

#include <algorithm>

namespace fluvara {

namespace {

constexpr double DesignTolerance = 0.001;  // l/s, where the design search stops

std::optional<double> Checked(const std::string& text, const TFieldRule& rule)
{
    const TRunNumber number = ListReading(text);
    if (RunNumberError(number, rule))
        return std::nullopt;
    return number.number.value;
}

}  // namespace

std::optional<TPipeNumbers> TPipeNumbers::Read(const TNetworkReachInput& in, const std::string& slope,
                                               const TReachOptions& options)
{
    // An egg or a box goes through its reach in every pass.
    if (ParseReachProfile(in.profile) != TReachProfile::Circle)
        return std::nullopt;
    TPipeNumbers p;
    p.options_ = &options;
    const auto& pipe = VerificationFieldRules();  // d, kb, Is
    const auto kb = Checked(in.kb, pipe[1]);
    const auto Is = Checked(slope, pipe[2]);
    const auto use09 = ParseYesNo(in.use09, true);
    if (!kb || !Is || !use09)
        return std::nullopt;
    p.kb_ = *kb;
    p.Is_ = *Is;
    p.use09_ = *use09;
    if (!TrimBlanks(in.hdPermitted).empty()) {
        const auto hd = Checked(in.hdPermitted, DesignFieldRules()[1]);
        if (!hd)
            return std::nullopt;
        p.hd_ = *hd;
    }
    if (!TrimBlanks(in.d).empty()) {
        const auto d = Checked(in.d, pipe[0]);
        if (!d)
            return std::nullopt;
        p.d_ = *d;
    }
    return p;
}

// The nominal size the circular reach picks, without its search where the
// capacities tell: the search stops within its tolerance of the discharge
// and the capacity grows with the diameter, so the searched diameter lies
// above a size that carries clearly less and below one that carries
// clearly more. The last size is tried first; near a tie the search runs.
std::optional<int> TPipeNumbers::DesignSize(double Q)
{
    const double Qbem = use09_ ? Q * (1.0 / 0.9) : Q;
    const double margin = DesignTolerance + 1e-9 * Qbem;
    const TNominalSeries& series = options_->series;
    const auto first =
        std::find_if(series.begin(), series.end(), [&](int size) { return size >= options_->smallestSize; });
    const auto carries = [&](auto size) { return CircleDesignCapacity(*size, hd_, kb_, Is_) > Qbem + margin; };
    const auto falls = [&](auto size) { return CircleDesignCapacity(*size, hd_, kb_, Is_) < Qbem - margin; };
    const auto fits = [&](auto size) { return carries(size) && (size == first || falls(size - 1)); };
    if (lastSize_) {
        const auto at = std::find(first, series.end(), *lastSize_);
        if (at != series.end() && fits(at))
            return lastSize_;
    }
    // The smallest size that carries clearly more, by halving.
    auto low = first;
    auto high = series.end();
    while (low < high) {
        const auto middle = low + (high - low) / 2;
        if (carries(middle))
            high = middle;
        else
            low = middle + 1;
    }
    if (low != series.end() && fits(low))
        lastSize_ = *low;
    else
        lastSize_ = NominalSize(series, CircleDesign(Q, hd_, kb_, Is_, use09_).D, options_->smallestSize);
    return lastSize_;
}

const TCircleFullFlow& TPipeNumbers::FullFlow(double d)
{
    if (!full_ || full_->dc != d)
        full_ = CircleFullFlow(d, kb_, Is_, false);
    return *full_;
}

std::optional<TPipeNumbers::TPipe> TPipeNumbers::At(double Q)
{
    try {
        const bool flowing = Q >= SmallestDischarge;
        if (flowing && hd_ > 0 && Q > DesignFieldRules()[0].upper)
            return std::nullopt;
        std::optional<int> size;
        if (d_ == 0)
            size = flowing ? DesignSize(Q) : NominalSize(options_->series, 0, options_->smallestSize);
        if (d_ == 0 && !size)
            return std::nullopt;
        const double d = d_ > 0 ? d_ : *size;
        const TCircleFullFlow& full = FullFlow(d);
        if (!flowing || Q > full.Qv)
            return TPipe{d, full.vv};
        return TPipe{d, CirclePartialFlow(full.dc, full.Qv, full.vv, Q).vt};
    } catch (const CalculationError&) {
        return std::nullopt;
    }
}

}  // namespace fluvara
