#pragma once
// Where each option of a page stands, worked out from the option catalogue alone: the page's
// boxes spread over columns, the rows of each box, the members of a group that share a row,
// and the numbered options that form a table (each LED, disk or port on a line of its own).
// The window only turns this plan into widgets.

#include "config/OptionCatalogue.h"

#include <string>
#include <vector>

namespace pramlet {

// Numbered options of one box that go together: names that differ in one character running
// 0, 1, 2 ... or A, B, C ... (LedLowChk0..7, LEDportSpin0..7; DiskAROChk..DiskDROChk).
using Series = std::vector<const OptionDef*>;
// Two or more series over the same numbers.
using SeriesTable = std::vector<Series>;

// One line of a box.
struct PlanRow {
    enum class Kind {
        Option, // one option, with its label in the first column when it has one
        Box,    // a nested group box with rows of its own
        Group,  // members of a one-of group that follow each other, four to a line
        Table,  // a series table
    };
    Kind kind = Kind::Option;
    const OptionDef* def = nullptr;          // Option, Box
    std::string label{};                     // Option: the text beside it (label or caption)
    std::vector<const OptionDef*> members{}; // Group
    const OptionDef* trailing = nullptr;     // Group: a rule-set text after the last member
    SeriesTable table{};                     // Table
    std::vector<PlanRow> rows{};             // Box
};

struct BoxPlan {
    const OptionDef* def = nullptr;
    int column = 0;
    std::vector<PlanRow> rows{};
};

struct PagePlan {
    int page = 0;
    bool controllerTabs = false; // the first page's controller lists on top
    int columns = 1;
    std::vector<BoxPlan> boxes{};          // the page's boxes in form order, each in its column
    std::vector<const OptionDef*> loose{}; // commands and fields under the boxes
};

// Options that the page shows as widgets (window-level entries and the controller lists
// are placed by the window itself).
bool hasContent(const OptionDef& d);
// Rough height of a box's content in rows, to spread boxes over columns evenly.
int estimatedRows(const std::string& parent, int page);
std::vector<SeriesTable> seriesTables(const std::string& parent, int page);
std::vector<PlanRow> planBox(const std::string& parent, int page);
PagePlan planPage(int page);

// How a series table is laid out: two of a kind side by side as two columns, more of a kind
// a line each.
inline bool tableInColumns(const SeriesTable& t) {
    return t.front().size() == 2;
}

} // namespace pramlet
