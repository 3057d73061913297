#include "parse_time_duration.h"

#include <boost/date_time/posix_time/time_formatters.hpp>

BOOST_OCT_DEFUN (boost_time_duration_to_simple_string, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{str} =} boost_time_duration_to_simple_string (@var{td})
Convert a time duration to a string in the format "HH:MM:SS.ffffff", where
fractional seconds are only included if non-zero.

The input @var{td} can be specified as:
)--" TIME_DURATION_INPUT_FORMS R"--(
Based on @code{boost::posix_time::to_simple_string(time_duration)}.

@example
@group
boost_time_duration_to_simple_string (10, 0, 1, 123456789)
@result{} 10:02:04.456789
@end group
@end example
@seealso{boost_time_duration_to_iso_string, boost_time_duration_to_tm}
@end deftypefn)--")
{
  boost_oct::nargin_at_least (args, 1);
  const auto td = parse_time_duration (who, args, 0, args.length ());
  if (td.is_not_a_date_time ())
    boost_oct::fail (who, "time_duration is not-a-date-time");
  return boost_oct::text_value (boost::posix_time::to_simple_string (td));
}

/*
%!assert (boost_time_duration_to_simple_string (1, 2, 3), '01:02:03')
%!assert (boost_time_duration_to_simple_string (1, 2, 3, 4), '01:02:03.000004')
%!assert (boost_time_duration_to_simple_string (10, 0, 1, 123456789), '10:02:04.456789')
%!assert (boost_time_duration_to_simple_string (-1, 2, 3), '-01:02:03')
%!assert (boost_time_duration_to_simple_string (1, -30, 0), '-01:30:00')
%!assert (boost_time_duration_to_simple_string (0, 0, 90), '00:01:30')
%!assert (boost_time_duration_to_simple_string (100, 0, 0), '100:00:00')
%!assert (boost_time_duration_to_simple_string (0, 0, 0, 1000000), '00:00:01')

## Text forms: special names and Boost's delimited parser
%!assert (boost_time_duration_to_simple_string ('pos_infin'), '+infinity')
%!assert (boost_time_duration_to_simple_string ('neg_infin'), '-infinity')
%!assert (boost_time_duration_to_simple_string ('max_date_time'), '2562047788:00:54.775805')
%!assert (boost_time_duration_to_simple_string ('min_date_time'), '-2562047788:00:54.775807')
%!assert (boost_time_duration_to_simple_string ('01:30:00.5'), '01:30:00.500000')
%!assert (boost_time_duration_to_simple_string ('01:30:00.1234567'), '01:30:00.123456')
%!assert (boost_time_duration_to_simple_string ('-01:30:00'), '-01:30:00')
%!assert (boost_time_duration_to_simple_string ("01:30"), '01:30:00')

## Struct form
%!assert (boost_time_duration_to_simple_string (struct ("minutes", 5)), '00:05:00')
%!assert (boost_time_duration_to_simple_string (struct ()), '00:00:00')
%!assert (boost_time_duration_to_simple_string (struct ("hours", 1, "minutes", 2, "seconds", 3, "fractional_seconds", 4, "other", 9)), '01:02:03.000004')
%!assert (boost_time_duration_to_simple_string (struct ("seconds", 1.9)), '00:00:01')

## The result is one single-quoted char row, however many outputs are asked
%!test
%! s = boost_time_duration_to_simple_string (1, 2, 3);
%! assert (ischar (s) && ! is_dq_string (s) && rows (s) == 1);
%!error <element number 2 undefined in return list> [a, b] = boost_time_duration_to_simple_string (1, 2, 3);

## Arguments after the fourth number are ignored
%!assert (boost_time_duration_to_simple_string (1, 2, 3, 4, 5, 'x'), '01:02:03.000004')

%!error <Invalid call to boost_time_duration_to_simple_string> boost_time_duration_to_simple_string ()
%!error <boost_time_duration_to_simple_string: time_duration is not-a-date-time> boost_time_duration_to_simple_string ('not_a_date_time')
%!error <boost_time_duration_to_simple_string: a time_duration given as numbers needs hours, minutes and seconds, but only 1 number is given> boost_time_duration_to_simple_string (1)
%!error <only 2 numbers are given> boost_time_duration_to_simple_string (1, 2)
%!error <boost_time_duration_to_simple_string: time_duration is out of range> boost_time_duration_to_simple_string (3e15, 0, 0)
%!error <boost_time_duration_to_simple_string: time_duration is out of range> boost_time_duration_to_simple_string (0, 0, 0, -9223372036854775807)
%!error <bad lexical cast> boost_time_duration_to_simple_string ('Pos_infin')
%!error <basic_string> boost_time_duration_to_simple_string ('')
%!error boost_time_duration_to_simple_string (struct ("hours", {1, 2}))
%!error boost_time_duration_to_simple_string (1, 'ab', 3)
*/
