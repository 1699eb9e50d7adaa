// Making a 600 x 800, 2-bit book of scan-sized pictures (1600 x 2400, text and a halftone
// photograph) in four sets: 200 8-bit grey PNGs, 24 16-bit grey PNGs (with the noise a
// scanner leaves in the low byte), 24 colour JPEGs (a comic archive's usual pages) and 10
// colour JPEGs of twice the width and height, which make decodes at half their size. For
// each set, in one run: Qt decoding the files and nothing else (processor time, one
// thread), ImageMagick doing only the picture part (resize, grey, Floyd-Steinberg to the
// same four levels; one child process a picture, wall time; not for the large JPEGs) and
// the whole wolftool make (processor and wall time), with make's processor time over the
// decoding's and ImageMagick's wall time over make's. wolftool runs as a child too, so its
// peak memory is its own; the 50-page run shows that peak memory stays flat in the number
// of pages.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int DistinctPictures = 10;

enum class TKind { GreyPng, Grey16Png, ColourJpeg };

struct TSet {
    std::string Name;
    TKind Kind;
    int Count;
    int Scale = 1;  // of the 1600 x 2400 scan
    bool WithImageMagick = true;
};

const std::vector<TSet>& Sets()
{
    // The large JPEGs are twice as wide and high: their decoder can then decode at half the size.
    static const std::vector<TSet> sets{{"grey-png", TKind::GreyPng, 200},
                                        {"grey16-png", TKind::Grey16Png, 24},
                                        {"colour-jpeg", TKind::ColourJpeg, 24},
                                        {"large-colour-jpeg", TKind::ColourJpeg, 10, 2, false}};
    return sets;
}

QImage DrawScan(int seed, int scale)
{
    QImage scan(1600 * scale, 2400 * scale, QImage::Format_Grayscale8);
    scan.fill(236);
    QPainter painter(&scan);
    painter.scale(scale, scale);
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
    for (int i = 0; i < 20000 * scale * scale; ++i) {
        const int x = (i * 7919 + seed * 104729) % scan.width(), y = (i * 6271 + seed * 3) % scan.height();
        scan.scanLine(y)[x] = static_cast<uchar>(scan.scanLine(y)[x] - 20);
    }
    return scan;
}

// The scan as the set stores it: at 16 bits, the low byte noisy as a scanner leaves it
// (it rounds back to the same 8-bit scan); in colour, on yellowed paper.
QImage AsStored(const QImage& scan, TKind kind)
{
    if (kind == TKind::GreyPng) return scan;
    if (kind == TKind::Grey16Png) {
        QImage deep(scan.size(), QImage::Format_Grayscale16);
        uint32_t noise = 1;
        for (int y = 0; y < scan.height(); ++y) {
            auto* target = reinterpret_cast<quint16*>(deep.scanLine(y));
            for (int x = 0; x < scan.width(); ++x) {
                noise = noise * 1103515245u + 12345u;
                const int level = scan.constScanLine(y)[x] * 257 + static_cast<int>(noise >> 24) - 128;
                target[x] = static_cast<quint16>(std::clamp(level, 0, 65535));
            }
        }
        return deep;
    }
    QImage colour(scan.size(), QImage::Format_RGB32);
    for (int y = 0; y < scan.height(); ++y) {
        auto* target = reinterpret_cast<QRgb*>(colour.scanLine(y));
        for (int x = 0; x < scan.width(); ++x) {
            const int level = scan.constScanLine(y)[x];
            target[x] = qRgb(level, level * 96 / 100, level * 88 / 100);
        }
    }
    return colour;
}

// The pictures, made once per run: each set's files drawn from 10 distinct scans.
class TScans {
public:
    TScans()
    {
        for (const TSet& set : Sets()) {
            QDir(FDir.path()).mkpath(QString::fromStdString(set.Name));
            for (int i = 0; i < DistinctPictures; ++i) {
                const QImage stored = AsStored(DrawScan(i, set.Scale), set.Kind);
                if (set.Kind == TKind::ColourJpeg)
                    stored.save(Picture(set, i), "JPEG", 90);
                else
                    stored.save(Picture(set, i));
            }
            // The other files are copies: decoding costs the same, drawing would only slow the set-up.
            for (int i = DistinctPictures; i < set.Count; ++i)
                QFile::copy(Picture(set, i % DistinctPictures), Picture(set, i));
        }
        QImage palette(4, 1, QImage::Format_RGB32);
        const int levels[] = {0, 128, 192, 255};
        for (int i = 0; i < 4; ++i) palette.setPixel(i, 0, qRgb(levels[i], levels[i], levels[i]));
        palette.save(Path(QStringLiteral("palette.png")));
    }

    QString Picture(const TSet& set, int i) const
    {
        const char* suffix = set.Kind == TKind::ColourJpeg ? "jpg" : "png";
        return FDir.filePath(QStringLiteral("%1/%2.%3")
                                 .arg(QString::fromStdString(set.Name))
                                 .arg(i, 4, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(suffix)));
    }
    QString Path(const QString& name) const { return FDir.filePath(name); }

    // The set's first count pictures in a folder of their own.
    QString Folder(const TSet& set, int count) const
    {
        const QString folder = Path(QStringLiteral("%1-first%2").arg(QString::fromStdString(set.Name)).arg(count));
        if (!QDir(folder).exists()) {
            QDir().mkpath(folder);
            for (int i = 0; i < count; ++i) {
                const QString picture = Picture(set, i);
                QFile::link(picture, folder + u'/' + QFileInfo(picture).fileName());
            }
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

// Figures of earlier benchmarks in the run, by set, to set make's beside them.
std::map<std::string, double> DecodingSeconds, MagickSeconds;

double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct TChildRun {
    int ExitCode = -1;
    double PeakMegabytes = 0;
    double ProcessorSeconds = 0;
};

// The child's own peak memory so far. Its rusage cannot tell: a spawned child shares this
// process's memory until it starts its program, and the kernel keeps that peak as the child's.
double OwnPeakMegabytes(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

TChildRun RunChild(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    rusage usage{};
    double peak = 0;
    // The peak only rises, so the last look before the child ends is as good as any.
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        peak = std::max(peak, OwnPeakMegabytes(pid));
        usleep(20000);
    }
    const auto seconds = [](timeval time) { return static_cast<double>(time.tv_sec) + time.tv_usec * 1e-6; };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, peak, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// Qt's reader alone, one file after the other; halved: a JPEG decoded straight at half its
// width and height by the decoder's own scaling, as make does where that is still twice the
// size its pages need.
void QtDecoding(benchmark::State& state, const TSet& set, bool halved)
{
    double seconds = 0;
    for (auto _ : state) {
        const double start = ProcessorSeconds();
        for (int i = 0; i < set.Count; ++i) {
            QImageReader reader(Scans().Picture(set, i));
            if (halved) reader.setScaledSize(reader.size() / 2);
            if (reader.read().isNull()) state.SkipWithError("Qt cannot read the picture");
        }
        seconds = ProcessorSeconds() - start;
    }
    if (!halved) DecodingSeconds[set.Name] = seconds;
    state.counters["cpu_s"] = seconds;
    state.counters["ms/picture"] = seconds * 1000 / set.Count;
}

void ImageMagickPictures(benchmark::State& state, const TSet& set)
{
    const std::string palette = Scans().Path(QStringLiteral("palette.png")).toStdString();
    const std::string out = Scans().Path(QStringLiteral("magick.png")).toStdString();
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        for (int i = 0; i < set.Count; ++i) {
            const TChildRun run =
                RunChild({"convert", Scans().Picture(set, i).toStdString(), "-resize", "600x800", "-colorspace", "Gray",
                          "-dither", "FloydSteinberg", "-remap", palette, out});
            if (run.ExitCode != 0) {
                state.SkipWithError("ImageMagick's convert failed (is imagemagick installed?)");
                break;
            }
        }
        MagickSeconds[set.Name] = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
    }
    state.counters["pages/s"] = benchmark::Counter(set.Count, benchmark::Counter::kIsRate);
}

void WolftoolMake(benchmark::State& state, const TSet& set, int count)
{
    const std::string folder = Scans().Folder(set, count).toStdString();
    const std::string book = Scans().Path(QStringLiteral("book.wol")).toStdString();
    TChildRun run;
    QElapsedTimer timer;
    double wall = 0;
    for (auto _ : state) {
        timer.start();
        run = RunChild({WOLFTOOL_PATH, "make", book, folder, "--force", "--quiet"});
        wall = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        if (run.ExitCode != 0) state.SkipWithError("wolftool make failed");
    }
    state.counters["pages/s"] = benchmark::Counter(count, benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = run.PeakMegabytes;
    state.counters["cpu_s"] = run.ProcessorSeconds;
    if (count != set.Count) return;
    if (DecodingSeconds.count(set.Name))
        state.counters["cpu/decoding"] = run.ProcessorSeconds / DecodingSeconds[set.Name];
    if (MagickSeconds.count(set.Name)) state.counters["magick/make"] = MagickSeconds[set.Name] / wall;
}

void RegisterBenchmarks()
{
    for (const TSet& set : Sets()) {
        const auto once = [](benchmark::internal::Benchmark* benchmark) {
            benchmark->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
        };
        once(benchmark::RegisterBenchmark(("QtDecoding/" + set.Name).c_str(), QtDecoding, set, false));
        if (set.Kind == TKind::ColourJpeg)
            once(benchmark::RegisterBenchmark(("QtDecodingHalf/" + set.Name).c_str(), QtDecoding, set, true));
        if (set.WithImageMagick)
            once(benchmark::RegisterBenchmark(("ImageMagickPictures/" + set.Name).c_str(), ImageMagickPictures, set));
        if (set.Count > 50)
            once(benchmark::RegisterBenchmark(("WolftoolMake/" + set.Name + "/50").c_str(), WolftoolMake, set, 50));
        once(benchmark::RegisterBenchmark(("WolftoolMake/" + set.Name).c_str(), WolftoolMake, set, set.Count));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Scans();
    RegisterBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
