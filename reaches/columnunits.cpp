#include "columnunits.h"

#include <array>

namespace fluvara {

namespace {

struct TColumnUnit {
    TReachKind kind;
    std::string_view name;
    std::string_view unit;
};

constexpr std::string_view Kst = "m^(1/3)/s";
constexpr std::string_view Bank = "° | 1:m";

constexpr std::array<TColumnUnit, 30> Units{{
    {TReachKind::Circle, "d", "mm"},           {TReachKind::Circle, "kb", "mm"},
    {TReachKind::Circle, "Is", "‰"},           {TReachKind::Circle, "Q", "l/s"},
    {TReachKind::Circle, "h/d zul", "%"},      {TReachKind::Circle, "lichte Weite", "mm"},
    {TReachKind::Circle, "Qv", "l/s"},         {TReachKind::Circle, "vv", "m/s"},
    {TReachKind::Circle, "h", "cm"},           {TReachKind::Circle, "h/d", "%"},
    {TReachKind::Circle, "Qt/Qv", "%"},        {TReachKind::Circle, "vt", "m/s"},
    {TReachKind::Circle, "d erf", "mm"},       {TReachKind::Channel, "Q", "l/s"},
    {TReachKind::Channel, "Is", "‰"},          {TReachKind::Channel, "kst Sohle", Kst},
    {TReachKind::Channel, "kst links", Kst},   {TReachKind::Channel, "kst rechts", Kst},
    {TReachKind::Channel, "b", "cm"},          {TReachKind::Channel, "hp", "cm"},
    {TReachKind::Channel, "Ufer links", Bank}, {TReachKind::Channel, "Ufer rechts", Bank},
    {TReachKind::Channel, "h", "cm"},          {TReachKind::Channel, "v", "m/s"},
    {TReachKind::Channel, "kst mittel", Kst},  {TReachKind::Channel, "hgr", "cm"},
    {TReachKind::Channel, "vgr", "m/s"},       {TReachKind::Channel, "bWsp", "cm"},
    {TReachKind::Channel, "bProfil", "cm"},    {TReachKind::Channel, "Freibord", "cm"},
}};

}  // namespace

std::string_view ColumnUnit(TReachKind kind, std::string_view plainName)
{
    for (const TColumnUnit& column : Units)
        if (column.kind == kind && column.name == plainName)
            return column.unit;
    return {};
}

std::string NameWithUnit(TReachKind kind, std::string_view plainName)
{
    const std::string_view unit = ColumnUnit(kind, plainName);
    std::string text(plainName);
    if (!unit.empty())
        text.append(" [").append(unit).append("]");
    return text;
}

TNameAndUnit SplitUnit(std::string_view header)
{
    const std::string_view trimmed = TrimBlanks(header);
    const std::size_t open = trimmed.rfind('[');
    if (trimmed.empty() || trimmed.back() != ']' || open == std::string_view::npos)
        return {trimmed, {}, false};
    return {TrimBlanks(trimmed.substr(0, open)), TrimBlanks(trimmed.substr(open + 1, trimmed.size() - open - 2)), true};
}

}  // namespace fluvara
