// Writes the table of option names that config/OptionNames.h checks names against, from the
// option catalogue itself: one string literal per catalogue row, in catalogue order.

#include "config/OptionCatalogue.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: option_names OUTPUT\n";
        return 2;
    }
    std::ostringstream text;
    text << "// Generated from the option catalogue by tools/option_names.cpp; do not edit.\n"
         << "inline constexpr std::string_view kOptionNames[] = {\n";
    for (const auto& d : pramlet::optionCatalogue())
        text << "    \"" << d.name << "\",\n";
    text << "};\n";
    // Rewrite only on a change, so that an unchanged catalogue rebuilds nothing.
    std::ifstream old(argv[1], std::ios::binary);
    std::ostringstream oldText;
    oldText << old.rdbuf();
    if (old && oldText.str() == text.str()) return 0;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << text.str();
    return out ? 0 : 1;
}
