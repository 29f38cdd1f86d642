// Fuzzes CalcDateSpan over six signed 32-bit values: it must never crash, never count a
// negative number of days, and must agree with the std::chrono oracle on every field of the
// outcome. IsLeapYear is checked on the start year against std::chrono too.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "calendar/Data_Day.h"
#include "tests/oracle/DateSpanOracle.h"
#include "tests/fuzz/ByteReader.h"

namespace {

struct Date {
    int year, month, day;
};

// Years cluster where the rules have edges: the ends of the valid range and the century
// leap rule; rarely any 32-bit value.
int PickYear(ByteReader& in) {
    static const int kCenturies[] = {100, 400, 1600, 1700, 1900, 2000, 2100, 2400, 9600};
    switch (in.Byte() % 8) {
        case 0:
            return in.InRange(-2, 3);
        case 1:
            return in.InRange(9997, 10002);
        case 2:
            return kCenturies[in.Byte() % std::size(kCenturies)] + in.InRange(-1, 1);
        case 3:
            return in.InRange(2006, 2010);
        case 4:
            return in.Int32();
        default:
            return in.InRange(1, 9999);
    }
}

// Months 0..13, days 0..32 with the month ends weighted up; rarely any 32-bit value.
int PickMonth(ByteReader& in) {
    return in.Byte() % 16 == 0 ? in.Int32() : in.InRange(0, 13);
}

int PickDay(ByteReader& in) {
    const uint8_t kind = in.Byte() % 16;
    if (kind == 0) return in.Int32();
    return kind < 5 ? in.InRange(27, 32) : in.InRange(0, 32);
}

Date PickDate(ByteReader& in) {
    const int year = PickYear(in);
    const int month = PickMonth(in);
    return {year, month, PickDay(in)};
}

// Wraps instead of overflowing at the ends of the 32-bit range.
int Nudge(int value, int delta) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

// The end date is often the start date, or the start date with one field changed or every
// field moved by one, so that the order and equality checks are reached.
Date PickEnd(ByteReader& in, const Date& start) {
    Date end = start;
    switch (in.Byte() % 4) {
        case 0:
            break;
        case 1:
            switch (in.Byte() % 3) {
                case 0:
                    end.year = PickYear(in);
                    break;
                case 1:
                    end.month = PickMonth(in);
                    break;
                default:
                    end.day = PickDay(in);
                    break;
            }
            break;
        case 2:
            end.year = Nudge(end.year, in.InRange(-1, 1));
            end.month = Nudge(end.month, in.InRange(-1, 1));
            end.day = Nudge(end.day, in.InRange(-1, 1));
            break;
        default:
            end = PickDate(in);
            break;
    }
    return end;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const unsigned char c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : hex;
    }
    return out;
}

void PrintOutcome(const char* label, const CalcOutcome& o) {
    std::fprintf(stderr, "  %s: valid=%d days=%d focus=%d text=\"%s\"\n", label,
                 static_cast<int>(o.valid), o.days, o.focus ? static_cast<int>(*o.focus) : -1,
                 Escaped(o.text).c_str());
}

[[noreturn]] void Fail(const char* what, const Date& s, const Date& e, const CalcOutcome& got,
                       const CalcOutcome& expected) {
    std::fprintf(stderr, "date_span_fuzz: %s for %d-%d-%d .. %d-%d-%d\n", what, s.year, s.month,
                 s.day, e.year, e.month, e.day);
    PrintOutcome("expected", expected);
    PrintOutcome("got     ", got);
    std::abort();
}

void CheckLeapYear(int year) {
    if (year < static_cast<int>(std::chrono::year::min()) ||
        year > static_cast<int>(std::chrono::year::max()))
        return;
    if (IsLeapYear(year) != std::chrono::year{year}.is_leap()) {
        std::fprintf(stderr, "date_span_fuzz: IsLeapYear(%d) gives %d\n", year,
                     static_cast<int>(IsLeapYear(year)));
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    const Date start = PickDate(in);
    const Date end = PickEnd(in, start);

    const CalcOutcome got =
        CalcDateSpan(start.year, start.month, start.day, end.year, end.month, end.day);
    const CalcOutcome expected =
        ExpectedDateSpan(start.year, start.month, start.day, end.year, end.month, end.day);

    if (got.valid && got.days < 0) Fail("negative count", start, end, got, expected);
    if (got.valid != expected.valid || got.text != expected.text || got.focus != expected.focus ||
        (expected.valid && got.days != expected.days))
        Fail("outcome differs", start, end, got, expected);
    CheckLeapYear(start.year);
    return 0;
}
