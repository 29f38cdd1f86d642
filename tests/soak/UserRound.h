// One round of everything a user does with the date form, so that a loop of rounds exercises
// every window, list, message box and text the program creates.
#pragma once

#include "TessaroDriver.h"

// Round n types dates that depend on n, so that successive rounds build different lists.
void WorkOneRound(TessaroDriver& app, int n);
