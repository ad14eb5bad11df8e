#pragma once

#include <string>
#include <utility>

namespace gen {

// Something with a (possibly empty) name.
class Nameable {
public:
    Nameable() = default;
    explicit Nameable(std::string name) : name(std::move(name)) {}
    virtual ~Nameable() = default;

    Nameable(Nameable const&) = default;
    Nameable& operator=(Nameable const&) = default;
    Nameable(Nameable&&) = default;
    Nameable& operator=(Nameable&&) = default;

    std::string name;
};

// Common base of every Listener<T>.
class BaseListener : public Nameable {
public:
    using Nameable::Nameable;
};

}  // namespace gen
