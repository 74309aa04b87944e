#include "projectreader.h"

#include "textformat.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <set>

namespace fluvara {

namespace {

using nlohmann::json;

constexpr std::string_view ColumnsKey = "spalten";
constexpr std::string_view RowsKey = "zeilen";

// What is wrong with the content; a file whose format name has not been
// read yet gets the message of a foreign file instead.
class TContentError : public TInputError {
public:
    using TInputError::TInputError;
};

[[noreturn]] void Fail(const std::string& message) { throw TInputError("Projektdatei: " + message); }
[[noreturn]] void Refuse(const std::string& message) { throw TContentError("Projektdatei: " + message); }

std::string Place(std::string_view path) { return "„" + std::string(path) + "“"; }
std::string Item(std::string_view path, std::size_t i) { return Fmt("%s[%d]", path, static_cast<long long>(i)); }

std::string NotAProject()
{
    return Fmt("Die Datei ist keine Projektdatei von FLUVARA (der Formatname „%s“ fehlt)", ProjectFormatName);
}

const char* ListNoun(TReachKind kind) { return kind == TReachKind::Circle ? "Kreisprofilliste" : "Gerinneliste"; }

// A text of the file as a cell or a column name has no NUL byte, which
// "\u0000" would put into every output.
bool HasNul(const std::string& text) { return text.find('\0') != std::string::npos; }
[[noreturn]] void RefuseNul(const std::string& path) { Refuse(Place(path) + " enthält ein Nullzeichen"); }

// The events of one value of the top level.
class TValueReader {
public:
    virtual ~TValueReader() = default;
    virtual void Text(std::string& text) = 0;
    virtual void Other(json value) = 0;  // a number, true, false or null
    virtual void Open(bool object) = 0;
    virtual void Key(std::string& key) = 0;
    virtual void Close() = 0;  // the end of an object or an array
    // The value is complete (its last event has come).
    virtual void Done() { }
};

// Any value, passed over.
class TSkippedValue : public TValueReader {
public:
    void Text(std::string&) override { }
    void Other(json) override { }
    void Open(bool) override { }
    void Key(std::string&) override { }
    void Close() override { }
};

// A small value read whole, within ProjectMaxSmallValueBytes of the file.
class TSmallValue : public TValueReader {
public:
    using THandler = std::function<void(const json&)>;
    TSmallValue(std::string_view key, const TByteSource& source, THandler handler)
        : key_(key), source_(source), start_(source.Consumed()), handler_(std::move(handler))
    { }
    void Text(std::string& text) override { Add(json(std::move(text))); }
    void Other(json value) override { Add(std::move(value)); }
    void Open(bool object) override
    {
        json* made = Add(object ? json::object() : json::array());
        open_.push_back(made);
    }
    void Key(std::string& key) override
    {
        Bound();
        pendingKey_ = std::move(key);
    }
    void Close() override { open_.pop_back(); }
    void Done() override { handler_(root_); }

private:
    void Bound() const
    {
        if (source_.Consumed() - start_ > ProjectMaxSmallValueBytes)
            Refuse(Place(key_) + " ist länger als 1 MiB");
    }
    json* Add(json value)
    {
        Bound();
        if (open_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        json& into = *open_.back();
        if (into.is_array()) {
            into.push_back(std::move(value));
            return &into.back();
        }
        json& slot = into[pendingKey_];
        slot = std::move(value);
        return &slot;
    }

    std::string key_;
    const TByteSource& source_;
    std::uint64_t start_;
    THandler handler_;
    json root_;
    std::vector<json*> open_;
    std::string pendingKey_;
};

// A list: its columns, then its rows one by one to the sink.
class TListValue : public TValueReader {
public:
    TListValue(std::string_view key, TReachKind kind, TProjectSink& sink)
        : key_(key),
          kind_(kind),
          sink_(sink),
          columnsPath_(key_ + "." + std::string(ColumnsKey)),
          rowsPath_(key_ + "." + std::string(RowsKey))
    { }

    void Text(std::string& text) override
    {
        if (Skipping(TEvent::Value))
            return;
        if (depth_ == 2 && field_ == TField::Columns) {
            if (HasNul(text))
                RefuseNul(Item(columnsPath_, columns_.size()));
            if (columns_.size() >= ProjectMaxColumns)
                Refuse(
                    Fmt("%s hat mehr als %d Spalten", Place(columnsPath_), static_cast<long long>(ProjectMaxColumns)));
            columns_.push_back(std::move(text));
        } else if (depth_ == 3) {
            if (cells_ < width_) {
                if (HasNul(text))
                    RefuseNul(Item(Item(rowsPath_, rows_), cells_));
                row_.push_back(std::move(text));
            }
            ++cells_;
        } else {
            Misplaced();
        }
    }
    void Other(json) override
    {
        if (!Skipping(TEvent::Value))
            Misplaced();
    }
    void Open(bool object) override
    {
        if (Skipping(TEvent::Open))
            return;
        if (depth_ == 0 && object) {
            depth_ = 1;
        } else if (depth_ == 1 && !object && field_ == TField::Columns) {
            depth_ = 2;
        } else if (depth_ == 1 && !object && field_ == TField::Rows) {
            if (!layout_)
                Refuse(Fmt("%s fehlt (vor %s)", Place(columnsPath_), Place(rowsPath_)));
            depth_ = 2;
        } else if (depth_ == 2 && !object && field_ == TField::Rows) {
            depth_ = 3;
            row_.clear();
            row_.reserve(width_);
            cells_ = 0;
        } else {
            Misplaced();
        }
    }
    void Key(std::string& key) override
    {
        if (Skipping(TEvent::Key))
            return;
        field_ = key == ColumnsKey ? TField::Columns : key == RowsKey ? TField::Rows : TField::Other;
        if (field_ == TField::Other) {
            skipping_ = true;  // the value that follows, whatever it is
            return;
        }
        if (!seen_.insert(key).second)
            Refuse(Place(field_ == TField::Columns ? columnsPath_ : rowsPath_) + " steht zweimal in der Datei");
    }
    void Close() override
    {
        if (Skipping(TEvent::Close))
            return;
        if (depth_ == 3) {
            EndRow();
        } else if (depth_ == 2 && field_ == TField::Columns) {
            TakeColumns();
        } else if (depth_ == 1) {
            if (!layout_)
                Refuse(Place(columnsPath_) + " fehlt");
            if (!seen_.count(std::string(RowsKey)))
                Refuse(Place(rowsPath_) + " fehlt");
            sink_.EndList(kind_);
        }
        --depth_;
    }

private:
    enum class TField { None, Columns, Rows, Other };

    enum class TEvent { Value, Open, Key, Close };

    // True for the events of a value passed over (that of an unknown key).
    bool Skipping(TEvent event)
    {
        if (!skipping_)
            return false;
        if (event == TEvent::Open)
            ++skipDepth_;
        else if (event == TEvent::Close)
            --skipDepth_;
        skipping_ = skipDepth_ > 0;  // a scalar, or the close that ends the value
        return true;
    }
    void TakeColumns()
    {
        try {
            layout_ = ReadHeader(columns_);
        } catch (const TInputError& e) {
            Refuse(Place(columnsPath_) + ": " + e.what());
        }
        if (layout_->kind != kind_)
            Refuse(Place(columnsPath_) + " ist die Kopfzeile einer " + ListNoun(layout_->kind));
        width_ = columns_.size();
        sink_.BeginList(*layout_);
    }
    void EndRow()
    {
        if (cells_ != width_)
            Refuse(Fmt("%s hat %d Einträge statt %d wie %s", Place(Item(rowsPath_, rows_)),
                       static_cast<long long>(cells_), static_cast<long long>(width_), Place(columnsPath_)));
        ++rows_;
        sink_.Row(KeptColumns(*layout_, std::move(row_), rows_ + 1));
        row_ = {};
    }
    [[noreturn]] void Misplaced() const
    {
        switch (depth_) {
        case 0:
            Refuse(Place(key_) + " ist kein Objekt");
        case 1:
            Refuse(Place(field_ == TField::Columns ? columnsPath_ : rowsPath_) + " ist keine Liste");
        case 2:
            if (field_ == TField::Columns)
                Refuse(Place(Item(columnsPath_, columns_.size())) + " ist kein Text");
            Refuse(Place(Item(rowsPath_, rows_)) + " ist keine Liste");
        default:
            Refuse(Place(Item(Item(rowsPath_, rows_), cells_)) + " ist kein Text");
        }
    }

    std::string key_;
    TReachKind kind_;
    TProjectSink& sink_;
    std::string columnsPath_;
    std::string rowsPath_;
    int depth_ = 0;  // 1 in the list's object, 2 in its columns or rows, 3 in a row
    TField field_ = TField::None;
    std::set<std::string> seen_;
    bool skipping_ = false;
    int skipDepth_ = 0;
    std::vector<std::string> columns_;
    std::optional<TListLayout> layout_;
    std::size_t width_ = 0;  // columns as read
    std::vector<std::string> row_;
    std::size_t cells_ = 0;  // of the row being read, also those beyond the width
    std::size_t rows_ = 0;
};

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

// The keys of the top level. A further list or small value of a project
// is one more row here (and, for its content, one more call of the sink).
struct TKeyRule {
    std::string_view key;
    bool required;
    std::optional<TReachKind> list;                      // a list, streamed to the sink
    void (*value)(const json& value, TTopState& state);  // else a small value, read whole
};

const TKeyRule KeyRules[] = {
    {"format", true, std::nullopt, ReadFormat},         {"version", true, std::nullopt, ReadVersion},
    {CircleListKey, true, TReachKind::Circle, nullptr}, {ChannelListKey, true, TReachKind::Channel, nullptr},
    {SeriesKey, false, std::nullopt, ReadSeries},
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
            value_ = std::make_unique<TListValue>(rule->key, *rule->list, state_.sink);
        else
            value_ = std::make_unique<TSmallValue>(rule->key, source_,
                                                   [this, rule](const json& v) { rule->value(v, state_); });
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
