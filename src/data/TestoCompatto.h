#pragma once
// A text field of an article record in eight bytes: up to seven bytes are kept inline,
// longer texts in one block of their own, or borrowed from the block of texts of a whole
// table read at once (ArenaTesti). A table of half a million records thus costs what its
// texts cost, and an empty line only the record itself.

#include <bit>
#include <compare>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace zelvano {

class TestoCompatto {
  public:
    TestoCompatto() noexcept { Vuoto(); }
    TestoCompatto(std::string_view testo) { Imposta(testo); }
    TestoCompatto(const char* testo) { Imposta(testo); }
    TestoCompatto(const std::string& testo) { Imposta(testo); }
    TestoCompatto(const TestoCompatto& altro) { Imposta(altro.Vista()); }
    TestoCompatto(TestoCompatto&& altro) noexcept {
        std::memcpy(byte_, altro.byte_, sizeof byte_);
        altro.Vuoto();
    }
    TestoCompatto& operator=(const TestoCompatto& altro) {
        if (this != &altro)
            *this = altro.Vista();
        return *this;
    }
    TestoCompatto& operator=(TestoCompatto&& altro) noexcept {
        if (this != &altro) {
            Libera();
            std::memcpy(byte_, altro.byte_, sizeof byte_);
            altro.Vuoto();
        }
        return *this;
    }
    TestoCompatto& operator=(std::string_view testo) {
        // The new text may come from this very block: it is copied before the old one goes.
        TestoCompatto nuovo(testo);
        return *this = std::move(nuovo);
    }
    TestoCompatto& operator=(const char* testo) { return *this = std::string_view(testo); }
    TestoCompatto& operator=(const std::string& testo) { return *this = std::string_view(testo); }
    ~TestoCompatto() { Libera(); }

    // Texts up to this long are kept inline.
    static constexpr std::size_t MaxInline = 7;

    // A text borrowed from a block laid out as an owned one ([uint32 length][bytes]) at an
    // address that is a multiple of four; whoever owns the block keeps it while the text
    // lives. Copies own their text.
    static TestoCompatto Prestito(const char* blocco) noexcept {
        TestoCompatto t;
        const auto p = reinterpret_cast<std::uintptr_t>(blocco) | PrestitoBit;
        std::memcpy(t.byte_, &p, sizeof p);
        return t;
    }

    std::string_view Vista() const noexcept {
        if (Inline())
            return {reinterpret_cast<const char*>(byte_ + 1),
                    static_cast<std::size_t>(byte_[0] >> 1)};
        const char* blocco = Blocco();
        uint32_t n = 0;
        std::memcpy(&n, blocco, sizeof n);
        return {blocco + sizeof n, n};
    }
    operator std::string_view() const noexcept { return Vista(); }
    std::string str() const { return std::string(Vista()); }

    bool empty() const noexcept { return Inline() && byte_[0] == 1; }
    std::size_t size() const noexcept { return Vista().size(); }
    const char* data() const noexcept { return Vista().data(); }
    char operator[](std::size_t i) const noexcept { return Vista()[i]; }
    void clear() noexcept {
        Libera();
        Vuoto();
    }

    friend bool operator==(const TestoCompatto& a, const TestoCompatto& b) noexcept {
        return a.Vista() == b.Vista();
    }
    friend bool operator==(const TestoCompatto& a, std::string_view b) noexcept {
        return a.Vista() == b;
    }
    friend bool operator==(const TestoCompatto& a, const char* b) noexcept {
        return a.Vista() == std::string_view(b);
    }
    friend bool operator==(const TestoCompatto& a, const std::string& b) noexcept {
        return a.Vista() == std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const TestoCompatto& a,
                                            const TestoCompatto& b) noexcept {
        return a.Vista().compare(b.Vista()) <=> 0;
    }

  private:
    // Inline: byte 0 holds length * 2 + 1, the text follows. Otherwise the eight bytes are
    // a pointer to a block of a 32-bit length and the text; owned blocks come from new[],
    // whose alignment leaves the two lowest bits 0, and a borrowed one has the second set.
    static_assert(std::endian::native == std::endian::little);
    static_assert(sizeof(char*) == 8);
    static constexpr unsigned PrestitoBit = 2;

    bool Inline() const noexcept { return (byte_[0] & 1) != 0; }
    char* Blocco() const noexcept {
        std::uintptr_t p = 0;
        std::memcpy(&p, byte_, sizeof p);
        return reinterpret_cast<char*>(p & ~std::uintptr_t{3});
    }
    void Vuoto() noexcept {
        std::memset(byte_, 0, sizeof byte_);
        byte_[0] = 1;
    }
    void Libera() noexcept {
        if (!Inline() && (byte_[0] & PrestitoBit) == 0)
            delete[] Blocco();
    }
    void Imposta(std::string_view testo) {
        if (testo.size() <= MaxInline) {
            Vuoto();
            byte_[0] = static_cast<unsigned char>(testo.size() * 2 + 1);
            if (!testo.empty())
                std::memcpy(byte_ + 1, testo.data(), testo.size());
            return;
        }
        const auto n = static_cast<uint32_t>(testo.size());
        char* blocco = new char[sizeof n + n];
        std::memcpy(blocco, &n, sizeof n);
        std::memcpy(blocco + sizeof n, testo.data(), n);
        std::memcpy(byte_, &blocco, sizeof blocco);
    }

    alignas(8) unsigned char byte_[8];
};

inline std::string operator+(std::string a, const TestoCompatto& b) {
    return a.append(b.Vista());
}
inline std::string operator+(const char* a, const TestoCompatto& b) {
    return std::string(a).append(b.Vista());
}
inline std::string operator+(const TestoCompatto& a, const std::string& b) {
    return a.str().append(b);
}
inline std::string operator+(const TestoCompatto& a, const TestoCompatto& b) {
    return a.str().append(b.Vista());
}
inline std::string operator+(const TestoCompatto& a, const char* b) {
    return a.str().append(b);
}
inline std::ostream& operator<<(std::ostream& os, const TestoCompatto& t) {
    return os << t.Vista();
}

} // namespace zelvano
