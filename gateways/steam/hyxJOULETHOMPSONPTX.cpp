// hyxJOULETHOMPSONPTX: the library's Joule-Thomson coefficient.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxJOULETHOMPSONPTX>({"p", "t", "x"}, hyx::kCheckErrors);
