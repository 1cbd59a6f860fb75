// The location table behind the "X|" path notation.
#pragma once

namespace cvn {

class Locations {};

}  // namespace cvn
