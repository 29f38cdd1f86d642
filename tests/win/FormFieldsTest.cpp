// The date form's fields on real controls: which writes raise which notifications, and how
// texts and list items come back. The handlers' own logic is tested against the fake form.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <imm.h>
// clang-format on

#include <functional>
#include <string>
#include <vector>

#include "OpenForm.h"

namespace {

using enum FieldId;

constexpr FieldId kYears[] = {StartYear, EndYear};
constexpr FieldId kBoxes[] = {StartMonth, StartDay, EndMonth, EndDay};

TEST(YearField, EveryWriteRaisesItsChangeInsideTheWriteEvenWhenUnchanged) {
    WithOpenForm([](TestForm& form) {
        for (int year : {0, 1}) {
            const FieldId field = kYears[year];
            const std::pair<std::function<void()>, const char*> writes[] = {
                {[&] { form.SetFieldInt(field, 2009); }, "2009"},
                {[&] { form.SetFieldInt(field, 2009); }, "2009"},
                {[&] { form.SetFieldInt(field, -5); }, "-5"},
                {[&] { form.SetFieldText(field, ""); }, ""},
                {[&] { form.SetFieldText(field, ""); }, ""},
            };
            int expected = form.yearChanges[year];
            const int otherChanges = form.yearChanges[1 - year];
            for (const auto& [write, text] : writes) {
                write();
                // Counted before the write returned, with the new text already in place.
                EXPECT_EQ(form.yearChanges[year], ++expected) << year << ": " << text;
                EXPECT_EQ(form.yearTextAtChange[year], text);
            }
            // The writes above change the counts through the form; cppcheck sees no change.
            // cppcheck-suppress knownConditionTrueFalse
            EXPECT_EQ(form.yearChanges[1 - year], otherChanges);
        }
    });
}

TEST(YearField, TakesTypedDigitsAndRefusesTypedLetters) {
    WithOpenForm([](TestForm& form) {
        for (FieldId field : kYears) {
            TypeChar(form.Control(field), L'a');
            EXPECT_EQ(form.GetFieldText(field), "");
            TypeChar(form.Control(field), L'7');
            EXPECT_EQ(form.GetFieldText(field), "7");
        }
    });
}

TEST(DateBox, OnlyTheUsersTypingRaisesEditChange) {
    WithOpenForm([](TestForm& form) {
        for (FieldId box : kBoxes) {
            form.SetFieldInt(box, 7);
            form.SetFieldText(box, "x");
            form.AddListItem(box, " 1");
            form.ClearList(box);
        }
        EXPECT_EQ(form.boxEdits, 0);

        for (FieldId box : kBoxes) TypeChar(form.Control(box), L'1');
        EXPECT_EQ(form.boxEdits, 4);
    });
}

TEST(DateBox, NumbersAreWrittenInPlainSignedDecimal) {
    WithOpenForm([](TestForm& form) {
        for (FieldId box : kBoxes) {
            form.SetFieldInt(box, 7);
            EXPECT_EQ(form.GetFieldText(box), "7");
            form.SetFieldInt(box, -5);
            EXPECT_EQ(form.GetFieldText(box), "-5");
        }
    });
}

TEST(DateBox, ClearListEmptiesListAndText) {
    WithOpenForm([](TestForm& form) {
        for (FieldId box : kBoxes) {
            form.AddListItem(box, " 5");
            form.SetFieldText(box, " 5");
            form.ClearList(box);
            EXPECT_TRUE(ListItems(form.Control(box)).empty());
            EXPECT_EQ(form.GetFieldText(box), "");
        }
    });
}

TEST(DateBox, DayListsSortTheirItemsMonthListsKeepTheOrderAdded) {
    WithOpenForm([](TestForm& form) {
        const std::vector<std::string> added = {"10", " 2", " 1", "31", " 9"};
        for (FieldId box : kBoxes) {
            form.ClearList(box);
            for (const std::string& item : added) form.AddListItem(box, item);
        }
        const std::vector<std::string> sorted = {" 1", " 2", " 9", "10", "31"};
        EXPECT_EQ(ListItems(form.Control(StartMonth)), added);
        EXPECT_EQ(ListItems(form.Control(EndMonth)), added);
        EXPECT_EQ(ListItems(form.Control(StartDay)), sorted);
        EXPECT_EQ(ListItems(form.Control(EndDay)), sorted);
    });
}

TEST(DateBox, ListItemChosenReadsAsItsNumberAndWritesLeaveTheListAlone) {
    WithOpenForm([](TestForm& form) {
        const std::vector<std::string> items = {" 6", " 7", " 8"};
        form.ClearList(StartDay);
        for (const std::string& item : items) form.AddListItem(StartDay, item);
        SendMessageW(form.Control(StartDay), CB_SETCURSEL, 1, 0);
        EXPECT_EQ(form.GetFieldText(StartDay), " 7");
        EXPECT_EQ(form.GetFieldInt(StartDay), 7);

        form.SetFieldInt(StartDay, 3);
        EXPECT_EQ(ListItems(form.Control(StartDay)), items);
    });
}

// Typing over a filled form: the form's own focus moves leave a field's text selected, as Tab
// does; and keys reach every field as plain characters, with no input method attached.
TEST(DateField, FocusMovedByTheFormSelectsTheTextAndNoInputMethodIsAttached) {
    WithOpenForm([](TestForm& form) {
        // Twice round: a combo box selects its text by itself only the first time.
        for (FieldId field : {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay, StartYear,
                              StartMonth, StartDay, EndYear, EndMonth, EndDay}) {
            HWND control = form.Control(field);
            HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
            if (!edit) edit = control;
            form.SetFieldText(field, "12");
            form.FocusField(field);
            const auto selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
            EXPECT_EQ(GetFocus(), edit);
            EXPECT_EQ(LOWORD(selection), 0);
            EXPECT_EQ(HIWORD(selection), 2);
            EXPECT_EQ(ImmGetContext(edit), nullptr);
        }
    });
}

}  // namespace
