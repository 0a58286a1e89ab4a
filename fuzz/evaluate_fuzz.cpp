// ntc-beta fuzzing: the whole evaluation, four fields and a check value.
//
// Input: one byte for the check value (as a signed 8-bit number, so states
// other than 0, 1 and 2 come up too), then the four fields separated by 0x1F.
#include "calc/b_value.h"
#include "fuzz_input.h"

#include <cstdlib>
#include <string>

namespace {

bool isNumberText(const std::u16string& s)
{
    if (s.empty() || s.size() > 8 || (s[0] != u' ' && s[0] != u'-')) return false;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char16_t c = s[i];
        const bool allowed = (c >= u'0' && c <= u'9') || c == u'.' || c == u'E' || c == u'+' || c == u'-';
        if (!allowed) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const auto check = static_cast<std::int16_t>(static_cast<std::int8_t>(data[0]));
    std::vector<std::u16string> fields = fuzz::decodeFields(data + 1, size - 1);
    fields.resize(4);
    const std::u16string result = calc::evaluate(fields[0], fields[1], fields[2], fields[3], check);
    if (result != calc::kFillInMessage && result != calc::kInvalidMessage && !isNumberText(result)) std::abort();
    return 0;
}
