// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/form.h"

class QEventLoop;

namespace tarvel::ui {

class Binder;

// The Qt windows of the program's window models: a window is built from its .ui when its
// model is first shown, shown and hidden with it, and closed when the model is unloaded.
// Every user event goes through dispatch(), after which all windows show their models again.
class Windows {
public:
    explicit Windows(forms::Application& app);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // Builds the widgets of a window (objectNames = control names), not yet bound.
    using Builder = std::function<std::unique_ptr<QWidget>()>;
    // How a newly built window is placed: at the model's position, or centred horizontally
    // on the screen with the model's top.
    enum class Placement { AtModel, CentredHorizontally };
    void registerWindow(const std::string& formName, Builder builder,
                        Placement placement = Placement::AtModel);

    forms::Application& application() const { return app_; }
    QWidget* window(const std::string& formName) const;
    Binder* binder(const std::string& formName) const;

    // Runs one user event on the models, then brings every window up to date. Nothing the
    // models throw crosses Qt's event handling: a failure is kept for rethrowPending() when
    // keepFailures is set (replay on widgets), and reported on the console otherwise.
    void dispatch(const std::function<void()>& event);
    bool keepFailures = false;
    void rethrowPending();
    // Logs a fault that left a handler and tells the user; the program goes on.
    void reportFault(std::exception_ptr fault);

    // Brings the windows in line with the models.
    void sync();
    // Runs a nested event loop until the model window is hidden or unloaded.
    void runModal(forms::Form& form);

    // Called once when the program has ended (its main window closed).
    std::function<void()> onEnded;

private:
    struct Entry {
        Builder build;
        Placement placement = Placement::AtModel;
        std::unique_ptr<QWidget> window;
        Binder* binder = nullptr; // owned by the window
        forms::Form* form = nullptr;
    };
    struct ModalLoop {
        forms::Form* form;
        QEventLoop* loop;
    };
    void open(Entry& entry, forms::Form& form);
    void close(Entry& entry);
    void place(Entry& entry, const forms::Form& form);

    forms::Application& app_;
    std::map<std::string, Entry> entries_;
    std::vector<ModalLoop> loops_;
    std::vector<QPointer<QWidget>> closing_;
    std::exception_ptr pending_;
    int depth_ = 0;
    bool syncing_ = false;
    bool endReported_ = false;
    bool reportingFault_ = false;
};

} // namespace tarvel::ui
