#include "networkbatch.h"

#include "listlayout.h"

namespace fluvara {

TNetworkSettings MergedNetworkSettings(const TCommand& command, const TNetworkSettings& saved)
{
    TNetworkSettings settings = saved;
    if (command.rain)
        settings.rain = *command.rain;
    settings.t0 = command.t0.value_or(settings.t0);
    settings.tauLimit = command.tauLimit.value_or(settings.tauLimit);
    settings.coverLimit = command.coverLimit.value_or(settings.coverLimit);
    return settings;
}

TNetworkOptions NetworkOptionsOf(const TCommand& command, const TNetworkSettings& saved, const TReachOptions& reach)
{
    TNetworkOptions options;
    static_cast<TNetworkSettings&>(options) = MergedNetworkSettings(command, saved);
    options.reach = reach;
    if (!options.rain.reinhold && options.rain.table.empty())
        throw TInputError("Für ein Netz fehlt der Bemessungsregen: --regen TABELLE oder --r15 R und --n N angeben");
    if (std::string error = NetworkOptionsError(options); !error.empty())
        throw TInputError(error);
    return options;
}

std::function<void(const TListLayout&, const TPackedTexts&, TPackedOutcomes&)>
NetworkStep(const TCommand& command, const TNetworkSettings& saved, const TReachOptions& reach)
{
    return [&command, saved, reach](const TListLayout& layout, const TPackedTexts& rows, TPackedOutcomes& outcomes) {
        CalculateNetwork(layout, rows, outcomes, NetworkOptionsOf(command, saved, reach));
    };
}

}  // namespace fluvara
