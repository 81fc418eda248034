// hyxRIRTL.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxRIRTL>({"r", "t", "wavelength"}, hyx::kCheckErrors);
