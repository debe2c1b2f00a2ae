// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the record file and its editor, offscreen:
//   - saving a calculation ("Pohrani") to an empty Cijena.txt and to one of 100 MB: the save
//     only appends, so both cost the same;
//   - the built-in editor opening a 5 MB Cijena.txt until its window is shown.
// Run: QT_QPA_PLATFORM=offscreen build/bin/tarvel-record-bench
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

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

void EditorShows5MBRecordFile(benchmark::State& state) {
    QTemporaryDir directory;
    const QString path = QDir(directory.path()).filePath(QString::fromLatin1(records::kRecordFile));
    writeRecordFile(path, qint64(5) << 20);
    for (auto _ : state) {
        ui::TextEditor* editor = ui::TextEditor::open(path);
        if (!editor || !QTest::qWaitForWindowExposed(editor)) {
            state.SkipWithError("the editor was not shown");
            break;
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete editor;
        state.ResumeTiming();
    }
    state.counters["file MB"] = double(QFileInfo(path).size()) / (1 << 20);
}
BENCHMARK(EditorShows5MBRecordFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
