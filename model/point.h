#pragma once
// A position in world units (one unit is one screen pixel at scale 1.0, y pointing up).

namespace zeva {

struct Point {
    double x = 0.0;
    double y = 0.0;

    friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
    friend constexpr Point operator*(double k, Point a) { return {a.x * k, a.y * k}; }
    friend constexpr bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
};

}  // namespace zeva
