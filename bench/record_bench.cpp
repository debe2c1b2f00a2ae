// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the record file and its editor, offscreen:
//   - saving a calculation ("Pohrani") to an empty Cijena.txt and to one of 100 MB: the save
//     only appends, so both cost the same;
//   - the built-in editor opening a 5 MB and a 100 MB Cijena.txt until all of it is read. For
//     100 MB also the peak resident size above the start ("peak MB", the peak is reset through
//     /proc/self/clear_refs, Linux only), its ratio to the file ("peak/file"), and the longest
//     time the GUI thread did not get to a timer of its event loop: on the clock ("longest
//     block ms") and in the thread's own processor time ("longest block CPU ms", what the
//     figure would be on a machine not shared with other work).
// Run: QT_QPA_PLATFORM=offscreen build/bin/tarvel-record-bench
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>

#include "records/record_save.h"
#include "records/record_text.h"
#include "system/cp1250.h"
#include "system/memory_settings_store.h"
#include "ui/qt_platform.h"
#include "ui/text_editor.h"

namespace {

using namespace tarvel;

// An interior design of 1.500.000,00 kn with four phases chosen.
std::string sampleRecord() {
    records::RecordInputs in;
    in.txtNaziv = "Obiteljska kuća Horvat";
    in.lblProjekt = "PROJEKT UNUTARNJEG UREĐENJA PROSTORA";
    in.lbl1 = "Proračunska vrijednost";
    in.txtInvest = "1.500.000,00";
    in.lblValutaFaza = "kn";
    in.fraKatVisible = true;
    in.category = 3;
    in.lblCmin = "64.795,22";
    in.lblCmax = "70.255,46";
    in.lblSumamin = "38.877,13";
    in.lblSumamax = "42.153,28";
    in.lblOdabir = "42.153,28";
    in.phases[0] = {"1. Provjera zadatka", "2", "1.405,11", true};
    in.phases[1] = {"2. Idejno rješenje", "4", "2.810,22", true};
    in.phases[2] = {"3. Idejni projekt", "9", "6.322,99", true};
    in.phases[4] = {"5. Glavni projekt", "45", "31.614,96", true};
    in.txtPopust = "0";
    in.txtDodaj = "0";
    in.Usluga = "Aunutar";
    in.Stopa = 0.22;
    return records::PripremiIzracun(in);
}

// A record file of at least the given size, made of whole records.
void writeRecordFile(const QString& path, qint64 size) {
    const QByteArray record =
        QByteArray::fromStdString(system::encodeCp1250(sampleRecord() + "\r\n"));
    QByteArray block;
    while (block.size() < (1 << 20))
        block += record;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    for (qint64 written = 0; written < size; written += block.size())
        file.write(block);
}

void saveWithRecordFileOf(benchmark::State& state, qint64 size) {
    QTemporaryDir directory;
    ui::QtPlatform platform(std::make_unique<system::MemorySettingsStore>(),
                            directory.path().toStdString());
    const QString path = QDir(directory.path()).filePath(QString::fromLatin1(records::kRecordFile));
    writeRecordFile(path, size);
    const qint64 before = QFileInfo(path).size();
    const std::string record = sampleRecord();
    for (auto _ : state) {
        if (!records::saveRecord(platform, record))
            state.SkipWithError("the save failed");
        state.PauseTiming();
        QFile::resize(path, before);
        state.ResumeTiming();
    }
    state.counters["file MB"] = double(before) / (1 << 20);
}

void SaveToEmptyRecordFile(benchmark::State& state) {
    saveWithRecordFileOf(state, 0);
}
BENCHMARK(SaveToEmptyRecordFile)->Unit(benchmark::kMicrosecond);

void SaveTo100MBRecordFile(benchmark::State& state) {
    saveWithRecordFileOf(state, qint64(100) << 20);
}
BENCHMARK(SaveTo100MBRecordFile)->Unit(benchmark::kMicrosecond);

// A "VmRSS:" or "VmHWM:" figure of /proc/self/status, in KB; 0 where there is none.
long long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stoll(line.substr(field.size()));
    }
    return 0;
}

// The processor time of the calling thread, in ms.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void editorLoads(benchmark::State& state, qint64 size) {
    QTemporaryDir directory;
    const QString path = QDir(directory.path()).filePath(QString::fromLatin1(records::kRecordFile));
    writeRecordFile(path, size);
    const double fileMb = double(QFileInfo(path).size()) / (1 << 20);
    double peakMb = 0;
    qint64 longestBlock = 0;
    double longestBlockCpu = 0;
    int lines = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts at the present size
        const long long before = statusKb("VmRSS:");
        // A timer that fires at every turn of the event loop: the longest gap between two of
        // its shots is the longest time the window could not answer.
        QElapsedTimer sinceShot;
        double cpuAtShot = threadCpuMs();
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            longestBlock = std::max(longestBlock, sinceShot.restart());
            const double cpu = threadCpuMs();
            longestBlockCpu = std::max(longestBlockCpu, cpu - cpuAtShot);
            cpuAtShot = cpu;
        });
        probe.start(0);
        sinceShot.start();
        ui::TextEditor* editor = ui::TextEditor::open(path);
        if (!editor || !QTest::qWaitFor([&] { return !editor->isLoading(); }, 600000)) {
            state.SkipWithError("the editor did not read the file");
            break;
        }
        state.PauseTiming();
        probe.stop();
        peakMb = std::max(peakMb, double(statusKb("VmHWM:") - before) / 1024);
        lines = editor->textEdit()->document()->blockCount();
        delete editor;
        state.ResumeTiming();
    }
    state.counters["file MB"] = fileMb;
    state.counters["lines"] = lines;
    state.counters["peak MB"] = peakMb;
    state.counters["peak/file"] = peakMb / fileMb;
    state.counters["longest block ms"] = double(longestBlock);
    state.counters["longest block CPU ms"] = longestBlockCpu;
}

void EditorLoads5MBRecordFile(benchmark::State& state) {
    editorLoads(state, qint64(5) << 20);
}
BENCHMARK(EditorLoads5MBRecordFile)->Unit(benchmark::kMillisecond);

void EditorLoads100MBRecordFile(benchmark::State& state) {
    editorLoads(state, qint64(100) << 20);
}
BENCHMARK(EditorLoads100MBRecordFile)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
