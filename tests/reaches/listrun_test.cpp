// The batch run holds a bounded amount of the list, however wide its rows.

#include "listrun.h"
#include "listlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace fluvara {
namespace {

// The bytes a batch's rows hold in memory: their strings and what they point to.
std::size_t RowBytes(const std::vector<std::string>& row)
{
    std::size_t bytes = sizeof row;
    for (const std::string& cell : row)
        bytes += sizeof cell + cell.size();
    return bytes;
}

std::string List(std::size_t rows, std::size_t extraColumns, const std::string& cell)
{
    std::string text = "Haltung;d;kb;Is;Q";
    for (std::size_t c = 0; c < extraColumns; ++c)
        text += ";B" + std::to_string(c);
    text += "\n";
    for (std::size_t r = 0; r < rows; ++r) {
        text += "H;300;1,5;5;40";
        for (std::size_t c = 0; c < extraColumns; ++c)
            text += ";" + cell;
        text += "\n";
    }
    return text;
}

TEST(ListRun, BatchesAreBoundedByBytes)
{
    struct Case {
        const char* name;
        std::size_t rows, extraColumns;
        std::string cell;
        std::size_t fullBatch;  // rows of a batch when the bytes do not bound it
    };
    const Case cases[] = {
        {"narrow rows", 9000, 1, "x", 8192},
        {"4090 one-letter cells", 300, 4090, "x", 0},
        {"a remark of 1 MiB", 20, 1, std::string(1000000, 'x'), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (unsigned threads : {1u, 2u}) {
            TRunOptions options;
            options.threads = threads;
            std::vector<std::size_t> sizes;
            std::size_t largest = 0;
            TListSink sink;
            sink.begin = [](const TListLayout&) {};
            sink.write = [&](const TListBatch& batch) {
                sizes.push_back(batch.rows.size());
                std::size_t bytes = 0;
                for (const auto& row : batch.rows)
                    bytes += RowBytes(row);
                // at most one row beyond the bound
                largest = std::max(largest, bytes - RowBytes(batch.rows.back()));
            };
            std::istringstream in(List(c.rows, c.extraColumns, c.cell));
            const TRunSummary summary = RunList(in, options, sink);
            EXPECT_EQ(summary.calculated, c.rows);
            EXPECT_LE(largest, options.batchBytes);
            if (c.fullBatch > 0)
                EXPECT_EQ(sizes.front(), c.fullBatch);
            else
                EXPECT_GT(sizes.size(), 1u);
        }
    }
}

}  // namespace
}  // namespace fluvara
