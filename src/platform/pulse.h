// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

// The few functions of the PulseAudio client library the sound player uses,
// found at run time: the library is loaded only when the first sound plays,
// so it costs nothing at start-up, and a system without it stays silent.
namespace scrivolta::platform::pulse {

struct Api {
    decltype(&pa_threaded_mainloop_new) mainloop_new;
    decltype(&pa_threaded_mainloop_free) mainloop_free;
    decltype(&pa_threaded_mainloop_start) mainloop_start;
    decltype(&pa_threaded_mainloop_stop) mainloop_stop;
    decltype(&pa_threaded_mainloop_lock) mainloop_lock;
    decltype(&pa_threaded_mainloop_unlock) mainloop_unlock;
    decltype(&pa_threaded_mainloop_get_api) mainloop_get_api;
    decltype(&pa_context_new) context_new;
    decltype(&pa_context_unref) context_unref;
    decltype(&pa_context_connect) context_connect;
    decltype(&pa_context_disconnect) context_disconnect;
    decltype(&pa_context_get_state) context_get_state;
    decltype(&pa_context_set_state_callback) context_set_state_callback;
    decltype(&pa_stream_new) stream_new;
    decltype(&pa_stream_unref) stream_unref;
    decltype(&pa_stream_connect_playback) stream_connect_playback;
    decltype(&pa_stream_disconnect) stream_disconnect;
    decltype(&pa_stream_get_state) stream_get_state;
    decltype(&pa_stream_set_state_callback) stream_set_state_callback;
    decltype(&pa_stream_write) stream_write;
    decltype(&pa_stream_drain) stream_drain;
    decltype(&pa_operation_unref) operation_unref;
};

// The library's functions, or nothing when it or one of them is missing. The
// library stays loaded for the rest of the process.
std::optional<Api> carica();

} // namespace scrivolta::platform::pulse
