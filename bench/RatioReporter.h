// Runs the registered benchmarks and prints each measured case as a ratio to its baseline
// measured in the same run: these machines are too noisy for absolute times to compare.
#pragma once

#include <string>
#include <vector>

namespace tracelle::bench {

struct Ratio {
    std::string measured; // benchmark name
    std::string baseline; // benchmark name
    double target;        // the ratio not to exceed
};

// Returns the process exit status: 0, even when a target is missed (the figure is reported).
int runWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios);

} // namespace tracelle::bench
