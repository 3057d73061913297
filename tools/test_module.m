## -*- texinfo -*-
## @deftypefn {} {} test_module (@var{name})
## Check the help text of module @var{name} and run the tests of its
## @file{.cc-tst} file, then print one line
## @samp{RESULT @var{name} @var{passed} @var{total}}.  The help check
## counts as one test; a file without tests counts as one failure.
## @end deftypefn

function test_module (name)
  passed = 0;
  total = 1;
  if (check_help (name))
    passed = 1;
  endif
  [n, nmax] = test (name, "quiet", stdout);
  if (nmax <= 0)
    printf ("%s: no tests found\n", name);
    nmax = 1;
    n = 0;
  endif
  printf ("RESULT %s %d %d\n", name, passed + n, total + nmax);
endfunction
