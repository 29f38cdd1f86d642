// The names a screen reader announces for the date fields, in place of the unit labels beside
// them ("년", "월", "일").
#include <gtest/gtest.h>

#include "Cp949.h"
#include "ui/form/FormTexts.h"

using enum FieldId;

TEST(FieldNames, ScreenReaderNamesEachDateFieldByItsDateAndPart) {
    const struct {
        FieldId field;
        const char8_t* name;
    } cases[] = {
        {StartYear, u8"시작 년도"}, {StartMonth, u8"시작 월"}, {StartDay, u8"시작 일"},
        {EndYear, u8"종료 년도"},   {EndMonth, u8"종료 월"},   {EndDay, u8"종료 일"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AccessibleName(c.field), Cp949(c.name)) << static_cast<int>(c.field);
    }
}
