// Tests for the firmware settings' texts: the names a firmware's section or
// sensor may take.
#include "models/firmware_config.h"

#include <gtest/gtest.h>

namespace {

TEST(FirmwareCurve, NamesEveryFormatHolds)
{
    for (const char* good : {"my_thermistor", "ATC Semitec 104GT-2", "NTC Temperature", "热床 NTC"})
        EXPECT_TRUE(models::isFirmwareName(good)) << good;
    for (const char* bad : {"", " x", "x ", "a]b", "a[b", "a\"b", "a#b", "a;b", "a:b", "a\\b", "a{b", "a\nb"})
        EXPECT_FALSE(models::isFirmwareName(bad)) << bad;
}

} // namespace
