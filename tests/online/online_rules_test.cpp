#include "online/online_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtar {
namespace {

struct NextCase {
    const char* name;
    int k;
    int total;
    int next;
};

class NextLinkNumberTest : public testing::TestWithParam<NextCase> {};

TEST_P(NextLinkNumberTest, Rotates) {
    EXPECT_EQ(NextLinkNumber(GetParam().k, GetParam().total), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Counter, NextLinkNumberTest,
                         testing::Values(NextCase{"FirstOfTwo", 1, 2, 2},
                                         NextCase{"LastOfTwoWraps", 2, 2, 1},
                                         NextCase{"SingleLinkStays", 1, 1, 1},
                                         NextCase{"TotalZeroStaysAtOne", 1, 0, 1},
                                         NextCase{"NegativeTotalStaysAtOne", 1, -3, 1},
                                         NextCase{"AboveLoweredTotalWraps", 3, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TargetCase {
    const char* name;
    const char* http;
    const char* url;
};

class LinkTargetTest : public testing::TestWithParam<TargetCase> {};

TEST_P(LinkTargetTest, PrefixesTheScheme) {
    EXPECT_EQ(LinkTarget(GetParam().http), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LinkTargetTest,
    testing::Values(TargetCase{"Host", "www.orvane.cn", "http://www.orvane.cn"},
                    TargetCase{"HostAndPath", "www.orvane.cn/qvd/", "http://www.orvane.cn/qvd/"},
                    TargetCase{"AlreadyHttp", "http://www.orvane.cn/a", "http://www.orvane.cn/a"},
                    TargetCase{"AlreadyHttpsUpperCase", "HTTPS://x.cn", "HTTPS://x.cn"},
                    TargetCase{"OtherSchemeStaysWeb", "file:///etc/passwd",
                               "http://file:///etc/passwd"},
                    TargetCase{"Empty", "", "http://"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BodyCase {
    const char* name;
    std::string bytes;
    bool usable;
};

class LooksLikeSettingsTextTest : public testing::TestWithParam<BodyCase> {};

TEST_P(LooksLikeSettingsTextTest, Judges) {
    EXPECT_EQ(LooksLikeSettingsText(GetParam().bytes), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, LooksLikeSettingsTextTest,
    testing::Values(BodyCase{"WindowsLines", "[ad]\r\nnum=8\r\n", true},
                    BodyCase{"IndentedHeaderLater", "; comment\n  [holiday]  \nnum=0", true},
                    BodyCase{"HeaderWithoutNewline", "[ad]", true}, BodyCase{"Empty", "", false},
                    BodyCase{"Html", "<html><body>[a1] chk=1</body></html>", false},
                    BodyCase{"EmptyBrackets", "[]\nnum=1\n", false},
                    BodyCase{"NulByte", std::string("[ad]\nnum=1\0", 11), false},
                    BodyCase{"KeysWithoutSection", "num=8\ntotal=2\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumtar
