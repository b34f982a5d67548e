#pragma once
// FNV-1a hashes of a text's bytes: for index keys, and for names and checks of files the
// program writes, where the same text must always give the same value.

#include <cstdint>
#include <string_view>

namespace zelvano {

inline uint32_t Fnv1a32(std::string_view testo) {
    uint32_t h = 2166136261u;
    for (const char c : testo)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

inline uint64_t Fnv1a64(std::string_view testo) {
    uint64_t h = 14695981039346656037ull;
    for (const char c : testo)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

} // namespace zelvano
