#pragma once
// The values of the project file's top level as the reader receives them,
// event by event: a list streamed to the sink, a small value read whole, a
// value passed over. Used by projectreader.cpp only.

#include "projectreader.h"
#include "textformat.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace fluvara::project {

using nlohmann::json;

// What is wrong with the content; a file whose format name has not been
// read yet gets the message of a foreign file instead.
class TContentError : public TInputError {
public:
    using TInputError::TInputError;
};

[[noreturn]] inline void Fail(const std::string& message) { throw TInputError("Projektdatei: " + message); }
[[noreturn]] inline void Refuse(const std::string& message) { throw TContentError("Projektdatei: " + message); }

inline std::string Place(std::string_view path) { return "„" + std::string(path) + "“"; }

inline std::string NotAProject()
{
    return Fmt("Die Datei ist keine Projektdatei von FLUVARA (der Formatname „%s“ fehlt)", ProjectFormatName);
}

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

// A small value read whole, within ProjectMaxSmallValueBytes of the file;
// the handler gets it once it is complete.
std::unique_ptr<TValueReader> SmallValue(std::string_view key, const TByteSource& source,
                                         std::function<void(const json&)> handler);
// A list: its columns, then its rows one by one to the sink.
std::unique_ptr<TValueReader> ListValue(std::string_view key, TReachKind kind, TProjectSink& sink);

}  // namespace fluvara::project
