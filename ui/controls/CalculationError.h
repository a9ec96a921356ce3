#pragma once

namespace pellucors {

class MessageService;

// The one message for a computation that overflowed or divided by zero: the
// operation is abandoned and the typed values stay for correction.
void ShowCalculationError(MessageService& messages);

} // namespace pellucors
