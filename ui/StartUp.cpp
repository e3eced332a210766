#include "ui/StartUp.h"

namespace pramlet {

std::unique_ptr<MainWindow> makeStartedWindow(Project& project, const std::string& homePath,
                                              const std::vector<std::string>& args,
                                              const std::function<void(MainWindow&)>& windowMade) {
    project.scanAhead(homePath);
    auto window = std::make_unique<MainWindow>(project);
    if (windowMade) windowMade(*window);
    project.start(homePath, args);
    return window;
}

} // namespace pramlet
