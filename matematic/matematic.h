#pragma once
// The numerical routines: the random generator, the Gamma approximation, the
// fixed-size vector and matrix routines with Matrix100 and Vector100, the display
// rounding, powers, checked extended arithmetic, the autoregressive model, the
// correctly rounded logarithm and exponential, and the extended type's square root,
// rounding and mode.

#include "matematic/ar_model.h"
#include "matematic/checked.h"
#include "matematic/elementary.h"
#include "matematic/errors.h"
#include "matematic/extended.h"
#include "matematic/extended_arithmetic.h"
#include "matematic/gamma.h"
#include "matematic/matrix.h"
#include "matematic/power.h"
#include "matematic/random.h"
#include "matematic/rounding.h"
