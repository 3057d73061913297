// The frame every module is built on: registration through DEFUN_DLD, the
// argument-count rules, the error-text convention and the guard that keeps
// a stray C++ exception from taking the interpreter down.

#ifndef BOOST_OCT_FRAME_H
#define BOOST_OCT_FRAME_H

#include <octave/oct.h>

#include <string>

namespace boost_oct
{
  // A module's body: WHO is the function's name (the prefix of every error
  // text), ARGS the call's arguments.  It returns the call's one value.
  typedef octave_value (*body_fn) (const char *who,
                                   const octave_value_list& args);

  // Runs BODY and hands its value back as a one-element list.  Octave's own
  // exceptions (errors, interrupts, exit requests, out of memory) pass
  // through untouched; any other std::exception becomes an Octave error
  // whose message is exactly its what() text.
  octave_value_list run_body (const char *who, const octave_value_list& args,
                              body_fn body);

  // Argument-count rules.  Each raises the host's usage error for the
  // function being called when ARGS breaks the rule.
  void nargin_at_least (const octave_value_list& args, int n);
  void nargin_exactly (const octave_value_list& args, int n);
  void nargin_between (const octave_value_list& args, int n, int m);
  void nargin_none (const octave_value_list& args);

  // Raises the error "WHO: TEXT", TEXT formatted printf-style.
  [[noreturn]] void fail (const char *who, const char *fmt, ...)
    __attribute__ ((format (printf, 2, 3)));

  // A single-quoted character row, the kind every text result takes.
  inline octave_value text_value (const std::string& s)
  {
    return octave_value (s, '\'');
  }
}

// Defines the loadable function NAME with help text DOC.  The block that
// follows is the body: it sees `who' (the function's name) and `args', and
// returns exactly one octave_value.
#define BOOST_OCT_DEFUN(name, doc)                                      \
  static octave_value name ## _body (const char *who,                   \
                                     const octave_value_list& args);    \
  DEFUN_DLD (name, args, , doc)                                         \
  {                                                                     \
    return boost_oct::run_body (#name, args, name ## _body);            \
  }                                                                     \
  static octave_value name ## _body (const char *who,                   \
                                     const octave_value_list& args)

#endif
