#pragma once
// Something that can receive events and actions: views, view controllers, the
// window and the application. An event or an action that a responder does not
// take goes on to its next responder: from a view to its superview (or to the
// view controller whose root view it is), from a view controller to the view
// its own view sits in, and so on up to the window and the application.

#include <string>
#include <vector>

#include "platform/ui/Key.h"
#include "platform/ui/Object.h"
#include "platform/ui/Touch.h"

namespace ui {

class Responder : public Object {
public:
    virtual Responder* nextResponder() const { return nullptr; }

    // An action (such as "keyPressedWithSender:") sent by a control. Returns
    // true when this responder implements the action, whether or not it did
    // anything with it; the action then goes no further up the chain.
    virtual bool handleAction(const std::string& action, Object* sender) { return false; }

    // Touches: the default passes them on to the next responder.
    virtual void touchesBegan(const std::vector<Touch>& touches);
    virtual void touchesMoved(const std::vector<Touch>& touches);
    virtual void touchesEnded(const std::vector<Touch>& touches);

    // A key press or a turn of the mouse wheel (in notches: dx > 0 to the
    // right, dy > 0 away from the user); true when taken. The default takes
    // nothing.
    virtual bool keyDown(Key key) { return false; }
    virtual bool scrollWheel(double dx, double dy) { return false; }
};

// Sends an action: to the target when there is one, else up the responder
// chain from `from` to the first responder that implements it. Returns true
// when some responder took it.
bool sendAction(const std::string& action, Responder* target, Responder& from, Object* sender);

}  // namespace ui
