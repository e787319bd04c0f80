// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pulse.h"

#include "app/librerie.h"

#include <dlfcn.h>

namespace scrivolta::platform::pulse {

namespace {

constexpr const char* kLibreria = "libpulse.so.0";

bool risolviMainloop(void* l, Api& a) {
    return risolvi(l, "pa_threaded_mainloop_new", a.mainloop_new) &&
           risolvi(l, "pa_threaded_mainloop_free", a.mainloop_free) &&
           risolvi(l, "pa_threaded_mainloop_start", a.mainloop_start) &&
           risolvi(l, "pa_threaded_mainloop_stop", a.mainloop_stop) &&
           risolvi(l, "pa_threaded_mainloop_lock", a.mainloop_lock) &&
           risolvi(l, "pa_threaded_mainloop_unlock", a.mainloop_unlock) &&
           risolvi(l, "pa_threaded_mainloop_get_api", a.mainloop_get_api);
}

bool risolviContesto(void* l, Api& a) {
    return risolvi(l, "pa_context_new", a.context_new) &&
           risolvi(l, "pa_context_unref", a.context_unref) &&
           risolvi(l, "pa_context_connect", a.context_connect) &&
           risolvi(l, "pa_context_disconnect", a.context_disconnect) &&
           risolvi(l, "pa_context_get_state", a.context_get_state) &&
           risolvi(l, "pa_context_set_state_callback", a.context_set_state_callback) &&
           risolvi(l, "pa_operation_unref", a.operation_unref);
}

bool risolviFlusso(void* l, Api& a) {
    return risolvi(l, "pa_stream_new", a.stream_new) &&
           risolvi(l, "pa_stream_unref", a.stream_unref) &&
           risolvi(l, "pa_stream_connect_playback", a.stream_connect_playback) &&
           risolvi(l, "pa_stream_disconnect", a.stream_disconnect) &&
           risolvi(l, "pa_stream_get_state", a.stream_get_state) &&
           risolvi(l, "pa_stream_set_state_callback", a.stream_set_state_callback) &&
           risolvi(l, "pa_stream_write", a.stream_write) &&
           risolvi(l, "pa_stream_drain", a.stream_drain);
}

} // namespace

std::optional<Api> carica() {
    void* libreria = dlopen(kLibreria, RTLD_NOW | RTLD_LOCAL);
    if (libreria == nullptr)
        return std::nullopt;
    Api api{};
    if (risolviMainloop(libreria, api) && risolviContesto(libreria, api) &&
        risolviFlusso(libreria, api))
        return api;
    dlclose(libreria);
    return std::nullopt;
}

} // namespace scrivolta::platform::pulse
