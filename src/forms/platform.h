// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/client_document.h"

// What the window models need from the machine. The program implements it with Qt; the
// scenario runner and the tests implement it by recording.
namespace tarvel::forms {

class Form;

enum class MsgIcon { Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

struct ScreenSize {
    int widthTwips = 0;
    int heightTwips = 0;
};

enum class FileResult { Ok, InUse, Failed };

// The outcome of a write: InUse when the system says another program holds the file, Failed
// for every other failure, with its reason in Croatian words ("disk je pun").
struct WriteResult {
    FileResult result = FileResult::Ok;
    std::string reason;

    friend bool operator==(const WriteResult& r, FileResult f) { return r.result == f; }
    friend bool operator==(const WriteResult&, const WriteResult&) = default;
};

// Text files of the program directory, addressed by file name. Texts cross this interface
// as UTF-8 with "\n" line ends; on disk they are Windows-1250 with CR LF. A write either
// completes or leaves the file as it was, and says which.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual bool exists(const std::string& name) = 0;
    virtual std::optional<long long> size(const std::string& name) = 0;
    // Appends text, creating the file when it is missing. A write that fails part-way leaves
    // the file as it was: it only ever grows by the whole text.
    virtual WriteResult append(const std::string& name, const std::string& text) = 0;
    // Replaces the whole file atomically: a failure leaves the old file as it was.
    virtual WriteResult replaceWhole(const std::string& name, const std::string& text) = 0;
    virtual bool remove(const std::string& name) = 0;
    virtual std::optional<std::vector<std::string>> readLines(const std::string& name) = 0;
    virtual std::string fullPath(const std::string& name) = 0;
};

// The per-user settings store of application "Tarvel", section "Startup".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& key, const std::string& fallback) = 0;
    virtual void set(const std::string& key, const std::string& value) = 0;
};

// A page surface of the printer, of a print preview or of a PDF file, in a fixed-pitch font:
// positions in centimetres from the top left corner of the printable area. A failure throws a
// std::exception that describes it.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    virtual double widthCm() const = 0;      // printable width
    virtual double heightCm() const = 0;     // printable height
    virtual double lineHeightCm() const = 0; // the font's line spacing
    virtual void printText(double xCm, double yCm, const std::string& text) = 0;
    virtual void newPage() = 0;
};

enum class PrintTarget { Printer, Preview, Pdf };

// Draws a whole document on a surface, from its first page on.
using PrintRender = std::function<void(PrintSurface&)>;

class Platform {
public:
    virtual ~Platform() = default;

    virtual MsgAnswer messageBox(MsgIcon icon, MsgButtons buttons, const std::string& title,
                                 const std::string& text) = 0;
    // The typed text, or "" when the user cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    virtual void beep() = 0;

    virtual SettingsStore& settings() = 0;
    virtual FileStore& files() = 0;

    // Opens the text viewer on a file of the program directory; false when there is none.
    virtual bool openTextViewer(const std::string& fileName) = 0;
    // Whether a help document ("Tarvel.chm") is there to be shown: in the program directory,
    // or, where the platform installs help elsewhere, there.
    virtual bool helpFileExists(const std::string& name) { return files().exists(name); }
    virtual void showHtmlHelp(const std::string& file, const std::string& page,
                              const std::string& window) = 0;
    virtual void showClassicHelp(const std::string& file, int command) = 0;
    // Opens a classic help file at a help topic number, as the F1 key of classic help does;
    // where topics cannot be reached, the file's contents will do.
    virtual void showClassicHelpTopic(const std::string& file, int topic) {
        (void)topic;
        showClassicHelp(file, 3);
    }
    // Prints a document on the default printer, shows it in a print preview or saves it as a
    // PDF file; `render` draws it (a preview may call it more than once). Returns the
    // failure's description, or nothing when the document went out or the user cancelled.
    virtual std::optional<std::string> printDocument(const std::string& title, PrintTarget target,
                                                     const PrintRender& render) = 0;
    // Typesets a client document and prints it, shows it in a print preview (from which it can
    // be printed or saved as a PDF file) or saves it as a PDF file. Returns the failure's
    // description, or nothing when the document went out or the user cancelled. A platform
    // that cannot typeset says so.
    virtual std::optional<std::string> printClientDocument(const ClientDocument& document,
                                                           PrintTarget target) {
        (void)document;
        (void)target;
        return "ovdje se dokumenti ne mogu slagati.";
    }
    // Asks the desktop to open a mail or web address; on failure returns the system's error.
    virtual std::optional<std::string> openAddress(const std::string& address) = 0;
    virtual void setBusy(bool busy) = 0;

    virtual ScreenSize screenSize() = 0;
    virtual Version version() = 0;
    virtual std::string programDirectory() = 0;

    // Runs a nested loop until the form is hidden or unloaded.
    virtual void runModal(Form& form) = 0;
    // Lets pending user events run (used by long-running handlers).
    virtual void processEvents() {}
    // Called after a handler changed the models outside a user event the platform sent.
    virtual void refresh() {}
};

} // namespace tarvel::forms
