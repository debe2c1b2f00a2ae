// SPDX-License-Identifier: GPL-3.0-or-later
// The help file reader on damaged files: fields that broke earlier readers, a seeded corpus of
// random damage, and the limits it reads within. Every case must end quickly, without a
// sanitizer report.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "chm_damage.h"
#include "ui/chm_archive.h"

namespace tarvel::ui {
namespace {

using namespace chm_damage;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const QString kFixture = QStringLiteral(TARVEL_UI_TEST_DATA "/help/pomoc.chm");
// The pages and the picture, all in the compressed section.
const QStringList kPages = {QStringLiteral("/Opce odredbe.htm"), QStringLiteral("/Glava3.htm"),
                            QStringLiteral("/Poglavlja/Clanak 5.htm"),
                            QStringLiteral("/slike/znak.png")};

class ChmArchiveTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("pomoc.chm"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // Opens the file and reads every entry it lists; the entries read, by name.
    static std::map<QString, QByteArray> readAll(const QString& path) {
        std::map<QString, QByteArray> read;
        ChmArchive archive;
        if (!archive.open(path))
            return read;
        for (const QString& name : archive.names()) {
            if (const std::optional<QByteArray> bytes = archive.read(name))
                read.emplace(name, *bytes);
        }
        return read;
    }

    QTemporaryDir dir_;
};

TEST_F(ChmArchiveTest, DamagedFieldsEndInARefusalOrTheRightPagesQuickly) {
    const std::map<QString, QByteArray> sound = readAll(kFixture);
    ASSERT_EQ(sound.size(), 5u); // the pages, the picture and the compiler's note
    const struct {
        const char* what;
        std::function<void(ChmImage&)> damage;
        bool pagesReadable;
    } cases[] = {
        {"control data version 0", [](ChmImage& chm) { setControlDataVersion(chm, 0); }, false},
        {"window size 0", [](ChmImage& chm) { setWindowSize(chm, 0); }, false},
        // Without the reset table the data is decoded from its start, with the length the
        // span information gives; this file's last block runs past it.
        {"huge reset table block length",
         [](ChmImage& chm) { setResetTableBlockLength(chm, 0xFFFF'FFFF'FFFF'FFF0u); }, false},
        // The directory is read chunk after chunk, the link is not followed.
        {"directory chunk linked to itself", linkFirstChunkToItself, true},
        {"index chunk linked to itself, control data missing", linkIndexChunkToItself, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChmImage chm(kFixture);
        c.damage(chm);
        const Clock::time_point start = Clock::now();
        const std::map<QString, QByteArray> read = readAll(write(chm.bytes()));
        EXPECT_LT(Clock::now() - start, milliseconds(1000));
        for (const QString& page : kPages) {
            SCOPED_TRACE(page.toStdString());
            ASSERT_EQ(read.count(page), c.pagesReadable ? 1u : 0u);
            if (c.pagesReadable) {
                EXPECT_EQ(read.at(page), sound.at(page));
            }
        }
    }
}

TEST_F(ChmArchiveTest, RandomDamageEndsQuickly) {
    const QByteArray sound = ChmImage(kFixture).bytes();
    int opened = 0;
    int refusedReads = 0;
    Clock::duration slowest{};
    constexpr int kMutants = 400;
    for (int seed = 0; seed < kMutants; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const auto place = [&] {
            return qsizetype(random() % unsigned(sound.size()));
        };
        QByteArray bytes = sound;
        switch (seed % 3) {
        case 0: // a few bytes changed
            for (unsigned n = 1 + random() % 8; n > 0; --n) {
                const qsizetype at = place();
                bytes[at] = char(bytes[at] ^ char(1 + random() % 255));
            }
            break;
        case 1: // cut short
            bytes.truncate(place());
            break;
        default: { // a range zeroed
            const qsizetype at = place();
            const qsizetype length = std::min(qsizetype(1 + random() % 512), sound.size() - at);
            bytes.replace(at, length, QByteArray(length, '\0'));
            break;
        }
        }
        const QString path = write(bytes);
        const Clock::time_point start = Clock::now();
        ChmArchive archive;
        if (archive.open(path)) {
            ++opened;
            for (const QString& name : archive.names())
                refusedReads += archive.read(name) ? 0 : 1;
        }
        const Clock::duration took = Clock::now() - start;
        slowest = std::max(slowest, took);
        EXPECT_LT(took, milliseconds(1000)) << "seed " << seed;
    }
    // The damage reaches past the headers: many files open, and some of their entries are
    // found damaged.
    EXPECT_GT(opened, kMutants / 3);
    EXPECT_GT(refusedReads, 0);
    RecordProperty("opened", opened);
    RecordProperty("refused_reads", refusedReads);
    RecordProperty("slowest_ms", int(std::chrono::duration_cast<milliseconds>(slowest).count()));
}

TEST_F(ChmArchiveTest, ReadsWithinItsLimits) {
    struct Read {
        const char* name;
        bool readable;
        bool newPage = false; // a new page starts before this read
    };
    const auto limits = [](auto set) {
        ChmLimits chosen;
        set(chosen);
        return chosen;
    };
    const struct {
        const char* what;
        ChmLimits limits;
        bool opens;
        std::vector<Read> reads;
    } cases[] = {
        {"entries up to 100 bytes",
         limits([](ChmLimits& l) { l.largestEntry = 100; }),
         true,
         {{"Glava3.htm", false}, {"slike/znak.png", true}}},
        {"400 bytes a page",
         limits([](ChmLimits& l) { l.largestPage = 400; }),
         true,
         {{"Glava3.htm", true}, {"Opce odredbe.htm", false}, {"Opce odredbe.htm", true, true}}},
        // "Opce odredbe.htm" ends at 2987 bytes into the compressed data, "Glava3.htm" at 3305.
        {"3000 bytes of compressed data",
         limits([](ChmLimits& l) { l.largestSection = 3000; }),
         true,
         {{"Opce odredbe.htm", true}, {"Glava3.htm", false}}},
        {"too little memory for the directory",
         limits([](ChmLimits& l) { l.largestMemory = 4096; }),
         false,
         {}},
        // The directory fits, the decompressor's window does not; the uncompressed note does.
        {"too little memory for the decompressor",
         limits([](ChmLimits& l) { l.largestMemory = 32 * 1024; }),
         true,
         {{"Glava3.htm", false}, {"_#_README_#_", true}}},
        {"no time to open", limits([](ChmLimits& l) { l.openTime = milliseconds(0); }), false, {}},
        {"no time to read",
         limits([](ChmLimits& l) { l.pageTime = milliseconds(0); }),
         true,
         {{"Glava3.htm", false}, {"_#_README_#_", false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChmArchive archive(c.limits);
        ASSERT_EQ(archive.open(kFixture), c.opens);
        for (const Read& read : c.reads) {
            if (read.newPage)
                archive.startPage();
            EXPECT_EQ(archive.read(QString::fromUtf8(read.name)).has_value(), read.readable)
                << read.name;
        }
    }
}

} // namespace
} // namespace tarvel::ui
