% The gas plug-ins: text inputs from char matrices and cell arrays, gas
% identifiers as int32 or double, and the library's gas table.
function tests = test_gas()
  tests = localfunctions();
end

% The stand-in's molar masses (g/mol) and gas constant R (J/(mol K)).
function m = molar_mass(name)
  switch name
    case "N2",  m = 28.0134;
    case "O2",  m = 31.9988;
    case "CO2", m = 44.0095;
    case "Ar",  m = 39.948;
  end
end

function r = gas_constant(name)
  r = 8.314462618 / molar_mass(name);
end

function c = cv(name, t)
  c = gas_constant(name) .* (2.5 + t / 1000);
end

function test_texts_from_char_matrix_and_cell()
  % A char matrix's rows make a row of texts.
  expect_same(hyxgGCGS(["N2 "; "O2 "; "CO2"]), [gas_constant("N2") gas_constant("O2") gas_constant("CO2")], ...
    "GCGS, 3-row char matrix");
  % A cell array keeps its shape, its cells taken in column-major order.
  expect_same(hyxgGCGS({"N2", "O2"; "CO2", "Ar"}), ...
    [gas_constant("N2") gas_constant("O2"); gas_constant("CO2") gas_constant("Ar")], "GCGS, 2-by-2 cell");
  expect_same(hyxgCVGST({"N2"; "O2"}, [300 400]), [cv("N2", 300); cv("O2", 400)], "CVGST, 2-by-1 cell");
  expect_same(hyxgCVGST(["N2"; "O2"], [300; 400]), [cv("N2", 300) cv("O2", 400)], "CVGST, 2-row char matrix");
  expect_same(hyxgCVGST("N2", [300 400; 500 600]), cv("N2", [300 400; 500 600]), "CVGST, one text");
  expect_same(hyxgVFGSGS({"N2", "O2"}, "N2"), [1 0], "VFGSGS");
end

function test_text_messages()
  char_text = ["requires input argument #1 be type of const char. " ...
               "Try to use MATLAB's type conversion functions."];
  expect_error(@() hyxgIDNAME({}), "hyxgIDNAME", ["Function hyxgIDNAME " char_text], "empty cell");
  expect_error(@() hyxgGCGS(""), "hyxgGCGS", ["Function hyxgGCGS " char_text], "empty char");
  expect_error(@() hyxgVFGSGS("N2", cell(0, 2)), "hyxgVFGSGS", ...
    ["Function hyxgVFGSGS " strrep(char_text, "#1", "#2")], "empty second text");
  % A refused class is reported before an empty text earlier on.
  expect_error(@() hyxgCVGST({}, true), "hyxgCVGST", ["Function hyxgCVGST requires 2 input argument (t) be " ...
    "type of numeric. Try to use MATLAB function 'double(x), int32(x), int64() etc'."], "empty text, logical t");
  expect_error(@() hyxgCVGST("N2", []), "hyxgCVGST", ...
    "Function hyxgCVGST can't process zero size of elements in arguments arrays.", "empty t");

  not_text = "Can't initialize string parameter. It must be mxArray of cells or mxArray of chars.";
  inputs = {5, int32(1), true, struct("name", "N2"), @sin};
  for i = 1:numel(inputs)
    expect_error(@() hyxgIDNAME(inputs{i}), "hyxgIDNAME", not_text, class(inputs{i}));
  end
  cells = {{"N2", 5}, {5}, {"N2"; {"O2"}}};
  for i = 1:numel(cells)
    expect_error(@() hyxgIDNAME(cells{i}), "hyxgIDNAME", ...
      "Can't initialize string parameter: cell array does not contain strings in cells.", sprintf("cell %d", i));
  end
end

function test_identifiers_as_int32_or_double()
  n2 = hyxgNEWIDNAME("N2");
  o2 = hyxgNEWIDNAME("O2");
  mix = hyxgNEWID();
  expect_same(size(n2), [1 1], "NEWIDNAME size");
  expect_same(class(mix), "int32", "NEWID class");
  expect_same(hyxgADDGASV(mix, n2, 2), int32(1), "ADDGASV, int32 ids");
  expect_same(hyxgADDGASV(double(mix), double(o2), 1), int32(2), "ADDGASV, double ids");

  m = (2 / 3) * molar_mass("N2") + (1 / 3) * molar_mass("O2");
  for ids = {[n2 o2 mix], double([n2 o2 mix])}
    expect_same(hyxgMMID(ids{1}), [molar_mass("N2") molar_mass("O2") m], ["MMID, " class(ids{1})]);
    expect_same(hyxgCVIDT(ids{1}(3), [300; 400]), 8.314462618 / m .* (2.5 + [300; 400] / 1000), ...
      ["CVIDT, " class(ids{1})]);
    expect_same(hyxgVFIDID(ids{1}(3), ids{1}(1:2)), [2 / 3, 1 / 3], ["VFIDID, " class(ids{1})]);
  end
  expect_same(hyxgIDNAME("O2"), o2, "IDNAME");
end

% Trailing blanks pad the rows of a char matrix and are cut; in a cell they
% are part of the text.
function test_trailing_blanks_cut_from_char_rows_only()
  n2 = hyxgNEWIDNAME("N2");
  o2 = hyxgNEWIDNAME("O2");
  expect_same(hyxgIDNAME(["N2 "; "O2 "]), [n2 o2], "char matrix");
  expect_error(@() hyxgIDNAME({"N2 "}), "hyxgIDNAME", "ZORHYX6 hyxgIDNAME: unknown gas ""N2 "".", "cell");
  % Blanks before or inside a row stay.
  expect_error(@() hyxgIDNAME([" N2"; "O2 "]), "hyxgIDNAME", "ZORHYX6 hyxgIDNAME: unknown gas "" N2"".", ...
    "leading blank");
end

% One call per element, in order, until the library refuses one.
function test_delete_stops_at_unknown_identifier()
  first = hyxgNEWIDNAME("N2");
  third = hyxgNEWIDNAME("O2");
  unknown = third + 1000;
  expect_error(@() hyxgDELETEGASID([first unknown third]), "hyxgDELETEGASID", ...
    sprintf("ZORHYX6 hyxgDELETEGASID: unknown gas identifier %d.", unknown));
  expect_error(@() hyxgMMID(first), "hyxgMMID", sprintf("ZORHYX6 hyxgMMID: unknown gas identifier %d.", first), ...
    "first deleted");
  expect_same(hyxgMMID(third), molar_mass("O2"), "third kept");
  expect_same(hyxgDELETEGASID(third), int32(0), "gases left");
end

function test_parameterless_gas_functions()
  expect_same(hyxGETABSOLUTEGASCONSTANT(), 8.314462618, "GETABSOLUTEGASCONSTANT");
  expect_same(hyxgGETCALCDISSMODE(), int32(0), "GETCALCDISSMODE");
  first = hyxgNEWID();
  second = hyxgNEWID();
  expect_same(second > first, true, "NEWID gives a new identifier");
  expect_same(hyxgDELETEGASES(), int32(2), "DELETEGASES counts the gases");
  expect_same(hyxgDELETEGASES(), int32(0), "nothing left");
  for name = {"hyxGETABSOLUTEGASCONSTANT", "hyxgGETCALCDISSMODE", "hyxgNEWID", "hyxgDELETEGASES"}
    f = str2func(name{1});
    expect_error(@() f(1), name{1}, sprintf("Function %s requires 0 input argument.", name{1}), [name{1} " input"]);
    expect_error(@() call_outputs(2, f), name{1}, sprintf("Function %s requires 0 or 1 output argument.", name{1}), ...
      [name{1} " outputs"]);
  end
end

function test_gas_errors_pass_library_text()
  mix = hyxgNEWID();
  n2 = hyxgNEWIDNAME("N2");
  table = {
    @() hyxgMMID(mix),             "hyxgMMID",    sprintf("ZORHYX6 hyxgMMID: gas %d is empty.", mix)
    @() hyxgADDGASV(mix, n2, 0),   "hyxgADDGASV", "ZORHYX6 hyxgADDGASV: argument #3 (volume) is not positive."
    @() hyxgCVGST("H2", 300),      "hyxgCVGST",   "ZORHYX6 hyxgCVGST: unknown gas ""H2""."
    @() hyxgNEWIDNAME({"N2", "X"}), "hyxgNEWIDNAME", "ZORHYX6 hyxgNEWIDNAME: unknown gas ""X""."
  };
  for row = 1:rows(table)
    expect_error(table{row, :});
  end
end
