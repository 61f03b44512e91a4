#pragma once

#include <vector>

// How a grid is cut into pages, in printer pixels: rows down, columns across.
namespace sorvik::output {

// Sizes of rows (or columns) in screen pixels, and how they go onto the paper.
struct Axis {
    std::vector<int> sizes;
    int fixed = 0;       // leading fixed rows or columns
    double ratio = 1.0;  // printer dots per inch / screen dots per inch
    int printable = 0;   // printable length of the page in printer pixels
};

// The first row (column) of each page. Each row's size is truncated on its own; a page ends
// when the fixed area and its rows reach the printable length, keeping the last row when they
// fill it exactly or it is the page's only row. Fixed rows are repeated on every page when
// drawFixedArea is set, and then pages start after them.
std::vector<int> pageStarts(const Axis& axis, bool drawFixedArea);

// trunc(millimetres / 25.4 × dots per inch).
int millimetresToDots(double millimetres, int dotsPerInch);

struct PageMargins {
    int top = 0, bottom = 0, left = 0, right = 0;  // millimetres
};

// The page position (column page c, row page r, both from 1) and the way through the pages:
// row pages first, then the next column page.
struct PagePosition {
    int column = 1;
    int row = 1;
    bool operator==(const PagePosition&) const = default;
};

struct PageCounts {
    int columns = 1;
    int rows = 1;
    int total() const { return columns * rows; }
};

PagePosition nextPage(PagePosition page, const PageCounts& counts);
PagePosition previousPage(PagePosition page, const PageCounts& counts);
bool hasLaterPage(PagePosition page, const PageCounts& counts);
bool hasEarlierPage(PagePosition page);

}  // namespace sorvik::output
