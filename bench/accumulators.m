## Times the basic statistics functions against the closest Octave
## built-ins on the same 10^7 doubles and prints, per pair, the median time
## of each and their ratio (ours / built-in; below 1 means ours is faster).
##
## Run from the top of the tree, after building the modules:
##   octave-cli --no-history --no-init-file --path src bench/accumulators.m

1;

function t = time_once (f)
  tic ();
  f ();
  t = toc ();
endfunction

function s = verdict_of (ok)
  if (ok)
    s = "";
  else
    s = "MISSED";
  endif
endfunction

n = 1e7;
reps = 15;
randn ("seed", 42);
x = randn (n, 1);

## name, our call, built-in call, goal for the ratio
pairs = {
  "count",     @() boost_accumulators_count (x),             @() nnz (! isnan (x)),        1.2
  "min",       @() boost_accumulators_min (x),               @() min (x),                  1.2
  "max",       @() boost_accumulators_max (x),               @() max (x),                  1.2
  "sum",       @() boost_accumulators_sum_and_variants (x),  @() sum (x),                  1.2
  "mean",      @() boost_accumulators_mean_and_variants (x), @() mean (x),                 1.2
  "variance",  @() boost_accumulators_variance_and_variants (x), @() var (x, 1),           1
  "variance immediate", @() boost_accumulators_variance_and_variants (x, "immediate"), @() var (x, 1), 1
  "error_of_mean", @() boost_accumulators_error_of_mean (x), @() sqrt (var (x, 1) / (n - 1)), 1
  "moment 1",  @() boost_accumulators_moment (x, 1),         @() mean (x .^ 1),            1
  "moment 2",  @() boost_accumulators_moment (x, 2),         @() mean (x .^ 2),            1
  "moment 3",  @() boost_accumulators_moment (x, 3),         @() mean (x .^ 3),            1
  "moment 4",  @() boost_accumulators_moment (x, 4),         @() mean (x .^ 4),            1
  "moment 5",  @() boost_accumulators_moment (x, 5),         @() mean (x .^ 5),            1
};

printf ("%d doubles, median of %d runs\n\n", n, reps);
printf ("%-20s %10s %10s %8s %6s\n", "function", "ours ms", "Octave ms", "ratio", "goal");
for i = 1:rows (pairs)
  [name, ours, theirs, goal] = pairs{i, :};
  ours ();  theirs ();              # load the module, warm the caches
  t = zeros (reps, 2);
  for r = 1:reps                    # alternate, so drifts hit both alike
    t(r, 1) = time_once (ours);
    t(r, 2) = time_once (theirs);
  endfor
  m = median (t);
  ratio = m(1) / m(2);
  if (goal < 1.2)
    verdict = verdict_of (ratio < goal);
    goal_text = "< 1";
  else
    verdict = verdict_of (ratio <= goal);
    goal_text = "<= 1.2";
  endif
  printf ("%-20s %10.2f %10.2f %8.3f %6s %s\n", name, 1e3 * m(1), 1e3 * m(2),
          ratio, goal_text, verdict);
endfor
