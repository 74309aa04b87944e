#include "networkbatch.h"

#include "listlayout.h"

namespace fluvara {

TNetworkOptions NetworkOptionsOf(const TCommand& command, const TNetworkSettings& saved, const TReachOptions& reach)
{
    TNetworkOptions options;
    static_cast<TNetworkSettings&>(options) = saved;
    options.reach = reach;
    if (command.rain)
        options.rain = *command.rain;
    options.t0 = command.t0.value_or(options.t0);
    options.tauLimit = command.tauLimit.value_or(options.tauLimit);
    options.coverLimit = command.coverLimit.value_or(options.coverLimit);
    if (!options.rain.reinhold && options.rain.table.empty())
        throw TInputError("Für ein Netz fehlt der Bemessungsregen: --regen TABELLE oder --r15 R und --n N angeben");
    if (std::string error = NetworkOptionsError(options); !error.empty())
        throw TInputError(error);
    return options;
}

std::function<void(const TListLayout&, const TPackedTexts&, TPackedOutcomes&)> NetworkStep(const TCommand& command,
                                                                                           const TReachOptions& reach)
{
    return [&command, reach](const TListLayout& layout, const TPackedTexts& rows, TPackedOutcomes& outcomes) {
        CalculateNetwork(layout, rows, outcomes, NetworkOptionsOf(command, TNetworkSettings{}, reach));
    };
}

}  // namespace fluvara
