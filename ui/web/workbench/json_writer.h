// ntc-beta: the workbench's answers to the page's script as JSON text.
#pragma once

#include <string>
#include <string_view>

namespace workbench {

// Writes one JSON value as it is built: objects and arrays opened and
// closed in order, commas put in. Numbers in the shortest form that reads
// back as the same double (JSON.parse gives the very value), null where
// not finite; strings UTF-8, escaped.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(double number);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(bool flag);
    JsonWriter& value(std::size_t count) { return value(static_cast<double>(count)); }
    JsonWriter& value(int count) { return value(static_cast<double>(count)); }
    // key(name).value(v) in one.
    template <typename T>
    JsonWriter& field(std::string_view name, const T& v)
    {
        return key(name).value(v);
    }
    const std::string& text() const { return out_; }

private:
    void separate();

    std::string out_;
    bool first_ = true; // nothing written yet in the object or array just opened
};

} // namespace workbench
