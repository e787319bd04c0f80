// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/caratteri.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace scrivolta::platform {

std::jthread preparaCaratteri() {
    try {
        return std::jthread([] { FcInit(); });
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace scrivolta::platform
