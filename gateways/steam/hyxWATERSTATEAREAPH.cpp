// hyxWATERSTATEAREAPH: the library's water state area, as an integer.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxWATERSTATEAREAPH>({"p", "h"}, hyx::kCheckErrors);
