#include "workbook.h"

#include "atomicfile.h"
#include "classicnumbers.h"
#include "listrun.h"
#include "numbercheck.h"
#include "rowcheck.h"
#include "textformat.h"
#include "workbookerrors.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace fluvara {

namespace {

constexpr lxw_row_t MaxRows = 1048576;
constexpr std::size_t MaxCellChars = 32767;
constexpr double MaxColumnWidth = 60;

}  // namespace

struct TWorkbookWriter::TState {
    explicit TState(const std::filesystem::path& path) : target(path), file(path) { }

    lxw_format* Decimals(int decimals)
    {
        auto& format = decimals_[decimals];
        if (!format) {
            format = workbook_add_format(book);
            const std::string pattern =
                decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
            format_set_num_format(format, pattern.c_str());
        }
        return format;
    }
    void Write(std::size_t column, const std::string& text, bool asNumber, lxw_format* textFormat = nullptr)
    {
        const std::string cut = Utf8Left(text, MaxCellChars);
        widths[column] = std::min(MaxColumnWidth, std::max(widths[column], Utf8Length(cut) + 2.0));
        const auto col = static_cast<lxw_col_t>(column);
        const TWorkbookCell cell = asNumber ? WorkbookCell(cut) : TWorkbookCell{};
        lxw_error error = LXW_NO_ERROR;
        if (cell.number)
            error = worksheet_write_number(sheet, row, col, cell.value, Decimals(cell.decimals));
        else if (!cut.empty())
            error = worksheet_write_string(sheet, row, col, cut.c_str(), textFormat);
        if (error != LXW_NO_ERROR)
            throw WorkbookFailure(target, error, "");
    }
    // Widths are known once every row is written; the library keeps them until it closes.
    void EndSheet()
    {
        if (!sheet)
            return;
        for (std::size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr);
        sheet = nullptr;
    }

    TClassicNumbers numbers;
    std::filesystem::path target;  // as given, for the messages
    TAtomicFile file;
    lxw_workbook* book = nullptr;
    lxw_format* header = nullptr;
    lxw_worksheet* sheet = nullptr;
    std::vector<lxw_worksheet*> sheets;
    TReachKind kind = TReachKind::Circle;
    int nameColumn = -1;
    lxw_row_t row = 0;
    std::vector<double> widths;
    std::map<int, lxw_format*> decimals_;
};

TWorkbookWriter::TWorkbookWriter(const std::filesystem::path& path) : state_(std::make_unique<TState>(path))
{
    const TClassicNumbers::TScope classic(state_->numbers);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    TLibraryMessages messages;
    state_->book = workbook_new_opt(state_->file.TemporaryPath().c_str(), &options);
    if (!state_->book)
        throw WorkbookFailure(path, LXW_ERROR_MEMORY_MALLOC_FAILED, messages.Stop());
    state_->header = workbook_add_format(state_->book);
    format_set_bold(state_->header);
}

TWorkbookWriter::~TWorkbookWriter()
{
    // Not committed: the workbook is given up without being packed.
    const TClassicNumbers::TScope classic(state_->numbers);
    if (state_->book) {
        const TLibraryMessages quiet;
        // The library frees a worksheet without closing its rows' temporary file.
        for (lxw_worksheet* sheet : state_->sheets)
            if (sheet->optimize_tmpfile) {
                std::fclose(sheet->optimize_tmpfile);
                sheet->optimize_tmpfile = nullptr;
            }
        lxw_workbook_free(state_->book);
    }
}

void TWorkbookWriter::BeginSheet(const TListLayout& layout)
{
    TState& s = *state_;
    const TClassicNumbers::TScope classic(s.numbers);
    s.EndSheet();
    TLibraryMessages messages;
    s.sheet = workbook_add_worksheet(s.book, SheetName(layout.kind));
    if (!s.sheet)
        throw WorkbookFailure(s.target, LXW_ERROR_CREATING_TMPFILE, messages.Stop());
    s.sheets.push_back(s.sheet);
    s.kind = layout.kind;
    s.nameColumn = layout.fieldColumn[static_cast<std::size_t>(NameField(layout.kind))];
    const std::vector<std::string> header = OutputHeader(layout);
    s.widths.assign(header.size(), 6);
    s.row = 0;
    for (std::size_t c = 0; c < header.size(); ++c)
        s.Write(c, header[c], false, s.header);
    worksheet_freeze_panes(s.sheet, 1, 0);
}

void TWorkbookWriter::AppendRow(std::span<const std::string> columns, const TReachOutcome& outcome)
{
    TState& s = *state_;
    const TClassicNumbers::TScope classic(s.numbers);
    if (s.row + 1 >= MaxRows)
        throw std::runtime_error(
            Fmt("Die Liste hat mehr Zeilen, als ein Arbeitsblatt fasst (%d)", static_cast<long long>(MaxRows - 1)));
    ++s.row;
    for (std::size_t c = 0; c < columns.size(); ++c)
        s.Write(c, columns[c], static_cast<int>(c) != s.nameColumn);
    const std::size_t inputs = columns.size();
    for (std::size_t i = 0; i < outcome.results.size(); ++i)
        s.Write(inputs + i, outcome.results[i], !IsWordResult(s.kind, static_cast<int>(i)));
    s.Write(inputs + outcome.results.size(), outcome.status, false);
}

void TWorkbookWriter::Commit()
{
    TState& s = *state_;
    const TClassicNumbers::TScope classic(s.numbers);
    s.EndSheet();
    TLibraryMessages messages;
    const lxw_error error = workbook_close(s.book);
    s.book = nullptr;
    if (error != LXW_NO_ERROR)
        throw WorkbookFailure(s.target, error, messages.Stop());
    s.file.Commit();
}

const char* SheetName(TReachKind kind)
{
    if (kind == TReachKind::Network)
        return "Netz";
    return kind == TReachKind::Circle ? "Kreisprofile" : "Gerinne";
}

TWorkbookCell WorkbookCell(std::string_view text)
{
    // Digits, at most one decimal mark with digits after it: the number check's reading is then exact.
    std::size_t digits = 0, marks = 0, decimals = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            decimals += marks;
        } else if ((c == '.' || c == ',') && marks == 0) {
            marks = 1;
        } else if (c == '-' && i == 0) {
            continue;
        } else {
            return {};
        }
    }
    if (digits == 0 || (marks == 1 && decimals == 0) || decimals > 15)
        return {};
    // A cell the list refuses as ambiguous ("2.500") stays the text it is,
    // so that a sheet does not show it as a number the list never read.
    if (!ReadListNumber(text).refusal.empty())
        return {};
    std::string working(text);
    const bool negative = !working.empty() && working[0] == '-';
    if (negative)
        working.erase(0, 1);
    CheckNumberText(working);
    const double value = ConvertNumberText(working);
    return {true, negative ? -value : value, static_cast<int>(decimals)};
}

void WriteWorkbook(const std::filesystem::path& path, std::span<const TWorkbookSheet> sheets,
                   const TProgressHook& progress)
{
    std::uint64_t total = 0, done = 0;
    for (const TWorkbookSheet& sheet : sheets)
        total += sheet.list->rows.size();
    TWorkbookWriter writer(path);
    for (const TWorkbookSheet& sheet : sheets) {
        writer.BeginSheet(sheet.list->layout);
        for (std::size_t r = 0; r < sheet.list->rows.size(); ++r) {
            if (done++ % 4096 == 0)
                ReportProgress(progress, done - 1, total);
            writer.AppendRow(sheet.list->rows[r], r < sheet.outcomes->size() ? (*sheet.outcomes)[r] : TReachOutcome{});
        }
    }
    ReportProgress(progress, total, total);
    writer.Commit();
}

TListSink WorkbookSink(TWorkbookWriter& writer)
{
    TListSink sink;
    sink.begin = [&writer](const TListLayout& layout) { writer.BeginSheet(layout); };
    sink.write = [&writer](const TListBatch& batch) {
        for (std::size_t i = 0; i < batch.rows.size(); ++i)
            writer.AppendRow(batch.rows[i], batch.outcomes[i]);
    };
    return sink;
}

TRunSummary RunCsvListToWorkbook(std::istream& in, const std::filesystem::path& path, const TRunOptions& options)
{
    TWorkbookWriter writer(path);
    const TRunSummary summary = RunList(in, options, WorkbookSink(writer));
    writer.Commit();
    return summary;
}

}  // namespace fluvara
