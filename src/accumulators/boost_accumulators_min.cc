#include "extreme.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/min.hpp>
#include <boost/accumulators/statistics/stats.hpp>

#include <functional>
#include <limits>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_min, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{m} =} boost_accumulators_min (@var{data})
Compute the minimum value of @var{data} using Boost.Accumulators.

@var{data} is a numeric array of any shape; NaN elements are skipped.
Without any other element the result is @code{realmax}.

@example
@group
m = boost_accumulators_min ([1, 0, 2, 5, 3])
@result{} m = 0
@end group
@end example
@seealso{boost_accumulators_max, boost_accumulators_count}
@end deftypefn)--")
{
  boost_oct::nargin_exactly (args, 1);
  const NDArray data = intake::data (who, args);

  accumulator_set<double, stats<tag::min>> acc;
  const double worst = std::numeric_limits<double>::infinity ();
  intake::feed_extremes (data, acc, std::less<double> (), worst);
  return intake::settle_extreme (data, extract::min (acc), worst);
}

/*
%!assert (boost_accumulators_min ([1, 0, 2, 5, 3]), 0)
%!assert (boost_accumulators_min ([1, 0; 2, -5; 3, NaN]), -5)
%!assert (boost_accumulators_min ([3, NaN, 7]), 3)
%!assert (boost_accumulators_min ([Inf, 2]), 2)
%!assert (boost_accumulators_min ([1, -Inf, 2]), -Inf)
%!assert (boost_accumulators_min (single ([4, 2.5, 3])), 2.5)

## No kept sample: the running minimum's start value
%!assert (boost_accumulators_min ([]), 1.7976931348623157e308)
%!assert (boost_accumulators_min (NaN), realmax)

## Samples that are all +Inf have the minimum +Inf, not the start value;
## realmax itself is still told apart from +Inf
%!assert (boost_accumulators_min ([Inf, NaN]), Inf)
%!assert (boost_accumulators_min ([Inf; Inf]), Inf)
%!assert (boost_accumulators_min ([Inf, realmax, Inf]), realmax)

## Any length, NaN anywhere: the same as Octave's min of the kept samples
%!test
%! rand ("seed", 7);
%! for n = [1, 7, 8, 9, 16, 17, 100, 1001]
%!   x = round (100 * rand (1, n)) - 50;
%!   x(rand (1, n) < 0.3) = NaN;
%!   x(1 + floor (n / 2)) = -60 + 120 * strcmp ("min", "max");
%!   assert (boost_accumulators_min (x), min (x(! isnan (x))));
%! endfor
## Equal extremes: the first one seen is kept, within and across blocks of samples
%!assert (1 ./ boost_accumulators_min ([0, -0]), Inf)
%!assert (1 ./ boost_accumulators_min ([-0, 0]), -Inf)
%!assert (1 ./ boost_accumulators_min ([NaN, -0, 0, 0, 0, 0, 0, 0, 0, 0]), -Inf)
%!assert (1 ./ boost_accumulators_min ([NaN(1, 8), 0, -0]), Inf)

%!error <Invalid call to boost_accumulators_min> boost_accumulators_min ()
%!error <Invalid call to boost_accumulators_min> boost_accumulators_min (1, 2)
%!error <boost_accumulators_min: DATA must be a numeric matrix> boost_accumulators_min ("x")
*/
