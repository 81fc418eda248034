// hyxRIRTL: the library's function RIRTL of r, t and wavelength.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxRIRTL>({"r", "t", "wavelength"}, hyx::kCheckErrors);
