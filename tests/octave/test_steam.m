% The water and steam plug-ins: element-wise calls over whole arrays, the
% conversion of every numeric class, the messages for refused inputs, and the
% property-set functions with their fifteen outputs.
function tests = test_steam()
  tests = localfunctions();
end

% name, export number, parameter names, result class
function t = elementwise_functions()
  pxpe = {"p0", "t0", "x0", "p1", "eff"};
  ppe = {"p0", "t0", "p1", "eff"};
  t = {
    "hyxCVEXPANSIONPTXPEFF",            75,  pxpe,                       "double"
    "hyxTHERMCONDEXPANSIONPTXPEFF",     77,  pxpe,                       "double"
    "hyxDYNVISEXPANSIONPTXPEFF",        79,  pxpe,                       "double"
    "hyxPRANDTLEEXPANSIONPTXPEFF",      80,  pxpe,                       "double"
    "hyxJOULETHOMPSONEXPANSIONPTXPEFF", 82,  pxpe,                       "double"
    "hyxCVEXPANSIONPTPEFF",             61,  ppe,                        "double"
    "hyxTHERMCONDEXPANSIONPTPEFF",      63,  ppe,                        "double"
    "hyxDYNVISEXPANSIONPTPEFF",         65,  ppe,                        "double"
    "hyxPRANDTLEEXPANSIONPTPEFF",       66,  ppe,                        "double"
    "hyxJOULETHOMPSONEXPANSIONPTPEFF",  68,  ppe,                        "double"
    "hyxJOULETHOMPSONPTX",              23,  {"p", "t", "x"},            "double"
    "hyxTHERMCONDPTX",                  24,  {"p", "t", "x"},            "double"
    "hyxPRANDTLEPTX",                   26,  {"p", "t", "x"},            "double"
    "hyxRIRTL",                         327, {"r", "t", "wavelength"},   "double"
    "hyxR3PTR0",                        123, {"p", "t", "r0"},           "double"
    "hyxWATERSTATEAREAPH",              167, {"p", "h"},                 "int32"
    "hyxWATERSTATEAREA2",               101, {"p", "t"},                 "int32"
    "hyxWATERSTATEAREA",                100, {"p", "t"},                 "int32"
    "hyxPHASESTATEPT",                  253, {"p", "t"},                 "int32"
    "hyxDPDTST",                        170, {"t"},                      "double"
    "hyxJOULETHOMPSONSST",              188, {"t"},                      "double"
  };
end

function test_thermcond_over_a_matrix()
  t = [300 310; 320 330];
  expect_same(hyxTHERMCONDPTX(0.1, t, 0), water_value(24, 0.1, t, 0));
end

function test_last_input_walked_in_column_major_order()
  eff = int8([1 2 3; 4 5 6]);
  expect_same(hyxCVEXPANSIONPTXPEFF(10, 600, 1, 1, eff), water_value(75, 10, 600, 1, 1, eff));
end

% Each plug-in calls its own export with its inputs in order, names its
% parameters in the class message and counts them in the input-count message.
function test_every_elementwise_function()
  table = elementwise_functions();
  for row = 1:rows(table)
    [name, number, params, result] = table{row, :};
    f = str2func(name);
    n = numel(params);
    % Distinct positive values: a swapped or dropped input changes the sum;
    % the fractions show whether an int32 result is truncated.
    args = arrayfun(@(k) k + [0.25 0.5], 1:n, "UniformOutput", false);
    expected = water_value(number, args{:});
    if strcmp(result, "int32")
      expected = int32(fix(expected));
    end
    expect_same(f(args{:}), expected, name);

    for k = 1:n
      bad = args;
      bad{k} = true;
      expect_error(@() f(bad{:}), name, sprintf(["Function %s requires %d input argument (%s) be type of " ...
        "numeric. Try to use MATLAB function 'double(x), int32(x), int64() etc'."], name, k, params{k}), ...
        sprintf("%s, logical input %d", name, k));
    end

    if n == 1
      counted = sprintf("Function %s requires 1 input argument.", name);
    else
      counted = sprintf("Function %s requires %d input arguments.", name, n);
    end
    expect_error(@() f(args{1:n - 1}), name, counted, sprintf("%s, one input short", name));
    expect_error(@() f(args{:}, 1), name, counted, sprintf("%s, one input more", name));
  end
end

function test_property_sets_give_fifteen_arrays()
  table = {
    "hyxVUSHCVWDERPTMSPT", 314, {[1; 2; 3], 300}
    "hyxVUSHCVWDERPTPT",   2,   {[1; 2; 3], 300}
    "hyxVUSHCVWDERPTSST",  202, {[300; 310; 320]}
  };
  for row = 1:rows(table)
    [name, number, args] = table{row, :};
    value = water_value(number, args{:});
    o = call_outputs(15, str2func(name), args{:});
    expect_same(o{1}, value, [name " value"]);
    % Output j + 1 is property j, which the stand-in makes value + 1000*j.
    for j = 1:14
      expect_same(o{j + 1}, value + 1000 * j, sprintf("%s output %d", name, j + 1));
    end
  end
end

function test_property_set_without_output_variable_gives_the_values()
  hyxVUSHCVWDERPTPT([1; 2; 3], 300);
  expect_same(ans, water_value(2, [1; 2; 3], 300));
end

function test_property_set_output_counts()
  for count = [1 2 14 16]
    expect_error(@() call_outputs(count, @hyxVUSHCVWDERPTPT, [1; 2; 3], 300), "hyxVUSHCVWDERPTPT", ...
      "Function hyxVUSHCVWDERPTPT requires 0 or 15 output arguments.", sprintf("%d outputs", count));
  end
end

function test_property_set_passes_on_library_error()
  % Element 2 is refused; its text ends the call.
  expect_error(@() call_outputs(15, @hyxVUSHCVWDERPTPT, [1 -1 2], 300), "hyxVUSHCVWDERPTPT", ...
    "ZORHYX6 hyxVUSHCVWDERPTPT: argument #1 (p) is not a positive pressure.");
end

% Every numeric class reaches a double parameter as the double of equal
% value, at the ends of its range too: a cursor reading the wrong width or
% signedness gives other numbers.
function test_every_numeric_class_for_double_parameters()
  ints = {"int8", "uint8", "int16", "uint16", "int32", "uint32", "int64", "uint64"};
  for i = 1:numel(ints)
    cls = ints{i};
    t = [intmin(cls) intmax(cls); 0 cast(7, cls)];
    expect_same(hyxTHERMCONDPTX(cast(3, cls), t, cast(1, cls)), water_value(24, 3, double(t), 1), cls);
  end
  t = single([-1.5 0.25; realmax("single") 1e-3]);
  expect_same(hyxTHERMCONDPTX(single(0.5), t, single(2)), water_value(24, 0.5, double(t), 2), "single");
  t = [-1.5 0.25; 1e300 1e-300];
  expect_same(hyxTHERMCONDPTX(0.5, t, 2), water_value(24, 0.5, t, 2), "double");
end

function test_complex_inputs_use_real_part()
  t = [300 310; 320 330];
  expect_same(hyxTHERMCONDPTX(complex(0.5, 9), t + 7i, single(2 - 3i)), water_value(24, 0.5, t, 2));
end

function test_class_messages_for_non_numeric_inputs()
  inputs = {true, [true false], "abc", {300}, struct("t", 300), @sin};
  for i = 1:numel(inputs)
    expect_error(@() hyxTHERMCONDPTX(0.1, inputs{i}, 0), "hyxTHERMCONDPTX", ...
      ["Function hyxTHERMCONDPTX requires 2 input argument (t) be type of numeric. " ...
       "Try to use MATLAB function 'double(x), int32(x), int64() etc'."], class(inputs{i}));
  end
  % The first refused input is reported.
  expect_error(@() hyxTHERMCONDPTX(0.1, "t", {0}), "hyxTHERMCONDPTX", ...
    ["Function hyxTHERMCONDPTX requires 2 input argument (t) be type of numeric. " ...
     "Try to use MATLAB function 'double(x), int32(x), int64() etc'."], "char then cell");
end

function test_sparse_input_refused()
  expect_error(@() hyxTHERMCONDPTX(0.1, 300, sparse([0 1 0])), "hyxTHERMCONDPTX", ...
    ["Function hyxTHERMCONDPTX requires 3 input argument (x) be type of full numeric, not sparse. " ...
     "Try to use MATLAB function 'full(x)'."]);
end

function test_nd_inputs_give_nd_results()
  t = reshape(300:307, 2, 2, 2);
  r = hyxTHERMCONDPTX(0.1, t, 0);
  expect_same(r, water_value(24, 0.1, t, 0), "2x2x2 t");
  p = reshape(1:24, 2, 3, 4);
  expect_same(hyxWATERSTATEAREA(p, 0.5), int32(fix(water_value(100, p, 0.5))), "2x3x4 p, int32");
end

% The output takes the shape of the first input with the most elements; a
% shorter input repeats its last element.
function test_inputs_of_different_sizes_paired()
  % t is first with three elements: 3-by-1; p repeats its 2, x is 0 1 2.
  expect_same(hyxTHERMCONDPTX([1 2], [300; 310; 320], [0 1 2]), ...
    water_value(24, [1; 2; 2], [300; 310; 320], [0; 1; 2]), "3-by-1 from t");
  % Equal counts: the first input's shape wins over a later one.
  expect_same(hyxTHERMCONDPTX(1, [1 2 3 4], [5; 6; 7; 8]), water_value(24, 1, [1 2 3 4], [5 6 7 8]), ...
    "1-by-4 before 4-by-1");
  % A matrix of the same count as a row, given later.
  expect_same(hyxTHERMCONDPTX([1 2 3 4], [1 2; 3 4], 0), water_value(24, [1 2 3 4], [1 3 2 4], 0), ...
    "row before 2-by-2");
  % The last input alone decides the shape.
  expect_same(hyxTHERMCONDPTX(2, 300, [0 1; 2 3]), water_value(24, 2, 300, [0 1; 2 3]), "from x");
end

function test_output_count_of_elementwise_function()
  for count = [2 3]
    expect_error(@() call_outputs(count, @hyxTHERMCONDPTX, 0.1, 300, 0), "hyxTHERMCONDPTX", ...
      "Function hyxTHERMCONDPTX requires 0 or 1 output arguments.", sprintf("%d outputs", count));
  end
  % The input count is checked first.
  expect_error(@() call_outputs(2, @hyxTHERMCONDPTX, 0.1, 300), "hyxTHERMCONDPTX", ...
    "Function hyxTHERMCONDPTX requires 3 input arguments.", "2 inputs, 2 outputs");
end

function test_empty_inputs_refused()
  msg = "Function hyxTHERMCONDPTX can't process zero size of elements in arguments arrays.";
  cases = {{[], [], []}, {0.1, zeros(0, 3), 0}, {[1 2], 300, zeros(2, 0)}, {[], 300, 0}};
  for i = 1:numel(cases)
    expect_error(@() hyxTHERMCONDPTX(cases{i}{:}), "hyxTHERMCONDPTX", msg, sprintf("case %d", i));
  end
end

function test_library_error_ends_the_call()
  % Element 3 of t is NaN; element 4 has a bad pressure, which is never reached.
  expect_error(@() hyxTHERMCONDPTX([1 1 1 -1 1], [300 310 NaN 330 340], 0), "hyxTHERMCONDPTX", ...
    "ZORHYX6 hyxTHERMCONDPTX: argument #2 (t) is not a finite number.");
end

function test_result_without_output_variable_goes_to_ans()
  hyxTHERMCONDPTX(0.1, [300 310], 0);
  expect_same(ans, water_value(24, 0.1, [300 310], 0), "double result");
  hyxPHASESTATEPT([1 2], 3);
  expect_same(ans, int32(water_value(253, [1 2], 3)), "int32 result");
end
