#include "Failures.h"

#include <stdexcept>

void Fail(Failure failure, const std::string& reason) {
    if (failure == Failure::StdException) {
        throw std::runtime_error(reason);
    }
    throw 42;
}

std::string Reported(const std::string& what, Failure failure, const std::string& reason) {
    return what + " failed: " + (failure == Failure::StdException ? reason : "an unexpected error");
}
