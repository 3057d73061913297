// Running minimum and maximum.
//
// Boost's tag::min and tag::max start at the largest finite magnitude and
// take a sample only when it is strictly better than the running value.
// Two consequences are handled here: the pass is made fast without
// changing what the set ends up holding, and a kept sample of +Inf (for
// the minimum) or -Inf (for the maximum) is not hidden by the start value.

#ifndef BOOST_OCT_EXTREME_H
#define BOOST_OCT_EXTREME_H

#include "sample_intake.h"

namespace boost_oct
{
  namespace intake
  {
    // Feeds the samples of DATA to ACC (a set holding tag::min with BETTER
    // std::less, or tag::max with std::greater), skipping NaN.  Samples go
    // in blocks of eight and only a block's best one (the first of equal
    // bests) is fed: the running value ends exactly as if every sample had
    // been fed in turn, but the comparisons within a block form a shallow
    // tree that does not wait on the running value.  WORST (+Inf for the
    // minimum, -Inf for the maximum) stands in for NaN; no sample is worse,
    // and the set ignores it.
    template <typename Acc, typename Better>
    inline void feed_extremes (const NDArray& data, Acc& acc, Better better,
                               double worst)
    {
      const double *x = data.data ();
      // The better of P and Q, P when they tie (P comes first).
      const auto pick = [&] (double p, double q)
      {
        return better (q, p) ? q : p;
      };
      const auto at = [&] (octave_idx_type i)
      {
        return std::isnan (x[i]) ? worst : x[i];
      };
      in_slices (data.numel (), [&] (octave_idx_type b, octave_idx_type e)
      {
        octave_idx_type i = b;
        for (; i + 8 <= e; i += 8)
          acc (pick (pick (pick (at (i), at (i+1)), pick (at (i+2), at (i+3))),
                     pick (pick (at (i+4), at (i+5)),
                           pick (at (i+6), at (i+7)))));
        for (; i < e; i++)
          if (! std::isnan (x[i]))
            acc (x[i]);
      });
    }

    // RESULT is what the set gave after feed_extremes over DATA, WORST as
    // there.  Returns WORST when every kept sample was WORST, RESULT
    // otherwise (the start value when no sample was kept).
    double settle_extreme (const NDArray& data, double result, double worst);
  }
}

#endif
