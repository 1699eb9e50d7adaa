// Making a 600 x 800, 2-bit book of a 300-page PDF (text and figures), next to Poppler
// drawing the same pages at the same size and nothing else, and to our chain alone on pages
// drawn beforehand, so the cost of our own chain (grey, tone, fit, dithering, packing,
// writing) shows. A last run draws each page at twice the size and lets the chain shrink
// it, the alternative to drawing at the screen's size.
#include "ConversionJob.h"
#include "PageProcessor.h"
#include "Sources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numeric>

namespace {

constexpr int PageCount = 300;

void DrawPage(QPainter& painter, QRect area, int number)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(area.height() / 60);
    painter.setFont(font);
    const int line = area.height() / 45;
    const QString words =
        QStringLiteral("page %1: the river ran quietly past the mill where old stones lay waiting for spring");
    for (int row = 0; row < 22; ++row) painter.drawText(area.left(), area.top() + (row + 1) * line, words.arg(number));
    // A figure: axes, a curve, shaded bars.
    const QRect figure(area.left(), area.top() + 24 * line, area.width(), area.height() - 26 * line);
    painter.setPen(QPen(Qt::black, area.width() / 300.0));
    painter.drawRect(figure);
    QPainterPath curve;
    curve.moveTo(figure.bottomLeft());
    for (int x = 0; x <= figure.width(); x += figure.width() / 60)
        curve.lineTo(figure.left() + x,
                     figure.center().y() + figure.height() / 3.0 * std::sin((x + number * 40) / 80.0));
    painter.drawPath(curve);
    for (int bar = 0; bar < 8; ++bar)
        painter.fillRect(figure.left() + bar * figure.width() / 8 + 5,
                         figure.bottom() - (bar + 1) * figure.height() / 10, figure.width() / 10,
                         (bar + 1) * figure.height() / 10, QColor::fromHsv(bar * 40, 120, 60 + bar * 20));
}

class TTestPdf {
public:
    TTestPdf()
    {
        QPdfWriter writer(Path());
        writer.setPageSize(QPageSize(QPageSize::A5));
        QPainter painter(&writer);
        for (int page = 1; page <= PageCount; ++page) {
            if (page > 1) writer.newPage();
            DrawPage(painter, painter.viewport().adjusted(0, 0, -1, -1), page);
        }
    }
    QString Path() const { return FDir.filePath(QStringLiteral("book.pdf")); }

private:
    QTemporaryDir FDir;
};

const TTestPdf& TestPdf()
{
    static const TTestPdf pdf;
    return pdf;
}

making::TProcessOptions Options()
{
    making::TProcessOptions options;
    options.Screen = QSize(600, 800);
    return options;
}

std::vector<making::TSourcePage> PdfPages()
{
    making::TMakeOptions options;
    options.Pictures = Options();
    return making::CollectSources({TestPdf().Path()}, options).Pages;
}

// What the job does with a drawn page: the chain, then packing.
std::vector<wolf::TEncodedImage> EncodeDrawnPage(const QImage& drawn)
{
    making::TMadePage made;
    for (QImage& page : making::ProcessPicture(drawn, Options())) made.Pictures.push_back({std::move(page), 2});
    return making::EncodePictures(made);
}

void BM_PopplerRenderingAlone(benchmark::State& state)
{
    const std::vector<making::TSourcePage> pages = PdfPages();
    for (auto _ : state)
        QtConcurrent::blockingMap(
            pages, [](const making::TSourcePage& page) { benchmark::DoNotOptimize(page.Render(Options())); });
    state.counters["pages/s"] = benchmark::Counter(PageCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PopplerRenderingAlone)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_MakeBookFromPdf(benchmark::State& state)
{
    const QTemporaryDir dir;
    for (auto _ : state) {
        making::TPlanRequest request;
        request.Sources = QStringList{TestPdf().Path()};
        request.Options.Pictures = Options();
        request.OutputPath = dir.filePath(QStringLiteral("book.wol"));
        request.ReplaceExisting = true;
        const making::TBookPlan plan = making::MakePlan(request);
        const std::atomic_bool cancel{false};
        making::MakeBook(plan, {}, cancel);
    }
    state.counters["pages/s"] = benchmark::Counter(PageCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MakeBookFromPdf)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Our chain alone (grey, tone, fit, dithering, packing) on pages drawn beforehand: a few
// drawn pages, each taken through the chain again and again up to the book's page count.
void BM_ChainAlone(benchmark::State& state)
{
    std::vector<making::TSourcePage> pages = PdfPages();
    pages.resize(20);
    const QList<QImage> drawn = QtConcurrent::blockingMapped<QList<QImage>>(
        pages, [](const making::TSourcePage& page) { return page.Render(Options()); });
    std::vector<int> turns(PageCount);
    std::iota(turns.begin(), turns.end(), 0);
    for (auto _ : state)
        QtConcurrent::blockingMap(
            turns, [&drawn](int turn) { benchmark::DoNotOptimize(EncodeDrawnPage(drawn[turn % drawn.size()])); });
    state.counters["pages/s"] = benchmark::Counter(PageCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChainAlone)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Drawn at twice the screen's size, then taken through the chain, which shrinks it.
void BM_RenderLargeThenShrink(benchmark::State& state)
{
    const std::vector<making::TSourcePage> pages = PdfPages();
    making::TProcessOptions large = Options();
    large.Screen *= 2;
    for (auto _ : state)
        QtConcurrent::blockingMap(pages, [&large](const making::TSourcePage& page) {
            benchmark::DoNotOptimize(making::ProcessPicture(page.Render(large), Options()));
        });
    state.counters["pages/s"] = benchmark::Counter(PageCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderLargeThenShrink)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char* argv[])
{
    // QPdfWriter draws text, which needs a GUI application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    TestPdf();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
