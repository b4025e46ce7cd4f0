// Any text at all goes into the interpreter: it may return a text or fail
// with FormulaError, but it must not crash, hang, read outside a string or
// throw anything else.

#include <formula/interpreter.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        (void)formula::f_formel(text);
    } catch (const formula::FormulaError&) {
    }
    return 0;
}
