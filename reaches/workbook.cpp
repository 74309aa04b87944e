#include "workbook.h"

#include "atomicfile.h"
#include "numbercheck.h"
#include "textformat.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace fluvara {

namespace {

constexpr lxw_row_t MaxRows = 1048576;
constexpr std::size_t MaxCellChars = 32767;
constexpr double MaxColumnWidth = 60;

class TWorkbook {
public:
    explicit TWorkbook(const std::string& path) : book_(workbook_new(path.c_str()))
    {
        if (!book_)
            throw std::runtime_error("Die Arbeitsmappe kann nicht angelegt werden");
        header_ = workbook_add_format(book_);
        format_set_bold(header_);
    }
    ~TWorkbook()
    {
        if (book_)
            workbook_close(book_);
    }
    TWorkbook(const TWorkbook&) = delete;
    TWorkbook& operator=(const TWorkbook&) = delete;

    lxw_format* Decimals(int decimals)
    {
        auto& format = decimals_[decimals];
        if (!format) {
            format = workbook_add_format(book_);
            const std::string pattern = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
            format_set_num_format(format, pattern.c_str());
        }
        return format;
    }
    void AddSheet(const TWorkbookSheet& sheet);
    void Close()
    {
        const lxw_error error = workbook_close(book_);
        book_ = nullptr;
        if (error != LXW_NO_ERROR)
            throw std::runtime_error(Fmt("Die Arbeitsmappe kann nicht geschrieben werden (%s)", lxw_strerror(error)));
    }

private:
    lxw_workbook* book_;
    lxw_format* header_ = nullptr;
    std::map<int, lxw_format*> decimals_;
};

void TWorkbook::AddSheet(const TWorkbookSheet& sheet)
{
    const TReachList& list = *sheet.list;
    if (list.rows.size() + 1 > MaxRows)
        throw std::runtime_error(Fmt("Die Liste hat mehr Zeilen, als ein Arbeitsblatt fasst (%d)",
                                     static_cast<long long>(MaxRows - 1)));
    lxw_worksheet* ws = workbook_add_worksheet(book_, SheetName(list.Kind()));
    const std::vector<std::string> header = OutputHeader(list.layout);
    std::vector<double> widths(header.size(), 6);
    const auto write = [&](lxw_row_t row, std::size_t column, const std::string& text, bool asNumber) {
        const std::string cut = Utf8Left(text, MaxCellChars);
        widths[column] = std::min(MaxColumnWidth, std::max(widths[column], Utf8Length(cut) + 2.0));
        const auto col = static_cast<lxw_col_t>(column);
        const TWorkbookCell cell = asNumber ? WorkbookCell(cut) : TWorkbookCell{};
        if (cell.number)
            worksheet_write_number(ws, row, col, cell.value, Decimals(cell.decimals));
        else if (!cut.empty())
            worksheet_write_string(ws, row, col, cut.c_str(), row == 0 ? header_ : nullptr);
    };
    for (std::size_t c = 0; c < header.size(); ++c)
        write(0, c, header[c], false);
    const std::size_t inputs = list.layout.columns.size();
    const int nameColumn = list.layout.fieldColumn[static_cast<std::size_t>(NameField(list.Kind()))];
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < inputs; ++c)
            write(row, c, list.rows[r][c], static_cast<int>(c) != nameColumn);
        if (r >= sheet.outcomes->size())
            continue;
        const TReachOutcome& outcome = (*sheet.outcomes)[r];
        for (std::size_t i = 0; i < outcome.results.size(); ++i)
            write(row, inputs + i, outcome.results[i], !IsWordResult(list.Kind(), static_cast<int>(i)));
        write(row, inputs + outcome.results.size(), outcome.status, false);
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr);
    worksheet_freeze_panes(ws, 1, 0);
}

} // namespace

const char* SheetName(TReachKind kind) { return kind == TReachKind::Circle ? "Kreisprofile" : "Gerinne"; }

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
    std::string working(text);
    const bool negative = !working.empty() && working[0] == '-';
    if (negative)
        working.erase(0, 1);
    CheckNumberText(working);
    const double value = ConvertNumberText(working);
    return {true, negative ? -value : value, static_cast<int>(decimals)};
}

void WriteWorkbook(const std::filesystem::path& path, std::span<const TWorkbookSheet> sheets)
{
    TAtomicFile file(path);
    {
        TWorkbook book(file.TemporaryPath().string());
        for (const TWorkbookSheet& sheet : sheets)
            book.AddSheet(sheet);
        book.Close();
    }
    file.Commit();
}

} // namespace fluvara
