#!/usr/bin/python3
"""Lists the Windows tests of a build for the self-test bundle, from the build's own test list.

Usage: make-selftest.py BUILD_DIR TESTS_TXT

Every test that CTest runs through the Windows emulator (scripts/wine-run) is a Windows program
the bundle carries. Writes the test list for the bundle's runner (tests/selftest/TestList.h
describes its lines) to TESTS_TXT and prints, one a line, the programs the bundle needs, as paths
in BUILD_DIR. In the bundle, Tessaro.exe sits at the top and every other program in tests\\.

A test run under Wine picks its system locale with TESSARO_LOCALE; on Windows the machine's own
locale holds, so that variable is left out and the code page a test expects is the machine's.
"""
import json
import os
import subprocess
import sys

WINE_ONLY = {"TESSARO_LOCALE"}
MACHINE_CODE_PAGE = {"TESSARO_EXPECTED_ACP"}
# What decides a test's success is its exit code; these would change that.
UNSUPPORTED = {"PASS_REGULAR_EXPRESSION", "FAIL_REGULAR_EXPRESSION", "WILL_FAIL", "SKIP_RETURN_CODE"}


def windows_quote(arguments):
    return subprocess.list2cmdline(arguments)


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make-selftest.py BUILD_DIR TESTS_TXT")
    build, out = os.path.realpath(argv[1]), argv[2]
    listing = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"],
                             capture_output=True, text=True, check=True).stdout
    programs = {}  # path in the build -> path in the bundle

    def bundled(path):
        path = os.path.realpath(path)
        if not path.startswith(build + "/") or not path.endswith(".exe"):
            return None
        name = os.path.basename(path)
        place = name if name == "Tessaro.exe" else "tests\\" + name
        if programs.setdefault(path, place) != place or list(programs.values()).count(place) > 1:
            sys.exit(f"make-selftest.py: two programs named {name}")
        return place

    lines = ["# Tessaro's Windows tests: name, desktop, timeout (s), program, arguments, NAME=value..."]
    for test in json.loads(listing)["tests"]:
        command = test.get("command") or []
        if len(command) < 2 or os.path.basename(command[0]) != "wine-run":
            continue  # runs on the build machine, not on Windows
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        name = test["name"]
        if UNSUPPORTED & properties.keys():
            sys.exit(f"make-selftest.py: {name} uses {sorted(UNSUPPORTED & properties.keys())}, "
                     "which the bundle's runner does not follow")
        program = bundled(command[1])
        if program is None or not program.startswith("tests\\"):
            sys.exit(f"make-selftest.py: {name} runs {command[1]}, not a test program of the build")
        environment = []
        for variable in properties.get("ENVIRONMENT", []):
            key, _, value = variable.partition("=")
            if key in WINE_ONLY:
                continue
            if key in MACHINE_CODE_PAGE:
                value = "{acp}"
            elif value.startswith("/"):
                place = bundled(value)
                if place is None:
                    sys.exit(f"make-selftest.py: {name} needs {value}, which the bundle does not carry")
                value = "{bundle}\\" + place
            environment.append(f"{key}={value}")
        desktop = "desktop" if "wine_desktop" in properties.get("RESOURCE_LOCK", []) else "-"
        timeout = int(properties.get("TIMEOUT", 300))
        fields = [name, desktop, str(timeout), program[len("tests\\"):], windows_quote(command[2:])]
        lines.append("\t".join(fields + environment))
    if len(lines) == 1:
        sys.exit("make-selftest.py: the build lists no Windows tests")
    with open(out, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")
    for path in sorted(programs, key=programs.get):
        print(os.path.relpath(path, build))


if __name__ == "__main__":
    main(sys.argv)
