// A one-line progress bar on a terminal: pages done, pages a second, time left.
#pragma once

#include <chrono>
#include <cstdio>

namespace wolftool {

class TProgressBar {
public:
    // Draws only when out is a terminal and not quiet.
    TProgressBar(FILE* out, bool quiet);
    ~TProgressBar();

    void Show(int done, int total);

private:
    FILE* FOut;
    bool FActive;
    bool FDrawn = false;
    std::chrono::steady_clock::time_point FStart;
    std::chrono::steady_clock::time_point FLastDraw;
};

}  // namespace wolftool
