// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QtDebug>

#include "ui/binder.h"

namespace tarvel::ui {

namespace {

// Window positions of the models are in twips; a logical pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

} // namespace

Windows::Windows(forms::Application& app) : app_(app) {}

Windows::~Windows() {
    for (auto& [name, entry] : entries_) {
        if (entry.binder)
            entry.binder->detach();
    }
    entries_.clear();
    for (const QPointer<QWidget>& w : closing_)
        delete w.data();
}

void Windows::registerWindow(const std::string& formName, Builder builder, Placement placement) {
    Entry& entry = entries_[formName];
    entry.build = std::move(builder);
    entry.placement = placement;
}

QWidget* Windows::window(const std::string& formName) const {
    const auto it = entries_.find(formName);
    return it == entries_.end() ? nullptr : it->second.window.get();
}

Binder* Windows::binder(const std::string& formName) const {
    const auto it = entries_.find(formName);
    return it == entries_.end() ? nullptr : it->second.binder;
}

void Windows::dispatch(const std::function<void()>& event) {
    ++depth_;
    try {
        event();
    } catch (...) {
        if (keepFailures) {
            if (!pending_)
                pending_ = std::current_exception();
        } else {
            reportFault(std::current_exception());
        }
    }
    --depth_;
    sync();
    if (depth_ == 0)
        app_.collectGarbage();
}

// A fault in a handler must not end the program and take the user's work with it: it is
// logged, the user is told in one message, and the window goes on running.
void Windows::reportFault(std::exception_ptr fault) {
    std::string what = "nepoznata greška";
    try {
        std::rethrow_exception(fault);
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    qWarning("tarvel: %s", what.c_str());
    if (reportingFault_)
        return;
    reportingFault_ = true;
    try {
        app_.platform().messageBox(
            forms::MsgIcon::Critical, forms::MsgButtons::Ok, " Unutarnja greška",
            "Unutarnja greška: radnja nije dovršena (" + what +
                ").\nProgram nastavlja s radom; provjerite prikazane iznose.");
    } catch (...) {
    }
    reportingFault_ = false;
}

void Windows::rethrowPending() {
    if (pending_)
        std::rethrow_exception(std::exchange(pending_, nullptr));
}

void Windows::sync() {
    if (syncing_)
        return;
    syncing_ = true;
    for (auto& [name, entry] : entries_) {
        forms::Form* form = app_.loaded(name);
        if (entry.window && entry.form != form)
            close(entry);
        if (!form)
            continue;
        if (!entry.window && form->shown())
            open(entry, *form);
        if (!entry.window)
            continue;
        entry.binder->refresh();
        QWidget& w = *entry.window;
        if (form->shown() && w.isHidden()) {
            w.setWindowModality(form->modal() ? Qt::ApplicationModal : Qt::NonModal);
            w.show();
            w.activateWindow();
        } else if (!form->shown() && !w.isHidden()) {
            w.hide();
        }
    }
    for (const ModalLoop& m : loops_) {
        if (app_.loaded(m.form->name()) != m.form || !m.form->shown())
            m.loop->quit();
    }
    syncing_ = false;
    if (app_.ended() && !endReported_) {
        endReported_ = true;
        if (onEnded)
            onEnded();
    }
}

void Windows::open(Entry& entry, forms::Form& form) {
    entry.window = entry.build();
    entry.window->setAttribute(Qt::WA_DeleteOnClose, false);
    entry.form = &form;
    entry.binder = new Binder(form, *entry.window, *this);
    // A window is as large as its layout with everything of its design on view, so that what
    // the model shows later never crowds it.
    QWidget& w = *entry.window;
    w.ensurePolished();
    if (const QSize full = w.sizeHint(); full.isValid()) {
        w.setMinimumSize(full);
        w.resize(full);
    }
    entry.binder->refresh();
    place(entry, form);
}

void Windows::close(Entry& entry) {
    entry.binder->detach();
    entry.binder = nullptr;
    entry.form = nullptr;
    QWidget* w = entry.window.release();
    w->hide();
    // The window may be in the middle of one of its own events: it goes once they are done.
    std::erase_if(closing_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
    closing_.emplace_back(w);
    w->deleteLater();
}

void Windows::place(Entry& entry, const forms::Form& form) {
    QWidget& w = *entry.window;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    int x = area.left() + form.left / kTwipsPerPixel;
    if (entry.placement == Placement::CentredHorizontally)
        x = area.left() + (area.width() - w.width()) / 2;
    int y = area.top() + form.top / kTwipsPerPixel;
    // A window that fits on the screen but would run past its edge from its place moves back
    // onto it.
    const QRect room = screen ? screen->availableGeometry() : area;
    const QSize outer = w.frameGeometry().size();
    if (outer.width() <= room.width())
        x = std::clamp(x, room.left(), room.right() + 1 - outer.width());
    if (outer.height() <= room.height())
        y = std::clamp(y, room.top(), room.bottom() + 1 - outer.height());
    w.move(x, y);
}

void Windows::runModal(forms::Form& form) {
    sync();
    const auto it = entries_.find(form.name());
    if (it == entries_.end() || !it->second.window) {
        qWarning("tarvel: window %s has no widgets", form.name().c_str());
        return;
    }
    if (app_.loaded(form.name()) != &form || !form.shown())
        return;
    QEventLoop loop;
    loops_.push_back({&form, &loop});
    loop.exec(QEventLoop::DialogExec);
    loops_.pop_back();
}

} // namespace tarvel::ui
