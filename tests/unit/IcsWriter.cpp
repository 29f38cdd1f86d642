// Writes the calendar file of a fixed base date's 기념일 list, for the check with an independent
// parser (ical-check.sh): <out>.ics, and <out>.tsv with each event as meant (UID, date, title
// as UTF-8 in hex).
#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "calendar/Anniversaries.h"
#include "calendar/ICalendar.h"
#include "calendar/KoreanDateText.h"

namespace {

// The window's part: the program's CP949 texts as UTF-8.
std::string Utf8(const std::string& cp949) {
    iconv_t cd = iconv_open("UTF-8", "CP949");
    std::string in = cp949;
    std::string out(cp949.size() * 2, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &from, &inLeft, &to, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) std::abort();
    out.resize(out.size() - outLeft);
    return out;
}

std::string Hex(const std::string& bytes) {
    std::string hex;
    for (const unsigned char byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    return hex;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const CivilDate base{2024, 2, 29};
    const std::vector<Anniversary> list = Anniversaries(base, true);
    std::vector<AllDayEvent> events;
    std::transform(list.begin(), list.end(), std::back_inserter(events), [&](const auto& entry) {
        return AllDayEvent{entry.date, AnniversaryUid(base, entry),
                           Utf8(AnniversarySummary(base, entry))};
    });
    // A title long enough to fold, with every character that is escaped.
    const std::u8string note =
        u8" — 처음 만난 날부터 백 일째 되는 날; 축하합니다, 다음은 200일\\\n두 번째 줄";
    events.front().summary.append(note.begin(), note.end());

    const std::string out = argv[1];
    std::ofstream(out + ".ics", std::ios::binary)
        << ICalendarText(events, {{2026, 12, 9}, 19, 5, 7});
    std::ofstream tsv(out + ".tsv", std::ios::binary);
    for (const AllDayEvent& event : events) {
        tsv << event.uid << '\t' << IsoDate(event.date) << '\t' << Hex(event.summary) << '\n';
    }
    return tsv ? 0 : 1;
}
