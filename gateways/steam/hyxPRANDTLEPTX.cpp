// hyxPRANDTLEPTX: the library's Prandtl number.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxPRANDTLEPTX>({"p", "t", "x"}, hyx::kCheckErrors);
