// Prints calendar/LunarYearTable.h: the Korean lunar years 1900..2050 (each year's month
// lengths, its leap month and its new year's day) and the 60-day and 60-year cycles' starts,
// from two independent converters of the Korea Astronomy and Space Science Institute's tables.
// Every day of solar 1900-01-31 .. 2050-12-31 is converted to lunar with both, back to solar
// with each, and its year and day names compared with both; exits 1 without printing the table
// when anything differs. Run through scripts/lunar-dates.sh.
"use strict";
const KoreanLunarCalendar = require("korean-lunar-calendar");
const korLunar = require("kor-lunar");

const firstDay = Date.UTC(1900, 0, 31);  // lunar 1900-01-01
const lastDay = Date.UTC(2050, 11, 31);  // the last day both converters cover
const msPerDay = 86400000;
const stems = "갑을병정무기경신임계";
const branches = "자축인묘진사오미신유술해";
const cycleName = (index) => stems[index % 10] + branches[index % 12];

function solarOf(time) {
  const date = new Date(time);
  return [date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate()];
}

// Both converters' lunar date of a solar day, each converted back by the other one's converter
// too, with the year's and the day's 60-cycle names.
function convert(solar) {
  const calendar = new KoreanLunarCalendar();
  if (!calendar.setSolarDate(...solar)) return null;
  const a = calendar.getLunarCalendar();
  const names = calendar.getKoreanGapja();
  const b = korLunar.toLunar(...solar);
  const lunarA = [a.year, a.month, a.day, a.intercalation];
  const lunarB = [b.year, b.month, b.day, b.isLeapMonth];
  if (lunarA.join() !== lunarB.join()) return null;
  if (names.year !== b.secha + "년" || names.day !== b.iljin + "일") return null;
  const back = new KoreanLunarCalendar();
  if (!back.setLunarDate(...lunarB)) return null;
  const backA = back.getSolarCalendar();
  const backB = korLunar.toSolar(...lunarA);
  if ([backA.year, backA.month, backA.day].join() !== solar.join() ||
      [backB.year, backB.month, backB.day].join() !== solar.join()) {
    return null;
  }
  return { year: a.year, month: a.month, day: a.day, leap: a.intercalation,
           yearName: b.secha, dayName: b.iljin };
}

const years = [];  // per lunar year: months [{month, leap, length}], newYear (solar)
const problems = [];
let compared = 0;
let previous = null;
let firstDayCycle = -1;
let firstYearCycle = -1;
for (let time = firstDay; time <= lastDay; time += msPerDay) {
  const solar = solarOf(time);
  const lunar = convert(solar);
  compared++;
  if (!lunar) {
    problems.push(`${solar.join("-")}: the converters differ`);
    continue;
  }
  const index = compared - 1;
  if (index === 0) {
    firstDayCycle = [...Array(60).keys()].find((i) => cycleName(i) === lunar.dayName);
    firstYearCycle = [...Array(60).keys()].find((i) => cycleName(i) === lunar.yearName);
  }
  if (lunar.dayName !== cycleName((firstDayCycle + index) % 60) ||
      lunar.yearName !== cycleName((firstYearCycle + lunar.year - 1900) % 60)) {
    problems.push(`${solar.join("-")}: the year or day name breaks the 60-cycle`);
  }
  if (lunar.day === 1) {
    // A month follows the one before: the leap month its regular month, 1 after 12.
    const last = previous && years[years.length - 1].months.slice(-1)[0];
    const follows = !previous ||
        (lunar.leap && last.month === lunar.month && !last.leap) ||
        (!lunar.leap && lunar.month === 1 && last.month === 12) ||
        (!lunar.leap && lunar.month === last.month + 1);
    if (!follows || (previous && previous.day < 29)) {
      problems.push(`${solar.join("-")}: lunar ${lunar.month} does not follow the month before`);
    }
    if (lunar.month === 1 && !lunar.leap) {
      if (!previous ? lunar.year !== 1900 : lunar.year !== previous.year + 1) {
        problems.push(`${solar.join("-")}: lunar year ${lunar.year} out of order`);
      }
      years.push({ year: lunar.year, newYear: solar, months: [] });
    }
    years[years.length - 1].months.push({ month: lunar.month, leap: lunar.leap, length: 0 });
  } else if (!previous || lunar.day !== previous.day + 1 || lunar.month !== previous.month ||
             lunar.leap !== previous.leap) {
    problems.push(`${solar.join("-")}: lunar day ${lunar.day} does not follow the day before`);
  }
  if (years.length > 0) years[years.length - 1].months.slice(-1)[0].length = lunar.day;
  previous = lunar;
}
if (years.length !== 151) problems.push(`${years.length} lunar years, not 151`);

// The range's last month is complete only if it reached day 30; a shorter one may go on.
const lastMonthComplete = previous && previous.day === 30;
const rows = years.map((year, row) => {
  const months = year.months;
  const complete = row < years.length - 1 || lastMonthComplete ? months.length : months.length - 1;
  if (row < years.length - 1 && months.length !== 12 && months.length !== 13) {
    problems.push(`lunar ${year.year} has ${months.length} months`);
  }
  let bits = "";
  for (let i = 0; i < 13; i++) {
    const month = i < complete ? months[i] : null;
    if (month && month.length !== 29 && month.length !== 30) {
      problems.push(`lunar ${year.year}: a month of ${month.length} days`);
    }
    bits += month && month.length === 30 ? "1" : "0";
  }
  const leap = months.find((month) => month.leap);
  const newYearDay = (Date.UTC(year.newYear[0], year.newYear[1] - 1, year.newYear[2]) -
      Date.UTC(year.newYear[0], 0, 1)) / msPerDay;
  const iso = year.newYear.map((n, i) => String(n).padStart(i ? 2 : 4, "0")).join("-");
  const note = leap ? `, 윤${leap.month}월` : "";
  return `    {0b${bits}, ${String(leap ? leap.month : 0).padStart(2)}, ${newYearDay}},  // ` +
      `${year.year}: ${iso}${note}`;
});

if (problems.length > 0) {
  process.stderr.write(`${problems.length} problems in ${compared} days:\n` +
      problems.slice(0, 20).join("\n") + "\n");
  process.exit(1);
}
const last = solarOf(lastDay);
process.stderr.write(`both sources agree on all ${compared} days (1900-01-31 .. ` +
    `${last.join("-")}), both ways, with their year and day names\n`);

process.stdout.write(`// Written by scripts/lunar-dates.sh from the converters korean-lunar-calendar and kor-lunar
// (both from the Korea Astronomy and Space Science Institute's tables), which agree on every day
// of solar 1900-01-31 .. ${last.join("-")} both ways. Do not edit; run the script.
#pragma once

#include <cstdint>

namespace lunar_table {

struct Year {
    // Bit 12 - i set: the year's month i (0 = 1월) has 30 days, else 29; a leap month follows its
    // regular month. Months past the last covered day are left 0.
    std::uint16_t monthLengths;
    std::uint8_t leapMonth;   // 0: none
    std::uint8_t newYearDay;  // days from 1 January of the same solar year to 음력 1월 1일
};

inline constexpr int kFirstYear = 1900;
// The last covered day (lunar ${previous.year}-${previous.month}-${previous.day}).
inline constexpr int kLastSolar[] = {${last.join(", ")}};
// The 60-cycle (0 = 갑자) of lunar 1900 and of its first day, solar 1900-01-31.
inline constexpr int kFirstYearCycle = ${firstYearCycle};
inline constexpr int kFirstDayCycle = ${firstDayCycle};

// clang-format off
inline constexpr Year kYears[] = {
${rows.join("\n")}
};
// clang-format on

}  // namespace lunar_table
`);
