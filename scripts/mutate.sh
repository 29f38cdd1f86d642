#!/usr/bin/env bash
# Mutation check of the native unit tests: plants each fault of the list below, one at a time, in
# a copy of the sources (the working files are never touched), rebuilds the tests of the file it
# changed and runs them. A mutant the tests fail on is killed; one they pass SURVIVED: a fault the
# tests would miss. Exits non-zero when a mutant survived, did not build, or no longer matches its
# file. An argument runs only the mutants whose line contains it (`bash scripts/mutate.sh Entry`).
# 2 to 5 minutes on two cores; not part of the test command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
filter=${1:-}

# One mutant a line: file, then the exact original text (found once in the file) ==> its
# replacement (nothing: the text is removed). Lines starting with # are comments.
mutants=$(
    cat <<'EOF'
# The calendar: ranges, month lengths, leap years, the day count and the order checks.
calendar/Data_Day.cpp: return year >= kFirstYear && year <= kLastYear; ==> return year > kFirstYear && year <= kLastYear;
calendar/Data_Day.cpp: return year >= kFirstYear && year <= kLastYear; ==> return year >= kFirstYear && year < kLastYear;
calendar/Data_Day.cpp: return month >= 1 && month <= kMonthsPerYear; ==> return month >= 1 && month < kMonthsPerYear;
calendar/Data_Day.cpp: DayNumber({startYear, startMonth, startDay}) ==> DayNumber({startYear, startMonth, startDay}) + 1
calendar/Data_Day.cpp: constexpr int kLongestMonth = 31; ==> constexpr int kLongestMonth = 30;
calendar/Data_Day.cpp: return (year % 4 == 0 && year % 100 != 0) || ==> return (year % 4 == 0) ||
calendar/Data_Day.cpp: || endDay > DaysInMonth(endYear, endMonth)) ==> || endDay > DaysInMonth(startYear, endMonth))
calendar/Data_Day.cpp: if (startYear > endYear) return ==> if (startYear >= endYear) return
calendar/Data_Day.cpp: if (startYear == endYear && startMonth > endMonth) { ==> if (startYear == endYear && startMonth >= endMonth) {
calendar/Data_Day.cpp: Failure(kEndMonthBeforeStart, FieldId::EndMonth) ==> Failure(kEndMonthBeforeStart, FieldId::StartMonth)
calendar/Data_Day.cpp: if (startDay > endDay) return ==> if (startDay >= endDay) return
# The date tools' arithmetic: month shifts by both rules, the range, breakdowns, age, texts.
calendar/DateMath.cpp: if (from.day > DaysIn(target)) return ==> if (from.day >= DaysIn(target)) return
calendar/DateMath.cpp: return DateOfDayNumber(ClampedDay(target, base.day) + 1); ==> return DateOfDayNumber(ClampedDay(target, base.day));
calendar/DateMath.cpp: day < DaysIn(target) ? day : DaysIn(target) ==> day > DaysIn(target) ? day : DaysIn(target)
calendar/DateMath.cpp: includeStart ? days - 1 : days ==> includeStart ? days : days
calendar/DateMath.cpp: return LastDayOfMonths(birth, months) + 1; } ==> return LastDayOfMonths(birth, months); }
calendar/DateMath.cpp: std::int64_t{kLastYear + 2} * kMonthsPerYear ==> std::int64_t{kLastYear + 1} * kMonthsPerYear
calendar/DateMath.cpp: dayNumber >= kDaysThrough9999) ==> dayNumber > kDaysThrough9999)
calendar/DateMath.cpp: while (months > 0 && monthsEnd(months) > toDay) ==> while (months > 1 && monthsEnd(months) > toDay)
calendar/DateMath.cpp: if (DayNumber(to) < DayNumber(from)) std::swap(from, to); ==>
calendar/DateMath.cpp: return static_cast<int>((DayNumber(date) + 1) % 7); ==> return static_cast<int>((DayNumber(date) + 2) % 7);
calendar/KoreanDateText.cpp: (digits.size() - i) % 3 == 0 ==> (digits.size() - i) % 3 == 1
# Holidays, working days and deadlines: faults a hurried edit makes.
calendar/WorkingDays.cpp: if (calendar.IsWorkingDay(current)) { ==> if (!calendar.IsPublicHoliday(current)) {
calendar/WorkingDays.cpp: calendar.HolidaysBetween(DateOf(first), to) ==> calendar.HolidaysBetween(from, to)
calendar/HolidayRules.cpp: date < rule.substitutesFrom ? ==> date.year < rule.substitutesFrom.year ?
calendar/UserHolidayFile.cpp: length = 3, lowest = 0x800, ==> length = 3, lowest = 0,
calendar/UserHolidayFile.cpp: length = 4, lowest = 0x10000, ==> length = 4, lowest = 0,
calendar/LegalDeadline.cpp: if (!includeStart) start = ==> if (includeStart) start =
calendar/LegalDeadline.cpp: if (!calendar.IsWorkingDay(*counted)) { ==> if (false) {
calendar/ScheduledElections.cpp: IsHolidayOn(holidays, AddDays(day, 1))) { ==> false) {
# The typing aids: the year rule, complete fields, typed days, the month and day lists.
ui/form/TypingAids.cpp: if (startYear > endYear) SetFieldText(EndYear, ""); ==> if (startYear >= endYear) SetFieldText(EndYear, "");
ui/form/TypingAids.cpp: start_.OnBoxEditChange(Number(StartMonth)); ==> end_.OnBoxEditChange(Number(EndMonth));
ui/form/TypingAids.cpp: return month >= 1 && month <= 12; ==> return month >= 1 && month < 12;
ui/form/TypingAids.cpp: if (!IsMonth(startMonth)) return; ==> if (!IsMonth(startMonth + 1)) return;
ui/form/TypingAids.cpp: startYear == endYear ? startMonth : 1 ==> startYear <= endYear ? startMonth : 1
ui/form/TypingAids.cpp: startYear == endYear && startMonth == endMonth; ==> startYear <= endYear && startMonth == endMonth;
ui/form/TypingAids.cpp: startYear == endYear && startMonth == endMonth; ==> startYear == endYear && startMonth <= endMonth;
ui/form/TypingAids.cpp: sameMonth ? startDay : 1 ==> sameMonth ? startDay + 1 : 1
ui/form/TypingAids.cpp: DaysInMonth(endYear, endMonth) ==> DaysInMonth(startYear, endMonth)
ui/form/TypingAids.cpp: endMonth == 0 ? 31 ==> endMonth == 0 ? 30
ui/form/TypingAids.cpp: end_.OnBoxEditChange(Number(EndMonth)); ==> end_.OnBoxEditChange(Number(EndDay));
ui/entry/DateEntry.cpp: constexpr std::size_t kYearDigits = 4; ==> constexpr std::size_t kYearDigits = 3;
ui/entry/DateEntry.cpp: : ParseFieldInt(text) < 0; ==> : ParseFieldInt(text) < -1;
ui/entry/DateEntry.cpp: if (text.size() < kCompleteBox) return EntryStep::Typing; ==> if (text.size() <= kCompleteBox) return EntryStep::Typing;
ui/entry/DateEntry.cpp: if (!rules_.moveOnWhenEmptied) return EntryStep::Emptied; ==>
ui/entry/DateEntry.cpp: return month == 2 ? kLeapFebruary ==> return month == 2 ? 28
ui/entry/DateEntry.cpp: value >= 1 && value <= last ==> value >= 1 && value < last
ui/entry/DateEntry.cpp: value >= 1 && value <= last ==> value >= 0 && value <= last
ui/entry/DateEntry.cpp: IsMonth(month) ? LongestDays(month) : 0; ==> IsMonth(month) ? LongestDays(month) : 31;
ui/entry/DateEntry.cpp: controls_.ClearEntryList(field); ==>
ui/entry/DateEntry.cpp: std::max(first, 1); n <= last; ==> std::max(first, 1); n < last;
ui/entry/DateEntry.cpp: std::max(first, 1); ==> first;
ui/entry/DateEntry.cpp: if (next != box) MoveFocus(next); ==> MoveFocus(next);
# The commands, the initial lists and the clock.
ui/form/FormCommands.cpp: {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay} ==> {StartYear, StartMonth, EndYear, EndMonth, EndDay}
ui/form/FormCommands.cpp: {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay} ==> {StartYear, StartMonth, StartDay, EndYear, EndMonth}
ui/form/FormCommands.cpp: SetLineText(IDC_RESULT, kInstructionLine); ==>
ui/form/FormCommands.cpp: end_.Empty(); ==>
ui/form/FormCommands.cpp: start_.Fill(ReadToday()); ==> end_.Fill(ReadToday());
ui/form/FormCommands.cpp: date->OfferDays(1, 31); ==> date->OfferDays(1, 30);
ui/form/FormCommands.cpp: date->OfferMonths(1); ==> date->OfferMonths(2);
ui/form/FormCommands.cpp: if (outcome.focus) FocusField(*outcome.focus); ==>
ui/form/FormCommands.cpp: {today.year, today.month, today.day} ==> {today.year, today.day, today.month}
# Reading a field's number and writing list items; the form's texts.
ui/entry/FieldNumber.cpp: "%2d" ==> "%d"
ui/entry/FieldNumber.cpp: "%2d" ==> "%02d"
ui/entry/FieldNumber.cpp: (text[i] == ' ' || text[i] == '\t') ==> (text[i] == '\t')
ui/entry/FieldNumber.cpp: text[i] <= '9' ==> text[i] < '9'
ui/entry/FieldNumber.cpp: if (magnitude > limit) return 0; ==> if (magnitude >= limit) return 0;
ui/entry/FieldNumber.cpp: negative ? -magnitude : magnitude ==> magnitude
ui/entry/FieldNumber.cpp: negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min()) ==> negative ? std::numeric_limits<int32_t>::max()
ui/form/FormTexts.cpp: "%4d\xB3\xE2 %2d\xBF\xF9 ==> "%4d\xB3\xE2 %d\xBF\xF9
ui/form/FormTexts.cpp: return "\xBD\xC3\xC0\xDB \xC0\xCF"; ==> return "\xBD\xC3\xC0\xDB \xBF\xF9";
EOF
)

selected=$(grep -v '^#' <<<"$mutants" | grep -F -- "$filter" || true)

work=$(mktemp -d -t tessaro-mutate.XXXXXX)
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
fail() {
    echo "mutate: $*" >&2
    exit 1
}

[ -n "$selected" ] || fail "no mutant matches '$filter'"
bash scripts/setup.sh
start=$SECONDS

# The tests that see a file's faults: the executable to rebuild and the cases to run.
tests_of() {
    case $1 in
        calendar/DateMath.cpp | calendar/KoreanDateText.cpp)
            echo "calendar_tests ^(ShiftDate|BreakDownPeriod|AgeOn|KoreanDateText|DateMath)" ;;
        calendar/Holidays.cpp | calendar/HolidayRules.cpp | calendar/ScheduledElections.cpp | \
            calendar/UserHolidayFile.cpp | calendar/WorkingDays.cpp | calendar/LegalDeadline.cpp)
            echo "holiday_tests ^(Holidays|UserHolidayFile|WorkingDays)" ;;
        calendar/*) echo "calendar_tests ^(DateSpan|LeapYear)" ;;
        ui/*) echo "form_tests ^(EntryAssist|FormCommands|FieldN|UserSequence|DateTools|PastedDate)" ;;
        *) return 1 ;;
    esac
}

# The copy: every tracked or new file of the working tree, as it is now.
src=$work/src
build=$src/build/native
mkdir -p "$src"
git ls-files -z --cached --others --exclude-standard | tar -c --null -T - | tar -x -C "$src" ||
    fail "could not copy the sources to $src"
(cd "$src" && cmake --preset native >"$work/log" 2>&1) ||
    fail "configuring the copy failed: $(tail -1 "$work/log")"
cmake --build "$build" -j2 >"$work/log" 2>&1 ||
    fail "the unmutated tests do not build: $(grep -m1 -E 'error' "$work/log")"
ctest --test-dir "$build" -j2 --no-tests=error >"$work/log" 2>&1 ||
    fail "the unmutated tests fail: $(grep -m1 -E 'tests failed' "$work/log")"

total=0 killed=0 survived=0 broken=0
while IFS= read -r line; do
    file=${line%%: *}
    rest=${line#*: }
    original=${rest%% ==>*}
    replacement=${rest#* ==>}
    replacement=${replacement# }
    read -r target regex < <(tests_of "$file") || fail "no tests known for $file"
    total=$((total + 1))
    shown="$file: $original -> ${replacement:-(removed)}"

    path=$src/$file
    text=$(<"$path")$'\n'
    after=${text#*"$original"}
    if [[ $after == "$text" || $after == *"$original"* ]]; then
        echo "STALE     $shown (the original is not in the file exactly once)"
        broken=$((broken + 1))
        continue
    fi
    cp "$path" "$work/saved"
    printf '%s' "${text/"$original"/"$replacement"}" >"$path"

    if ! cmake --build "$build" -j2 --target "$target" >"$work/log" 2>&1; then
        echo "NO BUILD  $shown: $(grep -m1 'error' "$work/log")"
        broken=$((broken + 1))
    elif ctest --test-dir "$build" -R "$regex" -j2 --timeout 60 --no-tests=error \
        >"$work/log" 2>&1; then
        echo "SURVIVED  $shown"
        survived=$((survived + 1))
    else
        echo "killed    $shown"
        killed=$((killed + 1))
    fi
    cp "$work/saved" "$path"
done <<<"$selected"

echo "mutate: $total mutants, $killed killed, $survived survived," \
    "$broken stale or not building, in $((SECONDS - start)) s with the first build"
[ "$survived" -eq 0 ] && [ "$broken" -eq 0 ]
