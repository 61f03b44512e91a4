#include "pagination.h"

namespace sorvik::output {

namespace {

int printed(int size, double ratio) {
    return static_cast<int>(size * ratio);
}

}  // namespace

std::vector<int> pageStarts(const Axis& axis, bool drawFixedArea) {
    const int count = static_cast<int>(axis.sizes.size());
    const int first = drawFixedArea ? axis.fixed : 0;
    int fixedLength = 0;
    for (int i = 0; drawFixedArea && i < axis.fixed && i < count; ++i) {
        fixedLength += printed(axis.sizes[static_cast<std::size_t>(i)], axis.ratio);
    }
    std::vector<int> starts{first};
    int sum = 0;
    for (int i = first; i < count; ++i) {
        sum += printed(axis.sizes[static_cast<std::size_t>(i)], axis.ratio);
        if (fixedLength + sum < axis.printable) {
            continue;
        }
        const bool alone = i == starts.back();
        if (fixedLength + sum == axis.printable || alone) {
            if (i + 1 < count) {
                starts.push_back(i + 1);
            }
        } else {
            starts.push_back(i);
            --i;  // the row opens the next page
        }
        sum = 0;
    }
    return starts;
}

int millimetresToDots(double millimetres, int dotsPerInch) {
    return static_cast<int>(millimetres / 25.4 * dotsPerInch);
}

PagePosition nextPage(PagePosition page, const PageCounts& counts) {
    if (!hasLaterPage(page, counts)) {
        return page;
    }
    if (++page.row > counts.rows) {
        page.row = 1;
        ++page.column;
    }
    return page;
}

PagePosition previousPage(PagePosition page, const PageCounts& counts) {
    if (!hasEarlierPage(page)) {
        return page;
    }
    if (--page.row < 1) {
        page.row = counts.rows;
        --page.column;
    }
    return page;
}

bool hasLaterPage(PagePosition page, const PageCounts& counts) {
    return page.row < counts.rows || page.column < counts.columns;
}

bool hasEarlierPage(PagePosition page) {
    return page.row > 1 || page.column > 1;
}

}  // namespace sorvik::output
