// The software extended type against the x87 in full: COUNT operands of every class for
// each operation (the test suite takes 200000), and COUNT operand sets for each of the
// fast steps of soft_kernels.h, alone and in pairs: how many results differ, which must
// be none. A measurement for the figures, not a test. x86 only.
//
//   strs-soft-extended-sweep [COUNT]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/kernel_check.h"
#include "support/soft_extended_check.h"

int main(int argc, char* argv[]) {
    const long count = argc > 1 ? std::atol(argv[1]) : 100'000'000L;
    long total = 0;
    for (const strs::operands::Operation& op : strs::operands::Operations()) {
        std::string report;
        const long differences = strs::operands::CountDifferences(op, count, 11, report);
        std::printf("%-28s %11ld operands %8ld differ\n%s", op.name, count, differences, report.c_str());
        std::fflush(stdout);
        total += differences;
    }
    for (const strs::kernels::Step& step : strs::kernels::Steps()) {
        std::string report;
        const long differences = strs::kernels::CountDifferences(step, count, 11, report);
        std::printf("%-28s %11ld operand sets %4ld differ\n%s", step.name, count, differences, report.c_str());
        std::fflush(stdout);
        total += differences;
    }
    return total == 0 ? 0 : 1;
}
