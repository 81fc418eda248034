// hyxGETINITSTEAMDENSITY: the library's initial steam density.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETINITSTEAMDENSITY>(hyx::kNoErrorCheck);
