#include "output/pagination.h"

#include <gtest/gtest.h>

namespace sorvik::output {
namespace {

TEST(PageStarts, CutsRowsByTheirTruncatedPrintedSizes) {
    struct Case {
        const char* what;
        Axis axis;
        bool drawFixed;
        std::vector<int> starts;
    };
    const Case cases[] = {
        // 3 × 100 fills 300 exactly: the third row stays on page 1.
        {"exact fill", {{100, 100, 100, 100}, 0, 1.0, 300}, false, {0, 3}},
        // 301 is one pixel short: the third row opens page 2.
        {"one over", {{100, 100, 101, 100}, 0, 1.0, 300}, false, {0, 2}},
        // A row higher than the page gets a page of its own, and the next row a new page.
        {"row higher than the page", {{50, 500, 50}, 0, 1.0, 300}, false, {0, 1, 2}},
        {"first row higher than the page", {{500, 50}, 0, 1.0, 300}, false, {0, 1}},
        // Each size is truncated on its own: 10 × 3.125 = 31 (not 31.25), so 9 rows make 279
        // and the tenth 310 reaches past 300.
        {"truncation per row", {std::vector<int>(12, 10), 0, 3.125, 300}, false, {0, 9}},
        // With the fixed rows repeated, pages start after them and their height counts on
        // every page: 40 + 3 × 80 = 280, a fourth row would make 360.
        {"fixed rows repeated", {{40, 80, 80, 80, 80, 80}, 1, 1.0, 300}, true, {1, 4}},
        {"fixed rows not repeated", {{40, 80, 80, 80, 80, 80}, 1, 1.0, 300}, false, {0, 4}},
        {"empty grid", {{}, 0, 1.0, 300}, false, {0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pageStarts(c.axis, c.drawFixed), c.starts) << c.what;
    }
}

TEST(PageStarts, MarginsAreTruncatedDots) {
    EXPECT_EQ(millimetresToDots(10, 600), 236);  // 236.22
    EXPECT_EQ(millimetresToDots(5 + 5, 300), 118);
    EXPECT_EQ(millimetresToDots(0, 600), 0);
}

TEST(PageButtons, WalkRowPagesFirstAndStopAtTheEnds) {
    const PageCounts counts{2, 3};
    PagePosition page;
    EXPECT_FALSE(hasEarlierPage(page));
    EXPECT_EQ(previousPage(page, counts), (PagePosition{1, 1}));  // 前の頁 on page 1
    std::vector<PagePosition> walked{page};
    while (hasLaterPage(page, counts)) {
        page = nextPage(page, counts);
        walked.push_back(page);
    }
    const std::vector<PagePosition> expected{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}};
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(nextPage(page, counts), page);
    EXPECT_EQ(previousPage(page, counts), (PagePosition{2, 2}));
    EXPECT_EQ(previousPage({2, 1}, counts), (PagePosition{1, 3}));
}

}  // namespace
}  // namespace sorvik::output
