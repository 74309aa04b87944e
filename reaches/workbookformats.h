#pragma once
// The number formats of an Excel workbook, as far as they change what a
// number cell means: a percentage, a date or a time of day is shown as the
// spreadsheet shows it, not as the bare number behind it.

#include <orcus/spreadsheet/import_interface.hpp>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

enum class TNumberKind { Plain, Percent, Date, Time, DateTime };

// What a format code shows: "0.00%" a percentage, "hh:mm:ss" a time,
// "dd.mm.yyyy" a date; quoted texts and colours do not count.
TNumberKind KindOfFormatCode(std::string_view code);
// The same for Excel's built-in formats by number (14 a date, 21 a time).
TNumberKind KindOfBuiltInFormat(std::size_t id);

struct TCalendarDay {
    int year = 1899;
    int month = 12;
    int day = 30;
};

// A number cell's text by its format; dates count days from origin.
std::string NumberText(double value, TNumberKind kind, const TCalendarDay& origin);

// Records the number formats and the cell formats that use them; all else
// of the styles is left aside.
class TNumberFormats : public orcus::spreadsheet::iface::import_styles {
public:
    TNumberKind KindOfCell(std::size_t cellFormat) const;

    void set_number_format_identifier(std::size_t id) override { formatId_ = id; }
    void set_number_format_code(std::string_view code) override { formatCode_ = code; }
    std::size_t commit_number_format() override;
    void set_xf_number_format(std::size_t index) override { xfFormat_ = index; }
    std::size_t commit_cell_xf() override;
    std::size_t commit_cell_style_xf() override { return Discard(styleCount_); }
    std::size_t commit_dxf() override { return Discard(dxfCount_); }

    void set_font_count(std::size_t) override { }
    void set_font_bold(bool) override { }
    void set_font_italic(bool) override { }
    void set_font_name(std::string_view) override { }
    void set_font_size(double) override { }
    void set_font_underline(orcus::spreadsheet::underline_t) override { }
    void set_font_underline_width(orcus::spreadsheet::underline_width_t) override { }
    void set_font_underline_mode(orcus::spreadsheet::underline_mode_t) override { }
    void set_font_underline_type(orcus::spreadsheet::underline_type_t) override { }
    void set_font_underline_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                  orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    { }
    void set_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                        orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    { }
    void set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t) override { }
    void set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t) override { }
    void set_strikethrough_width(orcus::spreadsheet::strikethrough_width_t) override { }
    void set_strikethrough_text(orcus::spreadsheet::strikethrough_text_t) override { }
    std::size_t commit_font() override { return Discard(fontCount_); }
    void set_fill_count(std::size_t) override { }
    void set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t) override { }
    void set_fill_fg_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                           orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    { }
    void set_fill_bg_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                           orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    { }
    std::size_t commit_fill() override { return Discard(fillCount_); }
    void set_border_count(std::size_t) override { }
    void set_border_style(orcus::spreadsheet::border_direction_t, orcus::spreadsheet::border_style_t) override { }
    void set_border_color(orcus::spreadsheet::border_direction_t, orcus::spreadsheet::color_elem_t,
                          orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                          orcus::spreadsheet::color_elem_t) override
    { }
    void set_border_width(orcus::spreadsheet::border_direction_t, double, orcus::length_unit_t) override { }
    std::size_t commit_border() override { return Discard(borderCount_); }
    void set_cell_hidden(bool) override { }
    void set_cell_locked(bool) override { }
    void set_cell_print_content(bool) override { }
    void set_cell_formula_hidden(bool) override { }
    std::size_t commit_cell_protection() override { return Discard(protectionCount_); }
    void set_number_format_count(std::size_t) override { }
    void set_cell_xf_count(std::size_t) override { }
    void set_cell_style_xf_count(std::size_t) override { }
    void set_dxf_count(std::size_t) override { }
    void set_xf_font(std::size_t) override { }
    void set_xf_fill(std::size_t) override { }
    void set_xf_border(std::size_t) override { }
    void set_xf_protection(std::size_t) override { }
    void set_xf_style_xf(std::size_t) override { }
    void set_xf_apply_alignment(bool) override { }
    void set_xf_horizontal_alignment(orcus::spreadsheet::hor_alignment_t) override { }
    void set_xf_vertical_alignment(orcus::spreadsheet::ver_alignment_t) override { }
    void set_cell_style_count(std::size_t) override { }
    void set_cell_style_name(std::string_view) override { }
    void set_cell_style_xf(std::size_t) override { }
    void set_cell_style_builtin(std::size_t) override { }
    void set_cell_style_parent_name(std::string_view) override { }
    std::size_t commit_cell_style() override { return Discard(cellStyleCount_); }

private:
    // The running number of a committed entry that is not kept; an xf's
    // number format is reset for the next one.
    std::size_t Discard(std::size_t& count)
    {
        xfFormat_ = 0;
        return count++;
    }

    std::map<std::size_t, std::string> codes_;  // number format id -> code
    std::vector<std::size_t> cellFormats_;      // cell format -> number format id
    std::size_t formatId_ = 0;
    std::string formatCode_;
    std::size_t xfFormat_ = 0;
    std::size_t styleCount_ = 0, dxfCount_ = 0, fontCount_ = 0, fillCount_ = 0, borderCount_ = 0, protectionCount_ = 0,
                cellStyleCount_ = 0, formatCount_ = 0;
};

}  // namespace fluvara
