// SPDX-License-Identifier: GPL-3.0-or-later
// Memory and time of laying out a text file for printing, a file of 100 KB next to one of
// 10 MB (about 1900 pages):
//   - onto a surface that only counts what it is given (the layout and the file reading
//     alone);
//   - onto a PDF file through the Qt layer (what "PDF" and the printer do).
// The layout takes the file line by line, so the heap in use while the last page is laid out
// should be what it was on the first page, whatever the size of the file. Counters:
//   heap KB      the most heap in use above the start, sampled at every page break
//   heap rise KB the heap in use at the last page break less that at the first one
//   RSS rise KB  the peak resident size of the process above the start (the peak is reset
//                before each run through /proc/self/clear_refs)
// Run without the sanitizers (their allocator hides the heap figures):
//   QT_QPA_PLATFORM=offscreen build/bin/tarvel-print-bench
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "records/print_file_lines.h"
#include "records/print_layout.h"
#include "ui/print_rendering.h"

namespace {

using namespace tarvel;

constexpr char kTitle[] = "Pohranjeni izračuni";

// Bytes of the heap in use now; 0 without the GNU C library.
long long heapInUse() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
#else
    return 0;
#endif
}

// Gives freed heap back to the system, so that the resident size starts low.
void trimHeap() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// A "VmRSS:" or "VmHWM:" figure of /proc/self/status, in KB; 0 where there is none (only
// Linux has it).
long long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            long long kb = 0;
            for (char c : line.substr(field.size()))
                if (c >= '0' && c <= '9')
                    kb = kb * 10 + (c - '0');
            return kb;
        }
    }
    return 0;
}

// Resets the process's peak resident size to its present size.
void resetPeakRss() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Samples the heap at every page break and hands everything on to the real surface, if any.
class SamplingSurface : public forms::PrintSurface {
public:
    SamplingSurface(forms::PrintSurface* inner, long long base) : inner_(inner), base_(base) {}
    double widthCm() const override { return inner_ ? inner_->widthCm() : 19.0; }
    double heightCm() const override { return inner_ ? inner_->heightCm() : 27.7; }
    double lineHeightCm() const override { return inner_ ? inner_->lineHeightCm() : 0.37; }
    void printText(double xCm, double yCm, const std::string& text) override {
        if (inner_)
            inner_->printText(xCm, yCm, text);
        else
            benchmark::DoNotOptimize(text.data());
    }
    void newPage() override {
        const long long used = heapInUse() - base_;
        if (pages_ == 0)
            first_ = used;
        last_ = used;
        peak_ = std::max(peak_, used);
        ++pages_;
        if (inner_)
            inner_->newPage();
    }
    long long peak() const { return peak_; }
    long long rise() const { return last_ - first_; }

private:
    forms::PrintSurface* inner_;
    long long base_;
    long long first_ = 0, last_ = 0, peak_ = 0;
    int pages_ = 0;
};

// A text file of whole record-like lines with Croatian letters, in Windows-1250, of at least
// `size` bytes.
QString writeTextFile(const QTemporaryDir& directory, qint64 size) {
    const QString path = directory.filePath(QStringLiteral("Cijena.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    const QByteArray line = "  5. Glavni projekt                         45 %      31.614,96 kn  "
                            "\xE8\xE6\xF0\x9A\x9E\r\n";
    QByteArray block;
    while (block.size() < (4 << 10))
        block += line;
    for (qint64 written = 0; written < size; written += block.size())
        file.write(block);
    return path;
}

enum class Target { Counter, Pdf };

void layOut(benchmark::State& state, qint64 size, Target target) {
    QTemporaryDir directory;
    const QString path = writeTextFile(directory, size);
    const QString pdf = directory.filePath(QStringLiteral("ispis.pdf"));
    const std::string file = path.toStdString();
    long long heapPeak = 0, heapRise = 0, rssRise = 0;
    int pages = 0;
    // Qt's first PDF loads the font and the PDF engine's tables once per process: not the
    // layout's memory.
    if (target == Target::Pdf)
        (void)ui::savePdf(pdf, kTitle, [](forms::PrintSurface& s) { s.printText(1, 1, kTitle); });
    for (auto _ : state) {
        trimHeap();
        resetPeakRss();
        const long long rssBefore = statusKb("VmRSS:");
        const long long heapBefore = heapInUse();
        const auto render = [&](forms::PrintSurface* inner) {
            SamplingSurface surface(inner, heapBefore);
            records::FileLines lines(file, "Cijena.txt");
            pages = records::layOutPages(kTitle, lines, surface);
            heapPeak = std::max(heapPeak, surface.peak());
            heapRise = std::max(heapRise, surface.rise());
        };
        if (target == Target::Counter) {
            render(nullptr);
        } else if (const auto failure =
                       ui::savePdf(pdf, kTitle, [&](forms::PrintSurface& s) { render(&s); })) {
            state.SkipWithError(failure->c_str());
            break;
        }
        rssRise = std::max(rssRise, statusKb("VmHWM:") - rssBefore);
    }
    state.counters["file MB"] = double(QFileInfo(path).size()) / (1 << 20);
    state.counters["pages"] = pages;
    state.counters["heap KB"] = double(heapPeak) / 1024;
    state.counters["heap rise KB"] = double(heapRise) / 1024;
    state.counters["RSS rise KB"] = double(rssRise);
    if (target == Target::Pdf)
        state.counters["PDF MB"] = double(QFileInfo(pdf).size()) / (1 << 20);
}

void LayOut100KBFile(benchmark::State& state) {
    layOut(state, qint64(100) << 10, Target::Counter);
}
BENCHMARK(LayOut100KBFile)->Unit(benchmark::kMillisecond);

void LayOut10MBFile(benchmark::State& state) {
    layOut(state, qint64(10) << 20, Target::Counter);
}
BENCHMARK(LayOut10MBFile)->Unit(benchmark::kMillisecond);

void Pdf100KBFile(benchmark::State& state) {
    layOut(state, qint64(100) << 10, Target::Pdf);
}
BENCHMARK(Pdf100KBFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void Pdf10MBFile(benchmark::State& state) {
    layOut(state, qint64(10) << 20, Target::Pdf);
}
BENCHMARK(Pdf10MBFile)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
