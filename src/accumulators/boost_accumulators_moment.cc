#include "sample_intake.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/moment.hpp>
#include <boost/accumulators/statistics/stats.hpp>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_moment, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{m} =} boost_accumulators_moment (@var{data}, @var{k})
Compute the @var{k}-th moment of @var{data} using Boost.Accumulators.

@var{k} must be a positive integer (1-5).  The @var{k}-th moment is
defined as @code{sum(x_i^k) / N}, over the @math{N} non-NaN elements
@code{x_i} of @var{data}; with no such element it is NaN.

@example
@group
m = boost_accumulators_moment ([2, 4, 5], 2)
@result{} m = 15
@end group
@end example
@seealso{boost_accumulators_mean_and_variants, boost_accumulators_variance_and_variants}
@end deftypefn)--")
{
  boost_oct::nargin_exactly (args, 2);
  const NDArray data = intake::data (who, args);
  const int k = intake::moment_order (who, args, 1);

  return intake::with_order (k, [&] (auto order)
  {
    constexpr int K = decltype (order)::value;
    accumulator_set<double, stats<tag::moment<K>>> acc;
    intake::each_sample (data, intake::feed_all (acc));
    return extract::moment<K> (acc);
  });
}

/*
%!assert (boost_accumulators_moment ([2, 4, 5], 2), 15)
%!assert (boost_accumulators_moment ([2, 4, 5], 1), 3.6666666666666665)
%!assert (boost_accumulators_moment ([2, 4, 5], 3), 65.66666666666667)
%!assert (boost_accumulators_moment ([2, 4, 5], 4), (16 + 256 + 625) / 3)
%!assert (boost_accumulators_moment ([2, 4, 5], 5), (32 + 1024 + 3125) / 3)
%!assert (boost_accumulators_moment ([-1, -2], 3), -4.5)

## K of any numeric kind holding a whole number
%!assert (boost_accumulators_moment ([2, 4, 5], int8 (2)), 15)
%!assert (boost_accumulators_moment ([2, 4, 5], single (3)), 65.66666666666667)

## NaN skipped, shape plays no part
%!assert (boost_accumulators_moment ([2, NaN; 4, 5], 2), 15)

## No kept sample: NaN for every K
%!test
%! for k = 1:5
%!   assert (boost_accumulators_moment ([], k), NaN);
%!   assert (boost_accumulators_moment ([NaN, NaN], k), NaN);
%! endfor

## K outside 1 to 5, or not a whole number, is rejected before any sample
%!test
%! for k = {0, 6, -1, 2.5, 0.5, NaN, Inf, -Inf, 1e10, 2+1i}
%!   try
%!     boost_accumulators_moment ([2, 4, 5], k{1});
%!     error ("K accepted");
%!   catch err
%!     assert (err.message, "boost_accumulators_moment: K must be a positive integer between 1 and 5");
%!   end_try_catch
%! endfor

%!error <Invalid call to boost_accumulators_moment> boost_accumulators_moment ([1, 2])
%!error <Invalid call to boost_accumulators_moment> boost_accumulators_moment ([1, 2], 1, 1)
%!error <boost_accumulators_moment: DATA must be a numeric matrix> boost_accumulators_moment ({1}, 9)
%!error <int_value> boost_accumulators_moment ([1, 2], {2})
*/
