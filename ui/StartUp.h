#pragma once
// The wizard's start, as the program and its start-up benchmark run it.

#include "config/Project.h"
#include "ui/MainWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pramlet {

// Makes the window over `project` and starts the project in `homePath` with the command line.
// The description files are read on a second thread while the window is made, so that the
// two do not wait for each other. `windowMade` hears of the window before the start, whose
// messages may then have it for their parent; the window is not shown yet.
std::unique_ptr<MainWindow>
makeStartedWindow(Project& project, const std::string& homePath,
                  const std::vector<std::string>& args,
                  const std::function<void(MainWindow&)>& windowMade = {});

} // namespace pramlet
