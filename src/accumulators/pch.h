// Headers every statistics module includes, precompiled once.
#include <octave/oct.h>
#include <octave/quit.h>
#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics.hpp>
#include "sample_intake.h"
