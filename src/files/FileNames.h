// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// File names as the system gives them, without loss. A Unix name is any bytes; desktops write UTF-8,
// but a name copied from an older disk or an archive may be in another encoding ("caf\xe9.jav" in
// Latin-1). Qt decodes such bytes to U+FFFD and cannot encode them back, and Qt 6 offers no other
// decoding, so names pass through these two instead: UTF-8 where the bytes are UTF-8, and every other
// byte (0x80 to 0xFF) as the lone surrogate U+DC80 plus the byte, which no valid UTF-8 can give.
namespace FileNames {

[[nodiscard]] QString decode(QByteArrayView bytes);
// The bytes decode() was given, for a name that came from it; UTF-8 for any other name.
[[nodiscard]] QByteArray encode(QStringView name);

}  // namespace FileNames
