#include "extreme.h"

#include <cmath>
#include <limits>

namespace boost_oct
{
  namespace intake
  {
    double
    settle_extreme (const NDArray& data, double result, double worst)
    {
      const double start
        = std::copysign (std::numeric_limits<double>::max (), worst);
      if (result != start)
        return result;

      // Every kept sample was START or WORST, or none was kept.  The result
      // stays START unless some sample was kept and none of them was START.
      // This look is taken in that case alone.
      const double *x = data.data ();
      bool kept = false;
      bool seen_start = false;
      in_slices (data.numel (), [&] (octave_idx_type b, octave_idx_type e)
      {
        for (octave_idx_type i = b; i < e && ! seen_start; i++)
          {
            kept = kept || ! std::isnan (x[i]);
            seen_start = (x[i] == start);
          }
      });
      return kept && ! seen_start ? worst : start;
    }
  }
}
