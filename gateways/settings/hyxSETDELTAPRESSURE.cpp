// hyxSETDELTAPRESSURE: sets the library's pressure delta.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETDELTAPRESSURE>({"delta"}, hyx::kNoErrorCheck);
