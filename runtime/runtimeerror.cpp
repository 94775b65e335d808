// Descriptions of the run-time errors, for the command line and for diagnostics.
#include "runtime/runtimeerror.h"

namespace freefall {

const char *RuntimeError::what() const noexcept
{
    switch (kind_) {
    case Kind::Overflow:
        return "the calculation overflowed";
    case Kind::TooLargeForBox:
        return "the result is too large to show in its box";
    case Kind::TypeMismatch:
        return "a result could not be read back as a number";
    case Kind::NumberFunctionsFailed:
        return "the system's number functions failed with the regional settings";
    case Kind::FileNotFound:
        return "the file could not be opened";
    case Kind::InvalidPicture:
        return "the file is not a valid picture";
    }
    return "run-time error";
}

} // namespace freefall
