% The plug-ins called from Octave on whole arrays.
%   octave-cli demo/demo.m <folder of the Octave plug-ins>
% The numbers come from whichever ZORHYX6 the plug-ins were linked against;
% the stand-in's are simple formulas (standins/zorhyx6/README.md).
args = argv();
addpath(args{1});

disp('Thermal conductivity over a grid of temperatures, at one pressure and quality:');
t = [300 310 320; 330 340 350];
lambda = hyxTHERMCONDPTX(0.1, t, 0)

disp('Any numeric class goes in; a shorter input repeats its last element:');
area = hyxWATERSTATEAREA(single([1 2]), int16([300 400 500]))

disp('Fifteen results per element from one call:');
[o{1:15}] = hyxVUSHCVWDERPTPT([1; 2; 3], 300);
[f, v, u, s, h] = o{1:5};
table = [f v u s h]

disp('Settings hold for every plug-in of the session:');
previous = hyxSETTOLERANCE(1e-6 * [1 2 3; 4 5 6]);
tolerance = hyxGETTOLERANCE()
version = hyxGETHYXVERSION()

disp('Gases by name, by identifier, and mixed:');
hyxgDELETEGASES();
ids = hyxgNEWIDNAME(['N2'; 'O2'])
hyxgADDGASV(ids(1), ids(2), 0.25);
molar_mass = hyxgMMID(ids)
gas_constant = hyxgGCGS({'N2', 'CO2'; 'H2O', 'Ar'})

disp('Errors come back as Octave errors:');
try
    hyxTHERMCONDPTX(0.1, [300 NaN], 0);
catch err
    disp(err.message);
end
try
    hyxTHERMCONDPTX(0.1, true, 0);
catch err
    disp(err.message);
end
