// ntc-beta: what a table's header cell says of its column, as datasheets and spreadsheets write it.
#pragma once

#include "models/quantity.h"

#include <optional>
#include <string>
#include <string_view>

namespace models {

// A temperature column and the unit its cells without one take, or a
// resistance column and the factor its plain numbers take (1000 for
// kilohms); `known` false when the cell names such a column with a unit
// this program does not read ("R(mV)").
struct ColumnUnit {
    bool temperature = false;
    TemperatureUnit unit = TemperatureUnit::unspecified;
    double factor = 1;
    bool known = true;
};

// The column a header cell names, read as datasheets write them: a name
// (temperature, temp, t, 温度; resistance, r, rt, 阻值, 电阻; any case) and
// a unit after '_', in parentheses or brackets, or after '/' (°C, C, ℃, K,
// F, °F; Ω, ohm, kΩ, kohm, k, MΩ): "temperature_c", "temperature_k",
// "T(°C)", "Temp [°C]", "resistance_kohm", "R(kΩ)", "R [Ohm]".
// std::nullopt for a cell that names neither.
std::optional<ColumnUnit> columnUnit(std::string_view cell);

// The unit a header cell gives a column whatever its name, read as a
// temperature's or a resistance's ("Rnom (kΩ)" gives the factor 1000, as
// "R(kΩ)" does): for a column taken by its place. `known` false where the
// cell's unit is none of those above.
ColumnUnit headerUnit(std::string_view cell, bool temperature);

// `text` lower-cased (ASCII letters) without blanks or tabs around it: how
// header names are compared.
std::string lowerTrimmed(std::string_view text);

} // namespace models
