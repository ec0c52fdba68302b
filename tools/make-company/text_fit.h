// Cutting UTF-8 text to the declared width of a TEXT(n) column, counted in characters.
#pragma once

#include <cstddef>
#include <string>

inline std::string fitText(std::string text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == maxCharacters) {
            text.resize(i);
            break;
        }
    }
    return text;
}
