// Numeric options: counted options, the moment order and real scalars.

#include "sample_intake.h"

#include <cmath>

namespace boost_oct
{
  namespace intake
  {
    // The host's integer conversions, as asked for here, truncate
    // fractions, clip negative and infinite values to the type's range and
    // leave NaN undefined (and drop imaginary parts), so the value itself
    // is checked once the conversion has accepted the argument's type.
    static bool
    is_whole (const octave_value& arg)
    {
      if (arg.iscomplex ())
        return false;
      const double d = arg.double_value ();
      return std::isfinite (d) && d >= 0 && d == std::trunc (d);
    }

    std::uint64_t
    counted (const char *who, const octave_value_list& args, int i,
             std::uint64_t dflt, const char *msg, std::uint64_t lower_bound,
             conversion conv)
    {
      if (! given (args, i))
        return dflt;
      const octave_value& arg = args(i);
      const std::uint64_t v = (conv == conversion::with_message
                               ? arg.xuint64_value ("%s: %s", who, msg)
                               : arg.uint64_value ());
      if (! is_whole (arg) || v < lower_bound)
        fail (who, "%s", msg);
      return v;
    }

    int
    moment_order (const char *who, const octave_value_list& args, int i)
    {
      const octave_value& arg = args(i);
      const int k = arg.int_value ();
      if (! is_whole (arg) || k < 1 || k > 5)
        fail (who, "K must be a positive integer between 1 and 5");
      return k;
    }

    double
    real (const char *who, const octave_value_list& args, int i, double dflt,
          const char *msg)
    {
      if (! given (args, i))
        return dflt;
      return (msg ? args(i).xdouble_value ("%s: %s", who, msg)
                  : args(i).double_value ());
    }
  }
}
