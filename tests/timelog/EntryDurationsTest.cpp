// The duration texts of the entry dialogs: what an elapsed time reads as, what a typed duration means, and
// the Log Task dialog's duration choices.
#include "timelog/EntryDurations.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const CString& text) {
    std::vector<std::string> lines;
    std::stringstream in(static_cast<LPCSTR>(text));
    for (std::string line; std::getline(in, line, '\n');)
        lines.push_back(line);
    return lines;
}

TEST(EntryDurations, ElapsedTextsByMagnitude) {
    const struct {
        long seconds;
        const char* text;
    } cases[] = {
        {0, "0 minutes"},     {-30, "0 minutes"},   {1, "< 1 minute"},      {59, "< 1 minute"},
        {60, "1 minute"},     {90, "1 minute"},     {120, "2 minutes"},     {3599, "59 minutes"},
        {3600, "1.00 hours"}, {5400, "1.50 hours"}, {45000, "12.50 hours"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatElapsedText(c.seconds), c.text) << c.seconds << " s";
}

TEST(EntryDurations, CompletedDurationTextsShowMinutesBelowAnHour) {
    EXPECT_EQ(FormatCompletedDuration(0), "00:00");
    EXPECT_EQ(FormatCompletedDuration(45 * 60), "00:45");
    EXPECT_EQ(FormatCompletedDuration(59 * 60 + 59), "00:59");
    EXPECT_EQ(FormatCompletedDuration(3600), "1.00");
    EXPECT_EQ(FormatCompletedDuration(2 * 3600 + 15 * 60), "2.25");
}

TEST(EntryDurations, TypedDurationsInHoursOrHoursAndMinutes) {
    const struct {
        const char* text;
        long seconds;
    } good[] = {
        {"1:30", 5400}, {"1.5", 5400},    {"0:075", 7 * 60},
        {"2", 7200},    {"1.75", 6300},   {":", 0},
        {"0:15", 900},  {"10.00", 36000}, {" 3:05", 3 * 3600 + 300},
        {"1:5", 3900},  {"0.01", 0},      {"1:xx", 3600},
    };
    for (const auto& c : good) {
        long seconds = -1;
        EXPECT_TRUE(ParseDurationText(c.text, &seconds)) << c.text;
        EXPECT_EQ(seconds, c.seconds) << c.text;
    }
    // Texts that are no duration leave the result alone.
    for (const char* bad : {"", "abc", "-1.5", ".", "100000", "99999999999:00"}) {
        long seconds = 77;
        EXPECT_FALSE(ParseDurationText(bad, &seconds)) << bad;
        EXPECT_EQ(seconds, 77) << bad;
    }
}

TEST(EntryDurations, DurationChoicesFollowTheIncrement) {
    const auto halfHours = Lines(BuildDurationChoices(30));
    ASSERT_EQ(halfHours.size(), 25u);
    EXPECT_EQ(halfHours.front(), "0.00");
    EXPECT_EQ(halfHours[1], "0.50");
    EXPECT_EQ(halfHours.back(), "12.00");

    // A step that does not divide 12 hours stops below them.
    const auto sevens = Lines(BuildDurationChoices(7));
    EXPECT_EQ(sevens.size(), 103u);
    EXPECT_EQ(sevens.back(), "11.90");

    const std::vector<std::string> fixed = {"0.00", "0.25",  "0.50",  "0.75", "1.00", "2.00",
                                            "3.00", "4.00",  "5.00",  "6.00", "7.00", "8.00",
                                            "9.00", "10.00", "11.00", "12.00"};
    EXPECT_EQ(Lines(BuildDurationChoices(0)), fixed);
    EXPECT_EQ(Lines(BuildDurationChoices(-15)), fixed);
}

TEST(EntryDurations, LocaleFormsInGermanDeDE) {
    // Run with LC_ALL=de_DE.UTF-8: the comma is the decimal separator both ways.
    if (FormatCompletedDuration(5400) != "1,50")
        GTEST_SKIP() << "not running in a German locale";
    long seconds = 0;
    EXPECT_TRUE(ParseDurationText("1,5", &seconds));
    EXPECT_EQ(seconds, 5400);
    EXPECT_EQ(FormatElapsedText(5400), "1,50 hours");
}

} // namespace
