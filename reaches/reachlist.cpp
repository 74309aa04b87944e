#include "reachlist.h"

#include "atomicfile.h"
#include "bytesource.h"
#include "csvreader.h"
#include "workpool.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <utility>

namespace fluvara {

TReachList EmptyList(TReachKind kind)
{
    // The columns of eggs and boxes come with a list that holds them.
    const int profile = kind == TReachKind::Circle ? int{CircleProfile}
        : kind == TReachKind::Network              ? int{NetworkProfile}
                                                   : -1;
    std::vector<std::string> columns;
    for (std::string_view name : FieldNames(kind)) {
        if (profile >= 0 && columns.size() == static_cast<std::size_t>(profile))
            break;
        columns.emplace_back(name);
    }
    return MakeList(std::move(columns), {});
}

TReachList MakeList(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows)
{
    TReachList list;
    list.layout = ReadHeader(columns);
    list.rows.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        list.rows.push_back(KeptColumns(list.layout, std::move(rows[i]), i + 2));
    return list;
}

namespace {

constexpr std::size_t ProgressRows = 8192;

// The rows of records, within a bound on the memory they hold.
TReachList BoundedListOfRecords(const std::function<bool(TCsvRecord&)>& next, TMemoryBound& bound)
{
    TCsvRecord record;
    if (!next(record))
        throw TInputError("Die Datei ist leer: es fehlt die Kopfzeile");
    TReachList list;
    list.layout = ReadHeader(record.fields, record.line);
    while (next(record)) {
        if (BlankRow(record.fields))
            continue;
        list.rows.push_back(KeptColumns(list.layout, std::move(record.fields), record.line));
        bound.Add(list.rows.back(), list.Kind());
    }
    list.rows.shrink_to_fit();
    return list;
}

TReachList ReadRows(std::istream& in, TMemoryBound& bound)
{
    TCsvReader reader(in);
    return BoundedListOfRecords([&reader](TCsvRecord& record) { return reader.Next(record); }, bound);
}

}  // namespace

TReachList ListOfRecords(const std::function<bool(TCsvRecord&)>& next)
{
    TMemoryBound none(0);
    return BoundedListOfRecords(next, none);
}

TReachList ReadCsvList(std::istream& in)
{
    TMemoryBound none(0);
    return ReadRows(in, none);
}

TReachList LoadCsvList(const std::filesystem::path& path, const TLoadOptions& options)
{
    TMemoryBound bound(options.maxHeldBytes);
    TByteSource source(path);
    bound.CheckFileSize(source.Size());
    source.SetHook([&](std::uint64_t consumed) { ReportProgress(options.progress, consumed, source.Size()); });
    std::istream in(&source);
    in.exceptions(std::ios::badbit);  // what the source throws (a cancel, a read error) reaches the caller
    TReachList list = ReadRows(in, bound);
    ReportProgress(options.progress, source.Consumed(), source.Size());
    return list;
}

TReachOutcome CalculateRow(const TReachList& list, std::size_t row, const TReachOptions& options)
{
    return CalculateReach(list.Kind(), list.Fields(row), options);
}

unsigned ThreadCount(unsigned requested)
{
    if (requested > 0)
        return requested;
    return std::max(1u, std::thread::hardware_concurrency());
}

void ParallelSlices(std::size_t count, unsigned threads, const std::function<void(std::size_t, std::size_t)>& body)
{
    const unsigned n = ThreadCount(threads);
    if (n == 1 || count <= TWorkPool::Slice) {
        body(0, count);
        return;
    }
    TWorkPool pool(n);
    pool.Start(count, body);
    pool.Wait();
}

std::vector<TReachOutcome> CalculateList(const TReachList& list, const TReachOptions& options, unsigned threads)
{
    std::vector<TReachOutcome> outcomes(list.rows.size());
    ParallelSlices(outcomes.size(), threads, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            outcomes[i] = CalculateRow(list, i, options);
    });
    return outcomes;
}

std::vector<TReachOutcome> CalculateList(const TReachList& list, const TReachOptions& options, unsigned threads,
                                         const TProgressHook& progress)
{
    const std::size_t n = list.rows.size();
    std::vector<TReachOutcome> outcomes(n);
    const unsigned count = ThreadCount(threads);
    std::optional<TWorkPool> pool;
    if (count > 1)
        pool.emplace(count);
    // A piece at a time, so that the progress is told and a cancel heard between them.
    for (std::size_t first = 0; first < n; first += ProgressRows) {
        ReportProgress(progress, first, n);
        const std::size_t last = std::min(n, first + ProgressRows);
        const auto body = [&, first](std::size_t begin, std::size_t end) {
            for (std::size_t i = first + begin; i < first + end; ++i)
                outcomes[i] = CalculateRow(list, i, options);
        };
        if (pool) {
            pool->Start(last - first, body);
            pool->Wait();
        } else {
            body(0, last - first);
        }
    }
    ReportProgress(progress, n, n);
    return outcomes;
}

namespace {

// The CSV text of a list, piece by piece.
void WriteCsv(const TReachList& list, const std::vector<TReachOutcome>& outcomes, const TCsvStyle& style,
              const std::function<void(std::string&)>& flush, const TProgressHook& progress)
{
    std::string out(Utf8ByteOrderMark);
    AppendCsvRecord(out, OutputHeader(list.layout), style);
    const std::size_t n = std::min(list.rows.size(), outcomes.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i % ProgressRows == 0) {
            ReportProgress(progress, i, n);
            flush(out);
        }
        AppendCsvResultRow(out, list.rows[i], outcomes[i], list.Kind(), style);
    }
    flush(out);
    ReportProgress(progress, n, n);
}

}  // namespace

std::string CsvText(const TReachList& list, const std::vector<TReachOutcome>& outcomes, const TCsvStyle& style)
{
    std::string text;
    WriteCsv(list, outcomes, style, [&text](std::string& piece) { text += std::exchange(piece, {}); }, {});
    return text;
}

void SaveCsvList(const std::filesystem::path& path, const TReachList& list, const std::vector<TReachOutcome>& outcomes,
                 const TCsvStyle& style, const TProgressHook& progress)
{
    TAtomicFile file(path);
    WriteCsv(
        list, outcomes, style,
        [&file](std::string& piece) {
            file.Write(piece);
            piece.clear();
        },
        progress);
    file.Commit();
}

TListCount CountOutcomes(const std::vector<TReachOutcome>& outcomes)
{
    TListCount count;
    for (const TReachOutcome& o : outcomes)
        ++(o.refused ? count.refused : count.calculated);
    return count;
}

TListCount CountList(const TReachList& list, const TReachOptions& options, unsigned threads)
{
    std::atomic<std::size_t> refused{0};
    ParallelSlices(list.rows.size(), threads, [&](std::size_t begin, std::size_t end) {
        std::size_t n = 0;
        for (std::size_t i = begin; i < end; ++i)
            n += CalculateRow(list, i, options).refused ? 1 : 0;
        refused += n;
    });
    return {list.rows.size() - refused, refused};
}

}  // namespace fluvara
