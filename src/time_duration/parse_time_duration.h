// Decoding of time durations from a function's arguments: a struct, a text
// (special-value name or delimited duration) or three or four numbers.

#ifndef BOOST_OCT_PARSE_TIME_DURATION_H
#define BOOST_OCT_PARSE_TIME_DURATION_H

#include "../frame/frame.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <cstdint>

// The list of accepted forms in the help text of every function that
// decodes a duration, after the function's own opening line.
#define TIME_DURATION_INPUT_FORMS                                       \
  "@itemize\n"                                                          \
  "@item A struct with fields @qcode{\"hours\"}, @qcode{\"minutes\"}, "  \
  "@qcode{\"seconds\"}, and optionally @qcode{\"fractional_seconds\"}\n" \
  "@item A string in @qcode{\"HH:MM:SS.fff\"} format\n"                  \
  "@item 3 or 4 numeric arguments: @var{hours}, @var{minutes}, "        \
  "@var{seconds}[, @var{fractional_seconds}]\n"                         \
  "@end itemize\n"

// Decodes the duration whose argument group starts at position START and
// ends before position END (the next group's start, or args.length ()).
// WHO prefixes the errors raised for a number form with too few numbers
// and for a duration beyond the tick range.
boost::posix_time::time_duration
parse_time_duration (const char *who, const octave_value_list& args,
                     int start, int end);

// Boost's time_duration (hours, minutes, seconds, fractional_seconds): any
// negative component makes the whole duration negative.  A total that does
// not fit the ordinary tick range is an error instead of a wrapped value.
boost::posix_time::time_duration
make_time_duration (const char *who, int64_t hours, int64_t minutes,
                    int64_t seconds, int64_t fractional_seconds);

// What follows the first duration in a function taking two items.
enum class second_item
{
  duration,             // plus, minus: a second duration
  compared_duration,    // eq, ne, lt, le, gt, ge: a second duration
  integer               // multiply_by_days, divide_by_days: one integer
};

// Position at which the second item starts.  The first duration is then
// decoded from 0 to that position and the second item from it on.  Raises
// an error where the arguments cannot hold the first duration and the
// second item.
int split_two_items (const char *who, const octave_value_list& args,
                     second_item kind);

#endif
