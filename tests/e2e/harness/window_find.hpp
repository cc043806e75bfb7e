// Finding a client's top-level window on a display by its title.
#pragma once

#include "e2e/harness/x_types.hpp"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// WM_NAME or _NET_WM_NAME of a window, empty when it has neither.
std::string window_title(x_connection display, x_window window);

// The first window in the tree whose title is title; no_window when there is none.
x_window find_window(x_connection display, std::string_view title);

// Waits until a window titled title exists and is viewable.
std::optional<x_window> wait_for_window(x_connection display, std::string_view title,
                                        std::chrono::milliseconds timeout);

// Waits until no window titled title is left.
bool wait_for_window_gone(x_connection display, std::string_view title,
                          std::chrono::milliseconds timeout);

// The client area's size.
std::pair<int, int> window_size(x_connection display, x_window window);
