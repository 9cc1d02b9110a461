// PrintBenchRow: one machine-readable figure of a benchmark, which `make bench` gathers into its
// table: "ROW", label, value, unit, goal comparison ("<=", ">=", "<", ">" or "-" for none), goal
// and a free detail, separated by tabs.
#pragma once

#include <cstdio>
#include <string>

inline void PrintBenchRow(const std::string& label, double value, const char* unit, const char* goalOp,
                          double goal, const std::string& detail) {
    std::printf("ROW\t%s\t%.4g\t%s\t%s\t%g\t%s\n", label.c_str(), value, unit, goalOp, goal, detail.c_str());
    std::fflush(stdout);
}
