// hyxSETINITSTEAMDENSITY: sets the library's initial steam density.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETINITSTEAMDENSITY>({"r"}, hyx::kNoErrorCheck);
