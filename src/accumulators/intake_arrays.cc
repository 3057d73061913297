// DATA, WEIGHTS and the no-sample check.

#include "sample_intake.h"

namespace boost_oct
{
  namespace intake
  {
    NDArray
    real_array (const char *who, const octave_value& arg, const char *msg)
    {
      // The host would drop the imaginary parts without a word.
      if (arg.iscomplex ())
        fail (who, "%s", msg);
      return arg.xarray_value ("%s: %s", who, msg);
    }

    NDArray
    data (const char *who, const octave_value_list& args, const char *msg)
    {
      return real_array (who, args(0), msg);
    }

    NDArray
    weights (const char *who, const octave_value_list& args, int i,
             const NDArray& data, const char *msg)
    {
      NDArray w = real_array (who, args(i), msg);
      if (w.numel () != data.numel ())
        fail (who, "WEIGHTS must have the same number of elements as DATA");
      return w;
    }

    NDArray
    row_weights (const char *who, const octave_value_list& args, int i,
                 const NDArray& data)
    {
      NDArray w = real_array (who, args(i), "WEIGHTS must be a numeric matrix");
      if (w.numel () != data.rows ())
        fail (who, "WEIGHTS must have the same number of elements as DATA rows");
      return w;
    }

    void
    need_two_columns (const char *who, const NDArray& data, const char *msg)
    {
      if (data.columns () < 2)
        fail (who, "%s", msg);
    }

    void
    require_samples (const char *who, std::uint64_t fed, const char *msg)
    {
      if (fed == 0)
        fail (who, "%s", msg);
    }
  }
}
