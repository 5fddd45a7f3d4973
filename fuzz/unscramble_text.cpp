// SPDX-License-Identifier: MIT
// Any UTF-16 text as UnscrambleText's input, as read from a file or the settings store.
#include "files/TextScrambling.h"
#include "files/Windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString text(qsizetype(size / sizeof(char16_t)), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * sizeof(char16_t));

    const QString plain = modHelp::UnscrambleText(text);
    if (plain.size() > text.size())
        std::abort();
    // Scrambling the result again gives back exactly the characters whose codes are 85..255.
    QString kept;
    if (text.size() <= 32767)
        for (QChar character : text)
            if (const std::optional<uchar> code = Windows1252::fromUnicode(character); code && *code >= 85)
                kept.append(character);
    if (modHelp::ScrambleText(plain) != kept)
        std::abort();
    return 0;
}
