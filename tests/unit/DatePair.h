// A start and an end date as the six field values of the date form, for the calendar tests.
#pragma once

#include <string>

struct Dates {
    int startYear, startMonth, startDay, endYear, endMonth, endDay;
};

inline std::string Describe(const Dates& d) {
    return std::to_string(d.startYear) + "-" + std::to_string(d.startMonth) + "-" +
           std::to_string(d.startDay) + " to " + std::to_string(d.endYear) + "-" +
           std::to_string(d.endMonth) + "-" + std::to_string(d.endDay);
}
