// Checks shared by the thermistor models' tests: closeness for values that
// went through exp/log, the kind of a model failure, the datasheet tables of
// data/, and the published Steinhart-Hart set (25 degC / 100000, 150 degC /
// 1628, 250 degC / 205 ohm).
#pragma once

#include "models/steinhart_hart.h"
#include "models/table_fit.h"
#include "models/thermistor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace models_test {

// Relative closeness, for values that went through exp/log.
inline ::testing::AssertionResult near(double actual, double expected, double relative)
{
    if (std::fabs(actual - expected) <= std::fabs(expected) * relative) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within " << relative << " of " << expected;
}

template <typename F>
void expectFailure(F&& f, models::ModelFailureKind kind)
{
    try {
        f();
        ADD_FAILURE() << "no failure";
    } catch (const models::ModelFailure& failure) {
        EXPECT_EQ(failure.kind(), kind) << failure.what();
    }
}

// A datasheet table of data/ (temperature_c,resistance_ohm after '#'
// notes), each row with its line number.
inline std::vector<models::TablePoint> loadTable(const std::string& name)
{
    std::ifstream in(std::string(NTC_MODELS_DATA) + "/" + name);
    std::vector<models::TablePoint> points;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#' || line[0] == 't') continue;
        const auto comma = line.find(',');
        points.push_back({std::stod(line.substr(0, comma)) + 273.15, std::stod(line.substr(comma + 1)), number});
    }
    return points;
}

inline const models::SteinhartHart kPublished{8.2649517014797e-4, 1.99562430992111e-4, 1.50702832891752e-7};

} // namespace models_test
