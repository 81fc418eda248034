// hyxgCVGST: cv of a gas given by text, at t.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgCVGST>({"gas", "t"}, hyx::kCheckErrors);
