#include "frame.h"

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <new>
#include <vector>

namespace boost_oct
{
  octave_value_list
  run_body (const char *who, const octave_value_list& args, body_fn body)
  {
    try
      {
        return octave_value_list (body (who, args));
      }
    catch (const octave::execution_exception&)
      {
        throw;
      }
    catch (const octave::interrupt_exception&)
      {
        throw;
      }
    catch (const octave::exit_exception&)
      {
        throw;
      }
    catch (const std::bad_alloc&)
      {
        throw;
      }
    catch (const std::exception& e)
      {
        error ("%s", e.what ());
      }
  }

  void
  nargin_at_least (const octave_value_list& args, int n)
  {
    if (args.length () < n)
      octave::print_usage ();
  }

  void
  nargin_exactly (const octave_value_list& args, int n)
  {
    if (args.length () != n)
      octave::print_usage ();
  }

  void
  nargin_between (const octave_value_list& args, int n, int m)
  {
    if (args.length () < n || args.length () > m)
      octave::print_usage ();
  }

  void
  nargin_none (const octave_value_list& args)
  {
    nargin_exactly (args, 0);
  }

  void
  fail (const char *who, const char *fmt, ...)
  {
    va_list ap;
    va_start (ap, fmt);
    va_list ap2;
    va_copy (ap2, ap);
    int len = std::vsnprintf (nullptr, 0, fmt, ap);
    va_end (ap);
    std::vector<char> buf (len > 0 ? len + 1 : 1, '\0');
    std::vsnprintf (buf.data (), buf.size (), fmt, ap2);
    va_end (ap2);
    error ("%s: %s", who, buf.data ());
  }
}
