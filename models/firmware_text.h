// ntc-beta: ADC and R/T tables written as firmware and spreadsheets take them.
#pragma once

#include "models/rt_table.h"
#include "models/adc_table.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace models {

// A value that does not fit the type the table asks for (a temperature
// beyond int16_t's range at the scale chosen, a resistance beyond
// uint32_t's), or a table the format cannot hold; what() names the value.
class TableOverflow : public std::range_error {
public:
    using std::range_error::range_error;
};

// How temperatures are stored in a C table.
enum class TemperatureType {
    tenths,     // int16_t, °C × 10 (−3276.8 .. 3276.7 °C)
    hundredths, // int16_t, °C × 100 (−327.68 .. 327.67 °C)
    whole,      // int16_t, whole °C
    floating,   // float, two decimals
};

struct CTableStyle {
    std::string identifier = "ntc_adc_table"; // the array; its row type is `struct <identifier>_row`
    TemperatureType temperature = TemperatureType::tenths;
    bool fahrenheit = false;             // a °F column beside the °C one
    std::vector<std::string> comment;    // lines of the header comment (model, circuit, range), ASCII
};

// A temperature in kelvin as the tables and the texts about them give it in
// °C: six decimals at most, trailing zeros dropped ("-39.7", "25").
std::string celsiusText(double kelvin);

// A resistance as the tables and the texts about them give it: nine
// significant digits, trailing zeros dropped ("126800", "80.6507").
std::string ohmsText(double ohms);

// Whether `text` can name a C array: letters, digits and '_', not starting
// with a digit, not a keyword of C or C++, and not a name reserved to the
// implementation (a leading '_' followed by a capital or '_').
bool isCIdentifier(std::string_view text);

// The ADC table as a C header: a comment, an include guard named after the
// array (NTC_ADC_TABLE_H), `#include <stdint.h>`, a row type of its own
// (`uint16_t adc` and the temperature columns) and a static const array,
// rows in ascending order of count with aligned columns.
// Throws TableOverflow.
std::string adcTableC(const AdcTable& table, const CTableStyle& style);

// The ADC table as Marlin's thermistor headers hold it: the comment,
// `#pragma once` (as Marlin's own headers have it), `constexpr
// temp_entry_t <identifier>[] PROGMEM = { { OV(count), °C }, ... };`, counts
// at 10 bits (Marlin's THERMISTOR_TABLE_ADC_RESOLUTION), whole °C, ascending
// count. Throws TableOverflow when `bits` is not 10 or there are more than
// 255 rows (Marlin's limit).
std::string adcTableMarlin(const AdcTable& table, int bits, std::string_view identifier,
                           const std::vector<std::string>& comment);

// The R/T table as a C header (include guard as above): `int16_t` temperatures at the chosen scale (or float)
// and `uint32_t` resistances in whole ohms. Throws TableOverflow.
std::string rtTableC(const std::vector<TableRow>& rows, const CTableStyle& style);

// How a CSV is written for a spreadsheet: the field separator and the
// decimal mark (a comma where the locale's numbers take one, with ';'
// between fields then).
struct CsvStyle {
    char delimiter = ',';
    bool decimalComma = false;
    bool fahrenheit = false; // a temperature_f column after temperature_c
    bool selfHeating = false; // a self_heating_k column at the end (AdcRow::riseKelvin)
};

// The ADC table as CSV: adc, temperature_c[, temperature_f], resistance_ohm,
// voltage_v, resolution_c_per_count[, self_heating_k]; a header line, then
// one line per row.
std::string adcTableCsv(const AdcTable& table, const CsvStyle& style);

} // namespace models
