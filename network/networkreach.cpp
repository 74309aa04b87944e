#include "networkreach.h"

#include "numberreading.h"
#include "rowcheck.h"
#include "textformat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace fluvara {

namespace {

constexpr double Unbounded = std::numeric_limits<double>::max();

bool Blank(const std::string& text) { return TrimBlanks(text).empty(); }

TFieldRule Rule(double lower, double upper, const std::string& subject, const std::string& range)
{
    return TFieldRule{lower,
                      upper,
                      subject + " darf nicht negativ sein",
                      subject + " ist nicht nummerisch",
                      subject + " ist ungültig ( " + range + " )",
                      subject};
}

// A number cell read as the lists read them; the first failure of the reach
// is kept per field.
class TReader {
public:
    explicit TReader(std::vector<TCellError>& errors) : errors_(errors) { }

    std::optional<double> Read(const std::string& text, int field, const TFieldRule& rule)
    {
        const TRunNumber number = ListReading(TrimBlanks(text));
        if (auto message = RunNumberError(number, rule)) {
            errors_.push_back({field, std::move(*message)});
            return std::nullopt;
        }
        return number.number.value;
    }

    // A level above datum: below it is as usual as above.
    std::optional<double> Level(const std::string& text, int field, const std::string& subject)
    {
        std::string_view t = TrimBlanks(text);
        const bool below = !t.empty() && t.front() == '-';
        if (below)
            t.remove_prefix(1);
        TFieldRule rule = Rule(0, Unbounded, subject, "");
        rule.negativeMessage = rule.notNumericMessage;
        const auto value = Read(std::string(t), field, rule);
        if (value && t.empty())  // a lone "-"
            return Fail(field, rule.notNumericMessage);
        return value && below ? std::optional(-*value) : value;
    }

    std::optional<double> Fail(int field, std::string message)
    {
        errors_.push_back({field, std::move(message)});
        return std::nullopt;
    }

private:
    std::vector<TCellError>& errors_;
};

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

}  // namespace

TNetworkReachInput ReadNetworkReach(std::span<const std::string> fields)
{
    TNetworkReachInput in;
    std::string text[NetworkFieldCount];
    for (std::size_t i = 0; i < NetworkFieldCount && i < fields.size(); ++i)
        text[i] = fields[i];
    in.link = {Trimmed(text[NetworkName]), Trimmed(text[NetworkFrom]), Trimmed(text[NetworkTo])};
    in.d = text[NetworkD];
    in.kb = text[NetworkKb];
    in.Is = text[NetworkIs];
    in.hdPermitted = text[NetworkHdPermitted];
    in.use09 = text[NetworkUse09];
    in.profile = text[NetworkProfile];
    in.size = text[NetworkSize];

    TReader read(in.errors);
    if (Blank(text[NetworkLength]))
        read.Fail(NetworkLength, "Die Länge L fehlt");
    else if (const auto L = read.Read(text[NetworkLength], NetworkLength, Rule(0, Unbounded, "L-Wert", ">0"))) {
        if (*L <= 0)
            read.Fail(NetworkLength, "L-Wert ist ungültig ( >0 )");
        in.length = *L;
    }

    const bool top = !Blank(text[NetworkInvertTop]);
    const bool bottom = !Blank(text[NetworkInvertBottom]);
    if (top && bottom) {
        const auto a = read.Level(text[NetworkInvertTop], NetworkInvertTop, "Sohle oben");
        const auto b = read.Level(text[NetworkInvertBottom], NetworkInvertBottom, "Sohle unten");
        if (a && b) {
            in.levels = true;
            in.invertTop = *a;
            in.invertBottom = *b;
            if (in.length > 0) {
                in.slopeFromLevels = (*a - *b) / in.length * 1000;
                if (!(in.slopeFromLevels > 0))
                    read.Fail(NetworkInvertBottom,
                              Fmt("Kein Gefälle: Sohle oben %s m liegt nicht über Sohle unten %s m",
                                  TrimBlanks(text[NetworkInvertTop]), TrimBlanks(text[NetworkInvertBottom])));
            }
        }
    } else if (Blank(text[NetworkIs])) {
        read.Fail(top ? NetworkInvertBottom : NetworkInvertTop,
                  "Das Gefälle fehlt: Sohle oben und Sohle unten oder Is angeben");
    }

    if (!Blank(text[NetworkCoverTop])) {
        if (const auto cover = read.Level(text[NetworkCoverTop], NetworkCoverTop, "Deckel oben")) {
            in.coverGiven = true;
            in.coverTop = *cover;
        }
    }
    if (!Blank(text[NetworkCoverBottom]))
        read.Level(text[NetworkCoverBottom], NetworkCoverBottom, "Deckel unten");

    if (!Blank(text[NetworkAE]))
        in.area = read.Read(text[NetworkAE], NetworkAE, Rule(0, Unbounded, "AE-Wert", ">=0")).value_or(0);
    if (!Blank(text[NetworkPsi]))
        in.psi = read.Read(text[NetworkPsi], NetworkPsi, Rule(0, 1, "Psi-Wert", ">=0 und <=1")).value_or(0);
    else if (in.area > 0)
        read.Fail(NetworkPsi, "Der Abflussbeiwert Psi fehlt (AE ist angegeben)");
    if (!Blank(text[NetworkQT]))
        in.QT = read.Read(text[NetworkQT], NetworkQT, Rule(0, Unbounded, "QT-Wert", ">=0")).value_or(0);

    // An egg or a box: its own checks name what is missing.
    const bool circle = Blank(in.profile) && Blank(in.size);
    if (circle && Blank(in.d) && Blank(in.hdPermitted))
        read.Fail(NetworkD, "d fehlt: d angeben oder h/d zul für eine Bemessung");
    else if (circle && !Blank(in.d))
        in.dValue = ListReading(TrimBlanks(in.d)).number.value;
    return in;
}

std::string ExactNumberText(double value)
{
    char buffer[512];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return "nicht darstellbar";
    std::string text(buffer, end);
    const std::size_t point = text.find('.');
    if (point != std::string::npos && text.size() - point == 4)
        text += '0';
    return text;
}

}  // namespace fluvara
