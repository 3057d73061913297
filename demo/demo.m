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
