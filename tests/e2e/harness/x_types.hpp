// Xlib's handles without Xlib's header, whose macros (None, Bool, Status)
// clash with the test framework's names.
#pragma once

struct _XDisplay;
using x_connection = _XDisplay*;
using x_window = unsigned long; // an XID
inline constexpr x_window no_window = 0;
