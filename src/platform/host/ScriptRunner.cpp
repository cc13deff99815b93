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
    // The message names what the action was about (a title, a point, a file);
    // the action itself is named by its word only, so nothing shows twice.
    if (!outcome.ok) {
        outcome.message =
            "script line " + std::to_string(action.line) + " (" + verb(action.kind) + "): " + outcome.message;
    }
    return outcome;
}

}  // namespace host
