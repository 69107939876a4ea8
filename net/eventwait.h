#pragma once

#include <functional>

// Keeps the calling thread's events flowing (queued signals, timers, deferred work) until
// done() holds. Used by every blocking wait on background work, so that a wait on the GUI
// thread neither freezes the window nor starves the signals the awaited work sends back.
void processEventsUntil(const std::function<bool()> &done);
