// ntc-beta: the workbench's answers to the page's script as JSON text.
#include "ui/web/workbench/json_writer.h"

#include "calc/number_writing.h"

#include <fmt/format.h>

#include <cmath>

namespace workbench {

void JsonWriter::separate()
{
    if (!first_) out_ += ',';
    first_ = false;
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    out_ += '{';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    out_ += '}';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    out_ += '[';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    out_ += ']';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    value(name);
    out_ += ':';
    first_ = true; // the value after a key takes no comma
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    separate();
    out_ += std::isfinite(number) ? calc::shortestText(number) : "null";
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    out_ += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') out_ += '\\', out_ += c;
        else if (byte < 0x20) out_ += fmt::format("\\u{:04x}", byte);
        else out_ += c;
    }
    out_ += '"';
    return *this;
}

} // namespace workbench
