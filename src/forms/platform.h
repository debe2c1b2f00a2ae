#pragma once

#include <optional>
#include <string>
#include <vector>

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

enum class FileResult { Ok, AccessDenied, Failed };

// Text files of the program directory, addressed by file name. Texts cross this interface
// as UTF-8 with "\n" line ends; on disk they are Windows-1250 with CR LF.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual bool exists(const std::string& name) = 0;
    virtual std::optional<long long> size(const std::string& name) = 0;
    // Appends text, creating the file when it is missing.
    virtual FileResult append(const std::string& name, const std::string& text) = 0;
    // Replaces the whole file atomically: a failure leaves the old file as it was.
    virtual FileResult writeWhole(const std::string& name, const std::string& text) = 0;
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

// A document to print: a title for the job and the lines of each page.
struct PrintJob {
    std::string title;
    std::vector<std::vector<std::string>> pages;
};

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
    virtual void showHtmlHelp(const std::string& file, const std::string& page,
                              const std::string& window) = 0;
    virtual void showClassicHelp(const std::string& file, int command) = 0;
    virtual void print(const PrintJob& job) = 0;
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
