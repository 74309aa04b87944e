#include "listrun.h"

#include "csvreader.h"
#include "listlayout.h"
#include "reachlist.h"

#include <future>
#include <stdexcept>

namespace fluvara {

namespace {

struct TBatch {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> text;  // the CSV line of each row
    std::vector<char> refused;
};

void WriteAll(std::FILE* out, std::string_view text)
{
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), out) != text.size())
        throw std::runtime_error("Die Ausgabe kann nicht geschrieben werden");
}

// Reads up to count rows; false when the input has ended and the batch is empty.
bool ReadBatch(TCsvReader& reader, const TListLayout& layout, std::size_t count, TBatch& batch)
{
    batch.rows.clear();
    TCsvRecord record;
    while (batch.rows.size() < count && reader.Next(record)) {
        if (BlankRow(record.fields))
            continue;
        batch.rows.push_back(KeptColumns(layout, std::move(record.fields), record.line));
    }
    return !batch.rows.empty();
}

void CalculateBatch(TBatch& batch, const TListLayout& layout, const TRunOptions& options, unsigned threads)
{
    const std::size_t n = batch.rows.size();
    batch.text.assign(n, std::string());
    batch.refused.assign(n, 0);
    ParallelSlices(n, threads, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const TReachOutcome outcome =
                CalculateReach(layout.kind, FieldsOfRow(layout, batch.rows[i]), options.reach);
            AppendCsvResultRow(batch.text[i], batch.rows[i], outcome, layout.kind, options.style);
            batch.refused[i] = outcome.refused ? 1 : 0;
        }
    });
}

void WriteBatch(std::FILE* out, const TBatch& batch, TRunSummary& summary)
{
    std::string buffer;
    for (std::size_t i = 0; i < batch.text.size(); ++i) {
        buffer += batch.text[i];
        ++(batch.refused[i] ? summary.refused : summary.calculated);
        if (buffer.size() > (1 << 16)) {
            WriteAll(out, buffer);
            buffer.clear();
        }
    }
    WriteAll(out, buffer);
}

} // namespace

TRunSummary RunCsvList(std::istream& in, std::FILE* out, const TRunOptions& options)
{
    TCsvReader reader(in);
    TCsvRecord header;
    if (!reader.Next(header))
        throw TInputError("Die Datei ist leer: es fehlt die Kopfzeile");
    const TListLayout layout = ReadHeader(header.fields, header.line);
    TRunSummary summary;
    summary.kind = layout.kind;

    std::string head(Utf8ByteOrderMark);
    AppendCsvRecord(head, OutputHeader(layout), options.style);
    WriteAll(out, head);

    const unsigned threads = ThreadCount(options.threads);
    const std::size_t batchRows = options.batchRows > 0 ? options.batchRows : 1;
    TBatch current, next;
    bool more = ReadBatch(reader, layout, batchRows, current);
    if (threads == 1) {
        while (more) {
            CalculateBatch(current, layout, options, 1);
            WriteBatch(out, current, summary);
            if (options.progress)
                options.progress(summary.calculated + summary.refused);
            more = ReadBatch(reader, layout, batchRows, current);
        }
        return summary;
    }
    // The calculation of one batch overlaps reading the next and writing the last.
    while (more) {
        auto calculation = std::async(std::launch::async, [&] { CalculateBatch(current, layout, options, threads); });
        bool nextMore = false;
        try {
            nextMore = ReadBatch(reader, layout, batchRows, next);
        } catch (...) {
            calculation.wait();
            throw;
        }
        calculation.get();
        WriteBatch(out, current, summary);
        if (options.progress)
            options.progress(summary.calculated + summary.refused);
        std::swap(current, next);
        more = nextMore;
    }
    return summary;
}

} // namespace fluvara
