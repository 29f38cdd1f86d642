// The result line's copy command: the day count's digits, or nothing to copy.
#include <gtest/gtest.h>

#include "Cp949.h"
#include "ui/form/CountToCopy.h"

TEST(CountToCopy, OnlyADayCountSentenceGivesItsDigits) {
    const struct {
        const char8_t* line = nullptr;
        std::optional<std::string> copied;
    } cases[] = {
        {u8"두 날짜 사이의 총 일수는 293일입니다.", "293"},
        {u8"두 날짜 사이의 총 일수는 1일입니다.", "1"},
        {u8"두 날짜 사이의 총 일수는 3652058일입니다.", "3652058"},
        {u8"시작 날짜와 종료 날짜를 입력하시고, 계산하기 버튼을 클릭하십시오.", {}},
        {u8"년도의 범위가 벗어났습니다. 다시 입력해 주세요.", {}},
        {u8"시작 일과 종료일이 같습니다. 다시 입력해 주세요.", {}},
        {u8"", {}},
        {u8"두 날짜 사이의 총 일수는 일입니다.", {}},
        {u8"두 날짜 사이의 총 일수는 -5일입니다.", {}},
        {u8"두 날짜 사이의 총 일수는 293일", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountToCopy(Cp949(c.line)), c.copied) << Cp949(c.line);
    }
}
