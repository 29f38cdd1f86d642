#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "Cp949.h"
#include "FakeDateForm.h"

using enum FieldId;

namespace {

constexpr FieldId kAllFields[] = {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay};
constexpr FieldId kBoxes[] = {StartMonth, StartDay, EndMonth, EndDay};

// Checks what must hold after any user action: months read 1..12, are empty or hold a lone "0"
// waiting for its second digit, and every list
// holds at most its bound of valid two-column items. Texts are read by the C library rather than
// by the form's own reader, so that a fault in that reader shows.
void ExpectSoundForm(const FakeDateForm& form, int step) {
    for (FieldId month : {StartMonth, EndMonth}) {
        const std::string& text = form.Text(month);
        const long value = std::strtol(text.c_str(), nullptr, 10);
        EXPECT_TRUE(text.empty() || text == "0" || (value >= 1 && value <= 12))
            << "step " << step << ": " << text;
    }
    static const std::vector<std::string> kMonthItems = TwoColumnItems(1, 12);
    static const std::vector<std::string> kDayItems = TwoColumnItems(1, 31);
    for (FieldId box : kBoxes) {
        const std::vector<std::string>& valid =
            box == StartMonth || box == EndMonth ? kMonthItems : kDayItems;
        const std::vector<std::string>& list = form.List(box);
        EXPECT_LE(list.size(), valid.size()) << "step " << step;
        for (const std::string& item : list) {
            EXPECT_TRUE(std::ranges::find(valid, item) != valid.end())
                << "step " << step << ": '" << item << "'";
        }
    }
}

}  // namespace

TEST(UserSequence, RandomTypingClickingAndChoosingKeepsMonthsAndListsSound) {
    const std::string keys[] = {"0", "1", "2", "3", "9", "a", "-", Cp949(u8"월")};
    const std::string pastes[] = {"-1",  "2009",        "12", "31",
                                  "abc", "99999999999", "-",  "2009-02-28"};
    const CivilDate days[] = {{2009, 3, 7}, {2008, 2, 29}, {2009, 12, 31}, {2000, 1, 1}};
    std::mt19937 random(20090307);
    auto pick = [&](size_t count) {
        return std::uniform_int_distribution<size_t>(0, count - 1)(random);
    };

    FakeDateForm form;
    for (int step = 0; step < 20000; ++step) {
        switch (pick(12)) {
            case 0:
                form.ClickInto(kAllFields[pick(6)]);
                break;
            case 1:
            case 2:
            case 3:
                form.Type(keys[pick(std::size(keys))]);
                break;
            case 4:
                form.Backspace();
                break;
            case 5:
                form.Paste(pastes[pick(std::size(pastes))]);
                break;
            case 6:
                form.OpenList(kBoxes[pick(4)]);
                break;
            case 7: {
                const FieldId box = kBoxes[pick(4)];
                if (!form.List(box).empty()) form.Choose(box, pick(form.List(box).size()));
                break;
            }
            case 8:
                form.OnCalculate();
                break;
            case 9:
                form.OnReset();
                break;
            case 10:
                form.today = days[pick(std::size(days))];
                form.OnFromToday();
                break;
            case 11:
                form.today = days[pick(std::size(days))];
                form.OnUntilToday();
                break;
        }
        ExpectSoundForm(form, step);
        if (HasFailure()) break;
    }
}
