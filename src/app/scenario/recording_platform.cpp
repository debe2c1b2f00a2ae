// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/recording_platform.h"

#include "forms/form.h"
#include "forms/text_pages.h"
#include "records/print_routine.h"
#include "system/cp1250_file_store.h"
#include "system/memory_settings_store.h"
#include "tarvel_version.h"

namespace tarvel::scenario {
namespace {

const char* iconWord(forms::MsgIcon icon) {
    switch (icon) {
    case forms::MsgIcon::Critical:
        return "critical";
    case forms::MsgIcon::Question:
        return "question";
    case forms::MsgIcon::Exclamation:
        return "exclamation";
    default:
        return "information";
    }
}

// Files held by another program cannot be written.
class LockingFileStore : public forms::FileStore {
public:
    LockingFileStore(std::unique_ptr<forms::FileStore> inner, const std::set<std::string>& locked)
        : inner_(std::move(inner)), locked_(locked) {}
    bool exists(const std::string& name) override { return inner_->exists(name); }
    std::optional<long long> size(const std::string& name) override { return inner_->size(name); }
    forms::WriteResult append(const std::string& name, const std::string& text) override {
        if (locked_.count(name))
            return held();
        return inner_->append(name, text);
    }
    forms::WriteResult replaceWhole(const std::string& name, const std::string& text) override {
        return locked_.count(name) ? held() : inner_->replaceWhole(name, text);
    }
    bool remove(const std::string& name) override {
        return locked_.count(name) ? false : inner_->remove(name);
    }
    std::optional<std::vector<std::string>> readLines(const std::string& name) override {
        return inner_->readLines(name);
    }
    std::string fullPath(const std::string& name) override { return inner_->fullPath(name); }

private:
    static forms::WriteResult held() {
        return {forms::FileResult::InUse, "datoteku drži otvorenu drugi program"};
    }
    std::unique_ptr<forms::FileStore> inner_;
    const std::set<std::string>& locked_;
};

} // namespace

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

std::string Effect::describe() const {
    std::string out = kind;
    for (const auto& f : fields) {
        out += ' ';
        out += quoted(f);
    }
    return out;
}

RecordingPlatform::RecordingPlatform(const std::string& directory)
    : directory_(directory), settings_(std::make_unique<system::MemorySettingsStore>()),
      files_(std::make_unique<LockingFileStore>(
          std::make_unique<system::Cp1250FileStore>(directory), locked)) {}

RecordingPlatform::~RecordingPlatform() = default;

forms::MsgAnswer RecordingPlatform::messageBox(forms::MsgIcon icon, forms::MsgButtons buttons,
                                               const std::string& title, const std::string& text) {
    effects.push_back({"message", {iconWord(icon), title, text}});
    if (buttons == forms::MsgButtons::Ok)
        return forms::MsgAnswer::Ok;
    if (answers.empty() && answerSource)
        answers.push_back(answerSource() == "yes" ? "yes" : "no");
    if (answers.empty())
        throw StepFailure{"a question was asked with no answer queued: " + quoted(text)};
    const std::string answer = answers.front();
    answers.pop_front();
    if (answer == "yes")
        return forms::MsgAnswer::Yes;
    if (answer == "no")
        return forms::MsgAnswer::No;
    throw StepFailure{"the question " + quoted(text) + " takes yes or no, the queue had " +
                      quoted(answer)};
}

std::string RecordingPlatform::inputBox(const std::string& prompt, const std::string&,
                                        const std::string&) {
    if (answers.empty() && answerSource)
        answers.push_back(answerSource());
    if (answers.empty())
        throw StepFailure{"an input box asked " + quoted(prompt) + " with no answer queued"};
    const std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingPlatform::openTextViewer(const std::string& fileName) {
    effects.push_back({"viewer", {fileName}});
    return true;
}

void RecordingPlatform::showHtmlHelp(const std::string& file, const std::string& page,
                                     const std::string& window) {
    effects.push_back({"help", {file, page, window}});
}

void RecordingPlatform::showClassicHelp(const std::string& file, int command) {
    effects.push_back({"help", {file, std::to_string(command)}});
}

void RecordingPlatform::showClassicHelpTopic(const std::string& file, int topic) {
    effects.push_back({"help", {file, "topic", std::to_string(topic)}});
}

std::optional<std::string> RecordingPlatform::printDocument(const std::string& title,
                                                            forms::PrintTarget target,
                                                            const forms::PrintRender& render) {
    if (printerOff && target == forms::PrintTarget::Printer)
        return std::string(records::kNoPrinter);
    forms::PrintJob job;
    const std::optional<std::string> failure = forms::collectPages(title, render, job);
    if (!failure && target == forms::PrintTarget::Printer)
        effects.push_back({"printed", {job.title, std::to_string(job.pages.size())}});
    return failure;
}

std::optional<std::string>
RecordingPlatform::printClientDocument(const forms::ClientDocument& document,
                                       forms::PrintTarget target) {
    if (printerOff && target == forms::PrintTarget::Printer)
        return std::string(records::kNoPrinter);
    effects.push_back(
        {"printed", {document.title, std::to_string(forms::paginate(document).size())}});
    return std::nullopt;
}

std::optional<std::string> RecordingPlatform::openAddress(const std::string& address) {
    effects.push_back({"opened", {address}});
    return std::nullopt;
}

forms::Version RecordingPlatform::version() {
    return {kVersionMajor, kVersionMinor, kVersionRevision};
}

void RecordingPlatform::runModal(forms::Form& form) {
    if (!modalLoop)
        throw StepFailure{"window " + form.name() + " was shown modally outside a scenario"};
    modalLoop(form);
}

} // namespace tarvel::scenario
