// The terminate handler of the C++ runtime linked into Pelorin.asi: abort at
// once. It replaces the runtime's verbose handler, which prints the exception's
// demangled type and so drags the whole demangler into the file. The plug-in
// throws nothing of its own; a terminate ends the game process either way.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
