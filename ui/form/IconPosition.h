// Where the icon of the minimised window is drawn: centred in the client area.
#pragma once

struct IconOrigin {
    int x;
    int y;
};

// Halves with signed division truncating toward zero, so a client area smaller than the icon
// gives a negative origin.
constexpr IconOrigin CentredIconOrigin(int clientWidth, int clientHeight, int iconWidth,
                                       int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
