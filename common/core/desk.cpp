#include "common/core/desk.h"

namespace pellar {

// Out of line so the vtable lives in one object file, apart from the real desk's printer
// code: the scripted desk links without it.
Desk::~Desk() = default;

MessageAnswer cautiousAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
        return MessageAnswer::No;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

} // namespace pellar
