#include "projectreader.h"

#include "projectnetwork.h"
#include "projectvalues.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>

namespace fluvara {

namespace {

using namespace project;

// What the small values of the top level have told so far.
struct TTopState {
    TProjectSink& sink;
    bool format = false;
    std::optional<long long> version;
};

void CheckVersion(const TTopState& state)
{
    if (state.format && state.version && *state.version > ProjectVersion)
        Fail(Fmt("Die Datei hat die Version %d; diese Ausgabe von FLUVARA liest Projektdateien bis Version %d",
                 *state.version, ProjectVersion));
}

void ReadFormat(const json& value, TTopState& state)
{
    if (value != ProjectFormatName)
        Fail(NotAProject());
    state.format = true;
    CheckVersion(state);
}

void ReadVersion(const json& value, TTopState& state)
{
    if (!value.is_number_integer() || value.get<long long>() < 1)
        Refuse(Place("version") + " fehlt oder ist keine Versionsnummer");
    state.version = value.get<long long>();
    CheckVersion(state);
}

void ReadSeries(const json& value, TTopState& state)
{
    constexpr std::string_view key = SeriesKey;
    if (!value.is_array() || value.empty())
        Refuse(Place(key) + " ist keine Liste von Nennweiten");
    TNominalSeries sizes;
    for (const json& size : value) {
        if (!size.is_number_integer() || size.get<long long>() < 1 || size.get<long long>() > 10000)
            Refuse(Place(key) + " enthält keine ganze Zahl von 1 bis 10000 mm");
        sizes.push_back(size.get<int>());
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    state.sink.Series(std::move(sizes));
}

void ReadNetworkSettingsValue(const json& value, TTopState& state)
{
    state.sink.NetworkSettings(ReadNetworkSettings(value));
}

// The keys of the top level. A further list or small value of a project
// is one more row here (and, for its content, one more call of the sink).
struct TKeyRule {
    std::string_view key;
    bool required;
    std::optional<TReachKind> list;                      // a list, streamed to the sink
    void (*value)(const json& value, TTopState& state);  // else a small value, read whole
};

const TKeyRule KeyRules[] = {
    {"format", true, std::nullopt, ReadFormat},
    {"version", true, std::nullopt, ReadVersion},
    {CircleListKey, true, TReachKind::Circle, nullptr},
    {ChannelListKey, true, TReachKind::Channel, nullptr},
    {SeriesKey, false, std::nullopt, ReadSeries},
    {NetworkListKey, false, TReachKind::Network, nullptr},
    {NetworkSettingsKey, false, std::nullopt, ReadNetworkSettingsValue},
};

// The SAX receiver of nlohmann-json: the top level itself, every value of
// it handed to the reader its key's rule makes.
class TProjectEvents {
public:
    TProjectEvents(const TByteSource& source, TProjectSink& sink) : source_(source), state_{sink, false, std::nullopt}
    { }

    std::uint64_t LastEvent() const { return lastEvent_; }

    bool null() { return Other(json(nullptr)); }
    bool boolean(bool value) { return Other(json(value)); }
    bool number_integer(json::number_integer_t value) { return Other(json(value)); }
    bool number_unsigned(json::number_unsigned_t value) { return Other(json(value)); }
    bool number_float(json::number_float_t value, const std::string&) { return Other(json(value)); }
    bool binary(json::binary_t&) { return Other(json()); }
    bool string(std::string& text)
    {
        return Forward([&](TValueReader& r) { r.Text(text); });
    }
    bool start_object(std::size_t) { return Opened(true); }
    bool start_array(std::size_t) { return Opened(false); }
    bool end_object() { return Closed(); }
    bool end_array() { return Closed(); }
    bool key(std::string& key)
    {
        Mark();
        if (depth_ > 1)
            return Guarded([&] { value_->Key(key); });
        const TKeyRule* rule = nullptr;
        for (const TKeyRule& r : KeyRules)
            if (r.key == key)
                rule = &r;
        if (rule && !seen_.insert(rule->key).second)
            Guarded([&] { Refuse(Place(key) + " steht zweimal in der Datei"); });
        if (!rule)
            value_ = std::make_unique<TSkippedValue>();
        else if (rule->list)
            value_ = ListValue(rule->key, *rule->list, state_.sink);
        else
            value_ = SmallValue(rule->key, source_, [this, rule](const json& v) { rule->value(v, state_); });
        return true;
    }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e)
    {
        if (dynamic_cast<const json::out_of_range*>(&e))  // a number beyond a double, such as 1e999
            Fail("Die Datei ist beschädigt: eine Zahl im JSON ist zu groß");
        if (source_.AtEnd() && position >= source_.Consumed())
            Fail(Fmt("Die Datei endet mitten im Inhalt (nach %d Bytes); sie ist unvollständig",
                     static_cast<long long>(source_.Consumed())));
        Fail(Fmt("Die Datei ist beschädigt: Fehler im JSON bei Byte %d", static_cast<long long>(position)));
    }

    // After the last event: what a project must hold.
    void Finish() const
    {
        if (!state_.format)
            Fail(NotAProject());
        if (!state_.version)
            Fail(Place("version") + " fehlt oder ist keine Versionsnummer");
        for (const TKeyRule& rule : KeyRules)
            if (rule.required && !seen_.count(rule.key))
                Fail(Place(rule.key) + " fehlt");
    }

private:
    void Mark() { lastEvent_ = source_.Consumed(); }

    // Content errors of a file not yet known as a project are those of a foreign file.
    template <typename F>
    bool Guarded(F&& f)
    {
        try {
            f();
        } catch (const TContentError&) {
            if (!state_.format)
                Fail(NotAProject());
            throw;
        }
        return true;
    }
    template <typename F>
    bool Forward(F&& event)
    {
        Mark();
        if (depth_ == 0)
            Fail(NotAProject());
        Guarded([&] { event(*value_); });
        if (depth_ == 1)
            Complete();
        return true;
    }
    bool Other(json value)
    {
        return Forward([&](TValueReader& r) { r.Other(std::move(value)); });
    }
    bool Opened(bool object)
    {
        Mark();
        if (depth_ == 0) {
            if (!object)
                Fail(NotAProject());
            depth_ = 1;
            return true;
        }
        ++depth_;
        return Guarded([&] { value_->Open(object); });
    }
    bool Closed()
    {
        Mark();
        if (depth_ == 1) {
            depth_ = 0;
            return true;
        }
        Guarded([&] { value_->Close(); });
        if (--depth_ == 1)
            Complete();
        return true;
    }
    void Complete()
    {
        Guarded([&] { value_->Done(); });
        value_.reset();
    }

    const TByteSource& source_;
    TTopState state_;
    std::set<std::string_view> seen_;
    std::unique_ptr<TValueReader> value_;
    int depth_ = 0;  // 1 in the top level's object
    std::uint64_t lastEvent_ = 0;
};

}  // namespace

void ReadProjectEvents(TByteSource& source, TProjectSink& sink, const TProgressHook& progress)
{
    TProjectEvents events(source, sink);
    source.SetHook([&](std::uint64_t consumed) {
        if (consumed - events.LastEvent() > ProjectMaxTokenBytes)
            Fail(Fmt("Bei Byte %d beginnt ein Eintrag, der länger als 64 MiB ist; so lange Einträge hat eine "
                     "Projektdatei nicht",
                     static_cast<long long>(events.LastEvent())));
        ReportProgress(progress, consumed, source.Size());
    });
    std::istream in(&source);
    try {
        json::sax_parse(in, &events);
    } catch (...) {
        source.SetHook({});
        throw;
    }
    source.SetHook({});
    events.Finish();
    ReportProgress(progress, source.Consumed(), source.Size());
}

}  // namespace fluvara
