#include "listrun.h"

#include "csvreader.h"
#include "listlayout.h"
#include "reachlist.h"
#include "workpool.h"

#include <algorithm>
#include <stdexcept>

namespace fluvara {

namespace {

void WriteAll(std::FILE* out, std::string_view text)
{
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), out) != text.size())
        throw std::runtime_error("Die Ausgabe kann nicht geschrieben werden");
}

// What a row holds while its batch is under way: its cells, their copy in
// the CSV line and the outcome with its result texts.
std::size_t HeldBytes(const std::vector<std::string>& row)
{
    constexpr std::size_t OutcomeBytes = 512;
    std::size_t bytes = sizeof row + OutcomeBytes;
    for (const std::string& cell : row)
        bytes += sizeof cell + 2 * cell.size();
    return bytes;
}

// Reads rows up to the batch's bounds; false when the input has ended and
// the batch is empty.
bool ReadBatch(TCsvReader& reader, const TListLayout& layout, const TRunOptions& options, TListBatch& batch)
{
    const std::size_t rows = std::max<std::size_t>(options.batchRows, 1);
    batch.rows.clear();
    std::size_t held = 0;
    TCsvRecord record;
    // A row wider than the byte bound still makes a batch of its own.
    while ((batch.rows.empty() || (batch.rows.size() < rows && held < options.batchBytes)) && reader.Next(record)) {
        if (BlankRow(record.fields))
            continue;
        batch.rows.push_back(KeptColumns(layout, std::move(record.fields), record.line));
        held += HeldBytes(batch.rows.back());
    }
    return !batch.rows.empty();
}

void CalculateRows(TListBatch& batch, const TListLayout& layout, const TRunOptions& options, const TListSink& sink,
                   std::size_t begin, std::size_t end)
{
    for (std::size_t i = begin; i < end; ++i) {
        batch.outcomes[i] = CalculateReach(layout.kind, FieldsOfRow(layout, batch.rows[i]), options.reach);
        if (sink.csvText)
            AppendCsvResultRow(batch.text[i], batch.rows[i], batch.outcomes[i], layout.kind, *sink.csvText);
    }
}

void PrepareBatch(TListBatch& batch, const TListSink& sink)
{
    const std::size_t n = batch.rows.size();
    batch.outcomes.assign(n, TReachOutcome{});
    batch.text.assign(sink.csvText ? n : 0, std::string());
}

void WriteBatch(const TListBatch& batch, const TListSink& sink, const TRunOptions& options, TRunSummary& summary)
{
    sink.write(batch);
    for (const TReachOutcome& outcome : batch.outcomes)
        ++(outcome.refused ? summary.refused : summary.calculated);
    if (options.progress)
        options.progress(summary.calculated + summary.refused);
}

}  // namespace

TRunSummary RunList(std::istream& in, const TRunOptions& options, const TListSink& sink)
{
    TCsvReader reader(in);
    TCsvRecord header;
    if (!reader.Next(header))
        throw TInputError("Die Datei ist leer: es fehlt die Kopfzeile");
    const TListLayout layout = ReadHeader(header.fields, header.line);
    TRunSummary summary;
    summary.kind = layout.kind;
    summary.warnings = layout.warnings;
    sink.begin(layout);

    const unsigned threads = ThreadCount(options.threads);
    TListBatch current, next;
    bool more = ReadBatch(reader, layout, options, current);
    if (threads == 1) {
        while (more) {
            PrepareBatch(current, sink);
            CalculateRows(current, layout, options, sink, 0, current.rows.size());
            WriteBatch(current, sink, options, summary);
            more = ReadBatch(reader, layout, options, current);
        }
        return summary;
    }
    // The pool calculates one batch while this thread reads the next; the
    // pool is declared after the batches, so an exception waits for it before
    // they go.
    TWorkPool pool(threads);
    while (more) {
        PrepareBatch(current, sink);
        pool.Start(current.rows.size(), [&](std::size_t begin, std::size_t end) {
            CalculateRows(current, layout, options, sink, begin, end);
        });
        const bool nextMore = ReadBatch(reader, layout, options, next);
        pool.Wait();
        WriteBatch(current, sink, options, summary);
        std::swap(current, next);
        more = nextMore;
    }
    return summary;
}

TRunSummary RunCsvList(std::istream& in, std::FILE* out, const TRunOptions& options)
{
    TListSink sink;
    sink.csvText = &options.style;
    sink.begin = [&](const TListLayout& layout) {
        std::string head(Utf8ByteOrderMark);
        AppendCsvRecord(head, OutputHeader(layout), options.style);
        WriteAll(out, head);
    };
    sink.write = [&](const TListBatch& batch) {
        std::string buffer;
        for (const std::string& line : batch.text) {
            buffer += line;
            if (buffer.size() > (1 << 16)) {
                WriteAll(out, buffer);
                buffer.clear();
            }
        }
        WriteAll(out, buffer);
    };
    return RunList(in, options, sink);
}

}  // namespace fluvara
