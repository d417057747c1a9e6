// jaggo tests: the option scanner.
// Each case scans a fresh argument vector from a reset state.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "options/getopt.h"

namespace {

namespace o = jaggo::opt;

// Owns a writable argument vector, program name first, null at the end.
struct Args {
    std::vector<std::string> text;
    std::vector<char*> argv;
    explicit Args(std::initializer_list<const char*> elements) : text{"jaggo"} {
        for (const char* e : elements) text.emplace_back(e);
        for (auto& t : text) argv.push_back(t.data());
        argv.push_back(nullptr);
        o::optind = 1;
        o::optarg = nullptr;
        o::optopt = 0;
        o::optpos = nullptr;
    }
    int argc() const { return static_cast<int>(text.size()); }
    std::int32_t next(const char* optstring = "xhs:") { return o::getopt(argc(), argv.data(), optstring); }
};

TEST(OptionScanner, SeparateGroupedAndAttachedArguments) {
    Args a{"-x", "-s", "8"};
    EXPECT_EQ(a.next(), 'x');
    EXPECT_EQ(o::optarg, nullptr);
    EXPECT_EQ(a.next(), 's');
    EXPECT_EQ(o::optarg, a.argv[3]);
    EXPECT_EQ(a.next(), -1);
    EXPECT_EQ(o::optind, 4);

    Args b{"-xs8"};
    EXPECT_EQ(b.next(), 'x');
    EXPECT_EQ(b.next(), 's');
    EXPECT_EQ(o::optarg, b.argv[1] + 3);
    EXPECT_STREQ(o::optarg, "8");
    EXPECT_EQ(o::optind, 2);
    EXPECT_EQ(b.next(), -1);

    Args c{"-xs", "8", "-h"};
    EXPECT_EQ(c.next(), 'x');
    EXPECT_EQ(c.next(), 's');
    EXPECT_EQ(o::optarg, c.argv[2]);
    EXPECT_EQ(c.next(), 'h');
    EXPECT_EQ(c.next(), -1);
    EXPECT_EQ(o::optind, 4);

    // An option's argument is taken whatever it looks like.
    Args d{"-s", "-h"};
    EXPECT_EQ(d.next(), 's');
    EXPECT_STREQ(o::optarg, "-h");
    EXPECT_EQ(d.next(), -1);
}

TEST(OptionScanner, MissingArgument) {
    Args a{"-s"};
    EXPECT_EQ(a.next(), '?');
    EXPECT_EQ(o::optarg, nullptr);
    EXPECT_EQ(o::optopt, 's');
    EXPECT_EQ(o::optind, 3);  // one past the argument count

    Args b{"-xs"};
    EXPECT_EQ(b.next(), 'x');
    EXPECT_EQ(b.next(), '?');
    EXPECT_EQ(o::optind, 3);

    // A leading ':' selects ':' for a missing argument, not for an unknown option.
    Args c{"-s"};
    EXPECT_EQ(c.next(":xhs:"), ':');
    Args d{"-q"};
    EXPECT_EQ(d.next(":xhs:"), '?');
}

TEST(OptionScanner, UnknownOptionsAndColon) {
    Args a{"-q", "-h"};
    EXPECT_EQ(a.next(), '?');
    EXPECT_EQ(o::optopt, 'q');
    EXPECT_EQ(o::optind, 2);
    EXPECT_EQ(a.next(), 'h');
    EXPECT_EQ(o::optopt, 'h');

    // Inside a group the scan goes on after an unknown character.
    Args b{"-qx"};
    EXPECT_EQ(b.next(), '?');
    EXPECT_EQ(o::optind, 1);
    EXPECT_EQ(b.next(), 'x');
    EXPECT_EQ(o::optind, 2);

    // The colon is found in the option string and takes no argument.
    Args c{"-:"};
    EXPECT_EQ(c.next(), ':');
    EXPECT_EQ(o::optopt, ':');
    EXPECT_EQ(o::optind, 2);
}

TEST(OptionScanner, WhereScanningStops) {
    for (const char* stop : {"-", "word"}) {
        Args a{stop, "-x"};
        EXPECT_EQ(a.next(), -1) << stop;
        EXPECT_EQ(o::optind, 1) << stop;
        EXPECT_EQ(o::optopt, 0) << stop;
    }

    Args b{"--", "-x"};
    EXPECT_EQ(b.next(), -1);
    EXPECT_EQ(o::optind, 2);

    Args c{"-x", "word", "-h"};
    EXPECT_EQ(c.next(), 'x');
    EXPECT_EQ(c.next(), -1);
    EXPECT_EQ(o::optind, 2);

    Args d{};
    EXPECT_EQ(d.next(), -1);
    EXPECT_EQ(o::optind, 1);
}

TEST(OptionScanner, OptionalArgumentMustBeAttached) {
    Args a{"-o", "value"};
    EXPECT_EQ(a.next("o::"), 'o');
    EXPECT_EQ(o::optarg, nullptr);
    EXPECT_EQ(o::optind, 2);
    EXPECT_EQ(a.next("o::"), -1);

    Args b{"-ovalue"};
    EXPECT_EQ(b.next("o::"), 'o');
    EXPECT_STREQ(o::optarg, "value");
}

}  // namespace
