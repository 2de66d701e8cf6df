#pragma once
// The median of a benchmark's timings (the mean of the middle two for an even count).

#include <algorithm>
#include <vector>

namespace kartella::bench {

inline double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace kartella::bench
