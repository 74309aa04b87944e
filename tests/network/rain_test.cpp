// The design rain: Reinhold's time coefficient, the table read between its
// rows, and the table as the command line takes it.

#include "rain.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

TEST(ReinholdRain, FifteenMinutesOfFrequencyOneGiveR15)
{
    // 38 / 24 * (1 - 0.369) = 0.99908...
    EXPECT_NEAR(ReinholdIntensity({100, 1}, 15), 100, 0.1);
    EXPECT_NEAR(ReinholdIntensity({100, 1}, 15), 99.908, 0.001);
}

TEST(ReinholdRain, TheTimeCoefficientsAsTabulated)
{
    // The coefficient phi(D, n) of the usual tables, two decimals.
    const struct {
        double D;
        double n;
        double phi;
    } rows[] = {{5, 1, 1.71},  {10, 1, 1.26},  {20, 1, 0.83},   {30, 1, 0.61},   {45, 1, 0.44},   {60, 1, 0.35},
                {90, 1, 0.24}, {120, 1, 0.19}, {15, 0.5, 1.30}, {15, 0.2, 1.78}, {10, 0.5, 1.64}, {15, 2, 0.75}};
    for (const auto& row : rows)
        EXPECT_NEAR(ReinholdIntensity({1, row.n}, row.D), row.phi, 0.005) << row.D << " min, n = " << row.n;
    EXPECT_EQ(RainIntensity(TDesignRain{{}, TReinholdRain{120, 1}}, 600), ReinholdIntensity({120, 1}, 600));
}

TEST(RainTable, ReadBetweenAndBelowItsRowsNothingAbove)
{
    const TDesignRain rain{{{5, 283.3}, {10, 190}, {15, 146.7}}, std::nullopt};
    EXPECT_EQ(RainIntensity(rain, 2), 283.3);
    EXPECT_EQ(RainIntensity(rain, 5), 283.3);
    EXPECT_EQ(RainIntensity(rain, 10), 190);
    EXPECT_NEAR(*RainIntensity(rain, 7.5), 236.65, 1e-12);
    EXPECT_NEAR(*RainIntensity(rain, 12), 172.68, 1e-12);
    EXPECT_EQ(RainIntensity(rain, 15), 146.7);
    EXPECT_FALSE(RainIntensity(rain, 15.000001));
    EXPECT_FALSE(RainIntensity(TDesignRain{}, 5));
}

TEST(RainTable, ReadFromText)
{
    const auto read = ParseRainTable("5:283,3;10:190; 15 : 146.7;");
    ASSERT_TRUE(read.table) << read.error;
    ASSERT_EQ(read.table->size(), 3u);
    EXPECT_EQ((*read.table)[0].r, 283.3);
    EXPECT_EQ((*read.table)[2].D, 15);
    EXPECT_EQ(RainTableText(*read.table), "5:283.3;10:190;15:146.7");
    EXPECT_EQ(ParseRainTable(RainTableText(*read.table)).table->size(), 3u);

    const struct {
        const char* text;
        const char* error;
    } refused[] = {
        {"", "Regentabelle, Zeile 1: „“ ist nicht „Dauer:Regenspende“ mit zwei positiven Zahlen"},
        {"5:283,3;10", "Regentabelle, Zeile 2: „10“ ist nicht „Dauer:Regenspende“ mit zwei positiven Zahlen"},
        {"5:283,3;0:190", "Regentabelle, Zeile 2: „0:190“ ist nicht „Dauer:Regenspende“ mit zwei positiven Zahlen"},
        {"5:-3", "Regentabelle, Zeile 1: „5:-3“ ist nicht „Dauer:Regenspende“ mit zwei positiven Zahlen"},
        {"5:1e3", "Regentabelle, Zeile 1: „5:1e3“ ist nicht „Dauer:Regenspende“ mit zwei positiven Zahlen"},
        {"10:190;5:283", "Regentabelle, Zeile 2: die Dauer 5 min steigt nicht über die Zeile davor"},
        {"10:190;10:180", "Regentabelle, Zeile 2: die Dauer 10 min steigt nicht über die Zeile davor"},
    };
    for (const auto& r : refused) {
        const auto reading = ParseRainTable(r.text);
        EXPECT_FALSE(reading.table) << r.text;
        EXPECT_EQ(reading.error, r.error);
    }
}

TEST(ReinholdRain, FrequencyAndR15Checked)
{
    EXPECT_EQ(ReinholdError({100, 1}), "");
    EXPECT_EQ(ReinholdError({100, 50}), "");
    EXPECT_NE(ReinholdError({100, 0}), "");
    EXPECT_NE(ReinholdError({100, 51}), "");
    EXPECT_NE(ReinholdError({0, 1}), "");
    EXPECT_NE(ReinholdError({-5, 1}), "");
}

}  // namespace
}  // namespace fluvara
