// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace scrivolta::platform {

// Fontconfig reads its configuration and its font caches the first time a
// font is asked for: some 5 ms, which fell in the middle of the window's
// first paint. Started before anything else, on a thread of its own, the
// reading overlaps with building Qt and the window on another core. Without
// a thread to spare, Qt reads it itself when it needs it.
std::jthread preparaCaratteri();

} // namespace scrivolta::platform
