#include "reachlist.h"

#include "csvreader.h"
#include "workpool.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace fluvara {

TReachList EmptyList(TReachKind kind)
{
    std::vector<std::string> columns;
    for (std::string_view name : FieldNames(kind))
        columns.emplace_back(name);
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

TReachList ReadCsvList(std::istream& in)
{
    TCsvReader reader(in);
    return ListOfRecords([&reader](TCsvRecord& record) { return reader.Next(record); });
}

TReachList ListOfRecords(const std::function<bool(TCsvRecord&)>& next)
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
    }
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

std::string CsvText(const TReachList& list, const std::vector<TReachOutcome>& outcomes, const TCsvStyle& style)
{
    std::string out(Utf8ByteOrderMark);
    AppendCsvRecord(out, OutputHeader(list.layout), style);
    for (std::size_t i = 0; i < list.rows.size() && i < outcomes.size(); ++i)
        AppendCsvResultRow(out, list.rows[i], outcomes[i], list.Kind(), style);
    return out;
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
