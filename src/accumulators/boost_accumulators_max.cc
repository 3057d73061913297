#include "extreme.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/max.hpp>
#include <boost/accumulators/statistics/stats.hpp>

#include <functional>
#include <limits>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_max, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{m} =} boost_accumulators_max (@var{data})
Compute the maximum value of @var{data} using Boost.Accumulators.

@var{data} is a numeric array of any shape; NaN elements are skipped.
Without any other element the result is @code{-realmax}.

@example
@group
m = boost_accumulators_max ([1, 0, 2, 5, 3])
@result{} m = 5
@end group
@end example
@seealso{boost_accumulators_min, boost_accumulators_count}
@end deftypefn)--")
{
  boost_oct::nargin_exactly (args, 1);
  const NDArray data = intake::data (who, args);

  accumulator_set<double, stats<tag::max>> acc;
  const double worst = -std::numeric_limits<double>::infinity ();
  intake::feed_extremes (data, acc, std::greater<double> (), worst);
  return intake::settle_extreme (data, extract::max (acc), worst);
}

/*
%!assert (boost_accumulators_max ([1, 0, 2, 5, 3]), 5)
%!assert (boost_accumulators_max ([1, 0; 2, 5; 3, NaN]), 5)
%!assert (boost_accumulators_max ([-3, NaN, -7]), -3)
%!assert (boost_accumulators_max ([-Inf, 2]), 2)
%!assert (boost_accumulators_max ([1, Inf, 2]), Inf)
%!assert (boost_accumulators_max (int16 ([-5, 7, 3])), 7)

## No kept sample: the running maximum's start value
%!assert (boost_accumulators_max ([]), -1.7976931348623157e308)
%!assert (boost_accumulators_max ([NaN, NaN]), -realmax)

## Samples that are all -Inf have the maximum -Inf, not the start value;
## -realmax itself is still told apart from -Inf
%!assert (boost_accumulators_max ([-Inf, -Inf]), -Inf)
%!assert (boost_accumulators_max ([NaN, -Inf]), -Inf)
%!assert (boost_accumulators_max ([-Inf, -realmax, -Inf]), -realmax)
%!assert (boost_accumulators_max ([-realmax, NaN]), -realmax)

## Any length, NaN anywhere: the same as Octave's max of the kept samples
%!test
%! rand ("seed", 7);
%! for n = [1, 7, 8, 9, 16, 17, 100, 1001]
%!   x = round (100 * rand (1, n)) - 50;
%!   x(rand (1, n) < 0.3) = NaN;
%!   x(1 + floor (n / 2)) = -60 + 120 * strcmp ("max", "max");
%!   assert (boost_accumulators_max (x), max (x(! isnan (x))));
%! endfor
## Equal extremes: the first one seen is kept, within and across blocks of samples
%!assert (1 ./ boost_accumulators_max ([0, -0]), Inf)
%!assert (1 ./ boost_accumulators_max ([-0, 0]), -Inf)
%!assert (1 ./ boost_accumulators_max ([NaN, -0, 0, 0, 0, 0, 0, 0, 0, 0]), -Inf)
%!assert (1 ./ boost_accumulators_max ([NaN(1, 8), 0, -0]), Inf)

%!error <Invalid call to boost_accumulators_max> boost_accumulators_max ()
%!error <Invalid call to boost_accumulators_max> boost_accumulators_max (1, 2)
%!error <boost_accumulators_max: DATA must be a numeric matrix> boost_accumulators_max ({1})
*/
