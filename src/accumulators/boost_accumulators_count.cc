#include "sample_intake.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/count.hpp>
#include <boost/accumulators/statistics/stats.hpp>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_count, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{cnt} =} boost_accumulators_count (@var{data})
Count the number of (non-NaN) elements in a matrix using Boost.Accumulators.

@var{data} is a numeric array of any shape; its NaN elements are not
counted, while @code{Inf} and @code{-Inf} are.

@example
@group
cnt = boost_accumulators_count ([1, 2, 3, 4, 5])
@result{} cnt = 5
@end group
@end example
@seealso{boost_accumulators_sum_and_variants, boost_accumulators_mean_and_variants}
@end deftypefn)--")
{
  boost_oct::nargin_exactly (args, 1);
  const NDArray data = intake::data (who, args);

  accumulator_set<double, stats<tag::count>> acc;
  intake::each_sample (data, intake::feed_all (acc));
  return intake::as_double (extract::count (acc));
}

/*
%!assert (boost_accumulators_count ([1, 2, 3, 4, 5]), 5)
%!assert (boost_accumulators_count ([1, NaN; 3, 4]), 3)
%!assert (boost_accumulators_count ([Inf, -Inf, NaN, 0]), 3)
%!assert (boost_accumulators_count ([]), 0)
%!assert (boost_accumulators_count (NaN (3)), 0)

## Any numeric kind, any shape: the elements are what count
%!assert (boost_accumulators_count (int8 ([1, 2; 3, 4])), 4)
%!assert (boost_accumulators_count (single ([1, NaN, 3])), 2)
%!assert (boost_accumulators_count ([true, false]), 2)
%!assert (boost_accumulators_count (reshape (1:24, 2, 3, 4)), 24)
%!assert (boost_accumulators_count (1:5), 5)
%!assert (boost_accumulators_count (sparse ([1, 0, NaN])), 2)

## One value, whatever the number of outputs asked for
%!test
%! c = boost_accumulators_count ([1, 2]);
%! assert (c, 2);
%! assert (class (c), "double");
%!error <element number 2 undefined in return list> [a, b] = boost_accumulators_count (1);

%!error <Invalid call to boost_accumulators_count> boost_accumulators_count ()
%!error <Invalid call to boost_accumulators_count> boost_accumulators_count (1, 2)
%!error <boost_accumulators_count: DATA must be a numeric matrix> boost_accumulators_count ({1, 2})
%!error <boost_accumulators_count: DATA must be a numeric matrix> boost_accumulators_count (struct ("a", 1))
%!error <boost_accumulators_count: DATA must be a numeric matrix> boost_accumulators_count ("abc")
## Complex DATA is refused rather than stripped of its imaginary parts
%!error <boost_accumulators_count: DATA must be a numeric matrix> boost_accumulators_count ([1+2i, 3])
*/
