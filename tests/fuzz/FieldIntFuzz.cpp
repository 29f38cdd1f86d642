// Fuzzes ParseFieldInt over arbitrary bytes: it must never crash and must read every text as
// the reference reading below does.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "ui/entry/FieldNumber.h"

namespace {

// The C library's strtoll does the digits and the overflow; the ways in which it is more
// lenient than a date field (a plus sign, other white space) are refused before calling it.
int ReferenceFieldInt(std::string_view text) {
    const std::string copy(text);  // NUL-terminated; an embedded NUL ends the digits
    const size_t first = copy.find_first_not_of(" \t");
    if (first == std::string::npos) return 0;
    const auto lead = static_cast<unsigned char>(copy[first]);
    if (lead == '+' || std::isspace(lead)) return 0;

    const char* begin = copy.c_str() + first;
    char* stop = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &stop, 10);
    if (stop == begin || errno == ERANGE) return 0;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int got = ParseFieldInt(text);
    const int expected = ReferenceFieldInt(text);
    if (got != expected) {
        std::fprintf(stderr, "field_int_fuzz: \"");
        for (const unsigned char c : text) std::fprintf(stderr, "\\x%02X", c);
        std::fprintf(stderr, "\" reads as %d, expected %d\n", got, expected);
        std::abort();
    }
    return 0;
}
