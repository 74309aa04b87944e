#include "SpreadsheetText.h"

#include "csvwriter.h"

#include <algorithm>

namespace fluvara {

TCellBlock ParseSpreadsheetText(std::string_view text)
{
    TCellBlock block;
    std::vector<std::string> row;
    std::string cell;
    std::size_t i = 0;
    bool cellStarted = false;
    const auto endRow = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        block.push_back(std::move(row));
        row.clear();
        cellStarted = false;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && !cellStarted && cell.empty()) {
            // A quoted cell runs to the quote that is not doubled.
            std::size_t j = i + 1;
            std::string quoted;
            bool closed = false;
            while (j < text.size()) {
                if (text[j] == '"') {
                    if (j + 1 < text.size() && text[j + 1] == '"') {
                        quoted += '"';
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                quoted += text[j++];
            }
            if (closed && (j == text.size() || text[j] == '\t' || text[j] == '\r' || text[j] == '\n')) {
                cell = std::move(quoted);
                cellStarted = true;
                i = j;
                continue;
            }
            // Not a quoted cell after all: the quote is a letter of the text.
        }
        if (c == '\t') {
            row.push_back(std::move(cell));
            cell.clear();
            cellStarted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            cell += c;
            cellStarted = true;
        }
        ++i;
    }
    if (cellStarted || !row.empty())
        endRow();
    std::size_t width = 0;
    for (const auto& r : block)
        width = std::max(width, r.size());
    for (auto& r : block)
        r.resize(width);
    return block;
}

std::string SpreadsheetText(const TCellBlock& block)
{
    // The quoting is that of CSV with tabs between the cells.
    constexpr TCsvStyle Tabs{'\t', false};
    std::string out;
    for (const auto& row : block) {
        for (std::size_t i = 0; i < row.size(); ++i)
            AppendCsvField(out, row[i], Tabs, i == 0);
        out += '\n';
    }
    return out;
}

std::string WithDecimalComma(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string NoteWithDecimalMark(std::string text, bool comma)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if ((text[i] == '.' || text[i] == ',') && digit(text[i - 1]) && digit(text[i + 1]))
            text[i] = comma ? ',' : '.';
    return text;
}

TCellBlock RepeatedOver(const TCellBlock& block, std::size_t rows, std::size_t columns)
{
    if (block.empty() || block.front().empty())
        return block;
    const std::size_t height = block.size();
    const std::size_t width = block.front().size();  // rows are padded to one width
    if (rows % height != 0 || columns % width != 0 || (rows == height && columns == width))
        return block;
    TCellBlock repeated(rows, std::vector<std::string>(columns));
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            repeated[r][c] = block[r % height][c % width];
    return repeated;
}

}  // namespace fluvara
