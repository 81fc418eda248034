// hyxgCVIDT: cv of a gas given by identifier, at t.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgCVIDT>({"id", "t"}, hyx::kCheckErrors);
