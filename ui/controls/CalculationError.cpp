#include "CalculationError.h"

#include "platform/MessageService.h"

namespace pellucors {

void ShowCalculationError(MessageService& messages) {
    messages.Show("Pellucors - Calculation error!",
                  "The numbers entered are too large to calculate.\r\nPlease check your data.",
                  MessageIcon::Information, MessageButtons::Ok);
}

} // namespace pellucors
