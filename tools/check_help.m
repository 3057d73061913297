## -*- texinfo -*-
## @deftypefn {} {@var{ok} =} check_help (@var{name})
## Render the help text of function @var{name} the way @code{help} does and
## report any Texinfo warning or error.  Prints what is wrong and returns
## false, or returns true.
## @end deftypefn

function ok = check_help (name)
  ok = false;
  [text, format] = get_help_text (name);
  if (! strcmp (format, "texinfo"))
    printf ("%s: help text is %s, not Texinfo\n", name, format);
    return;
  endif
  lines = strsplit (strtrim (text), "\n");
  ## get_help_text has already taken away the "-*- texinfo -*-" marker.
  if (! strncmp (strtrim (lines{1}), "@deftypefn {Loadable Function}", 30)
      || ! strcmp (strtrim (lines{end}), "@end deftypefn"))
    printf ("%s: help text does not follow the deftypefn layout\n", name);
    return;
  endif
  if (isempty (strfind (text, sprintf (" %s (", name))))
    printf ("%s: the usage line does not name the function\n", name);
    return;
  endif

  ## The same Texinfo that help () hands to makeinfo, without --no-warn,
  ## inside a node so that the @deftypefn index entry has a home.
  texi = __makeinfo__ (text, "texinfo");
  file = [tempname() ".texi"];
  fid = fopen (file, "w");
  fprintf (fid, "\\input texinfo\n@node Top\n@top\n\n%s\n\n@bye\n", texi);
  fclose (fid);
  [status, out] = system (sprintf ("makeinfo --no-headers --no-validate --plaintext --output=/dev/null '%s' 2>&1", file));
  unlink (file);
  if (status != 0 || ! isempty (strtrim (out)))
    printf ("%s: makeinfo reports:\n%s\n", name, out);
    return;
  endif

  rendered = evalc (sprintf ("help ('%s')", name));
  if (isempty (strfind (rendered, name)))
    printf ("%s: help () shows no usage line\n", name);
    return;
  endif
  ok = true;
endfunction
