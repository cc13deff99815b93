#pragma once
// The root of the objects that take part in actions: the sender of an action
// is an Object (a button, a bar button item), and receivers find out what it
// is with dynamic_cast.

namespace ui {

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;
};

}  // namespace ui
