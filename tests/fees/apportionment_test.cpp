#include "fees/apportionment.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace lumtar {
namespace {

struct ShortfallCase {
    const char* name;
    double remainder;
    bool shortfall;
};

class ShortfallTest : public testing::TestWithParam<ShortfallCase> {};

TEST_P(ShortfallTest, CountsOnlyWhatIsShortToTheCent) {
    EXPECT_EQ(IsShortfall(GetParam().remainder), GetParam().shortfall);
}

const std::array<double, 2> kTenthAndFifth{0.1, 0.2};
const std::array<double, 2> kRowsOf100000{8192.04, 91807.96};

INSTANTIATE_TEST_SUITE_P(
    Remainders, ShortfallTest,
    testing::Values(
        ShortfallCase{"Zero", 0, false}, ShortfallCase{"Positive", 0.01, false},
        ShortfallCase{"TenthsHairBelowZero", RemainingPortion(0.3, kTenthAndFifth), false},
        ShortfallCase{"CentsHairBelowZero", RemainingPortion(100000, kRowsOf100000), false},
        ShortfallCase{"UnderHalfCent", -0.004, false},
        ShortfallCase{"HalfCentRoundsToACent", -0.005, true}, ShortfallCase{"OneCent", -0.01, true},
        ShortfallCase{"Large", -100000, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Apportionment, HairBelowZeroIsRealForTheExamples) {
    // The two examples only matter because the unrounded remainder is negative.
    EXPECT_LT(RemainingPortion(0.3, kTenthAndFifth), 0);
    EXPECT_LT(RemainingPortion(100000, kRowsOf100000), 0);
}

TEST(Apportionment, RemainderTakesThePortionsInRowOrder) {
    const std::vector<double> portions{60000, 30000, 5000};
    EXPECT_DOUBLE_EQ(RemainingPortion(100000, std::span(portions).first(1)), 40000);
    EXPECT_DOUBLE_EQ(RemainingPortion(100000, portions), 5000);
    EXPECT_DOUBLE_EQ(RemainingPortion(3, {}), 3);
}

TEST(Apportionment, ShareDividesByTheAmountBeforeTakingTheFee) {
    EXPECT_DOUBLE_EQ(FeeShare(60000, 100000, 2300), 1380);
    EXPECT_DOUBLE_EQ(FeeShare(1, 3, 50), 1.0 / 3 * 50);
}

struct NoteCase {
    const char* name;
    double fee;
    std::array<double, 4> shares;
    const char* note;
};

class AgreementNoteTest : public testing::TestWithParam<NoteCase> {};

TEST_P(AgreementNoteTest, ComparesTheSharesAsShown) {
    EXPECT_EQ(AgreementNote(GetParam().fee, GetParam().shares), GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, AgreementNoteTest,
    testing::Values(
        NoteCase{"Agree", 2300, {1380, 920, 0, 0}, " 分项诉讼费与总诉讼费 相符！  "},
        NoteCase{"AgreeAfterRounding", 50, {16.67, 33.33, 0, 0}, " 分项诉讼费与总诉讼费 相符！  "},
        NoteCase{"SharesAboveFee",
                 50,
                 {16.67, 16.67, 16.67, 0},
                 " 因四舍五入，总诉讼费与分项诉讼费之和相差-0.01"},
        NoteCase{"SharesBelowFee",
                 50,
                 {16.66, 16.66, 16.66, 0},
                 " 因四舍五入，总诉讼费与分项诉讼费之和相差0.02"},
        NoteCase{"NoShares", 0, {0, 0, 0, 0}, " 分项诉讼费与总诉讼费 相符！  "}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumtar
