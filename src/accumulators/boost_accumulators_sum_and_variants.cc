#include "sample_intake.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/count.hpp>
#include <boost/accumulators/statistics/stats.hpp>
#include <boost/accumulators/statistics/sum.hpp>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_sum_and_variants, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{result} =} boost_accumulators_sum_and_variants (@var{data})
@deftypefnx {Loadable Function} {@var{result} =} boost_accumulators_sum_and_variants (@var{data}, @var{weights})
Compute the sum and its variants (sum, sum_of_weights, sum_of_variates)
of @var{data} using Boost.Accumulators.

If @var{weights} is provided, weighted statistics are computed;
@var{weights} must have as many elements as @var{data}.  NaN elements of
@var{data}, and with @var{weights} the elements whose weight is NaN, are
skipped.

@var{result} is a struct with the fields:
@itemize
@item @qcode{"sum"}: (weighted) sum of elements
@item @qcode{"sum_of_weights"}: sum of weights (if weights provided)
@item @qcode{"sum_of_variates"}: unweighted sum of the elements
(if weights provided)
@item @qcode{"sum_kahan"}: sum, the same value as sum (if no weights)
@item @qcode{"count"}: number of non-NaN elements
@end itemize
Without weights the fields are @qcode{"sum"}, @qcode{"sum_kahan"},
@qcode{"count"}; with weights @qcode{"sum"}, @qcode{"sum_of_weights"},
@qcode{"sum_of_variates"}, @qcode{"count"}, in this order.

@example
@group
r = boost_accumulators_sum_and_variants ([1, 2, 3])
@result{} r.sum = 6, r.sum_kahan = 6, r.count = 3
@end group
@end example
@seealso{boost_accumulators_mean_and_variants, boost_accumulators_count}
@end deftypefn)--")
{
  boost_oct::nargin_between (args, 1, 2);
  const NDArray data = intake::data (who, args);

  if (! intake::given (args, 1))
    {
      accumulator_set<double, stats<tag::sum, tag::count>> acc;
      intake::each_sample (data, intake::feed_all (acc));
      return intake::record ()
        .add ("sum", extract::sum (acc))
        .add ("sum_kahan", extract::sum (acc))
        .add ("count", intake::as_double (extract::count (acc)));
    }

  const NDArray weights = intake::weights (who, args, 1, data);
  accumulator_set<double, stats<tag::sum, tag::sum_of_weights, tag::count>,
                  double> acc;
  accumulator_set<double, stats<tag::sum>> variates;
  intake::each_pair (data, weights, [&] (double x, double w)
  {
    acc (x, weight = w);
    variates (x);
  });
  return intake::record ()
    .add ("sum", extract::sum (acc))
    .add ("sum_of_weights", extract::sum_of_weights (acc))
    .add ("sum_of_variates", extract::sum (variates))
    .add ("count", intake::as_double (extract::count (acc)));
}

/*
%!test
%! r = boost_accumulators_sum_and_variants ([1, 2, 3]);
%! assert (fieldnames (r), {"sum"; "sum_kahan"; "count"});
%! assert (struct2cell (r)', {6, 6, 3});

%!test
%! r = boost_accumulators_sum_and_variants ([1, 2, 3], [1, 1, 2]);
%! assert (fieldnames (r), {"sum"; "sum_of_weights"; "sum_of_variates"; "count"});
%! assert (struct2cell (r)', {9, 4, 6, 3});

## A pair is kept only when its value and its weight are both numbers
%!test
%! r = boost_accumulators_sum_and_variants ([1, 2, NaN], [1, NaN, 1]);
%! assert (struct2cell (r)', {1, 1, 1, 1});
%!test
%! r = boost_accumulators_sum_and_variants ([1, NaN, 3]);
%! assert (struct2cell (r)', {4, 4, 2});

## Running sums in storage order, whatever the shape; WEIGHTS need only the
## same element count
%!test
%! x = [0.1, 1e16; -1e16, 0.2; 3, NaN];
%! r = boost_accumulators_sum_and_variants (x);
%! s = 0; for v = x(! isnan (x))', s += v; end
%! assert (r.sum, s);
%! assert (boost_accumulators_sum_and_variants (x(:)'), r);
%!test
%! r = boost_accumulators_sum_and_variants ([1, 2, 3; 4, 5, 6], [1, 2, 3, 4, 5, 6]);
%! assert (r.sum, 1*1 + 4*2 + 2*3 + 5*4 + 3*5 + 6*6);
%! assert (r.sum_of_variates, 21);

## Zero and negative weights are fed as they are
%!test
%! r = boost_accumulators_sum_and_variants ([1, 2, 3], [0, -1, 2]);
%! assert (struct2cell (r)', {4, 1, 6, 3});

## No kept sample: every field is 0
%!assert (boost_accumulators_sum_and_variants ([]), struct ("sum", 0, "sum_kahan", 0, "count", 0))
%!assert (boost_accumulators_sum_and_variants ([NaN, 1], [1, NaN]), struct ("sum", 0, "sum_of_weights", 0, "sum_of_variates", 0, "count", 0))
%!assert (boost_accumulators_sum_and_variants (zeros (0, 3), []), struct ("sum", 0, "sum_of_weights", 0, "sum_of_variates", 0, "count", 0))

%!assert (boost_accumulators_sum_and_variants ([1, Inf]).sum, Inf)

%!error <Invalid call to boost_accumulators_sum_and_variants> boost_accumulators_sum_and_variants ()
%!error <Invalid call to boost_accumulators_sum_and_variants> boost_accumulators_sum_and_variants (1, 1, 1)
%!error <boost_accumulators_sum_and_variants: DATA must be a numeric matrix> boost_accumulators_sum_and_variants ({1}, {1})
%!error <boost_accumulators_sum_and_variants: WEIGHTS must be a numeric matrix> boost_accumulators_sum_and_variants (1, {1})
## Complex values are refused rather than stripped of their imaginary parts
%!error <boost_accumulators_sum_and_variants: DATA must be a numeric matrix> boost_accumulators_sum_and_variants ([1+2i, 3])
%!error <boost_accumulators_sum_and_variants: WEIGHTS must be a numeric matrix> boost_accumulators_sum_and_variants ([1, 3], [1, 1i])
%!error <boost_accumulators_sum_and_variants: WEIGHTS must have the same number of elements as DATA> boost_accumulators_sum_and_variants ([1, 2, 3], [1, 1])
%!error <boost_accumulators_sum_and_variants: WEIGHTS must have the same number of elements as DATA> boost_accumulators_sum_and_variants ([1, 2, 3], [1, 1, 1, 1])
*/
