function expect_error(call, name, text, what)
  % Fails unless call() ends in an error whose message is text as plug-in
  % name raises it: Octave puts "name: " before a MEX function's error text.
  if nargin < 4
    what = func2str(call);
  end
  expected = [name ": " text];
  try
    call();
  catch err
    if !strcmp(err.message, expected)
      error("%s: error '%s', expected '%s'", what, err.message, expected);
    end
    return;
  end
  error("%s: no error, expected '%s'", what, expected);
end
