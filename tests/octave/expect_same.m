function expect_same(actual, expected, what)
  % Fails unless actual has the class, the size and the elements of expected,
  % exactly (NaN matches NaN). The stand-in's formulas are computed here in
  % the same order of operations, so no tolerance is needed.
  if nargin < 3
    what = "result";
  end
  if !strcmp(class(actual), class(expected))
    error("%s: class %s, expected %s", what, class(actual), class(expected));
  end
  if !isequal(size(actual), size(expected))
    error("%s: size %s, expected %s", what, mat2str(size(actual)), mat2str(size(expected)));
  end
  if isequaln(actual, expected)
    return;
  end
  if ischar(actual)
    error("%s: '%s', expected '%s'", what, actual, expected);
  end
  k = find(!((actual == expected) | (isnan(actual) & isnan(expected))), 1);
  error("%s: element %d is %.17g, expected %.17g", what, k, double(actual(k)), double(expected(k)));
end
