// Text options compared with a fixed list of words.

#include "sample_intake.h"

#include <string>

namespace boost_oct
{
  namespace intake
  {
    std::size_t
    word (const char *who, const octave_value_list& args, int i,
          std::initializer_list<const char *> words, const char *msg,
          std::size_t dflt, conversion conv)
    {
      if (! given (args, i))
        return dflt;
      const std::string text = (conv == conversion::with_message
                                ? args(i).xstring_value ("%s: %s", who, msg)
                                : args(i).string_value ());
      std::size_t n = 0;
      for (const char *w : words)
        {
          if (text == w)
            return n;
          n++;
        }
      fail (who, "%s", msg);
    }

    variance_method
    method (const char *who, const octave_value_list& args, int i)
    {
      return (word (who, args, i, {"lazy", "immediate"},
                    "METHOD must be 'lazy' or 'immediate'")
              == 0 ? variance_method::lazy : variance_method::immediate);
    }

    const char *
    method_name (variance_method m)
    {
      return m == variance_method::lazy ? "lazy" : "immediate";
    }
  }
}
