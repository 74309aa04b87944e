#pragma once
// The project file written as a stream, list by list and row by row, one
// row a line, so that a project reads well and compares well line by line.
// The text is the same whether it goes to a file or into a string.

#include "projectreader.h"
#include "reach.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

class TProjectWriter {
public:
    // Gets the text piece by piece; may throw (a failed write, a cancel).
    using TOutput = std::function<void(std::string_view)>;

    // Begins with the format name and the version.
    explicit TProjectWriter(TOutput output, int version = ProjectVersionWithoutNetwork);

    void BeginList(std::string_view key, const std::vector<std::string>& columns);
    void Row(std::span<const std::string> row);
    void EndList();
    // Another version than the one begun with, as long as nothing has been
    // handed on yet; false otherwise.
    bool SetVersion(int version);
    // A small value of the top level, as JSON text.
    void Value(std::string_view key, std::string_view json);
    // Closes the document and hands on the rest.
    void Finish();

private:
    void Key(std::string_view key);
    void Flush(bool always);

    TOutput output_;
    std::string buffer_;
    bool handedOn_ = false;
    std::size_t rows_ = 0;  // of the list being written
};

// A text as a JSON string literal, as nlohmann-json dumps it (UTF-8 kept;
// bytes that are not UTF-8 replaced by U+FFFD).
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace fluvara
