#include "sample_intake.h"

#include <boost/accumulators/accumulators.hpp>
#include <boost/accumulators/statistics/count.hpp>
#include <boost/accumulators/statistics/mean.hpp>
#include <boost/accumulators/statistics/stats.hpp>
#include <boost/accumulators/statistics/variance.hpp>

using namespace boost::accumulators;
namespace intake = boost_oct::intake;

BOOST_OCT_DEFUN (boost_accumulators_variance_and_variants, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{result} =} boost_accumulators_variance_and_variants (@var{data})
@deftypefnx {Loadable Function} {@var{result} =} boost_accumulators_variance_and_variants (@var{data}, @var{method})
Compute the variance of @var{data} using Boost.Accumulators with both lazy
(computed from the sums when read) and immediate (iterative) methods.

Both give the population variance (normalized by the number of
elements); NaN elements of @var{data} are skipped.  The optional
@var{method} is @qcode{'lazy'} (default) or @qcode{'immediate'}, written
exactly so.
The lazy method takes the variance from the running sums of the samples
and of their squares when it is read; it loses precision where the mean is
large against the spread of the data (for @code{1e8 + [1, 2, 3]} it gives
0).  The immediate method updates the variance at every sample and keeps
that precision.

@var{result} is a struct with the fields:
@itemize
@item @qcode{"variance"}: variance estimate
@item @qcode{"mean"}: arithmetic mean
@item @qcode{"count"}: number of elements
@item @qcode{"method"}: computation method used
@end itemize

@example
@group
r = boost_accumulators_variance_and_variants ([1, 2, 3, 4, 5])
@result{} r.variance = 2, r.mean = 3, r.count = 5, r.method = lazy
@end group
@end example
@seealso{boost_accumulators_mean_and_variants, boost_accumulators_error_of_mean, boost_accumulators_moment}
@end deftypefn)--")
{
  boost_oct::nargin_between (args, 1, 2);
  const NDArray data = intake::data (who, args);
  const auto method = intake::method (who, args, 1);

  double variance, mean;
  std::size_t n;
  if (method == intake::variance_method::lazy)
    {
      accumulator_set<double, stats<tag::lazy_variance, tag::mean,
                                    tag::count>> acc;
      intake::each_sample (data, intake::feed_all (acc));
      // The second moment less the squared mean can come out a little
      // below zero by rounding when the samples are (nearly) equal.
      variance = extract::variance (acc);
      if (variance < 0)
        variance = 0;
      mean = extract::mean (acc);
      n = extract::count (acc);
    }
  else
    {
      accumulator_set<double, stats<tag::variance, tag::immediate_mean,
                                    tag::count>> acc;
      intake::each_sample (data, intake::feed_all (acc));
      variance = extract::variance (acc);
      mean = extract::mean (acc);
      n = extract::count (acc);
    }

  return intake::record ()
    .add ("variance", variance)
    .add ("mean", mean)
    .add ("count", intake::as_double (n))
    .add_text ("method", intake::method_name (method));
}

/*
%!test
%! r = boost_accumulators_variance_and_variants ([1, 2, 3, 4, 5]);
%! assert (fieldnames (r), {"variance"; "mean"; "count"; "method"});
%! assert (struct2cell (r)', {2, 3, 5, "lazy"});
%! assert (! is_dq_string (r.method));
%!test
%! r = boost_accumulators_variance_and_variants ([1, 2, 3, 4, 5], 'immediate');
%! assert (struct2cell (r)', {2, 3, 5, "immediate"});
%! assert (! is_dq_string (r.method));
%!assert (boost_accumulators_variance_and_variants ([1, 2, 3, 4, 5], "lazy").method, "lazy")

## Population variance of the kept samples, in either method, any shape
%!test
%! x = [2.5, NaN, -1; 7, 3, NaN];
%! v = x(! isnan (x));
%! for m = {"lazy", "immediate"}
%!   r = boost_accumulators_variance_and_variants (x, m{1});
%!   assert (r.variance, var (v, 1), 1e-12);
%!   assert (r.mean, mean (v), 1e-12);
%!   assert (r.count, 4);
%!   assert (boost_accumulators_variance_and_variants (x(:)', m{1}), r);
%! endfor

## The lazy formula never reports a negative variance: equal samples have
## the variance 0 (m2 - mean^2 rounds below 0 for these)
%!assert (boost_accumulators_variance_and_variants ([0.1, 0.1, 0.1]).variance, 0)
%!assert (boost_accumulators_variance_and_variants (repmat (0.7, 1, 6)).variance, 0)

## The immediate method keeps its precision far from zero
%!assert (boost_accumulators_variance_and_variants (1e8 + [1, 2, 3], "immediate").variance, 2/3, 1e-7)

## One sample, and none
%!assert (boost_accumulators_variance_and_variants (4), struct ("variance", 0, "mean", 4, "count", 1, "method", "lazy"))
%!assert (boost_accumulators_variance_and_variants ([]), struct ("variance", NaN, "mean", NaN, "count", 0, "method", "lazy"))
%!assert (boost_accumulators_variance_and_variants ([NaN, NaN], "immediate"), struct ("variance", 0, "mean", 0, "count", 0, "method", "immediate"))

## METHOD must be one of the two words exactly
%!error <Invalid call to boost_accumulators_variance_and_variants> boost_accumulators_variance_and_variants ()
%!error <Invalid call to boost_accumulators_variance_and_variants> boost_accumulators_variance_and_variants (1, "lazy", 1)
%!error <boost_accumulators_variance_and_variants: DATA must be a numeric matrix> boost_accumulators_variance_and_variants ({1}, "bad")
%!test
%! for m = {"Lazy", "lazy ", " lazy", "LAZY", "immed", "immediately", "", ["lazy", char(0)], 1, {"lazy"}}
%!   try
%!     boost_accumulators_variance_and_variants ([1, 2], m{1});
%!     error ("METHOD accepted");
%!   catch err
%!     assert (err.message, "boost_accumulators_variance_and_variants: METHOD must be 'lazy' or 'immediate'");
%!   end_try_catch
%! endfor
*/
