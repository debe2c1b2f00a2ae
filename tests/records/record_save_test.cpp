// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_save.h"

#include "forms/platform.h"

#include "../support/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace tarvel::forms;

namespace {

// A record file that answers each append with a given result and must never be read.
class ScriptedFiles : public FileStore {
public:
    bool exists(const std::string&) override { throw std::logic_error("the save checked"); }
    std::optional<long long> size(const std::string&) override {
        throw std::logic_error("the save measured the file");
    }
    WriteResult append(const std::string& name, const std::string& text) override {
        appended.push_back(name + ": " + text);
        return next;
    }
    WriteResult replaceWhole(const std::string&, const std::string&) override {
        throw std::logic_error("the save rewrote the file");
    }
    bool remove(const std::string&) override { throw std::logic_error("the save removed"); }
    std::optional<std::vector<std::string>> readLines(const std::string&) override {
        throw std::logic_error("the save read the file");
    }
    std::string fullPath(const std::string& name) override { return "/program/" + name; }

    WriteResult next;
    std::vector<std::string> appended;
};

// Every message of a save informs and has only an OK button.
struct SavePlatform : tarvel::fakes::FakePlatform {
    SavePlatform() { fileStore = &store; }
    ~SavePlatform() override {
        for (const Message& m : messages) {
            EXPECT_EQ(m.buttons, MsgButtons::Ok);
            EXPECT_EQ(m.icon, MsgIcon::Information);
        }
    }
    ScriptedFiles store;
};

} // namespace

TEST(RecordSave, AppendsTheRecordAndALineBreakWithoutReadingTheFileOrSayingAnything) {
    SavePlatform platform;
    EXPECT_TRUE(tarvel::records::saveRecord(platform, "\r\n   Kuća\r\n   zadnji red"));
    EXPECT_EQ(platform.store.appended,
              std::vector<std::string>{"Cijena.txt: \r\n   Kuća\r\n   zadnji red\r\n"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST(RecordSave, AFileInUseAndEveryOtherFailureAreReported) {
    SavePlatform platform;
    platform.store.next = {FileResult::InUse, "datoteku drži otvorenu drugi program"};
    EXPECT_FALSE(tarvel::records::saveRecord(platform, "zapis"));
    platform.store.next = {FileResult::Failed, "disk je pun"};
    EXPECT_FALSE(tarvel::records::saveRecord(platform, "zapis"));
    platform.store.next = {FileResult::Failed, ""};
    EXPECT_FALSE(tarvel::records::saveRecord(platform, "zapis"));

    const std::vector<std::string> expected = {
        " Ne može: Datoteka Cijena.txt je otvorena u drugom programu. Prvo zatvorite taj "
        "program, a zatim ponovite proces pohranjivanja.",
        " Ne može: Izračun nije pohranjen u datoteku Cijena.txt. Razlog: disk je pun.",
        " Ne može: Izračun nije pohranjen u datoteku Cijena.txt. Razlog: nepoznata greška sustava.",
    };
    EXPECT_EQ(platform.said(), expected);
}
