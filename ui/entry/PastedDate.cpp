#include "ui/entry/PastedDate.h"

#include <string_view>

#include "ui/entry/FieldNumber.h"

namespace {

// "년", "월", "일" in CP949.
constexpr std::string_view kYearUnit = "\xB3\xE2";
constexpr std::string_view kMonthUnit = "\xBF\xF9";
constexpr std::string_view kDayUnit = "\xC0\xCF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the text from left to right; every step either takes what it names or takes nothing.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(TrimBlanks(text)) {}

    bool AtEnd() const { return m_text.empty(); }

    // minDigits..maxDigits decimal digits, and no digit right after them.
    bool Number(std::size_t minDigits, std::size_t maxDigits, int& value) {
        std::size_t count = 0;
        int read = 0;
        while (count < m_text.size() && IsDigit(m_text[count])) {
            if (++count > maxDigits) return false;
            read = read * 10 + (m_text[count - 1] - '0');
        }
        if (count < minDigits) return false;
        m_text.remove_prefix(count);
        value = read;
        return true;
    }

    bool Take(std::string_view token) {
        if (!m_text.starts_with(token)) return false;
        m_text.remove_prefix(token.size());
        return true;
    }

    // One of the separators, whichever comes first; '\0' when none.
    char TakeOneOf(std::string_view separators) {
        if (m_text.empty() || separators.find(m_text.front()) == std::string_view::npos) return 0;
        const char taken = m_text.front();
        m_text.remove_prefix(1);
        return taken;
    }

    void SkipBlanks() {
        while (!m_text.empty() && IsBlank(m_text.front())) m_text.remove_prefix(1);
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view m_text;
};

// "3월 7일" after "2009년", blanks allowed after each unit.
bool ReadKoreanMonthDay(Reader& reader, int& month, int& day) {
    reader.SkipBlanks();
    if (!reader.Number(1, 2, month) || !reader.Take(kMonthUnit)) return false;
    reader.SkipBlanks();
    return reader.Number(1, 2, day) && reader.Take(kDayUnit);
}

// "-03-07", "/3/7", ".3.7", ". 3. 7.": one separator used twice, blanks allowed after it, and
// a closing full stop in the dotted form.
bool ReadSeparatedMonthDay(Reader& reader, int& month, int& day) {
    const char separator = reader.TakeOneOf("-/.");
    if (separator == 0) return false;
    const std::string_view separatorText(&separator, 1);
    reader.SkipBlanks();
    if (!reader.Number(1, 2, month) || !reader.Take(separatorText)) return false;
    reader.SkipBlanks();
    if (!reader.Number(1, 2, day)) return false;
    if (separator == '.') reader.Take(separatorText);
    return true;
}

}  // namespace

std::optional<CivilDate> ParsePastedDate(std::string_view cp949Text) {
    Reader reader(cp949Text);
    CivilDate date{};
    if (!reader.Number(4, 4, date.year)) return std::nullopt;
    const bool read = reader.Take(kYearUnit) ? ReadKoreanMonthDay(reader, date.month, date.day)
                                             : ReadSeparatedMonthDay(reader, date.month, date.day);
    if (!read || !reader.AtEnd() || !IsValidDate(date)) return std::nullopt;
    return date;
}
