// What ends the program on an error nothing caught: a message box, as the
// game's own tool showed one, then the end. libstdc++'s handler would write
// the error to a console that a window program has not, and links its C++
// demangler (46 KiB of the 32-bit program) to do so.
#include "preview/translatable.h"
#include "window/facts.h"
#include "window/language.h"
#include "window/win32/wide.h"

#include <windows.h>

#include <cstdlib>

namespace __gnu_cxx {              // NOLINT(cert-dcl58-cpp): it replaces the library's handler of that name
void __verbose_terminate_handler() // NOLINT(bugprone-reserved-identifier)
{
    MessageBoxW(nullptr,
                hueprev::win32::wide(
                    hueprev::translate(hueprev::translatable("hueprev met an error and must close.")))
                    .c_str(),
                hueprev::win32::wide(hueprev::facts::kCaption).c_str(), MB_ICONERROR);
    std::abort();
}
} // namespace __gnu_cxx
