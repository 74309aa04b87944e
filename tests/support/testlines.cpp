#include "testlines.h"

namespace fluvara::test {

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

const std::vector<std::string>& FirstChannelExampleLines()
{
    static const std::string dashes = "------------------------------------------- ";
    static const std::vector<std::string> lines{
        dashes,
        "Abflußwerte Gerinne",
        dashes,
        "Durchflußmenge         Q   =   500.00 l/s    ",
        "Gefälle                Is  =     2.00 o/oo   ",
        "Ma.Strick.Wert Sohle   kst =    30.00 m1/3 /s",
        "Ma.Strick.Wert Ufer li kst =    30.00 m1/3 /s",
        "Ma.Strick.Wert Ufer re kst =    30.00 m1/3 /s",
        "Durchschnittsbeiwert   kst =    30.00 m1/3 /s",
        "Sohlbreite             b   =   100.00 cm     ",
        "Profilhöhe             hp  =   100.00 cm     ",
        "Profilwinkel         alpha =    45.00 °      ",
        "Profilsteigung li      m   = 1:  1.00      ",
        "Profilwinkel          beta =    45.00 °      ",
        "Profilsteigung re      m   = 1:  1.00      ",
        dashes,
        "Fließtiefe             h   =    52.23 cm     ",
        "Grenztiefe             hgr =    26.90 cm     ",
        "Fließgeschwindigkeit   v   =     0.63 m/s    ",
        "Grenzgeschwindigkeit   vgr =     1.46 m/s    ",
        "Wasserspiegelbreite  b-wsp =   204.46 cm     ",
        "Profilbreite gesamt    bp  =   300.00 cm     ",
        dashes,
        "Abfluß                     =  strömend  ",
        dashes,
    };
    return lines;
}

}  // namespace fluvara::test
