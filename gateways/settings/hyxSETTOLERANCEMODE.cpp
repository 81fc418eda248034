// hyxSETTOLERANCEMODE: sets the library's tolerance mode.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETTOLERANCEMODE>({"mode"}, hyx::kNoErrorCheck);
