#include "sample_intake.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/count.hpp>
#include <boost/accumulators/statistics/error_of_mean.hpp>
#include <boost/accumulators/statistics/stats.hpp>
#include <boost/accumulators/statistics/variance.hpp>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_error_of_mean, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{e} =} boost_accumulators_error_of_mean (@var{data})
Compute the error of the mean (standard error) of @var{data} using
Boost.Accumulators.

The result is the square root of the population variance divided by
@math{N - 1}, @math{N} being the number of non-NaN elements of
@var{data}; with fewer than two such elements it is NaN.

@example
@group
e = boost_accumulators_error_of_mean ([1.1, 1.2, 1.3])
@result{} e = 0.057735
@end group
@end example
@seealso{boost_accumulators_variance_and_variants, boost_accumulators_mean_and_variants}
@end deftypefn)--")
{
  boost_oct::nargin_exactly (args, 1);
  const NDArray data = intake::data (who, args);

  accumulator_set<double, stats<tag::error_of<tag::mean>, tag::count>> acc;
  intake::each_sample (data, intake::feed_all (acc));
  // The lazy variance beneath can come out a little below zero by rounding
  // when the samples are (nearly) equal; their error is 0, not the NaN of
  // the square root of a negative number.
  if (extract::variance (acc) < 0)
    return 0.0;
  return extract::error_of<tag::mean> (acc);
}

/*
%!assert (boost_accumulators_error_of_mean ([1.1, 1.2, 1.3]), sqrt (var ([1.1, 1.2, 1.3], 1) / 2), -1e-12)
%!assert (boost_accumulators_error_of_mean ([1, 2, 3, 4, 5]), sqrt (2 / 4), -1e-12)
%!assert (boost_accumulators_error_of_mean ([1, NaN; 5, 3]), sqrt (var ([1, 5, 3], 1) / 2), -1e-12)

## Fewer than two kept samples: NaN
%!assert (boost_accumulators_error_of_mean (5), NaN)
%!assert (boost_accumulators_error_of_mean ([NaN, 5]), NaN)
%!assert (boost_accumulators_error_of_mean ([]), NaN)

## Equal samples: 0, also where m2 - mean^2 rounds below 0
%!assert (boost_accumulators_error_of_mean ([2, 2]), 0)
%!assert (boost_accumulators_error_of_mean ([0.1, 0.1, 0.1]), 0)
%!assert (boost_accumulators_error_of_mean (repmat (0.7, 6, 1)), 0)

%!assert (boost_accumulators_error_of_mean ([1, Inf]), NaN)

%!error <Invalid call to boost_accumulators_error_of_mean> boost_accumulators_error_of_mean ()
%!error <Invalid call to boost_accumulators_error_of_mean> boost_accumulators_error_of_mean (1, 2)
%!error <boost_accumulators_error_of_mean: DATA must be a numeric matrix> boost_accumulators_error_of_mean ({})
*/
