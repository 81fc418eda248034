// hyxWATERSTATEAREA: the library's water state area, as an integer.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxWATERSTATEAREA>({"p", "t"}, hyx::kCheckErrors);
