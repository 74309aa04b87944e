#include "listrun.h"

#include "csvreader.h"
#include "listlayout.h"
#include "reachlist.h"
#include "systemerror.h"
#include "workpool.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>

namespace fluvara {

namespace {

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

}  // namespace

struct TListPipeline::TState {
    TState(const TRunOptions& o, const TListSink& s) : options(o), sink(s), threads(ThreadCount(o.threads)) { }

    bool Full() const
    {
        // A row wider than the byte bound still makes a batch of its own.
        return filling.rows.size() >= std::max<std::size_t>(options.batchRows, 1) || held >= options.batchBytes;
    }
    // The batch under way written, the filled one started (or, on one
    // thread, calculated and written at once).
    void Flush()
    {
        if (threads == 1) {
            if (filling.rows.empty())
                return;
            PrepareBatch(filling, sink);
            CalculateRows(filling, layout, options, sink, 0, filling.rows.size());
            Write(filling);
        } else {
            if (running) {
                pool->Wait();
                running = false;
                Write(working);
            }
            if (filling.rows.empty())
                return;
            std::swap(working, filling);
            PrepareBatch(working, sink);
            pool->Start(working.rows.size(), [this](std::size_t begin, std::size_t end) {
                CalculateRows(working, layout, options, sink, begin, end);
            });
            running = true;
        }
        filling.rows.clear();
        held = 0;
    }
    // A network: every row in, calculated together, then handed on in the
    // batches of any list.
    void FlushWhole()
    {
        TPackedOutcomes outcomes(whole->Size());
        options.wholeList(layout, *whole, outcomes);
        const std::size_t batchRows = std::max<std::size_t>(options.batchRows, 1);
        for (std::size_t first = 0; first < whole->Size(); first += batchRows) {
            const std::size_t end = std::min(whole->Size(), first + batchRows);
            TListBatch batch;
            batch.text.assign(sink.csvText ? end - first : 0, std::string());
            for (std::size_t i = first; i < end; ++i) {
                batch.rows.push_back(whole->At(i));
                batch.outcomes.push_back(outcomes.At(i));
                if (sink.csvText)
                    AppendCsvResultRow(batch.text[i - first], batch.rows.back(), batch.outcomes.back(), layout.kind,
                                       *sink.csvText);
            }
            Write(batch);
        }
        whole.reset();
    }
    void Write(const TListBatch& batch)
    {
        sink.write(batch);
        for (const TReachOutcome& outcome : batch.outcomes)
            ++(outcome.refused ? summary.refused : summary.calculated);
        if (options.progress)
            options.progress(summary.calculated + summary.refused);
    }

    const TRunOptions& options;
    const TListSink& sink;
    const unsigned threads;
    TListLayout layout;
    TRunSummary summary;
    TListBatch filling;  // rows being handed in
    TListBatch working;  // rows being calculated by the pool
    std::size_t held = 0;
    bool running = false;
    std::optional<TPackedTexts> whole;  // a network's rows
    // Declared after the batches, so that an exception waits for the pool before they go.
    std::optional<TWorkPool> pool;
};

TListPipeline::TListPipeline(const TRunOptions& options, const TListSink& sink)
    : state_(std::make_unique<TState>(options, sink))
{
    if (state_->threads > 1)
        state_->pool.emplace(state_->threads);
}

TListPipeline::~TListPipeline() = default;

void TListPipeline::Begin(const TListLayout& layout)
{
    state_->layout = layout;
    state_->summary = TRunSummary{};
    state_->summary.kind = layout.kind;
    state_->summary.warnings = layout.warnings;
    state_->whole.reset();
    if (layout.kind == TReachKind::Network) {
        if (!state_->options.wholeList)
            throw TInputError("Die Liste ist ein Netz (Spalten „von“ und „bis“); ein Netz wird hier nicht berechnet");
        state_->whole.emplace();
    }
    state_->sink.begin(layout);
}

void TListPipeline::Push(std::vector<std::string>&& row)
{
    TState& s = *state_;
    if (s.whole) {
        s.whole->Add(row);
        return;
    }
    s.held += HeldBytes(row);
    s.filling.rows.push_back(std::move(row));
    if (s.Full())
        s.Flush();
}

TRunSummary TListPipeline::Finish()
{
    TState& s = *state_;
    if (s.whole) {
        s.FlushWhole();
        return s.summary;
    }
    s.Flush();
    s.Flush();  // the last batch started by the first
    return s.summary;
}

TRunSummary RunList(std::istream& in, const TRunOptions& options, const TListSink& sink)
{
    TCsvReader reader(in);
    TCsvRecord record;
    if (!reader.Next(record))
        throw TInputError("Die Datei ist leer: es fehlt die Kopfzeile");
    const TListLayout layout = ReadHeader(record.fields, record.line);
    TListPipeline pipeline(options, sink);
    pipeline.Begin(layout);
    while (reader.Next(record))
        if (!BlankRow(record.fields))
            pipeline.Push(KeptColumns(layout, std::move(record.fields), record.line));
    return pipeline.Finish();
}

TListSink CsvSink(std::FILE* out, const std::string& output, const TRunOptions& options)
{
    const auto writeAll = [out, output](std::string_view text) {
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), out) != text.size())
            throw WriteFailure(output, errno);
    };
    TListSink sink;
    sink.csvText = &options.style;
    sink.begin = [writeAll, &options](const TListLayout& layout) {
        std::string head(Utf8ByteOrderMark);
        AppendCsvRecord(head, OutputHeader(layout), options.style);
        writeAll(head);
    };
    sink.write = [writeAll](const TListBatch& batch) {
        std::string buffer;
        for (const std::string& line : batch.text) {
            buffer += line;
            if (buffer.size() > (1 << 16)) {
                writeAll(buffer);
                buffer.clear();
            }
        }
        writeAll(buffer);
    };
    return sink;
}

TRunSummary RunCsvList(std::istream& in, std::FILE* out, const TRunOptions& options, const std::string& output)
{
    return RunList(in, options, CsvSink(out, output, options));
}

}  // namespace fluvara
