#include "projectwriter.h"

#include "encoding.h"
#include "projectreader.h"
#include "textformat.h"

#include <nlohmann/json.hpp>

namespace fluvara {

namespace {

constexpr std::size_t FlushBytes = std::size_t{1} << 16;

// Nothing to escape: no control character, quote or backslash, and UTF-8 throughout.
bool Plain(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\')
            return false;
    return IsValidUtf8(text);
}

void AppendTexts(std::string& out, std::span<const std::string> texts)
{
    out += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendJsonString(out, texts[i]);
    }
    out += ']';
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text)
{
    if (Plain(text)) {
        out += '"';
        out += text;
        out += '"';
        return;
    }
    out += nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

TProjectWriter::TProjectWriter(TOutput output, int version) : output_(std::move(output))
{
    buffer_ = "{\n\t\"format\": ";
    AppendJsonString(buffer_, ProjectFormatName);
    buffer_ += Fmt(",\n\t\"version\": %d", version);
}

bool TProjectWriter::SetVersion(int version)
{
    const std::string_view key = "\"version\": ";
    const std::size_t at = buffer_.find(key);
    if (handedOn_ || at == std::string::npos)
        return false;
    const std::size_t end = buffer_.find_first_not_of("0123456789", at + key.size());
    buffer_.replace(at + key.size(), end - at - key.size(), std::to_string(version));
    return true;
}

void TProjectWriter::Key(std::string_view key)
{
    buffer_ += ",\n\t";
    AppendJsonString(buffer_, key);
    buffer_ += ": ";
}

void TProjectWriter::BeginList(std::string_view key, const std::vector<std::string>& columns)
{
    Key(key);
    buffer_ += "{\n\t\t\"spalten\": ";
    AppendTexts(buffer_, columns);
    buffer_ += ",\n\t\t\"zeilen\": [";
    rows_ = 0;
}

void TProjectWriter::Row(std::span<const std::string> row)
{
    buffer_ += rows_++ == 0 ? "\n\t\t\t" : ",\n\t\t\t";
    AppendTexts(buffer_, row);
    Flush(false);
}

void TProjectWriter::EndList() { buffer_ += rows_ == 0 ? "]\n\t}" : "\n\t\t]\n\t}"; }

void TProjectWriter::Value(std::string_view key, std::string_view json)
{
    Key(key);
    buffer_ += json;
}

void TProjectWriter::Finish()
{
    buffer_ += "\n}\n";
    Flush(true);
}

void TProjectWriter::Flush(bool always)
{
    if (buffer_.empty() || (!always && buffer_.size() < FlushBytes))
        return;
    output_(buffer_);
    buffer_.clear();
    handedOn_ = true;
}

}  // namespace fluvara
