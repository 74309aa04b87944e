#pragma once
// The pipe of a network reach in the passes before the last: the circular
// reach's laws on the very values it reads from its cells, without its
// texts. The last pass goes through the circular reach itself, which gives
// the texts and every message.

#include "circle.h"
#include "networkreach.h"

#include <optional>

namespace fluvara {

// Below this discharge (l/s) a pipe has no partial filling to speak of: the
// pages check Q from 1 l/s on.
inline constexpr double SmallestDischarge = 1;

class TPipeNumbers {
public:
    // Nothing when a cell fails its check: the circular reach then says why.
    static std::optional<TPipeNumbers> Read(const TNetworkReachInput& in, const std::string& slope,
                                            const TReachOptions& options);

    struct TPipe {
        double size = 0;  // mm, d as typed or the nominal size
        double v = 0;     // m/s, vt at partial flow, else vv
    };
    // Nothing where the circular reach would refuse the pipe at Q.
    std::optional<TPipe> At(double Q);

private:
    std::optional<int> DesignSize(double Q);
    const TCircleFullFlow& FullFlow(double d);

    const TReachOptions* options_ = nullptr;
    double d_ = 0;  // 0: designed
    double kb_ = 0;
    double Is_ = 0;
    double hd_ = 0;  // 0: no design
    bool use09_ = true;
    std::optional<int> lastSize_;
    std::optional<TCircleFullFlow> full_;
};

}  // namespace fluvara
