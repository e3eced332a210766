#include "components/LayoutPlan.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>

namespace pramlet {

bool hasContent(const OptionDef& d) {
    switch (d.kind) {
    case OptionKind::TitleBar:
    case OptionKind::StatusLine:
    case OptionKind::FileDialog:
    case OptionKind::PrintDialog:
    case OptionKind::ControllerList: return false;
    default: return true;
    }
}

int estimatedRows(const std::string& parent, int page) {
    int rows = 0;
    std::string lastGroup;
    int inGroup = 0;
    for (const auto& d : optionCatalogue()) {
        if (d.page != page || d.parent != parent) continue;
        if (d.kind == OptionKind::GroupBox) {
            rows += 2 + estimatedRows(d.name, page);
        } else if (d.kind == OptionKind::OneOf) {
            if (d.group != lastGroup) inGroup = 0;
            lastGroup = d.group;
            if (inGroup++ % 4 == 0) ++rows;
        } else if (d.kind == OptionKind::CheckList) {
            rows += 5;
        } else if (d.kind == OptionKind::PortFrame) {
            rows += 9;
        } else {
            ++rows;
            lastGroup.clear();
        }
    }
    return rows;
}

std::vector<SeriesTable> seriesTables(const std::string& parent, int page) {
    std::map<std::string, Series> byKey;
    std::vector<std::string> keys; // in catalogue order
    for (const auto& d : optionCatalogue()) {
        if (d.page != page || d.parent != parent || !hasContent(d)) continue;
        // Summaries keep their list of captions; commands and frames are no series.
        if (d.kind != OptionKind::CheckBox && d.kind != OptionKind::Number &&
            d.kind != OptionKind::NumberSpecial && d.kind != OptionKind::Choice &&
            d.kind != OptionKind::Text)
            continue;
        for (size_t p = 0; p < d.name.size(); ++p) {
            const char c = d.name[p];
            if (!std::isdigit(static_cast<unsigned char>(c)) && !(c >= 'A' && c <= 'Z')) continue;
            std::string key = std::to_string(p) + ":" + d.name;
            key[key.find(':') + 1 + p] = '#';
            if (!byKey.count(key)) keys.push_back(key);
            byKey[key].push_back(&d);
        }
    }
    std::vector<std::pair<std::string, Series>> series; // index characters, members
    std::set<const OptionDef*> taken;
    for (const auto& key : keys) {
        Series members = byKey[key];
        if (members.size() < 2) continue;
        const size_t p = std::stoul(key);
        std::sort(members.begin(), members.end(),
                  [p](auto* a, auto* b) { return a->name[p] < b->name[p]; });
        std::string index;
        for (auto* m : members)
            index += m->name[p];
        bool run = index[0] == '0' || index[0] == '1' || index[0] == 'A';
        for (size_t i = 1; run && i < index.size(); ++i)
            run = index[i] == index[0] + static_cast<char>(i);
        if (!run || std::any_of(members.begin(), members.end(),
                                [&](auto* m) { return taken.count(m) > 0; }))
            continue;
        taken.insert(members.begin(), members.end());
        series.emplace_back(index, members);
    }
    std::vector<SeriesTable> tables;
    std::vector<std::string> tableIndex;
    for (auto& [index, members] : series) {
        auto it = std::find(tableIndex.begin(), tableIndex.end(), index);
        if (it == tableIndex.end()) {
            tableIndex.push_back(index);
            tables.push_back({members});
        } else {
            tables[it - tableIndex.begin()].push_back(members);
        }
    }
    std::erase_if(tables, [](const SeriesTable& t) { return t.size() < 2; });
    return tables;
}

std::vector<PlanRow> planBox(const std::string& parent, int page) {
    std::vector<PlanRow> rows;
    const std::vector<SeriesTable> tables = seriesTables(parent, page);
    std::set<const OptionDef*> inTable;
    std::set<size_t> placed;
    for (const auto& table : tables)
        for (const auto& series : table)
            inTable.insert(series.begin(), series.end());
    const auto& cat = optionCatalogue();
    for (size_t i = 0; i < cat.size(); ++i) {
        const OptionDef& d = cat[i];
        if (d.page != page || d.parent != parent || !hasContent(d)) continue;
        if (inTable.count(&d)) {
            // A table stands where its first option would.
            for (size_t t = 0; t < tables.size(); ++t) {
                const auto& table = tables[t];
                const bool member = std::any_of(table.begin(), table.end(), [&](const Series& s) {
                    return std::find(s.begin(), s.end(), &d) != s.end();
                });
                if (member && placed.insert(t).second)
                    rows.push_back({.kind = PlanRow::Kind::Table, .table = table});
            }
            continue;
        }
        if (d.kind == OptionKind::GroupBox) {
            if (parent.empty()) continue; // the page's own boxes stand in its columns
            rows.push_back({.kind = PlanRow::Kind::Box, .def = &d, .rows = planBox(d.name, page)});
            continue;
        }
        if (d.kind == OptionKind::OneOf) {
            // The members of one group that follow each other share a row of buttons.
            PlanRow row{.kind = PlanRow::Kind::Group};
            size_t j = i;
            for (; j < cat.size() && cat[j].kind == OptionKind::OneOf && cat[j].group == d.group &&
                   cat[j].parent == parent;
                 ++j)
                row.members.push_back(&cat[j]);
            // A text shown by the rules right after the group completes the last
            // member's caption ("Reset Jump to:" and the boot address).
            if (j < cat.size() && cat[j].kind == OptionKind::Label && cat[j].page == page &&
                cat[j].parent == parent)
                row.trailing = &cat[j++];
            i = j - 1;
            rows.push_back(std::move(row));
            continue;
        }
        PlanRow row{.kind = PlanRow::Kind::Option, .def = &d};
        if (!d.label.empty())
            row.label = d.label;
        else if (d.kind == OptionKind::Summary)
            row.label = d.caption;
        rows.push_back(std::move(row));
    }
    return rows;
}

PagePlan planPage(int page) {
    PagePlan plan{.page = page, .controllerTabs = page == 0};
    std::vector<const OptionDef*> top;
    int total = 0;
    for (const auto& d : optionCatalogue()) {
        if (d.page != page || !d.parent.empty() || !hasContent(d)) continue;
        if (d.kind == OptionKind::GroupBox) {
            top.push_back(&d);
            total += 2 + estimatedRows(d.name, page);
        } else {
            plan.loose.push_back(&d);
        }
    }
    // Port pages show their frames side by side; other pages fill up to four columns.
    const bool frames = !top.empty() && std::all_of(top.begin(), top.end(), [](auto* d) {
        for (const auto& o : optionCatalogue())
            if (o.parent == d->name) return o.kind == OptionKind::PortFrame;
        return false;
    });
    const int wanted = std::max(static_cast<int>(std::ceil(total / 20.0)),
                                std::min(3, static_cast<int>(top.size())));
    const int columns = frames ? static_cast<int>(top.size()) : std::clamp(wanted, 1, 4);
    plan.columns = columns;
    // Each box goes to the currently shortest column.
    std::vector<int> heights(columns, 0);
    for (const OptionDef* d : top) {
        const auto c = std::min_element(heights.begin(), heights.end()) - heights.begin();
        plan.boxes.push_back({d, static_cast<int>(c), planBox(d->name, page)});
        heights[c] += 2 + estimatedRows(d->name, page);
    }
    return plan;
}

} // namespace pramlet
