// hyxJOULETHOMPSONSST: the library's Joule-Thomson coefficient.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxJOULETHOMPSONSST>({"t"}, hyx::kCheckErrors);
