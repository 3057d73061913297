#include "parse_time_duration.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <boost/date_time/time_parsing.hpp>

#include <algorithm>
#include <limits>
#include <string>

namespace pt = boost::posix_time;

namespace
{
  // Tick counts of Boost's ordinary durations: max_date_time and
  // min_date_time.  The counts above and below are its special values.
  const int64_t max_ordinary_ticks = std::numeric_limits<int64_t>::max () - 2;
  const int64_t min_ordinary_ticks = -std::numeric_limits<int64_t>::max ();

  const int64_t ticks_per_second = pt::time_duration::ticks_per_second ();

  // |V| into *OUT; false where |V| does not fit.
  bool
  checked_abs (int64_t v, int64_t *out)
  {
    if (v == std::numeric_limits<int64_t>::min ())
      return false;
    *out = v < 0 ? -v : v;
    return true;
  }

  const char *const special_names[]
    = { "not_a_date_time", "pos_infin", "neg_infin",
        "max_date_time", "min_date_time" };

  const boost::date_time::special_values special_values[]
    = { boost::date_time::not_a_date_time, boost::date_time::pos_infin,
        boost::date_time::neg_infin, boost::date_time::max_date_time,
        boost::date_time::min_date_time };

  [[noreturn]] void
  too_few_numbers (const char *who, int available, int from)
  {
    boost_oct::fail (who, "a time_duration given as numbers needs hours, "
                     "minutes and seconds, but only %d number%s given "
                     "from argument %d on", available,
                     available == 1 ? " is" : "s are", from + 1);
  }

  int64_t
  field_or_zero (const octave_scalar_map& m, const char *name)
  {
    return m.isfield (name) ? m.getfield (name).long_value () : 0;
  }
}

pt::time_duration
make_time_duration (const char *who, int64_t h, int64_t m, int64_t s,
                    int64_t fs)
{
  // The tick count as Boost's constructor computes it, every step checked.
  const bool negative = h < 0 || m < 0 || s < 0 || fs < 0;
  int64_t ah, am, as, afs, minutes_part, total;
  const bool ok
    = (checked_abs (h, &ah) && checked_abs (m, &am)
       && checked_abs (s, &as) && checked_abs (fs, &afs)
       && ! __builtin_mul_overflow (ah, int64_t (3600), &total)
       && ! __builtin_mul_overflow (am, int64_t (60), &minutes_part)
       && ! __builtin_add_overflow (total, minutes_part, &total)
       && ! __builtin_add_overflow (total, as, &total)
       && ! __builtin_mul_overflow (total, ticks_per_second, &total)
       && ! __builtin_add_overflow (total, afs, &total)
       && total <= (negative ? -min_ordinary_ticks : max_ordinary_ticks));
  if (! ok)
    boost_oct::fail (who, "time_duration is out of range");

  return pt::time_duration (h, m, s, fs);
}

pt::time_duration
parse_time_duration (const char *who, const octave_value_list& args,
                     int start, int end)
{
  // The group may use positions START to LIMIT - 1, never past the list.
  const int limit = std::min (end, int (args.length ()));
  if (start >= limit)
    boost_oct::fail (who, "missing the time_duration at argument %d",
                     start + 1);
  const octave_value& a = args (start);

  if (a.isstruct ())
    {
      const octave_scalar_map m = a.scalar_map_value ();
      const int64_t h = field_or_zero (m, "hours");
      const int64_t mi = field_or_zero (m, "minutes");
      const int64_t s = field_or_zero (m, "seconds");
      const int64_t fs = field_or_zero (m, "fractional_seconds");
      return make_time_duration (who, h, mi, s, fs);
    }

  if (a.is_string ())
    {
      const std::string text = a.string_value ();
      for (int i = 0; i < 5; i++)
        if (text == special_names[i])
          return pt::time_duration (special_values[i]);
      return boost::date_time::str_from_delimited_time_duration
               <pt::time_duration, char> (text);
    }

  const int available = limit - start;
  if (available < 3)
    too_few_numbers (who, available, start);

  const int64_t h = args (start).long_value ();
  const int64_t m = args (start + 1).long_value ();
  const int64_t s = args (start + 2).long_value ();
  const int64_t fs = available > 3 ? args (start + 3).long_value () : 0;
  return make_time_duration (who, h, m, s, fs);
}

int
split_two_items (const char *who, const octave_value_list& args,
                 second_item kind)
{
  const int n = args.length ();
  const bool first_is_numbers
    = ! args (0).isstruct () && ! args (0).is_string ();

  if (kind == second_item::compared_duration && first_is_numbers && n == 2)
    boost_oct::fail (who, "invalid arguments for first time_duration");

  int q = 1;
  if (first_is_numbers)
    {
      const int four_numbers_from = kind == second_item::integer ? 5 : 7;
      q = n >= four_numbers_from ? 4 : 3;
    }

  if (first_is_numbers && n < 3)
    too_few_numbers (who, n, 0);

  if (q >= n)
    boost_oct::fail (who, kind == second_item::integer
                     ? "missing the integer after the time_duration"
                     : "missing the second time_duration");
  return q;
}
