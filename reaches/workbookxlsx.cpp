// Excel workbooks through the import filter of liborcus: its calls are
// collected into raw cells (number, text, truth value) with their cell
// format, and turned into texts once the number formats are known.

#include "classicnumbers.h"
#include "textformat.h"
#include "workbookformats.h"
#include "workbookreader.h"

#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <map>
#include <memory>
#include <variant>

namespace fluvara {

namespace {

namespace ss = orcus::spreadsheet;

class TStrings : public ss::iface::import_shared_strings {
public:
    const std::string& At(std::size_t index) const
    {
        static const std::string none;
        return index < texts_.size() ? texts_[index] : none;
    }
    std::size_t append(std::string_view s) override
    {
        texts_.emplace_back(s);
        return texts_.size() - 1;
    }
    std::size_t add(std::string_view s) override
    {
        const auto [it, added] = known_.try_emplace(std::string(s), texts_.size());
        if (added)
            texts_.emplace_back(s);
        return it->second;
    }
    void set_segment_font(std::size_t) override { }
    void set_segment_bold(bool) override { }
    void set_segment_italic(bool) override { }
    void set_segment_font_name(std::string_view) override { }
    void set_segment_font_size(double) override { }
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override { }
    void append_segment(std::string_view s) override { segments_ += s; }
    std::size_t commit_segments() override
    {
        texts_.push_back(std::move(segments_));
        segments_.clear();
        return texts_.size() - 1;
    }

private:
    std::vector<std::string> texts_;
    std::map<std::string, std::size_t> known_;
    std::string segments_;
};

using TRawValue = std::variant<std::monostate, double, std::string, bool>;

struct TRawCell {
    TRawValue value;
    std::size_t format = 0;
};

using TCellKey = std::pair<ss::row_t, ss::col_t>;

class TSheet;

class TFormula : public ss::iface::import_formula {
public:
    explicit TFormula(TSheet& sheet) : sheet_(sheet) { }
    void set_position(ss::row_t row, ss::col_t col) override
    {
        at_ = {row, col};
        result_ = {};
    }
    void set_formula(ss::formula_grammar_t, std::string_view) override { }
    void set_shared_formula_index(std::size_t) override { }
    void set_result_string(std::string_view value) override { result_ = std::string(value); }
    void set_result_value(double value) override { result_ = value; }
    void set_result_bool(bool value) override { result_ = value; }
    void set_result_empty() override { result_ = {}; }
    void commit() override;

private:
    TSheet& sheet_;
    TCellKey at_{};
    TRawValue result_;
};

class TSheet : public ss::iface::import_sheet {
public:
    TSheet(std::string_view name, const TStrings& strings) : name_(name), strings_(strings), formula_(*this) { }
    const std::string& Name() const { return name_; }
    std::map<TCellKey, TRawCell>& Cells() { return cells_; }

    ss::iface::import_formula* get_formula() override { return &formula_; }
    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override { Value(row, col, std::string(s)); }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t index) override
    {
        Value(row, col, strings_.At(index));
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override { Value(row, col, value); }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override { Value(row, col, value); }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour, int minute,
                       double second) override
    {
        Value(row, col, DateCellText(year, month, day, hour * 3600.0 + minute * 60.0 + second));
    }
    void set_format(ss::row_t row, ss::col_t col, std::size_t xf) override { cells_[{row, col}].format = xf; }
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override { }
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override { }
    ss::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

    void Value(ss::row_t row, ss::col_t col, TRawValue value) { cells_[{row, col}].value = std::move(value); }

private:
    std::string name_;
    const TStrings& strings_;
    TFormula formula_;
    std::map<TCellKey, TRawCell> cells_;
};

void TFormula::commit() { sheet_.Value(at_.first, at_.second, std::move(result_)); }

// Cell references in "A1" form, which the filter needs to place formulas.
class TResolver : public ss::iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view address) override
    {
        ss::src_address_t at{0, 0, 0};
        std::size_t i = address.rfind('!') == std::string_view::npos ? 0 : address.rfind('!') + 1;
        long column = 0;
        long row = 0;
        for (; i < address.size(); ++i) {
            const char c = address[i];
            if (c >= 'A' && c <= 'Z' && row == 0 && column < 1'000'000)
                column = column * 26 + (c - 'A' + 1);
            else if (c >= '0' && c <= '9' && row < 10'000'000)
                row = row * 10 + (c - '0');
            else if (c != '$')
                break;
        }
        at.row = static_cast<ss::row_t>(row - 1);
        at.column = static_cast<ss::col_t>(column - 1);
        return at;
    }
    ss::src_range_t resolve_range(std::string_view range) override
    {
        const std::size_t colon = range.find(':');
        const ss::src_address_t first = resolve_address(range.substr(0, colon));
        return {first, colon == std::string_view::npos ? first : resolve_address(range.substr(colon + 1))};
    }
};

class TGlobals : public ss::iface::import_global_settings {
public:
    void set_origin_date(int year, int month, int day) override { origin = {year, month, day}; }
    void set_default_formula_grammar(ss::formula_grammar_t grammar) override { grammar_ = grammar; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override { }

    TCalendarDay origin{1899, 12, 30};

private:
    ss::formula_grammar_t grammar_ = ss::formula_grammar_t::xlsx;
};

class TFactory : public ss::iface::import_factory {
public:
    ss::iface::import_global_settings* get_global_settings() override { return &globals; }
    ss::iface::import_shared_strings* get_shared_strings() override { return &strings; }
    ss::iface::import_styles* get_styles() override { return &formats; }
    ss::iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override
    {
        return &resolver;
    }
    ss::iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override
    {
        sheets.push_back(std::make_unique<TSheet>(name, strings));
        return sheets.back().get();
    }
    ss::iface::import_sheet* get_sheet(std::string_view name) override
    {
        for (const auto& sheet : sheets)
            if (sheet->Name() == name)
                return sheet.get();
        return nullptr;
    }
    ss::iface::import_sheet* get_sheet(ss::sheet_t index) override
    {
        return index >= 0 && static_cast<std::size_t>(index) < sheets.size()
            ? sheets[static_cast<std::size_t>(index)].get()
            : nullptr;
    }
    void finalize() override { }

    TGlobals globals;
    TStrings strings;
    TNumberFormats formats;
    TResolver resolver;
    std::vector<std::unique_ptr<TSheet>> sheets;
};

std::string CellText(const TRawCell& cell, const TNumberFormats& formats, const TCalendarDay& origin)
{
    if (const auto* text = std::get_if<std::string>(&cell.value))
        return *text;
    if (const auto* truth = std::get_if<bool>(&cell.value))
        return BooleanCellText(*truth);
    if (const auto* number = std::get_if<double>(&cell.value))
        return NumberText(*number, formats.KindOfCell(cell.format), origin);
    return {};
}

}  // namespace

std::vector<TWorkbookTable> ReadXlsxTables(std::string_view bytes)
{
    TFactory factory;
    try {
        // The filter parses numbers with the C library.
        const TClassicNumbers numbers;
        const TClassicNumbers::TScope classic(numbers);
        orcus::orcus_xlsx filter(&factory);
        filter.read_stream(bytes);
    } catch (const std::exception& e) {
        throw TInputError(Fmt("Die Datei ist keine lesbare Excel-Arbeitsmappe (.xlsx): %s", e.what()));
    }
    std::vector<TWorkbookTable> tables;
    for (const auto& sheet : factory.sheets) {
        TSheetCells cells(sheet->Name());
        for (const auto& [at, cell] : sheet->Cells())
            cells.Set(static_cast<std::size_t>(at.first), static_cast<std::size_t>(at.second),
                      CellText(cell, factory.formats, factory.globals.origin));
        tables.push_back(cells.Take());
    }
    return tables;
}

}  // namespace fluvara
