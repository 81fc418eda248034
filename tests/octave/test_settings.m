% The settings and status plug-ins: setters that return the previous value,
% readers without inputs, and the library's last error.
function tests = test_settings()
  tests = localfunctions();
end

% A setter over an array sets every element in turn: each output element is
% the value before it, and the last element stays.
function test_setter_over_an_array()
  hyxSETTOLERANCE(2e-9);
  values = 1e-6 * [1 2 3; 4 5 6];
  previous = reshape([2e-9, values(1:end - 1)], 2, 3);
  expect_same(hyxSETTOLERANCE(values), previous, "SETTOLERANCE");
  expect_same(hyxGETTOLERANCE(), 6e-6, "GETTOLERANCE");

  hyxSETCHECKRANGEMODE(9);
  modes = int8([1 2; 3 4]);
  expect_same(hyxSETCHECKRANGEMODE(modes), int32([9 3; 1 2]), "SETCHECKRANGEMODE");
  expect_same(hyxGETCHECKRANGEMODE(), int32(4), "GETCHECKRANGEMODE");
end

function test_setters_and_readers_round_trip()
  % setter, reader, first value, second value, class of both results
  table = {
    "hyxSETCHECKRANGEMODE",    "hyxGETCHECKRANGEMODE",    0,      2,      "int32"
    "hyxSETTOLERANCE",         "hyxGETTOLERANCE",         2.5e-7, 3e-5,   "double"
    "hyxSETLASTERROR",         "hyxGETLASTERROR",         12,     -3,     "int32"
    "hyxSETDELTATS",           "hyxGETDELTATS",           0.125,  2e-2,   "double"
    "hyxSETDELTAPRESSURE",     "hyxGETDELTAPRESSURE",     7e-5,   0.5,    "double"
    "hyxSETINITSTEAMDENSITY",  "hyxGETINITSTEAMDENSITY",  900.5,  1e-3,   "double"
    "hyxSETTOLERANCEMODE",     "",                        1,      -4,     "int32"
    "hyxSETMAXITERATION",      "",                        250,    7,      "int32"
  };
  for row = 1:rows(table)
    [setter, reader, first, second, cls] = table{row, :};
    set = str2func(setter);
    set(first);
    expect_same(set(second), cast(first, cls), setter);
    if isempty(reader)
      expect_same(set(first), cast(second, cls), [setter " back"]);
    else
      expect_same(feval(reader), cast(second, cls), reader);
    end
  end
end

% A long parameter takes a double truncated toward zero (NaN and values out
% of range as the minimum) and an integer's low 32 bits as signed.
function test_long_parameter_conversion()
  cases = {
    2.9,                  2
    -2.9,                 -2
    single(7.75),         7
    2147483647.9,         2147483647
    3e9,                  -2147483648
    NaN,                  -2147483648
    -Inf,                 -2147483648
    int8(-3),             -3
    uint8(200),           200
    int16(-300),          -300
    uint16(60000),        60000
    int32(-2147483648),   -2147483648
    uint32(4294967295),   -1
    int64(4294967301),    5
    int64(-1),            -1
    uint64(4294967296 + 7), 7
    complex(5.5, 1),      5
  };
  for i = 1:rows(cases)
    [given, delivered] = cases{i, :};
    hyxSETMAXITERATION(given);
    expect_same(hyxSETMAXITERATION(100), int32(delivered), sprintf("%s %s", class(given), num2str(given)));
  end
end

function test_last_error_from_all_bits_set()
  hyxSETLASTERROR(uint32(4294967295));
  expect_same(hyxGETLASTERROR(), int32(-1));
end

% Settings and status plug-ins do not check the last error: they work while
% it is set, and a property call that succeeds clears it.
function test_settings_work_while_last_error_is_set()
  hyxSETTOLERANCE(4e-9);
  expect_error(@() hyxTHERMCONDPTX(0.1, NaN, 0), "hyxTHERMCONDPTX", ...
    "ZORHYX6 hyxTHERMCONDPTX: argument #2 (t) is not a finite number.");
  expect_same(hyxGETLASTERROR(), int32(1), "GETLASTERROR after a refusal");
  expect_same(hyxGETLASTERRORDESCRIPTIONW(), "ZORHYX6 hyxTHERMCONDPTX: argument #2 (t) is not a finite number.", ...
    "description after a refusal");

  hyxSETLASTERROR(7);
  expect_same(hyxSETTOLERANCE([5e-9 6e-9]), [4e-9 5e-9], "SETTOLERANCE");
  expect_same(hyxGETTOLERANCE(), 6e-9, "GETTOLERANCE");
  expect_same(hyxSETDELTATS(0.25), 1e-3, "SETDELTATS");
  expect_same(hyxGETDELTATS(), 0.25, "GETDELTATS");
  expect_same(hyxGETHYXVERSION(), 6.1, "GETHYXVERSION");
  expect_same(hyxGETLASTERRORDESCRIPTIONW(), "ZORHYX6: error code 7 set by hyxSETLASTERROR.", "description");
  expect_same(hyxSETLASTERROR(8), int32(7), "SETLASTERROR");
  expect_same(hyxGETLASTERROR(), int32(8), "GETLASTERROR");

  expect_same(hyxTHERMCONDPTX(0.1, 300, 0), water_value(24, 0.1, 300, 0), "property call");
  expect_same(hyxGETLASTERROR(), int32(0), "GETLASTERROR after success");
  expect_same(hyxGETLASTERRORDESCRIPTIONW(), "No error.", "description after success");
end

function test_readers()
  % reader, result or class of it
  table = {
    "hyxGETCHECKRANGEMODE",        int32(1)
    "hyxGETDELTAPRESSURE",         1e-4
    "hyxGETDELTATS",               1e-3
    "hyxGETHYXVERSION",            6.1
    "hyxGETINITSTEAMDENSITY",      1
    "hyxGETLASTERROR",             int32(0)
    "hyxGETLASTERRORDESCRIPTIONW", "No error."
    "hyxGETTOLERANCE",             1e-9
  };
  for row = 1:rows(table)
    [name, expected] = table{row, :};
    f = str2func(name);
    expect_same(f(), expected, name);
    f();
    expect_same(ans, expected, [name " as ans"]);
    inputs = sprintf("Function %s requires 0 input argument.", name);
    expect_error(@() f(1), name, inputs, [name " with an input"]);
    expect_error(@() f([]), name, inputs, [name " with an empty input"]);
    expect_error(@() call_outputs(2, f), name, sprintf("Function %s requires 0 or 1 output argument.", name), ...
      [name " with 2 outputs"]);
  end
end
