#pragma once
// One binder per option kind: it creates the option's widget, wires the widget's signals to
// the user's actions on the project, and repaints the widget from the option's state.

#include "config/Options.h"

#include <functional>
#include <string>

class QObject;
class QWidget;

namespace pramlet {

class Project;

struct BindContext {
    Project& project;
    QObject* owner; // context of the connections
    // True while widgets are repainted from the project: their signals are no user's.
    std::function<bool()> repainting;
    // Runs a user's action on option `name` (nothing while repainting).
    std::function<void(const std::string& name, const std::function<void()>& action)> act;
    // A command button was clicked.
    std::function<void(const std::string& name)> command;
    // A double click on a field that opens a chooser (FNameEdit).
    QObject* chooserFilter = nullptr;
};

class OptionBinder {
  public:
    virtual ~OptionBinder() = default;
    virtual QWidget* create(const OptionDef& d, Project& project) const = 0;
    virtual void wire(const OptionDef&, QWidget*, const BindContext&) const {}
    // The widget's own content; enabled, visible and hint are painted by the caller.
    virtual void repaint(const OptionState&, QWidget*) const {}
    // Repainted whenever asked, even when the option's state looks unchanged (the port
    // frames show the frame model, not the option's state).
    virtual bool paintsOutsideState() const { return false; }
};

const OptionBinder& binderFor(OptionKind kind);

// Creates the widget of `d` with its name and hint, wired through `context`.
QWidget* createOptionWidget(const OptionDef& d, const BindContext& context);

// True when two states of an option paint the same widget.
bool samePaint(const OptionState& a, const OptionState& b);

} // namespace pramlet
