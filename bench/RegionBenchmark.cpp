// The see-through region of text windows of three sizes, built three ways: the program's one-pass
// builder, Qt's mask-from-colour bitmap, and the step-by-step build (one pixel read at a time, one
// union per run).
#include "StepByStepRegion.h"
#include "TransparencyMask.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr QRgb kBack = 0x3A6EA5;

// Text over the whole window, printed without smoothing the way see-through windows print it.
QImage TextImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBack);
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(height * 3 / 4);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(QColor(255, 0, 0));
    QString text = QStringLiteral("Main Title Text 1 year  2 months  3 days!   (429 days!)");
    while (painter.fontMetrics().horizontalAdvance(text) < width)
        text += text;
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({400, 40})->Args({1200, 80})->Args({2000, 200})->Unit(benchmark::kMicrosecond);
}

void BM_OnePass(benchmark::State& state) {
    const QImage image = TextImage(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(desk::RegionFromImage(image, kBack));
}
BENCHMARK(BM_OnePass)->Apply(Sizes);

void BM_MaskFromColor(benchmark::State& state) {
    const QImage image = TextImage(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        // Pixels of the background colour become 0 in the mask with MaskOutColor, the rest 1.
        const QImage mask = image.createMaskFromColor(kBack | 0xFF000000, Qt::MaskOutColor);
        QRegion region(QBitmap::fromImage(mask));
        region -= QRegion(0, 0, image.width(), 1);
        region -= QRegion(0, 0, 1, image.height());
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_MaskFromColor)->Apply(Sizes);

void BM_StepByStep(benchmark::State& state) {
    const QImage image = TextImage(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(StepByStepRegion(image, kBack));
}
BENCHMARK(BM_StepByStep)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv); // bitmaps and fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
