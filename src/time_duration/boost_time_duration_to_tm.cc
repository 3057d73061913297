#include "parse_time_duration.h"

#include <cstdlib>
#include <limits>

BOOST_OCT_DEFUN (boost_time_duration_to_tm, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{tm_struct} =} boost_time_duration_to_tm (@var{hours}, @var{minutes}, @var{seconds})
Convert a time duration to a @code{tm} struct (compatible with C's
@code{struct tm}).
The time duration is specified as @var{hours}, @var{minutes}, and
@var{seconds}.

The fields of @var{tm_struct} are:
@itemize
@item @qcode{"tm_year"}: always 0
@item @qcode{"tm_mon"}: always 0
@item @qcode{"tm_mday"}: always 0
@item @qcode{"tm_wday"}: always 0
@item @qcode{"tm_yday"}: always 0
@item @qcode{"tm_hour"}: the absolute number of whole hours of the duration
(not bounded to 0-23)
@item @qcode{"tm_min"}: minutes (0-59)
@item @qcode{"tm_sec"}: seconds (0-59)
@item @qcode{"tm_isdst"}: always -1
@end itemize

Based on @code{boost::posix_time::to_tm(time_duration)}.

@example
@group
tm = boost_time_duration_to_tm (1, 2, 3);
@result{} tm.tm_year = 0, tm.tm_mon = 0, tm.tm_mday = 0,
   tm.tm_wday = 0, tm.tm_yday = 0, tm.tm_hour = 1,
   tm.tm_min = 2, tm.tm_sec = 3, tm.tm_isdst = -1
@end group
@end example
@seealso{boost_time_duration_to_simple_string, boost_time_duration_to_iso_string}
@end deftypefn)--")
{
  boost_oct::nargin_at_least (args, 3);
  const int64_t h = args(0).long_value ();
  const int64_t m = args(1).long_value ();
  const int64_t s = args(2).long_value ();
  const auto td = make_time_duration (who, h, m, s, 0);

  // tm_hour is an int in C's struct tm.
  const int64_t hours = std::llabs (td.hours ());
  if (hours > std::numeric_limits<int>::max ())
    boost_oct::fail (who, "%lld hours do not fit in tm_hour",
                     static_cast<long long> (hours));

  octave_scalar_map tm;
  tm.setfield ("tm_year", 0.0);
  tm.setfield ("tm_mon", 0.0);
  tm.setfield ("tm_mday", 0.0);
  tm.setfield ("tm_wday", 0.0);
  tm.setfield ("tm_yday", 0.0);
  tm.setfield ("tm_hour", double (hours));
  tm.setfield ("tm_min", double (std::llabs (td.minutes ())));
  tm.setfield ("tm_sec", double (std::llabs (td.seconds ())));
  tm.setfield ("tm_isdst", -1.0);
  return tm;
}

/*
%!test
%! tm = boost_time_duration_to_tm (1, 2, 3);
%! assert (fieldnames (tm), {"tm_year"; "tm_mon"; "tm_mday"; "tm_wday"; ...
%!                           "tm_yday"; "tm_hour"; "tm_min"; "tm_sec"; "tm_isdst"});
%! assert (struct2cell (tm)', {0, 0, 0, 0, 0, 1, 2, 3, -1});
%! assert (isa (tm.tm_hour, "double"));

## hours, minutes, seconds of the normalised duration, as absolute values
%!function r = hms (varargin)
%!  tm = boost_time_duration_to_tm (varargin{:});
%!  r = [tm.tm_hour, tm.tm_min, tm.tm_sec];
%!endfunction
%!assert (hms (25, 0, 0), [25, 0, 0])
%!assert (hms (0, 90, 0), [1, 30, 0])
%!assert (hms (0, 0, 3725), [1, 2, 5])
%!assert (hms (-1, 2, 3), [1, 2, 3])
%!assert (hms (1, 2, 3, 4), [1, 2, 3])
%!assert (hms (1.9, 2, 3), [1, 2, 3])
%!assert (hms (2147483647, 0, 0), [2147483647, 0, 0])

%!error <Invalid call to boost_time_duration_to_tm> boost_time_duration_to_tm (1, 2)
%!error <Invalid call to boost_time_duration_to_tm> boost_time_duration_to_tm ()
## A text is not decoded as a duration: it goes to the integer conversion
%!error boost_time_duration_to_tm ('01:02:03', 0, 0)
%!error <boost_time_duration_to_tm: 2147483648 hours do not fit in tm_hour> boost_time_duration_to_tm (2147483648, 0, 0)
%!error <boost_time_duration_to_tm: time_duration is out of range> boost_time_duration_to_tm (3e15, 0, 0)
*/
