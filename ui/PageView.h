#pragma once
// Turns a page's layout plan into widgets: columns of group boxes, rows of options, rows of
// group members and series tables, and the commands under the boxes.

#include "components/LayoutPlan.h"

#include <functional>
#include <string>

class QButtonGroup;
class QLabel;
class QWidget;

namespace pramlet {

struct PageWidgets {
    // The option's widget, created and wired.
    std::function<QWidget*(const OptionDef&)> make;
    // Records the widget that shows an option, and the label beside it.
    std::function<void(const OptionDef&, QWidget*, QLabel*)> bind;
    // The exclusive button group of a one-of group.
    std::function<QButtonGroup*(const std::string& group)> group;
};

// The content of a page; `top` (the first page's controller tabs) stands above the boxes.
QWidget* buildPageContent(const PagePlan& plan, QWidget* top, const PageWidgets& widgets);

} // namespace pramlet
