// Test-only module: drives the frame's guard, count rules and error texts
// directly.  Not part of the package.

#include "../../src/frame/frame.h"

#include <new>
#include <stdexcept>

BOOST_OCT_DEFUN (frame_probe, R"--(-*- texinfo -*-
@deftypefn {Loadable Function} {@var{r} =} frame_probe (@var{action}, @dots{})
Exercise the frame.  @var{action} is @qcode{"throw"} (throw a
@code{std::runtime_error} with the text given next), @qcode{"out_of_range"},
@qcode{"bad_alloc"}, @qcode{"fail"} (raise an own error reporting the number
given next), or @qcode{"count"} followed by a rule name
(@qcode{"at_least"}, @qcode{"exactly"}, @qcode{"between"}, @qcode{"none"}),
its bounds N and M, and the arguments the rule is applied to; @var{r} is
then their number.
@end deftypefn)--")
{
  boost_oct::nargin_at_least (args, 1);
  const std::string action = args(0).string_value ();
  if (action == "throw")
    throw std::runtime_error (args(1).string_value ());
  if (action == "out_of_range")
    return octave_value (std::string ().at (0) + 0.0);
  if (action == "bad_alloc")
    throw std::bad_alloc ();
  if (action == "fail")
    boost_oct::fail (who, "the value %g is refused", args(1).double_value ());
  if (action == "count")
    {
      const std::string rule = args(1).string_value ();
      const int n = args(2).int_value ();
      const int m = args(3).int_value ();
      const octave_value_list rest = args.slice (4, args.length () - 4);
      if (rule == "at_least")
        boost_oct::nargin_at_least (rest, n);
      else if (rule == "exactly")
        boost_oct::nargin_exactly (rest, n);
      else if (rule == "between")
        boost_oct::nargin_between (rest, n, m);
      else
        boost_oct::nargin_none (rest);
      return octave_value (double (rest.length ()));
    }
  boost_oct::fail (who, "unknown ACTION '%s'", action.c_str ());
}

/*
## A foreign exception becomes an Octave error carrying exactly its text,
## and the session goes on.
%!error <^some C\+\+ failure: 42$> frame_probe ("throw", "some C++ failure: 42")
%!error <basic_string> frame_probe ("out_of_range")
%!test
%! try
%!   frame_probe ("throw", "a % sign and %s are kept as they are");
%! catch err
%!   assert (err.message, "a % sign and %s are kept as they are");
%! end_try_catch
## Octave's own out-of-memory exception passes through untouched.
%!error <out of memory> frame_probe ("bad_alloc")
%!error <^frame_probe: the value 1.5 is refused$> frame_probe ("fail", 1.5)

## Count rules: the usage error, or the number of arguments
%!assert (frame_probe ("count", "at_least", 2, 0, 1, 2, 3), 3)
%!assert (frame_probe ("count", "exactly", 2, 0, 1, 2), 2)
%!assert (frame_probe ("count", "between", 1, 3, 1), 1)
%!assert (frame_probe ("count", "between", 1, 3, 1, 2, 3), 3)
%!assert (frame_probe ("count", "none", 0, 0), 0)
%!error <Invalid call to frame_probe> frame_probe ("count", "at_least", 2, 0, 1)
%!error <Invalid call to frame_probe> frame_probe ("count", "exactly", 2, 0, 1, 2, 3)
%!error <Invalid call to frame_probe> frame_probe ("count", "between", 1, 3)
%!error <Invalid call to frame_probe> frame_probe ("count", "between", 1, 3, 1, 2, 3, 4)
%!error <Invalid call to frame_probe> frame_probe ("count", "none", 0, 0, 1)
*/
