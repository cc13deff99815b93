#pragma once
// The interfaces between the keypads, the views that carry their keys and
// the screens that own them.
//
// A key view (numeric keypad, fields view) hands every pressed key, unchanged,
// to its PadDataEntryDelegate: the keypad that owns the view, which acts on
// the key's title. A keypad asks its data source for the digit limit and sign
// permission and hands what was entered to its delegate when "🤔" is pressed.
//
// Every reference to one of these interfaces is non-owning: a key view's
// delegate is its own ancestor, and a keypad's data source and delegate are
// the screen that owns the keypad.

#include <vector>

#include "keypads/KeypadElements.h"
#include "platform/gfx/AttributedText.h"

namespace ui {
class Object;
}

namespace duolinear {

class PadDataEntryDelegate {
public:
    virtual ~PadDataEntryDelegate() = default;
    // sender: the tapped key, a ui::Button whose title says what it is.
    virtual void keyPressed(ui::Object* sender) = 0;
};

class IntegerDelegate {
public:
    virtual ~IntegerDelegate() = default;
    // Sent once per press of "🤔". inputs: every field text in the keypad's
    // list shapes (input groups, then polynomial groups, then fraction
    // groups); options: per option group, the selected text of each row;
    // multiLine: empty, or one list holding the selected multi-line text.
    virtual void enterEquationData(const ElementGroups& inputs, const SelectedTexts& options,
                                   const SelectedTexts& multiLine) = 0;
};

class IntegerDataSource {
public:
    virtual ~IntegerDataSource() = default;
    // The most digits a field may hold; a leading "-" does not count.
    virtual int maxDigits() = 0;
    // Whether "+/-" changes the sign of a field.
    virtual bool allowsNegative() = 0;
};

// A new practice problem: the example rows to show, one per example label,
// and the expected entry texts in the keypad's inputs shape.
struct KeypadPracticeProblem {
    std::vector<gfx::AttributedText> examples;
    ElementGroups inputs;
};

class IntegerPracticeDataSource {
public:
    virtual ~IntegerPracticeDataSource() = default;
    virtual int maxDigits() = 0;
    virtual bool allowsNegative() = 0;
    // level: the index of the level wanted (0 for the first); options and
    // multiLine: the selected texts, shaped as for enterEquationData.
    virtual KeypadPracticeProblem newPracticeProblem(int level, const SelectedTexts& options,
                                                     const SelectedTexts& multiLine) = 0;
};

// The twins of IntegerDelegate and IntegerDataSource for the real-number keypad.
class RealDelegate {
public:
    virtual ~RealDelegate() = default;
    virtual void enterEquationData(const ElementGroups& inputs, const SelectedTexts& options,
                                   const SelectedTexts& multiLine) = 0;
};

class RealDataSource {
public:
    virtual ~RealDataSource() = default;
    virtual int maxDigits() = 0;
    virtual bool allowsNegative() = 0;
};

}  // namespace duolinear
