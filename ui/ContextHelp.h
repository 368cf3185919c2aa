// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// F1 help: what the control with the focus does, taken from its "What's this"
// text, or in a grid from the current column's header.

class QString;
class QWidget;

namespace ContextHelp {

// The help of a widget: in a grid (its cells' editors included) the current
// column's, otherwise the widget's own "What's this" or the nearest enclosing
// widget's. Empty when none has any.
QString textFor(const QWidget* widget);

} // namespace ContextHelp
