// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Windows-1252 on every platform, as a bijection on the 256 byte values: the five codes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same number, so the
// bytes of any existing file come back unchanged.
namespace Windows1252 {

[[nodiscard]] QChar toUnicode(uchar code);
// The code of a character, or nothing when Windows-1252 cannot represent it.
[[nodiscard]] std::optional<uchar> fromUnicode(QChar character);

[[nodiscard]] QString decode(QByteArrayView bytes);
// Characters that cannot be represented are left out.
[[nodiscard]] QByteArray encode(const QString &text);

}  // namespace Windows1252
