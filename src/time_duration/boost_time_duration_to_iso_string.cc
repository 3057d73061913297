#include "parse_time_duration.h"

#include <boost/date_time/posix_time/time_formatters.hpp>

BOOST_OCT_DEFUN (boost_time_duration_to_iso_string, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{str} =} boost_time_duration_to_iso_string (@var{td})
Convert a time duration to an ISO 8601 string in the format "HHMMSS.ffffff",
where fractional seconds are only included if non-zero.

The input @var{td} can be specified as:
)--" TIME_DURATION_INPUT_FORMS R"--(
Based on @code{boost::posix_time::to_iso_string(time_duration)}.

@example
@group
boost_time_duration_to_iso_string (10, 0, 1, 123456789)
@result{} 100204.456789
@end group
@end example
@seealso{boost_time_duration_to_simple_string, boost_time_duration_to_tm}
@end deftypefn)--")
{
  boost_oct::nargin_at_least (args, 1);
  const auto td = parse_time_duration (who, args, 0, args.length ());
  if (td.is_not_a_date_time ())
    boost_oct::fail (who, "time_duration is not-a-date-time");
  return boost_oct::text_value (boost::posix_time::to_iso_string (td));
}

/*
%!assert (boost_time_duration_to_iso_string (1, 2, 3), '010203')
%!assert (boost_time_duration_to_iso_string (0, 0, 0, 500000), '000000.500000')
%!assert (boost_time_duration_to_iso_string (10, 0, 1, 123456789), '100204.456789')
%!assert (boost_time_duration_to_iso_string (-1, 30, 0), '-013000')
%!assert (boost_time_duration_to_iso_string (123, 4, 5), '1230405')
%!assert (boost_time_duration_to_iso_string ('pos_infin'), '+infinity')
%!assert (boost_time_duration_to_iso_string ('neg_infin'), '-infinity')
%!assert (boost_time_duration_to_iso_string ('max_date_time'), '25620477880054.775805')
%!assert (boost_time_duration_to_iso_string ('-00:00:01.25'), '-000001.250000')
%!assert (boost_time_duration_to_iso_string (struct ("hours", 2, "seconds", 7)), '020007')

%!error <Invalid call to boost_time_duration_to_iso_string> boost_time_duration_to_iso_string ()
%!error <boost_time_duration_to_iso_string: time_duration is not-a-date-time> boost_time_duration_to_iso_string ('not_a_date_time')
%!error <boost_time_duration_to_iso_string: a time_duration given as numbers needs hours, minutes and seconds> boost_time_duration_to_iso_string (1, 2)
%!error <bad lexical cast> boost_time_duration_to_iso_string ('+infinity')
*/
