// SPDX-License-Identifier: GPL-3.0-or-later
// tarvel-scenario: replays scenario files on the calculator's windows and checks what the
// program shows and writes.
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/scenario/random_compare.h"
#include "app/scenario/random_use.h"
#include "app/scenario/runner.h"
#include "app/scenario/widgets.h"
#include "forms/utf8_path.h"
#include "system/file_writes.h"

namespace {

constexpr const char* kUsage = "usage: tarvel-scenario [--widgets] [--keep DIR] FILE.scn ...\n"
                               "       tarvel-scenario [--widgets] --random SEED [--events N]\n"
                               "       tarvel-scenario --compare --random SEED [--events N]\n";

std::string readFile(const std::string& path, bool& ok) {
    std::ifstream in(tarvel::forms::utf8Path(path), std::ios::binary);
    ok = static_cast<bool>(in);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A command-line argument as UTF-8: the system gives it in the local code page (the ANSI code page
// on Windows), and every path is kept as UTF-8 inside.
std::string utf8Argument(const char* argument) {
    return QString::fromLocal8Bit(argument).toStdString();
}

} // namespace

int main(int argc, char** argv) {
    using namespace tarvel::scenario;
    tarvel::system::prepareFileWrites();
    bool widgets = false;
    std::string keep;
    std::vector<std::string> files;
    bool random = false;
    bool compare = false;
    RandomUseOptions randomOptions;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = utf8Argument(argv[i]);
        if (arg == "--widgets") {
            widgets = true;
        } else if (arg == "--compare") {
            // The same random use headless and on the widgets, compared after every event.
            compare = true;
            widgets = true;
        } else if (arg == "--keep" && i + 1 < argc) {
            keep = utf8Argument(argv[++i]);
        } else if (arg == "--random" && i + 1 < argc) {
            random = true;
            randomOptions.seed = std::stoull(argv[++i]);
        } else if (arg == "--events" && i + 1 < argc) {
            randomOptions.events = std::stol(argv[++i]);
        } else if (arg.starts_with("--")) {
            std::cerr << kUsage;
            return 2;
        } else {
            files.push_back(arg);
        }
    }
    if ((files.empty() && !random) || (compare && !random)) {
        std::cerr << kUsage;
        return 2;
    }

    const DriverFactory headless = [](tarvel::calculator::Calculator&) {
        return std::make_unique<Driver>();
    };
    DriverFactory factory = headless;
    std::unique_ptr<WidgetsSession> session;
    if (widgets) {
        session = startWidgets(argc, argv);
        if (!session) {
            std::cerr << "this build has no widgets\n";
            return 2;
        }
        factory = [&](tarvel::calculator::Calculator& c) {
            return session->makeDriver(c);
        };
    }

    if (random) {
        RandomUseResult outcome;
        if (compare) {
            outcome = compareRandomUse(randomOptions, headless, factory);
        } else {
            QTemporaryDir temporary;
            outcome = runRandomUse(randomOptions, temporary.path().toStdString(), factory);
        }
        if (outcome.passed) {
            std::cout << "PASS random use" << (compare ? " headless and on widgets alike" : "")
                      << ", seed " << randomOptions.seed << ", " << randomOptions.events
                      << " events, " << outcome.done
                      << " of them done, the others out of a user's reach, dosegnuto kontrola: "
                      << outcome.reachPercent() << " %\n";
            return 0;
        }
        std::cout << "FAIL random use after event " << outcome.events << ": " << outcome.message
                  << "\n";
        return 1;
    }

    int passed = 0, failed = 0;
    for (const std::string& file : files) {
        bool ok = false;
        const std::string text = readFile(file, ok);
        Outcome outcome;
        if (!ok) {
            outcome = {false, 0, "cannot read the file"};
        } else {
            try {
                const Script script = parseScript(text);
                QTemporaryDir temporary;
                std::string directory = temporary.path().toStdString();
                if (!keep.empty()) {
                    directory = keep;
                    std::filesystem::create_directories(tarvel::forms::utf8Path(directory));
                }
                Runner runner(script, directory, factory);
                outcome = runner.run();
            } catch (const ScriptError& e) {
                outcome = {false, e.line, e.message};
            }
        }
        if (outcome.passed) {
            ++passed;
            std::cout << "PASS " << file << "\n";
        } else {
            ++failed;
            std::cout << "FAIL " << file << ":" << outcome.line << ": " << outcome.message << "\n";
        }
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
