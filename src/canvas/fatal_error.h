#pragma once

#include <stdexcept>
#include <string>

namespace lumorix {

// A failure inside a handler: the run stops, the user is told the number and the description,
// and the program ends.
class FatalError : public std::runtime_error {
public:
    FatalError(int number, const std::string& description)
        : std::runtime_error(description)
        , number_(number) {}

    static FatalError typeMismatch() { return {13, "Neshoda typů"}; }
    static FatalError overflow() { return {6, "Přetečení"}; }
    static FatalError divisionByZero() { return {11, "Dělení nulou"}; }

    int number() const { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};

} // namespace lumorix
