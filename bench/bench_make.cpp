// Making a 600 x 800, 2-bit book of 200 scan-sized pictures (1600 x 2400, text and a
// halftone photograph), next to ImageMagick doing only the picture part (resize, grey,
// Floyd-Steinberg to the same four levels) for the same files, one child process a
// picture. wolftool runs as a child too, so its peak memory is its own; the 50-page run
// shows that peak memory stays flat in the number of pages.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cmath>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int PictureCount = 200;
constexpr int DistinctPictures = 10;

QImage DrawScan(int seed)
{
    QImage scan(1600, 2400, QImage::Format_Grayscale8);
    scan.fill(236);
    QPainter painter(&scan);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(30);
    painter.setFont(font);
    painter.setPen(QColor(25, 25, 25));
    const QString words =
        QStringLiteral("the river ran quietly past the mill where %1 old stones lay waiting for spring ");
    for (int line = 0; line < 40; ++line)
        painter.drawText(150, 200 + line * 44, words.arg(seed * 40 + line).repeated(2).left(70));
    // A halftone photograph: dots on a 45-degree screen, sized by a smooth tone.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(15, 15, 15));
    for (int y = 0; y < 500; y += 8)
        for (int x = 0; x < 1300; x += 8) {
            const double tone = 0.5 + 0.5 * std::sin((x + seed * 50) / 130.0) * std::cos(y / 90.0);
            const double radius = 4.5 * std::sqrt(tone);
            painter.drawEllipse(QPointF(150 + x + (y / 8 % 2) * 4, 1980 + y), radius, radius);
        }
    painter.end();
    // Scanner noise.
    for (int i = 0; i < 20000; ++i) {
        const int x = (i * 7919 + seed * 104729) % scan.width(), y = (i * 6271 + seed * 3) % scan.height();
        scan.scanLine(y)[x] = static_cast<uchar>(scan.scanLine(y)[x] - 20);
    }
    return scan;
}

// The pictures, made once per run: 200 files drawn from 10 distinct scans.
class TScans {
public:
    TScans()
    {
        QDir(FDir.path()).mkpath(QStringLiteral("scans"));
        for (int i = 0; i < DistinctPictures; ++i) DrawScan(i).save(ScanPath(i));
        // The other files are copies: decoding costs the same, drawing would only slow the set-up.
        for (int i = DistinctPictures; i < PictureCount; ++i) QFile::copy(ScanPath(i % DistinctPictures), ScanPath(i));
        QImage palette(4, 1, QImage::Format_RGB32);
        const int levels[] = {0, 128, 192, 255};
        for (int i = 0; i < 4; ++i) palette.setPixel(i, 0, qRgb(levels[i], levels[i], levels[i]));
        palette.save(Path(QStringLiteral("palette.png")));
    }

    QString ScanPath(int i) const
    {
        return FDir.filePath(QStringLiteral("scans/%1.png").arg(i, 4, 10, QLatin1Char('0')));
    }
    QString Path(const QString& name) const { return FDir.filePath(name); }

    // The first count scans in a folder of their own.
    QString Folder(int count) const
    {
        const QString folder = Path(QStringLiteral("first%1").arg(count));
        if (!QDir(folder).exists()) {
            QDir().mkpath(folder);
            for (int i = 0; i < count; ++i)
                QFile::link(ScanPath(i), folder + QStringLiteral("/%1.png").arg(i, 4, 10, QLatin1Char('0')));
        }
        return folder;
    }

private:
    QTemporaryDir FDir;
};

const TScans& Scans()
{
    static const TScans scans;
    return scans;
}

struct TChildRun {
    int ExitCode = -1;
    double PeakMegabytes = 0;
};

TChildRun RunChild(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss / 1024.0};
}

void BM_WolftoolMake(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string folder = Scans().Folder(count).toStdString();
    const std::string book = Scans().Path(QStringLiteral("book.wol")).toStdString();
    TChildRun run;
    for (auto _ : state) {
        run = RunChild({WOLFTOOL_PATH, "make", book, folder, "--force", "--quiet"});
        if (run.ExitCode != 0) state.SkipWithError("wolftool make failed");
    }
    state.counters["pages/s"] = benchmark::Counter(count, benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = run.PeakMegabytes;
}
BENCHMARK(BM_WolftoolMake)->Arg(50)->Arg(PictureCount)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_ImageMagickPictures(benchmark::State& state)
{
    const std::string palette = Scans().Path(QStringLiteral("palette.png")).toStdString();
    const std::string out = Scans().Path(QStringLiteral("magick.png")).toStdString();
    for (auto _ : state)
        for (int i = 0; i < PictureCount; ++i) {
            const TChildRun run =
                RunChild({"convert", Scans().ScanPath(i).toStdString(), "-resize", "600x800", "-colorspace", "Gray",
                          "-dither", "FloydSteinberg", "-remap", palette, out});
            if (run.ExitCode != 0) {
                state.SkipWithError("ImageMagick's convert failed (is imagemagick installed?)");
                break;
            }
        }
    state.counters["pages/s"] = benchmark::Counter(PictureCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ImageMagickPictures)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Scans();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
