#include "ProgressBar.h"

#include <cmath>
#include <string>

#ifdef _WIN32
#include <io.h>
#define KARAVEL_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define KARAVEL_ISATTY(f) isatty(fileno(f))
#endif

namespace wolftool {

TProgressBar::TProgressBar(FILE* out, bool quiet)
    : FOut(out), FActive(!quiet && KARAVEL_ISATTY(out)), FStart(std::chrono::steady_clock::now())
{
}

TProgressBar::~TProgressBar()
{
    if (FDrawn) std::fputc('\n', FOut);
}

void TProgressBar::Show(int done, int total)
{
    if (!FActive || total <= 0) return;
    const auto now = std::chrono::steady_clock::now();
    // A terminal need not redraw more than ten times a second.
    if (FDrawn && done < total && now - FLastDraw < std::chrono::milliseconds(100)) return;
    FLastDraw = now;
    FDrawn = true;
    const double seconds = std::chrono::duration<double>(now - FStart).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    const int left = rate > 0 ? static_cast<int>(std::lround((total - done) / rate)) : 0;
    constexpr int Width = 30;
    const int filled = done * Width / total;
    const std::string bar =
        std::string(static_cast<size_t>(filled), '#') + std::string(static_cast<size_t>(Width - filled), '.');
    std::fprintf(FOut, "\r[%s] %d/%d pages  %.1f pages/s  %d:%02d left ", bar.c_str(), done, total, rate, left / 60,
                 left % 60);
    std::fflush(FOut);
}

}  // namespace wolftool
