#include "projectvalues.h"

#include <optional>
#include <set>
#include <vector>

namespace fluvara::project {

namespace {

constexpr std::string_view ColumnsKey = "spalten";
constexpr std::string_view RowsKey = "zeilen";

std::string Item(std::string_view path, std::size_t i) { return Fmt("%s[%d]", path, static_cast<long long>(i)); }

const char* ListNoun(TReachKind kind)
{
    if (kind == TReachKind::Network)
        return "Netzliste";
    return kind == TReachKind::Circle ? "Kreisprofilliste" : "Gerinneliste";
}

// A text of the file as a cell or a column name has no NUL byte, which
// "\u0000" would put into every output.
bool HasNul(const std::string& text) { return text.find('\0') != std::string::npos; }
[[noreturn]] void RefuseNul(const std::string& path) { Refuse(Place(path) + " enthält ein Nullzeichen"); }

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

}  // namespace

std::unique_ptr<TValueReader> SmallValue(std::string_view key, const TByteSource& source,
                                         std::function<void(const json&)> handler)
{
    return std::make_unique<TSmallValue>(key, source, std::move(handler));
}

std::unique_ptr<TValueReader> ListValue(std::string_view key, TReachKind kind, TProjectSink& sink)
{
    return std::make_unique<TListValue>(key, kind, sink);
}

}  // namespace fluvara::project
