// How a test program says it could not run (its window was kept from the front, so keystrokes
// would reach another program): it prints a line kNotRunPrefix + the reason and ends with
// kNotRunExitCode. The self-test runner reports such a test as not run, not as failed.
#pragma once

constexpr unsigned kNotRunExitCode = 77;
constexpr char kNotRunPrefix[] = "NOT RUN: ";
