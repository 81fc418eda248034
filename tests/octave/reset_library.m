function reset_library()
  % Puts the one library instance that all plug-ins share back to its start:
  % the settings it starts with, no last error and no gases. The setters are
  % the only way in from Octave; gas identifiers keep counting up.
  hyxSETTOLERANCE(1e-9);
  hyxSETTOLERANCEMODE(0);
  hyxSETCHECKRANGEMODE(1);
  hyxSETMAXITERATION(100);
  hyxSETDELTATS(1e-3);
  hyxSETDELTAPRESSURE(1e-4);
  hyxSETINITSTEAMDENSITY(1);
  hyxgDELETEGASES();
  hyxSETLASTERROR(0);
end
