#pragma once

#include <exception>
#include <new>
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
    static FatalError outOfMemory() { return {7, "Nedostatek paměti"}; }
    static FatalError internalError() { return {51, "Vnitřní chyba"}; }

    int number() const { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};

// Any exception as the fatal error to report: itself if it is one.
inline FatalError unexpectedFailure(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const FatalError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return FatalError::outOfMemory();
    } catch (...) {
        return FatalError::internalError();
    }
}

} // namespace lumorix
