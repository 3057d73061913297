// Sample intake of the statistics functions: conversion and checks of DATA,
// WEIGHTS and the options, the passes that feed the kept samples (elements
// that are not NaN) into accumulator sets, and the builders of the result
// values.
//
// A module reads its arguments in position order with the readers below,
// builds its accumulator set(s), runs one pass with a feeder, makes the
// no-sample check where it has one, and returns a record, a row or a
// two-column matrix.  For instance:
//
//   const NDArray data = intake::data (who, args);
//   const NDArray w = intake::weights (who, args, 1, data);
//   accumulator_set<double, stats<tag::p_square_quantile>> p (...);
//   accumulator_set<double, stats<tag::weighted_p_square_quantile>,
//                   double> pw (...);
//   const auto fed = intake::each_sample_and_pair
//     (data, w, intake::feed_all (p), intake::feed_weighted (pw));
//   intake::require_samples (who, fed.samples);
//   return intake::record ().add ("quantile", extract::p_square_quantile (p))
//                           .add ("weighted_quantile", ...);

#ifndef BOOST_OCT_SAMPLE_INTAKE_H
#define BOOST_OCT_SAMPLE_INTAKE_H

#include "../frame/frame.h"

#include <octave/quit.h>

#include <boost/accumulators/framework/parameters/weight.hpp>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace boost_oct
{
  namespace intake
  {
    // ---- Arrays -------------------------------------------------------

    // ARG as a real double array, MSG when it is not numeric or is complex.
    // A double array comes back sharing the caller's data.
    NDArray real_array (const char *who, const octave_value& arg,
                        const char *msg);

    // Argument 1, as a real double array.  A double array comes back
    // sharing the caller's data; other numeric kinds are converted.
    NDArray data (const char *who, const octave_value_list& args,
                  const char *msg = "DATA must be a numeric matrix");

    // Argument I as WEIGHTS, followed at once by the check that it has as
    // many elements as DATA.
    NDArray weights (const char *who, const octave_value_list& args, int i,
                     const NDArray& data,
                     const char *msg = "WEIGHTS must be a numeric matrix");

    // Argument I as WEIGHTS of a row reader: one weight per DATA row.
    NDArray row_weights (const char *who, const octave_value_list& args,
                         int i, const NDArray& data);

    // The column check of the row readers.
    void need_two_columns (const char *who, const NDArray& data,
                           const char *msg = "DATA must have at least 2 columns");

    // Raises MSG when no sample was fed.
    void require_samples (const char *who, std::uint64_t fed,
                          const char *msg = "DATA contains only NaN values");

    // ---- Options ------------------------------------------------------

    // True when the call supplies argument I (counted from 0).
    inline bool given (const octave_value_list& args, int i)
    {
      return i < args.length ();
    }

    // How an option is converted: by the host's conversion carrying the
    // option's own message, or by the host's plain conversion and its own
    // error.
    enum class conversion { with_message, host };

    // A counted option (cache size, number of bins or cells) at position
    // I, DFLT when not supplied.  A value that is not a whole number >= 0
    // (NaN, negative, fractional), or that is below LOWER_BOUND, raises MSG.
    std::uint64_t counted (const char *who, const octave_value_list& args,
                           int i, std::uint64_t dflt, const char *msg,
                           std::uint64_t lower_bound = 0,
                           conversion conv = conversion::with_message);

    // The moment order K at position I: a whole number from 1 to 5.
    int moment_order (const char *who, const octave_value_list& args, int i);

    // A text option at position I that must be one of WORDS exactly, case
    // and blanks included; returns the index of the word, DFLT when not
    // supplied.  Any other text (or, with conversion::with_message, any
    // non-text) raises MSG.
    std::size_t word (const char *who, const octave_value_list& args, int i,
                      std::initializer_list<const char *> words,
                      const char *msg, std::size_t dflt = 0,
                      conversion conv = conversion::with_message);

    // A real scalar option at position I, DFLT when not supplied; read by
    // the host's plain conversion when MSG is null.  Its range is the
    // caller's to check.
    double real (const char *who, const octave_value_list& args, int i,
                 double dflt, const char *msg = nullptr);

    inline bool in_open_unit_interval (double p)
    {
      return p > 0 && p < 1;
    }

    // The METHOD option of the variance functions.
    enum class variance_method { lazy, immediate };
    variance_method method (const char *who, const octave_value_list& args,
                            int i);
    const char *method_name (variance_method m);

    // Calls F with std::integral_constant<int, K> for the K given (1 to 5,
    // as moment_order returns it), so that F can build the set for that
    // compile-time order.
    template <typename F>
    decltype (auto) with_order (int k, F&& f)
    {
      switch (k)
        {
        case 1: return f (std::integral_constant<int, 1> ());
        case 2: return f (std::integral_constant<int, 2> ());
        case 3: return f (std::integral_constant<int, 3> ());
        case 4: return f (std::integral_constant<int, 4> ());
        default: return f (std::integral_constant<int, 5> ());
        }
    }

    // ---- Passes -------------------------------------------------------

    // Samples between two polls of the host's interrupt check.
    constexpr octave_idx_type poll_interval = 65536;

    // Runs BLOCK (begin, end) over [0, N) in slices of poll_interval,
    // polling for an interrupt after each.
    template <typename Block>
    inline void in_slices (octave_idx_type n, Block&& block)
    {
      for (octave_idx_type begin = 0; begin < n; )
        {
          const octave_idx_type end
            = n - begin > poll_interval ? begin + poll_interval : n;
          block (begin, end);
          octave_quit ();
          begin = end;
        }
    }

    // The sample stream: FEED (x) for every element of DATA, in storage
    // order, that is not NaN.  Returns the number fed.
    template <typename Feed>
    inline std::uint64_t each_sample (const NDArray& data, Feed&& feed)
    {
      const double *x = data.data ();
      std::uint64_t fed = 0;
      in_slices (data.numel (), [&] (octave_idx_type b, octave_idx_type e)
      {
        for (octave_idx_type i = b; i < e; i++)
          if (! std::isnan (x[i]))
            {
              feed (x[i]);
              fed++;
            }
      });
      return fed;
    }

    // The weighted sample stream: FEED (x, w) for every pair of DATA and
    // WEIGHTS elements, in storage order, neither of which is NaN.
    // Returns the number fed.
    template <typename Feed>
    inline std::uint64_t each_pair (const NDArray& data,
                                    const NDArray& weights, Feed&& feed)
    {
      const double *x = data.data ();
      const double *w = weights.data ();
      std::uint64_t fed = 0;
      in_slices (data.numel (), [&] (octave_idx_type b, octave_idx_type e)
      {
        for (octave_idx_type i = b; i < e; i++)
          if (! std::isnan (x[i]) && ! std::isnan (w[i]))
            {
              feed (x[i], w[i]);
              fed++;
            }
      });
      return fed;
    }

    struct fed_counts
    {
      std::uint64_t samples;
      std::uint64_t pairs;
    };

    // Both streams in one pass, for unweighted and weighted sets side by
    // side: for each element, FEED_SAMPLE (x) when x is not NaN, and then
    // FEED_PAIR (x, w) when w is not NaN either.
    template <typename FeedSample, typename FeedPair>
    inline fed_counts each_sample_and_pair (const NDArray& data,
                                            const NDArray& weights,
                                            FeedSample&& feed_sample,
                                            FeedPair&& feed_pair)
    {
      const double *x = data.data ();
      const double *w = weights.data ();
      fed_counts fed = { 0, 0 };
      in_slices (data.numel (), [&] (octave_idx_type b, octave_idx_type e)
      {
        for (octave_idx_type i = b; i < e; i++)
          if (! std::isnan (x[i]))
            {
              feed_sample (x[i]);
              fed.samples++;
              if (! std::isnan (w[i]))
                {
                  feed_pair (x[i], w[i]);
                  fed.pairs++;
                }
            }
      });
      return fed;
    }

    // The row stream: FEED (x, y) with x = DATA(r,1), y = DATA(r,2) for
    // every row r, top to bottom, with neither value NaN; further columns
    // are ignored.  DATA must have passed need_two_columns.  Returns the
    // number of rows fed.
    template <typename Feed>
    inline std::uint64_t each_row (const NDArray& data, Feed&& feed)
    {
      const octave_idx_type rows = data.rows ();
      const double *x = data.data ();
      const double *y = x + rows;
      std::uint64_t fed = 0;
      in_slices (rows, [&] (octave_idx_type b, octave_idx_type e)
      {
        for (octave_idx_type r = b; r < e; r++)
          if (! std::isnan (x[r]) && ! std::isnan (y[r]))
            {
              feed (x[r], y[r]);
              fed++;
            }
      });
      return fed;
    }

    struct row_counts
    {
      std::uint64_t valid;   // rows with X and Y both numbers
      std::uint64_t fed;     // of those, rows whose weight is a number
    };

    // The weighted row stream: FEED (x, y, w) for every row whose X, Y and
    // weight (WEIGHTS element r) are all numbers.
    template <typename Feed>
    inline row_counts each_weighted_row (const NDArray& data,
                                         const NDArray& weights, Feed&& feed)
    {
      const octave_idx_type rows = data.rows ();
      const double *x = data.data ();
      const double *y = x + rows;
      const double *w = weights.data ();
      row_counts n = { 0, 0 };
      in_slices (rows, [&] (octave_idx_type b, octave_idx_type e)
      {
        for (octave_idx_type r = b; r < e; r++)
          if (! std::isnan (x[r]) && ! std::isnan (y[r]))
            {
              n.valid++;
              if (! std::isnan (w[r]))
                {
                  feed (x[r], y[r], w[r]);
                  n.fed++;
                }
            }
      });
      return n;
    }

    // Feeders for the passes: each sample to every set given, in order.
    template <typename... Sets>
    inline auto feed_all (Sets&... sets)
    {
      return [&sets...] (double x) { (sets (x), ...); };
    }

    // Each pair to every weighted set given, in order, with its weight.
    template <typename... Sets>
    inline auto feed_weighted (Sets&... sets)
    {
      return [&sets...] (double x, double w)
      {
        (sets (x, boost::accumulators::weight = w), ...);
      };
    }

    // ---- Results ------------------------------------------------------

    inline double as_double (std::uint64_t n)
    {
      return static_cast<double> (n);
    }

    // A scalar struct built field by field; fields keep the order in which
    // they are added.
    class record
    {
    public:
      record& add (const char *name, double v)
      {
        m_map.setfield (name, octave_value (v));
        return *this;
      }

      record& add (const char *name, const octave_value& v)
      {
        m_map.setfield (name, v);
        return *this;
      }

      record& add_text (const char *name, const char *text)
      {
        m_map.setfield (name, octave_value (text, '\''));
        return *this;
      }

      operator octave_value () const
      {
        return octave_value (m_map);
      }

    private:
      octave_scalar_map m_map;
    };

    // A 1xm row of the M doubles of RANGE, in order.
    template <typename Range>
    NDArray row_of (const Range& range)
    {
      octave_idx_type m = 0;
      for (auto it = range.begin (); it != range.end (); ++it)
        m++;
      NDArray row (dim_vector (1, m));
      double *p = row.fortran_vec ();
      for (auto it = range.begin (); it != range.end (); ++it)
        *p++ = *it;
      return row;
    }

    // An Nx2 matrix of the N (value, y) pairs of RANGE: row i holds pair i,
    // its first element in column 1 and its second in column 2.
    template <typename Range>
    NDArray two_columns (const Range& range)
    {
      octave_idx_type n = 0;
      for (auto it = range.begin (); it != range.end (); ++it)
        n++;
      NDArray m (dim_vector (n, 2));
      double *c1 = m.fortran_vec ();
      double *c2 = c1 + n;
      for (auto it = range.begin (); it != range.end (); ++it)
        {
          *c1++ = it->first;
          *c2++ = it->second;
        }
      return m;
    }
  }
}

#endif
