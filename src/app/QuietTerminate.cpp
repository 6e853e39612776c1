// quorvel.exe's handler for an exception nobody caught. The runtime's default
// one writes the exception's demangled type to stderr before it aborts; the
// operator starts a windowed program whose stderr goes nowhere, so all it
// gave quorvel.exe was the demangler, about 46 KB. A handler defined here
// keeps the runtime's own out of the link; the program still ends by abort().
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
