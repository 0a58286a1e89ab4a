// ntc-beta fuzzing: turns the fuzzer's bytes into entry texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// Bytes below 0x80 stand for themselves; a byte from 0x80 up is followed by
// the two bytes of one raw UTF-16 unit (high byte first), so every unit, lone
// surrogates included, can be reached while ASCII seeds stay readable.
inline std::u16string decodeText(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80 || i + 2 >= size) {
            text += static_cast<char16_t>(data[i]);
        } else {
            text += static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]);
            i += 2;
        }
    }
    return text;
}

// Splits at the unit separator 0x1F, which no typed number uses.
inline std::vector<std::u16string> decodeFields(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::u16string> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0x1F) {
            fields.push_back(decodeText(data + start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

} // namespace fuzz
