// The worked examples of the Korean user guide must be what the program answers: each line
// "YYYY-MM-DD → YYYY-MM-DD : N일" or "… : "message"" is recomputed with CalcDateSpan.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "Cp949.h"
#include "calendar/Data_Day.h"

namespace {

std::string ReadGuide() {
    std::ifstream file(TESSARO_GUIDE_PATH, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(UserGuide, WorkedExamplesMatchTheProgram) {
    const std::string guide = ReadGuide();
    ASSERT_EQ(guide.substr(0, 3), "\xEF\xBB\xBF") << "the guide needs its byte-order mark";

    const std::regex example(R"(^ *(\d{4})-(\d{2})-(\d{2}) → (\d{4})-(\d{2})-(\d{2}) : )"
                             R"((?:(\d+)일|\"(.*)\")\r?$)");
    std::istringstream lines(guide);
    int checked = 0;
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, example)) continue;
        SCOPED_TRACE(line);
        const CalcOutcome outcome = CalcDateSpan(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]),
                                                 std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6]));
        if (m[7].matched) {
            EXPECT_TRUE(outcome.valid);
            EXPECT_EQ(outcome.days, std::stoi(m[7]));
        } else {
            EXPECT_FALSE(outcome.valid);
            EXPECT_EQ(outcome.text, Cp949(m[8].str()));
        }
        ++checked;
    }
    EXPECT_GE(checked, 9) << "the guide's examples were not found in the expected form";
}

}  // namespace
