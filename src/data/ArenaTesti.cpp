#include "data/ArenaTesti.h"

#include "data/Tabelle.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace zelvano {

namespace {
// Large enough that a table needs few blocks, each backed by huge pages where it can be;
// the end of the last one is never touched, so it takes no memory.
constexpr std::size_t DimBlocco = std::size_t{4} << 20;
} // namespace

TestoCompatto ArenaTesti::Testo(std::string_view testo) {
    if (testo.size() <= TestoCompatto::MaxInline)
        return TestoCompatto(testo);
    const auto n = static_cast<uint32_t>(testo.size());
    // Length and text, the next one starting at a multiple of four.
    const std::size_t serve = (sizeof n + n + 3) & ~std::size_t{3};
    if (serve > resto_) {
        const std::size_t dim = std::max(DimBlocco, serve);
        blocchi_.emplace_back(new char[dim]);
        libero_ = blocchi_.back().get();
        PagineGrandi(libero_, dim);
        resto_ = dim;
        byte_ += dim;
    }
    char* blocco = libero_;
    std::memcpy(blocco, &n, sizeof n);
    std::memcpy(blocco + sizeof n, testo.data(), n);
    libero_ += serve;
    resto_ -= serve;
    return TestoCompatto::Prestito(blocco);
}

void ArenaTesti::Unisci(ArenaTesti&& altra) {
    blocchi_.insert(blocchi_.end(), std::make_move_iterator(altra.blocchi_.begin()),
                    std::make_move_iterator(altra.blocchi_.end()));
    byte_ += altra.byte_;
    altra.blocchi_.clear();
    altra.libero_ = nullptr;
    altra.resto_ = altra.byte_ = 0;
}

} // namespace zelvano
