// Headers every time-duration module includes, precompiled once.
#include <octave/oct.h>
#include <boost/date_time/posix_time/posix_time.hpp>
