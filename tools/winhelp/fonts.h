// The fonts that topic text refers to by index; help_file.cpp writes their
// descriptors into |FONT in this order.
#pragma once

namespace winhelp {

enum FontIndex : unsigned {
  kFontBody = 0,
  kFontBold = 1,
  kFontHeading = 2,
  kFontCount = 3,
};

}  // namespace winhelp
