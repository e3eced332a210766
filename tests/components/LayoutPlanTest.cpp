#include "components/LayoutPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace pramlet;

namespace {

// Every option a plan places, with the number of times it is placed.
void collect(const std::vector<PlanRow>& rows, std::map<const OptionDef*, int>& seen) {
    for (const PlanRow& row : rows) {
        switch (row.kind) {
        case PlanRow::Kind::Option: ++seen[row.def]; break;
        case PlanRow::Kind::Box:
            ++seen[row.def];
            collect(row.rows, seen);
            break;
        case PlanRow::Kind::Group:
            for (auto* m : row.members)
                ++seen[m];
            if (row.trailing) ++seen[row.trailing];
            break;
        case PlanRow::Kind::Table:
            for (const Series& s : row.table)
                for (auto* d : s)
                    ++seen[d];
            break;
        }
    }
}

std::map<const OptionDef*, int> placed(const PagePlan& plan) {
    std::map<const OptionDef*, int> seen;
    for (const BoxPlan& b : plan.boxes) {
        ++seen[b.def];
        collect(b.rows, seen);
    }
    for (auto* d : plan.loose)
        ++seen[d];
    return seen;
}

const PlanRow* findRow(const std::vector<PlanRow>& rows, const std::string& name) {
    for (const PlanRow& row : rows) {
        const bool here =
            (row.def && row.def->name == name) || (row.trailing && row.trailing->name == name) ||
            std::any_of(row.members.begin(), row.members.end(),
                        [&](auto* m) { return m->name == name; }) ||
            std::any_of(row.table.begin(), row.table.end(), [&](const Series& s) {
                return std::any_of(s.begin(), s.end(), [&](auto* d) { return d->name == name; });
            });
        if (here) return &row;
        if (const PlanRow* inner = findRow(row.rows, name)) return inner;
    }
    return nullptr;
}

const PlanRow* findRow(const PagePlan& plan, const std::string& name) {
    for (const BoxPlan& b : plan.boxes)
        if (const PlanRow* row = findRow(b.rows, name)) return row;
    return nullptr;
}

} // namespace

TEST(LayoutPlan, EveryOptionOfEveryPageIsPlacedExactlyOnce) {
    for (int page = 0; page < 16; ++page) {
        const auto seen = placed(planPage(page));
        for (const auto& d : optionCatalogue()) {
            if (d.page != page || !hasContent(d)) continue;
            auto it = seen.find(&d);
            ASSERT_NE(it, seen.end()) << d.name << " is not placed on page " << page;
            EXPECT_EQ(it->second, 1) << d.name;
        }
        for (const auto& [d, n] : seen)
            EXPECT_EQ(d->page, page) << d->name << " is placed on page " << page;
    }
}

TEST(LayoutPlan, PagesUseOneToFourColumnsAndPortPagesOneColumnPerFrame) {
    for (int page = 0; page < 16; ++page) {
        const PagePlan plan = planPage(page);
        EXPECT_EQ(plan.controllerTabs, page == 0);
        std::vector<int> boxes(plan.columns, 0);
        for (const BoxPlan& b : plan.boxes) {
            ASSERT_GE(b.column, 0);
            ASSERT_LT(b.column, plan.columns);
            ++boxes[b.column];
        }
        const bool frames = std::any_of(
            optionCatalogue().begin(), optionCatalogue().end(),
            [&](const OptionDef& d) { return d.page == page && d.kind == OptionKind::PortFrame; });
        if (frames) {
            EXPECT_EQ(plan.columns, static_cast<int>(plan.boxes.size())) << page;
        } else {
            EXPECT_GE(plan.columns, 1) << page;
            EXPECT_LE(plan.columns, 4) << page;
        }
        // A page with boxes leaves no column empty while another holds two or more.
        if (plan.boxes.size() >= static_cast<size_t>(plan.columns)) {
            for (int n : boxes)
                EXPECT_GE(n, 1) << "an empty column on page " << page;
        }
    }
}

TEST(LayoutPlan, BoxesKeepTheirFormOrder) {
    for (int page = 0; page < 16; ++page) {
        const PagePlan plan = planPage(page);
        for (size_t i = 1; i < plan.boxes.size(); ++i)
            EXPECT_LT(plan.boxes[i - 1].def, plan.boxes[i].def) << page;
    }
}

TEST(LayoutPlan, EachLedStandsOnALineOfItsOwn) {
    const OptionDef* led = findOption("LedLowChk0");
    ASSERT_NE(led, nullptr);
    const PagePlan plan = planPage(led->page);
    const PlanRow* row = findRow(plan, "LedLowChk0");
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->kind, PlanRow::Kind::Table);
    ASSERT_FALSE(tableInColumns(row->table));
    // One series each for the level, the port and the bit, eight members each, in order.
    ASSERT_EQ(row->table.size(), 3u);
    for (const Series& s : row->table) {
        ASSERT_EQ(s.size(), 8u);
        for (size_t n = 0; n < s.size(); ++n)
            EXPECT_EQ(s[n]->name.back(), static_cast<char>('0' + n)) << s[n]->name;
    }
    EXPECT_EQ(row->table[0][3]->name, "LedLowChk3");
    EXPECT_EQ(row->table[1][3]->name, "LEDportSpin3");
    EXPECT_EQ(row->table[2][3]->name, "LEDbitSpin3");
}

TEST(LayoutPlan, EachDiskHasItsNumberAndReadOnlyBoxTogether) {
    const OptionDef* disk = findOption("DiskAROChk");
    ASSERT_NE(disk, nullptr);
    const PagePlan plan = planPage(disk->page);
    const PlanRow* row = findRow(plan, "DiskASpin");
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->kind, PlanRow::Kind::Table);
    for (const Series& s : row->table) {
        ASSERT_EQ(s.size(), 4u);
        EXPECT_EQ(s[0]->name.substr(0, 5), "DiskA");
        EXPECT_EQ(s[3]->name.substr(0, 5), "DiskD");
    }
}

TEST(LayoutPlan, GroupMembersShareARowAndTheBootAddressFollowsThem) {
    const OptionDef* jump = findOption("ResJmpBtn");
    ASSERT_NE(jump, nullptr);
    const PagePlan plan = planPage(jump->page);
    const PlanRow* row = findRow(plan, "ResJmpBtn");
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->kind, PlanRow::Kind::Group);
    ASSERT_EQ(row->members.size(), 2u);
    EXPECT_EQ(row->members[0]->name, "ResJmpDefBtn");
    EXPECT_EQ(row->members[1]->name, "ResJmpBtn");
    ASSERT_NE(row->trailing, nullptr);
    EXPECT_EQ(row->trailing->name, "ResJmpLabel");
    // The label is not placed a second time as a row of its own.
    EXPECT_EQ(findRow(plan, "ResJmpLabel"), row);
}

TEST(LayoutPlan, FieldsCarryTheirLabelsAndSummariesTheirCaptions) {
    const OptionDef* cpu = findOption("CPUpan");
    ASSERT_NE(cpu, nullptr);
    const PagePlan plan = planPage(cpu->page);
    const PlanRow* row = findRow(plan, "CPUpan");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->kind, PlanRow::Kind::Option);
    EXPECT_EQ(row->label, "CPU :");
    for (const auto& d : optionCatalogue()) {
        if (d.page < 0 || d.parent.empty() || d.label.empty() || !hasContent(d)) continue;
        const PagePlan own = planPage(d.page);
        const PlanRow* r = findRow(own, d.name);
        ASSERT_NE(r, nullptr) << d.name;
        if (r->kind == PlanRow::Kind::Option) {
            EXPECT_EQ(r->label, d.label) << d.name;
        }
    }
}

TEST(LayoutPlan, SeriesNeedARunOfNumbersOrLetters) {
    // Two series over the same run form a table; a lone series or a broken run does not.
    for (int page = 0; page < 16; ++page)
        for (const auto& d : optionCatalogue()) {
            if (d.page != page || d.kind != OptionKind::GroupBox) continue;
            for (const SeriesTable& t : seriesTables(d.name, page)) {
                ASSERT_GE(t.size(), 2u) << d.name;
                for (const Series& s : t) {
                    ASSERT_EQ(s.size(), t.front().size()) << d.name;
                    ASSERT_GE(s.size(), 2u);
                }
            }
        }
}
