// Reads the calendar file back with ical.js and compares each event with what was meant.
//   node ical-check.js <folder where ical.js is installed> <file.ics> <file.tsv>
const fs = require("fs");
const [installed, icsFile, tsvFile] = process.argv.slice(2);
const ICAL = require(require.resolve("ical.js", { paths: [require("path").resolve(installed)] }));

const calendar = new ICAL.Component(ICAL.parse(fs.readFileSync(icsFile, "utf8")));
const events = calendar.getAllSubcomponents("vevent").map((v) => new ICAL.Event(v));
const meant = fs.readFileSync(tsvFile, "utf8").trim().split("\n").map((line) => {
    const [uid, date, summaryHex] = line.split("\t");
    return { uid, date, summary: Buffer.from(summaryHex, "hex").toString("utf8") };
});

const faults = [];
if (calendar.getFirstPropertyValue("version") !== "2.0") faults.push("no VERSION 2.0");
if (events.length !== meant.length) faults.push(`${events.length} events, ${meant.length} meant`);
events.forEach((event, i) => {
    const want = meant[i] || {};
    const end = event.startDate.clone();
    end.adjust(1, 0, 0, 0);
    const got = {
        uid: event.uid,
        date: event.startDate.toString(),
        summary: event.summary,
    };
    for (const key of Object.keys(got)) {
        if (got[key] !== want[key]) faults.push(`event ${i} ${key}: ${got[key]} != ${want[key]}`);
    }
    if (!event.startDate.isDate) faults.push(`event ${i}: not all-day`);
    if (event.endDate.compare(end) !== 0) faults.push(`event ${i}: ends ${event.endDate}`);
});
faults.forEach((fault) => console.log(fault));
console.log(`${events.length} events read back, ${faults.length} faults`);
process.exitCode = faults.length > 0 ? 1 : 0;
