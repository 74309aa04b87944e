#include "resultlines.h"

#include "textformat.h"

namespace fluvara {

TResultLines::TResultLines(int count) : lines_(static_cast<std::size_t>(count)) { }

void TResultLines::Set(int index, std::string_view text)
{
    lines_.at(static_cast<std::size_t>(index)) = Utf8Left(text, ResultLineMaxChars);
}

void TResultLines::Clear(int first, int last)
{
    for (int i = first; i <= last; ++i)
        Set(i, "");
}

TResultLines MakeCircleResultLines()
{
    TResultLines lines(CircleResultLineCount);
    lines.Set(0, " ");
    return lines;
}

TResultLines MakeChannelResultLines()
{
    TResultLines lines(ChannelResultLineCount);
    lines.Set(0, " ");
    return lines;
}

void WriteCircleFullFlowLines(TResultLines& lines, double dEntered, double dUsed, double kb, double Is, double Qv,
                              double vv)
{
    lines.Set(0, Fmt("%s", DashLine));
    lines.Set(1, Fmt(" %s", "Abflußwerte Kreisprofil                     "));
    lines.Set(2, Fmt("%s", DashLine));
    lines.Set(3, Fmt(" Innendurchmesser       d   = %7.2f mm     ", dEntered));
    lines.Set(4, Fmt(" lichte Weite          l.W. = %7.2f mm     ", dUsed));
    lines.Set(5, Fmt(" Betriebsrauhigkeit     kb  = %7.2f mm     ", kb));
    lines.Set(6, Fmt(" Gefälle                Is  = %7.2f o/oo   ", Is));
    lines.Set(7, Fmt("%s", DashLine));
    lines.Set(8, Fmt(" Abflußmenge Vollfüll.  Qv  = %7.2f l/s    ", Qv));
    lines.Set(9, Fmt(" Geschwindig.Vollfüll.  Vv  = %7.2f m/s    ", vv));
    lines.Set(10, Fmt("%s", DashLine));
    lines.Clear(11, 16);
}

void WriteCirclePartialFlowLines(TResultLines& lines, double Qt, double h, double hd, double qq, double vt)
{
    lines.Set(11, Fmt(" Abflußmenge Teilfüll.  Qt  = %7.2f l/s    ", Qt));
    lines.Set(12, Fmt(" Füllhöhe               h   = %7.2f cm     ", h));
    lines.Set(13, Fmt(" Verhältnis             h/d = %7.2f o/o    ", hd));
    lines.Set(14, Fmt(" Verhältnis           Qt/Qv = %7.2f o/o    ", qq));
    lines.Set(15, Fmt(" Geschwindig.Teilfüll.  Vt  = %7.2f m/s    ", vt));
    lines.Set(16, Fmt("%s", DashLine));
}

std::string ChannelRegimeText(TFlowRegime regime) { return Fmt(" %s", RegimeWord(regime)); }

void WriteChannelResultLines(TResultLines& lines, const TChannelInput& in, const TChannelResult& r)
{
    // Q times 0.001 is the discharge the calculation works with (m³/s); the
    // line shows that value times 1000, in l/s.
    const double Q = in.Q * 0.001 * 1000;
    lines.Set(0, Fmt("%s", DashLine));
    lines.Set(1, Fmt("%s", "Abflußwerte Gerinne"));
    lines.Set(2, Fmt("%s", DashLine));
    lines.Set(3, Fmt("Durchflußmenge         Q   = %8.2f l/s    ", Q));
    lines.Set(4, Fmt("Gefälle                Is  = %8.2f o/oo   ", in.Is));
    lines.Set(5, Fmt("Ma.Strick.Wert Sohle   kst = %8.2f m1/3 /s", in.kstBottom));
    lines.Set(6, Fmt("Ma.Strick.Wert Ufer li kst = %8.2f m1/3 /s", in.kstLeft));
    lines.Set(7, Fmt("Ma.Strick.Wert Ufer re kst = %8.2f m1/3 /s", in.kstRight));
    lines.Set(8, Fmt("Durchschnittsbeiwert   kst = %8.2f m1/3 /s", r.kstMean));
    lines.Set(9, Fmt("Sohlbreite             b   = %8.2f cm     ", in.b));
    lines.Set(10, Fmt("Profilhöhe             hp  = %8.2f cm     ", in.hp));
    lines.Set(11, Fmt("Profilwinkel         alpha = %8.2f °      ", r.alpha));
    lines.Set(12, Fmt("Profilsteigung li      m   = 1:%6.2f      ", r.mLeft));
    lines.Set(13, Fmt("Profilwinkel          beta = %8.2f °      ", r.beta));
    lines.Set(14, Fmt("Profilsteigung re      m   = 1:%6.2f      ", r.mRight));
    lines.Set(15, Fmt("%s", DashLine));
    lines.Set(16, Fmt("Fließtiefe             h   = %8.2f cm     ", r.h));
    lines.Set(17, Fmt("Grenztiefe             hgr = %8.2f cm     ", r.hgr));
    lines.Set(18, Fmt("Fließgeschwindigkeit   v   = %8.2f m/s    ", r.v));
    lines.Set(19, Fmt("Grenzgeschwindigkeit   vgr = %8.2f m/s    ", r.vgr));
    lines.Set(20, Fmt("Wasserspiegelbreite  b-wsp = %8.2f cm     ", r.bWsp));
    lines.Set(21, Fmt("Profilbreite gesamt    bp  = %8.2f cm     ", r.bProfil));
    lines.Set(22, Fmt("%s", DashLine));
    lines.Set(23, Fmt("Abfluß                     = %s  ", ChannelRegimeText(r.regime)));
    lines.Set(24, Fmt("%s", DashLine));
}

}  // namespace fluvara
