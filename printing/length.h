#pragma once
// Lengths on paper. Every position and size of the print layouts is a number of millimetres;
// this small value type keeps them apart from points and device pixels. Conversion factors
// follow from the definitions (1 in = 25.4 mm, 1 pt = 1/72 in) and are computed, never typed in.

#include <cmath>
#include <compare>

namespace kartella::printing {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kPointsPerMm = kPointsPerInch / kMmPerInch;
inline constexpr double kMmPerPoint = kMmPerInch / kPointsPerInch;

class Mm {
public:
    // Two lengths closer than this are equal: far below what any printer can resolve, far above
    // the rounding noise of adding up tenths of millimetres.
    static constexpr double kTolerance = 1e-6;

    constexpr Mm() = default;
    constexpr explicit Mm(double millimetres) : m_value(millimetres) {}

    static constexpr Mm fromPoints(double points) { return Mm(points * kMmPerPoint); }
    static constexpr Mm fromInches(double inches) { return Mm(inches * kMmPerInch); }
    static constexpr Mm fromPixels(double pixels, double dotsPerInch) {
        return Mm(pixels * kMmPerInch / dotsPerInch);
    }

    constexpr double value() const { return m_value; }
    constexpr double points() const { return m_value * kPointsPerMm; }
    constexpr double pixels(double dotsPerInch) const { return m_value * dotsPerInch / kMmPerInch; }

    constexpr Mm operator+(Mm other) const { return Mm(m_value + other.m_value); }
    constexpr Mm operator-(Mm other) const { return Mm(m_value - other.m_value); }
    constexpr Mm operator-() const { return Mm(-m_value); }
    constexpr Mm operator*(double factor) const { return Mm(m_value * factor); }
    constexpr Mm operator/(double divisor) const { return Mm(m_value / divisor); }
    constexpr double operator/(Mm other) const { return m_value / other.m_value; }
    constexpr Mm& operator+=(Mm other) {
        m_value += other.m_value;
        return *this;
    }
    constexpr Mm& operator-=(Mm other) {
        m_value -= other.m_value;
        return *this;
    }

    // Tolerant comparison: equal within kTolerance, ordered otherwise.
    bool operator==(Mm other) const { return std::abs(m_value - other.m_value) <= kTolerance; }
    std::partial_ordering operator<=>(Mm other) const {
        if (*this == other)
            return std::partial_ordering::equivalent;
        return m_value <=> other.m_value;
    }

private:
    double m_value = 0.0;
};

inline constexpr Mm operator*(double factor, Mm length) {
    return length * factor;
}
inline Mm max(Mm a, Mm b) {
    return a < b ? b : a;
}
inline Mm min(Mm a, Mm b) {
    return b < a ? b : a;
}

// A box on paper: left and top edge, width and height.
struct BoxMm {
    Mm left, top, width, height;

    Mm right() const { return left + width; }
    Mm bottom() const { return top + height; }
    BoxMm translated(Mm dx, Mm dy) const { return {left + dx, top + dy, width, height}; }
    bool operator==(const BoxMm&) const = default;
};

} // namespace kartella::printing
