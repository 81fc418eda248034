// hyxR3PTR0.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxR3PTR0>({"p", "t", "r0"}, hyx::kCheckErrors);
