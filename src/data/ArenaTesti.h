#pragma once
// The texts of a table read at once, kept in a few large blocks: a field longer than its
// inline room borrows its text from here instead of taking an allocation of its own.

#include "data/TestoCompatto.h"

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace zelvano {

class ArenaTesti {
  public:
    // A field holding testo: inline when it fits, otherwise borrowed from a block here,
    // valid while this arena, or the one it is joined to, lives.
    TestoCompatto Testo(std::string_view testo);
    // Takes over the blocks of another arena, whose fields keep their texts.
    void Unisci(ArenaTesti&& altra);
    // The bytes of the blocks held.
    std::size_t Byte() const { return byte_; }

  private:
    std::vector<std::unique_ptr<char[]>> blocchi_;
    char* libero_ = nullptr;
    std::size_t resto_ = 0;
    std::size_t byte_ = 0;
};

} // namespace zelvano
