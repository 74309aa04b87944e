#include "rowstore.h"

#include <cstring>

namespace fluvara {

namespace {

void AppendText(std::string& out, std::string_view text)
{
    const auto length = static_cast<std::uint32_t>(text.size());
    char prefix[sizeof length];
    std::memcpy(prefix, &length, sizeof length);
    out.append(prefix, sizeof length);
    out.append(text);
}

// The texts of one packed row, each after its length.
std::vector<std::string> Unpack(std::string_view packed)
{
    std::vector<std::string> texts;
    std::size_t at = 0;
    while (at + sizeof(std::uint32_t) <= packed.size()) {
        std::uint32_t length = 0;
        std::memcpy(&length, packed.data() + at, sizeof length);
        at += sizeof length;
        texts.emplace_back(packed.substr(at, length));
        at += length;
    }
    return texts;
}

}  // namespace

void TPackedTexts::Add(std::span<const std::string> texts)
{
    start_.push_back(bytes_.size());
    for (const std::string& text : texts)
        AppendText(bytes_, text);
}

std::vector<std::string> TPackedTexts::At(std::size_t index) const
{
    const std::size_t begin = start_.at(index);
    const std::size_t end = index + 1 < start_.size() ? start_[index + 1] : bytes_.size();
    return Unpack(std::string_view(bytes_).substr(begin, end - begin));
}

void TPackedOutcomes::Set(std::size_t row, const TReachOutcome& outcome)
{
    std::string packed;
    AppendText(packed, outcome.status);
    for (const std::string& result : outcome.results)
        AppendText(packed, result);
    packed.shrink_to_fit();
    texts_.at(row) = std::move(packed);
    refused_[row] = outcome.refused;
}

TReachOutcome TPackedOutcomes::At(std::size_t row) const
{
    TReachOutcome outcome;
    std::vector<std::string> texts = Unpack(texts_.at(row));
    if (!texts.empty()) {
        outcome.status = std::move(texts.front());
        outcome.results.assign(std::make_move_iterator(texts.begin() + 1), std::make_move_iterator(texts.end()));
    }
    outcome.refused = refused_[row];
    if (outcome.refused)
        outcome.errors.push_back({-1, outcome.status});
    return outcome;
}

}  // namespace fluvara
