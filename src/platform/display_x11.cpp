// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_x11.h"

#include <QGuiApplication>

namespace scrivolta::platform {

_XDisplay* displayX11() {
    if (qGuiApp == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

} // namespace scrivolta::platform
