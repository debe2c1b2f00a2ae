// SPDX-License-Identifier: GPL-3.0-or-later
// The tabs of a tab strip: each tab is a control of its own ("tbsVrste(6)"), bound to its tab of
// the strip's QTabBar.
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabBar>

#include "ui/binder.h"
#include "ui/qt_text.h"

namespace tarvel::ui {

using forms::ControlKind;

int tabIndexOf(const forms::Control& control) {
    const forms::Control* strip = control.container();
    if (!strip || strip->kind() != ControlKind::TabStrip)
        return -1;
    const std::string& name = control.name();
    const std::string prefix = strip->name() + "(";
    if (name.size() <= prefix.size() + 1 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.back() != ')')
        return -1;
    int index = 0;
    for (size_t i = prefix.size(); i + 1 < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return -1;
        index = index * 10 + (name[i] - '0');
    }
    return index;
}

void Binder::bindTab(forms::Control& tab) {
    const auto it = byControl_.constFind(tab.container());
    if (it == byControl_.constEnd())
        return;
    auto* bar = qobject_cast<QTabBar*>(bindings_[*it].widget);
    const int index = tabIndexOf(tab);
    if (!bar || index >= bar->count())
        return;
    tabs_.push_back({&tab, bar, index});
}

void Binder::refreshTabs() {
    for (const TabBinding& t : tabs_) {
        const QSignalBlocker blocker(t.bar);
        const QString caption = toQString(t.tab->caption());
        if (t.bar->tabText(t.index) != caption)
            t.bar->setTabText(t.index, caption);
        t.bar->setTabEnabled(t.index, t.tab->enabled());
        t.bar->setTabVisible(t.index, t.tab->visible());
        // The strip's value is its selected tab.
        if (t.bar->currentIndex() != t.tab->container()->value())
            t.bar->setCurrentIndex(t.tab->container()->value());
    }
}

// A click on a tab is the user's click on that tab's control, and the model selects it; the
// second press of a double click is the double click of that control.
bool Binder::tabMouse(QTabBar& bar, QMouseEvent& event) {
    const bool doubled = event.type() == QEvent::MouseButtonDblClick;
    if (event.type() != QEvent::MouseButtonPress && !doubled)
        return event.type() == QEvent::MouseButtonRelease;
    const int index = bar.tabAt(event.position().toPoint());
    for (const TabBinding& t : tabs_) {
        if (t.bar == &bar && t.index == index) {
            forms::Control* tab = t.tab;
            if (doubled)
                dispatch([this, tab] { form_->userDblClick(*tab); });
            else
                dispatch([this, tab] { form_->userClick(*tab); });
        }
    }
    return true;
}

} // namespace tarvel::ui
