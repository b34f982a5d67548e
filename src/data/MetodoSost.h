#pragma once
// Where find and replace looks for the text in a supplier code: the three options of the
// find-and-replace window.

#include <cstdint>

namespace zelvano {

enum class MetodoSost : uint8_t {
    Contiene, // anywhere, every occurrence replaced
    Inizia,   // at the start of the code
    Finisce,  // at the end of the code
};

} // namespace zelvano
