// natalis --png FILE.dat OUT.png [--size WxH] [progression or transit options]: the wheel
// drawn by the window's own drawing code into an image.
#pragma once
#include "app/Headless.h"

namespace natalis {

int HeadlessPng(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
