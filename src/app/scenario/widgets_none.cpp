// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/widgets.h"

namespace tarvel::scenario {

#ifndef TARVEL_WITH_WIDGETS
std::unique_ptr<WidgetsSession> startWidgets(int&, char**) {
    return nullptr;
}
#endif

} // namespace tarvel::scenario
