#pragma once
// The project file (.fluvara): JSON with a format name and a version, the
// lists with their columns and the texts as typed, the series of nominal
// sizes when it is not the standard one, and a network's rain and limits. Results are not stored: opening a
// project calculates them anew from the texts.

#include "networksettings.h"
#include "reachlist.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fluvara {

inline constexpr std::string_view ProjectFormatName = "fluvara-haltungen";
// Version 2 adds the network; a project without one is written as version
// 1, so that earlier versions of the program still open it.
inline constexpr int ProjectVersion = 2;

struct TProject {
    TReachList circle = EmptyList(TReachKind::Circle);
    TReachList channel = EmptyList(TReachKind::Channel);
    TReachList network = EmptyList(TReachKind::Network);
    TNetworkSettings networkSettings;
    std::optional<TNominalSeries> series;  // the standard series when empty

    TReachOptions Options() const;
};

// The project's list of a kind.
TReachList& ListOf(TProject& project, TReachKind kind);
const TReachList& ListOf(const TProject& project, TReachKind kind);

std::string ProjectText(const TProject& project);

// Throws TInputError saying what is wrong and where: no JSON, a cut-off
// file, another format, a newer version, a value of the wrong type, a list
// that is not the one its key names, a row of the wrong width. Nothing of a
// refused file is kept.
TProject ReadProject(std::string_view text);

// Whole or not at all (see TAtomicFile); throws std::runtime_error.
void SaveProject(const std::filesystem::path& path, const TProject& project);
// Throws TInputError, also when the file cannot be read.
TProject LoadProject(const std::filesystem::path& path);

}  // namespace fluvara
