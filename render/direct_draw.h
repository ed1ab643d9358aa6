#pragma once
// The drawing device of a surface control and the exceptions of drawing.
#include <memory>

#include "platform/display.h"
#include "platform/exception.h"

VARNOCK_EXCEPTION(EDirectXError, Exception);
VARNOCK_EXCEPTION(EDirectDrawError, EDirectXError);
VARNOCK_EXCEPTION(EDirectDrawSurfaceError, EDirectDrawError);
VARNOCK_EXCEPTION(EDirectDrawClipperError, EDirectDrawError);
VARNOCK_EXCEPTION(EDXDrawError, Exception);
VARNOCK_EXCEPTION(EInvalidOperation, Exception);

// One device on the display. Surfaces made on it share its display.
class TDirectDraw {
 public:
  // Raises EDirectDrawError "DirectDraw cannot be initialized" when the
  // display gives no device.
  explicit TDirectDraw(TDisplay& display);
  TDisplay& Display;
};
