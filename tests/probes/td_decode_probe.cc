// Test-only module: exposes the time-duration decoder and the splitting of
// two items so that their rules can be tested before every function that
// uses them exists.  Not part of the package.

#include "../../src/time_duration/parse_time_duration.h"

namespace pt = boost::posix_time;

static octave_value
describe (const pt::time_duration& td)
{
  if (td.is_not_a_date_time ())
    return boost_oct::text_value ("not_a_date_time");
  if (td.is_pos_infinity ())
    return boost_oct::text_value ("pos_infin");
  if (td.is_neg_infinity ())
    return boost_oct::text_value ("neg_infin");
  return octave_value (double (td.ticks ()));
}

BOOST_OCT_DEFUN (td_decode_probe, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{r} =} td_decode_probe (@var{kind}, @dots{})
Decode the arguments after @var{kind} as the time-duration functions do.
@var{kind} is @qcode{"one"} (one duration; @var{r} is its tick count or its
special name), @qcode{"at"} (the same, decoded from the 0-based position
given first), or @qcode{"pair"}, @qcode{"compare"} or @qcode{"integer"}
(two items; @var{r} is a struct with fields @qcode{"split"}, the 0-based
position of the second item, @qcode{"first"} and @qcode{"second"}).
@end deftypefn)--")
{
  boost_oct::nargin_at_least (args, 2);
  const std::string kind = args(0).string_value ();
  const octave_value_list rest = args.slice (1, args.length () - 1);

  if (kind == "one")
    return describe (parse_time_duration (who, rest, 0, rest.length ()));
  if (kind == "at")
    {
      // Decode from the position given first, to the end of the list.
      const int start = rest(0).int_value ();
      return describe (parse_time_duration (who, rest, start,
                                            rest.length ()));
    }

  second_item item = second_item::duration;
  if (kind == "compare")
    item = second_item::compared_duration;
  else if (kind == "integer")
    item = second_item::integer;
  else if (kind != "pair")
    boost_oct::fail (who, "unknown KIND '%s'", kind.c_str ());

  const int q = split_two_items (who, rest, item);
  octave_scalar_map r;
  r.setfield ("split", double (q));
  r.setfield ("first", describe (parse_time_duration (who, rest, 0, q)));
  r.setfield ("second", item == second_item::integer
              ? octave_value (double (rest(q).long_value ()))
              : describe (parse_time_duration (who, rest, q, rest.length ())));
  return r;
}

/*
## One duration: number, struct and text forms, as tick counts (microseconds)
%!shared H, M
%! H = 3600e6; M = 60e6;
%!assert (td_decode_probe ("one", 1, 2, 3), H + 2*M + 3e6)
%!assert (td_decode_probe ("one", 1, 2, 3, 4), H + 2*M + 3e6 + 4)
%!assert (td_decode_probe ("one", 1, -30, 0), -(H + 30*M))
%!assert (td_decode_probe ("one", -1, 30, 0), -(H + 30*M))
%!assert (td_decode_probe ("one", 0, 0, -0, -5), -5)
%!assert (td_decode_probe ("one", 0, 0, 90), 90e6)
%!assert (td_decode_probe ("one", 0, 0, 0, 2500000), 2.5e6)
%!assert (td_decode_probe ("one", 1.9, 0, 0), H)
%!assert (td_decode_probe ("one", int8 (2), single (3), true), 2*H + 3*M + 1e6)
%!assert (td_decode_probe ("one", struct ("minutes", 5)), 5*M)
%!assert (td_decode_probe ("one", struct ()), 0)
%!assert (td_decode_probe ("one", struct ("seconds", 1.9)), 1e6)
%!assert (td_decode_probe ("one", struct ("hours", -1, "minutes", 30)), -(H + 30*M))
%!assert (td_decode_probe ("one", '01:30:00.5'), H + 30*M + 5e5)
%!assert (td_decode_probe ("one", '01:30:00.1234567'), H + 30*M + 123456)
%!assert (td_decode_probe ("one", '-01:30:00'), -(H + 30*M))
%!assert (td_decode_probe ("one", '1-2-3,4'), H + 2*M + 3e6 + 400000)
%!assert (td_decode_probe ("one", "5"), 5*H)
%!assert (td_decode_probe ("one", 'pos_infin'), 'pos_infin')
%!assert (td_decode_probe ("one", 'neg_infin'), 'neg_infin')
%!assert (td_decode_probe ("one", 'not_a_date_time'), 'not_a_date_time')
## max/min_date_time are ordinary durations at the ends of the tick range
%!assert (td_decode_probe ("one", 'max_date_time'), 9223372036854775805)
%!assert (td_decode_probe ("one", 'min_date_time'), -9223372036854775807)
%!error <bad lexical cast> td_decode_probe ("one", 'Pos_infin')
%!error <bad lexical cast> td_decode_probe ("one", ' pos_infin')
%!error <bad lexical cast> td_decode_probe ("one", 'not-a-date-time')
%!error <basic_string> td_decode_probe ("one", '')
%!error <td_decode_probe: a time_duration given as numbers needs hours, minutes and seconds, but only 2 numbers are given from argument 1 on> td_decode_probe ("one", 1, 2)
%!error <td_decode_probe: time_duration is out of range> td_decode_probe ("one", 2562047789, 0, 0)
%!error <td_decode_probe: time_duration is out of range> td_decode_probe ("one", 0, 0, 0, 9223372036854775806)
%!error <td_decode_probe: time_duration is out of range> td_decode_probe ("one", 0, 0, 0, -Inf)
%!assert (td_decode_probe ("one", 2562047788, 0, 54, 775805), 9223372036854775805)

## A group that would start at or past the end of the list is refused
%!assert (td_decode_probe ("at", 1, 0, 0, 5), 5e6)
%!error <td_decode_probe: missing the time_duration at argument 3> td_decode_probe ("at", 2, 0)
%!error <td_decode_probe: missing the time_duration at argument 9> td_decode_probe ("at", 8, 0)

## Splitting two items: (kind, arguments, split, first, second)
%!test
%! H = 3600e6; M = 60e6;
%! cases = {
%!   "pair",    {1, 2, 3, 4, 5, 6},          3, H+2*M+3e6, 4*H+5*M+6e6
%!   "pair",    {1, 2, 3, 4, 5, 6, 7},       4, H+2*M+3e6+4, 5*H+6*M+7e6
%!   "pair",    {1, 2, 3, 4, 5, 6, 7, 8},    4, H+2*M+3e6+4, 5*H+6*M+7e6+8
%!   "pair",    {'01:00:00', 2, 0, 0},       1, H, 2*H
%!   "pair",    {struct("hours", 1), '00:00:02', 9}, 1, H, 2e6
%!   "pair",    {1, 0, 0, 'pos_infin', 9},   3, H, 'pos_infin'
%!   "compare", {1, 2, 3, 1, 2, 3},          3, H+2*M+3e6, H+2*M+3e6
%!   "compare", {1, 0, 0, 0, 1, 0, 0},       4, H, H
%!   "compare", {'01:00:00', 1, 0, 0},       1, H, H
%!   "integer", {3, 0, 0, 2},                3, 3*H, 2
%!   "integer", {3, 0, 0, 5, 2},             4, 3*H+5, 2
%!   "integer", {3, 0, 0, 5, 2, 99},         4, 3*H+5, 2
%!   "integer", {'03:00:00', 2},             1, 3*H, 2
%! };
%! for i = 1:rows (cases)
%!   r = td_decode_probe (cases{i,1}, cases{i,2}{:});
%!   assert ({r.split, r.first, r.second}, cases(i,3:5), sprintf ("case %d", i));
%! endfor

## Calls whose number form lacks arguments never read past the list
%!error <td_decode_probe: invalid arguments for first time_duration> td_decode_probe ("compare", 1, 2)
%!error <only 1 number is given from argument 4 on> td_decode_probe ("pair", 1, 2, 3, 4)
%!error <only 2 numbers are given from argument 4 on> td_decode_probe ("compare", 1, 2, 3, 4, 5)
%!error <td_decode_probe: missing the second time_duration> td_decode_probe ("compare", 1, 2, 3)
%!error <td_decode_probe: missing the second time_duration> td_decode_probe ("pair", '01:00:00')
%!error <only 2 numbers are given from argument 1 on> td_decode_probe ("pair", 1, 2)
%!error <only 2 numbers are given from argument 1 on> td_decode_probe ("integer", 1, 2)
%!error <td_decode_probe: missing the integer after the time_duration> td_decode_probe ("integer", 1, 2, 3)
%!error <td_decode_probe: missing the integer after the time_duration> td_decode_probe ("integer", struct ())
*/
