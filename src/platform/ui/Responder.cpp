#include "platform/ui/Responder.h"

namespace ui {

void Responder::touchesBegan(const std::vector<Touch>& touches) {
    if (Responder* next = nextResponder()) next->touchesBegan(touches);
}

void Responder::touchesMoved(const std::vector<Touch>& touches) {
    if (Responder* next = nextResponder()) next->touchesMoved(touches);
}

void Responder::touchesEnded(const std::vector<Touch>& touches) {
    if (Responder* next = nextResponder()) next->touchesEnded(touches);
}

bool sendAction(const std::string& action, Responder* target, Responder& from, Object* sender) {
    if (target != nullptr) return target->handleAction(action, sender);
    for (Responder* responder = &from; responder != nullptr; responder = responder->nextResponder()) {
        if (responder->handleAction(action, sender)) return true;
    }
    return false;
}

}  // namespace ui
