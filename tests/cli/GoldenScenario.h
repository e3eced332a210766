#pragma once
// The golden programs' scenarios: NAME.args under tests/generator/golden/ holds the
// arguments of pramlet-cli, one per line ("#" lines are comments), "#status N" the exit
// status (otherwise 0) and "#stderr TEXT" each line printed on standard error.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace pramlet::test {

inline std::vector<std::string> goldenNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PRAMLET_GOLDEN_DIR))
        if (entry.path().extension() == ".args") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

struct Scenario {
    std::vector<std::string> args;
    int status = 0;
    std::string err; // expected standard error
};

inline Scenario readScenario(const std::filesystem::path& path) {
    Scenario s;
    std::istringstream text(readFile(path));
    for (std::string line; std::getline(text, line);) {
        if (line.rfind("#status ", 0) == 0)
            s.status = std::stoi(line.substr(8));
        else if (line.rfind("#stderr ", 0) == 0)
            s.err += line.substr(8) + "\n";
        else if (!line.empty() && line[0] != '#')
            s.args.push_back(line);
    }
    return s;
}

} // namespace pramlet::test
