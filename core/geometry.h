#pragma once

// Plain integer geometry for the chart's layout, printing and the preview sheet. Rectangles keep
// their right and bottom edges just outside the area, so (0, 0, 10, 10) covers pixels 0..9 and
// its width is right - left; QRect's inclusive right() would put every edge one pixel off.
namespace ormitan {

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// "On" a rectangle: left <= x < right and top <= y < bottom.
inline bool Contains(const Rect& rect, Point point) {
    return rect.left <= point.x && point.x < rect.right && rect.top <= point.y &&
           point.y < rect.bottom;
}

}  // namespace ormitan
