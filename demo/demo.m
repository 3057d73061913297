## A tour of the package: run with `make demo`.

1;
function show (label, value)
  printf ("  %-62s ", label);
  if (ischar (value))
    printf ("%s\n", value);
  elseif (isstruct (value))
    f = fieldnames (value);
    parts = cellfun (@(n) sprintf ("%s=%s", n, num2str (value.(n))), f, ...
                     "UniformOutput", false);
    printf ("%s\n", strjoin (parts', ", "));
  else
    printf ("%s\n", mat2str (value, 10));
  endif
endfunction

printf ("Time durations (Boost.Date_Time)\n");
show ("to_simple_string (1, 2, 3)", boost_time_duration_to_simple_string (1, 2, 3));
show ("to_simple_string (10, 0, 1, 123456789)  [4th = microseconds]", ...
      boost_time_duration_to_simple_string (10, 0, 1, 123456789));
show ("to_simple_string (1, -30, 0)  [any negative part: negative]", ...
      boost_time_duration_to_simple_string (1, -30, 0));
show ("to_simple_string ('01:30:00.25')", boost_time_duration_to_simple_string ('01:30:00.25'));
show ("to_simple_string (struct ('minutes', 90))", ...
      boost_time_duration_to_simple_string (struct ("minutes", 90)));
show ("to_simple_string ('pos_infin')", boost_time_duration_to_simple_string ('pos_infin'));
show ("to_simple_string ('max_date_time')", boost_time_duration_to_simple_string ('max_date_time'));
show ("to_iso_string (1, 2, 3, 500000)", boost_time_duration_to_iso_string (1, 2, 3, 500000));
show ("to_tm (25, 90, 0)", boost_time_duration_to_tm (25, 90, 0));
try
  boost_time_duration_to_simple_string ('not_a_date_time');
catch err
  show ("to_simple_string ('not_a_date_time')", ["error: " err.message]);
end_try_catch

printf ("\nStatistics in one pass (Boost.Accumulators), NaN skipped\n");
x = [2, 4, NaN, 4, 5; 5, 7, 9, NaN, 1];
show ("x", x);
show ("count (x)", boost_accumulators_count (x));
show ("min (x), max (x)", [boost_accumulators_min(x), boost_accumulators_max(x)]);
show ("sum_and_variants (x)", boost_accumulators_sum_and_variants (x));
show ("mean_and_variants (x, weights 1:10)", boost_accumulators_mean_and_variants (x, 1:10));
show ("variance_and_variants (x, 'immediate')", ...
      boost_accumulators_variance_and_variants (x, "immediate"));
show ("error_of_mean (x)", boost_accumulators_error_of_mean (x));
show ("moment (x, 3)", boost_accumulators_moment (x, 3));
y = randn (1e7, 1);
tic;  r = boost_accumulators_variance_and_variants (y);  t = toc;
show (sprintf ("variance of 1e7 normal samples (%.0f ms)", 1e3 * t), r);
