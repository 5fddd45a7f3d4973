#include "WetonMatch.h"

#include <QFile>

#include <array>

namespace WetonMatch {
namespace {

// Indexed by the remainder; a sum divisible by 8 is Pesthi.
constexpr std::array<QStringView, 8> Names = {u"Pesthi", u"Pegat",  u"Ratu", u"Jodoh",
                                              u"Topo",   u"Tinari", u"Padu", u"Sujanan"};

}  // namespace

Match of(int firstNeptu, int secondNeptu) noexcept
{
    const int sum = firstNeptu + secondNeptu;
    const int remainder = (sum % 8 + 8) % 8;
    return {sum, remainder, Names[remainder]};
}

QString meaning(int remainder)
{
    static const auto texts = [] {
        std::array<QString, 8> loaded;
        for (int i = 0; i < 8; ++i) {
            QFile file(QStringLiteral(":/content/matches/%1.txt").arg(i));
            if (file.open(QIODevice::ReadOnly))
                loaded[i] = QString::fromUtf8(file.readAll());
        }
        return loaded;
    }();
    return remainder >= 0 && remainder < 8 ? texts[remainder] : QString();
}

}  // namespace WetonMatch
