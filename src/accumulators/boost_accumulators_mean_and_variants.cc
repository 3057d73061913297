#include "sample_intake.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/count.hpp>
#include <boost/accumulators/statistics/mean.hpp>
#include <boost/accumulators/statistics/stats.hpp>
#include <boost/accumulators/statistics/sum.hpp>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_mean_and_variants, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{result} =} boost_accumulators_mean_and_variants (@var{data})
@deftypefnx {Loadable Function} {@var{result} =} boost_accumulators_mean_and_variants (@var{data}, @var{weights})
Compute the mean and its variants (mean, count, sum, mean of weights) of
data using Boost.Accumulators.

If @var{weights} is provided, weighted statistics are computed;
@var{weights} must have as many elements as @var{data}.  NaN elements of
@var{data}, and with @var{weights} the elements whose weight is NaN, are
skipped.

@var{result} is a struct with the fields:
@itemize
@item @qcode{"mean"}: arithmetic mean (weighted with @var{weights})
@item @qcode{"count"}: number of elements
@item @qcode{"sum"}: sum of elements (weighted with @var{weights})
@item @qcode{"mean_of_weights"}: mean of weights (if weights provided)
@end itemize

@example
@group
r = boost_accumulators_mean_and_variants ([1, 0, 2])
@result{} r.mean = 1.0, r.count = 3, r.sum = 3
@end group
@end example
@seealso{boost_accumulators_sum_and_variants, boost_accumulators_variance_and_variants}
@end deftypefn)--")
{
  boost_oct::nargin_between (args, 1, 2);
  const NDArray data = intake::data (who, args);

  if (! intake::given (args, 1))
    {
      accumulator_set<double, stats<tag::mean, tag::sum, tag::count>> acc;
      intake::each_sample (data, intake::feed_all (acc));
      return intake::record ()
        .add ("mean", extract::mean (acc))
        .add ("count", intake::as_double (extract::count (acc)))
        .add ("sum", extract::sum (acc));
    }

  const NDArray weights = intake::weights (who, args, 1, data);
  accumulator_set<double, stats<tag::mean, tag::sum, tag::mean_of_weights,
                                tag::count>, double> acc;
  intake::each_pair (data, weights, intake::feed_weighted (acc));
  return intake::record ()
    .add ("mean", extract::mean (acc))
    .add ("count", intake::as_double (extract::count (acc)))
    .add ("sum", extract::sum (acc))
    .add ("mean_of_weights", extract::mean_of_weights (acc));
}

/*
%!test
%! r = boost_accumulators_mean_and_variants ([1, 0, 2]);
%! assert (fieldnames (r), {"mean"; "count"; "sum"});
%! assert (struct2cell (r)', {1, 3, 3});

%!test
%! r = boost_accumulators_mean_and_variants ([1, 2, 3], [1, 1, 2]);
%! assert (fieldnames (r), {"mean"; "count"; "sum"; "mean_of_weights"});
%! assert (struct2cell (r)', {2.25, 3, 9, 4/3});

## Shape plays no part; NaN values and NaN weights drop their element
%!test
%! x = [2, NaN; 4, 9];
%! r = boost_accumulators_mean_and_variants (x);
%! assert (struct2cell (r)', {5, 3, 15});
%! assert (boost_accumulators_mean_and_variants (x(:)), r);
%!test
%! ## storage order 1 4 2 NaN 3 6; kept pairs (1,1) (4,2) (3,1) (6,3)
%! r = boost_accumulators_mean_and_variants ([1, 2, 3; 4, NaN, 6], [1, 2, NaN, 1, 1, 3]);
%! assert (struct2cell (r)', {30/7, 4, 30, 7/4});
%!test
%! r = boost_accumulators_mean_and_variants ([1, 2, 3], [1, NaN, 3]);
%! assert (struct2cell (r)', {2.5, 2, 10, 2});

## No kept sample
%!assert (boost_accumulators_mean_and_variants ([]), struct ("mean", NaN, "count", 0, "sum", 0))
%!assert (boost_accumulators_mean_and_variants ([NaN, NaN]), struct ("mean", NaN, "count", 0, "sum", 0))
%!assert (boost_accumulators_mean_and_variants ([1, 2], [NaN, NaN]), struct ("mean", NaN, "count", 0, "sum", 0, "mean_of_weights", NaN))

## Zero weights are fed: 0/0
%!assert (boost_accumulators_mean_and_variants ([1, 2], [0, 0]), struct ("mean", NaN, "count", 2, "sum", 0, "mean_of_weights", 0))

%!assert (boost_accumulators_mean_and_variants ([1, -Inf]).mean, -Inf)

%!error <Invalid call to boost_accumulators_mean_and_variants> boost_accumulators_mean_and_variants ()
%!error <Invalid call to boost_accumulators_mean_and_variants> boost_accumulators_mean_and_variants (1, 1, 1)
%!error <boost_accumulators_mean_and_variants: DATA must be a numeric matrix> boost_accumulators_mean_and_variants ("ab", [1, 2, 3])
%!error <boost_accumulators_mean_and_variants: WEIGHTS must be a numeric matrix> boost_accumulators_mean_and_variants (1, "a")
%!error <boost_accumulators_mean_and_variants: WEIGHTS must have the same number of elements as DATA> boost_accumulators_mean_and_variants ([1, 2], [1; 2; 3])
*/
