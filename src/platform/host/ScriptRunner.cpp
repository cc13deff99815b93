#include "platform/host/ScriptRunner.h"

namespace host {

Outcome ScriptRunner::perform(const ScriptAction& action) {
    Outcome outcome;
    switch (action.kind) {
        case ScriptAction::Kind::tap:
            outcome = driver_.tap(action.point);
            break;
        case ScriptAction::Kind::tapButton:
            outcome = driver_.tapButton(action.text);
            break;
        case ScriptAction::Kind::back:
            outcome = driver_.back();
            break;
        case ScriptAction::Kind::screenshot:
            outcome = screenshot_(action.text);
            break;
    }
    // The message names what the action was about (a title, a point, a
    // file), so the place alone leads it.
    if (!outcome.ok) outcome.message = scriptPlace(scriptFile_, action.line) + outcome.message;
    return outcome;
}

}  // namespace host
