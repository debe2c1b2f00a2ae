// SPDX-License-Identifier: GPL-3.0-or-later
// A file held open by another program: the rule that weighs the probe against the system's
// error (on every system), and the probe itself against the real system (on Windows).
#include "system/native/file_hold.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarvel::system {
namespace {

using forms::PathFacts;
using forms::SystemError;
using forms::WriteFailure;
namespace we = forms::windows_error;

TEST(JudgeWriteFailure, TheProbeDecidesWhetherAFileIsInUse) {
    const SystemError denied{SystemError::Windows, we::kAccessDenied};
    const SystemError lost{SystemError::Windows, 0}; // overwritten after the failure
    const SystemError sharing{SystemError::Windows, we::kSharingViolation};
    const SystemError diskFull{SystemError::Windows, we::kDiskFull};
    PathFacts existing;
    existing.fileExists = true;
    PathFacts readOnly = existing;
    readOnly.fileReadOnly = true;
    PathFacts closedFolder = existing;
    closedFolder.folderWritable = false;
    const struct {
        const char* what;
        SystemError error;
        PathFacts facts;
        bool replacing;
        FileHold hold;
        WriteFailure expected;
    } cases[] = {
        {"replace refused while held", denied, existing, true, FileHold::HeldByAnother,
         WriteFailure::InUse},
        {"error lost, file held", lost, existing, false, FileHold::HeldByAnother,
         WriteFailure::InUse},
        {"error lost, nobody holds it", lost, existing, false, FileHold::Free, WriteFailure::Other},
        {"access denied, nobody holds it", denied, existing, true, FileHold::Free,
         WriteFailure::NoPermission},
        {"access denied, not asked", denied, existing, true, FileHold::Unknown,
         WriteFailure::InUse},
        {"holder let go before the probe", sharing, existing, false, FileHold::Free,
         WriteFailure::InUse},
        {"held and read-only", denied, readOnly, true, FileHold::HeldByAnother,
         WriteFailure::ReadOnlyFile},
        {"held, folder takes no files", denied, closedFolder, true, FileHold::HeldByAnother,
         WriteFailure::ReadOnlyFolder},
        {"held, disk full", diskFull, existing, false, FileHold::HeldByAnother,
         WriteFailure::DiskFull},
        {"POSIX refusal, held",
         {SystemError::Posix, EACCES},
         existing,
         false,
         FileHold::HeldByAnother,
         WriteFailure::InUse},
        {"POSIX refusal, free",
         {SystemError::Posix, EACCES},
         existing,
         false,
         FileHold::Free,
         WriteFailure::NoPermission},
    };
    for (const auto& c : cases)
        EXPECT_EQ(judgeWriteFailure(c.error, c.facts, c.replacing, c.hold), c.expected) << c.what;
}

#ifdef _WIN32
// A folder named with Croatian letters, removed at the end.
class HeldFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder);
        std::ofstream(file, std::ios::binary) << "Izračun\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    static std::string utf8(const std::filesystem::path& path) {
        const std::u8string text = path.u8string();
        return {text.begin(), text.end()};
    }
    HANDLE open(DWORD share) const {
        return CreateFileW(file.wstring().c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / u8"tarvel-drži čćđšž";
    const std::filesystem::path file = folder / u8"Cijena.txt";
};

TEST_F(HeldFileTest, AFileOpenElsewhereIsHeldWhateverItShares) {
    EXPECT_EQ(probeFileHold(utf8(file)), FileHold::Free);
    // An editor that shares nothing, and one that lets others read and write.
    for (const DWORD share : {DWORD(0), DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE)}) {
        const HANDLE holder = open(share);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_EQ(probeFileHold(utf8(file)), FileHold::HeldByAnother) << "sharing " << share;
        CloseHandle(holder);
        EXPECT_EQ(probeFileHold(utf8(file)), FileHold::Free);
    }
    EXPECT_EQ(probeFileHold(utf8(folder / "nema.txt")), FileHold::Unknown);
    EXPECT_EQ(probeFileHold(utf8(folder)), FileHold::Unknown) << "a folder is no file";
    EXPECT_EQ(probeFileHold(""), FileHold::Unknown);
}

// What a save meets on Windows: a file held without shared deletion cannot be replaced, and
// the rename's error alone does not tell why.
TEST_F(HeldFileTest, AReplaceOfAHeldFileIsJudgedInUse) {
    const HANDLE holder = open(FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::filesystem::path temporary = folder / u8"Cijena.txt.abc123";
    std::ofstream(temporary, std::ios::binary) << "novo\r\n";
    const BOOL moved =
        MoveFileExW(temporary.wstring().c_str(), file.wstring().c_str(), MOVEFILE_REPLACE_EXISTING);
    const SystemError error{SystemError::Windows, static_cast<long>(GetLastError())};
    EXPECT_FALSE(moved);
    PathFacts facts;
    facts.fileExists = true;
    EXPECT_EQ(judgeWriteFailure(error, facts, true, probeFileHold(utf8(file))), WriteFailure::InUse)
        << "error " << error.code;
    CloseHandle(holder);
}
#endif

} // namespace
} // namespace tarvel::system
