#include "labs/random_variable/moments.h"

#include "matematic/checked.h"

namespace strs::random_variable {

Moments SampleMoments(const Sample& x) {
    double sum = 0.0;
    for (double value : x)
        sum = StoreDouble(Extended(sum) + value);
    const double mean = StoreDouble(Extended(sum) / kSampleSize);

    double squares = 0.0;
    for (double value : x) {
        const Extended deviation = Extended(value) - mean;
        squares = StoreDouble(squares + deviation * deviation);
    }
    return {mean, StoreDouble(Extended(squares) / (kSampleSize - 1))};
}

}  // namespace strs::random_variable
